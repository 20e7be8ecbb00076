// Allowed: a builtin family on the front end and the runtime.
#include "builtins/tables.h"
#include "frontend/registry.h"
#include "runtime/native.h"
