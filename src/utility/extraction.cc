#include "utility/extraction.h"

#include "report/framework.h"
#include "base/output.h"
#include "base/text_util.h"

namespace zav {
namespace {

// Letters and digits of the C locale; every byte of 128 and above is
// neither.
bool IsLetterOrDigit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

std::string_view FullCleaning(std::string_view text) {
  while (!text.empty() && !IsLetterOrDigit(text.back())) text.remove_suffix(1);
  while (text.size() >= 2 && text.substr(text.size() - 2) == "\\n") text.remove_suffix(2);
  size_t start = 0;
  while (start < text.size() && !IsLetterOrDigit(text[start])) ++start;
  // A leading "\n" escape: its "n" is a letter but not part of the text.
  if (start > 0 && text[start - 1] == '\\' && start < text.size() && text[start] == 'n') {
    ++start;
  }
  while (start < text.size() &&
         (text[start] == ' ' || text[start] == '\t' || text[start] == '\n')) {
    ++start;
  }
  return text.substr(start);
}

std::string_view TrailingBlankCleaning(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ' ||
                           text.back() == '\t' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  return text;
}

void WriteItem(GlobalData& G, int32_t line_number, bool full) {
  const TextBuffer& gathered = G.lex.extraction;
  const std::string text =
      CleanExtraction(G, std::string_view(gathered.text, gathered.length), full);
  if (!text.empty()) Print(G, "  %6d: %s\n", line_number, text.c_str());
}

void Emit(GlobalData& G, ExtractionEvent event, int32_t line_number) {
  if (event == ExtractionEvent::kStringClosed) {
    WriteItem(G, line_number, true);
  } else {
    // With both -Ec and -EC the cleaned form of -Ec is written.
    WriteItem(G, line_number, G.sw.extract_comments);
  }
}

void WriteTitle(GlobalData& G, const char* title) {
  // The run's mode title is not written in XML either.
  CenterTitle(G, title);
  if (Fmt(G) == ReportFormat::kCsv) Print(G, "%s\n", title);
}

}  // namespace

void BeginExtraction(GlobalData& G) { G.utility.extraction_sink = &Emit; }

void WriteExtractionTitles(GlobalData& G) {
  const Switches& sw = G.sw;
  if (sw.extract_strings) WriteTitle(G, "~~ Literal String Extraction Mode ~~");
  if (sw.extract_comments || sw.comment_documentation) {
    WriteTitle(G, "~~ Comment Extraction Mode ~~");
  }
  if (Fmt(G) == ReportFormat::kText || Fmt(G) == ReportFormat::kHtml) PutText(G, "\n");
}

std::string CleanExtraction(const GlobalData& G, std::string_view text, bool full) {
  const std::string_view cleaned = full ? FullCleaning(text) : TrailingBlankCleaning(text);
  switch (Fmt(G)) {
    case ReportFormat::kHtml:
      return HtmlEscape(cleaned);  // the routine of the -d trace
    case ReportFormat::kXml:
      return XmlEscape(cleaned);
    default:
      return std::string(cleaned);
  }
}

}  // namespace zav
