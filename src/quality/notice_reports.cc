// "Quality Notice Summary", "Project Quality Profile" and "Quality Notice
// Density": the notices of the run by file, by type and per thousand lines.
#include <string>

#include "quality/notices.h"
#include "base/csv_field.h"
#include "quality/udqn_apply.h"
#include "report/framework.h"
#include "base/output.h"
#include "report/project_common.h"
#include "report/project_reports.h"
#include "base/text_util.h"

namespace zav {
namespace {

// All notices of the run: the built-in counters and the user-defined ones.
int NoticeTotal(GlobalData& G) {
  int total = 0;
  for (int n = 1; n <= kNoticeCount; ++n) total += G.notices.run_counts[n];
  return total + UdqnTotal(G);
}

void WriteListedNotice(GlobalData& G, const QualityNotice& q) {
  const std::string description = NoticeText(G, q.number);
  const char* file = q.file_name.c_str();
  switch (Fmt(G)) {
    case ReportFormat::kCsv:
      Print(G, "%s, %2d, %d,%s\n", CsvField(file).c_str(), q.number, q.line,
            CsvField(" " + description).c_str());
      break;
    case ReportFormat::kXml:
      Print(G,
            "<notice>\n<file>%s</file>\n<type>%d</type>\n<line>%d</line>\n"
            "<description>%s</description>\n</notice>\n",
            XmlEscape(q.file_name).c_str(), q.number, q.line,
            XmlEscape(description).c_str());
      break;
    case ReportFormat::kHtml:
      if (G.sw.notice_visual_studio) {
        Print(G, "%s(%d) : Notice #%2d - %s\n", HtmlText(q.file_name).c_str(),
              q.line, q.number, HtmlText(description).c_str());
      } else {
        Print(G, "  <b>%s</b> - Notice #%2d: Line %d, %s\n",
              HtmlText(q.file_name).c_str(), q.number, q.line,
              HtmlText(description).c_str());
      }
      break;
    case ReportFormat::kText:
      if (G.sw.notice_visual_studio) {
        Print(G, "%s(%d) : Notice #%2d - %s\n", file, q.line, q.number,
              description.c_str());
      } else {
        Print(G, "  %s - Notice #%2d: Line %d, %s\n", file, q.number, q.line,
              description.c_str());
      }
      break;
  }
}

void WriteDensityLine(GlobalData& G, const char* measure, const char* csv,
                      int notices, int64_t lines) {
  const float per_k = lines == 0 ? 0.0f : static_cast<float>(notices) / lines * 1000.0f;
  const float percent = Percent(notices, lines);
  switch (Fmt(G)) {
    case ReportFormat::kCsv:
      Print(G, "%s,%.1f,%.2f\n", csv, per_k, percent);
      break;
    case ReportFormat::kXml:
      break;  // written as one element, see WriteDensity
    case ReportFormat::kHtml:
      Print(G, "  <b>Quality Notices/K %s</b>%*s= %10.1f (%6.2f%%)\n", measure,
            static_cast<int>(6 - std::string(measure).size()), "", per_k, percent);
      break;
    case ReportFormat::kText:
      Print(G, "  Quality Notices/K %s%*s= %10.1f (%6.2f%%)\n", measure,
            static_cast<int>(6 - std::string(measure).size()), "", per_k, percent);
      break;
  }
}

void WriteDensity(GlobalData& G, int total) {
  const FileMetrics& f = G.file;
  const int64_t loc = f.loc_count, eloc = f.Eloc(), lloc = f.Lloc();
  switch (Fmt(G)) {
    case ReportFormat::kXml: {
      PutText(G, "<notice_density>\n");
      const struct {
        const char* name;
        int64_t lines;
      } kMeasures[] = {{"loc", loc}, {"eloc", eloc}, {"lloc", lloc}};
      for (const auto& m : kMeasures) {
        const float per_k =
            m.lines == 0 ? 0.0f : static_cast<float>(total) / m.lines * 1000.0f;
        XmlReal(G, std::string("quality_notice_count_per_k_") + m.name, "%.1f", per_k);
        XmlReal(G, std::string("quality_notice_percent_") + m.name, "%.2f",
                Percent(total, m.lines));
      }
      PutText(G, "</notice_density>\n");
      return;
    }
    case ReportFormat::kCsv:
      PutText(G, "Quality Notice (QN) Density\nBasis,1000,(K)\n");
      break;
    default:
      WriteSectionTitle(G, "~~ Quality Notice Density ~~", "");
      PutText(G, "  Basis: 1000 (K)\n\n");
      break;
  }
  WriteDensityLine(G, "LOC", "QN/K LOC", total, loc);
  WriteDensityLine(G, "eLOC", "QN/K eLOC", total, eloc);
  WriteDensityLine(G, "lLOC", "QN/K lLOC", total, lloc);
}

// A user-defined notice's CSV row has its own widths.
void WriteProfileRow(GlobalData& G, int number, int count, int total,
                     bool user_defined = false) {
  const float percent = Percent(count, total);
  const std::string description = NoticeText(G, number);
  switch (Fmt(G)) {
    case ReportFormat::kCsv:
      Print(G, user_defined ? "%4d,%6d,%6.2f,%s\n" : "%-2d,%7d,%6.2f,%s\n", number,
            count, percent, CsvField(description).c_str());
      break;
    case ReportFormat::kXml:
      Print(G,
            "<notice>\n<type>%d</type>\n<count>%d</count>\n"
            "<percent>%.2f</percent>\n<description>%s</description>\n</notice>\n",
            number, count, percent, XmlEscape(description).c_str());
      break;
    case ReportFormat::kHtml:
      Print(G, "  %-4d %6d  %6.2f  %s\n", number, count, percent,
            HtmlText(description).c_str());
      break;
    case ReportFormat::kText:
      Print(G, "  %-4d %6d  %6.2f  %s\n", number, count, percent,
            description.c_str());
      break;
  }
}

void WriteProfileTotal(GlobalData& G, int total) {
  const char* label = "Total Quality Notices";
  const float percent = Percent(total, total);
  switch (Fmt(G)) {
    case ReportFormat::kCsv:
      Print(G, "%7d,%6.2f,%s\n\n", total, percent, label);
      break;
    case ReportFormat::kXml:
      Print(G,
            "<notice>\n<type>All</type>\n<count>%d</count>\n"
            "<percent>%.2f</percent>\n<description>%s</description>\n</notice>\n",
            total, percent, label);
      break;
    case ReportFormat::kHtml:
      Print(G, "  <b>%-4s</b> %6d  %6.2f  <b>%s</b>\n", "All", total, percent, label);
      break;
    case ReportFormat::kText:
      Print(G, "  %-4s %6d  %6.2f  %s\n", "All", total, percent, label);
      break;
  }
}

}  // namespace

void WriteNoticeSummary(GlobalData& G) {
  const int total = NoticeTotal(G);
  OpenProjectSection(G, "~~ Quality Notice Summary ~~", "Quality Notice Summary\n",
                     "Total Quality Notices");
  if (Fmt(G) == ReportFormat::kCsv) {
    Print(G, "Total Quality Notices. %d\n\n", total);
    PutText(G, "Filename, Notice, Line, Description\n");
  }
  for (const QualityNotice& q : G.notices.list) WriteListedNotice(G, q);
  switch (Fmt(G)) {
    case ReportFormat::kXml:
      XmlInt(G, "notice_count", total);
      break;
    case ReportFormat::kCsv:
      break;
    default:
      if (!G.notices.list.empty()) PutText(G, "\n");
      Print(G, "%s %d\n", Label(G, "  Total Quality Notices:").c_str(), total);
      break;
  }
  WriteSectionEnd(G);
}

void WriteQualityProfile(GlobalData& G) {
  const int total = NoticeTotal(G);
  OpenProjectSection(G, "~~ Project Quality Profile ~~",
                     "\nProject Quality Profile\n\n", "Project Quality Profile");
  switch (Fmt(G)) {
    case ReportFormat::kCsv:
      PutText(G, "Type,Count,Percent,Quality Notice\n");
      break;
    case ReportFormat::kXml:
      XmlInt(G, "total_notices", total);
      break;
    case ReportFormat::kHtml:
      PutText(G, "<b>  Type  Count Percent  Quality Notice</b>\n");
      break;
    case ReportFormat::kText:
      PutText(G, "  Type  Count Percent  Quality Notice\n");
      break;
  }
  for (int n = 1; n <= kNoticeCount; ++n) {
    const int count = G.notices.run_counts[n];
    if (count > 0) WriteProfileRow(G, n, count, total);
  }
  for (const UdqnDefinition& d : G.udqn.definitions) {
    if (d.active && d.count > 0) WriteProfileRow(G, d.id, d.count, total, true);
  }
  WriteProfileTotal(G, total);
  WriteDensity(G, total);
  WriteSectionEnd(G);
}

}  // namespace zav
