// The run sequence: start-up, file loop, end of run.
#pragma once

namespace zav {

// Runs the program and returns the process exit code.
int Run(int argc, char** argv);

}  // namespace zav
