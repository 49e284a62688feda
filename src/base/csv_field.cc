#include "base/csv_field.h"

#include <utility>

#include "base/byte_search.h"

namespace zav {

namespace {

// Whether the text must be quoted: it holds a comma, a double quote, a
// carriage return or a line feed.
bool NeedsQuotes(std::string_view text) {
  return FindFirstOf<',', '"', '\r', '\n'>(text, 0) < text.size();
}

// Appends the text as CsvField returns it.
void AppendCsvField(std::string& out, std::string_view text) {
  if (!NeedsQuotes(text)) {
    out.append(text);
    return;
  }
  out.reserve(out.size() + text.size() + 8);
  out.push_back('"');
  for (char c : text) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
}

}  // namespace

std::string CsvField(std::string_view text) {
  std::string out;
  AppendCsvField(out, text);
  return out;
}

void CsvFormWriter::Literal(std::string_view text) {
  // Most of the literal text ends up in the output: room for it at once.
  out_.reserve(out_.size() + text.size() + 16);
  // The text between separators joins the open field in one piece; a
  // field of literal text alone goes to the output directly.
  size_t start = 0;
  for (size_t i = FindFirstOf<',', '\n'>(text, 0); i < text.size();
       i = FindFirstOf<',', '\n'>(text, start)) {
    const std::string_view piece = text.substr(start, i - start);
    if (field_.empty()) {
      AppendCsvField(out_, piece);
    } else {
      field_.append(piece);
      AppendCsvField(out_, field_);
      field_.clear();
    }
    out_.push_back(text[i]);
    start = i + 1;
  }
  field_.append(text.data() + start, text.size() - start);
}

std::string CsvFormWriter::Finish() {
  AppendCsvField(out_, field_);
  field_.clear();
  return std::move(out_);
}

}  // namespace zav
