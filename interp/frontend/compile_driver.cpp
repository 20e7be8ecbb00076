#include "frontend/compile_driver.h"

#include <cjson/cJSON.h>

#include "frontend/compiler.h"
#include "frontend/source_input.h"
#include "support/format.h"

namespace quorin {

CheckMode check_mode_of(std::u16string_view word) {
  std::u16string w(word);
  for (char16_t& c : w)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  if (w == u"-c") return CheckMode::C;
  if (w == u"-cr") return CheckMode::Cr;
  if (w == u"-ic") return CheckMode::Ic;
  if (w == u"-icr") return CheckMode::Icr;
  return CheckMode::Run;
}

std::u16string file_name_part(std::u16string_view path) {
  size_t cut = path.find_last_of(u"\\/");
  return std::u16string(cut == std::u16string_view::npos ? path : path.substr(cut + 1));
}

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
      cJSON_AddStringToObject(item, "filePath", to_utf8(e.file ? *e.file : std::u16string()).c_str());
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
      out += format16(u"%s %d行: %.320s\n", e.file ? *e.file : std::u16string(), e.line, e.text);
    else
      out += format16(u"%d行: %.320s\n", e.line, e.text);
  }
  int n = static_cast<int>(errors.count());
  out += errors.count() > 20 ? format16(u"...\n%d 个错误", n) : format16(u"\n%d 个错误", n);
  return out;
}

namespace {

// A failure before compiling: one line of JSON, the bare message, or a box.
void report_load_failure(const std::u16string& path, const std::u16string& message, CheckMode mode,
                         CompileReporter& reporter) {
  auto doubled = [](std::u16string_view s) {
    std::u16string r;
    for (char16_t c : s) {
      r.push_back(c);
      if (c == u'\\') r.push_back(c);
    }
    return r;
  };
  if (mode == CheckMode::Ic || mode == CheckMode::Icr) {
    std::u16string line = format16(
        u"{\"status\": 0,\"errorCount\": 1,\"errorItems\":[{\"filePath\":\"%.1024s\", \"line\": 0,\"desc\":\"%.1024s\"}]}",
        doubled(path), doubled(message));
    reporter.write_stdout(to_utf8(line));
  } else if (mode == CheckMode::C || mode == CheckMode::Cr) {
    reporter.write_stdout(to_utf8(message));
  } else {
    reporter.error_box(format16(u"Quorin - %.128s", file_name_part(path)), message);
  }
}

}  // namespace

CompileResult compile_script(const std::u16string& path, const std::optional<std::u16string>& charset, CheckMode mode,
                             CompileReporter& reporter) {
  CompileResult result;
  SourceInput input = read_source_input(path, charset, result.errors);
  if (!input.ok) {
    if (!input.message.empty()) {
      report_load_failure(input.full_path.empty() ? path : input.full_path, input.message, mode, reporter);
      return result;
    }
  }
  auto program = std::make_unique<Program>();
  program->main_path = input.full_path;
  program->charset = input.charset;
  program->includes_used = input.includes_used;
  const std::u16string* main_file = program->intern_path(input.full_path);
  if (input.ok) {
    Compiler compiler(*program, result.errors, main_file);
    compiler.compile(input.text);
  }
  if (result.errors.count() > 0) {
    if (mode == CheckMode::Ic || mode == CheckMode::Icr) {
      reporter.write_stdout(json_error_report(result.errors));
    } else {
      std::u16string text = text_error_report(result.errors, program->includes_used);
      if (mode == CheckMode::C || mode == CheckMode::Cr)
        reporter.write_stdout(to_utf8(text));
      else
        reporter.error_box(format16(u"Quorin - %.64s", file_name_part(input.full_path)), text);
    }
    return result;
  }
  if (!program->root || !program->root->next) {
    report_load_failure(input.full_path, u"没有找到任何需要执行的代码", mode, reporter);
    return result;
  }
  switch (mode) {
    case CheckMode::Ic:
      reporter.write_stdout(json_error_report(result.errors));
      break;
    case CheckMode::Icr:
      reporter.write_stdout(json_error_report(result.errors) + "\n");
      break;
    case CheckMode::C:
      reporter.write_stdout(to_utf8(format16(u"脚本文件: '%s' 语法正确", file_name_part(input.full_path))));
      break;
    default:
      break;
  }
  result.program = std::move(program);
  return result;
}

}  // namespace quorin
