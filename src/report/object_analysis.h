// The analysis blocks shared by the class/struct, interface and
// namespace/package sections: the two-column text pairs, the CSV rows and
// the XML elements of totals, averages, maxima and minima.
#pragma once

#include <vector>

#include "report/project_common.h"

namespace zav {

// Which figure of a measure a pair or a row shows.
enum class Figure { kTotal, kAverage, kMaximum, kMinimum };

// A measure with its name in the text labels; kRmCount stands for a line
// break in a pair list.
struct NamedMeasure {
  const char* text;
  int measure;
};
inline constexpr NamedMeasure kPairBreak = {"", kRmCount};

// The text pairs of `measures` for one figure ("Total", "Avg", "Max",
// "Min" labels).
std::vector<PairItem> FigureItems(const RecordStats& s, Figure figure,
                                  const std::vector<NamedMeasure>& measures);

// The methods, attributes and size pairs of every object section.
std::vector<NamedMeasure> VisibilityMeasures();
std::vector<NamedMeasure> SizeMeasures();

// Text and HTML: the separator and the pairs of the averages, maxima and
// minima of `measures`.
void WriteFigureBlocks(GlobalData& G, const RecordStats& s,
                       const std::vector<NamedMeasure>& measures);

// The CSV columns after the name: measures, kRmCount standing for the
// Comments/eLOC column.
using CsvColumns = std::vector<int>;
const CsvColumns& ClassCsvColumns();
const CsvColumns& NamespaceCsvColumns();

// "type,name" and the columns of one record.
void WriteCsvRecordRow(GlobalData& G, const char* type, const MetricRecord& r,
                       const CsvColumns& columns);

// The "Total", "Average", "Maximum" and "Minimum" rows over the records,
// `name` in the name column.
void WriteCsvFigureRows(GlobalData& G, const RecordStats& s, const char* name,
                        const CsvColumns& columns);

// Totals and the average_, max_ and min_ elements of the columns.
void WriteXmlFigures(GlobalData& G, const RecordStats& s,
                     const CsvColumns& columns);

// "  Total Classses %-7d  Total Functions %-7d  Avg Func/Class %8.2f".
void WriteClassesLine(GlobalData& G, int classes, int functions);

}  // namespace zav
