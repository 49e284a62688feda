#include "report/framework.h"

#include <string>

#include "base/output.h"
#include "base/text_util.h"

namespace zav {
namespace {

// Blanks that centre a text of `length` visible characters.
std::string_view CenterIndent(size_t length) {
  static constexpr std::string_view kBlanks = "                                      ";  // 38
  int indent = 37 - static_cast<int>(length / 2);
  if (indent < 0) indent = 0;
  return kBlanks.substr(0, static_cast<size_t>(1 + indent));
}

}  // namespace

std::string Label(const GlobalData& G, std::string_view label) {
  if (Fmt(G) != ReportFormat::kHtml) return std::string(label);
  const size_t first = label.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::string(label);
  size_t end = label.rfind(':');
  if (end == std::string_view::npos || end < first) {
    end = label.find_last_not_of(' ');
  }
  ++end;
  std::string out(label.substr(0, first));
  out += "<b>";
  out += label.substr(first, end - first);
  out += "</b>";
  out += label.substr(end);
  return out;
}

void CenterLine(GlobalData& G, std::string_view text) {
  if (text.size() > kReportTextMax) text = text.substr(0, kReportTextMax);
  // Written as "%s" writes it: nothing while the report writers are
  // silenced, and the line ends at a NUL of the text (its newline too).
  if (G.report.machine.silent) return;
  const std::string_view indent = CenterIndent(text.size());
  const size_t nul = text.find('\0');
  if (nul != std::string_view::npos) {
    PutJoined(G, {indent, text.substr(0, nul)});
  } else {
    PutJoined(G, {indent, text, "\n"});
  }
}

void CenterHtmlLine(GlobalData& G, std::string_view visible,
                    std::string_view markup) {
  if (visible.size() > kReportTextMax) visible = visible.substr(0, kReportTextMax);
  PutJoined(G, {CenterIndent(visible.size()), markup, "\n"});
}

// The rules are constant lines: written whole, not formatted each time.
void WriteHyphenRule(GlobalData& G) {
  static const std::string rule = std::string("\n  ") + kHyphens36 + kHyphens36 + "\n\n";
  PutText(G, rule);
}

void WriteUnderscoreRule(GlobalData& G) {
  static const std::string rule = std::string("  ") + kUnderscores36 + kUnderscores36 + "\n\n";
  PutText(G, rule);
}

void CenterTitle(GlobalData& G, std::string_view title) {
  switch (Fmt(G)) {
    case ReportFormat::kText:
      CenterLine(G, title);
      break;
    case ReportFormat::kHtml:
      Print(G, "<b><font color=\"%s\">", Color(G, kColorHeader));
      CenterLine(G, title);
      PutText(G, "</font></b>");
      break;
    case ReportFormat::kCsv:
    case ReportFormat::kXml:
      break;
  }
}

void WriteSectionTitle(GlobalData& G, std::string_view title,
                       std::string_view csv_title) {
  switch (Fmt(G)) {
    case ReportFormat::kText:
    case ReportFormat::kHtml:
      WriteHyphenRule(G);
      CenterTitle(G, title);
      PutText(G, "\n");
      break;
    case ReportFormat::kCsv:
      PutText(G, csv_title);
      PutText(G, "\n");
      break;
    case ReportFormat::kXml:
      Print(G, "<report>\n<name>%s</name>\n",
            XmlEscape(csv_title).c_str());
      break;
  }
}

void WriteSectionEnd(GlobalData& G) {
  if (Fmt(G) == ReportFormat::kXml) PutText(G, "</report>\n");
}

void XmlInt(GlobalData& G, const std::string& name, long long value) {
  Print(G, "<%s>%lld</%s>\n", name.c_str(), value, name.c_str());
}

void XmlReal(GlobalData& G, const std::string& name, const char* format,
             double value) {
  Print(G, "<%s>", name.c_str());
  Print(G, format, value);
  Print(G, "</%s>\n", name.c_str());
}

std::string_view ShownName(const GlobalData& G, std::string_view name, int width, int indent,
                           std::string& room) {
  if (name.size() <= static_cast<size_t>(width)) return name;
  room = WrapName(G, name, width, indent);
  return room;
}

}  // namespace zav
