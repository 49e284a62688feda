// Baseline state: the work file and differential file being written.
//
// Owned by src/baseline/. The line loop of src/analysis/ only calls
// `line_hook` after each analysed line when it is set.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace zav {

struct GlobalData;

struct BaselineState {
  // The work file being created: written under `work_temp_path` and
  // renamed to `work_path` when complete.
  std::FILE* work_file = nullptr;
  std::string work_path;
  std::string work_temp_path;

  // Differential files (-wd): the directory beside the work file (open as
  // `diff_dir_fd`), and the current source file's records, collected in
  // memory and written in one piece when the file is done.
  bool diff_dir_ready = false;
  int diff_dir_fd = -1;
  bool diff_open = false;
  std::string diff_name;         // file name inside the directory
  std::string diff_records;      // 13 bytes per classified line
  std::string diff_record_path;  // as stored in the work record

  // The deterministic listing (-wD) writes its header once per file.
  bool listing_header_done = false;

  // Called after every analysed line (before its flags are cleared) while
  // a differential file is written or the deterministic listing is on.
  void (*line_hook)(GlobalData& G, const char* line, int32_t line_number) = nullptr;
};

}  // namespace zav
