#include "report/output.h"

#include "base/safe_file.h"
#include "report/format.h"

#include <cstdarg>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zav {

namespace {

// A failed write leaves the stream's error indicator set, so checking it
// (and the close) here catches every failed write of the report file.
void CloseOwnedFile(GlobalData& G) {
  if (G.report.owns_file && G.report.out != nullptr) {
    const bool written = std::fflush(G.report.out) == 0 && std::ferror(G.report.out) == 0;
    const int error = errno;
    const bool closed = std::fclose(G.report.out) == 0;
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
  G.report.out = file;
  G.report.owns_file = true;
  G.report.file_name = path;
  return true;
}

void CloseReportStream(GlobalData& G) {
  std::fflush(G.report.out);
  if (G.report.owns_file) CloseOwnedFile(G);
}

void Print(GlobalData& G, const char* format, ...) {
  va_list args;
  va_start(args, format);
  FormatTo(G.report.out, format, args);
  va_end(args);
}

void PutText(GlobalData& G, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), G.report.out);
}

std::string HtmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '&': out += "&amp;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out.push_back(c); break;
    }
  }
  return out;
}

}  // namespace zav
