#include "analysis/code_scan.h"

#include <cstddef>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "analysis/counters.h"
#include "analysis/structure.h"
#include "base/keywords.h"
#include "quality/notices.h"
#include "zav/notice_numbers.h"

namespace zav {
namespace {

#if defined(__SSE2__)
// Sixteen bytes from p (the line's padding makes them readable).
__m128i Load16(const char* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// Byte masks for the blocks of a segment of r characters (1 to 64): the
// 64 bytes from kSegmentMask + 64 - r are -1 in their first r bytes and 0
// after, four block masks in a row.
struct SegmentMaskTable {
  int8_t bytes[128] = {};
  constexpr SegmentMaskTable() {
    for (int k = 0; k < 64; ++k) bytes[k] = -1;
  }
};
alignas(64) constexpr SegmentMaskTable kSegmentMaskTable;
constexpr const int8_t* kSegmentMask = kSegmentMaskTable.bytes;

__m128i LoadMask(const int8_t* at) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}
#endif

// What the fast code scanner does with a character in code state. Each
// kind but kInert is a bit of its own, so that the scanner tests them one
// by one in the order of their frequency instead of jumping through a
// table on every character.
enum : uint8_t {
  kInert = 0,            // visible code that changes nothing: "*", "!", "%", ...
  kWordStart = 1 << 0,   // a letter or "_": an identifier
  kAction = 1 << 1,      // a code-character action (kCodeCharacters)
  kBlankSpace = 1 << 2,  // a space
  kDigit = 1 << 3,       // a number, letters and digits up to its end; also
                         // an identifier where no words are looked up
  kTab = 1 << 4,         // a tab: spaces and notice 30
  kSpecial = 1 << 5,     // anything else: a full character step
  // Added to kAction:
  kNeighbours = 1 << 6,  // acts only with certain neighbours (kConditional)
  kCountsOnly = 1 << 7   // "#": a count, no structure action
};
struct CodeScanTable {
  uint8_t kind[256] = {};
  // `other`: a language without the C-family actions and words, where
  // their characters are inert and identifiers are passed over like
  // numbers.
  constexpr explicit CodeScanTable(bool other) {
    for (int c = 0; c < 256; ++c) {
      if (c <= 32 || c >= 128) kind[c] = kSpecial;  // blanks, controls, high bytes
    }
    kind[static_cast<unsigned char>(' ')] = kBlankSpace;
    kind[static_cast<unsigned char>('\t')] = kTab;
    const uint8_t word = other ? kDigit : kWordStart;
    for (int c = 'a'; c <= 'z'; ++c) kind[c] = word;
    for (int c = 'A'; c <= 'Z'; ++c) kind[c] = word;
    kind[static_cast<unsigned char>('_')] = word;
    for (int c = '0'; c <= '9'; ++c) kind[c] = kDigit;
    for (unsigned char c : {'"', '\'', '/', '\\'}) kind[c] = kSpecial;
    for (int c = 0; c < 256; ++c) {
      if (kCodeCharacters.acts[c] != 0) kind[c] = other ? kInert : kAction;
    }
    if (!other) {
      for (unsigned char c : {'-', '+', '.', '<', '>', '|', '&'}) kind[c] |= kNeighbours;
      kind[static_cast<unsigned char>('#')] |= kCountsOnly;
    }
  }
};
constexpr CodeScanTable kCodeScan(false);
constexpr CodeScanTable kCodeScanOther(true);

#if defined(__SSE2__)
// A bit for each of the sixteen bytes of v that is not an identifier
// character (letter, digit, "_").
inline __attribute__((always_inline)) unsigned NonIdentifierBytes(__m128i v) {
  // Letters: (c | 0x20) - 'a' below 26; digits: c - '0' below 10. SSE2
  // compares signed bytes, so both ranges are moved to start at -128.
  const __m128i letter =
      _mm_cmplt_epi8(_mm_add_epi8(_mm_or_si128(v, _mm_set1_epi8(0x20)),
                                  _mm_set1_epi8(static_cast<char>(0x80 - 'a'))),
                     _mm_set1_epi8(static_cast<char>(-128 + 26)));
  const __m128i digit = _mm_cmplt_epi8(_mm_add_epi8(v, _mm_set1_epi8(static_cast<char>(0x80 - '0'))),
                                       _mm_set1_epi8(static_cast<char>(-128 + 10)));
  const __m128i ident =
      _mm_or_si128(_mm_or_si128(letter, digit), _mm_cmpeq_epi8(v, _mm_set1_epi8('_')));
  return ~static_cast<unsigned>(_mm_movemask_epi8(ident)) & 0xFFFF;
}

// IdentifierEnd past its first sixteen characters: out of line, so that
// the usual short run keeps no vector constants in registers.
[[gnu::noinline]] int LongIdentifierEnd(const char* line, int i) {
  for (;; i += 16) {
    const unsigned others = NonIdentifierBytes(Load16(line + i));
    if (others != 0) return i + __builtin_ctz(others);
  }
}
#endif

// The end of the run of identifier characters (letters, digits, "_") that
// starts at `i`, sixteen characters at a time. The run ends at the line's
// end at the latest: the text is followed by a line end or NUL.
inline __attribute__((always_inline)) int IdentifierEnd(const char* line, int i) {
#if defined(__SSE2__)
  const unsigned others = NonIdentifierBytes(Load16(line + i));
  if (others != 0) return i + __builtin_ctz(others);
  return LongIdentifierEnd(line, i + 16);
#else
  while (IsIdentChar(line[i])) ++i;
  return i;
#endif
}

// The end of the run of spaces that starts at `i`, sixteen characters at
// a time; the text is followed by a line end or NUL, so the run ends there
// at the latest.
inline __attribute__((always_inline)) int SpacesEnd(const char* line, int i) {
#if defined(__SSE2__)
  for (;; i += 16) {
    const __m128i space = _mm_cmpeq_epi8(Load16(line + i), _mm_set1_epi8(' '));
    const unsigned others = ~static_cast<unsigned>(_mm_movemask_epi8(space)) & 0xFFFF;
    if (others != 0) return i + __builtin_ctz(others);
  }
#else
  while (line[i] == ' ') ++i;
  return i;
#endif
}

// The code characters that StructureActsOn must look at, by what they
// need; for the others in kCodeCharacters with kStructure the answer is
// always true.
enum : uint8_t {
  kWhenDoubled = 1,         // "-", "+", ".": only as "--", "++", "..."
  kInTemplateHeader = 2,    // "<", ">": only inside a template header
  kDoubledInBody = 4        // "|", "&": only as "||" and "&&" in a body
};
struct ConditionalTable {
  uint8_t test[256] = {};
  constexpr ConditionalTable() {
    for (unsigned char c : {'-', '+', '.'}) test[c] = kWhenDoubled;
    for (unsigned char c : {'<', '>'}) test[c] = kInTemplateHeader;
    for (unsigned char c : {'|', '&'}) test[c] = kDoubledInBody;
  }
  // The code scanner passes over these characters without any call, so
  // they must have no counting action.
  constexpr bool OnlyStructure() const {
    for (int c = 0; c < 256; ++c) {
      if (test[c] != 0 && kCodeCharacters.acts[c] != kStructure) return false;
    }
    return true;
  }
};
constexpr ConditionalTable kConditional;
static_assert(kConditional.OnlyStructure());

// The scanner's kind table marks the same characters.
constexpr bool NeighboursMarked() {
  for (int c = 0; c < 256; ++c) {
    if ((kConditional.test[c] != 0) != ((kCodeScan.kind[c] & kNeighbours) != 0)) return false;
  }
  return true;
}
static_assert(NeighboursMarked());

// "#" is the only code character with a count but no structure action.
constexpr bool OnlyHashCountsAlone() {
  for (int c = 0; c < 256; ++c) {
    if (kCodeCharacters.acts[c] == kCounts && c != '#') return false;
  }
  return kCodeCharacters.acts[static_cast<unsigned char>('#')] == kCounts &&
         kCodeScan.kind[static_cast<unsigned char>('#')] == (kAction | kCountsOnly);
}
static_assert(OnlyHashCountsAlone());

// False where StructureCharacter (with FunctionCharacter and CheckCharacter)
// is known to do nothing with the code character line[i], one that
// kConditional lists. Keep in step with those three functions. Computed
// without branches (the three cases mix in any order in code).
bool StructureActsOn(const GlobalData& G, const char* line, int i) {
  const uint8_t test = kConditional.test[static_cast<unsigned char>(line[i])];
  const bool doubled = line[i + 1] == line[i];
  const bool when_doubled = (test & kWhenDoubled) != 0;
  const bool in_template = (test & kInTemplateHeader) != 0;
  const bool in_body = (test & kDoubledInBody) != 0;
  return (when_doubled & doubled) | (in_template & G.scope.template_open) |
         (in_body & G.func.in_body & doubled);
}

// CollectText out of line, for the code scanner's rare collected runs
// (parts of a line, so the line's padding follows them).
[[gnu::noinline]] void CollectRun(GlobalData& G, const char* text, int length) {
  CollectText(G, text, length, true);
}

// True while the lexer is in plain code with nothing suppressed.
bool InPlainCode(const LexState& L) {
  return (OpenLexicalStates(L) | static_cast<uint32_t>(L.suppress_rest_of_line)) == 0;
}

// True when a "thr" at line[k] is the middle of "fall through", "drop
// through", "fall thru" or "drop thru" inside line[0..length).
bool FallThroughAt(const char* line, int k, int length) {
  if (k < 5) return false;
  const char* verb = line + k - 5;
  if (std::memcmp(verb, "fall ", 5) != 0 && std::memcmp(verb, "drop ", 5) != 0) return false;
  return (k + 7 <= length && std::memcmp(line + k, "through", 7) == 0) ||
         (k + 4 <= length && std::memcmp(line + k, "thru", 4) == 0);
}

}  // namespace

bool HasFallThroughPhrase(const char* line, int length) {
  int k = 0;
#if defined(__SSE2__)
  // Sixteen starting points at a time: "h" and "r" at k + 1 and k + 2
  // (FallThroughAt tests the rest).
  auto candidates = [](const char* p) {
    const __m128i h = _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1)),
                                     _mm_set1_epi8('h'));
    const __m128i r = _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 2)),
                                     _mm_set1_epi8('r'));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(h, r)));
  };
  // Starting points past length - 3 find no whole phrase (FallThroughAt
  // checks the length), so the padding past the text is harmless.
  for (; k + 2 < length; k += 16) {
    for (unsigned m = candidates(line + k); m != 0; m &= m - 1) {
      if (FallThroughAt(line, k + __builtin_ctz(m), length)) return true;
    }
  }
  return false;
