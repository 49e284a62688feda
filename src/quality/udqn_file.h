// Reading the user-defined quality notice file: "key : value" lines, with
// "UDQN Begin" ... "UDQN End" blocks making one definition each, and
// "include" lines naming further files.
#pragma once

#include <string>
#include <string_view>

#include "zav/global_data.h"

namespace zav {

// Reads the notice file `path` into G.udqn.definitions. `named`: the user
// named the file, so a file that cannot be opened is reported (a missing
// default file is silent). `included`: the file came from an "include"
// line, which changes how it is announced.
void LoadUdqnFile(GlobalData& G, const std::string& path, bool named,
                  bool included = false);

// One line of a notice file being read from `file_name`.
void ParseUdqnLine(GlobalData& G, std::string_view line,
                   const std::string& file_name);

// Loads the configured notice file once per run (G.run.udqn_path; named
// when the configuration key is not empty), and prepares what the line
// analyser reads. Does nothing on later calls.
void LoadConfiguredUdqns(GlobalData& G);

}  // namespace zav
