// Running the report side of zav in process: the run sequence after the
// command line, with the switches of formats and modes that a test sets as
// the command-line parser would, and the report captured in memory.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "zav/global_data.h"

namespace zav::test {

// Runs zav on `args` (switches and file names, without the program name)
// in directory `cwd`: start-up, command-line parsing, then `configure`
// (the switch effects the test relies on), then the run sequence. Returns
// the report. Time stamps are shown in UTC.
std::string RunReport(const std::vector<std::string>& args,
                      const std::string& cwd,
                      const std::function<void(GlobalData&)>& configure = nullptr);

// Switch effects, as the command line sets them.
void UseXml(GlobalData& G);         // -X
void UseCsv(GlobalData& G);         // -C
void UseHtml(GlobalData& G);        // -H
void UseFunctional(GlobalData& G);  // -fa

// Sets a file's modification time (seconds since 1970).
void SetFileTime(const std::string& path, int64_t time);

// Runs a shell command, returning its exit status and standard output.
struct CommandResult {
  int status = -1;
  std::string out;
};
CommandResult RunCommand(const std::string& command);

// Fails the calling test when `tool` is not on the PATH.
bool ToolAvailable(const std::string& tool);

}  // namespace zav::test
