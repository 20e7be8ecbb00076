// Reference text of the input, window, system, screen, bmp, files and COM
// families and of the predefined constants (each in its folder's docs.cpp).
#pragma once
#include <span>

#include "builtins/docs.h"

namespace quorin {

FamilyDocs input_docs();
FamilyDocs window_docs();
FamilyDocs system_docs();
FamilyDocs screen_docs();
FamilyDocs bmp_docs();
FamilyDocs files_docs();
FamilyDocs com_docs();

// One entry per predefined constant, in the constant table's order.
std::span<const ConstantDoc> constant_docs();

}  // namespace quorin
