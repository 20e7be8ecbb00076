#include "builtins/system/dll_modules.h"

#include <gtest/gtest.h>

namespace quorin::sys {
namespace {

TEST(DllModules, HandlesRoundTripThroughScriptInts) {
  for (uint32_t raw : {0u, 0x10000000u, 0x7FFF0000u, 0x80000000u, 0xFFFF0000u}) {
    const int32_t v = handle_to_int(raw);
    EXPECT_EQ(handle_from_int(v), static_cast<ModuleHandle>(raw));
  }
  EXPECT_LT(handle_to_int(0x80010000u), 0);
}

TEST(DllModules, ListKeepsLoadOrderWithoutDuplicates) {
  DllModules list;
  list.add(0x3000);
  list.add(0x1000);
  list.add(0x3000);
  list.add(0);
  ASSERT_EQ(list.modules().size(), 2u);
  EXPECT_EQ(list.modules()[0], 0x3000u);
  EXPECT_EQ(list.modules()[1], 0x1000u);
  EXPECT_TRUE(list.contains(0x1000));
  EXPECT_FALSE(list.contains(0x2000));
  EXPECT_FALSE(list.contains(0));
  list.remove(0x3000);
  ASSERT_EQ(list.modules().size(), 1u);
  EXPECT_EQ(list.modules()[0], 0x1000u);
}

TEST(DllModules, TargetsAreSharedPerEntryPointAndUnsetWhenTheirModuleGoes) {
  DllModules list;
  list.add(0x1000);
  list.add(0x2000);
  int a = 0, b = 0;
  FuncTarget* ta = list.target(0x1000, &a);
  FuncTarget* tb = list.target(0x2000, &b);
  EXPECT_EQ(list.target(0x1000, &a), ta);
  EXPECT_NE(ta, tb);
  EXPECT_EQ(ta->native, &a);
  EXPECT_EQ(ta->invoke, &invoke_dll_function);
  list.remove(0x1000);
  EXPECT_EQ(ta->invoke, nullptr);
  EXPECT_EQ(ta->native, nullptr);
  EXPECT_EQ(tb->native, &b);
  // Loaded again (the system may give the same handle): a fresh target.
  list.add(0x1000);
  FuncTarget* again = list.target(0x1000, &a);
  EXPECT_NE(again, ta);
  EXPECT_EQ(again->native, &a);
}

}  // namespace
}  // namespace quorin::sys
