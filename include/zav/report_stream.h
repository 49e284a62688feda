// The report stream: the one output every report section is written to,
// and the running figures of the report writers.
//
// Owned by src/report/ (opened by -O, closed at the end of the run).
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "zav/machine_output.h"

namespace zav {

// Columns of the automated CSV rows (see src/report/csv_rows.h).
inline constexpr int kCsvColumnCount = 19;

// Running figures of one kind of automated CSV row: the rows written and,
// per column, the sum and the extremes.
struct CsvTally {
  int32_t rows = 0;
  std::array<double, kCsvColumnCount> sum{};
  std::array<double, kCsvColumnCount> min{};
  std::array<double, kCsvColumnCount> max{};
};

// The process timer of the benchmark (-b): ticks of the processor clock at
// 1,000 per second, and the elapsed seconds once stopped.
struct ProcessTimer {
  int64_t start = 0;
  int64_t stop = 0;
  double elapsed = 0;
};

// The date texts of the file headers written last, by modification time:
// the files of one package mostly share a few times, and turning a time
// into local time costs more than the rest of the header.
struct FileDateCache {
  static constexpr size_t kSize = 8;  // a power of two
  std::array<int64_t, kSize> time{};
  std::array<std::string, kSize> text;  // empty: no entry
};

struct ReportStream {
  FILE* out = stdout;
  bool owns_file = false;  // out is a file opened by -O
  std::string file_name;   // the -O file's name, for the write-error message
  bool write_failed = false;  // a write or close of the -O file failed

  // Automated CSV mode: file rows, function rows, and the first function
  // record not yet written as a row.
  CsvTally csv_files;
  CsvTally csv_functions;
  size_t csv_next_function = 0;

  ProcessTimer benchmark;
  FileDateCache file_dates;

  MachineOutput machine;  // --json, --sarif
};

}  // namespace zav
