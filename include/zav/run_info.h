// Run inputs and located paths.
//
// Owned by src/run/ (start-up). Everything else reads it.
#pragma once

#include <string>

namespace zav {

inline constexpr size_t kCommandLineStop = 3995;  // no appends beyond this
inline constexpr size_t kEnvDirMax = 1023;

struct RunInfo {
  int argc = 0;
  char** argv = nullptr;
  std::string program_path;   // argv[0]
  std::string command_line;   // argv[1..] joined with single blanks
  std::string program_dir;
  std::string home_dir;       // ZAVHOME, else the program directory
  std::string cfg_home_dir;   // ZAVCFGHOME
  std::string path_env;       // PATH
  std::string config_path;    // zav.cfg
  std::string macro_path;     // zav_macro.cfg
  std::string workdiff_path;  // zav_workdiff.cfg
  std::string udqn_path;      // user-defined notice file, once settings are final
  std::string start_dir;      // working directory at start-up
  bool class_methods_env = false;  // ZAVCLASSMF
};

}  // namespace zav
