// Applying the user-defined quality notices to the lines of a source file
// and writing their matches.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "zav/global_data.h"

namespace zav {

// The values a notice message names: _FILE_, _LINE_ (the source line's
// text), _LINE#_ (its number), _FUNC_ and _CLASS_.
struct UdqnMessageValues {
  std::string_view file;
  std::string_view line_text;
  int32_t line = 0;
  std::string_view function;
  std::string_view class_name;
};

// The message with its names replaced and every "\n" (backslash, n)
// starting a new line indented by 11 blanks. With `html` the text is
// escaped and each replaced value set in bold.
std::string ExpandUdqnMessage(std::string_view message, const UdqnMessageValues& values,
                              bool html);

// The CSV form of `head` followed by the expanded message: the literal
// text's commas and line ends separate fields, each value filled in stays
// in its field, and a field needing it is quoted.
std::string ExpandUdqnMessageCsv(std::string_view head, std::string_view message,
                                 const UdqnMessageValues& values);

// Start of a source file: clears the flags and picks, once for the file,
// the definitions whose sources name its extension.
void StartUdqnFile(GlobalData& G, const std::string& file_name);

// Before the analyser reads a line: marks the definitions of this file
// that could match it (a cheap test of its bytes and literal texts), and
// tells whether one of them reads the code, comment or string part of the
// line. Each part is made of the line's characters, so a definition that
// cannot match the line cannot match a part of it; the analyser splits the
// line only when asked.
bool PrefilterUdqnLine(GlobalData& G, const char* line, int length);

// The line pass: every definition marked by PrefilterUdqnLine is tested
// on `line` (`length` bytes, without its line end) or on the code, comment
// or string text the analyser split from it.
void ApplyUdqns(GlobalData& G, const char* line, int length, int32_t line_number);

// The end-of-file pass: the definitions with the emit-eof flag are tested
// once on the text "UDQN eof" and report on the file's last line.
void ApplyUdqnsAtFileEnd(GlobalData& G);

// Writes a match of `d` on line `line_number` whose text is `line_text`.
void EmitUdqn(GlobalData& G, const UdqnDefinition& d, std::string_view line_text,
              int32_t line_number);

// The summary of the active definition with this id, or null.
const char* UdqnSummary(const GlobalData& G, int id);

// The matches of all active definitions in the run.
int UdqnTotal(const GlobalData& G);

}  // namespace zav
