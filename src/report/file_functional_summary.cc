// "File Functional Summary": totals, maxima and averages of a file's
// functions, from the function totals the analyser keeps in G.file.
#include <string>

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

// The label as the report shows it: HTML bolds it.
LineBuilder& PutLabel(LineBuilder& line, const GlobalData& G, const char* label) {
  if (Fmt(G) != ReportFormat::kHtml) return line.Text(label);
  return line.Text(Label(G, label));
}

// Left item of a two-column line: the label and "%10d".
void Left(GlobalData& G, const char* label, int value) {
  LineBuilder line;
  PutLabel(line, G, label).Right(value, 10);
  PutText(G, line.View());
}

// Right item, closing the line: the label and "%10d\n".
void Right(GlobalData& G, const char* label, int value) {
  LineBuilder line;
  PutLabel(line, G, label).Right(value, 10).Text("\n");
  PutText(G, line.View());
}

// Right item, closing the line: the label and "%10.<precision>f\n".
void RightFixed(GlobalData& G, const char* label, double value, int precision) {
  LineBuilder line;
  PutLabel(line, G, label).Fixed(value, 10, precision).Text("\n");
  PutText(G, line.View());
}

void Separator(GlobalData& G) {
  Print(G, "  %s\n",
        "       ------     -----     -----     ------     ------     -----       ");
}

void WriteTextForm(GlobalData& G, const FunctionFigures& x) {
  Left(G, "  File Function Count....: ", x.count);
  PutText(G, "\n");
  Left(G, "  Total Function LOC.....: ", x.loc);
  RightFixed(G, "  Total Function Pts LOC : ", x.fp_loc, 1);
  Left(G, "  Total Function eLOC....: ", x.eloc);
  RightFixed(G, "  Total Function Pts eLOC: ", x.fp_eloc, 1);
  Left(G, "  Total Function lLOC....: ", x.lloc);
  RightFixed(G, "  Total Function Pts lLOC: ", x.fp_lloc, 1);
  Left(G, "  Total Function Params .: ", x.params);
  Right(G, "  Total Function Return .: ", x.returns);
  Left(G, "  Total Cyclo Complexity : ", x.cyclomatic);
  Right(G, "  Total Function Complex.: ", x.total);
  Separator(G);
  Left(G, "  Max Function LOC ......: ", x.max_loc);
  RightFixed(G, "  Average Function LOC ..: ", x.Avg(x.loc), 2);
  Left(G, "  Max Function eLOC .....: ", x.max_eloc);
  RightFixed(G, "  Average Function eLOC .: ", x.Avg(x.eloc), 2);
  Left(G, "  Max Function lLOC .....: ", x.max_lloc);
  RightFixed(G, "  Average Function lLOC .: ", x.Avg(x.lloc), 2);
  if (!G.sw.complexity) return;
  Separator(G);
  Left(G, "  Max Function Parameters: ", x.max_params);
  RightFixed(G, "  Avg Function Parameters: ", x.Avg(x.params), 2);
  Left(G, "  Max Function Returns ..: ", x.max_returns);
  RightFixed(G, "  Avg Function Returns ..: ", x.Avg(x.returns), 2);
  Left(G, "  Max Interface Complex. : ", x.max_interface);
  RightFixed(G, "  Avg Interface Complex. : ", x.Avg(x.interface), 2);
  Left(G, "  Max Cyclomatic Complex.: ", x.max_cyclomatic);
  RightFixed(G, "  Avg Cyclomatic Complex.: ", x.Avg(x.cyclomatic), 2);
  Left(G, "  Max Total Complexity ..: ", x.max_total);
  RightFixed(G, "  Avg Total Complexity ..: ", x.Avg(x.total), 2);
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
