#include "baseline/deterministic_listing.h"

#include <cstring>
#include <string>
#include <string_view>

#include "report/framework.h"
#include "base/csv_field.h"
#include "base/output.h"
#include "base/text_util.h"

namespace zav {
namespace {

// A source line as the last CSV field: quoted when it needs to be, its own
// line end kept outside the quotes.
std::string CsvSourceField(std::string_view line) {
  const bool line_end = !line.empty() && line.back() == '\n';
  if (line_end) line.remove_suffix(1);
  return CsvField(line) + (line_end ? "\n" : "");
}

}  // namespace

void WriteDeterministicLine(GlobalData& G, const char* line, int32_t line_number,
                            char type, double fingerprint) {
  const bool csv = Fmt(G) == ReportFormat::kCsv;
  BaselineState& B = G.baseline;
  if (!B.listing_header_done) {
    B.listing_header_done = true;
    const char* name = G.current_entry != nullptr ? G.current_entry->name.c_str() : "";
    if (csv) {
      Print(G, "File,%s\nLine,Type,Code,Source\n", CsvField(name).c_str());
    } else {
      Print(G, "\n  File: %s\n  Line #  Type Differential Code      Source Code Line\n  %s%s\n",
            name, kHyphens36, kHyphens36);
    }
  }
  if (type == '\0') return;  // the header comes on the file's first line
  // The source text is escaped where the format needs it.
  std::string text = Fmt(G) == ReportFormat::kHtml  ? HtmlText(line)
                     : Fmt(G) == ReportFormat::kXml ? XmlEscape(line)
                     : csv                          ? CsvSourceField(line)
                                                    : std::string(line);
  Print(G, csv ? "%d,%c,%-20.15f,%s" : "  %6d |  %c  %-20.15f | %s", line_number, type,
        fingerprint, text.c_str());
  // The last line of a file may have no line end of its own.
  const size_t length = std::strlen(line);
  if (length == 0 || line[length - 1] != '\n') PutText(G, "\n");
}

}  // namespace zav
