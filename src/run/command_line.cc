#include "run/command_line.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace zav {
namespace {

// --- Minimal input-mode switches (-r, -F, -R, -O) for the file-set tests;
// the full command-line parser replaces this block. ---
const char* SwitchValue(int argc, char** argv, int& i) {
  if (argv[i][2] != '\0') return argv[i] + 2;
  return i + 1 < argc ? argv[++i] : "";
}

void ReadInputSwitch(GlobalData& G, char letter, const std::string& value) {
  Switches& sw = G.sw;
  switch (letter) {
    case 'r': {
      sw.recursive = true;
      sw.list_file_mode = false;
      const size_t blank = value.find(' ');
      G.settings.allowable_extensions = value.substr(0, blank);
      std::string top = blank == std::string::npos ? "" : value.substr(blank + 1);
      if (top == "." || top == "./" || top == "*" || top == "*.*") {
        char cwd[4096];
        if (getcwd(cwd, sizeof cwd) != nullptr) top = cwd;
      }
      sw.recursion_top_dir = top;
      break;
    }
    case 'F':
      sw.list_file_mode = true;
      sw.recursive = false;
      sw.list_file_name = value;
      break;
    case 'R':
      if (value == "l") sw.list_files_and_exit = true;
      if (value == "d") sw.no_descent = true;
      if (value == "n") sw.sort_input_by_name = true;
      break;
    case 'O':
      if (FILE* f = std::fopen(value.c_str(), "wb")) {
        G.report.out = f;
        G.report.owns_file = true;
        sw.output_to_file = sw.progress = true;
        sw.output_file_name = value;
        std::printf("\n  ZAV using output file: %s\n", value.c_str());
      }
      break;
    default:
      break;
  }
}
// --- end of the minimal input-mode switches ---

}  // namespace

ParseResult ParseCommandLine(int argc, char** argv, GlobalData& G) {
  ParseResult result;
  int i = 1;
  for (; i < argc; ++i) {
    const char* arg = argv[i];
    if (arg[0] != '-' || arg[1] == '\0') break;
    if (std::strcmp(arg, "--") == 0) {
      ++i;
      break;
    }
    switch (arg[1]) {
      case 'v': G.sw.verbose = G.sw.report_switch_given = true; break;
      case 's': G.sw.summary = true; break;
      case 'd': G.sw.loc_determination = G.sw.report_switch_given = true; break;
      case 'n': G.sw.notices = G.sw.report_switch_given = true; break;
      case 'H': G.sw.html = true; break;
      case 'r': case 'F': case 'R': case 'O':  // minimal input-mode switches
        ReadInputSwitch(G, arg[1], SwitchValue(argc, argv, i));
        break;
      default: break;
    }
  }
  G.sw.summary = true;
  result.first_file_argument = i;
  G.sw.file_argument_count = argc - i;
  G.sw.files_given = G.sw.file_argument_count > 0;
  return result;
}

}  // namespace zav
