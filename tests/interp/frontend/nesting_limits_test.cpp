// Nesting limits: deep parentheses, signs, calls, conditions, blocks and
// long operator chains are compile errors, never a stack overflow; nesting
// well inside the limit compiles.
#include "compile_fixture.h"

namespace quorin {
namespace {

using testing::compile_text;

std::string repeat(const std::string& s, int n) {
  std::string out;
  out.reserve(s.size() * static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

const char* kExpressionTooDeep = "表达式嵌套层次太深 (超过 1000 层)";
const char* kStatementsTooDeep = "语句嵌套层次太深 (超过 1000 层)";

TEST(NestingLimits, DeepExpressionsAreCompileErrors) {
  const std::string expected = std::string("1: ") + kExpressionTooDeep + "\n";
  const std::string cases[] = {
      "int x = " + repeat("(", 20000) + "1" + repeat(")", 20000) + "\n",
      "int x = " + repeat("-", 100000) + "1\n",
      "int x = " + repeat("~-", 5000) + "1\n",
      "println(" + repeat("trim(", 3000) + "\"a\"" + repeat(")", 3000) + ")\n",
      "int x = 1" + repeat(" + 1", 5000) + "\n",
      "if " + repeat("(", 3000) + "1 > 0" + repeat(")", 3000) + "\nendif\n",
      "if 1 > 0" + repeat(" && 1 > 0", 3000) + "\nendif\n",
  };
  for (const std::string& src : cases) {
    auto c = compile_text(src);
    EXPECT_EQ(c.errors(), expected) << src.substr(0, 40);
    EXPECT_FALSE(c.result.program);
  }
}

TEST(NestingLimits, DeepBlocksAreCompileErrors) {
  auto c = compile_text(repeat("if 1 > 0\n", 3000) + repeat("endif\n", 3000));
  ASSERT_EQ(c.result.errors.count(), 1u);
  EXPECT_EQ(to_utf8(c.result.errors.list()[0].text), kStatementsTooDeep);
  EXPECT_FALSE(c.result.program);
}

TEST(NestingLimits, NestingWellInsideTheLimitCompiles) {
  const std::string src = "int x = " + repeat("(", 300) + repeat("-", 300) + "1" + repeat(")", 300) + "\n" +
                          "int y = 1" + repeat(" + 1", 500) + "\n" + repeat("loop 1\n", 200) + "println(x + y)\n" +
                          repeat("endloop\n", 200);
  auto c = compile_text(src);
  EXPECT_EQ(c.errors(), "");
  EXPECT_TRUE(c.result.program);
}

}  // namespace
}  // namespace quorin
