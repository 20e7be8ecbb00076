// Splicing `include` files into the script text.  Each include line becomes
//
//   quorin_enter_include_file("<full path, backslashes doubled>")\r\n
//   <the included file's text, its own includes expanded>
//   \r\nquorin_leave_include_file()
//
// followed by the include line's own line end, so the compiler's file and
// line stacks keep every line number right.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/diagnostics.h"

namespace quorin {

// Full paths of every file entered so far in one load, the main file first;
// compared without regard to case.
class IncludeSet {
 public:
  bool contains(std::u16string_view full) const;
  void add(std::u16string full) { paths_.push_back(std::move(full)); }
  const std::vector<std::u16string>& paths() const { return paths_; }

 private:
  std::vector<std::u16string> paths_;
};

// Expands the includes of `text`, the contents of `path`.  Relative include
// names resolve against the folder of the file that names them (the process's
// current directory is neither used nor changed).  The first include error is
// added to `errors` with the scanned file's full path and line, sets the stop
// flag and yields nullopt.  Any include statement sets errors.includes_used.
std::optional<std::u16string> expand_includes(const std::u16string& path, std::u16string_view text,
                                              IncludeSet& included, ErrorSink& errors);

// The directive line that opens an included file.
std::u16string include_enter_line(std::u16string_view full_path);

}  // namespace quorin
