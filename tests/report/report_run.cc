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
#include "files/files_test_support.h"
#include "test_support.h"

namespace zav::test {

std::string RunReport(const std::vector<std::string>& args, const std::string& cwd) {
  TempDir cfg;
  setenv("ZAVCFGHOME", cfg.path().c_str(), 1);
  unsetenv("ZAVHOME");
  unsetenv("ZAVDEBUG");
  unsetenv("ZAVCLASSMF");
  setenv("TZ", "UTC", 1);
  tzset();
  ScopedCwd in(cwd);
  Arguments argv(args);

  auto G = std::make_unique<GlobalData>();
  char* buffer = nullptr;
  size_t size = 0;
  G->report.out = open_memstream(&buffer, &size);
  argv.Install(*G);
  StartUp(*G, G->run.argc, G->run.argv);
  ParseResult parsed = ParseCommandLine(G->run.argc, G->run.argv, *G);
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
