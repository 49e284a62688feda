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

// Applies the switches of argv from left to right to G (later switches
// override earlier ones). Switches that only print (help, the
// configuration template) and every error end the run: the result then
// says so, after the HTML document was closed when HTML output is on.
// Without any argument the abbreviated syntax is written and the run ends
// with exit code 0.
ParseResult ParseCommandLine(int argc, char** argv, GlobalData& G);

}  // namespace zav
