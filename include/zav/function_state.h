// Function detection state of the file being analysed.
//
// Owned by src/analysis/ function detection. Quality checks and reports read
// it.
#pragma once

#include <cstdint>

namespace zav {

struct FunctionState {
  bool header_pending = false;  // a header was found, its body not closed
  bool in_header = false;       // the parameter list is being collected
  int brace_depth = 0;          // 1 at the function's opening brace
};

}  // namespace zav
