// The bracket characters of declaration and parameter texts, by table, for
// the loops that count commas outside nested brackets.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zav {

enum class Nesting : uint8_t { kNone, kOpen, kClose, kComma };

// "(", "<", "[", "{" open; ")", ">", "]", "}" close.
inline constexpr std::array<Nesting, 256> kNesting = [] {
  std::array<Nesting, 256> t{};
  for (unsigned char c : {'(', '<', '[', '{'}) t[c] = Nesting::kOpen;
  for (unsigned char c : {')', '>', ']', '}'}) t[c] = Nesting::kClose;
  t[static_cast<unsigned char>(',')] = Nesting::kComma;
  return t;
}();

inline Nesting NestingOf(char c) { return kNesting[static_cast<unsigned char>(c)]; }

// The commas at bracket depth `level`; a closing bracket with none open
// is passed over.
inline int CommasAtDepth(std::string_view text, int level) {
  int depth = 0, commas = 0;
  for (char c : text) {
    const Nesting n = NestingOf(c);
    if (n == Nesting::kNone) continue;  // most characters
    if (n == Nesting::kOpen) {
      ++depth;
    } else if (n == Nesting::kClose) {
      if (depth > 0) --depth;
    } else if (depth == level) {
      ++commas;
    }
  }
  return commas;
}

}  // namespace zav
