// Every COM builtin is registered with its exact overloads, on both targets,
// and a script using all of them compiles.
#include <gtest/gtest.h>

#include "builtins/tables.h"
#include "interp/frontend/compile_fixture.h"

namespace quorin {
namespace {

const char* kEveryCall = R"(int obj = 0
int dll = 0
int sa = 0
int h = com_initialize()
h = com_initialize(2)
obj = com_object_new("Scripting.Dictionary")
obj = com_object_new("Scripting.Dictionary", "00020400-0000-0000-c000-000000000046")
obj = com_object_new_from_dll(dll, "6c1f0e52-3a0b-4c47-9d0e-51b2a3c4d5e6")
obj = com_object_new_from_dll(dll, "6c1f0e52-3a0b-4c47-9d0e-51b2a3c4d5e6", "00020400-0000-0000-c000-000000000046")
int child = com_object_get_object(obj, "a.b")
int (*f)(string, int*, string*, int*!) = com_object_get_function(obj, "Add")
com_object_set_byte(obj, "p", 1)
com_object_set_char(obj, "p", 'a')
com_object_set_short(obj, "p", 2)
com_object_set_boolean(obj, "p", 1)
com_object_set_int(obj, "p", 3)
com_object_set_long(obj, "p", 4)
com_object_set_float(obj, "p", 1.5)
com_object_set_double(obj, "p", 2.5)
com_object_set_string(obj, "p", "中文")
com_object_set_date(obj, "p", 45000.5)
com_object_set_object(obj, "p", child)
com_object_set_safe_array_byte(obj, "p", sa)
com_object_set_safe_array_char(obj, "p", sa)
com_object_set_safe_array_short(obj, "p", sa)
com_object_set_safe_array_int(obj, "p", sa)
com_object_set_safe_array_long(obj, "p", sa)
com_object_set_safe_array_float(obj, "p", sa)
com_object_set_safe_array_double(obj, "p", sa)
com_object_set_safe_array_string(obj, "p", sa)
byte b = com_object_get_byte(obj, "p")
char c = com_object_get_char(obj, "p")
short s = com_object_get_short(obj, "p")
int i = com_object_get_boolean(obj, "p")
i = com_object_get_int(obj, "p")
long l = com_object_get_long(obj, "p")
float fl = com_object_get_float(obj, "p")
double d = com_object_get_double(obj, "p")
string t = com_object_get_string(obj, "p")
d = com_object_get_date(obj, "p")
i = com_object_get_type(obj, "p")
t = com_object_get_type_name(obj, "p")
i = com_object_get_array_length(obj, "p")
byte ab[4]
char ac[4]
short as[4]
int ai[4]
long al[4]
float af[4]
double ad[4]
string at[4]
i = com_object_get_array_byte(obj, "p", ab, 4)
i = com_object_get_array_char(obj, "p", ac, 4)
i = com_object_get_array_short(obj, "p", as, 4)
i = com_object_get_array_int(obj, "p", ai, 4)
i = com_object_get_array_long(obj, "p", al, 4)
i = com_object_get_array_float(obj, "p", af, 4)
i = com_object_get_array_double(obj, "p", ad, 4)
i = com_object_get_array_string(obj, "p", at, 4)
sa = com_safe_array_new_byte(ab, 4)
sa = com_safe_array_new_char(ac, 4)
sa = com_safe_array_new_short(as, 4)
sa = com_safe_array_new_int(ai, 4)
sa = com_safe_array_new_long(al, 4)
sa = com_safe_array_new_float(af, 4)
sa = com_safe_array_new_double(ad, 4)
sa = com_safe_array_new_string(at, 4)
h = com_safe_array_destroy(sa)
com_object_free(obj)
com_uninitialize()
)";

TEST(ComRegistry, FiftyNineSignatures) {
  BuiltinTable t = com_table();
  EXPECT_EQ(t.count, 59u);
  int initialize = 0, object_new = 0, from_dll = 0;
  for (size_t i = 0; i < t.count; ++i) {
    std::u16string_view n = t.entries[i].name;
    initialize += n == u"com_initialize";
    object_new += n == u"com_object_new";
    from_dll += n == u"com_object_new_from_dll";
  }
  EXPECT_EQ(initialize, 2);
  EXPECT_EQ(object_new, 2);
  EXPECT_EQ(from_dll, 2);
}

TEST(ComRegistry, AScriptUsingEveryBuiltinCompiles) {
  auto c = testing::compile_text(kEveryCall);
  EXPECT_EQ(c.errors(), "");
}

TEST(ComRegistry, HandlesAreTakenByReference) {
  // A handle argument must be a variable: the builtins set it to 0 when freed.
  auto c = testing::compile_text("com_object_free(5)\n");
  EXPECT_NE(c.errors(), "");
}

}  // namespace
}  // namespace quorin
