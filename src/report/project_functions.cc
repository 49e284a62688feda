// "Project Functional Metrics": every function of the run with its block,
// then the functional analysis (totals, averages, maxima and minima).
#include <vector>

#include "report/framework.h"
#include "base/csv_field.h"
#include "base/complexity.h"
#include "report/metric_lines.h"
#include "base/output.h"
#include "report/project_common.h"
#include "report/project_reports.h"
#include "report/record_blocks.h"
#include "report/sorting.h"
#include "base/text_util.h"

namespace zav {
namespace {

// The columns of the CSV and XML analysis rows.
struct FunctionColumn {
  const char* csv;
  const char* xml;
  int measure;
};
constexpr FunctionColumn kColumns[] = {
    {"LOC", "loc", kRmLoc},
    {"eLOC", "eloc", kRmEloc},
    {"lLOC", "lloc", kRmLloc},
    {"Comments", "comments", kRmComments},
    {"Blanks", "blanks", kRmBlanks},
    {"Parameters", "params", kRmParams},
    {"Returns", "returns", kRmReturns},
    {"Inter Complex", "interface_complexity", kRmInterface},
    {"Cyclo Complex", "cyclomatic_complexity", kRmCyclomatic},
    {"Total Complex", "total_complexity", kRmComplexity},
    {"Lines", "lines", kRmLines},
};

void WriteHeading(GlobalData& G, const FunctionRecord& f) {
  const bool has_template = !f.template_text.empty();
  switch (Fmt(G)) {
    case ReportFormat::kHtml:
      Print(G,
            "  <b>Function</b>: <b><a href=\"%s\" target=\"_blank\"><font "
            "color=\"%s\">%s</font></a></b>\n",
            HtmlText(MakeFileLink(G, f.file_name)).c_str(),
            Color(G, kColorFunction), HtmlEscape(f.name).c_str());
      Print(G, "  <b>Parameters:</b> <b><font color=\"%s\">%s</font></b>\n",
            Color(G, kColorFunctionParam), HtmlEscape(f.parameters).c_str());
      if (has_template) {
        Print(G, "  <b>Template:</b> <b><font color=\"%s\">%s</font></b>\n",
              Color(G, kColorTemplate), HtmlEscape(f.template_text).c_str());
      }
      break;
    case ReportFormat::kXml:
      Print(G, "<function>\n<name>%s</name>\n", XmlEscape(f.name).c_str());
      Print(G, "<parameters>%s</parameters>\n", XmlEscape(f.parameters).c_str());
      Print(G, "<file>%s</file>\n<line>%d</line>\n",
            XmlEscape(f.file_name).c_str(), f.line);
      if (has_template) {
        Print(G, "<template>%s</template>\n", XmlEscape(f.template_text).c_str());
      }
      break;
    default:
      WriteFunctionHeading(G, f);
      break;
  }
}

void WriteListedFunction(GlobalData& G, const FileGroups& groups,
                         const FunctionRecord& f) {
  if (Fmt(G) == ReportFormat::kCsv) {
    Print(G, "Function,%s,%s,%d,%d,%d,%d,%.2f,%d,%d,%d,%d,%d,%d\n",
          CsvField(f.name).c_str(), CsvField(f.parameters).c_str(), f.loc,
          f.eloc, f.lloc,
          f.comments, f.CommentsPerEloc(), f.lines, f.params, f.returns,
          InterfaceComplexity(f.params, f.returns), f.cyclomatic,
          TotalComplexity(f.params, f.returns, f.cyclomatic));
    return;
  }
  WriteHeading(G, f);
  if (G.sw.complexity) WriteComplexityLine(G, f.params, f.returns, f.cyclomatic);
  WriteLocLine(G, f.loc, f.eloc, f.lloc, f.comments, f.lines);
  WriteRecordFunctionPoints(G, groups, f);
  PutText(G, Fmt(G) == ReportFormat::kXml ? "</function>\n" : "\n");
}

std::vector<PairItem> TotalItems(const RecordStats& s) {
  auto item = [](const char* name, double value,
                 PairKind kind = PairKind::kInt) {
    return PairItem{AnalysisLabel("Total", name), value, kind};
  };
  return {item("Functions", s.count),
          item("Physical Lines", s.Sum(kRmLines)),
          item("LOC", s.Sum(kRmLoc)),
          item("Function Pts LOC", s.fp_loc, PairKind::kPoints),
          item("eLOC", s.Sum(kRmEloc)),
          item("Function Pts eLOC", s.fp_eloc, PairKind::kPoints),
          item("lLOC", s.Sum(kRmLloc)),
          item("Function Pts lLOC", s.fp_lloc, PairKind::kPoints),
          item("Cyclomatic Comp.", s.Sum(kRmCyclomatic)),
          item("Interface Comp.", s.Sum(kRmInterface)),
          item("Parameters", s.Sum(kRmParams)),
          item("Return Points", s.Sum(kRmReturns)),
          item("Comment Lines", s.Sum(kRmComments)),
          item("Blank Lines", s.Sum(kRmBlanks))};
}

std::vector<PairItem> AverageItems(const RecordStats& s) {
  auto item = [&s](const char* name, int measure) {
    return PairItem{AnalysisLabel("Avg", name), s.Average(measure),
                    PairKind::kAverage};
  };
  return {item("Physical Lines", kRmLines), LineBreak(),
          item("LOC", kRmLoc),
          item("eLOC", kRmEloc),
          item("lLOC", kRmLloc),
          item("Cyclomatic Comp.", kRmCyclomatic),
          item("Interface Comp.", kRmInterface),
          item("Parameters", kRmParams),
          item("Return Points", kRmReturns),
          item("Comment Lines", kRmComments)};
}

// Maxima (`max` true) or minima.
std::vector<PairItem> ExtremeItems(const RecordStats& s, bool max) {
  const char* prefix = max ? "Max" : "Min";
  auto item = [&](const char* name, int measure) {
    return PairItem{AnalysisLabel(prefix, name),
                    static_cast<double>(max ? s.max[measure] : s.min[measure]),
                    PairKind::kInt};
  };
  return {item("LOC", kRmLoc),
          item("eLOC", kRmEloc),
          item("lLOC", kRmLloc),
          item("Cyclomatic Comp.", kRmCyclomatic),
          item("Interface Comp.", kRmInterface),
          item("Parameters", kRmParams),
          item("Return Points", kRmReturns),
          item("Comment Lines", kRmComments),
          item("Total Lines", kRmLines)};
}

void WriteTextAnalysis(GlobalData& G, const RecordStats& s) {
  WriteSectionTitle(G, "~~ Project Functional Analysis ~~", "");
  PutText(G, Label(G, "  Total: Functions  ") + "\n");
  Print(G, "%s%-7d%s%-7d%s%-7d%s%-7d%s%7d\n", Label(G, "  LOC ").c_str(),
        s.Sum(kRmLoc), Label(G, "  eLOC ").c_str(), s.Sum(kRmEloc),
        Label(G, "  lLOC ").c_str(), s.Sum(kRmLloc),
        Label(G, "  InCmp ").c_str(), s.Sum(kRmInterface),
        Label(G, "  CycloCmp ").c_str(), s.Sum(kRmCyclomatic));
  PutText(G, "\n");
  WritePairs(G, TotalItems(s));
  WriteAnalysisSeparator(G);
  WritePairs(G, AverageItems(s));
  WriteAnalysisSeparator(G);
  WritePairs(G, ExtremeItems(s, true));
  WriteAnalysisSeparator(G);
  WritePairs(G, ExtremeItems(s, false));
}

void WriteCsvAnalysis(GlobalData& G, const RecordStats& s) {
  PutText(G, "Total Functions\n");
  Print(G, "Count,%d,", s.count);
  for (const FunctionColumn& c : kColumns) {
    Print(G, "%s,%d,", c.csv, s.Sum(c.measure));  // a comma after Lines too
  }
  Print(G, "Func Pts(LOC),%.1f,Func Pts(eLOC),%.1f,Func Pts(lLOC),%.1f\n",
        s.fp_loc, s.fp_eloc, s.fp_lloc);
  PutText(G, "Avg Functions\n");
  // Every column of the averages row is "%.2f", the count included.
  Print(G, "Count,%.2f,", static_cast<double>(s.count));
  for (const FunctionColumn& c : kColumns) {
    Print(G, "%s,%.2f,", c.csv, s.Average(c.measure));
  }
  const double n = s.count > 0 ? s.count : 1;
  Print(G, "Func Pts(LOC),%.2f,Func Pts(eLOC),%.2f,Func Pts(lLOC),%.2f\n",
        s.fp_loc / n, s.fp_eloc / n, s.fp_lloc / n);
  for (bool max : {true, false}) {
    PutText(G, max ? "Max Functions\n" : "Min Functions\n");
    Print(G, "Count,%d", s.count);
    for (const FunctionColumn& c : kColumns) {
      Print(G, ",%s,%d", c.csv, max ? s.max[c.measure] : s.min[c.measure]);
    }
    PutText(G, "\n");
  }
}

void WriteXmlAnalysis(GlobalData& G, const RecordStats& s) {
  PutText(G, "<total_all_function_analysis>\n");
  XmlInt(G, "functions", s.count);
  for (const FunctionColumn& c : kColumns) XmlInt(G, c.xml, s.Sum(c.measure));
  XmlReal(G, "function_points_loc", "%.1f", s.fp_loc);
  XmlReal(G, "function_points_eloc", "%.1f", s.fp_eloc);
  XmlReal(G, "function_points_lloc", "%.1f", s.fp_lloc);
  for (const FunctionColumn& c : kColumns) {
    XmlReal(G, std::string("average_") + c.xml, "%.2f", s.Average(c.measure));
  }
  for (const FunctionColumn& c : kColumns) {
    XmlInt(G, std::string("max_") + c.xml, s.max[c.measure]);
  }
  for (const FunctionColumn& c : kColumns) {
    XmlInt(G, std::string("min_") + c.xml, s.min[c.measure]);
  }
  PutText(G, "</total_all_function_analysis>\n");
}

}  // namespace

void WriteProjectFunctionalMetrics(GlobalData& G) {
  const FunctionList& list = G.lists.functions;
  if (list.empty() || G.sw.function_list) return;
  // The kept records are sorted as they are and expanded one at a time.
  std::vector<const StoredFunction*> functions;
  functions.reserve(list.size());
  for (size_t i = 0; i < list.size(); ++i) functions.push_back(&list.Stored(i));
  SortRecords(G, functions);
  OpenProjectSection(G, "~~ Project Functional Metrics ~~",
                     "\nProject Functional Metrics\n",
                     "Project Functional Metrics");
  WriteSortLine(G);
  if (Fmt(G) == ReportFormat::kCsv) {
    Print(G, "Count,%d\n", static_cast<int>(functions.size()));
    PutText(G,
            "Type,Name,Params,LOC,eLOC,lLOC,Comments,Comments/eLOC,Lines,"
            "Parameters,Returns,Interface Complexity,Cyclomatic Complexity,"
            "Functional Complexity\n");
  }
  const FileGroups groups(G);
  RecordStats stats;
  MetricRecord f;  // reused, so that its strings keep their room
  for (const StoredFunction* stored : functions) {
    ExpandFunctionInto(*stored, f);
    if (!G.sw.totals_summaries_only) WriteListedFunction(G, groups, f);
    AddToStats(G, groups, f, stats);
  }
  switch (Fmt(G)) {
    case ReportFormat::kCsv: WriteCsvAnalysis(G, stats); break;
    case ReportFormat::kXml: WriteXmlAnalysis(G, stats); break;
    default: WriteTextAnalysis(G, stats); break;
  }
  WriteSectionEnd(G);
}

}  // namespace zav
