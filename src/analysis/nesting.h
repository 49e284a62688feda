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
// a comma or `with` (see NextNestingCandidate).
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

// The first position at or after `from` whose character may be a bracket,
// a comma or `extra` (text.size() when there is none), sixteen characters
// at a time: most characters of a declaration are none of them. A
// character is compared with its 0x20 bit set, which folds "[" and "]"
// onto "{" and "}"; a few others fold onto the set as well (a tab onto
// ")", "V" onto "v"), so the caller still tests the character it is given.
inline size_t NextNestingCandidate(std::string_view text, size_t from, char extra) {
  if (from >= text.size()) return text.size();
#if defined(__SSE2__)
  const __m128i with = _mm_set1_epi8(static_cast<char>(extra | 0x20));
  for (; from + 16 <= text.size(); from += 16) {
    const unsigned mask = NestingCandidates16(text.data() + from, with);
    if (mask != 0) return from + static_cast<size_t>(__builtin_ctz(mask));
  }
  if (from == text.size()) return from;
  if (text.size() >= 16) {
    // The last few characters: the sixteen that end the text, those
    // before `from` left out (a loop a character would end on a branch
    // that is hard to predict).
    const size_t base = text.size() - 16;
    const unsigned mask =
        NestingCandidates16(text.data() + base, with) >> (from - base) << (from - base);
    return mask != 0 ? base + static_cast<size_t>(__builtin_ctz(mask)) : text.size();
  }
#endif
  for (; from < text.size(); ++from) {
    const char c = text[from];
    if (NestingOf(c) != Nesting::kNone || c == extra) return from;
  }
  return text.size();
}

// The commas at bracket depth `level`; a closing bracket with none open
// is passed over.
inline int CommasAtDepth(std::string_view text, int level) {
  int depth = 0, commas = 0;
  for (size_t k = NextNestingCandidate(text, 0, ','); k < text.size();
       k = NextNestingCandidate(text, k + 1, ',')) {
    const Nesting n = NestingOf(text[k]);
    if (n == Nesting::kNone) continue;  // a character folded onto the set
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
