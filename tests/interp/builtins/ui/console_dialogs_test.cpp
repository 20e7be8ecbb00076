// The console dialogs of the command-line interpreter, over temporary files.
#include "builtins/ui/console_dialogs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "builtins/ui/input_rules.h"
#include "support/format.h"

namespace quorin {
namespace {

class ConsoleDialogsTest : public ::testing::Test {
 protected:
  ConsoleDialogsTest() : in_(std::tmpfile()), out_(std::tmpfile()) {}
  ~ConsoleDialogsTest() override {
    std::fclose(in_);
    std::fclose(out_);
  }
  // What the user types.
  ConsoleDialogs with_input(const std::string& typed) {
    std::fclose(in_);
    in_ = std::tmpfile();
    std::fputs(typed.c_str(), in_);
    std::rewind(in_);
    return ConsoleDialogs(in_, out_);
  }
  // What the console showed.
  std::string shown() {
    std::fflush(out_);
    std::rewind(out_);
    std::string s;
    int c;
    while ((c = std::fgetc(out_)) != EOF) s.push_back(static_cast<char>(c));
    return s;
  }
  std::FILE* in_;
  std::FILE* out_;
};

TEST_F(ConsoleDialogsTest, IntInputRejectsUntilAcceptedAndTrims) {
  ConsoleDialogs d = with_input("1.5\n-\n 42 \n");
  InputRequest r{u"标题", u"请输入", u"9", kInputInt, false};
  EXPECT_EQ(d.input(r), kResultOk);
  EXPECT_EQ(r.value, u"42");
  EXPECT_EQ(shown(),
            "[标题] 请输入\n(9) > 提示: 只可以输入一个整数\n(9) > 提示: 只可以输入一个整数\n(9) > ");
}

TEST_F(ConsoleDialogsTest, EmptyLineKeepsTheShownValueAndEndOfInputCancels) {
  {
    ConsoleDialogs d = with_input("\r\n");
    InputRequest r{u"Quorin", u"p", u"old", kInputString, false};
    EXPECT_EQ(d.input(r), kResultOk);
    EXPECT_EQ(r.value, u"old");
  }
  ConsoleDialogs d = with_input("");
  InputRequest r{u"Quorin", u"p", u"old", kInputString, false};
  EXPECT_EQ(d.input(r), kResultCancel);
  EXPECT_EQ(r.value, u"old");
}

TEST_F(ConsoleDialogsTest, CharInputIsLimitedLikeTheEditAndPasswordsAreNotShown) {
  ConsoleDialogs d = with_input("\\n\n");
  InputRequest r{u"t", u"p", u"", kInputChar, false};
  EXPECT_EQ(d.input(r), kResultOk);
  EXPECT_EQ(r.value, u"\n");
  ConsoleDialogs p = with_input("secret\n");
  InputRequest pw{u"t", u"密码", u"hidden", kInputString, true};
  EXPECT_EQ(p.input(pw), kResultOk);
  EXPECT_EQ(pw.value, u"secret");
  EXPECT_EQ(shown().find("hidden"), std::string::npos);
}

TEST_F(ConsoleDialogsTest, ConfirmAnswersByBoxType) {
  EXPECT_EQ(with_input("y\n").confirm(u"q", kBoxOkCancel), kResultOk);
  EXPECT_EQ(with_input("x\nN\n").confirm(u"q", 7), kResultCancel);
  EXPECT_EQ(with_input("n\n").confirm(u"q", kBoxYesNo), kResultNo);
  EXPECT_EQ(with_input("").confirm(u"q", kBoxYesNo), kResultNo);
  EXPECT_EQ(with_input("").confirm(u"q", kBoxYesNoCancel), kResultCancel);
  EXPECT_EQ(with_input(" c \n").confirm(u"q", kBoxYesNoCancel), kResultCancel);
}

TEST_F(ConsoleDialogsTest, MultilineJoinsLinesWithCrLfAndKeepsTheLimit) {
  ConsoleDialogs d = with_input("第一行\nsecond\n.\n");
  MultilineRequest r{u"t", u"p", u"old", 0, 0, 0};
  EXPECT_EQ(d.multiline(r), kResultOk);
  EXPECT_EQ(r.value, u"第一行\r\nsecond");
  ConsoleDialogs cut = with_input("abcdef\n.\n");
  MultilineRequest c{u"t", u"p", u"", 4, 0, 0};
  EXPECT_EQ(cut.multiline(c), kResultOk);
  EXPECT_EQ(c.value, u"abcd");
  ConsoleDialogs unfinished = with_input("abc\n");
  MultilineRequest u{u"t", u"p", u"old", 0, 0, 0};
  EXPECT_EQ(unfinished.multiline(u), kResultCancel);
  EXPECT_EQ(u.value, u"old");
}

}  // namespace
}  // namespace quorin
