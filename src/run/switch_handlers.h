// Applying single switches to the run state (used by the command-line
// parser).
#pragma once

#include <string>
#include <string_view>

#include "zav/global_data.h"

namespace zav {

// What applying a switch decided: go on reading switches, or end the run.
struct SwitchOutcome {
  bool end = false;
  int exit_code = 0;
};

inline SwitchOutcome GoOn() { return {}; }

// Ends the run with `exit_code`, closing the HTML document first when HTML
// output is on.
SwitchOutcome EndRun(GlobalData& G, int exit_code);

// Writes `message` to the report stream and ends the run with exit code 1.
SwitchOutcome SwitchError(GlobalData& G, const char* message);

// The value of a "File <type> <name>" form: split at blanks, tabs and line
// feeds into a first word, a type word, and the rest as the name.
struct FileForm {
  std::string first;
  std::string type;
  std::string name;
};
FileForm SplitFileForm(std::string_view value);

bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The switches with values of their own grammar.
SwitchOutcome ApplyOutputFile(GlobalData& G, const std::string& name);      // -O
SwitchOutcome ApplyRecursion(GlobalData& G, const std::string& value);      // -r
SwitchOutcome ApplyTotals(GlobalData& G, const std::string& value);         // -T
SwitchOutcome ApplyWorkFiles(GlobalData& G, const std::string& value);      // -w
SwitchOutcome ApplyExtendedOption(GlobalData& G, const std::string& value); // -x
SwitchOutcome ApplyUserFiles(GlobalData& G, const std::string& value);      // -u

}  // namespace zav
