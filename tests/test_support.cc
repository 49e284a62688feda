#include "test_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "analysis/counters.h"
#include "analysis/language.h"
#include "analysis/line_reader.h"
#include "run/run.h"

namespace zav::test {

Harness::Harness() : G_(std::make_unique<GlobalData>()) {
  G_->report.out = open_memstream(&buffer_, &size_);
  RegisterLanguages(*G_);
}

Harness::~Harness() {
  std::fclose(G_->report.out);
  std::free(buffer_);
}

void Harness::AnalyzeFile(const std::string& text, const std::string& file_name) {
  GlobalData& G = *G_;
  ResetFileState(G);
  SetFileLanguage(G, file_name, true);
  std::string copy = text;
  FILE* f = fmemopen(copy.data(), copy.size(), "rb");
  if (copy.empty()) f = std::fopen("/dev/null", "rb");
  ReadAndAnalyzeFile(G, f);
  std::fclose(f);
}

std::string Harness::Output() {
  std::fflush(G_->report.out);
  return std::string(buffer_, size_);
}

FileMetrics Count(const std::string& text, const std::string& file_name,
                  const std::function<void(GlobalData&)>& configure) {
  Harness h;
  if (configure) configure(h.G());
  h.AnalyzeFile(text, file_name);
  return h.G().file;
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zavtest.XXXXXX").string();
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  path_ = mkdtemp(buf.data());
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Write(const std::string& name, const std::string& content) const {
  std::filesystem::path p = std::filesystem::path(path_) / name;
  std::filesystem::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << content;
  return p.string();
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

MetricRecord Function(const std::string& name, const std::string& parameters, int loc, int eloc,
                      int lloc, int comments, int blanks, int lines, int params, int returns,
                      int cyclomatic) {
  MetricRecord f;
  f.name = name;
  f.parameters = parameters;
  f.loc = loc;
  f.eloc = eloc;
  f.lloc = lloc;
  f.comments = comments;
  f.blanks = blanks;
  f.lines = lines;
  f.params = params;
  f.returns = returns;
  f.cyclomatic = cyclomatic;
  return f;
}

void UseFormat(GlobalData& G, ReportFormat format) {
  G.sw.html = format == ReportFormat::kHtml;
  G.sw.csv = format == ReportFormat::kCsv;
  G.sw.xml = format == ReportFormat::kXml;
}

RunResult RunZav(const std::vector<std::string>& args, const std::string& cwd,
                 const std::string& cfg_dir) {
  TempDir scratch;
  std::string cfg = cfg_dir.empty() ? scratch.path() : cfg_dir;
  std::string out_path = scratch.path() + "/.stdout";
  std::string err_path = scratch.path() + "/.stderr";
  RunResult result;
  pid_t pid = fork();
  if (pid == 0) {
    if (chdir(cwd.c_str()) != 0) _exit(127);
    setenv("ZAVCFGHOME", cfg.c_str(), 1);
    unsetenv("ZAVHOME");
    unsetenv("ZAVDEBUG");
    unsetenv("ZAVCLASSMF");
    FILE* o = std::freopen(out_path.c_str(), "wb", stdout);
    FILE* e = std::freopen(err_path.c_str(), "wb", stderr);
    if (o == nullptr || e == nullptr) _exit(127);
    FILE* i = std::freopen("/dev/null", "rb", stdin);
    (void)i;
    std::vector<char*> argv;
    std::string binary = ZAV_BINARY;
    argv.push_back(binary.data());
    std::vector<std::string> copies = args;
    for (std::string& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(binary.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadFile(out_path);
  result.err = ReadFile(err_path);
  return result;
}

}  // namespace zav::test
