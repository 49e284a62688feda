// Running the report side of zav in process: the run sequence after the
// command line, with the switches of formats and modes that a test sets as
// the command-line parser would, and the report captured in memory.
#pragma once

#include <string>
#include <vector>

namespace zav::test {

// Runs zav on `args` (switches and file names, without the program name)
// in directory `cwd`, in this process: start-up, command-line parsing and
// the run sequence. Returns the report. Time stamps are shown in UTC.
std::string RunReport(const std::vector<std::string>& args, const std::string& cwd);

// Sets a file's modification time (seconds since 1970).
void SetFileTime(const std::string& path, int64_t time);

// Runs a shell command, returning its exit status and standard output.
struct CommandResult {
  int status = -1;
  std::string out;
};
CommandResult RunCommand(const std::string& command);

// Whether `tool` is on the PATH.
bool ToolAvailable(const std::string& tool);

// Writes `text` to report.xml in `dir` and expects xmllint to accept it
// (an XHTML report as well as an XML one).
void ExpectWellFormed(const std::string& dir, const std::string& text);

}  // namespace zav::test
