// The closing sections of the differential report: productivity, totals,
// size differential, work-time basis and glossary.
#include <string>

#include "baseline/diff_report.h"
#include "report/framework.h"
#include "base/output.h"

namespace zav {
namespace {

bool On(const DiffReport& r, int column) { return r.config.on[kDiffColumnField[column]]; }

std::string Trimmed(const char* label) {
  std::string text(label);
  text.erase(0, text.find_first_not_of(' '));
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

// One "label value" line per configured metric (text "%7d", CSV ",%7d").
void WriteMetricLines(GlobalData& G, const DiffReport& r, const char* xml_element,
                      const char* file_element, int32_t files, const MetricValues& v) {
  switch (Fmt(G)) {
    case ReportFormat::kXml:
      Print(G, "<%s>\n<%s>%d</%s>\n", xml_element, file_element, files, file_element);
      for (int c = 0; c < kDiffMetricCount; ++c) {
        Print(G, "<%s>%lld</%s>\n", kDiffColumns[c].xml_row, static_cast<long long>(v[c]),
              kDiffColumns[c].xml_row);
      }
      Print(G, "</%s>\n", xml_element);
      return;
    case ReportFormat::kCsv:
      Print(G, "Files,%7d\n", files);
      for (int c = 0; c < kDiffMetricCount; ++c) {
        if (On(r, c)) {
          Print(G, "%s,%7lld\n", Trimmed(kDiffColumns[c].total_label).c_str(),
                static_cast<long long>(v[c]));
        }
      }
      return;
    default:
      Print(G, "  Files    %7d\n", files);
      for (int c = 0; c < kDiffMetricCount; ++c) {
        if (On(r, c)) {
          Print(G, "%s%7lld\n", kDiffColumns[c].total_label, static_cast<long long>(v[c]));
        }
      }
      return;
  }
}

// (new - old) / old * 100; with old 0, 100 when new is positive, else 0.
double ChangePercent(int64_t older, int64_t newer) {
  if (older == 0) return newer > 0 ? 100.0 : 0.0;
  return static_cast<double>(newer - older) / static_cast<double>(older) * 100.0;
}

void WritePercentLines(GlobalData& G, const DiffReport& r) {
  const GroupTotals& o = r.diff.older;
  const GroupTotals& n = r.diff.newer;
  const ReportFormat format = Fmt(G);
  if (format == ReportFormat::kXml) {
    PutText(G, "<total_metrics_size_differential_percent>\n");
    for (int c = 0; c < kDiffMetricCount; ++c) {
      Print(G, "<%s>%.2f</%s>\n", kDiffColumns[c].xml_percent,
            ChangePercent(o.values[c], n.values[c]), kDiffColumns[c].xml_percent);
    }
    PutText(G, "</total_metrics_size_differential_percent>\n");
    return;
  }
  if (format == ReportFormat::kCsv) {
    PutText(G, "\nTotal Metrics Size Differential Percent = [(new-old)/old * 100]\n");
    Print(G, "Files,%7.2f %%\n", ChangePercent(o.files, n.files));
  } else {
    if (format == ReportFormat::kHtml) {
      Print(G,
            "\n  <b><font color=\"%s\">Total Metrics Size Differential Percent = "
            "[(new-old)/old * 100]</font></b>\n",
            Color(G, kColorHeader));
    } else {
      PutText(G, "\n  Total Metrics Size Differential Percdent = [(new-old)/old * 100]\n");
    }
    Print(G, "  Files %7.2f %%\n", ChangePercent(o.files, n.files));
  }
  for (int c = 0; c < kDiffMetricCount; ++c) {
    if (!On(r, c)) continue;
    const double p = ChangePercent(o.values[c], n.values[c]);
    if (format == ReportFormat::kCsv) {
      Print(G, "%s,%7.2f %%\n", Trimmed(kDiffColumns[c].total_label).c_str(), p);
    } else {
      Print(G, "%s%7.2f %%\n", kDiffColumns[c].total_label, p);
    }
  }
}

void WriteRateRow(GlobalData& G, const DiffReport& r, const char* unit, const char* xml_element,
                  double per) {
  const MetricValues& total = r.diff.total;
  switch (Fmt(G)) {
    case ReportFormat::kXml:
      if (xml_element == nullptr) return;
      Print(G, "<%s>\n", xml_element);
      for (int c = 0; c < kDiffMetricCount; ++c) {
        Print(G, "<%s>%7.0f</%s>\n", kDiffColumns[c].xml_rate,
              Rate(static_cast<double>(total[c]), per), kDiffColumns[c].xml_rate);
      }
      Print(G, "</%s>\n", xml_element);
      return;
    case ReportFormat::kCsv:
      PutText(G, "Tot");
      for (int c = 0; c < kDiffMetricCount; ++c) {
        if (On(r, c)) Print(G, ",%7.0f", Rate(static_cast<double>(total[c]), per));
      }
      Print(G, ",%s\n", unit + 3);
      return;
    default:
      Print(G, "  %s ", "Tot");
      for (int c = 0; c < kDiffMetricCount; ++c) {
        if (On(r, c)) Print(G, " %7.0f", Rate(static_cast<double>(total[c]), per));
      }
      Print(G, " %s\n", unit);
      return;
  }
}

}  // namespace

void WriteProductivity(GlobalData& G, const DiffReport& r) {
  if (!G.sw.work_productivity) return;
  const WorkTime& t = r.time;
  const ReportFormat format = Fmt(G);
  if (t.man_hours < 1.0) {
    if (format == ReportFormat::kHtml) {
      Print(G,
            "\n  <b><font color=\"%s\">Productivity Estimate</font> cannot be calculated on Man "
            "Hours < 1.0</b>\n",
            Color(G, kColorHeader));
    } else if (format == ReportFormat::kCsv) {
      PutText(G, "\nProductivity Estimate cannot be calculated on Man Hours < 1.0\n");
    } else if (format == ReportFormat::kText) {
      PutText(G, "\n  Productivity Estimate cannot be calculated on Man Hours < 1.0\n");
    }
    return;
  }
  if (format == ReportFormat::kXml) {
    PutText(G, "<productivity_estimate>\n");
  } else {
    PutText(G, format == ReportFormat::kCsv ? "\nProductivity Estimate\n"
                                            : "\n  Productivity Estimate\n");
    std::string header = format == ReportFormat::kCsv ? "State" : "  State";
    for (int c = 0; c < kDiffMetricCount; ++c) {
      if (On(r, c)) {
        header += format == ReportFormat::kCsv ? kDiffColumns[c].csv_header : kDiffColumns[c].header;
      }
    }
    PutText(G, header + (format == ReportFormat::kCsv ? ",Rate\n" : " Rate\n"));
  }
  WriteRateRow(G, r, "   Per Man Hour", "totals_man_hour", t.man_hours);
  WriteRateRow(G, r, "   Per Man Day", "totals_man_days", t.man_days);
  WriteRateRow(G, r, "   Per Man Week", "totals_man_week", t.man_weeks);
  WriteRateRow(G, r, "   Per Man Month", "totals_man_month", t.man_months);
  WriteRateRow(G, r, "   Per Man Year", nullptr, t.man_years);
  if (format == ReportFormat::kXml) PutText(G, "</productivity_estimate>\n");
}

void WriteBaselineTotals(GlobalData& G, const DiffReport& r) {
  const BaselineDiff& d = r.diff;
  const bool xml = Fmt(G) == ReportFormat::kXml;
  if (!xml) WriteDiffSubtitle(G, "Total Metrics Newer Source Files");
  WriteMetricLines(G, r, "metrics_newer_work_files", "file_count", d.newer.files, d.newer.values);
  if (!xml) WriteDiffSubtitle(G, "Total Metrics Older Source Files");
  WriteMetricLines(G, r, "metrics_older_work_files", "file_count", d.older.files, d.older.values);
  MetricValues change{};
  for (int c = 0; c < kDiffMetricCount; ++c) change[c] = d.newer.values[c] - d.older.values[c];
  if (!xml) WriteDiffSubtitle(G, "Total Metrics Size Differential (new-old)");
  WriteMetricLines(G, r, "total_metrics_size_differential", "file_count",
                   d.newer.files - d.older.files, change);
  WritePercentLines(G, r);
}

void WriteWorkTimeBasis(GlobalData& G) {
  if (!G.sw.work_basis || Fmt(G) == ReportFormat::kXml) return;
  const Settings& s = G.settings;
  const struct {
    const char* label;
    int value;
  } items[] = {
      {"Work Seconds per Hour", s.work_seconds_per_hour},
      {"Work Hours per Shift", s.work_hours_per_shift},
      {"Work Shifts per Day", s.work_shifts_per_day},
      {"Work Days per Week", s.work_days_per_week},
      {"Work Hours per Man Day", s.work_hours_per_man_day},
      {"Work Hours per Man Week", s.work_hours_per_man_week},
      {"Work Hours per Man Month", s.work_hours_per_man_month},
      {"Work Hours per Man Year", s.work_hours_per_man_year},
  };
  PutText(G, "\n  Work Time Basis\n");
  for (const auto& item : items) Print(G, "  %-24s: %d\n", item.label, item.value);
  PutText(G,
          "  Calendar Days           = Delta Time (s) / Seconds per Day\n"
          "  Work Days               = Calendar Days * (Work Days per Week / 7 Days per Week)\n"
          "  Man Hours               = Work Days * Work Hours per Shift * Shifts per Day\n"
          "  Man Days                = Man Hours / Hours per Man Day\n"
          "  Man Weeks               = Man Hours / Hours per Man Week\n"
          "  Man Months              = Man Hours / Hours per Man Month\n"
          "  Man Years               = Man Hours / Hours per Man Years\n");
}

void WriteDiffGlossary(GlobalData& G, bool code_mode) {
  if (!G.sw.work_glossary || Fmt(G) == ReportFormat::kXml) return;
  WriteDiffSubtitle(G, "Metrics Differential Glossary");
  if (G.settings.add_removed_as_modified) {
    PutText(G,
            "\n  Note: Lines in the older baseline which are not present in the\n"
            "  current baseline are considered removed lines.  The ZAV configuration\n"
            "  file is set to add these line to the Dif metrics shown on this report.\n");
  } else {
    PutText(G,
            "\n  Note: Lines in the older baseline which are not present in the\n"
            "  current baseline are considered removed lines.  The ZAV configuration\n"
            "  file is set to not include these lines in the Dif metrics shown on\n"
            "  this report.\n");
  }
  PutText(G,
          "\n  New - Indicates that a file exists in the current work file and not\n"
          "        in the old work file.  These are new files in the baseline.\n"
          "\n  Rem - Indicates that a file exists in the old work file and not\n"
          "        in the current work file.  These are files that have been removed\n"
          "        from the baseline.\n");
  if (code_mode) {
    PutText(G,
            "\n  Equ - Indicates that the compared files are the same size and each\n"
            "        line is exactly the same.\n"
            "\n  Dif - Indicates that the compared files differ line by line.  The\n"
            "        metrics count the lines added to or changed in the current file.\n"
            "\n  Lines are compared with a Longest Common Sequence (LCS) alignment; files\n"
            "  longer than the maximum LCS file size are aligned in segments of that\n"
            "  size from their ends (Linear Look Ahead).\n");
  } else {
    PutText(G,
            "\n  Equ - Indicates that the compared files have the same size metrics.\n"
            "\n  Mod - Indicates that the size metrics of the compared files differ.\n"
            "        The metrics show the current minus the older values.\n");
  }
  static const char* const kLegend[] = {
      "LOC       - Line of Source Code\n",
      "eLOC      - Effective Lines of Source Code (LOC - NonEffective LOC)\n",
      "lLOC      - Logical Lines of Source Code (Lines ending in ;)\n",
      "Comments  - Lines that have comments\n",
      "Blanks    - Lines that are blank or white space\n",
      "Lines     - Total Physical Lines\n",
      "Fcount    - Function Count\n",
      "Cyclo     - Cyclomatic Complexity (Logical Branches)\n",
      "Inter     - Interface Complexity (Parameters + Returns)\n",
      "Complex   - Total Complexity (Cyclo + Inter)\n",
      "Quality   - Number of Quanity Notices\n",
  };
  PutText(G, "\n");
  for (const char* line : kLegend) Print(G, "  %s", line);
}

}  // namespace zav
