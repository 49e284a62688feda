// Raising quality notices.
//
// Every check of the analyser ends in RaiseNotice: the file's quiet flag
// (CheckState::quiet), the enable flag and the quality skip state are
// tested, the notice is counted for the file, its type and the run, and
// then written in the form the command line asked for: the verbose text
// (-n), the one-line form (-Ns, -Nv, and the listings -N, -Tq, -Tn, which
// also keep it in the notice list), or not at all.
#pragma once

#include <cstdint>
#include <string>

#include "zav/global_data.h"

namespace zav {

// Values a notice's verbose text is filled with, in the order the text
// names them, the line number excluded (it is passed on its own): integers
// in ints[], percentages in reals[], names and keywords in texts[].
//
// What each notice reads (L = the `line` argument; every other notice
// reads nothing but L):
//
//   1   ints[0] line length, ints[1] limit
//   2   texts[0] function name, ints[0] its length, ints[1] limit
//   6   variant 1: the form used inside a #define (6m)
//   7   variant 1: the form used inside a #define (7m)
//   12  variant 1: the immediate form for a ")" beyond the "(" count (12b),
//       naming the file and followed by the "count is now force to an
//       equal state" text; never written in CSV or XML
//   14  no line in the text (L: the function's closing brace);
//       variant 0: ints[0] case, ints[1] case total (= case),
//                  ints[2] break, ints[3] fall-through comments,
//                  ints[4] break total (= break + fall-through);
//       variant 1 (14b, default counted): ints[0] case, ints[1] default,
//                  ints[2] case total (= case + default), ints[3] break,
//                  ints[4] fall-through comments, ints[5] break total
//   15  texts[0] class name
//   16  no line in the text; reals[0] percentage, reals[1] limit;
//       variant 1 (16c): texts[0] "Class", "Struct" or "Interface"
//   17  reals[0] percentage, reals[1] limit
//   18  ints[0] limit
//   19, 20, 47  reals[0] percentage, reals[1] limit (file-level)
//   21  texts[0] configuration file name, texts[1] key string (file-level)
//   22  texts[0] keyword ("do", "else", "for", "if", "while"), written
//       twice; L: the keyword's line. With function analysis on, the
//       one-line form names the keyword too.
//   24  texts[0] the C++ word
//   27  ints[0] return points, ints[1] limit
//   28  ints[0] cyclomatic complexity, ints[1] limit
//   29  ints[0] parameters, ints[1] limit
//   31  texts[0] "Class", "Struct" or "Interface", reals[0] percentage,
//       reals[1] limit
//   39  texts[0] "class" or "struct", ints[0] limit
//   40, 41  file_name: the class's file, ints[0] limit
//   42  file_name: the class's file, texts[0] class name
//   45  nothing (the notice number, file and line are filled in)
//   46  reals[0] percentage, reals[1] limit; variant 1 (46c): texts[0]
//       "Class", "Struct" or "Interface"
//   48  ints[0] lLOC, ints[1] limit
//   50  nothing (the notice number is filled in)
//   51..54  texts[0] optional: "function", "class", "struct", "interface"
//       (by default the word of the notice number)
//   55  ints[0] scope depth, ints[1] limit
//
// Notices 25 and 33 have no text of their own; if raised they are written
// as "Notice #N: Line L, <description>".
struct NoticeArgs {
  int ints[6] = {0, 0, 0, 0, 0, 0};
  double reals[2] = {0, 0};
  const char* texts[2] = {nullptr, nullptr};
  int variant = 0;  // 0 normal; the alternate forms listed above
  // The file the notice belongs to when it is not the file being analysed
  // (the inheritance notices 40 to 42); it is also the file of the
  // one-line form and of the notice list entry.
  const char* file_name = nullptr;
  // The class a notice raised outside the class's body concerns (the
  // inheritance notices 40 and 41), for the machine-readable outputs.
  const char* class_name = nullptr;
};

// Enable flag of notices 1..58; -1 (treated as enabled) for other numbers.
int NoticeEnabled(const GlobalData& G, int number);

// The one-line description of a notice ("Unsupported" for unknown numbers).
const char* NoticeText(GlobalData& G, int number);

// Raises notice `number` for line `line` of the current file. A quiet
// file's notices (CheckState::quiet) cost no call.
void RaiseNoticeBody(GlobalData& G, int number, int32_t line, const NoticeArgs& args);
inline void RaiseNotice(GlobalData& G, int number, int32_t line,
                        const NoticeArgs& args = {}) {
  if (!G.checks.quiet) RaiseNoticeBody(G, number, line, args);
}

// Raises notice `number` `count` times for line `line` of the current
// file, as that many calls of RaiseNotice would.
void RaiseRepeatedNoticeBody(GlobalData& G, int number, int32_t line, int count);
inline void RaiseRepeatedNotice(GlobalData& G, int number, int32_t line, int count) {
  if (count > 0 && !G.checks.quiet) RaiseRepeatedNoticeBody(G, number, line, count);
}

// Raises a notice of the whole run, raised after the last file (the
// inheritance notices 40 and 41): a quality skip left open in the last file
// does not silence it, and the project totals count it as the files' totals
// do.
void RaiseRunNotice(GlobalData& G, int number, int32_t line,
                    const NoticeArgs& args);

// Writes the one-line form of a notice in the active format and appends the
// notice to the notice list. `keyword` (notice 22 only) names the unbound
// keyword in place of the description.
void EmitShortNotice(GlobalData& G, const std::string& file_name,
                     int32_t line, int number, const char* keyword = nullptr);

// Writes the IDE form "file(line) : Notice #n - text" of a notice; in an
// XML report the file name and text are escaped, in a CSV report the line
// is one field, quoted as needed.
void WriteIdeNoticeLine(GlobalData& G, std::string_view file_name, int32_t line,
                        int number, std::string_view text);

// Appends a notice to the run's notice list.
void AddNoticeToList(GlobalData& G, const std::string& file_name,
                     int32_t line, int number);

}  // namespace zav
