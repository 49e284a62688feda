#include "analysis/header_rules.h"

#include <algorithm>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "analysis/nesting.h"
#include "base/keywords.h"
#include "base/line_text.h"

namespace zav {

// Words that stand between a parameter list and the body without starting
// a new declaration: qualifiers, exception specifications, attributes.
bool IsHeaderQualifier(std::string_view w) {
  // Looked up by length first: most words asked about are names of no
  // length here, or of a length with one or two candidates.
  switch (w.size()) {
    case 3:
      return w == "asm";
    case 5:
      return w == "const" || w == "final" || w == "throw" || w == "__asm" || w == "__wur";
    case 6:
      return w == "throws";
    case 7:
      return w == "mutable" || w == "alignas" || w == "__asm__" || w == "__THROW";
    case 8:
      return w == "volatile" || w == "noexcept" || w == "override" || w == "requires" ||
             w == "decltype" || w == "restrict";
    case 9:
      return w == "__nonnull";
    case 10:
      return w == "__declspec" || w == "__restrict";
    case 11:
      return w == "__attribute";
    case 13:
      return w == "__attribute__";
    default:
      return false;
  }
}

// The identifier ending right before line[end] (blanks skipped); its first
// position goes to *start.
int NameRunStart(const char* line, int end) {
  int b = end;
#if defined(__SSE2__)
  // Sixteen characters before `b` at a time while the line holds them:
  // names are often long, and a loop a character ends on a branch that
  // is hard to predict.
  while (b >= 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + b - 16));
    const __m128i folded = _mm_or_si128(v, _mm_set1_epi8(0x20));  // "A" to "a"
    const __m128i letter = _mm_and_si128(_mm_cmpgt_epi8(folded, _mm_set1_epi8('a' - 1)),
                                         _mm_cmpgt_epi8(_mm_set1_epi8('z' + 1), folded));
    const __m128i digit = _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8('0' - 1)),
                                        _mm_cmpgt_epi8(_mm_set1_epi8('9' + 1), v));
    const __m128i name = _mm_or_si128(_mm_or_si128(letter, digit),
                                      _mm_cmpeq_epi8(v, _mm_set1_epi8('_')));
    const unsigned other = ~static_cast<unsigned>(_mm_movemask_epi8(name)) & 0xFFFFu;
    if (other != 0) return b - 16 + (31 - __builtin_clz(other)) + 1;
    b -= 16;
  }
#endif
  while (b > 0 && IsIdentChar(static_cast<unsigned char>(line[b - 1]))) --b;
  return b;
}

std::string_view WordBefore(const char* line, int end, int* start) {
  int e = end;
  while (e > 0 && (line[e - 1] == ' ' || line[e - 1] == '\t')) --e;
  const int b = NameRunStart(line, e);
  if (start != nullptr) *start = b;
  return std::string_view(line + b, e - b);
}

// The collected header text after the parameter list, without leading blanks.
std::string_view HeaderTail(const FunctionState& F) {
  std::string_view tail(F.header_text.text + F.params_end, F.header_text.length - F.params_end);
  // A loop: find_first_not_of searches the set again for every character.
  size_t first = 0;
  while (first < tail.size() && IsWhiteSpace(tail[first])) ++first;
  return tail.substr(first);
}

bool StartsInitialiserList(std::string_view tail) {
  return !tail.empty() && tail[0] == ':' && (tail.size() == 1 || tail[1] != ':');
}

// A lone ":" outside parentheses: "noexcept : x(1), y(2)" is an
// initialiser list, whatever qualifiers precede it.
static bool HasInitialiserList(std::string_view tail) {
  int depth = 0;
  size_t after_pair = 0;  // the second ":" of a "::" is no colon of its own
  bool found = false;
  ForEachNestingCandidate(tail, ':', [&](size_t k) {
    const char c = tail[k];
    if (c == '(') ++depth;
    if (c == ')' && depth > 0) --depth;
    if (c != ':' || depth > 0 || k < after_pair) return true;
    if (k + 1 < tail.size() && tail[k + 1] == ':') {
      after_pair = k + 2;
      return true;
    }
    found = true;
    return false;
  });
  return found;
}

// True when the text after a pending header's parameter list holds a word
// that is no qualifier, such as the return type line of a new definition.
static bool TailHoldsDeclarationWord(std::string_view tail) {
  for (size_t k = 0; k < tail.size();) {
    if (!IsIdentStart(static_cast<unsigned char>(tail[k]))) {
      ++k;
      continue;
    }
    size_t e = k;
    while (e < tail.size() && IsIdentChar(static_cast<unsigned char>(tail[e]))) ++e;
    if (!IsHeaderQualifier(tail.substr(k, e - k))) return true;
    k = e;
  }
  return false;
}

