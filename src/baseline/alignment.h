// Line alignment of two differential files: a longest-common-subsequence
// matrix over line records, in one block or, for long files, in segments
// of the configured size from the end of both files (linear look-ahead),
// and the fifteen counters of equal, added and removed lines by type.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "baseline/work_file_reader.h"
#include "zav/global_data.h"

namespace zav {

// Counter groups of the line types.
enum LineGroup { kLinesL, kLinesN, kLinesG, kLinesC, kLinesB, kLineGroupCount };

struct LineCounters {
  int32_t mod[kLineGroupCount] = {};  // added to or changed in the newer file
  int32_t eq[kLineGroupCount] = {};   // equal in both
  int32_t rm[kLineGroupCount] = {};   // removed from the older file
};

// One row of the detail listing: "=", "+" or "-" with the line numbers
// (0 for the side the line is not on).
struct DiffDetail {
  int32_t older = 0;
  char op = '=';
  char type = 0;
  int32_t newer = 0;
};

// The per-file code differential figures taken from the counters.
struct CodeDiffFigures {
  int32_t loc = 0, eloc = 0, lloc = 0, comments = 0, blanks = 0, lines = 0;
};
CodeDiffFigures FiguresFromCounters(const LineCounters& c, bool add_removed);

// Aligns the older and newer line lists of the file `name`, fills
// `counters` and, with differential details on (-ws), writes the detail
// listing. `bound` is the maximum LCS size. Returns false when a matrix
// could not be allocated (after the error message).
bool CompareFileLines(GlobalData& G, const std::string& name,
                      const std::vector<DiffLine>& older,
                      const std::vector<DiffLine>& newer, int bound,
                      LineCounters& counters);

// The detail listing of one file (alignment_details.cc).
void WriteDetailHeader(GlobalData& G, const std::string& name);
void WriteDetailRows(GlobalData& G, std::vector<DiffDetail>& details,
                     const LineCounters& counters);

}  // namespace zav
