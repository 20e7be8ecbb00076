// Not allowed: the runtime reaching up into the builtin families.
#include "builtins/tables.h"
