// "Total Project Summary" in its four forms and the "Project Directory
// Summary" of a list-file run.
#include "report/file_reports.h"
#include "base/csv_field.h"
#include "report/framework.h"
#include "base/output.h"
#include "report/project_common.h"
#include "report/project_reports.h"
#include "base/text_util.h"

namespace zav {

void WriteProjectSummary(GlobalData& G) {
  const FileMetrics& f = G.file;
  const double comments_per_eloc =
      f.Eloc() == 0 ? 0.0 : static_cast<double>(f.comment_lines_count) / f.Eloc();
  switch (Fmt(G)) {
    case ReportFormat::kCsv:
      PutText(G, "Total Project Summary\n\n");
      if (f.skipped_lines_count > 0) {
        Print(G, "Total,Skipped,Lines,%ld\n", f.skipped_lines_count);
      }
      if (G.sw.function_points) {
        PutText(G, "Function,Point,Totals\n");
        Print(G, "FP LOC,%10.1f,FP eLOC,%10.1f,FP lLOC,%10.1f,\n\n", f.fp_loc,
              f.fp_eloc, f.fp_lloc);
      }
      PutText(G, "Project,Totals\n");
      Print(G, "LOC,%ld,eLOC,%ld,lLOC,%ld,Comment,%ld,Lines,%ld,Comment/eLOC,%.2f\n\n",
            f.loc_count, f.Eloc(), f.Lloc(), f.comment_lines_count,
            f.total_physical_lines_count, comments_per_eloc);
      break;
    case ReportFormat::kXml:
      PutText(G, "<totals>\n");
      XmlInt(G, "loc", f.loc_count);
      XmlInt(G, "eloc", f.Eloc());
      XmlInt(G, "lloc", f.Lloc());
      XmlInt(G, "comments", f.comment_lines_count);
      XmlInt(G, "lines", f.total_physical_lines_count);
      XmlReal(G, "comment_per_eloc", "%.2f", comments_per_eloc);
      XmlReal(G, "function_point_loc", "%.1f", f.fp_loc);
      XmlReal(G, "function_point_eloc", "%.1f", f.fp_eloc);
      XmlReal(G, "function_point_lloc", "%.1f", f.fp_lloc);
      XmlInt(G, "lines_skipped", f.skipped_lines_count);
      PutText(G, "</totals>\n");
      break;
    default:
      PutText(G, "\n");
      WriteFileSummary(G, true, true);
      break;
  }
}

void WriteDirectorySummary(GlobalData& G) {
  if (G.files.directories.empty()) return;
  OpenProjectSection(G, "~~ Project Directory Summary ~~",
                     "Project Directory Summary\n", "Project Directory Summary");
  const ReportFormat format = Fmt(G);
  if (format == ReportFormat::kXml) PutText(G, "<project_directory_summary>\n");
  for (const DirectoryTotal& d : G.files.directories) {
    switch (format) {
      case ReportFormat::kText:
        Print(G, "  Files %d - %s\n", d.files, d.name.c_str());
        break;
      case ReportFormat::kHtml:
        Print(G, "  <b>Files</b> %d - %s\n", d.files, HtmlText(d.name).c_str());
        break;
      case ReportFormat::kCsv:
        Print(G, "Files,%d,%s\n", d.files, CsvField(d.name).c_str());
        break;
      case ReportFormat::kXml:
        Print(G, "<directory>\n<name>%s</name>\n<file_count>%d</file_count>\n",
              XmlEscape(d.name).c_str(), d.files);
        PutText(G, "</directory>\n");
        break;
    }
  }
  if (format == ReportFormat::kXml) PutText(G, "</project_directory_summary>\n");
  WriteSectionEnd(G);
}

}  // namespace zav
