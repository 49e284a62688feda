// Reading work files and differential files back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "zav/global_data.h"

namespace zav {

// One record of a work file.
struct WorkRecord {
  std::string path;
  int64_t time = 0;
  int64_t size = 0;
  int32_t loc = 0, eloc = 0, comments = 0, blanks = 0, lines = 0, lloc = 0;
  int32_t cyclomatic = 0, notices = 0, interface_complexity = 0, functions = 0;
  int32_t total_complexity = 0;  // cyclomatic + interface, not stored
  std::string diff_path;         // relative to the work file's directory
  int state = 0;                 // FileState while the baselines are compared
};

struct WorkFileData {
  std::string path;
  int64_t created = 0;
  bool ignore_blank_lines = false;
  bool ignore_white_space = false;
  std::vector<WorkRecord> files;
};

// One line record of a differential file.
struct DiffLine {
  int32_t line = 0;
  double fingerprint = 0;
  char type = 0;
  char marker = 0;
};

// Loads the work file at `path` into `out`. Writes the load error (the
// file cannot be opened, or names the line that cannot be read) or the
// version warning to the report stream. Returns false on failure.
bool LoadWorkFile(GlobalData& G, const std::string& path, WorkFileData& out);

// Parses one record line (without its line end). False when the line is
// no record: no "|", or no "." before it. `complete` turns false when the
// numbers after the "|" cannot be read.
bool ParseWorkRecord(const std::string& line, WorkRecord& record, bool& complete);

// Loads the differential file `stored` of a record of the work file
// `work_path` into `lines` (appended). Returns the number of records read,
// or -1 (after the error message) when the file cannot be found.
int LoadDifferentialFile(GlobalData& G, const std::string& stored,
                         const std::string& work_path, std::vector<DiffLine>& lines);

}  // namespace zav
