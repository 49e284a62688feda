// The detail listing of the line alignment (-ws): one row per shown line,
// in line order.
#include <algorithm>

#include "baseline/alignment.h"
#include "report/framework.h"
#include "base/csv_field.h"
#include "base/output.h"
#include "base/text_util.h"

namespace zav {
namespace {

// Removed lines sit at their older line number, equal and added lines at
// their newer one; at the same number a removed line comes first, then an
// equal one, then an added one (a changed line reads "-" then "+").
int32_t SortKey(const DiffDetail& d) { return d.op == '-' ? d.older : d.newer; }
int OpRank(char op) { return op == '-' ? 0 : op == '=' ? 1 : 2; }

bool Shown(const Settings& s, char op) {
  return op == '-' ? s.show_removed_lines : op == '+' ? s.show_added_lines : s.show_equal_lines;
}

void WriteRow(GlobalData& G, const DiffDetail& d) {
  const ReportFormat format = Fmt(G);
  if (format == ReportFormat::kXml) return;
  const bool csv = format == ReportFormat::kCsv;
  if (format == ReportFormat::kHtml) {
    const ColorId color = d.op == '-'   ? kColorRemovedCodeDiff
                          : d.op == '+' ? kColorModifiedCodeDiff
                                        : kColorEqualCodeDiff;
    Print(G, "<b><font color=\"%s\">", Color(G, color));
  }
  switch (d.op) {
    case '-':
      Print(G, csv ? "%11d,%c,%c,%-11s" : "  %11d     %c     %c     %-11s", d.older, d.op, d.type, "");
      break;
    case '+':
      Print(G, csv ? "%11s,%c,%c,%-11d" : "  %11s     %c     %c     %-11d", "", d.op, d.type, d.newer);
      break;
    default:
      Print(G, csv ? "%11d,%c,%c,%-11d" : "  %11d     %c     %c     %-11d", d.older, d.op, d.type,
            d.newer);
      break;
  }
  PutText(G, format == ReportFormat::kHtml ? "</font></b>\n" : "\n");
}

}  // namespace

void WriteDetailHeader(GlobalData& G, const std::string& name) {
  switch (Fmt(G)) {
    case ReportFormat::kXml: return;
    case ReportFormat::kCsv:
      Print(G, "%s\nOlder, , ,Newer\nLine Number,Diff,Type,Line Number\n",
            CsvField("File: " + name).c_str());
      return;
    case ReportFormat::kHtml:
      Print(G, "  <b>File:<font color=\"%s\"> %s</font></b>\n", Color(G, kColorFileName),
            HtmlText(name).c_str());
      Print(G,
            "  <b><font color=\"%s\">Older     </font>                  <font "
            "color=\"%s\">Newer  </font></b>\n",
            Color(G, kColorOldFileDiff), Color(G, kColorNewFileDiff));
      Print(G, "  %s\n", kHyphens36);
      PutText(G, "  <b>Line Number    Diff  Type   Line Number</b>\n");
      return;
    case ReportFormat::kText:
      Print(G,
            "  File: %s\n  Older                       Newer\n"
            "  ----------------------------------------\n"
            "  Line Number    Diff  Type   Line Number\n",
            name.c_str());
      return;
  }
}

void WriteDetailRows(GlobalData& G, std::vector<DiffDetail>& details,
                     const LineCounters& counters) {
  std::stable_sort(details.begin(), details.end(), [](const DiffDetail& a, const DiffDetail& b) {
    const int32_t ka = SortKey(a), kb = SortKey(b);
    if (ka != kb) return ka < kb;
    return OpRank(a.op) < OpRank(b.op);
  });
  const Settings& s = G.settings;
  for (const DiffDetail& d : details) {
    if (Shown(s, d.op)) WriteRow(G, d);
  }
  details.clear();
  if (Fmt(G) == ReportFormat::kXml) return;
  bool changed = false;
  for (int g = 0; g < kLineGroupCount; ++g) changed |= counters.mod[g] != 0 || counters.rm[g] != 0;
  if (!changed && !s.show_equal_lines) {
    if (Fmt(G) == ReportFormat::kHtml) {
      Print(G, "       <b>*** <font color=\"%s\">File is Equivalent</font> ***</b>\n",
            Color(G, kColorEqualCodeDiff));
    } else {
      PutText(G, "       *** File is Equivalent ***\n");
    }
  }
  Print(G, "  %s\n\n", kHyphens36);
}

}  // namespace zav
