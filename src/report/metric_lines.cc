#include "report/metric_lines.h"

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

}  // namespace

void WriteLocLine(GlobalData& G, int64_t loc, int64_t eloc, int64_t lloc, int64_t comments,
                  int64_t lines) {
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
