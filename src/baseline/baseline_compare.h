// Comparing two baselines: files matched by their stored path, each given
// a state (new, removed, equal, modified/differing) and its differences,
// summed per state and into the differential totals.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "baseline/field_config.h"
#include "baseline/work_file_reader.h"
#include "zav/global_data.h"

namespace zav {

enum FileState {
  kStateUnp, kStateEqu, kStateMod, kStateDif, kStateRem, kStateNew, kStatePrc, kStateTot,
  kStateCount
};

// "Unp", "Equ", ... "Tot".
const char* StateLabel(int state);

// The integer columns of the differential report, in column order; the
// twelfth column, eLOC%, is kept apart.
enum DiffMetric {
  kDiffLoc, kDiffEloc, kDiffLloc, kDiffComments, kDiffBlanks, kDiffLines,
  kDiffFunctions, kDiffCyclomatic, kDiffInterface, kDiffComplexity, kDiffQuality,
  kDiffMetricCount
};
inline constexpr int kDiffColumnCount = kDiffMetricCount + 1;

// The configuration field of each column (the last is ELOC_PERCENT_DIFF).
extern const std::array<int, kDiffColumnCount> kDiffColumnField;

using MetricValues = std::array<int64_t, kDiffMetricCount>;

struct DiffRow {
  std::string name;
  int state = kStateUnp;
  MetricValues values{};
  double eloc_percent = 0;
};

struct GroupTotals {
  int32_t files = 0;
  MetricValues values{};
  int64_t older_eloc = 0;  // older eLOC behind the group's eLOC change
};

struct BaselineDiff {
  bool code_mode = false;
  std::vector<DiffRow> rows;
  GroupTotals newer, older;  // the whole work files
  std::array<GroupTotals, kStateCount> group{};
  MetricValues total{};  // the differential total of each metric
};

// The metrics of a record in column order.
MetricValues RecordValues(const WorkRecord& r);

// A removed file's value with the metric's configured sign (+ or -).
int64_t SignedValue(const FieldConfig& config, int64_t value, int column);

// eLOC change in percent of the older eLOC; with an older eLOC of 0 or
// less, 100 when the newer eLOC is positive, else 0.
double ElocPercent(int64_t older_eloc, int64_t newer_eloc, int64_t change);

// Matches and compares the files of the two work files.
void CompareBaselines(GlobalData& G, WorkFileData& older, WorkFileData& newer,
                      const FieldConfig& config, BaselineDiff& out);

}  // namespace zav
