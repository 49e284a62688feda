#include "report/object_analysis.h"

#include <string>

#include "base/csv_field.h"
#include "report/framework.h"
#include "base/output.h"

namespace zav {
namespace {

constexpr int kCommentsPerElocColumn = kRmCount;

// XML element names of the measures, by RecordMeasure.
constexpr const char* kXmlNames[kRmCount] = {
    "loc",         "eloc",
    "lloc",        "comments",
    "blanks",      "lines",
    "params",      "returns",
    "interface_complexity", "cyclomatic_complexity",
    "total_complexity",     "methods",
    "public_methods",       "protected_methods",
    "private_methods",      "attributes",
    "public_attributes",    "protected_attributes",
    "private_attributes",   "classes",
    "functions"};

const char* FigurePrefix(Figure figure) {
  switch (figure) {
    case Figure::kTotal: return "Total";
    case Figure::kAverage: return "Avg";
    case Figure::kMaximum: return "Max";
    default: return "Min";
  }
}

double FigureOf(const RecordStats& s, Figure figure, int measure) {
  switch (figure) {
    case Figure::kTotal: return static_cast<double>(s.sum[measure]);
    case Figure::kAverage: return s.Average(measure);
    case Figure::kMaximum: return s.max[measure];
    default: return s.min[measure];
  }
}

double CommentsPerElocFigure(const RecordStats& s, Figure figure) {
  switch (figure) {
    case Figure::kMaximum: return s.max_comments_per_eloc;
    case Figure::kMinimum: return s.min_comments_per_eloc;
    default: return s.CommentsPerEloc();
  }
}

}  // namespace

std::vector<PairItem> FigureItems(const RecordStats& s, Figure figure,
                                  const std::vector<NamedMeasure>& measures) {
  std::vector<PairItem> items;
  for (const NamedMeasure& m : measures) {
    if (m.measure == kRmCount) {
      items.push_back(LineBreak());
      continue;
    }
    items.push_back(PairItem{
        AnalysisLabel(FigurePrefix(figure), m.text), FigureOf(s, figure, m.measure),
        figure == Figure::kAverage ? PairKind::kAverage : PairKind::kInt});
  }
  return items;
}

std::vector<NamedMeasure> VisibilityMeasures() {
  return {{"Public Methods", kRmMethodsPublic},
          {"Public Attrib.", kRmAttributesPublic},
          {"Protect. Methods", kRmMethodsProtected},
          {"Protect. Attrib.", kRmAttributesProtected},
          {"Private Methods", kRmMethodsPrivate},
          {"Private Attrib.", kRmAttributesPrivate}};
}

std::vector<NamedMeasure> SizeMeasures() {
  return {{"Physical Lines", kRmLines},   {"LOC", kRmLoc},
          {"eLOC", kRmEloc},              {"lLOC", kRmLloc},
          {"Cyclomatic Comp.", kRmCyclomatic}, {"Interface Comp.", kRmInterface},
          {"Parameters", kRmParams},      {"Return Points", kRmReturns},
          {"Comment Lines", kRmComments}, {"Blank Lines", kRmBlanks}};
}

void WriteFigureBlocks(GlobalData& G, const RecordStats& s,
                       const std::vector<NamedMeasure>& measures) {
  for (Figure figure : {Figure::kAverage, Figure::kMaximum, Figure::kMinimum}) {
    WriteAnalysisSeparator(G);
    WritePairs(G, FigureItems(s, figure, measures));
  }
}

const CsvColumns& ClassCsvColumns() {
  static const CsvColumns columns = {
      kRmLoc, kRmEloc, kRmLloc, kRmComments, kCommentsPerElocColumn, kRmLines,
      kRmParams, kRmReturns, kRmInterface, kRmCyclomatic, kRmComplexity,
      kRmMethods, kRmMethodsPublic, kRmMethodsProtected, kRmMethodsPrivate,
      kRmAttributes, kRmAttributesPublic, kRmAttributesProtected,
      kRmAttributesPrivate};
  return columns;
}

const CsvColumns& NamespaceCsvColumns() {
  static const CsvColumns columns = {
      kRmLoc, kRmEloc, kRmLloc, kRmComments, kCommentsPerElocColumn, kRmLines,
      kRmParams, kRmReturns, kRmInterface, kRmCyclomatic, kRmComplexity,
      kRmClasses, kRmFunctions, kRmMethodsPublic, kRmMethodsProtected,
      kRmMethodsPrivate, kRmAttributes, kRmAttributesPublic,
      kRmAttributesProtected, kRmAttributesPrivate};
  return columns;
}

void WriteCsvRecordRow(GlobalData& G, const char* type, const MetricRecord& r,
                       const CsvColumns& columns) {
  Print(G, "%s,%s", type, CsvField(r.name).c_str());
  for (int column : columns) {
    if (column == kCommentsPerElocColumn) {
      Print(G, ",%.2f", r.CommentsPerEloc());
    } else {
      Print(G, ",%d", MeasureOf(r, column));
    }
  }
  PutText(G, "\n");
}

void WriteCsvFigureRows(GlobalData& G, const RecordStats& s, const char* name,
                        const CsvColumns& columns) {
  static constexpr struct {
    Figure figure;
    const char* type;
  } kRows[] = {{Figure::kTotal, "Total"},
               {Figure::kAverage, "Average"},
               {Figure::kMaximum, "Maximum"},
               {Figure::kMinimum, "Minimum"}};
  for (const auto& row : kRows) {
    Print(G, "%s,%s", row.type, name);
    for (int column : columns) {
      if (column == kCommentsPerElocColumn) {
        Print(G, ",%.2f", CommentsPerElocFigure(s, row.figure));
      } else if (row.figure == Figure::kAverage) {
        Print(G, ",%.2f", s.Average(column));
      } else {
        Print(G, ",%d", static_cast<int>(FigureOf(s, row.figure, column)));
      }
    }
    PutText(G, "\n");
  }
}

void WriteXmlFigures(GlobalData& G, const RecordStats& s,
                     const CsvColumns& columns) {
  for (int column : columns) {
    if (column == kCommentsPerElocColumn) {
      XmlReal(G, "comment_per_eloc", "%.2f", s.CommentsPerEloc());
    } else {
      XmlInt(G, kXmlNames[column], s.sum[column]);
    }
  }
  static constexpr struct {
    Figure figure;
    const char* prefix;
  } kFigures[] = {{Figure::kAverage, "average_"},
                  {Figure::kMaximum, "max_"},
                  {Figure::kMinimum, "min_"}};
  for (const auto& f : kFigures) {
    for (int column : columns) {
      if (column == kCommentsPerElocColumn) continue;
      const std::string name = std::string(f.prefix) + kXmlNames[column];
      if (f.figure == Figure::kAverage) {
        XmlReal(G, name, "%.2f", s.Average(column));
      } else {
        XmlInt(G, name, static_cast<long long>(FigureOf(s, f.figure, column)));
      }
    }
  }
}

void WriteClassesLine(GlobalData& G, int classes, int functions) {
  const double average = classes > 0 ? static_cast<double>(functions) / classes : 0.0;
  Print(G, "%s%-7d%s%-7d%s%8.2f\n", Label(G, "  Total Classses ").c_str(),
        classes, Label(G, "  Total Functions ").c_str(), functions,
        Label(G, "  Avg Func/Class ").c_str(), average);
}

}  // namespace zav
