#include "base/output.h"

#include "base/format.h"

#include <cstdarg>
#include <cerrno>
#include <cstdio>

namespace zav {

namespace {

void CloseOwnedFile(GlobalData& G) {
  if (G.report.owns_file && G.report.out != nullptr) std::fclose(G.report.out);
  G.report.owns_file = false;
  G.report.out = stdout;
}

}  // namespace

bool OpenReportFile(GlobalData& G, const std::string& path) {
  std::fflush(G.report.out);
  FILE* file = std::fopen(path.c_str(), "wb");
  const int error = errno;
  CloseOwnedFile(G);
  if (file == nullptr) {
    errno = error;
    return false;
  }
  G.report.out = file;
  G.report.owns_file = true;
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

}  // namespace zav
