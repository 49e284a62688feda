#include "report/json_text.h"

#include <charconv>

namespace zav {
namespace {

// Length of the valid UTF-8 sequence starting at text[i], or 0 when the
// bytes there are not one (overlong forms and surrogates included).
size_t Utf8SequenceLength(std::string_view text, size_t i) {
  const auto byte = [&](size_t k) {
    return static_cast<unsigned char>(text[k]);
  };
  const unsigned char lead = byte(i);
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (size_t k = 2; k < length; ++k) {
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  }
  return length;
}

void AppendEscapedControl(std::string& out, unsigned char c) {
  switch (c) {
    case '\n': out += "\\n"; return;
    case '\t': out += "\\t"; return;
    case '\r': out += "\\r"; return;
    case '\b': out += "\\b"; return;
    case '\f': out += "\\f"; return;
    default: {
      static const char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    }
  }
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  size_t run_start = 0;  // start of the bytes copied unchanged
  size_t i = 0;
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x80 && c != '"' && c != '\\') {
      ++i;
      continue;
    }
    if (c >= 0x80) {
      if (const size_t length = Utf8SequenceLength(text, i)) {
        i += length;
        continue;
      }
    }
    out.append(text, run_start, i - run_start);
    if (c >= 0x80) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else {
      AppendEscapedControl(out, c);
    }
    run_start = ++i;
  }
  out.append(text, run_start, text.size() - run_start);
  out += '"';
}

void JsonWriter::Prefix(const char* key) {
  if (!has_member_.empty()) {
    if (has_member_.back()) out_ += ',';
    has_member_.back() = true;
  }
  if (key != nullptr) {
    AppendJsonString(out_, key);
    out_ += ':';
  }
}

void JsonWriter::BeginObject(const char* key) {
  Prefix(key);
  out_ += '{';
  closers_.push_back('}');
  has_member_.push_back(false);
}

void JsonWriter::BeginArray(const char* key) {
  Prefix(key);
  out_ += '[';
  closers_.push_back(']');
  has_member_.push_back(false);
}

void JsonWriter::Resume(char closer) {
  closers_.push_back(closer);
  has_member_.push_back(true);
}

void JsonWriter::End() {
  if (closers_.empty()) return;
  out_ += closers_.back();
  closers_.pop_back();
  has_member_.pop_back();
  if (closers_.empty()) out_ += '\n';
}

void JsonWriter::Int(const char* key, int64_t value) {
  Prefix(key);
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out_.append(digits, result.ptr);
}

void JsonWriter::Real(const char* key, double value) {
  Prefix(key);
  char digits[64];
  // Figures are finite; an infinity or NaN would not be JSON.
  if (!(value == value) || value > 1e300 || value < -1e300) value = 0;
  const int n = std::snprintf(digits, sizeof digits, "%.2f", value);
  out_.append(digits, n > 0 ? static_cast<size_t>(n) : 0);
}

void JsonWriter::Str(const char* key, std::string_view value) {
  Prefix(key);
  AppendJsonString(out_, value);
}

void JsonWriter::Bool(const char* key, bool value) {
  Prefix(key);
  out_ += value ? "true" : "false";
}

void JsonWriter::Raw(const char* key, std::string_view json) {
  Prefix(key);
  out_ += json;
}

void JsonWriter::Flush(FILE* file) {
  std::fwrite(out_.data(), 1, out_.size(), file);
  out_.clear();
}

}  // namespace zav
