#include "analysis/function.h"

#include <array>
#include <cstring>
#include <string>
#include <string_view>

#include "analysis/header_rules.h"
#include "analysis/nesting.h"
#include "analysis/rejected_words.h"
#include "base/line_text.h"
#include "analysis/scope.h"
#include "analysis/structure.h"
#include "report/structure_output.h"
#include "quality/checks.h"

namespace zav {
namespace {

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
