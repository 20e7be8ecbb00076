// Allowed: the runtime on the model.
#include "frontend/program_model.h"
#include "runtime/routines.h"
#include "runtime/runtime.h"
