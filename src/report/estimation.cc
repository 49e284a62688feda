#include "report/estimation.h"

#include <string>
#include <vector>

#include "report/framework.h"
#include "base/output.h"
#include "report/project_common.h"

namespace zav {
namespace {

// The six factors of one size measure, in report order.
struct FactorTexts {
  const char* subtitle;
  const char* csv_prefix;
  const char* xml_prefix;
  const char* labels[6];
};

constexpr FactorTexts kFactorTexts[] = {
    {"LOC Estimation Factors", "LOC", "loc",
     {"  Lines of Code, LOC, per Function ...........................: ",
      "  Lines of Code, LOC, per Function Input Parameter ...........: ",
      "  Lines of Code, LOC, per Function Return State ..............: ",
      "  LOC per Function Interface Complexity (Parameters + Return) : ",
      "  LOC per Function Cyclomatic Complexity .....................: ",
      "  LOC per Function Complexity (Cyclomatic+Interface Complex.) : "}},
    {"eLOC Estimation Factors", "eLOC", "eloc",
     {"  Effective Lines of Code, eLOC, per Function ................: ",
      "  Effective Lines of Code, eLOC, per Function Input Parameter : ",
      "  Effective Lines of Code, eLOC, per Function Return State ...: ",
      "  eLOC per Function Interface Complexity (Parameters + Return): ",
      "  eLOC per Function Cyclomatic Complexity ....................: ",
      "  eLOC per Function Complexity (Cyclomatic+Interface Complex.): "}},
    {"lLOC Estimation Factors", "lLOC", "lloc",
     {"  Logical Lines of Code, lLOC, per Function ..................: ",
      "  Logical Lines of Code, lLOC, per Function Input Parameter ..: ",
      "  Logical Lines of Code, lLOC, per Function Return State .....: ",
      "  lLOC per Function Interface Complexity (Parameters + Return): ",
      "  lLOC per Function Cyclomatic Complexity ....................: ",
      "  lLOC per Function Complexity (Cyclomatic+Interface Complex.): "}},
};

// CSV and XML names of the six denominators.
constexpr const char* kCsvPer[6] = {
    "per Function", "per Parameter", "per Return",
    "per Interface Complexity", "per Cyclomatic Complexity",
    "per Function Complexity"};
constexpr const char* kXmlPer[6] = {
    "per_function", "per_parameter", "per_return",
    "per_interface_complexity", "per_cyclomatic_complexity",
    "per_function_complexity"};

void WriteBasis(GlobalData& G, const EstimationBasis& b) {
  const struct {
    const char* label;
    const char* csv;
    const char* xml;
    int value;
  } rows[] = {
      {"  Total Function Count ..: ", "Total Function Count", "function_count", b.functions},
      {"  Total Function LOC ....: ", "Total Function LOC", "loc", b.loc},
      {"  Total Function eLOC ...: ", "Total Function eLOC", "eloc", b.eloc},
      {"  Total Function lLOC ...: ", "Total Function lLOC", "lloc", b.lloc},
      {"  Total Function Comments: ", "Total Function Comments", "comments", b.comments},
      {"  Total Func. Parameters : ", "Total Function Parameters", "parameters", b.params},
      {"  Total Function Returns : ", "Total Function Returns", "returns", b.returns},
      {"  Total Cylco. Complexity: ", "Total Cyclomatic Complexity", "cyclomatic_complexity", b.cyclomatic},
      {"  Total Function Complex.: ", "Total Function Complexity", "total_complexity", b.Complexity()},
  };
  switch (Fmt(G)) {
    case ReportFormat::kCsv:
      PutText(G, "Functional Basis\n");
      for (const auto& r : rows) Print(G, "%s,%d\n", r.csv, r.value);
      break;
    case ReportFormat::kXml:
      PutText(G, "<functional_basis>\n");
      for (const auto& r : rows) XmlInt(G, r.xml, r.value);
      PutText(G, "</functional_basis>\n");
      break;
    default: {
      WriteSubTitle(G, "Functional Basis");
      std::vector<PairItem> items;
      for (const auto& r : rows) {
        items.push_back(PairItem{r.label, static_cast<double>(r.value), PairKind::kInt});
        if (items.size() == 1) items.push_back(LineBreak());
      }
      WritePairs(G, items);
      break;
    }
  }
}

void WriteFactors(GlobalData& G, const FactorTexts& texts, int size,
                  const EstimationBasis& b) {
  const double denominators[6] = {
      static_cast<double>(b.functions), static_cast<double>(b.params),
      static_cast<double>(b.returns),   static_cast<double>(b.Interface()),
      static_cast<double>(b.cyclomatic), static_cast<double>(b.Complexity())};
  switch (Fmt(G)) {
    case ReportFormat::kCsv:
      Print(G, "%s\n", texts.subtitle);
      break;
    case ReportFormat::kXml:
      Print(G, "<%s_estimation_factors>\n", texts.xml_prefix);
      break;
    default:
      PutText(G, "\n");
      WriteSubTitle(G, texts.subtitle);
      break;
  }
  for (int i = 0; i < 6; ++i) {
    const double ratio = EstimationRatio(size, denominators[i]);
    switch (Fmt(G)) {
      case ReportFormat::kCsv:
        Print(G, "%s %s,%.2f\n", texts.csv_prefix, kCsvPer[i], ratio);
        break;
      case ReportFormat::kXml:
        XmlReal(G, std::string(texts.xml_prefix) + "_" + kXmlPer[i], "%.2f", ratio);
        break;
      default:
        Print(G, "%s%10.2f\n", Label(G, texts.labels[i]).c_str(), ratio);
        break;
    }
  }
  if (Fmt(G) == ReportFormat::kXml) {
    Print(G, "</%s_estimation_factors>\n", texts.xml_prefix);
  }
}

}  // namespace

EstimationBasis GatherEstimationBasis(const GlobalData& G) {
  EstimationBasis b;
  for (const FunctionRecord& f : G.lists.functions) {
    ++b.functions;
    b.loc += f.loc;
    b.eloc += f.eloc;
    b.lloc += f.lloc;
    b.comments += f.comments;
    b.params += f.params;
    b.returns += f.returns;
    b.cyclomatic += f.cyclomatic;
  }
  return b;
}

double EstimationRatio(double size, double denominator) {
  return denominator < 1 ? 0.0 : size / denominator;
}

void WriteEstimationAnalysis(GlobalData& G) {
  if (G.lists.functions.empty()) return;
  const EstimationBasis b = GatherEstimationBasis(G);
  OpenProjectSection(G, "~~ Estimation Analysis ~~", "Estimation Analysis\n",
                     "Estimation Analysis");
  WriteBasis(G, b);
  const int sizes[3] = {b.loc, b.eloc, b.lloc};
  for (int m = 0; m < 3; ++m) WriteFactors(G, kFactorTexts[m], sizes[m], b);
  WriteSectionEnd(G);
}

}  // namespace zav
