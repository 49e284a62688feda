#include "report/metric_lines.h"

#include <cstring>
#include <string>

#include "base/complexity.h"
#include "base/format.h"
#include "report/framework.h"
#include "base/output.h"

namespace zav {
namespace {

int64_t NotNegative(int64_t value) { return value < 0 ? 0 : value; }

// A label without its blanks, for CSV.
std::string Bare(const char* label) {
  std::string s(label);
  const size_t first = s.find_first_not_of(' ');
  const size_t last = s.find_last_not_of(' ');
  return first == std::string::npos ? "" : s.substr(first, last - first + 1);
}

// The visibility lines: `title` then "Publ", "Prot", "Private", "Total".
void WriteVisibilityLine(GlobalData& G, const char* title, const char* xml,
                         const char* xml_total, int publ, int prot, int priv,
                         bool csv_padded) {
  const int total = publ + prot + priv;
  switch (Fmt(G)) {
    case ReportFormat::kText:
      // The labels as they stand (Label changes only HTML).
    {
      LineBuilder line;
      line.Text(title).Text("  Publ ").Left(publ, 7).Text("  Prot ").Left(prot, 7);
      line.Text("  Private ").Left(priv, 7).Text("  Total ").Right(total, 8).Text("\n");
      PutText(G, line.View());
      break;
    }
    case ReportFormat::kHtml: {
      // The constant labels are marked up once (here the format is HTML).
      static const std::string publ_label = Label(G, "  Publ ");
      static const std::string prot_label = Label(G, "  Prot ");
      static const std::string priv_label = Label(G, "  Private ");
      static const std::string total_label = Label(G, "  Total ");
      Print(G, "%s", Label(G, title).c_str());
      Print(G, "%s%-7d%s%-7d%s%-7d%s%8d\n", publ_label.c_str(), publ, prot_label.c_str(), prot,
            priv_label.c_str(), priv, total_label.c_str(), total);
      break;
    }
    case ReportFormat::kCsv:
      Print(G, "%s,", Bare(title).c_str());
      if (csv_padded) {
        Print(G, "%s,%7d,%s,%7d,%s,%7d,%s,%8d\n", "Publ", publ, "Prot", prot,
              "Private", priv, "Total", total);
      } else {
        Print(G, "%s,%d,%s,%d,%s,%d,%s,%d\n", "Publ", publ, "Prot", prot,
              "Private", priv, "Total", total);
      }
      break;
    case ReportFormat::kXml:
      Print(G, "<%s>\n", xml);
      XmlInt(G, "public", publ);
      XmlInt(G, "protected", prot);
      XmlInt(G, "private", priv);
      XmlInt(G, xml_total, total);
      Print(G, "</%s>\n", xml);
      break;
  }
}

// A figure of a fixed-layout line: its field's place and width, and
// whether the figure stands at the field's start ("%-<width>ld") or end.
struct FixedField {
  uint8_t at;
  uint8_t width;
  bool left;
};

// Writes a text line whose labels and blanks are `layout` and whose figures
// fill its fields, straight into the stream's buffer. False, with nothing
// written, when a figure is negative or wider than its field (the field
// would grow and move the rest of the line), when the writers are silent
// or when the buffer lacks the room: the caller then builds the line.
template <size_t N, size_t M>
[[gnu::always_inline]] inline bool PutFixedLine(GlobalData& G, const char (&layout)[N],
                                                const FixedField (&fields)[M],
                                                const int64_t (&values)[M]) {
  static constexpr int64_t kLimits[] = {1, 10, 100, 1000, 10000, 100000, 1000000,
                                        10000000, 100000000};
  bool fit = true;
#pragma GCC unroll 8
  for (size_t k = 0; k < M; ++k) {
    fit &= static_cast<uint64_t>(values[k]) < static_cast<uint64_t>(kLimits[fields[k].width]);
  }
  if (!fit || G.report.machine.silent) return false;
  char* const at = StreamRoom(G.report.out, N - 1);
  if (at == nullptr) return false;
  std::memcpy(at, layout, N - 1);
#pragma GCC unroll 8
  for (size_t k = 0; k < M; ++k) {
    char* const field = at + fields[k].at;
    if (fields[k].left) {
      PutDecimal(field, values[k]);
    } else {
      // The digits from the last, leftwards from the field's end.
      char* p = field + fields[k].width;
      uint64_t u = static_cast<uint64_t>(values[k]);
      do {
        *--p = static_cast<char>('0' + u % 10);
        u /= 10;
      } while (u != 0);
    }
  }
  StreamCommit(G.report.out, at + N - 1);
  return true;
}

}  // namespace

void WriteLocLine(GlobalData& G, int64_t loc, int64_t eloc, int64_t lloc, int64_t comments,
                  int64_t lines) {
  if (Fmt(G) == ReportFormat::kText) {
    // Most lines: every figure fits its field (a negative one, shown as 0,
    // does not, and takes the way below).
    static constexpr char kLayout[] =
        "  LOC          eLOC          lLOC          Comment          Lines         \n";
    static constexpr FixedField kFields[] = {
        {6, 7, true}, {20, 7, true}, {34, 7, true}, {51, 7, true}, {66, 8, false}};
    if (PutFixedLine(G, kLayout, kFields, {loc, eloc, lloc, comments, lines})) return;
  }
  loc = NotNegative(loc);
  eloc = NotNegative(eloc);
  lloc = NotNegative(lloc);
  comments = NotNegative(comments);
  lines = NotNegative(lines);
  switch (Fmt(G)) {
    case ReportFormat::kText:
    {
      LineBuilder line;
      line.Text("  LOC ").Left(loc, 7).Text("  eLOC ").Left(eloc, 7).Text("  lLOC ").Left(lloc, 7);
      line.Text("  Comment ").Left(comments, 7).Text("  Lines ").Right(lines, 8).Text("\n");
      PutText(G, line.View());
      break;
    }
    case ReportFormat::kHtml: {
      // The labels are marked up once (here the format is HTML).
      static const std::string labels[] = {Label(G, "  LOC "), Label(G, "  eLOC "),
                                           Label(G, "  lLOC "), Label(G, "  Comment "),
                                           Label(G, "  Lines ")};
      Print(G, "%s%-7ld%s%-7ld%s%-7ld%s%-7ld%s%8ld\n", labels[0].c_str(), loc,
            labels[1].c_str(), eloc, labels[2].c_str(), lloc, labels[3].c_str(), comments,
            labels[4].c_str(), lines);
      break;
    }
    case ReportFormat::kCsv:
      Print(G, "%s,%ld,%s,%ld,%s,%ld,%s,%ld,%s,%ld\n", "LOC", loc, "eLOC", eloc,
            "lLOC", lloc, "Comment", comments, "Lines", lines);
      break;
    case ReportFormat::kXml:
      XmlInt(G, "loc", loc);
      XmlInt(G, "eloc", eloc);
      XmlInt(G, "lloc", lloc);
      XmlInt(G, "comments", comments);
      XmlInt(G, "lines", lines);
      break;
  }
}

void WriteComplexityLine(GlobalData& G, int params, int returns,
                         int cyclomatic) {
  const int interface = InterfaceComplexity(params, returns);
  const int total = TotalComplexity(params, returns, cyclomatic);
  switch (Fmt(G)) {
    case ReportFormat::kText: {
      static constexpr char kLayout[] =
          "  Complexity   Param         Return        Cyclo Vg         Total         \n";
      static constexpr FixedField kFields[] = {
          {21, 7, true}, {36, 6, true}, {52, 7, true}, {66, 8, false}};
      if (PutFixedLine(G, kLayout, kFields, {params, returns, cyclomatic, total})) break;
      LineBuilder line;
      line.Text("  Complexity   Param ").Left(params, 7).Text(" Return ").Left(returns, 6);
      line.Text(" Cyclo Vg ").Left(cyclomatic, 7).Text(" Total ").Right(total, 8).Text("\n");
      PutText(G, line.View());
      break;
    }
    case ReportFormat::kHtml:
      Print(G,
            "  <b>Complexity</b>   <b>Param</b> %-7d <b>Return</b> %-6d "
            "<b>Cyclo Vg</b> %-7d <b>Total</b> %8d\n",
            params, returns, cyclomatic, total);
      break;
    case ReportFormat::kCsv:
      Print(G, "Param,%d,Return,%d,Cyclo Vg,%d,Total,%d\n", params, returns,
            cyclomatic, total);
      break;
    case ReportFormat::kXml:
      XmlInt(G, "parameters", params);
      XmlInt(G, "returns", returns);
      XmlInt(G, "interface_complexity", interface);
      XmlInt(G, "cyclomatic_complexity", cyclomatic);
      XmlInt(G, "total_complexity", total);
      break;
  }
}

void WriteFunctionPointLine(GlobalData& G, double fp_loc, double fp_eloc,
                            double fp_lloc) {
  switch (Fmt(G)) {
    case ReportFormat::kText:
    case ReportFormat::kHtml: {
      const std::string first =
          Fmt(G) == ReportFormat::kHtml
              ? "  <b>Function Points</b>         <b>FP(LOC)</b> "
              : "  Function Points         FP(LOC) ";
      Print(G, "%s%-7.1f%s%-7.1f%s%7.1f\n", first.c_str(), fp_loc,
            Label(G, " FP(eLOC) ").c_str(), fp_eloc,
            Label(G, "FP(lLOC) ").c_str(), fp_lloc);
      break;
    }
    case ReportFormat::kCsv:
      Print(G, "%s,%-7.1f,", "FP(LOC)", fp_loc);
      Print(G, "%s,%-7.1f,", "FP(eLOC)", fp_eloc);
      Print(G, "%s,%7.1f\n", "FP(lLOC)", fp_lloc);
      break;
    case ReportFormat::kXml:
      Print(G, "<function_points_loc>%.1f</function_points_loc>\n", fp_loc);
      Print(G, "<function_points_eloc>%.1f</function_points_eloc>\n", fp_eloc);
      Print(G, "<function_points_lloc>%.1f</function_points_lloc>\n", fp_lloc);
      break;
  }
}

void WriteMethodsLine(GlobalData& G, int publ, int prot, int priv) {
  WriteVisibilityLine(G, "  Methods    ", "methods", "totals", publ, prot, priv,
                      false);
}

void WriteAttributesLine(GlobalData& G, int publ, int prot, int priv) {
  WriteVisibilityLine(G, "  Attributes ", "attributes", "total", publ, prot,
                      priv, true);
}

double FunctionPointsOf(const GlobalData& G, int measure, double count) {
  const int factor = G.settings.fp_factors[G.lang.flags.Group()][measure];
  return factor > 0 ? count / factor : 0.0;
}

}  // namespace zav
