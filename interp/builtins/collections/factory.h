// Filling collections from builtins.  What the executor needs from the
// collections is in access.h, below the runtime.
#pragma once
#include "builtins/collections/access.h"
#include "runtime/runtime.h"

namespace quorin {

inline void collection_append(Runtime&, Object* list, TypeCode elem, Payload v) { collection_append(list, elem, v); }

}  // namespace quorin
