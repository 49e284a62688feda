#include "base/output.h"

#include "base/format.h"
#include "base/safe_file.h"

#include <cstdarg>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace zav {

namespace {

// While a machine-readable document silences the report writers, or its
// command line is read, an error message (a text whose first line begins
// "  Error:") reaches the user on standard error.
bool IsErrorText(std::string_view text) {
  const size_t start = text.find_first_not_of('\n');
  return start != std::string_view::npos && text.substr(start, 8) == "  Error:";
}

// Where a text goes: the report stream, standard error or nowhere.
FILE* DivertedStream(const GlobalData& G, std::string_view text) {
  const MachineOutput& M = G.report.machine;
  if (!M.diverted) return G.report.out;
  if (IsErrorText(text)) return stderr;
  return M.silent ? nullptr : G.report.out;
}

// The buffer of the report file: a full report is hundreds of megabytes,
// which the C library's default buffer of a few kilobytes would write in
// tens of thousands of calls. 64 KB writes a few thousand times; much
// larger writes cost the kernel more time than the calls they save. The buffer is static storage, as a file
// still open at exit is flushed after destructors have run; it serves one
// file at a time (another open file keeps the library's buffer).
char report_buffer[size_t{1} << 16];
FILE* report_buffer_user = nullptr;

// A failed write leaves the stream's error indicator set, so checking it
// (and the close) here catches every failed write of the report file.
void CloseOwnedFile(GlobalData& G) {
  if (G.report.owns_file && G.report.out != nullptr) {
    const bool written = std::fflush(G.report.out) == 0 && std::ferror(G.report.out) == 0;
    const int error = errno;
    const bool closed = std::fclose(G.report.out) == 0;
    if (report_buffer_user == G.report.out) report_buffer_user = nullptr;
    if (!written || !closed) {
      std::fprintf(stderr, "  Error: Writing report file [%s]: %s\n",
                   G.report.file_name.c_str(), std::strerror(written ? errno : error));
      G.report.write_failed = true;
    }
  }
  G.report.owns_file = false;
  G.report.out = stdout;
}

}  // namespace

bool OpenReportFile(GlobalData& G, const std::string& path) {
  std::fflush(G.report.out);
  FILE* file = OpenGeneratedFile(path);
  const int error = errno;
  CloseOwnedFile(G);
  if (file == nullptr) {
    errno = error;
    return false;
  }
  if (report_buffer_user == nullptr) {
    std::setvbuf(file, report_buffer, _IOFBF, sizeof report_buffer);
    report_buffer_user = file;
  }
  G.report.out = file;
  G.report.owns_file = true;
  G.report.file_name = path;
  return true;
}

void CloseReportStream(GlobalData& G) {
  std::fflush(G.report.out);
  if (G.report.owns_file) CloseOwnedFile(G);
}

void UnbufferReportFile(GlobalData& G) {
  if (G.report.owns_file) std::setvbuf(G.report.out, nullptr, _IONBF, 0);
}

void Print(GlobalData& G, const char* format, ...) {
  va_list args;
  va_start(args, format);
  if (FILE* out = DivertedStream(G, format)) FormatTo(out, format, args);
  va_end(args);
}

void SilenceReportWriters(GlobalData& G, bool silent) {
  MachineOutput& M = G.report.machine;
  M.silent = silent;
  M.diverted = M.silent || M.errors_aside;
}

void SetErrorsAside(GlobalData& G, bool aside) {
  MachineOutput& M = G.report.machine;
  M.errors_aside = aside;
  M.diverted = M.silent || M.errors_aside;
}

void PutDivertedText(GlobalData& G, std::string_view text) {
  if (FILE* out = DivertedStream(G, text)) std::fwrite(text.data(), 1, text.size(), out);
}

void PutJoinedSlowly(GlobalData& G, std::initializer_list<std::string_view> pieces) {
  LineBuilder line;
  for (std::string_view piece : pieces) line.Text(piece);
  PutText(G, line.View());
}

}  // namespace zav
