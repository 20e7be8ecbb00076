// The printed form of script values (print, println, console_print…).
#pragma once
#include <string>

#include "frontend/program_model.h"
#include "runtime/runtime.h"

namespace quorin {

enum class ConsoleSink { Panel, Stdout };

// Evaluates `op` and writes its printed form to the sink; only the last
// piece carries the line-end request.
void write_formatted(Runtime& rt, const Operand& op, ConsoleSink sink, bool line_end);

// "%f"/"%lf" with trailing zeros and a trailing point removed.
std::u16string trimmed_float_text(double v);
// `print_double`: "%.7lf", decimals cut as `dtos` cuts them.
std::u16string double_text_7(double v, int32_t digits);

}  // namespace quorin
