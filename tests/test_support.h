// Helpers shared by the tests: analysing text in memory and running the
// zav binary.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "zav/global_data.h"

namespace zav::test {

// A GlobalData with the defaults, the seven languages registered and the
// report stream captured in memory.
class Harness {
 public:
  Harness();
  ~Harness();
  GlobalData& G() { return *G_; }

  // Analyses `text` as the content of a file named `file_name` (whose
  // extension selects the language), as the run does for one file.
  void AnalyzeFile(const std::string& text, const std::string& file_name = "t.cpp");

  // Everything written to the report stream so far.
  std::string Output();

 private:
  std::unique_ptr<GlobalData> G_;
  char* buffer_ = nullptr;
  size_t size_ = 0;
};

// Analyses `text` with default settings, adjusting them first with
// `configure` when given, and returns the file counters.
FileMetrics Count(const std::string& text, const std::string& file_name = "t.cpp",
                  const std::function<void(GlobalData&)>& configure = nullptr);

// A fresh empty directory under the system's temporary directory, removed
// when the object goes away.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::string& path() const { return path_; }
  // Writes `content` to `name` inside the directory and returns its path.
  std::string Write(const std::string& name, const std::string& content) const;

 private:
  std::string path_;
};

struct RunResult {
  int exit_code = -1;
  std::string out;  // standard output
  std::string err;  // standard error
};

// The whole content of a file ("" when it cannot be read).
std::string ReadFile(const std::string& path);

// True when `piece` occurs in `text`.
inline bool Has(const std::string& text, const std::string& piece) {
  return text.find(piece) != std::string::npos;
}

// `text` after `blanks` blanks, with a line end: a centred report line.
inline std::string Centered(int blanks, const std::string& text) {
  return std::string(blanks, ' ') + text + "\n";
}

// A function record with the figures the reports read.
MetricRecord Function(const std::string& name, const std::string& parameters, int loc, int eloc,
                      int lloc, int comments, int blanks, int lines, int params, int returns,
                      int cyclomatic);

// Selects the report format as -H, -C or -X does (text: none of them).
void UseFormat(GlobalData& G, ReportFormat format);

// Runs build/zav with `args` in directory `cwd`, with ZAVCFGHOME pointing at
// `cfg_dir` (a fresh temporary directory when empty).
RunResult RunZav(const std::vector<std::string>& args, const std::string& cwd,
                 const std::string& cfg_dir = "");

// A test with a harness, its run state and a temporary directory.
class HarnessTest : public ::testing::Test {
 protected:
  Harness h;
  GlobalData& G = h.G();
  Settings& s = G.settings;
  TempDir dir;
};

}  // namespace zav::test
