#include "baseline/work_file_reader.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "report/framework.h"
#include "base/output.h"
#include "base/xml_text.h"

namespace zav {
namespace {

constexpr size_t kWorkLineMax = 2048;

struct CloseFile {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, CloseFile>;

// Reads one line of at most kWorkLineMax - 1 characters into `line`,
// without its line end. `ended` says whether a line feed ended it.
bool ReadLine(std::FILE* f, std::string& line, bool& ended) {
  char buffer[kWorkLineMax];
  if (std::fgets(buffer, sizeof buffer, f) == nullptr) return false;
  line = buffer;
  ended = !line.empty() && line.back() == '\n';
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  return true;
}

bool LoadError(GlobalData& G, const std::string& path, int line, const char* why) {
  Print(G, "\n  Error: Work file %s, line %d: %s\n", MessageName(G, path).c_str(), line, why);
  return false;
}

void VersionWarning(GlobalData& G, const std::string& path, const std::string& stored) {
  if (std::atoi(stored.c_str()) == std::atoi(G.settings.version.c_str())) return;
  if (Fmt(G) == ReportFormat::kXml) {
    PutText(G, "<warning>Work file version does not match the current version of ZAV</warning>\n");
    return;
  }
  Print(G,
        "\n  WARNING: Work file version does not match the current version\n"
        "           of ZAV .  Reprocess the work file with this version of ZAV\n"
        "           Work File: %s\n             Version: %-5.2f\n"
        "             Program: %s\n             Version: %s\n\n",
        path.c_str(), std::atof(stored.c_str()), "ZAV", G.settings.version.c_str());
}

// Reads a number at `p`, moving past it; false when none is there.
bool ReadNumber(const char*& p, int64_t& value) {
  char* end = nullptr;
  errno = 0;
  value = std::strtoll(p, &end, 10);
  if (end == p || errno != 0) return false;
  p = end;
  return true;
}

int32_t Clamp32(int64_t v) {
  return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : static_cast<int32_t>(v);
}

// The directory part of `path` with its "/" ("" when it has none).
std::string DirectoryOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

bool ParseWorkRecord(const std::string& line, WorkRecord& record, bool& complete) {
  complete = true;
  const size_t bar = line.rfind('|');
  if (bar == std::string::npos) return false;
  const size_t dot = line.rfind('.', bar);
  if (dot == std::string::npos) return false;
  record.path = line.substr(0, bar);
  int64_t n[12];
  const char* p = line.c_str() + bar + 1;
  for (int64_t& value : n) {
    if (!ReadNumber(p, value)) {
      complete = false;
      return true;
    }
  }
  while (*p == ' ' || *p == '\t') ++p;
  record.time = n[0];
  record.size = n[1];
  record.loc = Clamp32(n[2]);
  record.eloc = Clamp32(n[3]);
  record.comments = Clamp32(n[4]);
  record.blanks = Clamp32(n[5]);
  record.lines = Clamp32(n[6]);
  record.lloc = Clamp32(n[7]);
  record.cyclomatic = Clamp32(n[8]);
  record.notices = Clamp32(n[9]);
  record.interface_complexity = Clamp32(n[10]);
  record.functions = Clamp32(n[11]);
  record.total_complexity = record.cyclomatic + record.interface_complexity;
  record.diff_path = p;
  return true;
}

bool LoadWorkFile(GlobalData& G, const std::string& path, WorkFileData& out) {
  out = WorkFileData();
  out.path = path;
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    Print(G,
          "  Error: Loading Work File: %s\n         Use the -wc option to create a base "
          "work file\n         %s\n",
          path.c_str(), std::strerror(errno));
    return false;
  }
  std::string line;
  bool ended = true;
  std::string header[6];
  for (int i = 0; i < 6; ++i) {
    if (!ReadLine(file.get(), header[i], ended) || !ended) {
      return LoadError(G, path, i + 1, "the work file header is incomplete");
    }
  }
  if (header[0] != "Zavoran Work File") return LoadError(G, path, 1, "not a work file");
  VersionWarning(G, path, header[2]);
  const char* p = header[3].c_str();
  if (!ReadNumber(p, out.created)) return LoadError(G, path, 4, "no creation time");
  int blank = 0, white = 0;
  if (std::sscanf(header[4].c_str(), "Ignore Blank Lines: %d", &blank) != 1) {
    return LoadError(G, path, 5, "no \"Ignore Blank Lines\" setting");
  }
  if (std::sscanf(header[5].c_str(), "Ignore White Space: %d", &white) != 1) {
    return LoadError(G, path, 6, "no \"Ignore White Space\" setting");
  }
  out.ignore_blank_lines = blank != 0;
  out.ignore_white_space = white != 0;
  for (int number = 7; ReadLine(file.get(), line, ended); ++number) {
    if (!ended && (line.empty() || static_cast<unsigned char>(line[0]) < 32)) break;
    WorkRecord record;
    bool complete = true;
    if (!ParseWorkRecord(line, record, complete)) continue;
    if (!complete || !ended) return LoadError(G, path, number, "the record is truncated or corrupt");
    out.files.push_back(std::move(record));
  }
  return true;
}

int LoadDifferentialFile(GlobalData& G, const std::string& stored,
                         const std::string& work_path, std::vector<DiffLine>& lines) {
  std::string relative = stored;
  for (char& c : relative) {
    if (c == '\\') c = '/';  // written on a system with "\" separators
  }
  FilePtr file;
  const bool absolute = !relative.empty() && (relative[0] == '/' ||
                                               (relative.size() > 2 && relative[1] == ':'));
  if (absolute) file.reset(std::fopen(relative.c_str(), "rb"));
  if (!file) file.reset(std::fopen((DirectoryOf(work_path) + relative).c_str(), "rb"));
  std::string cwd = G.run.start_dir;
  if (!file) {
    std::string joined = cwd;
    if (!joined.empty() && joined.back() != '/') joined += '/';
    file.reset(std::fopen((joined + relative).c_str(), "rb"));
  }
  if (!file) {
    Print(G,
          "  Error: Loading Work Differential File: %s\n         Check the differential "
          "directory associated with the work file\n         Current Working Directory: "
          "%s\n         Work File: %s\n         %s\n",
          stored.c_str(), cwd.c_str(), work_path.c_str(), std::strerror(errno));
    return -1;
  }
  const bool debug = G.sw.diff_debug;
  if (debug) Print(G, "  File Start: %s\n", stored.c_str());
  unsigned char buffer[13 * 4096];
  int count = 0;
  size_t got;
  while ((got = std::fread(buffer, 13, sizeof buffer / 13, file.get())) > 0) {
    for (size_t r = 0; r < got; ++r) {
      const unsigned char* b = buffer + 13 * r;
      DiffLine node;
      uint32_t number = 0;
      for (int i = 0; i < 4; ++i) number |= static_cast<uint32_t>(b[i]) << (8 * i);
      uint64_t bits = 0;
      for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(b[5 + i]) << (8 * i);
      node.line = static_cast<int32_t>(number);
      node.type = static_cast<char>(b[4]);
      std::memcpy(&node.fingerprint, &bits, sizeof bits);
      if (debug && node.type != 'B') {
        Print(G, "  %-5d - %c %.14f\n", node.line, node.type, node.fingerprint);
      }
      lines.push_back(node);
      ++count;
    }
  }
  if (debug) PutText(G, "  File End:\n");
  return count;
}

}  // namespace zav
