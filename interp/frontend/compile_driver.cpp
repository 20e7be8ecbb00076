#include "frontend/compile_driver.h"

#include <cjson/cJSON.h>

#include "frontend/compiler.h"
#include "frontend/include_expander.h"
#include "frontend/source_files.h"
#include "frontend/source_loader.h"
#include "support/format.h"

namespace quorin {

std::string json_error_report(const CompileErrors& errors) {
  cJSON* root = cJSON_CreateObject();
  if (errors.count() == 0) {
    cJSON_AddNumberToObject(root, "status", 1);
  } else {
    cJSON_AddNumberToObject(root, "status", 0);
    cJSON_AddNumberToObject(root, "errorCount", static_cast<double>(errors.count()));
    cJSON* items = cJSON_AddArrayToObject(root, "errorItems");
    for (const CompileError& e : errors.list()) {
      cJSON* item = cJSON_CreateObject();
      cJSON_AddStringToObject(item, "filePath", to_utf8(e.file).c_str());
      cJSON_AddNumberToObject(item, "line", e.line);
      cJSON_AddStringToObject(item, "desc", to_utf8(e.text).c_str());
      cJSON_AddItemToArray(items, item);
    }
  }
  char* text = cJSON_Print(root);
  std::string out = text ? text : "";
  cJSON_free(text);
  cJSON_Delete(root);
  return out;
}

std::u16string text_error_report(const CompileErrors& errors, bool includes_used) {
  std::u16string out;
  size_t shown = 0;
  for (const CompileError& e : errors.list()) {
    if (shown++ == 20) break;
    if (includes_used)
      out += format16(u"%s %d行: %.320s\n", e.file, e.line, e.text);
    else
      out += format16(u"%d行: %.320s\n", e.line, e.text);
  }
  int n = static_cast<int>(errors.count());
  out += errors.count() > 20 ? format16(u"...\n%d 个错误", n) : format16(u"\n%d 个错误", n);
  return out;
}

CompileResult compile_script(const std::u16string& path, const std::optional<std::u16string>& charset, CheckMode mode,
                             ReportOutput& out) {
  CompileResult result;
  if (!path_exists(path)) {
    report_load_error(path, u"文件不存在", mode, out);
    return result;
  }
  const std::u16string full = full_path(path);
  std::optional<std::u16string_view> forced;
  if (charset) forced = *charset;
  LoadResult loaded = load_source(full, forced, mode, false, out);
  if (!loaded.ok) return result;  // already reported

  auto program = std::make_unique<Program>();
  program->main_path = full;
  program->charset = loaded.charset;
  IncludeSet included;
  included.add(full);
  std::optional<std::u16string> text = expand_includes(full, script_text(loaded.text), included, result.errors);
  program->includes_used = result.errors.includes_used;
  if (text) {
    Compiler compiler(*program, result.errors, program->intern_path(full));
    compiler.compile(*text);
  }
  if (result.errors.count() > 0) {
    if (reports_json(mode)) {
      out.console(from_utf8(json_error_report(result.errors)));
    } else {
      std::u16string report = text_error_report(result.errors, program->includes_used);
      if (reports_console(mode))
        out.console(report);
      else
        out.message_box(format16(u"Quorin - %.64s", name_part(full)), report);
    }
    return result;
  }
  if (!program->root || !program->root->next) {
    report_load_error(full, u"没有找到任何需要执行的代码", mode, out);
    return result;
  }
  switch (mode) {
    case CheckMode::IdeCheck:
      out.console(from_utf8(json_error_report(result.errors)));
      break;
    case CheckMode::IdeCheckRun:
      out.console(from_utf8(json_error_report(result.errors) + "\n"));
      break;
    case CheckMode::Check:
      out.console(format16(u"脚本文件: '%s' 语法正确", name_part(full)));
      break;
    default:
      break;
  }
  result.program = std::move(program);
  return result;
}

}  // namespace quorin
