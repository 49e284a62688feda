// Pieces shared by the project sections: section openers whose CSV and XML
// names differ from the title, the two-column analysis blocks, the language
// group of a file and its function points, and the statistics over a list
// of function, class or namespace records.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "zav/global_data.h"

namespace zav {

// Opens a project section: text and HTML the hyphen rule and the centred
// `title` (HTML in the header colour) and an empty line; CSV `csv` written
// as it stands; XML "<report>" and a `name` element holding `xml_name`.
void OpenProjectSection(GlobalData& G, const char* title, const char* csv,
                        const char* xml_name);

// A centred sub-title inside a section (text as is, HTML bold in the
// header colour).
void WriteSubTitle(GlobalData& G, const char* text);

// The label of an analysis pair: "  " + prefix + " " + name, filled with
// dots to 25 columns, then ": " ("  Total LOC .............: "). A name
// that reaches the 25th column gets no dots ("  Total Namespace/Package: ").
std::string AnalysisLabel(const char* prefix, const char* name);

// "  " + text filled with dots to 25 columns in the same way, then ": ".
std::string DottedLabel(const std::string& text);

// One item of a two-column analysis block.
enum class PairKind {
  kInt,     // "%10d"
  kPoints,  // function points, "%10.1f"
  kAverage  // "%9.2f" on the left, "%10.2f" on the right
};
struct PairItem {
  std::string label;
  double value = 0;
  PairKind kind = PairKind::kInt;
};

// A PairItem with an empty label: the line ends after the item before it.
inline PairItem LineBreak() { return PairItem{}; }

// Writes the items two to a line in text and HTML (labels bold in HTML);
// an item before a LineBreak, and an odd last item, closes its line alone.
void WritePairs(GlobalData& G, const std::vector<PairItem>& items);

// The dashed separator line between the groups of an analysis block.
void WriteAnalysisSeparator(GlobalData& G);

// The language group (header, C, C++, Java, C#, other) of a LanguageKind,
// chosen in the order header, C, C++, Java, C#, other as for the file
// being analysed.
int GroupOfKind(int kind);

// The language groups of the analysed files, by name; "other" for a name
// the file set does not hold.
class FileGroups {
 public:
  explicit FileGroups(const GlobalData& G) : entries_(G.files.entries) {}
  int Of(std::string_view file_name) const;

 private:
  // Records mostly come in the order of their files: a name is looked for
  // from where the last one was found, and only a name not found ahead
  // has the names indexed, once.
  const std::vector<FileEntry>& entries_;
  mutable size_t next_ = 0;  // where the search ahead goes on
  mutable bool indexed_ = false;
  // Keyed by views of the file set's names, which stay put while the
  // project reports are written.
  mutable std::unordered_map<std::string_view, int> groups_;
  mutable std::string_view last_name_;  // a name of the file set
  mutable int last_group_ = -1;
};

// The number of analysed files of a language group. "Other" counts the
// files of the "Other" language and of no known language.
int LanguageGroupFileCount(const GlobalData& G, int group);

// count / the factor of `group` for `measure`; 0 when the factor is not
// positive. Inline: the project function report adds it up three times
// for every function.
inline double GroupFunctionPoints(const GlobalData& G, int group, int measure,
                                  double count) {
  const int factor = G.settings.fp_factors[group][measure];
  return factor > 0 ? count / factor : 0.0;
}

// Measures of a function, class or namespace record.
enum RecordMeasure {
  kRmLoc, kRmEloc, kRmLloc, kRmComments, kRmBlanks, kRmLines,
  kRmParams, kRmReturns, kRmInterface, kRmCyclomatic, kRmComplexity,
  kRmMethods, kRmMethodsPublic, kRmMethodsProtected, kRmMethodsPrivate,
  kRmAttributes, kRmAttributesPublic, kRmAttributesProtected,
  kRmAttributesPrivate, kRmClasses, kRmFunctions,
  kRmCount
};

int MeasureOf(const MetricRecord& r, int measure);

// Sums, extremes and averages of every measure over a list of records.
// Extremes come from TrackMinMax, so minima never go below 0; over an
// empty list everything is 0.
struct RecordStats {
  int count = 0;
  std::array<int64_t, kRmCount> sum{};
  std::array<int, kRmCount> min{};
  std::array<int, kRmCount> max{};
  double min_comments_per_eloc = 0, max_comments_per_eloc = 0;
  double fp_loc = 0, fp_eloc = 0, fp_lloc = 0;  // per record's language

  double Average(int measure) const {
    return count > 0 ? static_cast<double>(sum[measure]) / count : 0.0;
  }
  int Sum(int measure) const { return static_cast<int>(sum[measure]); }
  double CommentsPerEloc() const {
    return sum[kRmEloc] == 0
               ? 0.0
               : static_cast<double>(sum[kRmComments]) / sum[kRmEloc];
  }
};

RecordStats GatherStats(const GlobalData& G,
                        const std::vector<const MetricRecord*>& records);
// Adds one record to `s`, as GatherStats does for each.
void AddToStats(const GlobalData& G, const FileGroups& groups,
                const MetricRecord& r, RecordStats& s);

// The function-point line of a record, by the language of its file, when
// function points are on.
void WriteRecordFunctionPoints(GlobalData& G, const FileGroups& groups,
                               const MetricRecord& r);

}  // namespace zav