#else
  for (; k + 3 <= length; ++k) {
    if (line[k] == 't' && line[k + 1] == 'h' && line[k + 2] == 'r' &&
        FallThroughAt(line, k, length)) {
      return true;
    }
  }
  return false;
#endif
}

namespace {

// The position of the first "*/" in line[from..length) whose asterisk
// stands after `opener_end`, or `length`.
int FindCommentClose(const char* line, int from, int length, int opener_end) {
#if defined(__SSE2__)
  const __m128i star = _mm_set1_epi8('*');
  const __m128i slash = _mm_set1_epi8('/');
  for (int k = from; k < length; k += 16) {
    const __m128i closes = _mm_and_si128(_mm_cmpeq_epi8(Load16(line + k), star),
                                         _mm_cmpeq_epi8(Load16(line + k + 1), slash));
    unsigned m = static_cast<unsigned>(_mm_movemask_epi8(closes));
    for (; m != 0; m &= m - 1) {
      const int at = k + __builtin_ctz(m);
      if (at >= length) return length;
      if (at > opener_end) return at;
    }
  }
  return length;
#else
  for (int k = from; k < length; ++k) {
    if (line[k] == '*' && line[k + 1] == '/' && k > opener_end) return k;
  }
  return length;
#endif
}

// Notice 30 for each of `tabs` tabs; out of line, as tabs are rare.
[[gnu::noinline]] void RaiseTabNotices(GlobalData& G, int tabs, int32_t line_number) {
  RaiseRepeatedNotice(G, kNoticeTab, line_number, tabs);
}

// CountSegment for comment text (kCode false) or code and string text.
// kPhrase: also tells whether p[0..n) may hold the fall-through phrase (an
// "h" followed by "r" somewhere); false without it. kClose: the text is
// inside a block comment and is only counted when it holds no "*/" (the
// usual comment line, which so takes a single pass); otherwise nothing is
// counted and -1 is returned. Returns n when it counted.
template <bool kCode, bool kPhrase = false, bool kClose = false>
int CountSegmentOf(GlobalData& G, const char* p, int n, bool tab_notice, int32_t line_number,
                   bool* phrase_out = nullptr) {
  constexpr bool code = kCode;
  bool phrase = false;
  int spaces = 0, tabs = 0;
  bool visible = false, code_visible = false;
#if defined(__SSE2__)
  // Sixteen characters at a time; in a block that reaches past the segment
  // the bytes past it are cleared first, and a NUL counts as nothing.
  // Spaces and tabs are counted in byte counters (a piece of at most 2,047
  // characters makes at most 128 rounds, so none overflows), summed at the
  // end; visible characters and visible characters other than "/" only
  // need to be seen.
  const __m128i space = _mm_set1_epi8(' ');
  const __m128i tab = _mm_set1_epi8('\t');
  const __m128i slash = _mm_set1_epi8('/');
  const __m128i low = _mm_set1_epi8(32);  // visible: 33..127, i.e. > 32
  __m128i n_space = _mm_setzero_si128(), n_tab = n_space, any_visible = n_space,
          any_code = n_space, any_hr = n_space, any_close = n_space;
  auto block = [&](int k, __m128i in) __attribute__((always_inline)) {
    const __m128i v = _mm_and_si128(Load16(p + k), in);
    n_space = _mm_sub_epi8(n_space, _mm_cmpeq_epi8(v, space));
    n_tab = _mm_sub_epi8(n_tab, _mm_cmpeq_epi8(v, tab));
    // Signed compare: bytes 128..255 are negative, so they are not > 32.
    const __m128i is_visible = _mm_cmpgt_epi8(v, low);
    any_visible = _mm_or_si128(any_visible, is_visible);
    if constexpr (kCode) {
      any_code = _mm_or_si128(any_code, _mm_andnot_si128(_mm_cmpeq_epi8(v, slash), is_visible));
    }
    if constexpr (kPhrase) {
      const __m128i hr = _mm_and_si128(_mm_cmpeq_epi8(Load16(p + k + 1), _mm_set1_epi8('h')),
                                       _mm_cmpeq_epi8(Load16(p + k + 2), _mm_set1_epi8('r')));
      any_hr = _mm_or_si128(any_hr, _mm_and_si128(hr, in));
    }
    if constexpr (kClose) {
      // Comment closes ("*/") are only gathered: a text that holds one is
      // counted again up to it (such lines are few).
      any_close = _mm_or_si128(any_close, _mm_and_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('*')),
                                                        _mm_cmpeq_epi8(Load16(p + k + 1), slash)));
    }
  };
  if (n <= 16) {
    block(0, LoadMask(kSegmentMask + 64 - n));
  } else if (n <= 64) {
    // Most other segments: four blocks, each cleared past the segment's
    // end. A fixed amount of work, where a loop would end after a number
    // of rounds that changes from line to line and that the branch
    // predictor cannot know. The reads (up to p[65]) stay inside the
    // line's padding, as n > 16.
    const int8_t* in = kSegmentMask + 64 - n;
    block(0, LoadMask(in));
    block(16, LoadMask(in + 16));
    block(32, LoadMask(in + 32));
    block(48, LoadMask(in + 48));
  } else {
    int k = 0;
    for (; k + 16 <= n; k += 16) block(k, _mm_set1_epi8(-1));
    if (k < n) block(k, LoadMask(kSegmentMask + 64 - (n - k)));
  }
  if constexpr (kClose) {
    if (_mm_movemask_epi8(any_close) != 0) return -1;
  }
  auto sum = [](__m128i counts) {
    const __m128i s = _mm_sad_epu8(counts, _mm_setzero_si128());
    return _mm_cvtsi128_si32(s) + _mm_extract_epi16(s, 4);
  };
  spaces = sum(n_space);
  tabs = sum(n_tab);
  visible = _mm_movemask_epi8(any_visible) != 0;
  code_visible = _mm_movemask_epi8(any_code) != 0;
  phrase = _mm_movemask_epi8(any_hr) != 0;
