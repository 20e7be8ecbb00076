// Every family's reference text, paired with the registry table it
// describes.
#include <vector>

#include "builtins/docs_tables.h"
#include "builtins/tables.h"
#include "support/format.h"

namespace quorin {
namespace {

struct KnownFamily {
  const char16_t* family;  // the folder, which the text must name too
  BuiltinTable (*table)();
  FamilyDocs (*docs)();
};

// One row per family folder.  A registry table no row claims still gets a
// page of its signatures, and the coverage test names every builtin of it.
const KnownFamily kFamilies[] = {
    {u"directives", &directives_table, &directives_docs},
    {u"console", &console_table, &console_docs},
    {u"run_control", &run_control_table, &run_control_docs},
    {u"collections", &collections_table, &collections_docs},
    {u"strings", &strings_table, &strings_docs},
    {u"dates", &dates_table, &dates_docs},
    {u"json", &json_table, &json_docs},
    {u"http", &http_table, &http_docs},
    {u"math", &math_table, &math_docs},
    {u"ui", &ui_table, &ui_docs},
    {u"input", &input_table, &input_docs},
    {u"window", &window_table, &window_docs},
    {u"system", &system_table, &system_docs},
    {u"screen", &screen_table, &screen_docs},
    {u"bmp", &bmp_table, &bmp_docs},
    {u"files", &files_table, &files_docs},
    {u"com", &com_table, &com_docs},
    {u"excel", &excel_table, &excel_docs},
    {u"ado", &ado_table, &ado_docs},
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
    for (const KnownFamily& k : kFamilies) r.docs.push_back(k.docs());
    for (const BuiltinTable& t : builtin_tables()) {
      std::u16string position = from_utf8(std::to_string(r.families.size() + 1));
      FamilyReference f{u"table_" + position, u"其他内置函数（第 " + position + u" 张表）", t, nullptr};
      for (size_t i = 0; i < std::size(kFamilies); ++i) {
        if (kFamilies[i].table().entries != t.entries) continue;
        f.family = kFamilies[i].family;
        f.title = r.docs[i].title;
        f.docs = &r.docs[i];
        r.in_order.push_back(r.docs[i]);
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

}  // namespace quorin
