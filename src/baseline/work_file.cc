#include "baseline/work_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cinttypes>
#include <cstring>
#include <ctime>

#include "analysis/analyze_line.h"
#include "baseline/deterministic_listing.h"
#include "baseline/fresh_file.h"
#include "report/framework.h"
#include "base/csv_field.h"
#include "base/output.h"
#include "base/xml_text.h"
#include "base/text_util.h"

namespace zav {
namespace {

constexpr const char* kDefaultWorkFile = "workfile.dat";

bool IsCurrentDirectoryForm(std::string_view dir) {
  return dir == "." || dir == "./" || dir == ".\\";
}

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// The path without a leading "./" or a leading current working directory
// and its separator.
std::string RelativeToCurrentDirectory(const GlobalData& G, const std::string& path) {
  if (path.size() > 2 && path[0] == '.' && IsSeparator(path[1])) return path.substr(2);
  const std::string& cwd = G.run.start_dir;
  if (!cwd.empty() && path.size() > cwd.size() && path.compare(0, cwd.size(), cwd) == 0 &&
      IsSeparator(path[cwd.size()])) {
    return path.substr(cwd.size() + 1);
  }
  return path;
}

std::string BaseName(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void AnnounceCreation(GlobalData& G, const std::string& name) {
  switch (Fmt(G)) {
    case ReportFormat::kCsv: return;
    case ReportFormat::kHtml:
      Print(G, "  <b><font color=\"%s\">Creating Work File</font></b>: %s\n",
            Color(G, kColorHeader), HtmlText(name).c_str());
      return;
    case ReportFormat::kXml:
      Print(G, "\n  Creating Work File: %s\n", XmlEscape(WrapName(G, name, 52, 22)).c_str());
      return;
    case ReportFormat::kText:
      Print(G, "\n  Creating Work File: %s\n", WrapName(G, name, 52, 22).c_str());
      return;
  }
}

bool OpenWorkFile(GlobalData& G) {
  BaselineState& B = G.baseline;
  const int64_t now = std::time(nullptr);
  B.work_path = WorkFileName(G, now);
  B.work_temp_path = B.work_path + ".tmp";
  AnnounceCreation(G, B.work_path);
  B.work_file = OpenFresh(B.work_temp_path);
  if (B.work_file == nullptr) {
    Print(G, "\n  Create File Error: %s - %s\n", MessageName(G, B.work_path).c_str(),
          std::strerror(errno));
    return false;
  }
  std::fprintf(B.work_file,
               "Zavoran Work File\nDO NOT EDIT - This is a Generated File\n%s\n%" PRId64
               "\nIgnore Blank Lines: %d\nIgnore White Space: %d\n",
               G.settings.version.c_str(), now, G.settings.ignore_diff_blank_lines ? 1 : 0,
               G.settings.ignore_diff_white_space ? 1 : 0);
  return true;
}

// The differential directory "<work file>.dif"; an existing one is kept.
bool MakeDifferentialDirectory(GlobalData& G) {
  const std::string dir = G.baseline.work_path + ".dif";
  if (::mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST) {
    Print(G,
          "  Directory Create Error: %s\n                          %s\n"
          "                          Check permission on the parent directory\n",
          MessageName(G, dir).c_str(), std::strerror(errno));
    return false;
  }
  G.baseline.diff_dir_fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  G.baseline.diff_dir_ready = G.baseline.diff_dir_fd >= 0;
  return true;
}

void WriteLineRecord(GlobalData& G, const char* line, int32_t line_number) {
  const char type = LineTypeLetter(G);
  if (G.sw.work_deterministic && !G.sw.loc_determination) {
    WriteDeterministicLine(G, line, line_number, type,
                           LineFingerprint(line, G.settings.ignore_diff_white_space));
  }
  BaselineState& B = G.baseline;
  if (type == '\0' || !B.diff_open) return;
  unsigned char record[13];
  EncodeLineRecord(line_number, type, LineFingerprint(line, G.settings.ignore_diff_white_space),
                   record);
  B.diff_records.append(reinterpret_cast<const char*>(record), sizeof record);
}

}  // namespace

std::string WorkFileName(const GlobalData& G, int64_t now) {
  const std::string& name = G.sw.work_file_name;
  if (name != kDefaultWorkFile) return name;
  std::time_t t = static_cast<std::time_t>(now);
  std::tm local{};
  localtime_r(&t, &local);
  char month_day[8], year2[8], generated[64];
  std::strftime(month_day, sizeof month_day, "%m%d", &local);
  std::strftime(year2, sizeof year2, "%y", &local);
  const int year = local.tm_year + 1900;
  std::snprintf(generated, sizeof generated, "WorkFile_%s%d%s.dat", month_day,
                (year - year % 100) / 100, year2);
  const std::string& location = G.settings.work_file_location;
  if (location.empty()) return generated;
  const unsigned char first = static_cast<unsigned char>(location[0]);
  if (!std::isalpha(first) && first != '.' && !IsSeparator(location[0])) return generated;
  std::string path = location;
  if (!IsSeparator(path.back())) path += '/';
  return path + generated;
}

std::string StoredSourcePath(const GlobalData& G, const std::string& path) {
  if (!G.settings.relative_work_files) return path;
  const std::string& top = G.sw.baseline_top_dir;
  if (IsCurrentDirectoryForm(top)) return RelativeToCurrentDirectory(G, path);
  // Only a top directory that begins the path is cut off.
  if (!top.empty() && path.size() > top.size() + 1 &&
      path.compare(0, top.size(), top) == 0 && IsSeparator(path[top.size()])) {
    return path.substr(top.size() + 1);
  }
  return path;
}

std::string DifferentialFileName(const GlobalData& G, const std::string& path) {
  std::string name = G.settings.relative_work_files ? RelativeToCurrentDirectory(G, path) : path;
  if (name.size() >= 2 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':') {
    name.erase(0, 2);
  }
  if (!name.empty() && IsSeparator(name[0])) name.erase(0, 1);
  for (char& c : name) {
    if (c == ' ' || c == '.' || IsSeparator(c)) c = '_';
  }
  if (name.size() > 255) name.erase(0, name.size() - 254);
  return name;
}

double LineFingerprint(std::string_view line, bool ignore_white_space) {
  double sum = 0.0;
  int count = 0;
  for (char ch : line) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (!(c == '\v' || (c > 31 && c < 128))) continue;
    if (ignore_white_space && (c == ' ' || c == '\t')) continue;
    ++count;
    sum += static_cast<double>(c) / count;
  }
  return sum;
}

void EncodeLineRecord(int32_t line_number, char type, double fingerprint,
                      unsigned char out[13]) {
  uint32_t number = static_cast<uint32_t>(line_number);
  for (int i = 0; i < 4; ++i) out[i] = static_cast<unsigned char>(number >> (8 * i));
  out[4] = static_cast<unsigned char>(type);
  uint64_t bits;
  std::memcpy(&bits, &fingerprint, sizeof bits);
  for (int i = 0; i < 8; ++i) out[5 + i] = static_cast<unsigned char>(bits >> (8 * i));
}

bool StartBaselineRun(GlobalData& G) {
  const Switches& sw = G.sw;
  if (sw.work_create) {
    if (!OpenWorkFile(G)) {
      G.sw.work_create = false;  // the run goes on without a work file
    } else if (sw.work_code_diff) {
      if (!MakeDifferentialDirectory(G)) {
        std::fclose(G.baseline.work_file);
        ::unlink(G.baseline.work_temp_path.c_str());
        G.baseline.work_file = nullptr;
        return false;
      }
      PutText(G, "  Code Differential Mode\n");
    }
  }
  const bool listing = sw.work_deterministic && !sw.loc_determination;
  if (G.baseline.diff_dir_ready || listing) G.baseline.line_hook = WriteLineRecord;
  return true;
}

void WriteWorkRecord(GlobalData& G, const FileEntry& entry) {
  BaselineState& B = G.baseline;
  if (B.work_file == nullptr) return;
  std::fprintf(B.work_file,
               "%s| %" PRId64 " %" PRId64 " %d %d %d %d %d %d %d %d %d %d %s\n",
               StoredSourcePath(G, entry.name).c_str(), entry.time, entry.size, entry.loc,
               entry.eloc, entry.comments, entry.blanks, entry.physical_lines, entry.lloc,
               entry.cyclomatic, static_cast<int>(G.file.quality_notice_count), entry.interface_complexity,
               entry.functions, B.diff_record_path.c_str());
}

void OpenDifferentialFile(GlobalData& G, const std::string& source_path) {
  BaselineState& B = G.baseline;
  B.listing_header_done = false;
  B.diff_record_path.clear();
  B.diff_records.clear();
  B.diff_open = B.diff_dir_ready;
  if (B.diff_open) B.diff_name = DifferentialFileName(G, source_path) + ".dif";
}

// The records are written when the file is done: one create, one write and
// one rename per source file, the creation of files being what costs most.
void CloseDifferentialFile(GlobalData& G) {
  BaselineState& B = G.baseline;
  if (!B.diff_open) return;
  B.diff_open = false;
  const std::string path = B.work_path + ".dif/" + B.diff_name;
  const std::string temp = B.diff_name + ".tmp";
  int fd = ::openat(B.diff_dir_fd, temp.c_str(),
                    O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) {
    Print(G, "\n  Create File Error: %s - %s\n", MessageName(G, path).c_str(),
          std::strerror(errno));
    return;
  }
  const std::string& data = B.diff_records;
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  const bool written = done == data.size();
  const int write_errno = errno;
  if (::close(fd) != 0 || !written ||
      ::renameat(B.diff_dir_fd, temp.c_str(), B.diff_dir_fd, B.diff_name.c_str()) != 0) {
    Print(G, "\n  Write File Error: %s - %s\n", MessageName(G, path).c_str(),
          std::strerror(written ? errno : write_errno));
    ::unlinkat(B.diff_dir_fd, temp.c_str(), 0);
    return;
  }
  B.diff_record_path = BaseName(B.work_path) + ".dif/" + B.diff_name;
  if (G.sw.work_details) Print(G, "  %s\n", MessageName(G, path).c_str());
}

void CompleteWorkFile(GlobalData& G) {
  BaselineState& B = G.baseline;
  if (B.work_file == nullptr) return;
  const bool done = FinishFresh(B.work_file, B.work_temp_path, B.work_path);
  B.work_file = nullptr;
  if (B.diff_dir_fd >= 0) ::close(B.diff_dir_fd);
  B.diff_dir_fd = -1;
  if (!done) {
    Print(G, "\n  Write File Error: %s - %s\n", MessageName(G, B.work_path).c_str(),
          std::strerror(errno));
  } else if (Fmt(G) == ReportFormat::kCsv) {
    Print(G, "%s\n\n", CsvField("Completed Work File: " + B.work_path).c_str());
  } else {
    const std::string name =
        Fmt(G) == ReportFormat::kXml ? XmlEscape(B.work_path)
        : Fmt(G) == ReportFormat::kHtml ? HtmlText(B.work_path) : B.work_path;
    Print(G, "\n\n  Completed Work File: %s\n\n", name.c_str());
  }
  if (Fmt(G) == ReportFormat::kText || Fmt(G) == ReportFormat::kHtml) {
    Print(G, "\n  %s%s\n", kHyphens36, kHyphens36);
  }
}

void AbandonWorkFile(GlobalData& G) {
  BaselineState& B = G.baseline;
  if (B.work_file == nullptr) return;
  std::fclose(B.work_file);
  B.work_file = nullptr;
  ::unlink(B.work_temp_path.c_str());
  if (B.diff_dir_fd >= 0) ::close(B.diff_dir_fd);
  B.diff_dir_fd = -1;
}

}  // namespace zav
