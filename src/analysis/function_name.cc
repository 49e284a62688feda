// Function names: the name and prefix read back from a header's "(",
// and the words that never name a function.
#include "analysis/function.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>

#include "analysis/header_rules.h"
#include "analysis/structure.h"
#include "base/line_text.h"
#include "analysis/rejected_words.h"
#include "zav/name_set.h"

namespace zav {
namespace {

// A candidate name found before a "(". Its characters live in `buffer`
// (a name is a piece of one line, so a line buffer and a little more holds
// it) and `name` views them, so no candidate allocates.
struct ScannedName {
  std::string_view name;
  int start = 0;  // position of the name's first character
  int end = 0;    // position after its last character
  bool ident_only = false;  // every character of `name` is a name character
  std::array<char, 2 * kLineBufferSize> buffer;

  ScannedName() = default;
  ScannedName(const ScannedName&) = delete;
  ScannedName& operator=(const ScannedName&) = delete;
};

// Scans backwards from line[from] for a function name: blanks, carriage
// returns and ")" are skipped, then characters are taken up to a blank,
// "(", "*", "&" or the line start; "<...>" is taken whole without blanks,
// a block comment is skipped and "A :: f" is joined. The name is written
// into out.buffer from its end leftwards. line[known_start, known_end), if
// given, is a word already found, whose run need not be walked again.
void ScanNameBackward(const char* line, int from, ScannedName& out, int known_start = -1,
                      int known_end = -1) {
  char* const first = out.buffer.data();
  char* const last = first + out.buffer.size();
  char* p = last;
  bool ident_only = true;
  auto take = [&](char c) {
    if (p > first) *--p = c;
    ident_only = false;
  };
  int j = from;
  while (j >= 0 && (line[j] == ' ' || line[j] == '\t' || line[j] == '\r' ||
                    line[j] == ')')) {
    --j;
  }
  out.end = j + 1;
  while (j >= 0) {
    const char c = line[j];
    if (c == '/' && j > 0 && line[j - 1] == '*') {
      int k = j - 2;
      while (k > 0 && !(line[k - 1] == '/' && line[k] == '*')) --k;
      // A comment end with no opening before it on the line (such as a
      // line that starts "*/") ends the scan at the line's start.
      j = k > 0 ? k - 2 : -1;
      while (j >= 0 && IsBlank(line[j])) --j;
      if (p == last) out.end = j + 1;
      continue;
    }
    if (c == '>') {
      int depth = 0;
      for (; j >= 0; --j) {
        const char d = line[j];
        if (d == '>') ++depth;
        if (d == '<') --depth;
        if (d != ' ' && d != '\t') take(d);
        if (depth == 0) {
          --j;
          break;
        }
      }
      continue;
    }
    if (IsBlank(c)) {
      int k = j;
      while (k >= 0 && IsBlank(line[k])) --k;
      const bool colon_before = k >= 1 && line[k] == ':' && line[k - 1] == ':';
      const bool colon_after = last - p >= 2 && p[0] == ':' && p[1] == ':';
      if ((colon_before || colon_after) && p != last) {
        j = k;
        continue;
      }
      break;
    }
    if (c == '(' || c == '*' || c == '&') break;
    if (IsIdentChar(static_cast<unsigned char>(c))) {
      // A run of name characters at once (most of a name): none of them
      // is a character the tests above look for.
      const int k = (j + 1 == known_end ? known_start : NameRunStart(line, j)) - 1;
      // Taken from the right while there is room, as take() does.
      const int room = static_cast<int>(p - first);
      const int n = std::min(j - k, room);
      p -= n;
      std::memcpy(p, line + j - n + 1, n);
      j = k;
      continue;
    }
    take(c);
    --j;
  }
  out.start = j + 1;
  out.name = std::string_view(p, last - p);
  out.ident_only = ident_only;
}

// "operator" as a whole word before the parenthesis: the name is the
// qualifier, "operator" and the operator's symbols.
bool FindOperator(const char* line, int paren, ScannedName& out) {
  // Most texts hold no "operator" at all: one library search says so.
  if (paren < 8 || std::string_view(line, paren).find("operator") == std::string_view::npos) {
    return false;
  }
  int op = -1;
  for (int k = paren - 8; k >= 0; --k) {
    if (line[k] == 'o' && std::memcmp(line + k, "operator", 8) == 0 &&
        (k == 0 || !IsIdentChar(static_cast<unsigned char>(line[k - 1]))) &&
        !IsIdentChar(static_cast<unsigned char>(line[k + 8]))) {
      op = k;
      break;
    }
  }
  if (op < 0) return false;
  std::string symbols = CollapseBlanks(std::string_view(line + op + 8, paren - op - 8), " \t");
  if (symbols.empty() && line[paren + 1] == ')') symbols = "()";
  int q = op;
  while (q > 0) {
    const char c = line[q - 1];
    if (IsIdentChar(static_cast<unsigned char>(c)) || c == ':' || c == '<' ||
        c == '>' || c == '~') {
      --q;
    } else {
      break;
    }
  }
  // qualifier + "operator" + [" "] + symbols: at most the text up to the
  // parenthesis and three characters more, which the buffer holds for any
  // line piece (a longer text is no line of ours and no operator).
  if (static_cast<size_t>(paren) + 4 > out.buffer.size()) return false;
  char* p = out.buffer.data();
  std::memcpy(p, line + q, op - q);
  p += op - q;
  std::memcpy(p, "operator", 8);
  p += 8;
  if (!symbols.empty() && IsIdentChar(static_cast<unsigned char>(symbols[0]))) *p++ = ' ';
  std::memcpy(p, symbols.data(), symbols.size());
  p += symbols.size();
  out.name = std::string_view(out.buffer.data(), p - out.buffer.data());
  out.start = q;
  out.end = paren;
  return true;
}

// A rejected word that is a keyword of the file's language: "try" can
// name a C function, "delete" or "lock" a Java method.
bool IsKeywordOf(const GlobalData& G, std::string_view name) {
  static const NameSet c_words = [] {
    NameSet set;
    for (const char* word : kSystemTypes) set.insert(word);
    for (const char* word : {"return", "switch", "sizeof", "defined", "alignof", "alignas",
                             "static_assert", "case", "do", "default", "typeof"}) {
      set.insert(word);
    }
    return set;
  }();
  static const NameSet java_words = [] {
    NameSet set;
    for (const char* word : kSystemTypes) set.insert(word);
    for (const char* word : {"return", "switch", "catch", "throw", "new", "synchronized",
                             "case", "do", "try", "default"}) {
      set.insert(word);
    }
    return set;
  }();
  if (G.lang.flags.c) return c_words.contains(name);
  if (G.lang.flags.java) return java_words.contains(name);
  return true;
}

// `plain` is a word already known to be no header qualifier or rejected
// word (or empty): a name equal to it is not looked up again. `plain_at`,
// when not -1, is where `plain` stands in `line`: a name taken whole from
// there is `plain` without a comparison of their characters.
bool NameAccepted(GlobalData& G, const ScannedName& scanned, bool is_operator,
                  const char* line, std::string_view plain, int plain_at) {
  const std::string_view name = scanned.name;
  // A name of letters, digits and "_" alone is valid when it starts with a
  // letter or "_": the character checks of ValFunctionName are not needed.
  const bool valid = scanned.ident_only && !is_operator
                         ? !name.empty() && IsIdentStart(static_cast<unsigned char>(name[0]))
                         : ValFunctionName(G, name, is_operator);
  if (!valid) return false;
  const bool known =
      plain_at >= 0 ? scanned.start == plain_at && name.size() == plain.size() &&
                          scanned.end - scanned.start == static_cast<int>(name.size())
                    : !plain.empty() && name == plain;
  if (!known && MayBeRejected(name) && RejectedWords().contains(name) &&
      IsKeywordOf(G, name)) {
    const bool system_type =
        std::find(std::begin(kSystemTypes), std::end(kSystemTypes), name) !=
        std::end(kSystemTypes);
    if (system_type && G.sw.debug) {
      std::printf(
          "*** Debug:\n  Warning: Line No. %d\n           Function name is a "
          "system type - %s\n           This may occur if a macro name is "
          "equivalent\n           to a function name.  Functional analysis "
          "has\n           been skipped by ZAV.\n\n",
          G.reader.line_number, std::string(name).c_str());
    }
    return false;
  }
  if (G.lang.flags.csharp && name.find('[') != std::string_view::npos) return false;
  if (!known && IsHeaderQualifier(name)) return false;  // "requires (...)", "noexcept (...)"
  // A macro name standing before its own parameter list ("STRCPY (...)")
  // is a header candidate like any capital name; elsewhere it is not a name.
  // The run-wide macro table is asked last, and only for a name that does
  // not stand right before a "(".
  if (line[scanned.end] != '(' && line[SkipBlanks(line, scanned.end)] != '(' &&
      G.lists.macro_names.contains(name)) {
    return false;
  }
  if (scanned.start > 0 && line[scanned.start - 1] == '@') return false;  // annotation
  return true;
}

// Character classes of function names.
enum : uint8_t { kNameBasic = 1, kNameColon = 2, kNameAngle = 4, kNameDot = 8 };
constexpr std::array<uint8_t, 256> kNameChars = [] {
  std::array<uint8_t, 256> t{};
  for (int c = 'a'; c <= 'z'; ++c) t[c] = kNameBasic;
  for (int c = 'A'; c <= 'Z'; ++c) t[c] = kNameBasic;
  for (int c = '0'; c <= '9'; ++c) t[c] = kNameBasic;
  t['_'] = t['~'] = kNameBasic;
  t[':'] = kNameColon;
  t['<'] = t['>'] = kNameAngle;
  t['.'] = kNameDot;
  return t;
}();

}  // namespace

bool ValFunctionName(const GlobalData& G, std::string_view name,
                     bool is_operator) {
  if (name.empty()) return false;
  auto letter = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '~';
  };
  if (is_operator) return letter(name[0]) || name[0] == ':';
  if (!letter(name[0]) && name[0] != ':') return false;
  const LanguageFlags& f = G.lang.flags;
  // Letters, digits, "_" and "~"; qualifiers "::" and "<...>" but in C;
  // dotted names in Java and C#.
  const uint8_t allowed = kNameBasic | (f.c ? 0 : kNameColon | kNameAngle) |
                          (f.java || f.csharp ? kNameDot : 0);
  // Up to the first "<" every character is checked by class alone (a ">"
  // without "<" is a qualifier character like ":"); from there on the
  // template arguments are passed over.
  size_t k = 0;
  for (; k < name.size() && name[k] != '<'; ++k) {
    if ((kNameChars[static_cast<unsigned char>(name[k])] & allowed) == 0) return false;
  }
  int angle = 0;
  for (const char c : name.substr(k)) {
    if (c == '<') ++angle;
    if (c == '>' && angle > 0) {
      --angle;
      continue;
    }
    if (angle > 0 && !f.c) continue;  // template arguments
    if ((kNameChars[static_cast<unsigned char>(c)] & allowed) == 0) return false;
  }
  return true;
}

