#include "utility/code_listing.h"

#include <sys/stat.h>

#include <cstring>
#include <string>
#include <string_view>

#include "analysis/line_reader.h"
#include "report/framework.h"
#include "base/output.h"
#include "base/text_util.h"

namespace zav {
namespace {

// Columns of the line-number prefix: "%5d| " or "     | ".
constexpr int kPrefixWidth = 7;
// Rows a page leaves for its footer.
constexpr int kFooterRows = 6;

bool Html(const GlobalData& G) { return Fmt(G) == ReportFormat::kHtml; }

// HTML output shows the listing on one page: no page breaks.
bool PageBreaks(const GlobalData& G) {
  return G.settings.page_breaks && !Html(G);
}

// Writes listing text; HTML shows "<", ">" and "&" as entities.
void Put(GlobalData& G, std::string_view text) {
  if (Html(G)) {
    PutText(G, HtmlText(text));
  } else {
    PutText(G, text);
  }
}

// The title centred over the line: blanks are added while their count is
// below half the line length minus half the header length plus the left
// margin, after the margin itself.
std::string TitleLine(const Settings& s, const std::string& margin) {
  const double limit = s.printed_line_length * 0.5 -
                       static_cast<double>(s.printed_page_header.size()) * 0.5 +
                       s.printed_left_margin;
  std::string line = margin;
  for (int blanks = 0; blanks < limit; ++blanks) line += ' ';
  return line + s.printed_page_header + "\n";
}

int Digits(int n) {
  int digits = 1;
  while (n >= 10) {
    n /= 10;
    ++digits;
  }
  return digits;
}

// "File: name" moved towards the middle: a blank is added while the
// blanks are fewer than half the line length minus half the text length,
// the text measured again after each blank. With page breaks the page
// number closes the line at the right edge.
std::string FileLine(const GlobalData& G, const std::string& name, int page) {
  const Settings& s = G.settings;
  std::string line = G.utility.listing.margin + "File: " + name;
  for (int blanks = 0;
       blanks < s.printed_line_length * 0.5 - static_cast<double>(line.size()) * 0.5;
       ++blanks) {
    line += ' ';
  }
  if (PageBreaks(G)) {
    const int fill = s.printed_left_margin - Digits(page) -
                     static_cast<int>(line.size()) - 6 + s.printed_line_length;
    if (fill > 0) line.append(fill, ' ');
    line += "Page: " + std::to_string(page);
  }
  return line + "\n";
}

void WritePageHeader(GlobalData& G, FILE* file, const std::string& name, int page) {
  const ListingLayout& layout = G.utility.listing;
  for (int i = 0; i < G.settings.printed_top_margin; ++i) PutText(G, "\n");
  Put(G, layout.title_line);
  Put(G, FileLine(G, name, page));
  // The date line keeps the C library's layout, line end included. A file
  // that cannot be inspected gets the margin alone on that line.
  struct stat st;
  if (fstat(fileno(file), &st) == 0) {
    PutText(G, layout.margin + "Date: " + FormatFileTime(st.st_mtime) + "\n");
  } else {
    PutText(G, layout.margin + "\n");
  }
  PutText(G, layout.rule_header);
}

// The piece's text without its line end.
std::string_view LineText(const char* text, int length) {
  std::string_view line(text, strnlen(text, static_cast<size_t>(length)));
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// Writes one source line as rows of at most line length - 7 characters:
// the first after its number, the others after a blank prefix. Returns the
// rows written.
int WriteNumberedLine(GlobalData& G, std::string_view line, int32_t number) {
  const size_t width = static_cast<size_t>(G.settings.printed_line_length - kPrefixWidth);
  const std::string& margin = G.utility.listing.margin;
  char prefix[32];
  std::snprintf(prefix, sizeof prefix, "%5d| ", number);
  size_t at = 0;
  int rows = 0;
  do {
    PutText(G, margin);
    PutText(G, rows == 0 ? prefix : "     | ");
    Put(G, line.substr(at, width));
    PutText(G, "\n");
    at += width;
    ++rows;
  } while (at < line.size());
  return rows;
}

}  // namespace

bool BeginCodeListing(GlobalData& G) {
  const Settings& s = G.settings;
  if (Html(G)) {
    Print(G, "<html>\n<head>\n<title>Zavoran %s</title>\n</head>\n<body>\n<pre><P>\n",
          HtmlText(s.version).c_str());
  }
  const int header_length = static_cast<int>(s.printed_page_header.size());
  if (header_length > s.printed_line_length) {
    Print(G,
          "\n  Error: The Specified header length (%d) exceeds\n"
          "         the available line length (%d). \n"
          "         Header: %s\n",
          header_length, s.printed_line_length, s.printed_page_header.c_str());
    if (Html(G)) PutText(G, "</pre></body></html>");
    return false;
  }
  ListingLayout& layout = G.utility.listing;
  layout.margin.assign(static_cast<size_t>(s.printed_left_margin), ' ');
  const std::string rule =
      layout.margin + std::string(static_cast<size_t>(s.printed_line_length) + 1, '_');
  layout.rule_header = rule + "\n\n";
  layout.rule_footer = rule + "\n";
  layout.title_line = TitleLine(s, layout.margin);
  return true;
}

void ListFile(GlobalData& G, FILE* file, const FileEntry& entry) {
  const Settings& s = G.settings;
  const bool breaks = PageBreaks(G);
  const int first_row = s.printed_top_margin + 1;
  const int last_row = s.printed_page_length - kFooterRows;
  int page = 1;
  int rows = first_row;
  bool page_has_lines = false;
  WritePageHeader(G, file, entry.name, page);

  // Lines are read as the analyser reads them: a line longer than 2,047
  // characters goes on as the next numbered line.
  PieceReader reader(file, G.source_buffer);
  char* text;
  int length;
  bool at_eof;
  int32_t number = 0;
  while (reader.Next(text, length, at_eof)) {
    // A full page is closed only when another line follows, so a file
    // never ends with an empty page.
    if (breaks && page_has_lines && rows > last_row) {
      Print(G, "%s\f\n", G.utility.listing.rule_footer.c_str());
      WritePageHeader(G, file, entry.name, ++page);
      rows = first_row;
    }
    rows += WriteNumberedLine(G, LineText(text, length), ++number);
    page_has_lines = true;
  }
  if (breaks) {
    for (; rows <= last_row; ++rows) PutText(G, "\n");
  }
  Print(G, "\n%s\n", G.utility.listing.rule_footer.c_str());
}

}  // namespace zav