#else
  if constexpr (kClose) {
    for (int k = 0; k < n; ++k) {
      if (p[k] == '*' && p[k + 1] == '/') return -1;
    }
  }
  for (int k = 0; k < n; ++k) {
    const unsigned char c = static_cast<unsigned char>(p[k]);
    spaces += c == ' ';
    tabs += c == '\t';
    const bool v = static_cast<unsigned char>(c - 33) <= 94;
    visible = visible || v;
    code_visible = code_visible || (v && c != '/');
    phrase = phrase || (kPhrase && p[k + 1] == 'h' && p[k + 2] == 'r');
  }
#endif
  // The last character that is neither a space, tab, line feed nor
  // carriage return, looked for from the end.
  char last = '\0';
  for (int k = n - 1; k >= 0; --k) {
    const char c = p[k];
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
      last = c;
      break;
    }
  }
  LexState& L = G.lex;
  G.file.spaces_count += spaces + static_cast<int64_t>(tabs) * G.settings.tab_spaces;
  if (tab_notice && tabs > 0) RaiseTabNotices(G, tabs, line_number);
  if (visible) L.blank = false;
  if (code && code_visible) L.code_seen = true;
  if (last != '\0') L.last_nonblank = last;
  if constexpr (kPhrase) *phrase_out = phrase;
  return n;
}

}  // namespace

