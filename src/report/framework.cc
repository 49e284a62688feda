#include "report/framework.h"

#include <string>

#include "report/output.h"

namespace zav {

void CenterLine(GlobalData& G, std::string_view text) {
  if (text.size() > kTextMax) text = text.substr(0, kTextMax);
  int indent = 37 - static_cast<int>(text.size() / 2);
  if (indent < 0) indent = 0;
  std::string line(1 + indent, ' ');
  line.append(text);
  line.push_back('\n');
  PutText(G, line);
}

void WriteHyphenRule(GlobalData& G) {
  Print(G, "\n  %s%s\n\n", kHyphens36, kHyphens36);
}

void WriteUnderscoreRule(GlobalData& G) {
  Print(G, "  %s%s\n\n", kUnderscores36, kUnderscores36);
}

void WriteSectionTitle(GlobalData& G, std::string_view title,
                       std::string_view csv_title) {
  switch (G.sw.Format()) {
    case ReportFormat::kText:
      WriteHyphenRule(G);
      CenterLine(G, title);
      PutText(G, "\n");
      break;
    case ReportFormat::kHtml:
      WriteHyphenRule(G);
      Print(G, "<b><font color=\"%s\">", G.settings.colors[kColorHeader].c_str());
      CenterLine(G, title);
      PutText(G, "</font></b>\n");
      break;
    case ReportFormat::kCsv:
      PutText(G, csv_title);
      PutText(G, "\n");
      break;
    case ReportFormat::kXml:
      PutText(G, "<report>\n<name>");
      PutText(G, csv_title);
      PutText(G, "</name>\n");
      break;
  }
}

}  // namespace zav
