// Start-up: defaults, environment, located configuration files, settings,
// languages and predefined macros.
#pragma once

#include <string>

#include "zav/global_data.h"

namespace zav {

// Start-up steps before the command line is parsed.
void StartUp(GlobalData& G, int argc, char** argv);

// Decides, once the switches are read, how much of the files' quality
// notices the run's reports can show (G.notices.need).
void DecideNoticeNeed(GlobalData& G);

// The path of a configuration file `name`, located as start-up locates
// zav.cfg: in the ZAVCFGHOME directory when set, else in the home
// directory, else in the current directory.
std::string LocateConfigFile(const GlobalData& G, const std::string& name);

// The pause of the debug dump and of -hp: a prompt and a wait for Enter when
// the report goes to standard output, else half a second.
void DebugPause(GlobalData& G);

}  // namespace zav
