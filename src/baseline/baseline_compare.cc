#include "baseline/baseline_compare.h"

#include <cctype>
#include <unordered_map>

#include "baseline/alignment.h"

namespace zav {

const std::array<int, kDiffColumnCount> kDiffColumnField = {
    MetricFieldIndex("LOC_COUNT"),          MetricFieldIndex("ELOC_COUNT"),
    MetricFieldIndex("LLOC_COUNT"),         MetricFieldIndex("COMMENT_LINE_COUNT"),
    MetricFieldIndex("BLANK_LINE_COUNT"),   MetricFieldIndex("PHYSICAL_LINE_COUNT"),
    MetricFieldIndex("FUNCTION_COUNT"),     MetricFieldIndex("CYCLOMATIC_COMPLEXITY"),
    MetricFieldIndex("INTERFACE_COMPLEXITY"), MetricFieldIndex("TOTAL_COMPLEXITY"),
    MetricFieldIndex("QUALITY_NOTICE_COUNT"), MetricFieldIndex("ELOC_PERCENT_DIFF")};

namespace {

std::string MatchKey(const GlobalData& G, const std::string& path) {
  if (G.settings.case_sensitive_names) return path;
  std::string key = path;
  for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return key;
}

// A state left out with -wn, -wr, -we or -wm is neither listed nor counted
// in the profile or the differential totals; the totals of the two work
// files still hold every file.
bool Skipped(const GlobalData& G, int state) {
  const Switches& sw = G.sw;
  switch (state) {
    case kStateNew: return sw.work_skip_new;
    case kStateRem: return sw.work_skip_removed;
    case kStateEqu: return sw.work_skip_equal;
    default: return sw.work_skip_modified;
  }
}

void AddTo(GroupTotals& totals, const MetricValues& values) {
  ++totals.files;
  for (int m = 0; m < kDiffMetricCount; ++m) totals.values[m] += values[m];
}

// The differences of a file present in both baselines. In code mode the
// line figures come from aligning the two differential files; a pair whose
// differential files cannot both be loaded is measured by size.
MetricValues Differences(GlobalData& G, const WorkFileData& older_file,
                         const WorkFileData& newer_file, const WorkRecord& o,
                         const WorkRecord& n, bool& changed_lines) {
  const MetricValues ov = RecordValues(o), nv = RecordValues(n);
  MetricValues diff;
  for (int m = 0; m < kDiffMetricCount; ++m) diff[m] = nv[m] - ov[m];
  changed_lines = false;
  // A record without a differential file (a baseline made without -wd)
  // is measured by size.
  if (!G.sw.work_code_diff || o.diff_path.empty() || n.diff_path.empty()) return diff;
  // The verbose differential mode (-wv) names every compared pair, as the
  // detailed progress of a run with -O does.
  if (G.sw.work_verbose || (G.sw.output_to_file && G.settings.detailed_progress)) {
    std::fprintf(stderr, "  + %s vs %s\n", o.path.c_str(), n.path.c_str());
  }
  std::vector<DiffLine> older_lines, newer_lines;
  if (LoadDifferentialFile(G, o.diff_path, older_file.path, older_lines) < 0 ||
      LoadDifferentialFile(G, n.diff_path, newer_file.path, newer_lines) < 0) {
    return diff;
  }
  LineCounters counters;
  if (!CompareFileLines(G, n.path, older_lines, newer_lines, G.settings.max_lcs_lines,
                        counters)) {
    return diff;
  }
  const CodeDiffFigures f = FiguresFromCounters(counters, G.settings.add_removed_as_modified);
  diff[kDiffLoc] = f.loc;
  diff[kDiffEloc] = f.eloc;
  diff[kDiffLloc] = f.lloc;
  diff[kDiffComments] = f.comments;
  diff[kDiffBlanks] = f.blanks;
  diff[kDiffLines] = f.lines;
  for (int g = 0; g < kLineGroupCount; ++g) {
    changed_lines |= counters.mod[g] != 0 || counters.rm[g] != 0;
  }
  return diff;
}

}  // namespace

const char* StateLabel(int state) {
  static const char* const kLabels[kStateCount] = {"Unp", "Equ", "Mod", "Dif",
                                                   "Rem", "New", "Prc", "Tot"};
  return state >= 0 && state < kStateCount ? kLabels[state] : "Unp";
}

MetricValues RecordValues(const WorkRecord& r) {
  return {r.loc,        r.eloc,       r.lloc,        r.comments,
          r.blanks,     r.lines,      r.functions,   r.cyclomatic,
          r.interface_complexity, r.total_complexity, r.notices};
}

int64_t SignedValue(const FieldConfig& config, int64_t value, int column) {
  return config.plus[kDiffColumnField[column]] ? value : -value;
}

double ElocPercent(int64_t older_eloc, int64_t newer_eloc, int64_t change) {
  if (older_eloc <= 0) return newer_eloc > 0 ? 100.0 : 0.0;
  return static_cast<double>(change) / static_cast<double>(older_eloc) * 100.0;
}

void CompareBaselines(GlobalData& G, WorkFileData& older, WorkFileData& newer,
                      const FieldConfig& config, BaselineDiff& out) {
  out.code_mode = G.sw.work_code_diff;
  std::unordered_multimap<std::string, size_t> by_path;
  for (size_t i = 0; i < older.files.size(); ++i) {
    by_path.emplace(MatchKey(G, older.files[i].path), i);
    AddTo(out.older, RecordValues(older.files[i]));
  }
  for (WorkRecord& n : newer.files) {
    AddTo(out.newer, RecordValues(n));
    WorkRecord* match = nullptr;
    auto range = by_path.equal_range(MatchKey(G, n.path));
    for (auto it = range.first; it != range.second && match == nullptr; ++it) {
      if (older.files[it->second].state != kStatePrc) match = &older.files[it->second];
    }
    DiffRow row;
    row.name = n.path;
    const MetricValues nv = RecordValues(n);
    int64_t older_eloc = 0;
    if (match == nullptr) {
      row.state = kStateNew;
      row.values = nv;
      row.eloc_percent = ElocPercent(0, n.eloc, n.eloc);
    } else {
      match->state = kStatePrc;
      older_eloc = match->eloc;
      bool changed_lines = false;
      // Listing the line details is part of processing a changed file.
      if (Skipped(G, kStateMod) && Skipped(G, kStateEqu)) continue;
      row.values = Differences(G, older, newer, *match, n, changed_lines);
      // In code mode a file is equal only when every line is: a removed
      // line alone (not counted as modified) still makes it differ.
      bool any = changed_lines;
      for (int64_t v : row.values) any |= v != 0;
      row.state = !any ? kStateEqu : out.code_mode ? kStateDif : kStateMod;
      row.eloc_percent = row.state == kStateEqu
                             ? 0.0
                             : ElocPercent(match->eloc, n.eloc, row.values[kDiffEloc]);
      if (row.state == kStateEqu) row.values = MetricValues{};
    }
    n.state = row.state;
    if (Skipped(G, row.state)) continue;
    GroupTotals& group = out.group[row.state];
    AddTo(group, row.values);
    group.older_eloc += older_eloc;
    for (int m = 0; m < kDiffMetricCount; ++m) out.total[m] += row.values[m];
    out.rows.push_back(std::move(row));
  }
  for (WorkRecord& o : older.files) {
    if (o.state == kStatePrc) continue;
    o.state = kStateRem;
    if (Skipped(G, kStateRem)) continue;
    DiffRow row;
    row.name = o.path;
    row.state = kStateRem;
    const MetricValues ov = RecordValues(o);
    for (int m = 0; m < kDiffMetricCount; ++m) row.values[m] = SignedValue(config, ov[m], m);
    row.eloc_percent = SignedValue(config, 100, kDiffMetricCount);
    GroupTotals& group = out.group[kStateRem];
    AddTo(group, row.values);
    group.older_eloc += o.eloc;
    for (int m = 0; m < kDiffMetricCount; ++m) out.total[m] += row.values[m];
    out.rows.push_back(std::move(row));
  }
}

}  // namespace zav
