// Raising quality notices.
//
// Every check of the analyser ends here: the enable flag and the quality
// skip state are tested, the notice is counted for the file, its type and
// the run.
#pragma once

#include <cstdint>

#include "zav/global_data.h"

namespace zav {

// Values a notice's verbose text is filled with, in the order the text
// names them, the line number excluded (it is passed on its own): integers
// in ints[], percentages in reals[], names and keywords in texts[].
struct NoticeArgs {
  int ints[4] = {0, 0, 0, 0};
  double reals[2] = {0, 0};
  const char* texts[2] = {nullptr, nullptr};
  int variant = 0;  // 0 normal; notice-specific alternate forms otherwise
};

// Enable flag of notices 1..58; -1 (treated as enabled) for other numbers.
int NoticeEnabled(const GlobalData& G, int number);

// The one-line description of a notice ("Unsupported" for unknown numbers).
const char* NoticeText(GlobalData& G, int number);

// Raises notice `number` for line `line` of the current file.
void RaiseNotice(GlobalData& G, int number, int32_t line,
                 const NoticeArgs& args = {});

}  // namespace zav
