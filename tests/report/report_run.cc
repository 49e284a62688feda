#include "report/report_run.h"

#include <gtest/gtest.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "run/command_line.h"
#include "run/run.h"
#include "run/startup.h"
#include "test_support.h"

namespace zav::test {

namespace {

// Changes the working directory for its lifetime.
class WorkingDirectory {
 public:
  explicit WorkingDirectory(const std::string& dir) {
    char buffer[4096];
    if (getcwd(buffer, sizeof buffer) != nullptr) saved_ = buffer;
    if (chdir(dir.c_str()) != 0) saved_.clear();
  }
  ~WorkingDirectory() {
    if (!saved_.empty() && chdir(saved_.c_str()) != 0) std::perror("chdir");
  }

 private:
  std::string saved_;
};

}  // namespace

std::string RunReport(const std::vector<std::string>& args, const std::string& cwd) {
  TempDir cfg;
  setenv("ZAVCFGHOME", cfg.path().c_str(), 1);
  unsetenv("ZAVHOME");
  unsetenv("ZAVDEBUG");
  unsetenv("ZAVCLASSMF");
  setenv("TZ", "UTC", 1);
  tzset();
  WorkingDirectory in(cwd);

  std::vector<std::string> storage = {"zav"};
  storage.insert(storage.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : storage) argv.push_back(a.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(storage.size());

  auto G = std::make_unique<GlobalData>();
  char* buffer = nullptr;
  size_t size = 0;
  G->report.out = open_memstream(&buffer, &size);
  StartUp(*G, argc, argv.data());
  ParseResult parsed = ParseCommandLine(argc, argv.data(), *G);
  RunSequence(*G, parsed.first_file_argument);
  std::fclose(G->report.out);
  std::string out(buffer, size);
  std::free(buffer);
  return out;
}

void SetFileTime(const std::string& path, int64_t time) {
  struct timeval times[2];
  times[0].tv_sec = times[1].tv_sec = static_cast<time_t>(time);
  times[0].tv_usec = times[1].tv_usec = 0;
  utimes(path.c_str(), times);
}

CommandResult RunCommand(const std::string& command) {
  CommandResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
    result.out.append(buffer, n);
  }
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

bool ToolAvailable(const std::string& tool) {
  return RunCommand("command -v " + tool + " >/dev/null 2>&1").status == 0;
}

void ExpectWellFormed(const std::string& dir, const std::string& text) {
  ASSERT_TRUE(ToolAvailable("xmllint")) << "xmllint is required (Debian package libxml2-utils)";
  const std::string path = dir + "/report.xml";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
  CommandResult r = RunCommand("xmllint --noout '" + path + "' 2>&1");
  EXPECT_EQ(r.status, 0) << r.out;
}

}  // namespace zav::test
