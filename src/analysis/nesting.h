// The bracket characters of declaration and parameter texts, by table, for
// the loops that count commas outside nested brackets.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

#if defined(__SSE2__)
// One bit for each of the sixteen characters at p that may be a bracket,
// a comma or `with` (see ForEachNestingCandidate).
inline unsigned NestingCandidates16(const char* p, __m128i with) {
  const __m128i v = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)),
                                 _mm_set1_epi8(0x20));
  const __m128i braces = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('{')),
                                      _mm_cmpeq_epi8(v, _mm_set1_epi8('}')));
  const __m128i angles = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('<')),
                                      _mm_cmpeq_epi8(v, _mm_set1_epi8('>')));
  const __m128i parens = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('(')),
                                      _mm_cmpeq_epi8(v, _mm_set1_epi8(')')));
  const __m128i others = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(',')),
                                      _mm_cmpeq_epi8(v, with));
  return static_cast<unsigned>(_mm_movemask_epi8(
      _mm_or_si128(_mm_or_si128(braces, angles), _mm_or_si128(parens, others))));
}
#endif

// Calls visit(i), in order, for each position i of `text` whose character
// may be a bracket, a comma or `extra`, until visit returns false. Most
// characters of a declaration are none of them: sixteen are looked at a
// time, and the candidates of each sixteen are taken from one bit mask.
// A character is compared with its 0x20 bit set, which folds "[" and "]"
// onto "{" and "}"; a few others fold onto the set as well (a tab onto
// ")", "V" onto "v"), so the visitor still tests the character it is given.
template <typename Visit>
inline void ForEachNestingCandidate(std::string_view text, char extra, Visit&& visit) {
  const size_t size = text.size();
#if defined(__SSE2__)
  if (size >= 16) {
    const __m128i with = _mm_set1_epi8(static_cast<char>(extra | 0x20));
    size_t from = 0;
    for (; from + 16 <= size; from += 16) {
      for (unsigned mask = NestingCandidates16(text.data() + from, with); mask != 0;
           mask &= mask - 1) {
        if (!visit(from + static_cast<size_t>(__builtin_ctz(mask)))) return;
      }
    }
    if (from == size) return;
    // The last few characters: the sixteen that end the text, those before
    // `from` left out (the text is not read past its end).
    const size_t base = size - 16;
    for (unsigned mask = NestingCandidates16(text.data() + base, with) >> (from - base)
                         << (from - base);
         mask != 0; mask &= mask - 1) {
      if (!visit(base + static_cast<size_t>(__builtin_ctz(mask)))) return;
    }
    return;
  }
#endif
  for (size_t i = 0; i < size; ++i) {
    const char c = text[i];
    if ((NestingOf(c) != Nesting::kNone || c == extra) && !visit(i)) return;
  }
}

// The commas at bracket depth `level`; a closing bracket with none open
// is passed over.
inline int CommasAtDepth(std::string_view text, int level) {
  int depth = 0, commas = 0;
  ForEachNestingCandidate(text, ',', [&](size_t k) {
    const Nesting n = NestingOf(text[k]);
    if (n == Nesting::kOpen) {
      ++depth;
    } else if (n == Nesting::kClose) {
      if (depth > 0) --depth;
    } else if (n == Nesting::kComma && depth == level) {
      ++commas;
    }
    return true;
  });
  return commas;
}

}  // namespace zav
