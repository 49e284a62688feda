// State of the source utilities: the code listing's page layout and the
// extraction output the line analyser calls.
//
// Owned by src/utility/. The line analyser (src/analysis/) reads the
// extraction sink and calls it; nothing else writes here.
#pragma once

#include <cstdint>
#include <string>

namespace zav {

struct GlobalData;

// The texts of the code listing that every page repeats, built once before
// the first file.
struct ListingLayout {
  std::string margin;       // left-margin blanks
  std::string rule_header;  // margin, underscores, "\n\n": below the page header
  std::string rule_footer;  // margin, underscores, "\n": page footer
  std::string title_line;   // the centred page header and "\n"
};

// What the line analyser hands to the extraction output.
enum class ExtractionEvent {
  kStringClosed,    // the lexer closed a string literal
  kCommentLineEnd,  // a comment line ended
};
using ExtractionSink = void (*)(GlobalData& G, ExtractionEvent event,
                                int32_t line_number);

struct UtilityState {
  ListingLayout listing;
  // Set when an extraction mode (-Es, -Ec, -EC) is on.
  ExtractionSink extraction_sink = nullptr;
};

}  // namespace zav
