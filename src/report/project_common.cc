#include "report/project_common.h"

#include "base/complexity.h"
#include "report/framework.h"
#include "report/metric_lines.h"
#include "base/output.h"
#include "base/text_util.h"

namespace zav {

void OpenProjectSection(GlobalData& G, const char* title, const char* csv,
                        const char* xml_name) {
  switch (Fmt(G)) {
    case ReportFormat::kText:
    case ReportFormat::kHtml:
      WriteSectionTitle(G, title, "");
      break;
    case ReportFormat::kCsv:
      PutText(G, csv);
      break;
    case ReportFormat::kXml:
      Print(G, "<report>\n<name>%s</name>\n", xml_name);
      break;
  }
}

void WriteSubTitle(GlobalData& G, const char* text) {
  if (Fmt(G) == ReportFormat::kHtml) {
    char markup[160];
    std::snprintf(markup, sizeof markup, "<b><font color=\"%s\">%s</font></b>",
                  Color(G, kColorHeader), text);
    CenterHtmlLine(G, text, markup);
  } else {
    CenterLine(G, text);
  }
}

std::string AnalysisLabel(const char* prefix, const char* name) {
  const std::string text = std::string(prefix) + " " + name;
  // The one label of the family written without a blank before its dots.
  if (text == "Total lLOC") return "  Total lLOC.............: ";
  return DottedLabel(text);
}

std::string DottedLabel(const std::string& text) {
  std::string label = "  " + text;
  if (label.size() < 25) {
    label += ' ';
    label.append(25 - label.size(), '.');
  }
  return label + ": ";
}

void WritePairs(GlobalData& G, const std::vector<PairItem>& items) {
  bool left = true;
  for (size_t i = 0; i < items.size(); ++i) {
    const PairItem& item = items[i];
    if (item.label.empty()) {  // a line break
      left = true;
      continue;
    }
    PutText(G, Label(G, item.label));
    switch (item.kind) {
      case PairKind::kInt:
        Print(G, "%10d", static_cast<int>(item.value));
        break;
      case PairKind::kPoints:
        Print(G, "%10.1f", item.value);
        break;
      case PairKind::kAverage:
        Print(G, left ? "%9.2f" : "%10.2f", item.value);
        break;
    }
    const bool line_ends = !left || i + 1 == items.size() ||
                           items[i + 1].label.empty();
    if (line_ends) PutText(G, "\n");
    left = line_ends;
  }
}

void WriteAnalysisSeparator(GlobalData& G) {
  Print(G, "  %s\n",
        "       ------     -----     -----     ------     ------     -----       ");
}

int GroupOfKind(int kind) {
  switch (kind) {
    case kLangCHeader:
    case kLangCppHeader:
      return kGroupHeader;
    case kLangC:
      return kGroupC;
    case kLangCpp:
      return kGroupCpp;
    case kLangJava:
      return kGroupJava;
    case kLangCSharp:
      return kGroupCSharp;
    default:
      return kGroupOther;
  }
}

int FileGroups::Of(std::string_view file_name) const {
  // The records of one file follow each other: its group is looked up once.
  if (last_group_ >= 0 && file_name == last_name_) return last_group_;
  if (!indexed_) {
    for (size_t i = next_; i < entries_.size(); ++i) {
      if (entries_[i].name != file_name) continue;
      next_ = i + 1;
      last_name_ = entries_[i].name;
      last_group_ = GroupOfKind(entries_[i].kind);
      return last_group_;
    }
    groups_.reserve(entries_.size());
    for (const FileEntry& entry : entries_) groups_.emplace(entry.name, GroupOfKind(entry.kind));
    indexed_ = true;
  }
  auto it = groups_.find(file_name);
  if (it == groups_.end()) return kGroupOther;
  last_name_ = it->first;
  last_group_ = it->second;
  return last_group_;
}

int LanguageGroupFileCount(const GlobalData& G, int group) {
  const auto& n = G.lang.file_counts;
  switch (group) {
    case kGroupHeader: return n[kLangCHeader] + n[kLangCppHeader];
    case kGroupC: return n[kLangC];
    case kGroupCpp: return n[kLangCpp];
    case kGroupJava: return n[kLangJava];
    case kGroupCSharp: return n[kLangCSharp];
    default: {
      // Files of the "Other" language and of no known language.
      int known = 0;
      for (int kind = kLangC; kind < kLangKindCount; ++kind) known += n[kind];
      const int other = G.files.files_processed - known;
      return other > 0 ? other : 0;
    }
  }
}

namespace {

// MeasureOf, inlined into the loop over every record's measures.
[[gnu::always_inline]] inline int MeasureValue(const MetricRecord& r, int measure) {
  switch (measure) {
    case kRmLoc: return r.loc;
    case kRmEloc: return r.eloc;
    case kRmLloc: return r.lloc;
    case kRmComments: return r.comments;
    case kRmBlanks: return r.blanks;
    case kRmLines: return r.lines;
    case kRmParams: return r.params;
    case kRmReturns: return r.returns;
    case kRmInterface: return InterfaceComplexity(r.params, r.returns);
    case kRmCyclomatic: return r.cyclomatic;
    case kRmComplexity: return TotalComplexity(r.params, r.returns, r.cyclomatic);
    case kRmMethods: return static_cast<int>(r.methods);
    case kRmMethodsPublic: return r.methods_public;
    case kRmMethodsProtected: return r.methods_protected;
    case kRmMethodsPrivate: return r.methods_private;
    case kRmAttributes:
      return r.attributes_public + r.attributes_protected + r.attributes_private;
    case kRmAttributesPublic: return r.attributes_public;
    case kRmAttributesProtected: return r.attributes_protected;
    case kRmAttributesPrivate: return r.attributes_private;
    case kRmClasses: return r.classes;
    case kRmFunctions: return r.functions;
    default: return 0;
  }
}

}  // namespace

int MeasureOf(const MetricRecord& r, int measure) { return MeasureValue(r, measure); }

void AddToStats(const GlobalData& G, const FileGroups& groups,
                const MetricRecord& r, RecordStats& s) {
  const int first = s.count == 0 ? 1 : 0;
  // Unrolled, each measure is a plain load instead of a pass through the
  // switch of MeasureValue.
#pragma GCC unroll 32
  for (int m = 0; m < kRmCount; ++m) {
    const int value = MeasureValue(r, m);
    s.sum[m] += value;
    TrackMinMax(value, s.min[m], s.max[m], first);
  }
  TrackMinMax(r.CommentsPerEloc(), s.min_comments_per_eloc,
              s.max_comments_per_eloc, first);
  const int group = groups.Of(r.file_name);
  s.fp_loc += GroupFunctionPoints(G, group, kMeasureLoc, r.loc);
  s.fp_eloc += GroupFunctionPoints(G, group, kMeasureEloc, r.eloc);
  s.fp_lloc += GroupFunctionPoints(G, group, kMeasureLloc, r.lloc);
  ++s.count;
}

RecordStats GatherStats(const GlobalData& G,
                        const std::vector<const MetricRecord*>& records) {
  RecordStats s;
  const FileGroups groups(G);
  for (const MetricRecord* r : records) AddToStats(G, groups, *r, s);
  return s;
}

void WriteRecordFunctionPoints(GlobalData& G, const FileGroups& groups,
                               const MetricRecord& r) {
  if (!G.sw.function_points) return;
  const int group = groups.Of(r.file_name);
  WriteFunctionPointLine(G, GroupFunctionPoints(G, group, kMeasureLoc, r.loc),
                         GroupFunctionPoints(G, group, kMeasureEloc, r.eloc),
                         GroupFunctionPoints(G, group, kMeasureLloc, r.lloc));
}

}  // namespace zav
