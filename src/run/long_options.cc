#include "run/long_options.h"

#include <cstdio>
#include <cstring>

#include "base/output.h"
#include "run/help.h"

namespace zav {
namespace {

const char* MachineOptionName(MachineFormat format) {
  return format == MachineFormat::kSarif ? "--sarif" : "--json";
}

}  // namespace

LongOptionOutcome TakeLongOptions(GlobalData& G, std::vector<char*>& args) {
  LongOptionOutcome outcome;
  std::vector<char*> kept;
  size_t i = 0;
  for (; i < args.size(); ++i) {
    const char* arg = args[i];
    if (i == 0 || arg == nullptr || std::strncmp(arg, "--", 2) != 0) {
      kept.push_back(args[i]);
      continue;
    }
    if (std::strcmp(arg, "--") == 0) break;
    if (std::strcmp(arg, "--help") == 0) {
      WriteHelp(G, 's');
      outcome.exit = true;
      return outcome;
    }
    if (std::strcmp(arg, "--version") == 0) {
      std::fprintf(G.report.out, "zav (Zavoran) %s\n", G.settings.version.c_str());
      outcome.exit = true;
      return outcome;
    }
    const MachineFormat format = std::strcmp(arg, "--json") == 0    ? MachineFormat::kJson
                                 : std::strcmp(arg, "--sarif") == 0 ? MachineFormat::kSarif
                                                                    : MachineFormat::kNone;
    if (format != MachineFormat::kNone) {
      if (G.sw.machine != MachineFormat::kNone && G.sw.machine != format) G.sw.machine_both = true;
      G.sw.machine = format;
    } else {
      kept.push_back(args[i]);
    }
  }
  for (; i < args.size(); ++i) kept.push_back(args[i]);
  args = std::move(kept);
  return outcome;
}

bool CheckMachineOutputSwitches(GlobalData& G) {
  Switches& sw = G.sw;
  if (sw.machine == MachineFormat::kNone) return true;
  // Each of these writes a whole output of its own (a report format, the
  // extracted strings or comments, the code listing, the list of files),
  // which the document would silently replace: a run writes one of them.
  const char* other = sw.machine_both          ? "--sarif"
                      : sw.csv                 ? "-C"
                      : sw.xml                 ? "-X"
                      : sw.html                ? "-H"
                      : sw.Extraction()        ? "-E"
                      : sw.code_listing        ? "-p"
                      : sw.list_files_and_exit ? "-Rl"
                                               : nullptr;
  if (other != nullptr) {
    ReportMachineClash(G, other);
    return false;
  }
  // No per-file listing is written: the analysis runs as in totals-only
  // mode, which changes what is shown, never what is counted.
  sw.totals_only = true;
  if (sw.machine == MachineFormat::kSarif) {
    sw.notices = true;
    sw.report_switch_given = true;
  }
  return true;
}

void ReportMachineClash(const GlobalData& G, const char* other) {
  const char* option = G.sw.machine_both ? "--json" : MachineOptionName(G.sw.machine);
  std::fprintf(stderr, "zav: %s cannot be combined with %s\n", option, other);
}

void ReportUnknownOption(const char* argument, char letter) {
  if (argument != nullptr && std::strncmp(argument, "--", 2) == 0) {
    std::fprintf(stderr, "zav: unknown option '%s'\n", argument);
  } else {
    std::fprintf(stderr, "zav: unknown option '-%c'\n", letter);
  }
}

}  // namespace zav
