// The sections of the baseline differential report, in the four formats.
#pragma once

#include "baseline/baseline_compare.h"
#include "baseline/productivity.h"
#include "zav/global_data.h"

namespace zav {

struct DiffReport {
  const WorkFileData& older;
  const WorkFileData& newer;
  const FieldConfig& config;
  const BaselineDiff& diff;
  WorkTime time;
};

// The column texts of the twelve report columns.
struct DiffColumn {
  const char* header;       // "    LOC"
  const char* csv_header;   // ",LOC"
  const char* total_label;  // "  LOC      "
  const char* xml_row;      // per-file and profile element
  const char* xml_rate;     // productivity element
  const char* xml_percent;  // size differential percent element
};
extern const DiffColumn kDiffColumns[kDiffColumnCount];

// Title, notes on the parts left out, and the note a section title gets.
void WriteDiffTitle(GlobalData& G, bool code_mode);
void WriteDiffNotes(GlobalData& G);
void WriteDiffSubtitle(GlobalData& G, const char* title);

// Work files, creation dates, time delta and (with -wp) work time.
void WriteBaselineTimes(GlobalData& G, const DiffReport& r);
// The per-file listing and the profile by state.
void WriteFileListing(GlobalData& G, const DiffReport& r);
void WriteDiffProfile(GlobalData& G, const DiffReport& r);

// diff_report_totals.cc: productivity, the totals of both baselines and
// their size differential, the work-time basis and the glossary.
void WriteProductivity(GlobalData& G, const DiffReport& r);
void WriteBaselineTotals(GlobalData& G, const DiffReport& r);
void WriteWorkTimeBasis(GlobalData& G);
void WriteDiffGlossary(GlobalData& G, bool code_mode);

}  // namespace zav
