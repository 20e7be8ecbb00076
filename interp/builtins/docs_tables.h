// The reference text of every builtin family and of the constants, paired
// with the registry tables they describe (all_docs.cpp).
#pragma once
#include <span>
#include <string>
#include <vector>

#include "builtins/docs.h"
#include "frontend/registry.h"

namespace quorin {

FamilyDocs directives_docs();
FamilyDocs console_docs();
FamilyDocs run_control_docs();
FamilyDocs collections_docs();
FamilyDocs strings_docs();
FamilyDocs dates_docs();
FamilyDocs json_docs();
FamilyDocs http_docs();
FamilyDocs math_docs();
FamilyDocs ui_docs();
FamilyDocs input_docs();
FamilyDocs window_docs();
FamilyDocs system_docs();
FamilyDocs screen_docs();
FamilyDocs bmp_docs();
FamilyDocs files_docs();
FamilyDocs com_docs();
FamilyDocs excel_docs();
FamilyDocs ado_docs();
std::span<const ConstantDoc> constant_docs();

// One registered family: its folder name, page title, the registry table and
// its reference text (null for a table no family row claims).
struct FamilyReference {
  std::u16string family;
  std::u16string title;
  BuiltinTable table;
  const FamilyDocs* docs;
};

// Every table of the registry, in registry order, with its family.  A table
// no row of all_docs.cpp claims is named "table_N" by its registry position.
std::vector<FamilyReference> reference_families();
// The reference text of every family that has one, in registry order.
std::span<const FamilyDocs> builtin_docs();

}  // namespace quorin
