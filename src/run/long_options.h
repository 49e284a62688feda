// GNU-style long options: --help, --version, --json, --sarif.
//
// They are read before the single-letter switches and taken out of the
// argument vector, so no switch of the classic syntax changes meaning.
#pragma once

#include <vector>

#include "zav/global_data.h"

namespace zav {

struct LongOptionOutcome {
  bool exit = false;  // the run ends here (--help, --version)
  int exit_code = 0;
};

// Reads the long options among `args` (argv[0..argc-1]), up to a "--"
// argument, and removes them. --help writes the switch syntax and
// --version the program name and version, each ending the run with status
// 0; --json and --sarif choose the machine-readable document. Other
// arguments beginning with "--" stay for the switch parser, which rejects
// them.
LongOptionOutcome TakeLongOptions(GlobalData& G, std::vector<char*>& args);

// After the switches: --json and --sarif replace the report, so they cannot
// be combined with each other, -C (-A), -X, -H, -E, -p or -Rl (nor -wx,
// refused where it is read). Writes the error and returns false for such a
// combination. --sarif turns quality notices on, as -n does.
bool CheckMachineOutputSwitches(GlobalData& G);

// The line on standard error for a switch that --json or --sarif cannot be
// combined with ("zav: --json cannot be combined with -X").
void ReportMachineClash(const GlobalData& G, const char* other);

// The long options in the switch syntax (-hs, --help), one example each.
inline constexpr const char* kLongOptionsSyntax =
    "          --json JSON metrics document instead of the report\n"
    "             zav --json -fa -n -O\"metrics.json\" *.c\n"
    "          --sarif SARIF 2.1.0 log of the quality notices\n"
    "             zav --sarif -fa -r\"c,h,cpp,java,cs .\" > notices.sarif\n"
    "          --help this syntax, --version the program version\n";

// For a switch letter the parser does not know: the GNU-style line on
// standard error ("zav: unknown option '-Q'") that follows its message.
void ReportUnknownOption(const char* argument, char letter);

}  // namespace zav
