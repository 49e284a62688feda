// "File Functional Summary": totals, maxima and averages of a file's
// functions, from the function totals the analyser keeps in G.file.
#include <string>
#include <string_view>

#include "report/file_reports.h"
#include "base/complexity.h"
#include "base/format.h"
#include "report/framework.h"
#include "report/metric_lines.h"
#include "base/output.h"

namespace zav {
namespace {

// The figures of the section, derived once from the file counters.
struct FunctionFigures {
  int count = 0;
  int loc = 0, eloc = 0, lloc = 0, comments = 0;
  int params = 0, returns = 0, cyclomatic = 0, interface = 0, total = 0;
  double fp_loc = 0, fp_eloc = 0, fp_lloc = 0;
  int max_loc = 0, max_eloc = 0, max_lloc = 0, max_params = 0;
  int max_returns = 0, max_interface = 0, max_cyclomatic = 0, max_total = 0;

  double Avg(int sum) const {
    return count > 0 ? static_cast<double>(sum) / count : 0.0;
  }
};

FunctionFigures Figures(const GlobalData& G) {
  const FileMetrics& f = G.file;
  FunctionFigures x;
  x.count = f.functions_count;
  x.loc = f.func_loc_sum;
  x.eloc = f.func_eloc_sum;
  x.lloc = f.func_lloc_sum;
  x.comments = f.func_comment_sum;
  x.params = f.func_params_sum;
  x.returns = f.func_returns_sum;
  x.cyclomatic = f.func_vg_sum;
  x.interface = InterfaceComplexity(x.params, x.returns);
  x.total = TotalComplexity(x.params, x.returns, x.cyclomatic);
  x.fp_loc = FunctionPointsOf(G, kMeasureLoc, x.loc);
  x.fp_eloc = FunctionPointsOf(G, kMeasureEloc, x.eloc);
  x.fp_lloc = FunctionPointsOf(G, kMeasureLloc, x.lloc);
  x.max_loc = f.func_loc_max;
  x.max_eloc = f.func_eloc_max;
  x.max_lloc = f.func_lloc_max;
  x.max_params = f.func_params_max;
  x.max_returns = f.func_returns_max;
  x.max_interface = f.func_params_max + f.func_returns_max;
  x.max_cyclomatic = f.func_vg_max;
  x.max_total = f.func_complexity_max;
  return x;
}

// The lines of the text and HTML form, each built whole and then written.
class PairLines {
 public:
  explicit PairLines(GlobalData& G) : G_(G), html_(Fmt(G) == ReportFormat::kHtml) {}

  // An item on the left of a line: the label and "%10d".
  PairLines& Left(std::string_view label, int value) {
    PutLabel(label).Right(value, 10);
    return *this;
  }
  // An item closing its line: the label and "%10d\n".
  void Right(std::string_view label, int value) {
    PutLabel(label).Right(value, 10).Text("\n");
    Flush();
  }
  // An item closing its line: the label and "%10.<precision>f\n".
  void RightFixed(std::string_view label, double value, int precision) {
    PutLabel(label).Fixed(value, 10, precision).Text("\n");
    Flush();
  }
  // Closes a line of one item.
  void End() {
    line_.Text("\n");
    Flush();
  }
  void Separator() {
    line_.Text("         ------     -----     -----     ------     ------     -----       \n");
    Flush();
  }

 private:
  // The label as the report shows it: HTML bolds it.
  LineBuilder& PutLabel(std::string_view label) {
    return html_ ? line_.Text(Label(G_, label)) : line_.Text(label);
  }
  void Flush() {
    PutText(G_, line_.View());
    line_.Clear();
  }

