// The command line: switches and run modes.
#pragma once

#include "zav/global_data.h"

namespace zav {

// Result of parsing: either go on with the file arguments starting at
// `first_file_argument`, or end the run with `exit_code`.
struct ParseResult {
  bool exit = false;
  int exit_code = 0;
  int first_file_argument = 1;
};

ParseResult ParseCommandLine(int argc, char** argv, GlobalData& G);

}  // namespace zav
