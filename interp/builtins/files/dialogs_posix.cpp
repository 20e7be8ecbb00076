// The standard file and folder dialogs exist only on Windows.
#include "builtins/files/file_builtins.h"
#include "support/format.h"

namespace quorin::file_builtins {

namespace {
[[noreturn]] void no_dialog(Runtime& rt, const char16_t* name) {
  rt.fail(format16(u"%s() 只能在 Windows 上使用", name));
}
}  // namespace

int32_t file_dialog_show_open(Runtime& rt, const Str&, StrRef) { no_dialog(rt, u"file_dialog_show_open"); }
int32_t file_dialog_show_open_in(Runtime& rt, const Str&, StrRef, const Str&) {
  no_dialog(rt, u"file_dialog_show_open");
}
int32_t file_dialog_show_open_filter(Runtime& rt, const Str&, StrRef, const Str&, const Str&) {
  no_dialog(rt, u"file_dialog_show_open");
}
int32_t file_dialog_show_open_multi(Runtime& rt, const Str&, ListArg) {
  no_dialog(rt, u"file_dialog_show_open_multi_select");
}
int32_t file_dialog_show_open_multi_in(Runtime& rt, const Str&, ListArg, const Str&) {
  no_dialog(rt, u"file_dialog_show_open_multi_select");
}
int32_t file_dialog_show_open_multi_filter(Runtime& rt, const Str&, ListArg, const Str&, const Str&) {
  no_dialog(rt, u"file_dialog_show_open_multi_select");
}
int32_t file_dialog_show_save(Runtime& rt, const Str&, StrRef) { no_dialog(rt, u"file_dialog_show_save"); }
int32_t file_dialog_show_save_in(Runtime& rt, const Str&, StrRef, const Str&) {
  no_dialog(rt, u"file_dialog_show_save");
}
int32_t file_dialog_show_save_filter(Runtime& rt, const Str&, StrRef, const Str&, const Str&) {
  no_dialog(rt, u"file_dialog_show_save");
}
int32_t file_dialog_show_save_ext(Runtime& rt, const Str&, StrRef, const Str&, const Str&, const Str&) {
  no_dialog(rt, u"file_dialog_show_save");
}
int32_t folder_dialog_show(Runtime& rt, const Str&, StrRef) { no_dialog(rt, u"folder_dialog_show"); }
int32_t folder_dialog_show_new(Runtime& rt, const Str&, StrRef, int32_t) { no_dialog(rt, u"folder_dialog_show"); }

}  // namespace quorin::file_builtins
