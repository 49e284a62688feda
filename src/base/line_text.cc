#include "base/line_text.h"

#include <cstdio>
#include <cstring>

#include "base/keywords.h"
#include "zav/lexical_state.h"

namespace zav {
namespace {

// Skips a block comment that starts at `pos` ("/*"); returns the position
// after its "*/", or the end of the line when it does not close.
int SkipBlockComment(const char* line, int pos) {
  int i = pos + 2;
  while (i < kLinePieceMax && line[i] != '\0') {
    if (line[i] == '*' && line[i + 1] == '/') return i + 2;
    ++i;
  }
  return i;
}

enum class WordStop { kBlanks, kIdentifier };

// Shared body of the first-word routines.
std::string FirstWordImpl(const char* line, int start, WordStop stop,
                          bool skip_openers, bool require_ident_start) {
  int i = start;
  while (i < kLineBufferSize && (IsBlank(line[i]) || line[i] == '\r' ||
                                 (skip_openers && (line[i] == '{' ||
                                                   line[i] == '(')))) {
    ++i;
  }
  if (i >= kLineBufferSize) {
    std::fputs("  Error: Unexpected line length with no line feed", stdout);
    return {};
  }
  if (line[i] == '\0' || line[i] == '\n') return {};
  if (line[i] == '/' && line[i + 1] == '/') return {};
  if (line[i] == '/' && line[i + 1] == '*') {
    i = SkipBlockComment(line, i);
    while (i < kLinePieceMax && IsBlank(line[i])) ++i;
  }
  std::string word;
  for (; i < kLineBufferSize; ++i) {
    char c = line[i];
    if (c == '\0' || IsWhiteSpace(c)) break;
    if (stop == WordStop::kIdentifier &&
        std::strchr("{:(;)/", c) != nullptr) {
      break;
    }
    word.push_back(c);
  }
  if (i >= kLineBufferSize) {
    std::fputs("  Error: Unexpected line length with no line feed", stdout);
    return {};
  }
  if (require_ident_start && !word.empty()) {
    unsigned char c0 = static_cast<unsigned char>(word[0]);
    bool ok = (c0 >= 'a' && c0 <= 'z') || (c0 >= 'A' && c0 <= 'Z') ||
              c0 == '_' || c0 == '~';
    if (!ok) return {};
  }
  return word;
}

}  // namespace

void LeftTrim(std::string& s) {
  size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  s.erase(0, i);
}

void RightTrim(std::string& s) {
  size_t n = s.size();
  while (n > 0 && (IsBlank(s[n - 1]) || s[n - 1] == '\n' || s[n - 1] == '\r')) {
    --n;
  }
  s.resize(n);
}

void RemoveBlockComment(std::string& s) {
  size_t open = s.find("/*");
  if (open == std::string::npos) return;
  size_t close = s.find("*/", open + 2);
  if (close == std::string::npos) return;
  s.erase(open, close + 2 - open);
}

void CutLineComment(std::string& s) {
  size_t pos = s.find("//");
  if (pos != std::string::npos) s.resize(pos);
}

void CollapseBlanksInto(std::string_view s, const char* delimiters, std::string& out) {
  const CharSet stop(delimiters);  // one test a character, no string search
  // With delimiters no higher than the blank (the usual " \t\r\n"), any
  // character above the blank is kept after one comparison.
  unsigned char kept_above = ' ';
  for (const char* d = delimiters; *d != '\0'; ++d) {
    if (static_cast<unsigned char>(*d) > ' ') kept_above = 0xFF;
  }
  out.resize(s.size());  // room for every character; cut to size below
  char* const begin = out.data();
  char* o = begin;
  bool gap = false;  // a delimiter since the last character kept
  // The output never runs ahead of the input: a blank written for a gap
  // stands for a delimiter passed over.
  const char* in = s.data();
  const char* const end = in + s.size();
  while (in != end) {
    const char c = *in++;
    if (static_cast<unsigned char>(c) <= kept_above && stop.Has(c)) {
      gap = true;
      continue;
    }
    if (gap && o != begin) *o++ = ' ';
    gap = false;
    *o++ = c;
    // The characters above the blank that follow, a word at a time.
    if (kept_above == ' ') CopyRunAbove(in, end, o, ' ');
  }
  out.resize(o - begin);
}

std::string CollapseBlanks(std::string_view s, const char* delimiters) {
  std::string out;
  CollapseBlanksInto(s, delimiters, out);
  return out;
}

std::string DropWords(const std::string& s, const char* const* words) {
  std::string out;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && std::strchr(" \t\r\n", s[i]) != nullptr) ++i;
    size_t j = i;
    while (j < s.size() && std::strchr(" \t\r\n", s[j]) == nullptr) ++j;
    if (j > i) {
      bool drop = false;
      for (const char* const* w = words; *w != nullptr; ++w) {
        if (s.compare(i, j - i, *w) == 0) {
          drop = true;
          break;
        }
      }
      if (!drop) {
        if (!out.empty()) out.push_back(' ');
        out.append(s, i, j - i);
      }
    }
    i = j;
  }
  return out;
}

