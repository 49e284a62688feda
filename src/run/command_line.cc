#include "run/command_line.h"

#include <cstring>

namespace zav {

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
