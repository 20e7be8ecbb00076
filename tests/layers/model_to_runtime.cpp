// Not allowed: the model reaching up into the runtime.
#include "runtime/native.h"
