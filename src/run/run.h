// The run sequence: start-up, file loop, end of run.
#pragma once

#include "zav/global_data.h"

namespace zav {

// Clears the per-file state before the first line of a file, one reset per
// record: the file's counters, the lexer, the reader, the scope model,
// function detection and the quality checks.
void ResetFileState(GlobalData& G);

// Runs the program and returns the process exit code.
int Run(int argc, char** argv);

// The run once the command line has been parsed: report head, file set,
// file loop, project reports and report end. Returns the exit code.
int RunSequence(GlobalData& G, int first_file_argument);

}  // namespace zav
