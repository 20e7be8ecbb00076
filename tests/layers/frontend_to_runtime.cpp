// Not allowed: the front end reaching across into the runtime.
#include "runtime/runtime.h"
