// Creating an ArrayList of string from C++ (split and other builtins that
// return a list of texts).  Defined by the collections family.
#pragma once
#include <vector>

#include "runtime/native.h"

namespace quorin {

// A new ArrayList (element type string) holding the texts in order; one
// reference for the caller.
ObjResult<tc::ArrayList> make_string_list(Runtime& rt, std::vector<Str> items);

}  // namespace quorin