// Flattened: each of the two counts is inlined here rather than called.
[[gnu::flatten]] void CountSegment(GlobalData& G, const char* p, int n, bool tab_notice, bool code,
                                   int32_t line_number) {
  if (n <= 0) return;
  if (code) {
    CountSegmentOf<true>(G, p, n, tab_notice, line_number);
  } else {
    CountSegmentOf<false>(G, p, n, tab_notice, line_number);
  }
}

bool CountCommentText(GlobalData& G, const char* p, int n, int32_t line_number) {
  if (n <= 0) return false;
  bool phrase;
  CountSegmentOf<false, true>(G, p, n, true, line_number, &phrase);
  return phrase;
}

int CountBlockCommentText(GlobalData& G, const char* line, int from, int length, int opener_end,
                          bool* phrase, int32_t line_number) {
  if (from >= length) return length;
  const char* p = line + from;
  const int n = length - from;
  if (opener_end < from) {
    // Every "*/" in the text would close the comment: the count is taken
    // in the pass that looks for one, and stands when there is none.
    const int counted = phrase != nullptr
                            ? CountSegmentOf<false, true, true>(G, p, n, true, line_number, phrase)
                            : CountSegmentOf<false, false, true>(G, p, n, true, line_number);
    if (counted >= 0) return length;
  }
  const int close = FindCommentClose(line, from, length, opener_end);
  if (close < length) {
    CountSegmentOf<false>(G, p, close + 1 - from, true, line_number);
    return close;
  }
  if (phrase != nullptr) {
    CountSegmentOf<false, true>(G, p, n, true, line_number, phrase);
  } else {
    CountSegmentOf<false>(G, p, n, true, line_number);
  }
  return length;
}

