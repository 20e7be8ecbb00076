// Native reports: boxes become lines on standard error.
#include "frontend/diagnostics.h"

namespace quorin {

ReportOutput& system_report_output() { return stdio_report_output(); }

}  // namespace quorin
