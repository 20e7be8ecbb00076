#include "builtins/ui/console_dialogs.h"

#include "builtins/ui/input_rules.h"
#include "support/format.h"

namespace quorin {

void ConsoleDialogs::write(std::u16string_view text) {
  std::string bytes = to_utf8(text);
  std::fwrite(bytes.data(), 1, bytes.size(), out_);
  std::fflush(out_);
}

std::optional<std::u16string> ConsoleDialogs::read_line() {
  std::string bytes;
  int c;
  while ((c = std::fgetc(in_)) != EOF && c != '\n') bytes.push_back(static_cast<char>(c));
  if (c == EOF && bytes.empty()) return std::nullopt;
  if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
  return from_utf8(bytes);
}

int ConsoleDialogs::confirm(std::u16string_view text, int box_type) {
  struct Choice {
    std::u16string_view key;
    int result;
  };
  const int type = confirm_box_type(box_type);
  std::u16string_view question;
  Choice choices[3];
  int n = 0;
  if (type == kBoxOkCancel) {
    question = u"[确定 y / 取消 n] ";
    choices[n++] = {u"y", kResultOk};
    choices[n++] = {u"n", kResultCancel};
  } else {
    question = type == kBoxYesNo ? u"[是 y / 否 n] " : u"[是 y / 否 n / 取消 c] ";
    choices[n++] = {u"y", kResultYes};
    choices[n++] = {u"n", kResultNo};
    if (type == kBoxYesNoCancel) choices[n++] = {u"c", kResultCancel};
  }
  write(text);
  write(u"\n");
  for (;;) {
    write(question);
    std::optional<std::u16string> line = read_line();
    // A yes/no box cannot be cancelled: the end of the input answers no.
    if (!line) return type == kBoxYesNo ? kResultNo : kResultCancel;
    std::u16string_view a = *line;
    while (!a.empty() && a.front() == u' ') a.remove_prefix(1);
    while (!a.empty() && a.back() == u' ') a.remove_suffix(1);
    for (int i = 0; i < n; ++i)
      if (a.size() == 1 && (a[0] | 0x20) == choices[i].key[0]) return choices[i].result;
  }
}

int ConsoleDialogs::input(InputRequest& req) {
  const std::u16string current(cut_to_buffer(req.value));
  write(format16(u"[%s] %s\n", req.title, req.prompt));
  for (;;) {
    // An empty line keeps the value shown, as OK on the untouched edit.
    write(current.empty() || req.password ? std::u16string(u"> ") : format16(u"(%s) > ", current));
    if (req.password) set_echo(false);
    std::optional<std::u16string> line = read_line();
    if (req.password) {
      set_echo(true);
      write(u"\n");
    }
    if (!line) return kResultCancel;
    std::u16string_view typed = *line;
    if (typed.empty()) typed = current;
    typed = cut_to_buffer(typed);
    if (typed.size() > input_edit_limit(req.type)) typed = typed.substr(0, input_edit_limit(req.type));
    InputCheck c = check_input(req.type, typed);
    if (c.ok) {
      req.value = std::move(c.value);
      return kResultOk;
    }
    write(format16(u"提示: %s\n", c.warning));
  }
}

int ConsoleDialogs::multiline(MultilineRequest& req) {
  write(format16(u"[%s] %s\n", req.title, req.prompt));
  write(u"(输入多行文本，单独一行 \".\" 结束；空输入时保留原值)\n");
  std::u16string text;
  bool any = false;
  for (;;) {
    std::optional<std::u16string> line = read_line();
    if (!line) return kResultCancel;
    if (*line == u".") break;
    if (any) text += u"\r\n";
    text += *line;
    any = true;
  }
  if (!any) text = req.value;
  if (req.max_length > 0 && text.size() > static_cast<size_t>(req.max_length)) text.resize(req.max_length);
  req.value = std::move(text);
  return kResultOk;
}

}  // namespace quorin