// Code state (no comment, string or character literal open): runs through
// the line keeping the line flags in locals, handles identifiers and the
// code-character actions in place, and stops at the first character that
// needs a full step (a quote, a slash, a backslash, a control or high byte)
// or at a change of the lexical state. Returns that position, or `length`.
int ScanCode(GlobalData& G, const char* line, int i, int length, int32_t line_number) {
  LexState& L = G.lex;
  const uint8_t* kind = G.lang.flags.other ? kCodeScanOther.kind : kCodeScan.kind;
  bool visible = false;
  char last = L.last_nonblank;
  int64_t spaces = 0;
  int run = i;  // start of the characters not yet collected
  // Writes the locals back and collects the characters before `upto`.
  // Inlined, so that the locals stay in registers; the rare collection is
  // a call.
  auto flush = [&](int upto) __attribute__((always_inline)) {
    if (visible) {
      L.blank = false;
      L.code_seen = true;
      visible = false;
    }
    L.last_nonblank = last;
    G.file.spaces_count += spaces;
    spaces = 0;
    if (L.collecting && !L.directive_line && upto > run) CollectRun(G, line + run, upto - run);
    run = upto;
  };
  // A single space after a step is taken with it rather than by another
  // round of the loop; runs of spaces are left to the loop. True when it
  // took one.
  auto take_single_space = [&]() __attribute__((always_inline)) {
    const bool single = line[i] == ' ' && line[i + 1] != ' ' && i < length;
    if (single) {
      ++spaces;
      ++i;
    }
    return single;
  };
  // An identifier character right after the previous step's identifier
  // character continues that token: no word starts here.
  if (i > 0 && IsIdentChar(line[i - 1])) {
    while (i < length && IsIdentChar(line[i])) last = line[i++];
    visible = visible || i > run;
  }
  while (i < length) {
    unsigned char c = static_cast<unsigned char>(line[i]);
    uint8_t k = kind[c];
    if (k & kWordStart) {
      const int end = IdentifierEnd(line, i + 1);
      visible = true;
      last = line[end - 1];
      if (CouldBeWord(c, static_cast<unsigned char>(line[i + 1]), end - i)) {
        const Word word = LookupWord(line + i, end - i);
        if (word != Word::kNone) {
          // The detectors see the word collected like the code before
          // it; other identifiers stay in the pending run.
          flush(end);
          StructureWord(G, line, i, end, word);
          CountCodeWord(G, line, i, end, word);
          if (!InPlainCode(L)) return end;
        }
      }
      i = end;
      // A single space after an identifier, the most frequent case, is
      // taken here rather than by another round of the loop.
      if (take_single_space()) continue;
      // Otherwise the character after the identifier starts none: it goes
      // on to the tests below without another round of the loop.
      if (i >= length) break;
      c = static_cast<unsigned char>(line[i]);
      k = kind[c];
    }
    if (k & kAction) {
      visible = true;
      last = static_cast<char>(c);
      // A character whose action depends on its neighbours and that has
      // none here ("->", "a.b", "a < b" outside a template header) is
      // inert: nothing is called, so nothing needs writing back yet.
      if ((k & kNeighbours) && !StructureActsOn(G, line, i)) {
        ++i;
        take_single_space();
        continue;
      }
      flush(i + 1);
      if (!(k & kCountsOnly)) {
        StructureAndCountCharacter(G, line, i);
      } else {
        CountCodeCharacter(G, line, i);  // "#"
      }
      ++i;
      if (!InPlainCode(L)) return i;
      take_single_space();
      continue;
    }
    if (k & kBlankSpace) {
      // Most blanks stand alone; runs of them (alignment) go sixteen at
      // a time.
      if (line[i + 1] != ' ') {
        ++spaces;
        ++i;
        continue;
      }
      int end = SpacesEnd(line, i + 2);
      if (end > length) end = length;
      spaces += end - i;
      i = end;
      continue;
    }
    if (k == kInert) {
      visible = true;
      last = static_cast<char>(c);
      ++i;
      take_single_space();
      continue;
    }
    if (k & kDigit) {
      const int end = IdentifierEnd(line, i + 1);
      visible = true;
      last = line[end - 1];
      i = end;
      continue;
    }
    if (k & kTab) {  // a run of tabs, a notice for each
      int tabs = 1;
      while (i + tabs < length && line[i + tabs] == '\t') ++tabs;
      spaces += static_cast<int64_t>(tabs) * G.settings.tab_spaces;
      if (tabs == 1) {
        RaiseNotice(G, kNoticeTab, line_number);
      } else {
        RaiseRepeatedNotice(G, kNoticeTab, line_number, tabs);
      }
      i += tabs;
      continue;
    }
    flush(i);
    return i;
  }
  flush(i);
  return i;
}

}  // namespace zav
