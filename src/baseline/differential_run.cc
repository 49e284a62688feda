#include "baseline/differential_run.h"

#include <algorithm>
#include <cstdio>

#include "baseline/diff_report.h"
#include "report/banner.h"
#include "report/framework.h"
#include "base/output.h"
#include "base/xml_text.h"

namespace zav {
namespace {

void Progress(const GlobalData& G, const char* format, const char* text) {
  if (G.sw.output_to_file) std::fprintf(stderr, format, text);
}

const char* YesNo(bool value) { return value ? "Yes" : "No"; }

// Baselines made with different line settings cannot be compared.
bool SameConstraints(GlobalData& G, const WorkFileData& older, const WorkFileData& newer) {
  const char* setting = nullptr;
  bool o = false, n = false;
  if (older.ignore_white_space != newer.ignore_white_space) {
    setting = "Ignore White Space";
    o = older.ignore_white_space;
    n = newer.ignore_white_space;
  } else if (older.ignore_blank_lines != newer.ignore_blank_lines) {
    setting = "Ignore Blank Lines";
    o = older.ignore_blank_lines;
    n = newer.ignore_blank_lines;
  }
  if (setting == nullptr) return true;
  Print(G,
        "\n  Error: The older and current work files have not been\n"
        "         created with the same constraints.  These settings are\n"
        "         located in the ZAV configuration file.\n"
        "         Older Work File: %s - %s\n         Newer Work File: %s - %s\n"
        "         This condition will create erroneous metrics.\n",
        setting, YesNo(o), setting, YesNo(n));
  return false;
}

// The per-file rows in the order of the sort key (-k): 1 name, 2 LOC,
// 3 eLOC, 4 lLOC, 5 cyclomatic complexity, 6 state; others keep the
// order of the newer work file followed by the removed files.
void SortRows(const GlobalData& G, std::vector<DiffRow>& rows) {
  const int key = G.sw.sort_key;
  if (key < 1 || key > 6) return;
  const bool descending = G.sw.sort_descending;
  auto value = [key](const DiffRow& r) -> int64_t {
    switch (key) {
      case 2: return r.values[kDiffLoc];
      case 3: return r.values[kDiffEloc];
      case 4: return r.values[kDiffLloc];
      case 5: return r.values[kDiffCyclomatic];
      default: return r.state;
    }
  };
  std::stable_sort(rows.begin(), rows.end(), [&](const DiffRow& a, const DiffRow& b) {
    if (key == 1) return descending ? b.name < a.name : a.name < b.name;
    return descending ? value(b) < value(a) : value(a) < value(b);
  });
}

int EndReport(GlobalData& G, int exit_code) {
  if (Fmt(G) == ReportFormat::kXml) PutText(G, "</report>\n");
  WriteReportEnd(G);
  CloseReportStream(G);
  return exit_code;
}

}  // namespace

int ReportDifferentials(GlobalData& G) {
  const ReportFormat format = Fmt(G);
  if (format == ReportFormat::kCsv || format == ReportFormat::kXml) {
    WriteDocumentHead(G);
  } else {
    WriteBanner(G);
  }
  const std::string& config_path = G.run.workdiff_path;
  Progress(G, "Loading Report Configuration: %s\n", config_path.c_str());
  const FieldConfig config = LoadFieldConfig(config_path);
  const bool code_mode = G.sw.work_code_diff;
  WriteDiffTitle(G, code_mode);
  WriteDiffNotes(G);
  WorkFileData older, newer;
  Progress(G, "  Loading Older Work File: %s\n", G.sw.work_diff_older.c_str());
  if (!LoadWorkFile(G, G.sw.work_diff_older, older)) {
    Print(G, "\n  Error: Failed to load work file, %s\n",
          MessageName(G, G.sw.work_diff_older).c_str());
    return EndReport(G, 0);
  }
  Progress(G, "  Loading Newer Work File: %s\n", G.sw.work_diff_newer.c_str());
  if (!LoadWorkFile(G, G.sw.work_diff_newer, newer)) {
    Print(G, "\n  Error: Failed to load work file, %s\n",
          MessageName(G, G.sw.work_diff_newer).c_str());
    return EndReport(G, 0);
  }
  if (!SameConstraints(G, older, newer)) return EndReport(G, 1);
  const int64_t delta = newer.created - older.created;
  if (delta < 0) {
    PutText(G, "\n  Warning: The older work file was created after the present work file.\n\n");
  }
  BaselineDiff diff;
  CompareBaselines(G, older, newer, config, diff);
  SortRows(G, diff.rows);
  const DiffReport report{older, newer, config, diff, ComputeWorkTime(G.settings, delta)};
  WriteBaselineTimes(G, report);
  if (!G.sw.totals_work) WriteFileListing(G, report);
  WriteDiffProfile(G, report);
  WriteProductivity(G, report);
  WriteBaselineTotals(G, report);
  WriteWorkTimeBasis(G);
  WriteDiffGlossary(G, code_mode);
  if (G.sw.output_to_file) {
    std::fprintf(stderr,
                 "  %d Older Work Files\n  %d Newer Work Files\n"
                 "  Work File Differential Extraction Complete\n",
                 static_cast<int>(older.files.size()), static_cast<int>(newer.files.size()));
  }
  return EndReport(G, 0);
}

}  // namespace zav
