#include "base/csv_field.h"

#include <utility>

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

void CsvFormWriter::Literal(std::string_view text) {
  for (char c : text) {
    if (c == ',' || c == '\n') {
      out_ += CsvField(field_);
      out_.push_back(c);
      field_.clear();
    } else {
      field_.push_back(c);
    }
  }
}

std::string CsvFormWriter::Finish() {
  out_ += CsvField(field_);
  field_.clear();
  return std::move(out_);
}

}  // namespace zav
