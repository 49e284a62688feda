// "Project Class/Struct Metrics" and "Project Interface Metrics": every
// class, struct or interface of the run with its block, then the analysis.
#include <string>
#include <vector>

#include "report/framework.h"
#include "report/metric_lines.h"
#include "report/object_analysis.h"
#include "base/output.h"
#include "report/project_reports.h"
#include "report/record_blocks.h"
#include "report/sorting.h"

namespace zav {
namespace {

// What tells the class/struct section from the interface section.
struct ObjectSection {
  bool interfaces;
  const char* title;
  const char* csv_title;
  const char* xml_name;
  const char* analysis_title;
  const char* xml_analysis;
  const char* csv_type;
  const char* count_name;   // "Classes/Structs", "Interfaces"
  const char* nested_name;  // "Nested Classes", "Nested Interfaces"
};

constexpr ObjectSection kClassSection = {
    false,
    "~~ Project Class/Struct Metrics ~~",
    "\nProject Class/Struct Metrics\n",
    "Project Class or Struct Metrics",
    "~~ Project Class/Struct Analysis ~~",
    "class_analysis",
    "Class",
    "Classes/Structs",
    "Nested Classes"};

constexpr ObjectSection kInterfaceSection = {
    true,
    "~~ Project Interface Metrics ~~",
    "\nProject Interface Metrics\n",
    "Project Interface Metrics",
    "~~ Project Interface Analysis ~~",
    "interface_analysis",
    "Interface",
    "Interfaces",
    "Nested Interfaces"};

std::string RecordLabel(const ClassRecord& r) {
  const char* kind = r.kind == RecordKind::kStruct      ? "Struct"
                     : r.kind == RecordKind::kInterface ? "Interface"
                                                        : "Class";
  return r.nesting > 0 ? std::string("Nested ") + kind : std::string(kind);
}

void WriteListedObject(GlobalData& G, const ObjectSection& section,
                       const FileGroups& groups, const ClassRecord& r) {
  if (Fmt(G) == ReportFormat::kCsv) {
    WriteCsvRecordRow(G, section.csv_type, r, ClassCsvColumns());
    return;
  }
  WriteClassHeading(G, RecordLabel(r), r);
  WriteInheritanceLine(G, r);
  WriteAttributesLine(G, r.attributes_public, r.attributes_protected,
                      r.attributes_private);
  WriteMethodsLine(G, r.methods_public, r.methods_protected, r.methods_private);
  WriteLocLine(G, r.loc, r.eloc, r.lloc, r.comments, r.lines);
  WriteRecordFunctionPoints(G, groups, r);
  if (Fmt(G) == ReportFormat::kXml) PutText(G, "</class>\n");
}

std::vector<NamedMeasure> MemberMeasures() {
  std::vector<NamedMeasure> measures = {{"Methods", kRmMethods},
                                        {"Attributes", kRmAttributes}};
  for (const NamedMeasure& m : VisibilityMeasures()) measures.push_back(m);
  for (const NamedMeasure& m : SizeMeasures()) measures.push_back(m);
  return measures;
}

void WriteTotalsRow(GlobalData& G, const char* text, const RecordStats& s) {
  PutText(G, Label(G, text) + "\n");
  WriteLocLine(G, s.Sum(kRmLoc), s.Sum(kRmEloc), s.Sum(kRmLloc),
               s.Sum(kRmComments), s.Sum(kRmLines));
}

void WriteTextAnalysis(GlobalData& G, const ObjectSection& section,
                       const RecordStats& all, const RecordStats& parents,
                       int nested) {
  WriteSectionTitle(G, section.analysis_title, "");
  const std::string parent_row =
      std::string("  Total: All Parent ") + section.count_name;
  const std::string all_row = std::string("  Total: All ") + section.count_name;
  WriteTotalsRow(G, parent_row.c_str(), parents);
  WriteTotalsRow(G, all_row.c_str(), all);
  WriteClassesLine(G, all.count, all.Sum(kRmMethods));
  PutText(G, "\n");
  std::vector<PairItem> items = {
      PairItem{AnalysisLabel("Total", section.count_name),
               static_cast<double>(all.count), PairKind::kInt},
      PairItem{AnalysisLabel("Total", section.nested_name),
               static_cast<double>(nested), PairKind::kInt}};
  for (const PairItem& item : FigureItems(all, Figure::kTotal, MemberMeasures())) {
    items.push_back(item);
  }
  WritePairs(G, items);
  WriteFigureBlocks(G, all, MemberMeasures());
}

void WriteObjectSection(GlobalData& G, const ObjectSection& section) {
  std::vector<const MetricRecord*> records;
  std::vector<const MetricRecord*> parents;
  int nested = 0;
  for (const ClassRecord& r : G.lists.classes) {
    if ((r.kind == RecordKind::kInterface) != section.interfaces) continue;
    records.push_back(&r);
    if (r.nesting > 0) {
      ++nested;
    } else {
      parents.push_back(&r);
    }
  }
  if (records.empty()) return;
  SortRecords(G, records);
  OpenProjectSection(G, section.title, section.csv_title, section.xml_name);
  WriteSortLine(G);
  const ReportFormat format = Fmt(G);
  if (!section.interfaces) {
    const char* note = "Parent LOC Metrics Include Nested LOC Metrics";
    switch (format) {
      case ReportFormat::kCsv: Print(G, "%s\n", note); break;
      case ReportFormat::kXml: Print(G, "<note>%s</note>\n", note); break;
      default: CenterLine(G, note); break;
    }
  }
  if (format == ReportFormat::kCsv) {
    PutText(G,
            "Type,Name,LOC,eLOC,lLOC,Comments,Comments/eLOC,Lines,Parameters,"
            "Returns,Interface Complexity,Cyclomatic Complexity,Functional "
            "Complexity,Methods,Public Methods,Protected Methods,Private "
            "Methods,Attributes,Public Attributes,Protected Attributes,Private "
            "Attributes\n");
  }
  if (!G.sw.totals_summaries_only) {
    const FileGroups groups(G);
    for (const MetricRecord* r : records) WriteListedObject(G, section, groups, *r);
  }
  const RecordStats all = GatherStats(G, records);
  const std::string all_name = std::string("All ") + section.count_name;
  switch (format) {
    case ReportFormat::kCsv:
      WriteCsvFigureRows(G, all, all_name.c_str(), ClassCsvColumns());
      break;
    case ReportFormat::kXml:
      Print(G, "<%s>\n", section.xml_analysis);
      XmlInt(G, section.interfaces ? "interfaces" : "classes", all.count);
      XmlInt(G, section.interfaces ? "nested_interfaces" : "nested_classes", nested);
      WriteXmlFigures(G, all, ClassCsvColumns());
      Print(G, "</%s>\n", section.xml_analysis);
      break;
    default:
      WriteTextAnalysis(G, section, all, GatherStats(G, parents), nested);
      break;
  }
  WriteSectionEnd(G);
}

}  // namespace

void WriteProjectClassMetrics(GlobalData& G) {
  WriteObjectSection(G, kClassSection);
}

void WriteProjectInterfaceMetrics(GlobalData& G) {
  WriteObjectSection(G, kInterfaceSection);
}

}  // namespace zav
