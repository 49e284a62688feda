// Listings of the loaded user-defined quality notices.
#pragma once

#include "zav/global_data.h"

namespace zav {

// -xUDQNSHOW: every definition as a block of "label: value" lines, its
// message also shown filled with example values.
void ShowUdqns(GlobalData& G);

// -hn: loads the configured notice file when not yet loaded, then writes
// one "  Notice %-4d: [%3s] %s" line (id, On or Off, summary) per
// definition.
void WriteUdqnHelpLines(GlobalData& G);

}  // namespace zav
