// The project reports at the end of a run: the sections over all files,
// functions, classes, interfaces, namespaces, languages, directories and
// notices, in the order the run's switches select them.
#pragma once

#include "zav/global_data.h"

namespace zav {

// The end of an analysis run after the last file: the progress lines, the
// inheritance tree, the project reports (not in code listing, extraction
// or de-character mode), the benchmark report and, in text and HTML, the
// closing rule line. The caller then closes the report.
void WriteEndOfRunReports(GlobalData& G);

// "  ZAV Processed - N Files" on standard error when progress is shown;
// written after the report is closed.
void AnnounceFilesProcessed(const GlobalData& G);

// The project totals loaded into G.file, then the CSV detail totals and,
// unless the function list (-l) or -Rl is on, the project banner and the
// sections of a normal or a totals-only run.
void WriteProjectReports(GlobalData& G);

// The sections. Each writes nothing when it has nothing to show (no
// functions, no classes, ...).
void WriteProjectSummary(GlobalData& G);  // "Total Project Summary"
void WriteProjectFunctionalMetrics(GlobalData& G);
void WriteProjectClassMetrics(GlobalData& G);
void WriteProjectInterfaceMetrics(GlobalData& G);
void WriteProjectNamespaceMetrics(GlobalData& G);
void WriteLanguageSummary(GlobalData& G);
void WriteLanguageProfile(GlobalData& G);
void WriteDirectorySummary(GlobalData& G);
void WriteQualityProfile(GlobalData& G);  // with the notice density
void WriteNoticeSummary(GlobalData& G);

// "File Summary" (the sort line and the file counts by language) or, with
// -Td, "File Detail Summary" (each analysed file in the order of the sort
// key, the totals and averages, then the file counts).
void WriteFileSummaryList(GlobalData& G);

// Seams of the class inheritance tree, built and written by the quality
// subsystem, which defines them (quality/report_seams.cc), as it defines
// the quality sections above: BuildProjectInheritanceTree runs at the start of the end of the run
// (with -Ta or -i); WriteProjectInheritanceTree is called where the tree
// goes in the section order. The tree is written once per run.
void BuildProjectInheritanceTree(GlobalData& G);
void WriteProjectInheritanceTree(GlobalData& G);

}  // namespace zav
