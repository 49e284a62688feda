// The run sequence: start-up, file loop, end of run.
#pragma once

#include "zav/global_data.h"

namespace zav {

// Runs the program and returns the process exit code.
int Run(int argc, char** argv);

// The run once the command line has been parsed: report head, file set,
// file loop, project reports and report end. Returns the exit code.
int RunSequence(GlobalData& G, int first_file_argument);

}  // namespace zav
