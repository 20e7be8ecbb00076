// How a script talks to its user: alerts and questions, the input dialogs,
// the warning beep and starting other programs.  Printing is the console
// family's.
#include "builtins/tables.h"
#include "builtins/ui/dialogs.h"
#include "builtins/ui/input_rules.h"
#include "runtime/native.h"
#include "runtime/storage.h"

namespace quorin {
namespace {

using StrRef = ByRef<29>;  // string&

std::u16string_view current_text(const StrRef& ref) {
  const StrRep* r = *static_cast<StrRep* const*>(ref.addr);
  return r ? str_view(r) : std::u16string_view();
}

void set_text(const StrRef& ref, std::u16string_view text) {
  Payload p;
  p.bits = 0;
  p.str = str_new(text);
  store<tc::String>(ref.addr, p);
}

void alert1(Runtime& rt, const Str& text) { show_alert(rt, text.view(), 0); }
void alert2(Runtime& rt, const Str& text, int32_t seconds) { show_alert(rt, text.view(), seconds); }

int32_t confirm1(Runtime& rt, const Str& text) { return show_confirm(rt, text.view(), kBoxOkCancel); }
int32_t confirm2(Runtime& rt, const Str& text, int32_t type) { return show_confirm(rt, text.view(), type); }

int32_t ask(Runtime& rt, std::u16string_view title, const Str& prompt, StrRef value, int32_t type, int32_t password) {
  InputRequest req;
  req.title.assign(title);
  req.prompt = prompt.str();
  req.value.assign(cut_to_buffer(current_text(value)));
  req.type = normalize_input_type(type);
  req.password = password != 0;
  const int r = show_input(rt, req);
  if (r == kResultOk) set_text(value, req.value);
  return r;
}

int32_t prompt2(Runtime& rt, const Str& p, StrRef v) { return ask(rt, u"Quorin", p, v, 0, 0); }
int32_t prompt3(Runtime& rt, const Str& p, StrRef v, int32_t type) { return ask(rt, u"Quorin", p, v, type, 0); }
int32_t prompt4(Runtime& rt, const Str& p, StrRef v, int32_t type, int32_t pw) {
  return ask(rt, u"Quorin", p, v, type, pw);
}
int32_t input_box3(Runtime& rt, const Str& t, const Str& p, StrRef v) { return ask(rt, t.view(), p, v, 0, 0); }
int32_t input_box4(Runtime& rt, const Str& t, const Str& p, StrRef v, int32_t type) {
  return ask(rt, t.view(), p, v, type, 0);
}
int32_t input_box5(Runtime& rt, const Str& t, const Str& p, StrRef v, int32_t type, int32_t pw) {
  return ask(rt, t.view(), p, v, type, pw);
}

int32_t ask_lines(Runtime& rt, const Str& title, const Str& prompt, StrRef value, int32_t max_length, int32_t width,
                  int32_t height) {
  MultilineRequest req;
  req.title = title.str();
  req.prompt = prompt.str();
  req.value.assign(current_text(value));
  req.max_length = max_length;
  req.width = width;
  req.height = height;
  const int r = show_multiline(rt, req);
  if (r == kResultOk) set_text(value, req.value);
  return r;
}

int32_t multiline3(Runtime& rt, const Str& t, const Str& p, StrRef v) { return ask_lines(rt, t, p, v, 0, 0, 0); }
int32_t multiline4(Runtime& rt, const Str& t, const Str& p, StrRef v, int32_t max) {
  return ask_lines(rt, t, p, v, max, 0, 0);
}
int32_t multiline6(Runtime& rt, const Str& t, const Str& p, StrRef v, int32_t max, int32_t w, int32_t h) {
  return ask_lines(rt, t, p, v, max, w, h);
}

void play_alert_sound(Runtime& rt, int32_t count) { rt.alert_sound.play(count, beep_once, beep_failed); }
void stop_alert_sound(Runtime& rt) { rt.alert_sound.stop(); }

constexpr int kShowNormal = 5;  // qrSW_SHOW

int32_t run_path(Runtime& rt, const Str& path, std::u16string_view args, std::u16string_view folder, int32_t show) {
  if (path.empty()) return 2;
  return start_program(rt, path.view(), args, folder, show);
}
int32_t run1(Runtime& rt, const Str& p) { return run_path(rt, p, {}, {}, kShowNormal); }
int32_t run2(Runtime& rt, const Str& p, const Str& a) { return run_path(rt, p, a.view(), {}, kShowNormal); }
int32_t run3(Runtime& rt, const Str& p, const Str& a, const Str& f) {
  return run_path(rt, p, a.view(), f.view(), kShowNormal);
}
int32_t run4(Runtime& rt, const Str& p, const Str& a, const Str& f, int32_t show) {
  return run_path(rt, p, a.view(), f.view(), show);
}

constexpr BuiltinEntry kEntries[] = {
    builtin<&alert1>(u"alert"),
    builtin<&alert2>(u"alert"),
    builtin<&confirm1>(u"confirm"),
    builtin<&confirm2>(u"confirm"),
    builtin<&prompt2>(u"prompt"),
    builtin<&prompt3>(u"prompt"),
    builtin<&prompt4>(u"prompt"),
    builtin<&input_box3>(u"input_box"),
    builtin<&input_box4>(u"input_box"),
    builtin<&input_box5>(u"input_box"),
    builtin<&multiline3>(u"input_multiline_box"),
    builtin<&multiline4>(u"input_multiline_box"),
    builtin<&multiline6>(u"input_multiline_box"),
    builtin<&play_alert_sound>(u"play_alert_sound"),
    builtin<&stop_alert_sound>(u"stop_alert_sound"),
    builtin<&run1>(u"run"),
    builtin<&run2>(u"run"),
    builtin<&run3>(u"run"),
    builtin<&run4>(u"run"),
};

}  // namespace

BuiltinTable ui_table() { return {kEntries, std::size(kEntries)}; }

}  // namespace quorin
