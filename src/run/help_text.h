// Pieces shared by the help writers.
#pragma once

#include <string>
#include <string_view>

#include "zav/global_data.h"

namespace zav {

// Writes help prose to the report stream, HTML-escaped in HTML output.
void HelpPut(GlobalData& G, std::string_view text);

// The program's own name: its path after the last directory separator.
std::string ProgramName(const GlobalData& G);

// The switch syntax of -hs (without banner and title).
void WriteSyntaxText(GlobalData& G);

// The sections of the full help document, and its switch topics.
void WriteHelpSections(GlobalData& G);
void WriteHelpTopics(GlobalData& G);

}  // namespace zav