// A "(" on a later line than a pending header whose body has not begun:
// true when it starts a new header that replaces the pending one (a macro
// invocation line without ";", such as "libc_hidden_def (f)", is followed
// by a definition), false when it continues the header (an initialiser
// list, a trailing return type, an attribute or an exception clause such as noexcept).
bool NewHeaderReplaces(const GlobalData& G, const char* line, int paren) {
  const FunctionState& F = G.func;
  // A header written twice in #if/#else branches keeps its first form.
  if (G.reader.line_number == F.header_line || F.non_ansi || F.alternative_branch) {
    return false;
  }
  const std::string_view tail = HeaderTail(F);
  if (tail.rfind("->", 0) == 0 || HasInitialiserList(tail)) return false;
  int start = 0;
  const std::string_view name = WordBefore(line, paren, &start);
  if (name.empty() || IsHeaderQualifier(name)) return false;
  // "int g (" or "A::f (" start a new header; "const LOCKS_HELD(m) {" does not.
  if (TailHoldsDeclarationWord(std::string_view(line, start))) return true;
  // A C header line whose name is its first word ("ElfW(Addr)", "FOO (x)")
  // is a type or a macro when another name and "(" follow on a later line.
  if (F.probable_macro && G.lang.flags.c) return true;
  // The tail ends with the candidate's own name and "(", already collected.
  std::string_view before = tail;
  while (!before.empty() && (before.back() == '(' || IsWhiteSpace(before.back()))) {
    before.remove_suffix(1);
  }
  before.remove_suffix(std::min(before.size(), name.size()));
  // "static const ElfW(Sym) *" / "check_match (": a declarator follows.
  // A loop: find_first_of searches the set again for every character.
  if (std::any_of(before.begin(), before.end(), [](char c) { return c == '*' || c == '&'; })) {
    return true;
  }
  return TailHoldsDeclarationWord(before);
}

// The K&R declaration that ends the header text declares one of the
// parameters: its declarator name ("int a[2];", "void (*cb) (void);") is
// a word of the parameter list.
bool DeclaresAParameter(const FunctionState& F) {
  const std::string_view params(F.header_text.text, F.params_end);
  std::string_view decl(F.header_text.text + F.params_end, F.header_text.length - F.params_end);
  if (!decl.empty() && decl.back() == ';') decl.remove_suffix(1);
  const size_t previous = decl.rfind(';');
  if (previous != std::string_view::npos) decl.remove_prefix(previous + 1);
  std::string_view name;
  const size_t pointer = decl.find("(*");
  if (pointer != std::string_view::npos) {
    size_t k = pointer + 2;
    while (k < decl.size() && IsWhiteSpace(decl[k])) ++k;
    size_t e = k;
    while (e < decl.size() && IsIdentChar(static_cast<unsigned char>(decl[e]))) ++e;
    name = decl.substr(k, e - k);
  } else {
    int depth = 0;  // the last identifier outside "(...)" and "[...]"
    for (size_t k = 0; k < decl.size();) {
      const char c = decl[k];
      if (c == '(' || c == '[') ++depth;
      if ((c == ')' || c == ']') && depth > 0) --depth;
      if (depth > 0 || !IsIdentStart(static_cast<unsigned char>(c))) {
        ++k;
        continue;
      }
      size_t e = k;
      while (e < decl.size() && IsIdentChar(static_cast<unsigned char>(decl[e]))) ++e;
      name = decl.substr(k, e - k);
      k = e;
    }
  }
  if (name.empty()) return false;
  for (size_t p = params.find(name); p != std::string_view::npos; p = params.find(name, p + 1)) {
    const bool before = p == 0 || !IsIdentChar(static_cast<unsigned char>(params[p - 1]));
    const bool after = p + name.size() >= params.size() ||
                       !IsIdentChar(static_cast<unsigned char>(params[p + name.size()]));
    if (before && after) return true;
  }
  return false;
}

// "record Name(" or "record Name<T>(" in a Java file: the name before the
// parenthesis, when the word before it is "record".
std::string RecordName(const char* line, int paren) {
  int end = paren;
  while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\t')) --end;
  int name_end = end;
  if (end > 0 && line[end - 1] == '>') {
    int depth = 0;
    for (int k = end - 1; k >= 0; --k) {
      if (line[k] == '>') ++depth;
      if (line[k] == '<' && --depth == 0) {
        name_end = k;
        break;
      }
    }
  }
  int start = 0;
  const std::string_view name = WordBefore(line, name_end, &start);
  if (name.empty() || WordBefore(line, start) != "record") return {};
  return std::string(line + start, end - start);
}

}  // namespace zav
