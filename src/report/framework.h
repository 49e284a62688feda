// Shared pieces of every report: centring, section titles, rules.
#pragma once

#include <string_view>

#include "zav/global_data.h"

namespace zav {

inline constexpr const char* kHyphens36 = "------------------------------------";
inline constexpr const char* kUnderscores36 =
    "____________________________________";

// Writes the text centred on a 76-column page, then a line end.
void CenterLine(GlobalData& G, std::string_view text);

// Opens a report section titled `title` ("~~ Title ~~") in the active
// format; `csv_title` is the CSV form (no tildes).
void WriteSectionTitle(GlobalData& G, std::string_view title,
                       std::string_view csv_title);

// Writes the hyphen rule "  ---...---\n\n".
void WriteHyphenRule(GlobalData& G);

// Writes the underscore rule "  ___...___\n\n".
void WriteUnderscoreRule(GlobalData& G);

}  // namespace zav
