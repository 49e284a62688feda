#include "baseline/diff_report.h"

#include <string>

#include "report/benchmark.h"
#include "report/framework.h"
#include "base/csv_field.h"
#include "base/output.h"
#include "report/sorting.h"
#include "base/text_util.h"

namespace zav {

const DiffColumn kDiffColumns[kDiffColumnCount] = {
    {"    LOC", ",LOC", "  LOC      ", "loc", "loc", "loc_percent"},
    {"    eLOC", ",eLOC", "  eLOC     ", "eloc", "eloc", "eloc_percent"},
    {"    lLOC", ",lLOC", "  lLOC     ", "lloc", "lloc", "lloc_percent"},
    {" Comment", ",Comment", "  Comments ", "comments", "comments", "comment_percent"},
    {"  Blanks", ",Blanks", "  Blanks   ", "blanks", "blanklines", "blank_percent"},
    {"   Lines", ",Lines", "  Lines    ", "lines", "lines", "line_percent"},
    {"  Fcount", ",Fcount", "  Fcount   ", "function_count", "function_count", "function_percent"},
    {"   Cyclo", ",Cyclo", "  Cyclo    ", "cyclomatic_complexity", "cyclomatic_complexity",
     "cyclomatic_complexity_percent"},
    {"   Inter", ",Inter", "  Inter    ", "interface_complexity", "interface_complexity",
     "interface_complexity_percent"},
    {" Complex", ",Complex", "  Complex  ", "total_complexity", "total_complexity",
     "total_complexity_percent"},
    {" Quality", ",Quality", "  Quality  ", "quality_notices", "quality_notices",
     "quality_notice_percent"},
    {"    eLOC%", ",eLOC%", "", "eloc_change_percent", "", ""},
};

namespace {

bool On(const DiffReport& r, int column) { return r.config.on[kDiffColumnField[column]]; }

std::string CreationDate(int64_t time) { return FormatFileTime(time); }

void WriteColumnHeader(GlobalData& G, const DiffReport& r, const char* first, const char* last) {
  const bool csv = Fmt(G) == ReportFormat::kCsv;
  std::string line = csv ? "State" : first;
  for (int c = 0; c < kDiffColumnCount; ++c) {
    if (On(r, c)) line += csv ? kDiffColumns[c].csv_header : kDiffColumns[c].header;
  }
  if (csv) {
    while (*last == ' ') ++last;
    line += std::string(",") + last;
    PutText(G, line + "\n");
    return;
  }
  line += last;
  PutText(G, Fmt(G) == ReportFormat::kHtml ? "<b>" + HtmlText(line) + "</b>\n" : line + "\n");
  Print(G, "  %s\n", std::string(line.size() - 2, '-').c_str());
}

ColorId StateColor(int state) {
  switch (state) {
    case kStateNew: return kColorNewCodeDiff;
    case kStateRem: return kColorRemovedCodeDiff;
    case kStateEqu: return kColorEqualCodeDiff;
    default: return kColorModifiedCodeDiff;
  }
}

// The configured values of a row: " %7d" each, eLOC% " %8.2f".
void WriteValues(GlobalData& G, const DiffReport& r, const MetricValues& v, double eloc_percent) {
  const bool csv = Fmt(G) == ReportFormat::kCsv;
  for (int c = 0; c < kDiffMetricCount; ++c) {
    if (On(r, c)) Print(G, csv ? ",%7lld" : " %7lld", static_cast<long long>(v[c]));
  }
  if (On(r, kDiffMetricCount)) Print(G, csv ? ",%8.2f" : " %8.2f", eloc_percent);
}

void WriteXmlValues(GlobalData& G, const MetricValues& v, double eloc_percent,
                    const char* percent_element) {
  for (int c = 0; c < kDiffMetricCount; ++c) {
    Print(G, "<%s>%lld</%s>\n", kDiffColumns[c].xml_row, static_cast<long long>(v[c]),
          kDiffColumns[c].xml_row);
  }
  Print(G, "<%s>%.2f</%s>\n", percent_element, eloc_percent, percent_element);
}

const char* XmlStateElement(int state) {
  switch (state) {
    case kStateNew: return "new";
    case kStateRem: return "removed";
    case kStateEqu: return "equal";
    case kStateDif: return "differential";
    default: return "modified";
  }
}

void WriteRow(GlobalData& G, const DiffReport& r, const DiffRow& row) {
  const char* label = StateLabel(row.state);
  switch (Fmt(G)) {
    case ReportFormat::kXml: {
      const char* element = XmlStateElement(row.state);
      Print(G, "<%s>\n<file>%s</file>\n", element, XmlEscape(row.name).c_str());
      WriteXmlValues(G, row.values, row.eloc_percent, kDiffColumns[kDiffMetricCount].xml_row);
      Print(G, "</%s>\n", element);
      return;
    }
    case ReportFormat::kCsv:
      Print(G, "%s", label);
      WriteValues(G, r, row.values, row.eloc_percent);
      Print(G, ",%s\n", CsvField(row.name).c_str());
      return;
    case ReportFormat::kHtml:
      Print(G, "<font color=\"%s\"><b>  %s </b></font>", Color(G, StateColor(row.state)), label);
      WriteValues(G, r, row.values, row.eloc_percent);
      Print(G, " <font color=\"%s\">%s</font>\n", Color(G, kColorFileName),
            HtmlText(WrapName(G, row.name, 40, 56)).c_str());
      return;
    case ReportFormat::kText:
      Print(G, "  %s ", label);
      WriteValues(G, r, row.values, row.eloc_percent);
      Print(G, " %s\n", WrapName(G, row.name, 40, 56).c_str());
      return;
  }
}

void WriteTimeLine(GlobalData& G, bool csv, const char* text_format, const char* csv_format,
                   double value, int setting) {
  Print(G, csv ? csv_format : text_format, value, setting);
}

void WriteXmlWorkItem(GlobalData& G, const char* element, double value, int setting,
                      const char* note) {
  Print(G, "<%s>\n<value>%.2f</value>\n<basis>\n<value>%d</value>\n<note>%s</note>\n</basis>\n</%s>\n",
        element, value, setting, note, element);
}

void WriteXmlTimes(GlobalData& G, const DiffReport& r) {
  const Settings& s = G.settings;
  const WorkTime& t = r.time;
  Print(G, "<older_work_file>\n<name>%s</name>\n<date>%s</date>\n</older_work_file>\n",
        XmlEscape(r.older.path).c_str(), CreationDate(r.older.created).c_str());
  Print(G, "<newer_work_file>\n<name>%s</name>\n<date>%s</date>\n</newer_work_file>\n",
        XmlEscape(r.newer.path).c_str(), CreationDate(r.newer.created).c_str());
  const int64_t total = static_cast<int64_t>(t.delta < 0 ? -t.delta : t.delta);
  Print(G,
        "<work_time_differential>\n<delta_seconds>%.0f</delta_seconds>\n<days>%d</days>\n"
        "<hours>%d</hours>\n<minutes>%d</minutes>\n<seconds>%d</seconds>\n<dhms>%s</dhms>\n",
        t.delta, static_cast<int>(total / 86400), static_cast<int>(total % 86400 / 3600),
        static_cast<int>(total % 3600 / 60), static_cast<int>(total % 60),
        FormatDuration(t.delta).c_str());
  if (G.sw.work_productivity) {
    Print(G, "<work_time>\n<calendar_days>%.2f</calendar_days>\n", t.calendar_days);
    WriteXmlWorkItem(G, "work_days", t.work_days, s.work_days_per_week, "Work Days Per Week");
    Print(G,
          "<man_hours>\n<value>%.2f</value>\n<basis>\n<value>%d</value>\n<note>Hours per "
          "shift</note>\n<value>%d</value>\n<note>Shifts per day</note>\n</basis>\n</man_hours>\n",
          t.man_hours, s.work_hours_per_shift, s.work_shifts_per_day);
    WriteXmlWorkItem(G, "man_days", t.man_days, s.work_hours_per_man_day, "Hours per man day");
    WriteXmlWorkItem(G, "man_weeks", t.man_weeks, s.work_hours_per_man_week, "Hours per man week");
    WriteXmlWorkItem(G, "man_months", t.man_months, s.work_hours_per_man_month,
                     "Hours per man month");
    WriteXmlWorkItem(G, "man_years", t.man_years, s.work_hours_per_man_year,
                     "Hours per man years");
    PutText(G, "</work_time>\n");
  }
  PutText(G, "</work_time_differential>\n");
}

}  // namespace

void WriteDiffTitle(GlobalData& G, bool code_mode) {
  const char* basis = code_mode ? "Based On Code Difference" : "Based On Code Size";
  switch (Fmt(G)) {
    case ReportFormat::kXml:
      PutText(G, "<report>\n<name>baseline_differential_metrics</name>\n");
      return;
    case ReportFormat::kCsv:
      Print(G, "Metrics Differential\n%s\n", basis);
      return;
    default:
      WriteSectionTitle(G, "~~ Metrics Differential ~~", "Metrics Differential");
      CenterLine(G, basis);
      return;
  }
}

void WriteDiffNotes(GlobalData& G) {
  const Switches& sw = G.sw;
  const Settings& s = G.settings;
  auto note = [&G](const char* text) {
    if (Fmt(G) == ReportFormat::kXml) {
      Print(G, "<note>%s</note>\n", text);
    } else {
      Print(G, Fmt(G) == ReportFormat::kCsv ? "%s\n" : "  %s\n", text);
    }
  };
  if (sw.work_skip_new) note("New files are not processed for this report");
  if (sw.work_skip_removed) note("Removed files are not processed for this report");
  if (sw.work_skip_modified) note("Modified files are not processed for this report");
  if (sw.work_skip_equal) note("Equal files are not processed for this report");
  if (!sw.work_details) return;
  if (!s.show_equal_lines) note("Not showing equal lines between older and present baselines");
  if (!s.show_added_lines) note("Not showing modified lines to the present baseline");
  if (!s.show_removed_lines) note("Not showing removed lines from the older baseline");
}

void WriteDiffSubtitle(GlobalData& G, const char* title) {
  switch (Fmt(G)) {
    case ReportFormat::kXml: Print(G, "<note>%s</note>\n", title); return;
    case ReportFormat::kCsv: Print(G, "\n%s\n", title); return;
    case ReportFormat::kHtml:
      Print(G, "\n  <b><font color=\"%s\">%s</font></b>\n\n", Color(G, kColorHeader), title);
      return;
    case ReportFormat::kText: Print(G, "\n  %s\n\n", title); return;
  }
}

void WriteBaselineTimes(GlobalData& G, const DiffReport& r) {
  if (Fmt(G) == ReportFormat::kXml) return WriteXmlTimes(G, r);
  const bool csv = Fmt(G) == ReportFormat::kCsv;
  const WorkTime& t = r.time;
  const Settings& s = G.settings;
  const std::string older_date = CreationDate(r.older.created);
  const std::string newer_date = CreationDate(r.newer.created);
  const std::string dhms = FormatDuration(t.delta);
  if (csv) {
    Print(G, "%s\nCreation Date %s\n", CsvField("Older Work File " + r.older.path).c_str(),
          older_date.c_str());
    Print(G, "%s\nCreation Date %s\n", CsvField("Newer Work File " + r.newer.path).c_str(),
          newer_date.c_str());
    Print(G, "Work Time Differential Between Files\n");
    Print(G, "Time Delta %12.0f Seconds or %s Days:Hrs:Min:Sec\n", t.delta, dhms.c_str());
  } else {
    Print(G, "  Older Work File: %s\n  Creation Date  : %s\n", r.older.path.c_str(),
          older_date.c_str());
    Print(G, "  Newer Work File: %s\n  Creation Date  : %s\n", r.newer.path.c_str(),
          newer_date.c_str());
    Print(G, "  Work Time Differential Between Files:\n");
    Print(G, "  Time Delta: %12.0f Seconds\n                %s Days:Hrs:Min:Sec\n", t.delta,
          dhms.c_str());
  }
  if (!G.sw.work_productivity) return;
  if (csv) {
    Print(G, "\nWork Time\n%12.2f,Calendar Days\n", t.calendar_days);
  } else {
    Print(G, "\n  Work Time:  %12.2f Calendar Days\n", t.calendar_days);
  }
  const char* indent = "              ";
  const std::string pre = csv ? "" : indent;
  WriteTimeLine(G, csv, (pre + "%12.2f Work Days @ %d work days per week\n").c_str(),
                "%12.2f,Work Days @ %d work days per week\n", t.work_days, s.work_days_per_week);
  if (csv) {
    Print(G, "%12.2f,Man Hours @ %d Hrs per Shift,%d,Shifts per Day\n", t.man_hours,
          s.work_hours_per_shift, s.work_shifts_per_day);
  } else {
    Print(G, "%s%12.2f Man Hours @ %d Hrs per Shift %d Shifts per Day\n", indent, t.man_hours,
          s.work_hours_per_shift, s.work_shifts_per_day);
  }
  WriteTimeLine(G, csv, (pre + "%12.2f Man Days  @ %d Hrs per Man Day\n").c_str(),
                "%12.2f,Man Days  @ %d Hrs per Man Day\n", t.man_days, s.work_hours_per_man_day);
  WriteTimeLine(G, csv, (pre + "%12.2f Man Weeks @ %d Hrs per Man Week\n").c_str(),
                "%12.2f,Man Weeks @ %d Hrs per Man Week\n", t.man_weeks, s.work_hours_per_man_week);
  WriteTimeLine(G, csv, (pre + "%12.2f Man Month @ %d Hrs per Man Month\n").c_str(),
                "%12.2f,Man Month @ %d Hrs per Man Month\n", t.man_months,
                s.work_hours_per_man_month);
  WriteTimeLine(G, csv, (pre + "%12.2f Man Years @ %d Hrs per Man Year\n").c_str(),
                "%12.2f,Man Years @ %d Hrs per Man Year\n", t.man_years, s.work_hours_per_man_year);
}

void WriteFileListing(GlobalData& G, const DiffReport& r) {
  WriteDiffSubtitle(G, r.diff.code_mode
                           ? "File Metrics Differentials Based on Code Line Differences"
                           : "File Metrics Differentials Based on Code Size Differences");
  // Keys 1 to 6 order the rows (keys 7 to 10 belong to the -Td list).
  if (G.sw.sort_key >= 1 && G.sw.sort_key <= 6) WriteSortLine(G);
  if (Fmt(G) != ReportFormat::kXml) WriteColumnHeader(G, r, "  State", " File");
  for (const DiffRow& row : r.diff.rows) WriteRow(G, r, row);
}

void WriteDiffProfile(GlobalData& G, const DiffReport& r) {
  const bool code = r.diff.code_mode;
  const Switches& sw = G.sw;
  struct Group {
    int state;
    bool skipped;
    const char* xml;
    const char* note;
  };
  const Group groups[] = {
      {kStateNew, sw.work_skip_new, "new", "Size metrics for new baseline files"},
      {kStateRem, sw.work_skip_removed, "removed", "Size metrics for removed baseline files"},
      {code ? kStateDif : kStateMod, sw.work_skip_modified,
       code ? "differential_by_code" : "modified_by_size",
       code ? "Differential code metrics for changed baseline files"
            : "Size metrics for changed baseline files"},
      {kStateEqu, sw.work_skip_equal, "equal", "Size metrics for unchanged baseline files"},
  };
  const bool xml = Fmt(G) == ReportFormat::kXml;
  if (xml) {
    Print(G, "<total_differentials>\n<name>%s</name>\n",
          code ? "Source Metrics Code Differential" : "Source Metrics Size Differential");
  } else {
    WriteDiffSubtitle(G, code ? "Source Metrics Differential Profile Based on Code Line Differences"
                              : "Source Metrics Differential Profile Based on Code Size Differences");
    WriteColumnHeader(G, r, "  State", "   Files");
  }
  for (const Group& g : groups) {
    if (g.skipped) continue;
    const GroupTotals& totals = r.diff.group[g.state];
    // The group's eLOC% is its eLOC change over its files' older eLOC.
    const double percent = ElocPercent(totals.older_eloc,
                                       totals.older_eloc + totals.values[kDiffEloc],
                                       totals.values[kDiffEloc]);
    if (xml) {
      Print(G, "<%s>\n<note>%s</note>\n", g.xml, g.note);
      WriteXmlValues(G, totals.values, percent, "eloc_percent_difference");
      Print(G, "<files>%d</files>\n</%s>\n", totals.files, g.xml);
      continue;
    }
    const bool csv = Fmt(G) == ReportFormat::kCsv;
    Print(G, csv ? "%s" : "  %-3s ", StateLabel(g.state));
    WriteValues(G, r, totals.values, percent);
    Print(G, csv ? ",%7d\n" : " %7d\n", totals.files);
  }
  if (xml) PutText(G, "</total_differentials>\n");
}

}  // namespace zav
