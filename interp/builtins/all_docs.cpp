// Every family's reference text, paired with the registry table it
// describes.
#include <vector>

#include "builtins/docs_tables.h"
#include "builtins/tables.h"
#include "support/format.h"

namespace quorin {
namespace {

struct KnownFamily {
  const char16_t* family;
  const char16_t* title;  // used while the family has no text of its own
  BuiltinTable (*table)();
  FamilyDocs (*docs)();
};

// One row per family folder.  A row whose text is not linked in yet has a
// null `docs`; its page lists the signatures only and the coverage test
// names every builtin it is missing.
const KnownFamily kFamilies[] = {
    {u"directives", u"解释器指令", &directives_table, &directives_docs},
    {u"console", u"控制台", &console_table, &console_docs},
    {u"run_control", u"运行控制", &run_control_table, &run_control_docs},
    {u"collections", u"集合", &collections_table, &collections_docs},
    {u"strings", u"字符串与转换", &strings_table, &strings_docs},
    {u"dates", u"日期与时间", &dates_table, &dates_docs},
    {u"json", u"JSON", &json_table, &json_docs},
    {u"http", u"HTTP 客户端", &http_table, &http_docs},
    {u"math", u"数学", &math_table, &math_docs},
    {u"ui", u"对话框与提示", &ui_table, &ui_docs},
    {u"input", u"鼠标与键盘", &input_table, &input_docs},
    {u"window", u"窗口", &window_table, &window_docs},
    {u"system", u"系统服务", &system_table, &system_docs},
    {u"screen", u"屏幕、取色与找图", &screen_table, &screen_docs},
    {u"bmp", u"Bmp 位图与绘图", &bmp_table, &bmp_docs},
    {u"files", u"文件与文件夹", &files_table, &files_docs},
    {u"com", u"COM 组件", &com_table, &com_docs},
    {u"excel", u"Excel 自动化", &excel_table, &excel_docs},
    {u"ado", u"ADO 数据库", &ado_table, &ado_docs},
};

struct Built {
  std::vector<FamilyDocs> docs;  // of the known families, in kFamilies order
  std::vector<FamilyReference> families;
  std::vector<FamilyDocs> in_order;
};

const Built& built() {
  static const Built b = [] {
    Built r;
    r.docs.reserve(std::size(kFamilies));
    for (const KnownFamily& k : kFamilies) r.docs.push_back(k.docs ? k.docs() : FamilyDocs{k.family, k.title, {}});
    for (const BuiltinTable& t : builtin_tables()) {
      std::u16string position = from_utf8(std::to_string(r.families.size() + 1));
      FamilyReference f{u"table_" + position, u"其他内置函数（第 " + position + u" 张表）", t, nullptr};
      for (size_t i = 0; i < std::size(kFamilies); ++i) {
        if (kFamilies[i].table().entries != t.entries) continue;
        f.family = kFamilies[i].family;
        f.title = kFamilies[i].docs ? r.docs[i].title : kFamilies[i].title;
        if (kFamilies[i].docs) {
          f.docs = &r.docs[i];
          r.in_order.push_back(r.docs[i]);
        }
        break;
      }
      r.families.push_back(f);
    }
    return r;
  }();
  return b;
}

}  // namespace

std::vector<FamilyReference> reference_families() { return built().families; }

std::span<const FamilyDocs> builtin_docs() { return built().in_order; }

std::span<const ConstantDoc> all_constant_docs() {
  return constant_docs();
}

}  // namespace quorin
