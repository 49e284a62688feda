// The automated CSV mode (-C with -s or -fa): one row per file and one per
// function, for spreadsheets, each kind preceded once by its column header
// and closed at the end of the run by Total, Average, Maximum and Minimum
// rows. With function points on, the LOC, eLOC and lLOC columns carry the
// count and its function points ("12/0.2").
#pragma once

#include "zav/global_data.h"

namespace zav {

// Column positions of the rows (CsvTally indexes).
enum CsvColumn {
  kCsvSize, kCsvLoc, kCsvEloc, kCsvLloc, kCsvComments, kCsvBlanks, kCsvLines,
  kCsvCommentsPerEloc, kCsvClasses, kCsvFunctions, kCsvParams, kCsvReturns,
  kCsvInterface, kCsvCyclomatic, kCsvTotalComplexity, kCsvNotices,
  kCsvFpLoc, kCsvFpEloc, kCsvFpLloc
};

// The row of the file just analysed (its counters in G.file, its name,
// date, size and function points in `entry`).
void WriteCsvFileRow(GlobalData& G, const FileEntry& entry);

// The row of one function record.
void WriteCsvFunctionRow(GlobalData& G, const FunctionRecord& function);

// The rows of the function records appended to G.lists.functions since the
// previous call (the functions of the file just analysed).
void WriteCsvFunctionRows(GlobalData& G);

// The closing rows of both kinds, each only when a row of its kind was
// written: "Files, n" and the Total, Average, Maximum and Minimum file rows;
// then the Total, Average, Maximum and Minimum function rows.
void WriteCsvTotals(GlobalData& G);

}  // namespace zav
