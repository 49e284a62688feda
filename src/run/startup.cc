#include "run/startup.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "analysis/language.h"
#include "analysis/macro_file.h"
#include "run/config.h"

namespace zav {
namespace {

// An environment directory, at most 1,023 characters, ending in "/".
std::string EnvDirectory(const char* value) {
  std::string dir(value);
  if (dir.size() > kEnvDirMax) dir.resize(kEnvDirMax);
  if (dir.empty() || (dir.back() != '/' && dir.back() != '\\')) dir.push_back('/');
  return dir;
}

void ReadEnvironment(GlobalData& G) {
  RunInfo& run = G.run;
  if (const char* v = std::getenv("ZAVHOME")) run.home_dir = EnvDirectory(v);
  if (const char* v = std::getenv("ZAVCFGHOME")) run.cfg_home_dir = EnvDirectory(v);
  if (const char* v = std::getenv("PATH")) run.path_env = v;
  if (std::getenv("ZAVDEBUG") != nullptr) {
    G.sw.debug = true;
    std::printf("*** Debug: Global Data Size = %d\n",
                static_cast<int>(sizeof(GlobalData)));
  }
  if (std::getenv("ZAVCLASSMF") != nullptr) {
    G.sw.class_methods = true;
    run.class_methods_env = true;
    std::printf("\n  Showing Class Methods and Functions\n");
  }
}

void JoinCommandLine(GlobalData& G, int argc, char** argv) {
  std::string& text = G.run.command_line;
  for (int i = 1; i < argc; ++i) {
    if (text.size() > kCommandLineStop) break;
    if (i > 1) text.push_back(' ');
    text += argv[i];
  }
}

}  // namespace

void DebugPause(GlobalData& G) {
  if (G.report.out == stdout) {
    std::fputs("\n  Press Enter Key To Continue ...\n", stdout);
    std::fflush(stdout);
    char buffer[4];
    if (std::fgets(buffer, sizeof buffer, stdin) == nullptr) return;
  } else {
    usleep(500000);
  }
}

std::string LocateConfigFile(const GlobalData& G, const std::string& name) {
  if (G.run.cfg_home_dir.size() > 1) return G.run.cfg_home_dir + name;
  const std::string& home = G.run.home_dir;
  if (home.size() > 1) {
    size_t slash = home.find_last_of("/\\");
    std::string dir = slash == std::string::npos ? "./" : home.substr(0, slash + 1);
    return dir + name;
  }
  return name;  // the current directory
}

// What reads the notices of the files, and so keeps their checks running:
// - the notices themselves: -n, the -N forms, every -T form (each sets
//   `notices` or `notice_collect`), the JSON and SARIF documents, and the
//   exit status of a run with notices;
// - each file's count: the keyword metrics (-v, -Tv), the CSV file rows and
//   totals, the work file's records (-w), the entries of the -Td listing and
//   its sort key 8, the quality profile and notice summary (-T forms), and
//   the JSON document's counters (with the fall-through comment count);
// - whether a file raised any notice: in function analysis the rule before
//   a file's summary closes the blocks the file wrote, and a file without
//   functions wrote one only if it raised a notice.
// The inheritance tree's notices and the user-defined notices are raised
// whatever this decides. (What analysis a run that shows the line counts
// alone leaves out is decided apart, by ShowsLineCountsOnly; what one that
// shows the function figures alone leaves out, and what of it a file's
// running checks keep, by ShowsFunctionFiguresOnly.)
void DecideNoticeNeed(GlobalData& G) {
  const Switches& sw = G.sw;
  const bool every = sw.notices || sw.notice_collect || sw.notice_single_line ||
                     sw.notice_visual_studio || sw.machine != MachineFormat::kNone ||
                     sw.verbose || sw.totals_verbose || sw.csv || sw.work_create ||
                     sw.totals_detail || sw.sort_key == 8 || sw.totals_all ||
                     sw.totals_profile || sw.totals_notice_summary;
  if (every) {
    G.notices.need = NoticeNeed::kEvery;
  } else if (sw.functional || sw.objects) {
    G.notices.need = NoticeNeed::kAny;
  } else {
    G.notices.need = NoticeNeed::kNone;
  }
}

void StartUp(GlobalData& G, int argc, char** argv) {
  SetDefaults(G);
  G.run.program_path = argv[0] != nullptr ? argv[0] : "zav";
  G.run.argc = argc;
  G.run.argv = argv;
  ReadEnvironment(G);

  if (G.run.program_dir.empty()) {
    size_t slash = G.run.program_path.find_last_of('/');
    if (slash != std::string::npos) {
      G.run.program_dir = G.run.program_path.substr(0, slash + 1);
    }
  }
  if (G.run.home_dir.empty()) G.run.home_dir = G.run.program_dir;
  JoinCommandLine(G, argc, argv);

  char cwd[4096];
  if (getcwd(cwd, sizeof cwd) != nullptr) G.run.start_dir = cwd;

  G.run.macro_path = LocateConfigFile(G, kMacroFileName);
  G.run.config_path = LocateConfigFile(G, kConfigFileName);
  G.run.workdiff_path = LocateConfigFile(G, kWorkDiffFileName);

  if (G.sw.debug) {
    std::printf("*** Debug: System Parameters\n");
    std::printf("*** Debug: Prog Path   = %s\n", G.run.program_path.c_str());
    std::printf("*** Debug: Macro File  = %s\n", G.run.macro_path.c_str());
    std::printf("*** Debug: ZAVHOME     = %s\n", G.run.home_dir.c_str());
    std::printf("*** Debug: System Path = %s\n", G.run.path_env.c_str());
    DebugPause(G);
  }

  ReadConfiguration(G);
  RegisterLanguages(G);
  LoadMacroFile(G);
}

}  // namespace zav
