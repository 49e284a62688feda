// libFuzzer target: arbitrary bytes through the whole per-file pipeline.
//
// Each input runs the program as a user would (`zav <switches> file`), so
// the line reader, the analyser, the quality checks and the per-file and
// project reports all see the bytes (see fuzz_inputs.h for the layout).
// The report goes to standard output, sent to /dev/null at start-up.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_inputs.h"
#include "run/run.h"

namespace {
std::string g_work_dir;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char pattern[] = "/tmp/zav_fuzz.XXXXXX";
  if (mkdtemp(pattern) == nullptr) std::abort();
  g_work_dir = pattern;
  // Configuration and macro files are created once in the work directory
  // and read by every later run.
  setenv("ZAVCFGHOME", g_work_dir.c_str(), 1);
  int null_fd = open("/dev/null", O_WRONLY);
  if (null_fd < 0 || dup2(null_fd, STDOUT_FILENO) < 0) std::abort();
  close(null_fd);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string source = g_work_dir + "/input" + zav::fuzz::ExtensionFor(data[0]);
  FILE* out = std::fopen(source.c_str(), "wb");
  if (out == nullptr) std::abort();
  std::fwrite(data + 1, 1, size - 1, out);
  std::fclose(out);

  std::vector<std::string> args = {"zav"};
  for (const std::string& s : zav::fuzz::SwitchesFor(data[0])) args.push_back(s);
  args.push_back(source);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  zav::Run(static_cast<int>(args.size()), argv.data());
  std::fflush(stdout);
  return 0;
}
