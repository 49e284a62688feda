// The file set: the ordered entries a run processes.
//
// Owned by src/files/ (built before the first file is opened); the run
// sequence stores each file's end-of-file metrics in its entry; the summary
// lists read them.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace zav {

struct FileEntry {
  std::string name;
  int64_t time = 0;  // modification time, seconds since 1970
  int64_t size = 0;  // bytes
  int kind = -1;     // LanguageKind, stored when the file is analysed
  bool analysed = false;  // its end-of-file metrics below are stored

  // End-of-file metrics.
  int32_t physical_lines = 0, loc = 0, eloc = 0, lloc = 0;
  int32_t comments = 0, blanks = 0, functions = 0;
  int32_t params = 0, returns = 0, interface_complexity = 0;
  int32_t cyclomatic = 0, total_complexity = 0;
  int32_t notices = 0, skipped_lines = 0;
  double fp_loc = 0, fp_eloc = 0, fp_lloc = 0;
};

// One directory named by a directory line of a list file (-F), with the
// totals of the files analysed in it. The Project Directory Summary lists
// these in the order the list named them.
struct DirectoryTotal {
  std::string name;      // as the list line wrote it
  std::string absolute;  // the same directory as an absolute path
  bool recursive = false;  // its line asked for recursive descent
  int32_t files = 0;
  int64_t loc = 0, eloc = 0, lloc = 0, comments = 0, lines = 0;
};

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f != nullptr) std::fclose(f);
  }
};

struct FileSet {
  std::vector<FileEntry> entries;  // headers first, then sources
  std::vector<DirectoryTotal> directories;  // per-directory totals (-F)
  int64_t total_bytes = 0;
  // Progress display of the file loop: files since the last percentage,
  // and the files counted in percentages so far.
  int32_t progress_count = 0;
  int64_t progress_total = 0;
  int32_t files_processed = 0;

  // The -F list, opened by the run before the set is built.
  std::unique_ptr<std::FILE, FileCloser> list_file;
};

}  // namespace zav
