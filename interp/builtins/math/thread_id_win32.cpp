#include <windows.h>

#include "builtins/math/random.h"

namespace quorin::math {

uint32_t current_thread_id() { return GetCurrentThreadId(); }

}  // namespace quorin::math
