// The file's summary sections, the end-of-file marker, the XML file
// enclosure and the per-file output step of the run.
#include "report/file_reports.h"

#include <string>

#include "report/csv_rows.h"
#include "report/framework.h"
#include "report/metric_lines.h"
#include "base/output.h"
#include "base/text_util.h"

namespace zav {
namespace {

bool TextOrHtml(const GlobalData& G) {
  return Fmt(G) == ReportFormat::kText || Fmt(G) == ReportFormat::kHtml;
}

void WriteSummaryTitle(GlobalData& G, bool project) {
  const Switches& sw = G.sw;
  const FileMetrics& f = G.file;
  const ReportFormat format = Fmt(G);
  // In function metrics mode a file without functions or notices has
  // written no block since its header, so no rule is needed to close one.
  const bool rule = sw.PerFileDetail() && format != ReportFormat::kCsv &&
                    (!sw.functional || f.functions_count > 0 ||
                     f.quality_notice_count > 0);
  if (rule) WriteHyphenRule(G);
  const char* title =
      project ? "~~ Total Project Summary ~~" : "~~ Total File Summary ~~";
  CenterTitle(G, title);
  if (format == ReportFormat::kCsv) {
    PutText(G, project ? "Total Project Summary\n" : "Total File Summary\n");
  }
}

// "Average per File": each LOC value over the files processed, truncated.
void WriteAveragePerFileLine(GlobalData& G) {
  const FileMetrics& f = G.file;
  const int files = G.files.files_processed;
  auto avg = [files](int64_t value) { return files > 0 ? value / files : 0; };
  Print(G, "  Average per File, metric/%-d files\n", files);
  WriteLocLine(G, avg(f.loc_count), avg(f.Eloc()), avg(f.Lloc()),
               avg(f.comment_lines_count), avg(f.total_physical_lines_count));
}

}  // namespace

void WriteFileSummary(GlobalData& G, bool project, bool averages) {
  const FileMetrics& f = G.file;
  const Switches& sw = G.sw;
  if (Fmt(G) != ReportFormat::kXml && !sw.function_list) {
    WriteSummaryTitle(G, project);
  }
  WriteLocLine(G, f.loc_count, f.Eloc(), f.Lloc(), f.comment_lines_count,
               f.total_physical_lines_count);
  if (averages && project && TextOrHtml(G)) WriteAveragePerFileLine(G);
  if (sw.function_points) {
    WriteFunctionPointLine(G, f.fp_loc, f.fp_eloc, f.fp_lloc);
  }
  if (f.skipped_lines_count > 0) {
    if (Fmt(G) == ReportFormat::kText) {
      Print(G, "  Total physical lines skipped from skip token match: %ld\n\n",
            f.skipped_lines_count);
    } else if (Fmt(G) == ReportFormat::kHtml) {
      Print(G,
            "  <B>Total physical lines skipped from skip token match:</B> "
            "%ld\n\n",
            f.skipped_lines_count);
    }
  }
  if (sw.PerFileDetail() && !sw.summary && TextOrHtml(G)) PutText(G, "\n");
}

void WriteMemorySummary(GlobalData& G) {
  const FileMetrics& f = G.file;
  if (f.memory_alloc_count <= 0 && f.memory_free_count <= 0 &&
      f.memory_new_count <= 0 && f.memory_delete_count <= 0) {
    return;
  }
  WriteSectionTitle(G, "~~ Memory Allocation/De-allocation Summary ~~",
                    "Memory Allocation/De-allocation Summary");
  switch (Fmt(G)) {
    case ReportFormat::kText:
      Print(G, "\n%s%10ld", "  Memory alloc count ....: ", f.memory_alloc_count);
      Print(G, "  Memory free count .....: %10ld\n", f.memory_free_count);
      Print(G, "%s%10ld", "  Memory new count ......: ", f.memory_new_count);
      Print(G, "  Memory delete count ...: %10ld\n", f.memory_delete_count);
      break;
    case ReportFormat::kHtml:
      Print(G, "\n%s%10ld", "  <b>Memory alloc count</b> ....: ",
            f.memory_alloc_count);
      Print(G, "  <b>Memory free count</b> .....: %10ld\n", f.memory_free_count);
      Print(G, "%s%10ld", "  <b>Memory new count</b> ......: ",
            f.memory_new_count);
      Print(G, "  <b>Memory delete count</b> ...: %10ld\n",
            f.memory_delete_count);
      break;
    case ReportFormat::kCsv:
      Print(G, "Memory alloc count,%ld,Memory free count,%ld\n",
            f.memory_alloc_count, f.memory_free_count);
      Print(G, "Memory new count,%ld,Memory delete count,%ld\n",
            f.memory_new_count, f.memory_delete_count);
      break;
    case ReportFormat::kXml:
      Print(G, "<memory_alloc_count>%ld</memory_alloc_count>\n",
            f.memory_alloc_count);
      Print(G, "<memory_free_count>%ld</memory_free_count>\n",
            f.memory_free_count);
      Print(G, "<memory_new_count>%ld</memory_new_count>\n", f.memory_new_count);
      Print(G, "<memory_delete_count>%ld</memory_delete_count>\n",
            f.memory_delete_count);
      break;
  }
  WriteSectionEnd(G);
}

void WriteEndOfFile(GlobalData& G, const std::string& name) {
  if (!G.sw.PerFileDetail() || G.sw.totals_only) return;
  switch (Fmt(G)) {
    case ReportFormat::kText: {
      std::string room;
      PutJoined(G, {"  ", kUnderscores36, kUnderscores36, "\n  End of File: ",
                    ShownName(G, name, 66, 8, room), "\n\n"});
      break;
    }
    case ReportFormat::kHtml: {
      Print(G, "  %s%s\n", kUnderscores36, kUnderscores36);
      char marker[3 * 2048 + 128];
      std::snprintf(marker, sizeof marker,
                    "<b>%s</b><b><a href=\"%s\" target=\"_blank\">%s</a></b>\n",
                    "End of File: ", HtmlText(MakeFileLink(G, name)).c_str(),
                    HtmlText(WrapName(G, name, 66, 8)).c_str());
      Print(G, "  %s\n\n", marker);
      break;
    }
    case ReportFormat::kCsv:
      PutText(G, "File End\n");
      break;
    case ReportFormat::kXml:
      break;
  }
}

bool XmlFileElements(const GlobalData& G) {
  return Fmt(G) == ReportFormat::kXml && !G.sw.totals_no_file_names;
}

void WriteXmlFileOpen(GlobalData& G) {
  if (XmlFileElements(G)) PutText(G, "<file>\n");
}

void WriteXmlFileClose(GlobalData& G) {
  if (!XmlFileElements(G)) return;
  const FileMetrics& f = G.file;
  if (!G.sw.list_files_and_exit) {
    WriteLocLine(G, f.loc_count, f.Eloc(), f.Lloc(), f.comment_lines_count,
                 f.total_physical_lines_count);
    if (G.sw.function_points) {
      WriteFunctionPointLine(G, f.fp_loc, f.fp_eloc, f.fp_lloc);
    }
  }
  PutText(G, "</file>\n");
}

void WritePerFileOutput(GlobalData& G, const FileEntry& entry) {
  const Switches& sw = G.sw;
  const FileMetrics& f = G.file;
  if (sw.csv_detail) {
    WriteCsvFunctionRows(G);
    WriteCsvFileRow(G, entry);
    return;
  }
  const bool extraction =
      sw.extract_strings || sw.extract_comments || sw.comment_documentation;
  // XML with -v and without -Tv writes the per-file sections.
  const bool totals_only =
      sw.totals_only &&
      !(Fmt(G) == ReportFormat::kXml && sw.verbose && !sw.totals_verbose);
  if (!extraction && !totals_only) {
    if (sw.summary || sw.functional) WriteFileSummary(G, false);
    if ((sw.functional || sw.function_list) && f.functions_count > 0) {
      WriteFileFunctionalSummary(G);
    }
    if (sw.allocation) WriteMemorySummary(G);
    if (sw.verbose) WriteKeywordMetrics(G, false);
  }
  if (sw.report_switch_given && !sw.totals_only) WriteEndOfFile(G, entry.name);
}

}  // namespace zav
