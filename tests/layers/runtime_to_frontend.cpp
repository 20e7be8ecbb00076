// Not allowed: the runtime reaching across into the front end.
#include "frontend/compiler.h"
