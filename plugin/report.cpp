// The compile report the interpreter writes for the editor, the error list's
// cell texts, and where the other programs of an installation live.
#include <cjson/cJSON.h>

#include <memory>

#include "plugin/text.h"

namespace quorin::plugin {

std::optional<Report> parse_report(std::string_view bytes) {
  std::unique_ptr<cJSON, decltype(&cJSON_Delete)> root(cJSON_ParseWithLength(bytes.data(), bytes.size()),
                                                       &cJSON_Delete);
  if (!root) return std::nullopt;
  Report report;
  // cJSON_GetObjectItem looks members up without regard to case.
  const cJSON* status = cJSON_GetObjectItem(root.get(), "status");
  if (cJSON_IsNumber(status)) {
    report.has_status = true;
    report.status = status->valueint;
  } else if (status) {
    report.has_status = true;  // not a number: not a success either
    report.status = 0;
  }
  const cJSON* items = cJSON_GetObjectItem(root.get(), "errorItems");
  if (cJSON_IsArray(items)) {
    report.has_items = true;
    const cJSON* item;
    cJSON_ArrayForEach(item, items) {
      // An element without a member shows it empty rather than dropping the row.
      ReportRow row;
      if (const char* s = cJSON_GetStringValue(cJSON_GetObjectItem(item, "filePath"))) row.path = s;
      if (const cJSON* line = cJSON_GetObjectItem(item, "line"); cJSON_IsNumber(line)) row.line = line->valueint;
      if (const char* s = cJSON_GetStringValue(cJSON_GetObjectItem(item, "desc"))) row.desc = s;
      report.rows.push_back(std::move(row));
    }
  }
  return report;
}

std::string line_cell(long line) { return line > 0 ? std::to_string(line) : std::string(); }

std::u16string copy_row(std::u16string_view path, std::u16string_view line, std::u16string_view desc) {
  if (line.empty()) return std::u16string(desc);
  std::u16string out(path);
  out += u'|';
  out += line;
  out += u'|';
  out += desc;
  return out;
}

std::u16string interpreter_path(std::u16string_view editor_dir) {
  std::size_t cut = editor_dir.rfind(u'\\');
  if (cut == std::u16string_view::npos) return {};
  return std::u16string(editor_dir.substr(0, cut)) + u"\\Quorin\\Quorin.exe";
}

std::u16string assist_tool_path(std::u16string_view editor_dir) {
  if (editor_dir.empty()) return {};
  return std::u16string(editor_dir) + u"\\Quorin 代码辅助工具\\Quorin 代码辅助工具.exe";
}

std::u16string probe_tool_path(std::u16string_view editor_dir) {
  if (editor_dir.empty()) return {};
  return std::u16string(editor_dir) + u"\\Quorin 代码辅助工具\\窗口探针.exe";
}

bool is_q_extension(std::u16string_view ext) { return ext.size() == 2 && ext[0] == u'.' && (ext[1] == u'q' || ext[1] == u'Q'); }

}  // namespace quorin::plugin
