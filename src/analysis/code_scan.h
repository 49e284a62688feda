// The fast paths of the line analyser: counting a segment of a line that
// cannot change the lexical state, and scanning code for identifiers and
// code-character actions without a full character step each.
//
// All of them load sixteen bytes at a time and may read up to kLinePadding
// bytes past the end of the line's text (see analyze_line.h); the text is
// followed by its line end or a NUL.
#pragma once

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "analysis/analyze_line.h"
#include "base/keywords.h"
#include "zav/global_data.h"

namespace zav {

// Characters that start a code-character action (see counters.cc) or that
// the structural detectors and the character checks act on (StructureCharacter,
// FunctionCharacter, CheckCharacter). "," and ":" are in neither: every
// detector passes them over, so they take no call.
enum : uint8_t { kCounts = 1, kStructure = 2 };
struct CodeCharacterTable {
  uint8_t acts[256] = {};
  constexpr CodeCharacterTable() {
    for (unsigned char c : {'(', ')', '{', '}', '[', ']', ';', '#'}) acts[c] |= kCounts;
    for (unsigned char c : {'(', ')', '{', '}', '[', ']', ';', '=', '<', '>',
                            '?', '|', '&', '@', '-', '+', '.', '~'}) {
      acts[c] |= kStructure;
    }
  }
};
inline constexpr CodeCharacterTable kCodeCharacters;

// Counts a segment of a line in which no character can change the lexical
// state: blanks (each tab raising notice 30 when `tab_notice`), the blank
// flag, code seen (`code`: the segment is code or string text, where every
// visible character but "/" is code) and the last non-blank character.
void CountSegment(GlobalData& G, const char* p, int n, bool tab_notice, bool code,
                  int32_t line_number);

// CountSegment for comment text p[0..n) (tabs raising notice 30). Returns
// false when the text cannot hold the fall-through phrase (see
// HasFallThroughPhrase), true when it may.
bool CountCommentText(GlobalData& G, const char* p, int n, int32_t line_number);

// Counts the block-comment text line[from..length) like CountSegment (tabs
// raising notice 30) up to and including the asterisk of the first "*/"
// whose asterisk stands after `opener_end`, and returns that asterisk's
// position, or `length` when the comment goes on past the line. When the
// comment goes on and `phrase` is not null, *phrase is set as
// CountCommentText would answer for the counted text.
int CountBlockCommentText(GlobalData& G, const char* line, int from, int length, int opener_end,
                          bool* phrase, int32_t line_number);

// The position of the first character of line[0..length) that is neither
// a space nor a tab, or `length`. Inline: it runs once for every line.
inline int FirstNonBlank(const char* line, int length) {
#if defined(__SSE2__)
  // The text is followed by a line end or NUL, so the search stops there.
  // The first byte is tested on its own: the reader has just written it
  // back, and a wide load over a byte just written waits for that write.
  (void)length;
  if (line[0] != ' ' && line[0] != '\t') return 0;
  for (int k = 1;; k += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + k));
    const __m128i blank = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(' ')),
                                       _mm_cmpeq_epi8(v, _mm_set1_epi8('\t')));
    const unsigned others = ~static_cast<unsigned>(_mm_movemask_epi8(blank)) & 0xFFFF;
    if (others != 0) return k + __builtin_ctz(others);
  }
#else
  int k = 0;
  while (k < length && IsBlank(line[k])) ++k;
  return k;
#endif
}

// True when line[0..length) holds "fall through", "drop through", "fall
// thru" or "drop thru".
bool HasFallThroughPhrase(const char* line, int length);

// Code state (no comment, string or character literal open): runs through
// line[i..length) keeping the line flags in locals, handles identifiers and
// the code-character actions in place, and stops at the first character
// that needs a full step (a quote, a slash, a backslash, a control or high
// byte) or at a change of the lexical state. Returns that position, or
// `length`.
int ScanCode(GlobalData& G, const char* line, int i, int length, int32_t line_number);

}  // namespace zav
