// Finding the first of a few given bytes in a text, sixteen bytes at a time.
#pragma once

#include <cstddef>
#include <string_view>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace zav {

// The index of the first byte of `text` at or after `from` that is one of
// `Bytes`, or text.size() when there is none.
template <char... Bytes>
inline size_t FindFirstOf(std::string_view text, size_t from) {
  const char* p = text.data();
  const size_t n = text.size();
  size_t i = from;
#ifdef __SSE2__
  for (; i + 16 <= n; i += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    __m128i hits = _mm_setzero_si128();
    ((hits = _mm_or_si128(hits, _mm_cmpeq_epi8(block, _mm_set1_epi8(Bytes)))), ...);
    const int mask = _mm_movemask_epi8(hits);
    if (mask != 0) return i + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
  }
#endif
  for (; i < n; ++i) {
    const char c = p[i];
    if (((c == Bytes) || ...)) return i;
  }
  return n;
}

}  // namespace zav
