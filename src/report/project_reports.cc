// The end of an analysis run: which project sections a run writes, and in
// what order.
#include "report/project_reports.h"

#include <cstdio>

#include "report/banner.h"
#include "report/benchmark.h"
#include "report/csv_rows.h"
#include "report/estimation.h"
#include "report/file_reports.h"
#include "report/framework.h"
#include "report/machine_output.h"
#include "base/output.h"

namespace zav {
namespace {

bool TextOrHtml(const GlobalData& G) {
  return Fmt(G) == ReportFormat::kText || Fmt(G) == ReportFormat::kHtml;
}

// Sections of a run with per-file reports, each when its report is on.
void WriteNormalSections(GlobalData& G) {
  const Switches& sw = G.sw;
  if (sw.list_file_mode) WriteDirectorySummary(G);
  if (sw.summary) WriteProjectSummary(G);
  if (sw.functional) WriteProjectFunctionalMetrics(G);
  if (sw.objects) {
    WriteProjectClassMetrics(G);
    WriteProjectInterfaceMetrics(G);
    // >>> Inheritance tree (-i): here, between interfaces and namespaces.
    if (sw.inheritance) WriteProjectInheritanceTree(G);
    WriteProjectNamespaceMetrics(G);
  } else if (sw.inheritance) {
    // >>> Inheritance tree (-i) without the objects report.
    WriteProjectInheritanceTree(G);
  }
  if (sw.notices) WriteQualityProfile(G);
}

// Sections of a totals-only run, as its -T letters select them (-Ta all).
void WriteTotalsOnlySections(GlobalData& G) {
  const Switches& sw = G.sw;
  const bool all = sw.totals_all;
  if (all || sw.totals_functions) WriteProjectFunctionalMetrics(G);
  if (all || sw.totals_objects) {
    WriteProjectClassMetrics(G);
    WriteProjectInterfaceMetrics(G);
  }
  // >>> Inheritance tree (-Ti, -Ta): here, before the namespaces.
  if (all || sw.totals_inheritance) WriteProjectInheritanceTree(G);
  if (all || sw.totals_objects) WriteProjectNamespaceMetrics(G);
  if (all || sw.totals_profile) WriteQualityProfile(G);
  if (all || sw.totals_notice_summary) WriteNoticeSummary(G);
  if (all || sw.totals_language) {
    WriteLanguageProfile(G);
    WriteLanguageSummary(G);
  }
  if (sw.list_file_mode) WriteDirectorySummary(G);
  if (all || sw.totals_summary) WriteProjectSummary(G);
}

// The closing rule line of a text or HTML report.
void WriteClosingRule(GlobalData& G) {
  Print(G, "\n  %s%s\n", kHyphens36, kHyphens36);
}

}  // namespace

void WriteProjectReports(GlobalData& G) {
  const Switches& sw = G.sw;
  // The project totals take the place of the file's counters, so that the
  // file report writers print the project reports.
  G.file = G.project;
  if (sw.csv_detail) WriteCsvTotals(G);
  if (sw.function_list || sw.list_files_and_exit) return;
  WriteProjectBanner(G, G.files.files_processed);
  // The CSV banner row has no line end of its own.
  if (Fmt(G) == ReportFormat::kCsv) PutText(G, "\n");
  if (sw.totals_only) {
    WriteTotalsOnlySections(G);
  } else {
    WriteNormalSections(G);
  }
  if (sw.verbose || sw.totals_verbose) WriteKeywordMetrics(G, true);
  if (sw.allocation) WriteMemorySummary(G);
  if (sw.estimate) WriteEstimationAnalysis(G);
  if (sw.files_given || sw.totals_summary) {
    if (Fmt(G) == ReportFormat::kCsv) PutText(G, "\n");
    WriteFileSummaryList(G);
  }
}

void WriteEndOfRunReports(GlobalData& G) {
  const Switches& sw = G.sw;
  if (sw.progress) {
    std::fputs("(100%)\n  Processing Files Complete\n", stderr);
    std::fputs(sw.sort_key != 0 || sw.sort_input_by_name
                   ? "  Sorting, Reporting and Post Processing\n"
                   : "  Reporting and Post Processing\n",
               stderr);
  }
  // >>> Inheritance tree: built (and its notices raised) before the
  // project reports.
  if (sw.totals_all || sw.inheritance) BuildProjectInheritanceTree(G);
  const bool extraction =
      sw.extract_strings || sw.extract_comments || sw.comment_documentation;
  const bool other_mode = sw.code_listing || sw.Decharacter();
  // A machine-readable document writes its own project part.
  if (!other_mode && !extraction && !MachineActive(G)) WriteProjectReports(G);
  if (other_mode) return;
  WriteBenchmarkReport(G);
  // A work file being created reports its completion before the rule.
  if (TextOrHtml(G) && G.baseline.work_file == nullptr) WriteClosingRule(G);
}

void AnnounceFilesProcessed(const GlobalData& G) {
  if (G.sw.progress) {
    std::fprintf(stderr, "  ZAV Processed - %d Files\n", G.files.files_processed);
  }
}

}  // namespace zav
