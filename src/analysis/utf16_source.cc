#include "analysis/utf16_source.h"

#include <cstdint>

namespace zav {
namespace {

void AppendUtf8(std::string& out, uint32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

}  // namespace

std::string Utf16ToUtf8(std::string_view bytes, bool little_endian) {
  std::string out;
  out.reserve(bytes.size());
  const size_t units = bytes.size() / 2;
  auto unit = [&](size_t i) -> uint32_t {
    const auto a = static_cast<unsigned char>(bytes[2 * i]);
    const auto b = static_cast<unsigned char>(bytes[2 * i + 1]);
    return little_endian ? (b << 8 | a) : (a << 8 | b);
  };
  for (size_t i = 0; i < units; ++i) {
    uint32_t code = unit(i);
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < units && unit(i + 1) >= 0xDC00 &&
        unit(i + 1) < 0xE000) {
      code = 0x10000 + ((code - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
      ++i;
    } else if (code >= 0xD800 && code < 0xE000) {
      code = 0xFFFD;
    }
    AppendUtf8(out, code);
  }
  return out;
}

FILE* OpenUtf16AsUtf8(std::string_view head, FILE* file, std::string& text) {
  if (head.size() < 2) return nullptr;
  const auto mark0 = static_cast<unsigned char>(head[0]);
  const auto mark1 = static_cast<unsigned char>(head[1]);
  const bool little = mark0 == 0xFF && mark1 == 0xFE;
  const bool big = mark0 == 0xFE && mark1 == 0xFF;
  if (!little && !big) return nullptr;
  std::string bytes(head);
  char chunk[65536];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, n);
  text = Utf16ToUtf8(std::string_view(bytes).substr(2), little);
  if (text.empty()) text.push_back('\n');  // fmemopen needs a buffer
  return ::fmemopen(text.data(), text.size(), "rb");
}

}  // namespace zav
