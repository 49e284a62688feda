#include "base/xml_text.h"

#include <cstdint>

namespace zav {
namespace {

bool IsContinuation(uint8_t c) { return (c & 0xC0) == 0x80; }

bool IsNonCharacter(std::string_view sequence) {
  return sequence == "\xEF\xBF\xBE" || sequence == "\xEF\xBF\xBF";
}

}  // namespace

size_t Utf8SequenceLength(std::string_view s) {
  const auto byte = [&](size_t i) { return static_cast<uint8_t>(s[i]); };
  const uint8_t lead = byte(0);
  size_t length = 0;
  uint8_t low = 0x80, high = 0xBF;  // bounds of the second byte
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
  if (s.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if (!IsContinuation(byte(i))) return 0;
  }
  return length;
}

std::string XmlText(std::string_view text, size_t limit) {
  std::string out;
  out.reserve(text.size() < limit ? text.size() : limit);
  std::string piece;
  for (size_t i = 0; i < text.size();) {
    const uint8_t c = static_cast<uint8_t>(text[i]);
    size_t used = 1;
    piece.clear();
    switch (c) {
      case '"': piece = "&quot;"; break;
      case '&': piece = "&amp;"; break;
      case '\'': piece = "&apos;"; break;
      case '<': piece = "&lt;"; break;
      case '>': piece = "&gt;"; break;
      default:
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
          piece = "?";
        } else if (c < 0x80) {
          piece.push_back(static_cast<char>(c));
        } else if (const size_t n = Utf8SequenceLength(text.substr(i)); n > 0) {
          used = n;
          piece = text.substr(i, n);
          if (IsNonCharacter(piece)) piece = "?";
        } else {
          // A stray byte: its Latin-1 character in UTF-8.
          piece.push_back(static_cast<char>(0xC0 | (c >> 6)));
          piece.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
        break;
    }
    if (out.size() + piece.size() > limit) break;
    out += piece;
    i += used;
  }
  return out;
}

std::string MessageName(const GlobalData& G, std::string_view name) {
  if (G.sw.Format() != ReportFormat::kXml) return std::string(name);
  return XmlText(name, name.size() * 6 + 1);
}

}  // namespace zav
