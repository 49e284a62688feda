// "Project Namespace/Package Metrics": every namespace or package of the
// run with its block, then the analysis.
#include <string>
#include <vector>

#include "report/framework.h"
#include "report/metric_lines.h"
#include "report/object_analysis.h"
#include "base/output.h"
#include "report/project_reports.h"
#include "report/sorting.h"
#include "base/text_util.h"

namespace zav {
namespace {

void WriteHeading(GlobalData& G, const NamespaceRecord& r) {
  switch (Fmt(G)) {
    case ReportFormat::kText:
      Print(G, "\n  Namespace/Package: %s\n", r.name.c_str());
      break;
    case ReportFormat::kHtml:
      Print(G, "\n  <b>Namespace/Package</b>: <b><font color=\"%s\">%s</font></b>\n",
            Color(G, kColorClass), HtmlEscape(r.name).c_str());
      break;
    default:
      Print(G, "<namespace>\n<name>%s</name>\n", XmlEscape(r.name).c_str());
      XmlInt(G, "classes", r.classes);
      XmlInt(G, "functions", r.functions);
      break;
  }
}

void WriteListedNamespace(GlobalData& G, const FileGroups& groups,
                          const NamespaceRecord& r) {
  if (Fmt(G) == ReportFormat::kCsv) {
    WriteCsvRecordRow(G, "Namespace/Package", r, NamespaceCsvColumns());
    return;
  }
  WriteHeading(G, r);
  if (Fmt(G) != ReportFormat::kXml) WriteClassesLine(G, r.classes, r.functions);
  WriteAttributesLine(G, r.attributes_public, r.attributes_protected,
                      r.attributes_private);
  WriteMethodsLine(G, r.methods_public, r.methods_protected, r.methods_private);
  WriteLocLine(G, r.loc, r.eloc, r.lloc, r.comments, r.lines);
  WriteRecordFunctionPoints(G, groups, r);
  if (Fmt(G) == ReportFormat::kXml) PutText(G, "</namespace>\n");
}

std::vector<NamedMeasure> NamespaceMeasures() {
  std::vector<NamedMeasure> measures = {{"Classes/Structs", kRmClasses},
                                        {"Methods", kRmMethods},
                                        {"Functions", kRmFunctions},
                                        {"Attributes", kRmAttributes}};
  for (const NamedMeasure& m : VisibilityMeasures()) measures.push_back(m);
  for (const NamedMeasure& m : SizeMeasures()) measures.push_back(m);
  return measures;
}

void WriteTextAnalysis(GlobalData& G, const RecordStats& s) {
  WriteSectionTitle(G, "~~ Project Namespace/Package Analysis ~~", "");
  PutText(G, Label(G, "  Total: All Namespaces/Packages") + "\n");
  WriteLocLine(G, s.Sum(kRmLoc), s.Sum(kRmEloc), s.Sum(kRmLloc),
               s.Sum(kRmComments), s.Sum(kRmLines));
  WriteClassesLine(G, s.Sum(kRmClasses), s.Sum(kRmFunctions));
  PutText(G, "\n");
  std::vector<PairItem> items = {
      PairItem{AnalysisLabel("Total", "Namespace/Package"),
               static_cast<double>(s.count), PairKind::kInt},
      LineBreak()};
  for (const PairItem& item : FigureItems(s, Figure::kTotal, NamespaceMeasures())) {
    items.push_back(item);
  }
  WritePairs(G, items);
  WriteFigureBlocks(G, s, NamespaceMeasures());
}

}  // namespace

void WriteProjectNamespaceMetrics(GlobalData& G) {
  if (G.lists.namespaces.empty()) return;
  std::vector<const MetricRecord*> records;
  for (const NamespaceRecord& r : G.lists.namespaces) records.push_back(&r);
  SortRecords(G, records);
  OpenProjectSection(G, "~~ Project Namespace/Package Metrics ~~",
                     "\nProject Namespace/Package Metrics\n",
                     "Project Namespace-Package Metrics");
  WriteSortLine(G);
  const ReportFormat format = Fmt(G);
  if (format == ReportFormat::kCsv) {
    PutText(G,
            "Type,Name,LOC,eLOC,lLOC,Comments,Comments/eLOC,Lines,Parameters,"
            "Returns,Interface Complexity,Cyclomatic Complexity,Functional "
            "Complexity,Classes,Functions,Public Methods,Protected Methods,"
            "Private Methods,Attributes,Public Attributes,Protected "
            "Attributes,Private Attributes\n");
  }
  if (!G.sw.totals_summaries_only) {
    const FileGroups groups(G);
    for (const MetricRecord* r : records) WriteListedNamespace(G, groups, *r);
  }
  const RecordStats stats = GatherStats(G, records);
  switch (format) {
    case ReportFormat::kCsv:
      WriteCsvFigureRows(G, stats, "All Namespaces/Packages", NamespaceCsvColumns());
      break;
    case ReportFormat::kXml:
      PutText(G, "<namespace_analysis>\n");
      XmlInt(G, "namespaces", stats.count);
      WriteXmlFigures(G, stats, NamespaceCsvColumns());
      PutText(G, "</namespace_analysis>\n");
      break;
    default:
      WriteTextAnalysis(G, stats);
      break;
  }
  WriteSectionEnd(G);
}

}  // namespace zav
