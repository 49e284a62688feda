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

  // Differential files (-wd): the directory beside the work file, and the
  // current source file's differential file (temporary name until closed).
  bool diff_dir_ready = false;
  std::FILE* diff_file = nullptr;
  std::string diff_path;
  std::string diff_temp_path;
  std::string diff_record_path;  // as stored in the work record
  bool diff_mode_announced = false;

  // The deterministic listing (-wD) writes its header once per file.
  bool listing_header_done = false;

  // Called after every analysed line (before its flags are cleared) while
  // a differential file is written or the deterministic listing is on.
  void (*line_hook)(GlobalData& G, const char* line, int32_t line_number) = nullptr;
};

}  // namespace zav