namespace {

// True when the backward scan for a name, reaching the word that starts at
// line[word_start] (with only blanks between it and the "("), would take
// that word alone: the line starts there, or "(", "*", "&" or a blank
// stands before it, and no "::" before the blank joins another word on.
bool ScanStopsBefore(const char* line, int word_start) {
  if (word_start == 0) return true;
  const char c = line[word_start - 1];
  if (c == '(' || c == '*' || c == '&') return true;
  if (!IsBlank(c)) return false;
  int k = word_start - 1;
  while (k >= 0 && IsBlank(line[k])) --k;
  return !(k >= 1 && line[k] == ':' && line[k - 1] == ':');
}

}  // namespace

bool GetFunction(GlobalData& G, const char* line, int paren, std::string_view plain,
                 int plain_at) {
  FunctionState& F = G.func;
  ScannedName scanned;
  F.is_operator = !G.lang.flags.c && !G.lang.flags.java &&
                  FindOperator(line, paren, scanned);
  std::string_view name;
  int start = 0;
  if (!F.is_operator && plain_at >= 0 && IsIdentStart(static_cast<unsigned char>(plain[0])) &&
      ScanStopsBefore(line, plain_at)) {
    // Most names: the word before the "(" alone, known to be no keyword or
    // qualifier and standing right before its "(", so no macro name to
    // ask about. It is accepted as it stands.
    name = plain;
    start = plain_at;
  } else {
    if (!F.is_operator) {
      ScanNameBackward(line, paren - 1, scanned, plain_at,
                       plain_at < 0 ? -1 : plain_at + static_cast<int>(plain.size()));
    }
    bool ok = NameAccepted(G, scanned, F.is_operator, line, plain, plain_at);
    if (!ok && !F.is_operator && !scanned.name.empty() && line[scanned.end] != '(' &&
        !(scanned.start > 0 && line[scanned.start - 1] == '@')) {
      ScanNameBackward(line, scanned.start - 1, scanned);
      ok = NameAccepted(G, scanned, false, line, plain, plain_at);
    }
    if (!ok) {
      F.name.clear();
      F.prefix.clear();
      return false;
    }
    name = scanned.name;
    start = scanned.start;
  }
  F.name.clear();
  F.name.append(name);  // a plain append: no overlap to allow for
  // The text before the name is only listed with the class methods (-fm).
  F.prefix.clear();
  if (G.sw.class_methods) {
    CollapseBlanksInto(std::string_view(line, start), " \t\r\n", F.prefix);
  }
  return true;
}

const NameSet& RejectedWords() {
  static const NameSet words = [] {
    NameSet set;
    for (const char* word : kSystemTypes) set.insert(word);
    for (const char* word : kOtherKeywords) set.insert(word);
    return set;
  }();
  return words;
}

}  // namespace zav
