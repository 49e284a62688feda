#include "analysis/function.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "analysis/header_rules.h"
#include "analysis/nesting.h"
#include "base/line_text.h"
#include "base/complexity.h"
#include "analysis/scope.h"
#include "analysis/structure.h"
#include "report/machine_output.h"
#include "report/structure_output.h"
#include "quality/checks.h"

namespace zav {
namespace {

// Words that take a parenthesised argument but never name a function. The
// first thirteen are the type and keyword names a macro can be confused
// with; the rest are keywords of the four languages.
constexpr const char* kSystemTypes[] = {
    "unsigned", "char", "short", "int", "long", "float", "double",
    "void", "signed", "while", "if", "else", "for"};
constexpr const char* kOtherKeywords[] = {
    "return", "switch", "sizeof", "catch", "foreach", "throw", "new",
    "delete", "typeof", "decltype", "using", "lock", "synchronized",
    "defined", "alignof", "alignas", "static_assert", "noexcept", "case",
    "do", "try", "fixed", "checked", "unchecked", "nameof", "default"};

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

// The length of the longest word of kSystemTypes and kOtherKeywords: a
// longer name is none of them and needs no lookup.
constexpr size_t kLongestRejected = [] {
  size_t n = 0;
  for (const char* word : kSystemTypes) n = std::max(n, std::char_traits<char>::length(word));
  for (const char* word : kOtherKeywords) n = std::max(n, std::char_traits<char>::length(word));
  return n;
}();

// For each length up to kLongestRejected, the first letters of the words
// of kSystemTypes and kOtherKeywords of that length (all start with "a" to
// "z"), one bit each: most names are of none of them.
constexpr std::array<uint32_t, kLongestRejected + 1> kRejectedStarts = [] {
  std::array<uint32_t, kLongestRejected + 1> starts{};
  auto add = [&](const char* word) {
    starts[std::char_traits<char>::length(word)] |= uint32_t{1} << (word[0] - 'a');
  };
  for (const char* word : kSystemTypes) add(word);
  for (const char* word : kOtherKeywords) add(word);
  return starts;
}();

// False for a name that is none of the words of RejectedWords().
bool MayBeRejected(std::string_view name) {
  if (name.empty() || name.size() > kLongestRejected) return false;
  const unsigned letter = static_cast<unsigned char>(name[0]) - 'a';
  return letter < 26 && (kRejectedStarts[name.size()] >> letter & 1) != 0;
}

// The words of kSystemTypes and kOtherKeywords, for constant-time lookup.
const NameSet& RejectedWords() {
  static const NameSet words = [] {
    NameSet set;
    for (const char* word : kSystemTypes) set.insert(word);
    for (const char* word : kOtherKeywords) set.insert(word);
    return set;
  }();
  return words;
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

// A lone ":" in the text collected after a pending struct keyword: the
// struct has a base clause, so a "(" in it is no function header.
bool PendingStructHasBase(const ScopeState& S) {
  const TextBuffer& t = S.class_header;
  for (int k = 0; k < t.length; ++k) {
    if (t.text[k] != ':') continue;
    if (k + 1 < t.length && t.text[k + 1] == ':') {
      ++k;
      continue;
    }
    return true;
  }
  return false;
}

[[gnu::always_inline]] inline bool HeaderCandidateAllowed(const GlobalData& G) {
  const FileMetrics& f = G.file;
  const ScopeState& S = G.scope;
  const bool enum_constants = S.enum_constants && S.brace_overflow == 0 &&
                              S.brace_depth > 0 &&
                              S.braces[S.brace_depth - 1] == BraceKind::kEnum;
  return f.open_bracket_count == f.close_bracket_count &&
         f.open_paren_count == f.close_paren_count && !G.lex.preprocessor_line &&
         !G.lex.define_line && !S.template_open && !S.where_clause &&
         !G.func.assignment_seen && AtDeclarationLevel(G) && !enum_constants &&
         !S.namespace_pending &&  // "namespace std VISIBILITY(default) {"
         !(S.class_pending &&
           (S.pending_kind != ClassKind::kStruct || PendingStructHasBase(S)));
}

void CancelHeader(GlobalData& G) {
  FunctionState& F = G.func;
  F.header_pending = false;
  F.in_header = false;
  F.name.clear();
  F.prefix.clear();
  F.template_text.clear();
  F.header_text.Clear();
  F.init_brace_depth = 0;
  UpdateCollecting(G);
}

void AcceptHeader(GlobalData& G) {
  FunctionState& F = G.func;
  F.header_pending = true;
  F.in_header = true;
  F.params_closed = false;
  F.paren_after_params = false;
  F.non_ansi = false;
  F.by_directive = false;
  F.void_seen = false;
  F.header_paren_depth = 1;
  F.init_brace_depth = 0;
  F.alternative_branch = false;
  F.params_end = 0;
  F.header_line = G.reader.line_number;
  F.header_text.Assign("(");
  // Most headers follow no template header: then there is nothing to take.
  if (G.scope.template_unread || !G.scope.template_text.empty()) {
    TakeTemplateText(G.scope, F.template_text);
  } else {
    F.template_text.clear();
  }
  F.comments_before_header = G.lex.consecutive_comment_lines;
  F.probable_macro = false;
  F.probable_macro_unread = true;  // looked at on this line's end
  G.scope.class_pending = false;  // "struct foo *f(void)" returns a struct
  UpdateCollecting(G);
}

void AddMethodFigures(MetricRecord& r, const FunctionRecord& f, bool with_sizes) {
  if (with_sizes) {
    r.loc += f.loc;
    r.eloc += f.eloc;
    r.lloc += f.lloc;
    r.comments += f.comments;
    r.lines += f.lines;
  }
  r.params += f.params;
  r.returns += f.returns;
  r.interface_complexity += f.interface_complexity;
  r.cyclomatic += f.cyclomatic;
  r.functional_complexity += f.functional_complexity;
  r.methods += 1.0;
}

// Adds a method defined outside its class (A::f) to its class and to every
// enclosing class.
void AddFunctionToClass(GlobalData& G, const FunctionRecord& f) {
  const bool cpp = !(G.lang.flags.java || G.lang.flags.csharp);
  std::string qualifier = f.name;
  size_t op = qualifier.find("::operator");
  if (op != std::string::npos) qualifier.resize(op + 2);
  bool first = true;
  while (true) {
    size_t cut = cpp ? qualifier.rfind("::") : qualifier.rfind('.');
    if (cut == std::string::npos) return;
    qualifier.resize(cut);
    if (cpp && first) {
      size_t angle = qualifier.find('<');
      if (angle != std::string::npos) qualifier.resize(angle);
    }
    first = false;
    if (qualifier.empty()) return;
    std::string in_namespace;
    if (!G.scope.namespace_name.empty()) {
      in_namespace = G.scope.namespace_name + QualifierSeparator(G) + qualifier;
    }
    ClassRecord* record = nullptr;
    if (!in_namespace.empty()) record = FindOrCreateClass(G, in_namespace, false);
    if (record == nullptr) record = FindOrCreateClass(G, qualifier, false);
    if (record == nullptr && !G.lists.namespace_index.contains(qualifier) &&
        (in_namespace.empty() || !G.lists.namespace_index.contains(in_namespace))) {
      record = FindOrCreateClass(G, in_namespace.empty() ? qualifier : in_namespace, true);
    }
    if (record != nullptr) AddMethodFigures(*record, f, true);
  }
}

void UpdateFileTotals(FileMetrics& t, const FunctionRecord& r) {
  t.func_loc_sum += r.loc;
  t.func_eloc_sum += r.eloc;
  t.func_lloc_sum += r.lloc;
  t.func_comment_sum += r.comments;
  t.func_blank_sum += r.blanks;
  t.func_lines_sum += r.lines;
  t.func_vg_sum += r.cyclomatic;
  t.func_returns_sum += r.returns;
  t.func_params_sum += r.params;
  t.func_interface_sum += r.interface_complexity;
  t.func_complexity_sum += r.functional_complexity;
  t.func_vg_max = std::max<int64_t>(t.func_vg_max, r.cyclomatic);
  t.func_complexity_max = std::max<int64_t>(t.func_complexity_max, r.functional_complexity);
  t.func_loc_max = std::max<int64_t>(t.func_loc_max, r.loc);
  t.func_eloc_max = std::max<int64_t>(t.func_eloc_max, r.eloc);
  t.func_lloc_max = std::max<int64_t>(t.func_lloc_max, r.lloc);
  t.func_params_max = std::max<int64_t>(t.func_params_max, r.params);
  t.func_returns_max = std::max<int64_t>(t.func_returns_max, r.returns);
}

// What BeginFunction needs of the first balanced "(...)" group of a
// parameter text (the whole text when none closes), found in one pass:
// its parameters, 0 for "()" and "(void)", else the commas at its top
// level plus one; and whether "void" stands in it as a word, which is
// read only for a list without parameters: there it stands exactly when
// the list is "(void)", so no list is searched for it.
struct GroupFacts {
  int params = 0;
  bool void_word = false;  // the list is "(void)"
};

GroupFacts FirstGroupFacts(std::string_view p) {
  GroupFacts facts;
  if (p.substr(0, 2) == "()") return facts;  // most often: no parameters
  int parens = 0;  // "(" only: where the group ends
  int depth = 0;   // every bracket: which commas count
  int commas = 0;
  size_t size = p.size();
  ForEachNestingCandidate(p, ',', [&](size_t i) {
    const char c = p[i];
    const Nesting n = NestingOf(c);
    if (n == Nesting::kOpen) {
      ++depth;
      if (c == '(') ++parens;
    } else if (n == Nesting::kClose) {
      if (depth > 0) --depth;
      if (c == ')' && --parens == 0) {
        size = i + 1;
        return false;
      }
    } else if (n == Nesting::kComma && depth == 1) {
      ++commas;
    }
    return true;
  });
  const std::string_view group = p.substr(0, size);
  facts.void_word = group == "(void)";
  facts.params = group == "()" || facts.void_word ? 0 : commas + 1;
  return facts;
}

// The position after the ")" that closes the "(" at line[paren], or -1.
int GroupEnd(const char* line, int paren) {
  int depth = 0;
  for (int k = paren; line[k] != '\0'; ++k) {
    if (line[k] == '(') ++depth;
    if (line[k] == ')' && --depth == 0) return k + 1;
  }
  return -1;
}

// "__attribute__((noreturn)) die(", "__declspec(dllexport) int f(",
// "decltype(x) g(": a macro, attribute or keyword group before the name.
// A word before the "(" that is no qualifier or keyword, and no macro name
// where that matters, goes to *plain.
bool PrefixGroup(const GlobalData& G, const char* line, int paren, std::string_view* plain) {
  const std::string_view word = WordBefore(line, paren);
  if (word.empty()) return false;
  if (!IsHeaderQualifier(word) &&
      (!MayBeRejected(word) || !RejectedWords().contains(word))) {
    // A group is a prefix only when another "(" follows it; without one
    // on the line, whether the word names a macro decides nothing here,
    // and the run-wide macro table (large, so slow to reach) is not asked.
    if (std::strchr(line + paren + 1, '(') == nullptr ||
        !G.lists.macro_names.contains(word)) {
      *plain = word;
      return false;
    }
  }
  // A "(" must follow on the line before any "{" or ";": "TEST(a, b) { f(); }"
  // is a definition, not a prefix.
  const int end = GroupEnd(line, paren);
  if (end < 0) return false;
  const char* next = std::strpbrk(line + end, "({;");
  return next != nullptr && *next == '(';
}

}  // namespace

bool CompactConstructor(const GlobalData& G) {
  const ScopeState& S = G.scope;
  if (!G.lang.flags.java || !S.cls.record || G.func.in_header) return false;
  const std::string_view text(S.member_text.text, S.member_text.length);
  if (text.find_first_of("(=") != std::string_view::npos) return false;
  const std::string_view cls(S.cls.name);
  const size_t dot = cls.rfind('.');
  const std::string_view simple = dot == std::string_view::npos ? cls : cls.substr(dot + 1);
  int end = static_cast<int>(text.size()) - 1;  // the "{" itself is collected
  while (end > 0 && IsWhiteSpace(text[end - 1])) --end;
  return end > 0 && WordBefore(S.member_text.text, end) == simple;
}

BraceKind BeginCompactConstructor(GlobalData& G, const char* line) {
  FunctionState& F = G.func;
  const std::string_view cls(G.scope.cls.name);
  const size_t dot = cls.rfind('.');
  F.name = std::string(dot == std::string_view::npos ? cls : cls.substr(dot + 1));
  F.prefix.clear();
  F.is_operator = false;
  AcceptHeader(G);
  F.header_text.Assign("()");
  F.params_closed = true;
  F.header_paren_depth = 0;
  return BeginFunction(G, line);
}

bool HeaderAwaitsBody(const GlobalData& G) {
  const FunctionState& F = G.func;
  return F.in_header && F.params_closed && F.header_paren_depth == 0 &&
         F.init_brace_depth == 0;
}

void DropPendingHeader(GlobalData& G) { CancelHeader(G); }

bool InitialiserBrace(const GlobalData& G) {
  const FunctionState& F = G.func;
  if (F.init_brace_depth > 0) return true;
  if (!StartsInitialiserList(HeaderTail(F))) return false;
  int k = F.header_text.length - 1;  // the "{" itself is collected
  while (k > 0 && IsWhiteSpace(F.header_text.text[k - 1])) --k;
  if (k <= 0) return false;
  const char c = F.header_text.text[k - 1];
  return IsIdentChar(static_cast<unsigned char>(c)) || c == '>';
}

namespace {

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

std::string NormaliseParameters(const std::string& raw, bool is_operator,
                                bool non_ansi, bool by_directive) {
  std::string out;
  NormaliseParametersInto(raw, is_operator, non_ansi, by_directive, out);
  return out;
}

void NormaliseParametersInto(std::string_view t, bool is_operator, bool non_ansi,
                             bool by_directive, std::string& out) {
  if (is_operator && t.substr(0, 2) == "()" && t.size() > 2 &&
      t.find('(', 2) != std::string_view::npos) {
    t.remove_prefix(2);  // operator()(...)
  }
  // Line breaks and tabs read as blanks; no blank after "(" or before ")",
  // none doubled, none at the end.
  if (out.size() < t.size()) out.resize(t.size());  // room for every character
  char* const begin = out.data();
  char* o = begin;
  auto put = [&](char c) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    if (c == ' ' && (o == begin || o[-1] == ' ' || o[-1] == '(')) return;
    if (c == ')' && o != begin && o[-1] == ' ') --o;
    *o++ = c;
  };
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  // The first group is written while the ")" that closes it is looked for.
  // Most characters are no blank and no parenthesis (all are above ")"):
  // they are copied a run at a time (the output never runs ahead of the
  // input). A run of blanks (a header's line breaks and indentation) is
  // written as the one blank it comes to.
  int depth = 0;
  size_t close = std::string_view::npos;
  const char* in = t.data();
  const char* const end = in + t.size();
  while (true) {
    CopyRunAbove(in, end, o, ')');
    if (in == end) break;
    const char c = *in++;
    if (blank(c)) {
      while (in != end && blank(*in)) ++in;
      put(' ');
      continue;
    }
    put(c);
    if (c == '(') ++depth;
    if (c == ')' && --depth == 0) {
      close = static_cast<size_t>(in - t.data()) - 1;
      break;
    }
  }
  if (close == std::string_view::npos) {
    // No group closes (rare): the text up to its first "{" is written again.
    const size_t brace = t.find('{');
    if (brace != std::string_view::npos) {
      o = begin;
      for (const char c : t.substr(0, brace)) put(c);
    }
  } else {
    // After the group, the text up to a "{" or an initialiser list's ":",
    // written as it is passed; characters that are none of these, no blank
    // and no ")" are copied as they stand.
    static constexpr std::array<bool, 256> kPlain = [] {
      std::array<bool, 256> plain{};
      plain.fill(true);
      for (const unsigned char c : {'{', ':', ')', ' ', '\t', '\r', '\n'}) plain[c] = false;
      return plain;
    }();
    for (size_t j = close + 1; j < t.size(); ++j) {
      const char c = t[j];
      if (kPlain[static_cast<unsigned char>(c)]) {
        *o++ = c;
        continue;
      }
      if (c == '{') break;
      if (c == ':' && !is_operator && (j + 1 >= t.size() || t[j + 1] != ':') &&
          t[j - 1] != ':') {
        break;  // a lone ":"
      }
      put(c);
    }
  }
  while (o != begin && o[-1] == ' ') --o;
  out.resize(o - begin);
  if (close == std::string_view::npos) out.push_back(')');
  if (non_ansi) out += " Non-ANSI Parameter Construct";
  if (by_directive) out += " Defined By Compiler Directive";
}

int CountParameters(std::string_view parameters) {
  return FirstGroupFacts(parameters).params;
}

int ComputeCyclomatic(const GlobalData& G, const DecisionCounts& c) {
  const Settings& s = G.settings;
  int vg = s.cyclo_function_call ? 1 : 0;
  if (s.cyclo_while) vg += c.whiles;
  if (s.cyclo_for) vg += c.fors;
  if (s.cyclo_switch) vg += c.switches;
  if (s.cyclo_case) vg += c.cases;
  if (s.cyclo_if) vg += c.ifs;
  if (s.cyclo_else) vg += c.elses;
  if (s.cyclo_ternary) vg += c.ternaries;
  if (s.cyclo_goto) vg += c.gotos;
  if (s.cyclo_or) vg += c.logical_or;
  if (s.cyclo_and) vg += c.logical_and;
  return vg;
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

namespace {

// A parenthesis while a header is pending: part of the header, unless a
// "(" starts a new header that replaces it (then true: the header is
// dropped and the "(" is looked at as a candidate).
bool HeaderParenStartsOver(GlobalData& G, const char* line, int i, bool open) {
  FunctionState& F = G.func;
  const bool replaces = open && !F.candidate_on_line && HeaderAwaitsBody(G) &&
                        NewHeaderReplaces(G, line, i);
  if (!replaces) {
    if (open) {
      F.candidate_on_line = true;
      ++F.header_paren_depth;
      if (F.params_closed) F.paren_after_params = true;
    } else if (--F.header_paren_depth == 0 && !F.params_closed) {
      F.params_closed = true;
      F.params_end = F.header_text.length;
    } else if (F.header_paren_depth < 0) {
      F.header_paren_depth = 0;  // "(*f (void)) (int)": the declarator's ")"
    }
    return false;
  }
  CancelHeader(G);
  return true;
}

// False when "record" cannot be the word before the name of the "(" at
// line[paren] ("record Name(", "record Name<T>("). With the plain word
// before the "(" known, only the word right before that is looked at;
// otherwise one search of the text before the "(" says whether "record"
// is there at all.
bool RecordMayPrecede(const char* line, int paren, std::string_view plain) {
  if (plain.empty()) return std::string_view(line, paren).find("record") != std::string_view::npos;
  int e = static_cast<int>(plain.data() - line);
  while (e > 0 && IsBlank(line[e - 1])) --e;
  return e >= 6 && std::memcmp(line + e - 6, "record", 6) == 0 &&
         (e == 6 || !IsIdentChar(static_cast<unsigned char>(line[e - 7])));
}

// CandidateParen once the state allows a header: the words before the "("
// are read.
[[gnu::noinline]] void ReadCandidate(GlobalData& G, const char* line, int i, bool first) {
  FunctionState& F = G.func;
  std::string_view plain;
  if (PrefixGroup(G, line, i, &plain)) {
    F.skip_group_depth = 1;
    return;
  }
  // "record Name(": most candidates are ruled out before the words before
  // the "(" are taken apart.
  if (G.lang.flags.java && RecordMayPrecede(line, i, plain)) {
    const std::string record = RecordName(line, i);
    if (!record.empty()) {
      BeginRecordHeader(G, record);
      return;
    }
  }
  bool accepted = false;
  if (first && F.line_end_word[0] != '\0' && SkipBlanks(line, 0) == i) {
    // "ForEachKeyTask" / "(BulkTask<K,V,?> p, ...) {": the name ended the
    // line before.
    const std::string joined = std::string(F.line_end_word.data()) + (line + i);
    accepted = GetFunction(G, joined.c_str(), static_cast<int>(std::strlen(F.line_end_word.data())),
                           plain);
  } else {
    accepted = GetFunction(G, line, i, plain,
                           plain.empty() ? -1 : static_cast<int>(plain.data() - line));
  }
  if (accepted) {
    AcceptHeader(G);
  } else if (G.lex.java_annotation) {
    F.use_next_paren = true;
  }
}

// CandidateParen for the first "(" of a line when a blank or comment
// follows it: "( *name)" is a declarator too.
[[gnu::noinline]] void FirstCandidateAfterBlank(GlobalData& G, const char* line, int i) {
  if (NextSignificant(line, i) == '*') {
    G.func.use_next_paren = true;
    return;
  }
  if (!HeaderCandidateAllowed(G)) return;
  ReadCandidate(G, line, i, true);
}

// The "(" that may begin a header: the first of its line, or the one
// after a declarator, attribute group or annotation. The state rules out
// many before anything is read (and before any registers are saved).
[[gnu::noinline]] void CandidateParen(GlobalData& G, const char* line, int i) {
  FunctionState& F = G.func;
  const bool first = !F.candidate_on_line;
  F.candidate_on_line = true;
  F.use_next_paren = false;
  if (first && i + 1 < kLinePieceMax) {
    const char c = line[i + 1];
    if (c == '*') {
      F.use_next_paren = true;
      return;
    }
    if (IsBlank(c) || c == '/') return FirstCandidateAfterBlank(G, line, i);
  }
  if (!HeaderCandidateAllowed(G)) return;
  ReadCandidate(G, line, i, first);
}

// OnFunctionParen when no header is pending (any more).
inline void ParenOutsideHeader(GlobalData& G, const char* line, int i, bool open) {
  FunctionState& F = G.func;
  if (F.in_body) {
    F.paren_depth += open ? 1 : -1;
    return;
  }
  if (F.skip_group_depth > 0) {
    F.skip_group_depth += open ? 1 : -1;
    if (F.skip_group_depth == 0) F.use_next_paren = true;
    return;
  }
  if (!open || !F.enabled) return;
  // Only the first "(" of a line is used, or the next one after a
  // function-pointer declarator "(*name)", an attribute group or an
  // annotation.
  if (F.candidate_on_line && !F.use_next_paren) return;
  CandidateParen(G, line, i);
}

// OnFunctionParen while a header is pending. Apart from the rest, so that
// OnFunctionParen itself calls only in its last step and keeps nothing
// across a call.
[[gnu::noinline]] void HeaderParen(GlobalData& G, const char* line, int i, bool open) {
  if (HeaderParenStartsOver(G, line, i, open)) ParenOutsideHeader(G, line, i, open);
}

}  // namespace

// Every parenthesis of the code passes here: the common cases (inside a
// body, a skipped group, a later "(" of a line) return at once.
void OnFunctionParen(GlobalData& G, const char* line, int i, bool open) {
  if (G.func.in_header) {
    HeaderParen(G, line, i, open);
    return;
  }
  ParenOutsideHeader(G, line, i, open);
}

void OnHeaderSemicolon(GlobalData& G) {
  FunctionState& F = G.func;
  if (F.header_paren_depth > 0 || !F.params_closed) {
    CancelHeader(G);
    return;
  }
  // Only a C header outside a class can go on with K&R parameter
  // declarations: text after its parameter list that declares one.
  if (G.lang.flags.c && !G.scope.in_class) {
    const char* rest = F.header_text.text + F.params_end;
    bool prototype = true;
    for (const char* p = rest; *p != '\0'; ++p) {
      if (!IsWhiteSpace(*p) && *p != ';') {
        prototype = false;
        break;
      }
    }
    if (!prototype && DeclaresAParameter(F)) {
      F.non_ansi = true;  // K&R parameter declarations
      return;
    }
  }
  CancelHeader(G);
}

BraceKind BeginFunction(GlobalData& G, const char* line) {
  FunctionState& F = G.func;
  ScopeState& S = G.scope;
  F.in_header = false;
  F.in_body = true;
  NormaliseParametersInto(std::string_view(F.header_text.text, F.header_text.length),
                          F.is_operator, F.non_ansi, F.by_directive, F.parameters);
  F.header_text.Clear();
  const GroupFacts group = FirstGroupFacts(F.parameters);
  F.param_count = group.params;
  F.void_seen = group.void_word;
  // A method of a Java enum nested in a class counts for that class.
  F.in_class_body = S.in_class && S.brace_overflow == 0 && S.brace_depth > 0 &&
                    (S.braces[S.brace_depth - 1] == BraceKind::kClass ||
                     S.braces[S.brace_depth - 1] == BraceKind::kEnum);
  if (F.in_class_body) {
    F.method_visibility = S.cls.visibility;
    ++S.cls.methods[F.method_visibility];
    if (G.sw.class_methods) {
      ListClassMethod(G, F.method_visibility, G.reader.line_number, F.prefix, F.name);
    }
  }
  F.start_line = G.reader.line_number;
  const FileMetrics& f = G.file;
  TakeSnapshot(G, F.start);
  F.fall_through_start = f.fall_through_count;
  ++G.file.functions_count;
  F.counts = DecisionCounts{};
  F.returns = 0;
  F.paren_depth = 0;
  F.bracket_depth = 0;
  F.body_depth = 1;
  CheckFunctionBegin(G);
  AnnounceFunctionBegin(G);
  UpdateCollecting(G);
  return BraceKind::kFunction;
}

void OnFunctionBrace(GlobalData& G, bool open) {
  FunctionState& F = G.func;
  if (open) {
    ++F.body_depth;
    CheckScopeDepth(G, F.body_depth);
  } else {
    --F.body_depth;
  }
}

void EndFunction(GlobalData& G) {
  FunctionState& F = G.func;
  ScopeState& S = G.scope;
  const FileMetrics& f = G.file;
  // The record is kept in G.func, and the parameter and template texts are
  // moved to it (the record's earlier room goes to G.func, which empties it
  // below, so both keep their room from function to function); the name is
  // copied: notices raised on the way name the function from G.func.
  FunctionRecord& r = F.finished;
  r.kind = RecordKind::kFunction;
  r.name = F.name;
  r.parameters = std::move(F.parameters);
  r.template_text = std::move(F.template_text);
  if (G.current_entry != nullptr) {
    r.file_name.assign(G.current_entry->name);
  } else {
    r.file_name.clear();
  }
  r.line = F.header_line;
  r.last_line = G.reader.line_number;
  MeasureSinceSnapshot(G, F.start, F.counts.fors, r);
  r.lines = G.reader.line_number - F.start_line + 1;
  r.params = F.param_count;
  r.returns = F.returns == 0 ? 1 : F.returns;
  r.cyclomatic = ComputeCyclomatic(G, F.counts);
  r.interface_complexity = InterfaceComplexity(r.params, r.returns);
  r.functional_complexity = TotalComplexity(r.params, r.returns, r.cyclomatic);

  FunctionFigures figures;
  figures.spaces = f.spaces_count - F.start.spaces;
  figures.characters = f.characters_count - F.start.characters;
  figures.fall_through = f.fall_through_count - F.fall_through_start;
  CheckFunctionEnd(G, r, figures);
  UpdateFileTotals(G.file, r);

  // "::", "." and ":" in the name; most names hold none.
  const std::string_view name = r.name;
  const size_t first_colon = name.find(':');
  const bool colon = first_colon != std::string_view::npos;
  const bool qualified_cpp = colon && name.find("::", first_colon) != std::string_view::npos;
  const bool qualified_dot = name.find('.') != std::string_view::npos;
  const bool plain = !qualified_dot && !colon;
  // A qualified name's namespace is looked for only where one may be found
  // and its figures are read.
  const bool namespaces = !G.lists.namespace_index.empty() && G.lists.keep_namespace_figures;
  if (F.in_class_body && S.in_class) {
    if (S.cls.class_record == nullptr) S.cls.class_record = FindOrCreateClass(G, S.cls.name, false);
    if (ClassRecord* c = S.cls.class_record) {
      AddMethodFigures(*c, r, false);
    }
    S.cls.params += r.params;
    S.cls.returns += r.returns;
    S.cls.cyclomatic += r.cyclomatic;
    if (qualified_cpp || qualified_dot) AddFunctionToClass(G, r);
    if (plain) {
      AddFunctionToNamespaceOf(G, S.cls.name, r, true);
    } else if (namespaces) {
      const std::string_view separator = QualifierSeparator(G);
      std::string qualified;
      qualified.reserve(S.cls.name.size() + separator.size() + r.name.size());
      qualified.append(S.cls.name).append(separator).append(r.name);
      AddToNamespace(G, std::move(qualified), r, false, true);
    }
  } else {
    if (qualified_cpp) AddFunctionToClass(G, r);
    if (plain) {
      // A plain name outside any namespace rolls up into none.
      if (!S.namespace_name.empty()) AddFunctionToNamespaceOf(G, S.namespace_name, r, false);
    } else if (namespaces) {
      std::string qualified = r.name;
      if (!S.namespace_name.empty()) qualified = S.namespace_name + QualifierSeparator(G) + r.name;
      AddToNamespace(G, std::move(qualified), r, false, false);
    }
  }

  const bool taken = TakeMachineFunction(G, r);
  WriteFunctionEnd(G, r);
  if (!taken) G.lists.functions.push_back(r);

  F.header_pending = false;
  F.in_body = false;
  F.name.clear();
  F.prefix.clear();
  F.parameters.clear();
  F.template_text.clear();
  G.lex.conditional_directive = false;
  UpdateCollecting(G);
}

void FunctionWord(GlobalData& G, const char* line, int start, int end,
                  Word word) {
  FunctionState& F = G.func;
  if (!F.in_body || G.lex.preprocessor_line || !KeywordBefore(line, start)) return;
  DecisionCounts& c = F.counts;
  switch (word) {
    case Word::kWhile:
      if (KeywordAfter(line, end, "(")) ++c.whiles;
      break;
    case Word::kFor:
    case Word::kForeach:
      if (KeywordAfter(line, end, "(")) ++c.fors;
      break;
    case Word::kSwitch:
      if (KeywordAfter(line, end, "(")) ++c.switches;
      break;
    case Word::kCase:
      if (KeywordAfter(line, end, ":(")) ++c.cases;
      break;
    case Word::kDefault:
      if (KeywordAfter(line, end, ":")) ++c.defaults;
      break;
    case Word::kIf:
      if (KeywordAfter(line, end, "(")) ++c.ifs;
      break;
    case Word::kElse:
      if (KeywordAfter(line, end, "{") && !NextWordIs(line, end, "if")) ++c.elses;
      break;
    case Word::kGoto:
      if (KeywordAfter(line, end, "")) {
        ++c.gotos;
        if (G.settings.goto_is_return_point) ++F.returns;
      }
      break;
    case Word::kOr:
      if (KeywordAfter(line, end, "(")) ++c.logical_or;
      break;
    case Word::kAnd:
      if (KeywordAfter(line, end, "(")) ++c.logical_and;
      break;
    case Word::kBreak:
      if (KeywordAfter(line, end, ";")) ++c.breaks;
      break;
    case Word::kReturn:
      if (KeywordAfter(line, end, ";(")) ++F.returns;
      break;
    case Word::kExit:
    case Word::kUnderscoreExit:
    case Word::kAbort:
      if (KeywordAfter(line, end, "(")) ++F.returns;
      break;
    case Word::kThrow:
      if (G.lang.flags.c && KeywordAfter(line, end, "(;")) ++F.returns;
      break;
    default:
      break;
  }
}

void FunctionCharacter(GlobalData& G, const char* line, int i) {
  if (G.lex.preprocessor_line) return;  // "#if A && B" decides nothing
  DecisionCounts& c = G.func.counts;
  const char ch = line[i];
  const char prev = i > 0 ? line[i - 1] : '\0';
  if (ch == '?' && line[i + 1] != '?' && prev != '?') ++c.ternaries;
  if (ch == '|' && line[i + 1] == '|' && prev != '|') ++c.logical_or;
  if (ch == '&' && line[i + 1] == '&' && prev != '&') ++c.logical_and;
}

void FunctionLineEndDetails(GlobalData& G, const char* line) {
  FunctionState& F = G.func;
  const LexState& L = G.lex;
  if (F.probable_macro_unread) {
    // Only a header still open reads it later; F.name is its name.
    F.probable_macro_unread = false;
    if (F.in_header) F.probable_macro = FirstIdentifierIs(line, F.name, L.first_nonblank);
  }
  if (F.enabled && L.code_seen && !L.directive_line) {
    // Keep the identifier that ends this code line, if any.
    int e = IsIdentChar(static_cast<unsigned char>(L.last_nonblank))
                ? static_cast<int>(std::strlen(line))
                : 0;
    while (e > 0 && IsWhiteSpace(line[e - 1])) --e;
    int b = e;
    while (b > 0 && IsIdentChar(static_cast<unsigned char>(line[b - 1]))) --b;
    const int n = e - b;
    if (n > 0 && n < static_cast<int>(F.line_end_word.size()) &&
        IsIdentStart(static_cast<unsigned char>(line[b])) && !L.in_block_comment &&
        !L.in_line_comment) {
      // Most words are 16 characters or less: two overlapping 8-byte moves
      // (or 4-byte ones) instead of the string instruction that a copy of
      // unknown length into this array is made into.
      char* to = F.line_end_word.data();
      const char* from = line + b;
      if (n >= 8 && n <= 16) {
        uint64_t head, tail;
        std::memcpy(&head, from, 8);
        std::memcpy(&tail, from + n - 8, 8);
        std::memcpy(to, &head, 8);
        std::memcpy(to + n - 8, &tail, 8);
      } else if (n >= 4 && n < 8) {
        uint32_t head, tail;
        std::memcpy(&head, from, 4);
        std::memcpy(&tail, from + n - 4, 4);
        std::memcpy(to, &head, 4);
        std::memcpy(to + n - 4, &tail, 4);
      } else {
        std::memcpy(to, from, n);
      }
      F.line_end_word[n] = '\0';
    } else {
      F.line_end_word[0] = '\0';
    }
  }
  if (F.in_header && L.if_directive_line) F.by_directive = true;
  // Only a header with its type on its own line ("int f (int a)") can be
  // written again in an #else branch; "FOO (x)" before #else is a macro.
  if (F.in_header && L.preprocessor_line && !F.probable_macro) {
    const int p = SkipBlanks(line, SkipBlanks(line, 0) + 1);
    if (std::strncmp(line + p, "el", 2) == 0) F.alternative_branch = true;  // #else, #elif
  }
  if (G.sw.macros) {
    if (L.define_line && L.function_like_macro && !F.macro_open) {
      F.macro_open = true;
      F.macro_name = std::string(L.macro_name.text, L.macro_name.length);
      AnnounceMacroBegin(G, F.macro_name);
    }
    if (F.macro_open && L.last_nonblank != '\\') {
      F.macro_open = false;
      AnnounceMacroEnd(G, F.macro_name);
    }
  }
}

void FunctionEndOfFile(GlobalData& G) { WriteEndOfFileNotices(G); }

}  // namespace zav
