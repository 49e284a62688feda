// Small routines over the text of one source line.
//
// Every routine stops at the terminating NUL and never looks beyond index
// 2047 of a line.
#pragma once

#include <string>
#include <string_view>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "base/keywords.h"

namespace zav {

// Copies the characters from `in` that are above `floor` (as unsigned
// bytes, floor below 0xFF) to `out`, up to the first that is not or to
// `end`; both pointers move past what was copied. Sixteen characters are
// compared and stored at a time: `out` needs room for end - in of them.
inline void CopyRunAbove(const char*& in, const char* end, char*& out, unsigned char floor) {
#if defined(__SSE2__)
  const __m128i least = _mm_set1_epi8(static_cast<char>(floor + 1));
  while (end - in >= 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
    const unsigned above =
        static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_max_epu8(v, least), v)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), v);
    if (above != 0xFFFFu) {
      const int run = __builtin_ctz(~above);
      in += run;
      out += run;
      return;
    }
    in += 16;
    out += 16;
  }
#endif
  while (in != end && static_cast<unsigned char>(*in) > floor) *out++ = *in++;
}

// Removes leading spaces and tabs.
void LeftTrim(std::string& s);
// Removes trailing spaces, tabs, line feeds and carriage returns.
void RightTrim(std::string& s);
// Removes the first "/* ... */" span when the text holds both markers.
void RemoveBlockComment(std::string& s);
// Ends the text at the first "//".
void CutLineComment(std::string& s);
// Splits at any of `delimiters` and rejoins the non-empty pieces with
// single spaces.
std::string CollapseBlanks(std::string_view s, const char* delimiters);
// As CollapseBlanks, into `out` (its room is kept for the next text); `s`
// views no part of `out`.
void CollapseBlanksInto(std::string_view s, const char* delimiters, std::string& out);
// Splits at " \t\r\n" and rejoins with single spaces the words that are not
// in `words` (a null-terminated array).
std::string DropWords(const std::string& s, const char* const* words);

// Position of the first character at or after `pos` that is neither a space
// nor a tab.
int SkipBlanks(const char* line, int pos);
// When line[pos] has its top bit set, the position of the first byte after
// it that has not; else pos.
int SkipHighBytes(const char* line, int pos);

// From the position after `pos`, skips spaces, tabs and complete block
// comments; returns the first other character (the line feed or NUL when the
// line ends first), or a line feed when a "//" comment begins.
char NextSignificant(const char* line, int pos);

// True when a "//" or "/*" comment begins at line[pos].
inline bool CommentStartsAt(const char* line, int pos) {
  return line[pos] == '/' && (line[pos + 1] == '/' || line[pos + 1] == '*');
}

// The whole-keyword rule of the scope model, function detection and the
// quality checks: a keyword at line[start..end) stands at the line start or
// after one of " \t;)={}" (KeywordBefore), and is followed by white space,
// the line end, a comment or one of `extras` (KeywordAfter).
inline bool KeywordBefore(const char* line, int start) {
  return start == 0 || InSet(line[start - 1], " \t;)={}");
}
inline bool KeywordAfter(const char* line, int end, const char* extras) {
  const char c = line[end];
  return IsWhiteSpace(c) || c == '\0' || CommentStartsAt(line, end) || InSet(c, extras);
}
inline bool WholeKeyword(const char* line, int start, int end, const char* extras) {
  return KeywordBefore(line, start) && KeywordAfter(line, end, extras);
}

// Position of the first occurrence of `word` in `text` with no identifier
// character on either side, or npos.
size_t FindWholeWord(std::string_view text, std::string_view word);

// True when the first word after line[end], blanks skipped, is `word`
// (no identifier character follows it).
bool NextWordIs(const char* line, int end, const char* word);

// True when the line, with any "//" comment cut off, is optional blanks, the
// character `c`, then only spaces, tabs, ";" and block comments.
bool OnlyCharacter(const char* line, char c);
// True when line[pos..] up to the line end or a "//" comment holds only
// spaces, tabs, ";" and block comments.
bool NothingFollows(const char* line, int pos);

// True when `c` occurs on the line outside block and "//" comments.
bool CharOutsideComments(const char* line, char c);
// CharOutsideComments(line, ';') && !CharOutsideComments(line, '{') in one
// pass: a declaration that ends on this line opens no body on it.
bool SemicolonWithoutBrace(const char* line);

// First word from `start`: skips spaces, tabs and carriage returns, one
// leading block comment; empty for an empty line or a "//" comment; copies
// up to a space, tab, carriage return, NUL or line feed.
std::string FirstWord(const char* line, int start);
// As FirstWord, but also stops at "{", ":", "(", ";", ")" and "/", and gives
// nothing unless the word starts with a letter, "_" or "~".
std::string FirstIdentifier(const char* line, int start);
// FirstIdentifier(line, 0) == name, compared in place where it can be.
// line[0, blanks) is known to hold blanks alone.
bool FirstIdentifierIs(const char* line, std::string_view name, int blanks = 0);
// As FirstIdentifier, but first skips any run of spaces, tabs, "{" and "(",
// and gives the word whatever character it starts with.
std::string FirstNameAfterOpeners(const char* line, int start);

}  // namespace zav
