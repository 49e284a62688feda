#include "report/json_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

#include "base/xml_text.h"

namespace zav {
namespace {

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
      if (const size_t length = Utf8SequenceLength(text.substr(i))) {
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

std::string ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const size_t length = c < 0x80 ? 1 : Utf8SequenceLength(text.substr(i));
    if (length > 0) {
      out.append(text, i, length);
      i += length;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
      ++i;
    }
  }
  return out;
}

void JsonWriter::Put(std::string_view text) {
  // An empty view may carry no pointer at all (a file without notices),
  // which memcpy must not be given.
  if (text.empty()) return;
  char* at = Reserve(text.size());
  std::memcpy(at, text.data(), text.size());
  used_ += text.size();
}

void JsonWriter::LongText(std::string_view json) {
  if (sink_ == nullptr || json.size() < capacity_ / 2) return Put(json);
  Flush(sink_);
  std::fwrite(json.data(), 1, json.size(), sink_);
}

void JsonWriter::Grow(size_t n) {
  if (sink_ != nullptr) {
    Flush(sink_);
    if (n <= capacity_) return;
  }
  const size_t capacity = std::max(capacity_ * 2, used_ + n);
  auto bigger = std::make_unique_for_overwrite<char[]>(capacity);
  std::memcpy(bigger.get(), buffer_.get(), used_);
  buffer_ = std::move(bigger);
  capacity_ = capacity;
}

void JsonWriter::Resume(char closer) {
  if (depth_ >= kMaxDepth) return;
  closers_[depth_] = closer;
  has_member_[depth_] = true;
  ++depth_;
}

void JsonWriter::Real(std::string_view key, double value) {
  Prefix(key);
  char digits[64];
  // Figures are finite; an infinity or NaN would not be JSON.
  if (!(value == value) || value > 1e300 || value < -1e300) value = 0;
  const int n = std::snprintf(digits, sizeof digits, "%.2f", value);
  Put(std::string_view(digits, n > 0 ? static_cast<size_t>(n) : 0));
}

void JsonWriter::EscapedStr(std::string_view key, std::string_view value) {
  Prefix(key);
  escaped_.clear();
  AppendJsonString(escaped_, value);
  Put(escaped_);
}

void JsonWriter::Bool(std::string_view key, bool value) {
  Prefix(key);
  Put(value ? "true" : "false");
}

void JsonWriter::Raw(std::string_view key, std::string_view json) {
  Prefix(key);
  Put(json);
}

void JsonWriter::Flush(FILE* file) {
  std::fwrite(buffer_.get(), 1, used_, file);
  used_ = 0;
}

}  // namespace zav
