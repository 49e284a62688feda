// "Project Functional Metrics": every function of the run with its block,
// then the functional analysis (totals, averages, maxima and minima).
#include <algorithm>
#include <string_view>
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

// The texts of a kept function, read in place.
struct StoredTexts {
  explicit StoredTexts(const StoredFunction& f)
      : name(TextStore::View(f.name)),
        parameters(TextStore::View(f.parameters)),
        template_text(TextStore::View(f.template_text)),
        file_name(TextStore::View(f.file_name)) {}
  std::string_view name, parameters, template_text, file_name;
};

void WriteHeading(GlobalData& G, const StoredFunction& f, const StoredTexts& t) {
  const bool has_template = !t.template_text.empty();
  switch (Fmt(G)) {
    case ReportFormat::kHtml:
      Print(G,
            "  <b>Function</b>: <b><a href=\"%s\" target=\"_blank\"><font "
            "color=\"%s\">%s</font></a></b>\n",
            HtmlText(MakeFileLink(G, t.file_name)).c_str(),
            Color(G, kColorFunction), HtmlEscape(t.name).c_str());
      Print(G, "  <b>Parameters:</b> <b><font color=\"%s\">%s</font></b>\n",
            Color(G, kColorFunctionParam), HtmlEscape(t.parameters).c_str());
      if (has_template) {
        Print(G, "  <b>Template:</b> <b><font color=\"%s\">%s</font></b>\n",
              Color(G, kColorTemplate), HtmlEscape(t.template_text).c_str());
      }
      break;
    case ReportFormat::kXml:
      Print(G, "<function>\n<name>%s</name>\n", XmlEscape(t.name).c_str());
      Print(G, "<parameters>%s</parameters>\n", XmlEscape(t.parameters).c_str());
      Print(G, "<file>%s</file>\n<line>%d</line>\n",
            XmlEscape(t.file_name).c_str(), f.line);
      if (has_template) {
        Print(G, "<template>%s</template>\n", XmlEscape(t.template_text).c_str());
      }
      break;
    default:
      WriteFunctionHeading(G, t.name, t.parameters, t.template_text);
      break;
  }
}

// One function of the list; `group` is the language group of its file.
void WriteListedFunction(GlobalData& G, int group, const StoredFunction& f) {
  const StoredTexts t(f);
  if (Fmt(G) == ReportFormat::kCsv) {
    const double comments_per_eloc =
        f.eloc == 0 ? 0.0 : static_cast<double>(f.comments) / f.eloc;
    Print(G, "Function,%s,%s,%d,%d,%d,%d,%.2f,%d,%d,%d,%d,%d,%d\n",
          CsvField(t.name).c_str(), CsvField(t.parameters).c_str(), f.loc,
          f.eloc, f.lloc,
          f.comments, comments_per_eloc, f.lines, f.params, f.returns,
          InterfaceComplexity(f.params, f.returns), f.cyclomatic,
          TotalComplexity(f.params, f.returns, f.cyclomatic));
    return;
  }
  WriteHeading(G, f, t);
  if (G.sw.complexity) WriteComplexityLine(G, f.params, f.returns, f.cyclomatic);
  WriteLocLine(G, f.loc, f.eloc, f.lloc, f.comments, f.lines);
  if (G.sw.function_points) {
    WriteFunctionPointLine(G, GroupFunctionPoints(G, group, kMeasureLoc, f.loc),
                           GroupFunctionPoints(G, group, kMeasureEloc, f.eloc),
                           GroupFunctionPoints(G, group, kMeasureLloc, f.lloc));
  }
  PutText(G, Fmt(G) == ReportFormat::kXml ? "</function>\n" : "\n");
}

// Adds a kept function to the statistics of the list: the measures a
// function has, as AddToStats adds them from the full record (the class
// and namespace measures stay 0, as they are for every function).
void AddFunction(const GlobalData& G, int group, const StoredFunction& f, RecordStats& s) {
  // TrackMinMax's extremes without its branches: the minimum is the first
  // value or the lower one, never below 0; the maximum starts at 0.
  const bool first = s.count == 0;
  auto add = [&](int measure, int value) {
    s.sum[measure] += value;
    s.min[measure] = std::max(first ? value : std::min(s.min[measure], value), 0);
    s.max[measure] = std::max(s.max[measure], value);
  };
  add(kRmLoc, f.loc);
  add(kRmEloc, f.eloc);
  add(kRmLloc, f.lloc);
  add(kRmComments, f.comments);
  add(kRmBlanks, f.blanks);
  add(kRmLines, f.lines);
  add(kRmParams, f.params);
  add(kRmReturns, f.returns);
  add(kRmInterface, InterfaceComplexity(f.params, f.returns));
  add(kRmCyclomatic, f.cyclomatic);
  add(kRmComplexity, TotalComplexity(f.params, f.returns, f.cyclomatic));
  s.fp_loc += GroupFunctionPoints(G, group, kMeasureLoc, f.loc);
  s.fp_eloc += GroupFunctionPoints(G, group, kMeasureEloc, f.eloc);
  s.fp_lloc += GroupFunctionPoints(G, group, kMeasureLloc, f.lloc);
  ++s.count;
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
  // The kept records are sorted as they are.
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
  // The kept records are read in place. A file's records share one stored
  // name, so its group is looked up when that name changes.
  const char* file = nullptr;
  int group = kGroupOther;
  for (const StoredFunction* f : functions) {
    if (f->file_name != file) {
      file = f->file_name;
      group = groups.Of(TextStore::View(file));
    }
    if (!G.sw.totals_summaries_only) WriteListedFunction(G, group, *f);
    AddFunction(G, group, *f, stats);
  }
  switch (Fmt(G)) {
    case ReportFormat::kCsv: WriteCsvAnalysis(G, stats); break;
    case ReportFormat::kXml: WriteXmlAnalysis(G, stats); break;
    default: WriteTextAnalysis(G, stats); break;
  }
  WriteSectionEnd(G);
}

}  // namespace zav
