// The plug-in's text work, independent of the editor: typing indentation over
// an editing view, re-formatting a whole script, re-spacing one line, and
// reading the interpreter's JSON compile report.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorin::plugin {

// The editing-view operations the typing indentation needs.  Positions and
// lines are zero-based; texts are the view's bytes.
class EditView {
 public:
  virtual ~EditView() = default;
  virtual long current_pos() = 0;
  virtual long line_from_pos(long pos) = 0;
  virtual std::string line(long n) = 0;  // with its line end
  virtual long line_count() = 0;
  virtual void add_text(std::string_view text) = 0;  // at the caret, caret after it
  virtual int indentation(long line) = 0;            // in columns
  virtual void set_indentation(long line, int columns) = 0;
  virtual void goto_pos(long pos) = 0;
};

// Called after a line feed was typed: indents the new line, re-indents a
// middle or closing keyword line, and closes an opened block.
void indent_after_newline(EditView& view);

// True when `line` starts (after spaces and tabs) with `keyword` followed by
// the end, a tab, a line feed, a carriage return, a space or "(".
bool starts_with_keyword(std::string_view line, std::string_view keyword);

// Re-spaces one trimmed line; nothing when the line is to stay unchanged.
std::optional<std::u16string> respace_line(std::u16string_view line);

// Re-formats and re-indents a whole script.
std::u16string reformat(std::u16string_view text);

// The interpreter's compile report.
struct ReportRow {
  std::string path;  // UTF-8
  long line = 0;
  std::string desc;  // UTF-8
};
struct Report {
  bool has_status = false;
  int status = 0;
  bool has_items = false;
  std::vector<ReportRow> rows;
};
// Parses the accumulated output; nothing while it is not (yet) a JSON text.
std::optional<Report> parse_report(std::string_view bytes);

// The text of the line cell: the number, or empty when it is 0 or less.
std::string line_cell(long line);
// One row as copied to the clipboard.
std::u16string copy_row(std::u16string_view path, std::u16string_view line, std::u16string_view desc);

// Where the interpreter lives, from the editor's program directory: beside
// the editor's folder.  Empty when the directory has no backslash.
std::u16string interpreter_path(std::u16string_view editor_dir);
std::u16string assist_tool_path(std::u16string_view editor_dir);
std::u16string probe_tool_path(std::u16string_view editor_dir);

// Extension comparison without regard to case (".q").
bool is_q_extension(std::u16string_view ext);

}  // namespace quorin::plugin