  GlobalData& G_;
  const bool html_;
  LineBuilder line_;
};

void WriteTextForm(GlobalData& G, const FunctionFigures& x) {
  PairLines out(G);
  out.Left("  File Function Count....: ", x.count).End();
  out.Left("  Total Function LOC.....: ", x.loc);
  out.RightFixed("  Total Function Pts LOC : ", x.fp_loc, 1);
  out.Left("  Total Function eLOC....: ", x.eloc);
  out.RightFixed("  Total Function Pts eLOC: ", x.fp_eloc, 1);
  out.Left("  Total Function lLOC....: ", x.lloc);
  out.RightFixed("  Total Function Pts lLOC: ", x.fp_lloc, 1);
  out.Left("  Total Function Params .: ", x.params);
  out.Right("  Total Function Return .: ", x.returns);
  out.Left("  Total Cyclo Complexity : ", x.cyclomatic);
  out.Right("  Total Function Complex.: ", x.total);
  out.Separator();
  out.Left("  Max Function LOC ......: ", x.max_loc);
  out.RightFixed("  Average Function LOC ..: ", x.Avg(x.loc), 2);
  out.Left("  Max Function eLOC .....: ", x.max_eloc);
  out.RightFixed("  Average Function eLOC .: ", x.Avg(x.eloc), 2);
  out.Left("  Max Function lLOC .....: ", x.max_lloc);
  out.RightFixed("  Average Function lLOC .: ", x.Avg(x.lloc), 2);
  if (!G.sw.complexity) return;
  out.Separator();
  out.Left("  Max Function Parameters: ", x.max_params);
  out.RightFixed("  Avg Function Parameters: ", x.Avg(x.params), 2);
  out.Left("  Max Function Returns ..: ", x.max_returns);
  out.RightFixed("  Avg Function Returns ..: ", x.Avg(x.returns), 2);
  out.Left("  Max Interface Complex. : ", x.max_interface);
  out.RightFixed("  Avg Interface Complex. : ", x.Avg(x.interface), 2);
  out.Left("  Max Cyclomatic Complex.: ", x.max_cyclomatic);
  out.RightFixed("  Avg Cyclomatic Complex.: ", x.Avg(x.cyclomatic), 2);
  out.Left("  Max Total Complexity ..: ", x.max_total);
  out.RightFixed("  Avg Total Complexity ..: ", x.Avg(x.total), 2);
}

void WriteCsvForm(GlobalData& G, const FunctionFigures& x) {
  Print(G, "%s,%d\n", "Functions", x.count);
  Print(G, "LOC,%d,eLOC,%d,lLOC,%d,Comments,%d,", x.loc, x.eloc, x.lloc,
        x.comments);
  Print(G, "Parameters,%d,Returns,%d,", x.params, x.returns);
  Print(G, "Cyclo Complex,%d,Inter Complex,%d,Total Complex,%d,", x.cyclomatic,
        x.interface, x.total);
  Print(G, "Func Pts(LOC),%10.1f,Func Pts(eLOC),%10.1f,Func Pts(lLOC),%10.1f\n",
        x.fp_loc, x.fp_eloc, x.fp_lloc);
  PutText(G, "File Functional Maximum Summary\n");
  Print(G, "LOC,%d,eLOC,%d,lLOC,%d,", x.max_loc, x.max_eloc, x.max_lloc);
  PutText(G, ",,");
  Print(G, "Parameters,%d,Returns,%d,", x.max_params, x.max_returns);
  Print(G, "Cyclo Complex,%d,Inter Complex,%d,Total Complex,%d\n",
        x.max_cyclomatic, x.max_interface, x.max_total);
  PutText(G, "File Functional Average Summary\n");
  Print(G, "LOC,%10.2f,eLOC,%10.2f,lLOC,%10.2f,Comments,%10.2f,", x.Avg(x.loc),
        x.Avg(x.eloc), x.Avg(x.lloc), x.Avg(x.comments));
  Print(G, "Parameters,%10.2f,Returns,%10.2f,", x.Avg(x.params),
        x.Avg(x.returns));
  Print(G, "Cyclo Complex,%10.2f,Inter Complex,%10.2f,Total Complex,%10.2f\n",
        x.Avg(x.cyclomatic), x.Avg(x.interface), x.Avg(x.total));
}

void WriteXmlForm(GlobalData& G, const FunctionFigures& x) {
  PutText(G, "<file_function_summary>\n<file_function_totals>\n");
  XmlInt(G, "functions", x.count);
  XmlInt(G, "LOC", x.loc);
  XmlInt(G, "eLOC", x.eloc);
  XmlInt(G, "lLOC", x.lloc);
  XmlInt(G, "comments", x.comments);
  XmlInt(G, "parameters", x.params);
  XmlInt(G, "returns", x.returns);
  XmlInt(G, "cyclomatic_complexity", x.cyclomatic);
  XmlInt(G, "interface_complexity", x.interface);
  XmlInt(G, "total_complexity", x.total);
  XmlReal(G, "function_points_loc", "%10.1f", x.fp_loc);
  XmlReal(G, "function_points_eloc", "%10.1f", x.fp_eloc);
  XmlReal(G, "function_points_lloc", "%10.1f", x.fp_lloc);
  PutText(G, "</file_function_totals>\n<file_function_maximums>\n");
  XmlInt(G, "LOC", x.max_loc);
  XmlInt(G, "eLOC", x.max_eloc);
  XmlInt(G, "lLOC", x.max_lloc);
  XmlInt(G, "parameters", x.max_params);
  XmlInt(G, "returns", x.max_returns);
  XmlInt(G, "cyclomatic_complexity", x.max_cyclomatic);
  XmlInt(G, "interface_complexity", x.max_interface);
  XmlInt(G, "total_complexity", x.max_total);
  PutText(G, "</file_function_maximums>\n<file_function_average>\n");
  XmlReal(G, "LOC", "%10.2f", x.Avg(x.loc));
  XmlReal(G, "eLOC", "%10.2f", x.Avg(x.eloc));
  XmlReal(G, "lLOC", "%10.2f", x.Avg(x.lloc));
  XmlReal(G, "parameters", "%10.2f", x.Avg(x.params));
  XmlReal(G, "returns", "%10.2f", x.Avg(x.returns));
  XmlReal(G, "cyclomatic_complexity", "%10.2f", x.Avg(x.cyclomatic));
  XmlReal(G, "interface_complexity", "%10.2f", x.Avg(x.interface));
  XmlReal(G, "total_complexity", "%10.2f", x.Avg(x.total));
  PutText(G, "</file_function_average>\n</file_function_summary>\n");
}

}  // namespace

void WriteFileFunctionalSummary(GlobalData& G) {
  if (G.file.functions_count <= 0 || !G.sw.functional || G.sw.function_list) {
    return;
  }
  const FunctionFigures x = Figures(G);
  switch (Fmt(G)) {
    case ReportFormat::kText:
    case ReportFormat::kHtml:
      WriteSectionTitle(G, "~~ File Functional Summary ~~", "");
      WriteTextForm(G, x);
      break;
    case ReportFormat::kCsv:
      PutText(G, "File Functional Summary\n");
      WriteCsvForm(G, x);
      break;
    case ReportFormat::kXml:
      WriteXmlForm(G, x);
      break;
  }
}

}  // namespace zav
