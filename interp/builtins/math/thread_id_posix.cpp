#include <sys/syscall.h>
#include <unistd.h>

#include "builtins/math/random.h"

namespace quorin::math {

uint32_t current_thread_id() { return static_cast<uint32_t>(syscall(SYS_gettid)); }

}  // namespace quorin::math
