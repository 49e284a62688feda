#include "report/csv_field.h"

namespace zav {

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    return std::string(text);
  }
  std::string out;
  out.reserve(text.size() + 8);
  out.push_back('"');
  for (char c : text) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

std::string CsvLines(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const size_t n = end == std::string_view::npos ? text.size() : end;
    std::string_view line = text.substr(0, n);
    // A carriage return before the line feed belongs to the line end.
    const bool cr = !line.empty() && line.back() == '\r';
    if (cr) line.remove_suffix(1);
    out += CsvField(line);
    if (cr) out.push_back('\r');
    if (end == std::string_view::npos) break;
    out.push_back('\n');
    text.remove_prefix(end + 1);
  }
  return out;
}

}  // namespace zav
