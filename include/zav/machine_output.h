// Machine-readable output (--json, --sarif): the format the command line
// chose and the state of the document being written.
//
// The format is set by src/run/ (long options); the document state is owned
// by src/report/ (machine_output.cc and the JSON and SARIF writers).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace zav {

enum class MachineFormat { kNone, kJson, kSarif };

// A notice as the machine documents carry it: its number, line and text,
// and the function or class it concerns (empty when it concerns a line or
// the file).
struct MachineNotice {
  int number = 0;
  int32_t line = 0;
  const char* description = "";  // held by the run's notice state
  std::string keyword;   // notice 22: the keyword not bound by braces
  std::string file;      // kept where the file is not the one analysed
  std::string context;   // function or class name
  bool is_class = false;  // context names a class, struct or interface
};

struct MachineOutput {
  // Where the document goes (standard output or the -O file); null when no
  // machine format is active. While one is, the report writers are silent.
  FILE* doc = nullptr;
  bool silent = false;
  // First records of the run-long lists not yet written with a file.
  size_t function_start = 0, class_start = 0, namespace_start = 0;
  // JSON: notices of the file being analysed, already written as the
  // elements of its "notices" array, and those raised after the file loop
  // (the inheritance notices).
  std::string file_notices_json;
  std::vector<MachineNotice> run_notices;
  // JSON: the "text" member of each notice number, escaped once per run.
  std::vector<std::string> notice_texts;
  int64_t items_written = 0;  // file objects (JSON) or results (SARIF)
  // SARIF: results written but not yet drained into the document.
  std::string pending_results;
};

}  // namespace zav
