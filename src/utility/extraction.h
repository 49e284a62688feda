// Comment and string extraction (-Es, -Ec, -EC): every string literal or
// comment line of the analysed files written with its line number, for a
// spelling checker.
//
// The line analyser gathers the characters into its extraction text while
// its lexer is inside a string or a comment; the output here is called
// through the extraction sink when a string closes or a comment line ends.
#pragma once

#include <string>
#include <string_view>

#include "zav/global_data.h"

namespace zav {

// Connects the extraction output to the line analyser for this run.
void BeginExtraction(GlobalData& G);

// The titles that open each file's section: "~~ Literal String Extraction
// Mode ~~" for -Es, "~~ Comment Extraction Mode ~~" for -Ec and -EC.
void WriteExtractionTitles(GlobalData& G);

// The gathered text made ready for output. Full cleaning (`full`, used for
// strings and -Ec): no leading or trailing characters that are not letters
// or digits, no trailing "\n" escapes, no leading "\n" escape and blanks.
// Otherwise (-EC) only trailing line feeds, blanks, tabs and carriage
// returns go. HTML and XML output escape the result.
std::string CleanExtraction(const GlobalData& G, std::string_view text, bool full);

}  // namespace zav