int SkipBlanks(const char* line, int pos) {
  while (pos < kLinePieceMax && IsBlank(line[pos])) ++pos;
  return pos;
}

int SkipHighBytes(const char* line, int pos) {
  while (pos < kLinePieceMax && (static_cast<unsigned char>(line[pos]) & 0x80)) {
    ++pos;
  }
  return pos;
}

char NextSignificant(const char* line, int pos) {
  int i = pos + 1;
  while (i < kLinePieceMax) {
    char c = line[i];
    if (IsBlank(c)) {
      ++i;
    } else if (c == '/' && line[i + 1] == '*') {
      i = SkipBlockComment(line, i);
    } else if (c == '/' && line[i + 1] == '/') {
      return '\n';
    } else {
      return c;
    }
  }
  return '\0';
}

size_t FindWholeWord(std::string_view text, std::string_view word) {
  for (size_t p = text.find(word); p != std::string_view::npos; p = text.find(word, p + 1)) {
    const bool before = p == 0 || !IsIdentChar(static_cast<unsigned char>(text[p - 1]));
    const bool after = p + word.size() >= text.size() ||
                       !IsIdentChar(static_cast<unsigned char>(text[p + word.size()]));
    if (before && after) return p;
  }
  return std::string_view::npos;
}

bool NextWordIs(const char* line, int end, const char* word) {
  int p = SkipBlanks(line, end);
  size_t n = std::strlen(word);
  return std::strncmp(line + p, word, n) == 0 &&
         !IsIdentChar(static_cast<unsigned char>(line[p + n]));
}

bool OnlyCharacter(const char* line, char c) {
  const int i = SkipBlanks(line, 0);
  return line[i] == c && NothingFollows(line, i + 1);
}

bool NothingFollows(const char* line, int i) {
  while (i < kLinePieceMax) {
    char d = line[i];
    if (d == '\0' || d == '\n' || d == '\r') return true;
    if (d == '/' && line[i + 1] == '/') return true;
    if (d == '/' && line[i + 1] == '*') {
      i = SkipBlockComment(line, i);
      continue;
    }
    if (d != ' ' && d != '\t' && d != ';') return false;
    ++i;
  }
  return true;
}

bool CharOutsideComments(const char* line, char c) {
  // Most lines asked about hold no `c` at all: one library search says so.
  if (std::strchr(line, c) == nullptr) return false;
  int i = 0;
  while (i < kLinePieceMax && line[i] != '\0') {
    if (line[i] == '/' && line[i + 1] == '/') return false;
    if (line[i] == '/' && line[i + 1] == '*') {
      i = SkipBlockComment(line, i);
      continue;
    }
    if (line[i] == c) return true;
    ++i;
  }
  return false;
}

bool SemicolonWithoutBrace(const char* line) {
  bool semicolon = false;
  int i = 0;
  // From one character of interest to the next by the library's search.
  for (const char* p; i < kLinePieceMax && (p = std::strpbrk(line + i, ";{/")) != nullptr;) {
    i = static_cast<int>(p - line);
    if (i >= kLinePieceMax) break;
    if (*p == '{') return false;
    if (*p == ';') {
      semicolon = true;
      ++i;
    } else if (p[1] == '/') {
      break;
    } else if (p[1] == '*') {
      i = SkipBlockComment(line, i);
    } else {
      ++i;
    }
  }
  return semicolon;
}

std::string FirstWord(const char* line, int start) {
  return FirstWordImpl(line, start, WordStop::kBlanks, false, false);
}

std::string FirstIdentifier(const char* line, int start) {
  return FirstWordImpl(line, start, WordStop::kIdentifier, false, true);
}

// In place: after blanks and carriage returns, a word that starts with a
// letter, "_" or "~" and ends at white space, the NUL or one of "{:(;)/".
// A line that starts with a comment is left to FirstIdentifier.
bool FirstIdentifierIs(const char* line, std::string_view name, int blanks) {
  int i = blanks;
  while (IsBlank(line[i]) || line[i] == '\r') ++i;
  if (line[i] == '/' || name.empty()) return name == FirstIdentifier(line, 0);
  static constexpr CharSet kStops = [] {
    CharSet stops(" \t\r\n{:(;)/");
    stops.Add('\0');
    return stops;
  }();
  const char c0 = name[0];
  if (!((c0 >= 'a' && c0 <= 'z') || (c0 >= 'A' && c0 <= 'Z') || c0 == '_' || c0 == '~')) {
    return false;
  }
  // A mismatch ends the loop at the line's NUL at the latest.
  for (size_t k = 0; k < name.size(); ++k) {
    if (line[i + k] != name[k] || kStops.Has(name[k])) return false;
  }
  return kStops.Has(line[i + name.size()]);
}

std::string FirstNameAfterOpeners(const char* line, int start) {
  return FirstWordImpl(line, start, WordStop::kIdentifier, true, false);
}

}  // namespace zav
