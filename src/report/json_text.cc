#include "report/json_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cerrno>
#include <climits>
#include <cstring>

#include <sys/uio.h>

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

namespace {

// Writes `pieces` to `file` in as few calls as the system takes: what the
// stream holds first, then the pieces by writev. Should writev fail, or the
// stream have no descriptor, the rest goes through the stream, which sets
// its error indicator as for any other write.
void WriteGathered(FILE* file, std::vector<iovec>& pieces) {
  size_t next = 0;
  const int descriptor = fileno(file);
  if (descriptor >= 0 && std::fflush(file) == 0) {
    while (next < pieces.size()) {
      const int count = static_cast<int>(std::min<size_t>(pieces.size() - next, IOV_MAX));
      const ssize_t written = ::writev(descriptor, &pieces[next], count);
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) break;
      // Past what was written: whole pieces, then part of one.
      auto left = static_cast<size_t>(written);
      while (next < pieces.size() && left >= pieces[next].iov_len) left -= pieces[next++].iov_len;
      if (left > 0) {
        pieces[next].iov_base = static_cast<char*>(pieces[next].iov_base) + left;
        pieces[next].iov_len -= left;
      }
    }
  }
  for (; next < pieces.size(); ++next) {
    std::fwrite(pieces[next].iov_base, 1, pieces[next].iov_len, file);
  }
}

}  // namespace

void JsonWriter::Put(std::string_view text) {
  // An empty view may carry no pointer at all (a file without notices),
  // which memcpy must not be given.
  if (text.empty()) return;
  char* at = Reserve(text.size());
  std::memcpy(at, text.data(), text.size());
  used_ += text.size();
}

void JsonWriter::Adopt(ByteBuffer& text, size_t skip) {
  const size_t from = text.taken + skip;
  const size_t to = text.size;
  text.taken = to;
  if (to <= from) return;
  if (sink_ == nullptr) return Put(text.View().substr(from, to - from));
  held_.push_back({&text, from, to, used_});
  held_bytes_ += to - from;
}

void JsonWriter::FlushWhenFull() {
  if (sink_ != nullptr && used_ + held_bytes_ >= capacity_) Flush(sink_);
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
  if (held_.empty()) {
    std::fwrite(buffer_.get(), 1, used_, file);
  } else {
    WriteHeld(file);
  }
  used_ = 0;
}

void JsonWriter::WriteHeld(FILE* file) {
  std::vector<iovec> pieces;
  pieces.reserve(2 * held_.size() + 1);
  size_t start = 0;  // of the buffer's piece before the next held text
  for (const HeldText& held : held_) {
    if (held.at > start) pieces.push_back({buffer_.get() + start, held.at - start});
    pieces.push_back({held.source->data.get() + held.from, held.to - held.from});
    start = held.at;
  }
  if (used_ > start) pieces.push_back({buffer_.get() + start, used_ - start});
  WriteGathered(file, pieces);
  for (const HeldText& held : held_) held.source->DropTaken();
  held_.clear();
  held_bytes_ = 0;
}

}  // namespace zav
