#include "report/output.h"

#include <cstdarg>
#include <cstdio>

namespace zav {

void Print(GlobalData& G, const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vfprintf(G.report.out, format, args);
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
