#include "analysis/structure.h"

#include <cstring>
#include <string_view>

#include "analysis/counters.h"
#include "analysis/function.h"
#include "base/line_text.h"
#include "analysis/scope.h"
#include "quality/checks.h"

namespace zav {
namespace {

void PushBrace(ScopeState& S, BraceKind kind) {
  if (S.brace_overflow > 0 || S.brace_depth >= kBraceStackDepth) {
    ++S.brace_overflow;
    return;
  }
  S.braces[S.brace_depth++] = kind;
}

// Pops the innermost brace; false when no brace is open.
bool PopBrace(ScopeState& S, BraceKind& kind) {
  if (S.brace_overflow > 0) {
    --S.brace_overflow;
    kind = BraceKind::kBlock;
    return true;
  }
  if (S.brace_depth == 0) return false;
  kind = S.braces[--S.brace_depth];
  return true;
}

// extern "C" { ... } keeps its content at file scope: "extern" stood on
// this line before the brace, or the brace opens a line of its own after
// the line of "extern".
bool OpensLinkageBlock(const GlobalData& G, const char* line, int i) {
  const std::string_view before(line, i);
  if (before.find_first_not_of(" \t") == std::string_view::npos) {
    return G.lex.previous_line_extern;
  }
  return G.lex.extern_on_line && before.find('"') != std::string_view::npos;
}

// A "{" directly in a class body that opens a data member's initialiser:
// after an assignment ("int z[2] = {", "Runnable r = () -> {") or, in C++,
// right after the declarator ("int x{0}"), but not an enum or union body.
bool MemberInitialiserBrace(const GlobalData& G) {
  if (G.func.assignment_seen) return true;
  if (!G.lang.flags.cpp) return false;
  const TextBuffer& t = G.scope.member_text;
  int k = t.length - 1;  // the "{" itself is collected
  while (k > 0 && InSet(t.text[k - 1], " \t\r\n")) --k;
  if (k <= 0) return false;
  const char c = t.text[k - 1];
  if (!IsIdentChar(static_cast<unsigned char>(c)) && c != ']') return false;
  return !FirstIdentifierIs(t.text, "enum") && !FirstIdentifierIs(t.text, "union") &&
         !FirstIdentifierIs(t.text, "typedef") && !FirstIdentifierIs(t.text, "extern");
}

// A "{" outside function bodies (OnOpenBrace takes theirs), or one after
// a pending header: a body, scope, initialiser or block.
[[gnu::noinline]] void OpenDeclarationBrace(GlobalData& G, const char* line, int i) {
  ScopeState& S = G.scope;
  FunctionState& F = G.func;
  BraceKind kind = BraceKind::kBlock;
  if (F.in_header) {
    if (F.header_paren_depth == 0) {
      if (InitialiserBrace(G)) {
        ++F.init_brace_depth;
      } else {
        kind = BeginFunction(G, line);
      }
    }
  } else if (S.class_pending || S.namespace_pending) {
    kind = OpenScopeAtBrace(G, line, i);
  } else if (S.enum_pending) {
    S.enum_pending = false;
    S.enum_constants = true;
    kind = BraceKind::kEnum;
  } else if (S.collect_member && CompactConstructor(G)) {
    kind = BeginCompactConstructor(G, line);
  } else if (S.collect_member && MemberInitialiserBrace(G)) {
    kind = BraceKind::kInitializer;
  } else if (AtDeclarationLevel(G) && OpensLinkageBlock(G, line, i)) {
    kind = BraceKind::kTransparent;
  }
  PushBrace(S, kind);
  if (kind != BraceKind::kInitializer) S.member_text.Clear();
  F.assignment_seen = false;
  UpdateCollecting(G);
}

// Most "{" and "}" in a function analysis are blocks of a function body:
// their path calls out only at its end, so it saves no registers.
[[gnu::noinline]] void OnOpenBrace(GlobalData& G, const char* line, int i) {
  FunctionState& F = G.func;
  if (!F.in_body || F.in_header) return OpenDeclarationBrace(G, line, i);
  ScopeState& S = G.scope;
  PushBrace(S, BraceKind::kBlock);
  S.member_text.Clear();
  F.assignment_seen = false;
  UpdateCollecting(G);
  OnFunctionBrace(G, true);  // last: its depth check raises a notice
}

// A "}" that closes a scope, body or initialiser, or one after a pending
// header.
[[gnu::noinline]] void CloseDeclarationBrace(GlobalData& G, const char* line, int i,
                                              BraceKind kind) {
  ScopeState& S = G.scope;
  FunctionState& F = G.func;
  if (F.in_header) {
    if (kind != BraceKind::kBlock) {
      DropPendingHeader(G);  // "DECLARE_MAP()" before the class's "}"
    } else if (F.init_brace_depth > 0) {
      --F.init_brace_depth;
    }
  }
  switch (kind) {
    case BraceKind::kFunction:
      EndFunction(G);
      break;
    case BraceKind::kClass:
      EndClass(G, line, i);
      break;
    case BraceKind::kNamespace:
      EndNamespace(G);
      break;
    case BraceKind::kEnum:
      S.enum_constants = false;
      break;
    case BraceKind::kInitializer:
      S.member_text.Append("{}", 2);  // the declaration goes on to its ";"
      break;
    default:
      if (G.func.in_body) OnFunctionBrace(G, false);
      break;
  }
  if (kind != BraceKind::kInitializer) S.member_text.Clear();
  G.func.assignment_seen = false;
  UpdateCollecting(G);
}

[[gnu::noinline]] void OnCloseBrace(GlobalData& G, const char* line, int i) {
  ScopeState& S = G.scope;
  BraceKind kind;
  if (!PopBrace(S, kind)) return;  // more "}" than "{"
  FunctionState& F = G.func;
  if (kind != BraceKind::kBlock || F.in_header) return CloseDeclarationBrace(G, line, i, kind);
  S.member_text.Clear();
  F.assignment_seen = false;
  UpdateCollecting(G);
  if (F.in_body) OnFunctionBrace(G, false);
}

// What every ";" resets: the pending declarations outside bodies, the
// assignment of the statement.
inline void SemicolonResets(GlobalData& G) {
  ScopeState& S = G.scope;
  FunctionState& F = G.func;
  if (!F.in_body) {
    if (S.class_pending) S.class_pending = false;  // a declaration, no body
    S.namespace_pending = false;
    S.enum_pending = false;
    S.record_pending = false;
    if (S.brace_depth > 0 && S.brace_overflow == 0 &&
        S.braces[S.brace_depth - 1] == BraceKind::kEnum) {
      S.enum_constants = false;  // the methods of the enum follow
    }
    if (!S.template_open) {
      S.template_text.clear();
      S.template_unread = false;
    }
    S.where_clause = false;
  }
  F.assignment_seen = false;
  UpdateCollecting(G);
}

// A ";" that ends a pending header or a member declaration.
[[gnu::noinline]] void DeclarationSemicolon(GlobalData& G, const char* line) {
  FunctionState& F = G.func;
  if (F.in_header) OnHeaderSemicolon(G);
  if (G.scope.collect_member && !F.in_header) EndMemberDeclaration(G, line);
  SemicolonResets(G);
}

// Most ";" end neither: their path calls nothing, so it saves no registers.
[[gnu::noinline]] void OnSemicolon(GlobalData& G, const char* line) {
  if (G.func.in_header || G.scope.collect_member) return DeclarationSemicolon(G, line);
  SemicolonResets(G);
}

// "=" that is an assignment, not "==", "!=", "<=", ">=" or "operator=".
bool IsAssignment(const char* line, int i) {
  static constexpr CharSet kComparison("=!<>");
  static constexpr CharSet kOperatorSymbols("+-*/%^&|<>~");
  if (line[i + 1] == '=') return false;
  if (i > 0 && kComparison.Has(line[i - 1])) return false;
  int j = i - 1;
  while (j >= 0 && kOperatorSymbols.Has(line[j])) --j;  // "operator+=", "operator<<="
  while (j >= 0 && IsBlank(line[j])) --j;
  return !(j >= 7 && std::memcmp(line + j - 7, "operator", 8) == 0);
}

}  // namespace

std::string& TemplateText(ScopeState& S) {
  if (S.template_unread) {
    S.template_unread = false;
    CollapseBlanksInto(std::string_view(S.template_header.text, S.template_header.length),
                       " \t\r\n", S.template_text);
  }
  return S.template_text;
}

void TakeTemplateText(ScopeState& S, std::string& to) {
  // Most classes and headers follow no template header: nothing to take.
  if (!S.template_unread && S.template_text.empty()) {
    to.clear();
    return;
  }
  to.swap(TemplateText(S));  // the room of `to` goes back for the next text
  S.template_text.clear();
}

namespace {

// A word that a function counts (a decision or return point): its count,
// then the word's checks.
[[gnu::noinline]] void FunctionAndCheckWord(GlobalData& G, const char* line, int start, int end,
                                            Word word) {
  FunctionWord(G, line, start, end, word);
  CheckWord(G, line, start, end, word);
}

// Ends StructureWord: all but the words a function counts call nothing but
// their checks (a jump, so no registers are saved for them).
inline void FinishWord(GlobalData& G, const char* line, int start, int end, Word word) {
  if ((G.func.in_body || G.func.in_header) && CountsInFunction(word)) {
    return FunctionAndCheckWord(G, line, start, end, word);
  }
  CheckWord(G, line, start, end, word);
}

// The words that act on scopes, templates and pending headers.
[[gnu::noinline]] void ScopeStructureWord(GlobalData& G, const char* line, int start, int end,
                                          Word word) {
  switch (word) {
    case Word::kNamespace:
    case Word::kPackage:
    case Word::kClass:
    case Word::kStruct:
    case Word::kInterface:
      if (ScopeKeywordBoundary(line, start, end, word)) {
        OnScopeKeyword(G, line, start, end, word);
      }
      break;
    case Word::kPublic:
    case Word::kProtected:
    case Word::kPrivate:
      if (ScopeKeywordBoundary(line, start, end, word)) {
        OnVisibilityKeyword(G, line, start, end, word);
      }
      break;
    case Word::kTemplate:
      if (!G.lang.flags.c && ScopeKeywordBoundary(line, start, end, word) &&
          !G.func.in_body) {
        ScopeState& S = G.scope;
        TemplateText(S);  // the header before this one, while it is there
        S.template_open = true;
        S.template_angle_depth = 0;
        S.template_header.Clear();
        S.template_header.Assign("template");
        UpdateCollecting(G);
      }
      break;
    case Word::kEnum:
    case Word::kTypedef:
    case Word::kUnion:
      // A declaration of its own: a pending header before it was a macro
      // invocation line ("DEFINE_LOCK (x)" then "enum {").
      if (HeaderAwaitsBody(G) && !G.func.non_ansi) DropPendingHeader(G);
      // A Java enum body holds methods like a class body.
      if (word == Word::kEnum && G.lang.flags.java && !G.func.in_body &&
          !G.func.in_header && AtDeclarationLevel(G)) {
        G.scope.enum_pending = true;
      }
      break;
    default:
      break;
  }
  FinishWord(G, line, start, end, word);
}

}  // namespace

void StructureWord(GlobalData& G, const char* line, int start, int end,
                   Word word) {
  switch (word) {
    case Word::kNamespace:
    case Word::kPackage:
    case Word::kClass:
    case Word::kStruct:
    case Word::kInterface:
    case Word::kPublic:
    case Word::kProtected:
    case Word::kPrivate:
    case Word::kTemplate:
    case Word::kEnum:
    case Word::kTypedef:
    case Word::kUnion:
      return ScopeStructureWord(G, line, start, end, word);
    case Word::kWhere:
      if (G.lang.flags.csharp && !G.func.in_body) G.scope.where_clause = true;
      break;
    case Word::kExtern:
      G.lex.extern_on_line = true;
      break;
    default:
      break;
  }
  FinishWord(G, line, start, end, word);
}

namespace {

// An "=" in code: an assignment in the statement keeps function headers out
// of it; one on a preprocessor line, or inside the parentheses or brackets
// of an annotation or attribute, belongs to no statement.
[[gnu::noinline]] void OnEquals(GlobalData& G, const char* line, int i) {
  FunctionState& F = G.func;
  // The state is asked first: it costs no scan of the line.
  if (!G.lex.preprocessor_line && !G.lex.define_line &&
      !G.scope.template_open &&  // "template <typename T = int>"
      G.file.open_paren_count == G.file.close_paren_count &&
      G.file.open_bracket_count == G.file.close_bracket_count && IsAssignment(line, i)) {
    if (F.in_header && HeaderAwaitsBody(G)) DropPendingHeader(G);  // "f() = 0"
    if (!F.in_header) F.assignment_seen = true;
  }
}

// "<" or ">" in an open template header; the closing ">" ends it.
[[gnu::noinline]] void OnTemplateAngle(GlobalData& G, char c) {
  ScopeState& S = G.scope;
  S.template_angle_depth += c == '<' ? 1 : -1;
  if (c == '>' && S.template_angle_depth <= 0) {
    S.template_open = false;
    S.template_unread = true;
    UpdateCollecting(G);
  }
}

// "(" (kOpen) or ")": what OnFunctionParen does first is done here: a
// parenthesis in a body is counted, and one outside headers that cannot
// start one (function detection off, or a later "(" of the line) is passed
// by. Then the checks and (kCount) the counts of the character.
// The checks and (kCount) the counts of a parenthesis.
template <bool kCount, bool kOpen>
inline void CheckAndCountParen(GlobalData& G, const char* line, int i) {
  CheckParen(G, line, i, kOpen);
  if constexpr (kCount) CountParen(G, line, i, kOpen);
}

// A parenthesis that the function detection acts on.
template <bool kCount, bool kOpen>
[[gnu::noinline]] void FunctionParenCharacter(GlobalData& G, const char* line, int i) {
  OnFunctionParen(G, line, i, kOpen);
  CheckAndCountParen<kCount, kOpen>(G, line, i);
}

// Most parentheses (those in bodies, and the later ones of a line) call
// nothing before their checks: that path saves no registers.
template <bool kCount, bool kOpen>
[[gnu::noinline]] void ParenCharacter(GlobalData& G, const char* line, int i) {
  FunctionState& F = G.func;
  if (F.in_body && !F.in_header) {
    F.paren_depth += kOpen ? 1 : -1;
  } else if (F.in_header || F.skip_group_depth > 0 ||
             (kOpen && F.enabled && (!F.candidate_on_line || F.use_next_paren))) {
    return FunctionParenCharacter<kCount, kOpen>(G, line, i);
  }
  CheckAndCountParen<kCount, kOpen>(G, line, i);
}

// "{" (kOpen) or "}": its structure, checks and (kCount) counts.
template <bool kCount, bool kOpen>
[[gnu::noinline]] void BraceCharacter(GlobalData& G, const char* line, int i) {
  if constexpr (kOpen) {
    G.scope.where_clause = false;
    OnOpenBrace(G, line, i);
  } else {
    OnCloseBrace(G, line, i);
  }
  CheckBrace(G, kOpen);
  if constexpr (kCount) CountBrace(G, line, i, kOpen);
}

// ";": its structure, checks and (kCount) counts.
template <bool kCount>
[[gnu::noinline]] void SemicolonCharacter(GlobalData& G, const char* line) {
  OnSemicolon(G, line);
  CheckSemicolon(G);
  if constexpr (kCount) CountSemicolon(G);
}

// "=" and "?": their structure, then the character's checks. An "=" in a
// function body is passed by: what OnEquals marks there (an assignment in
// the statement) only keeps header candidates and member declarations
// apart, and a body has neither; its closing "}" clears the mark.
[[gnu::noinline]] void EqualsCharacter(GlobalData& G, const char* line, int i) {
  if (!G.func.in_body) OnEquals(G, line, i);
  CheckCharacter(G, line, i);
}

[[gnu::noinline]] void QuestionCharacter(GlobalData& G, const char* line, int i) {
  if (G.func.in_body) FunctionCharacter(G, line, i);
  CheckCharacter(G, line, i);
}

// A dispatcher kept small, since every punctuation character of the code
// passes through it: each character's work is a handler of its own, which
// it ends with (a jump, not a call), so that it keeps nothing across a call
// and saves no registers. kCount: the character's counts
// (CountCodeCharacter) follow in the same dispatch.
template <bool kCount>
void CodeCharacter(GlobalData& G, const char* line, int i) {
  FunctionState& F = G.func;
  const char c = line[i];
  // The parentheses, most of the characters that come here, are tested
  // first and apart from the rest, without a jump through the switch's
  // table, and each on a path of its own.
  if (c == '(') return ParenCharacter<kCount, true>(G, line, i);
  if (c == ')') return ParenCharacter<kCount, false>(G, line, i);
  // One dispatch for the rest, that also picks the character's checks:
  // CheckCharacter does nothing with "[", "]", "<", ">", "@", "|" and "&".
  switch (c) {
    case '{':
      return BraceCharacter<kCount, true>(G, line, i);
    case '}':
      return BraceCharacter<kCount, false>(G, line, i);
    case ';':
      return SemicolonCharacter<kCount>(G, line);
    case '[':
    case ']':
      if (F.in_body) F.bracket_depth += c == '[' ? 1 : -1;
      if constexpr (kCount) CountBracket(G, c == '[');
      return;
    case '=':
      return EqualsCharacter(G, line, i);
    case '<':
    case '>':
      if (G.scope.template_open) OnTemplateAngle(G, c);
      return;
    case '@':
      G.lex.java_annotation = true;
      return;
    case '|':
    case '&':
      // The decision characters of a body (no other character counts there).
      if (F.in_body) FunctionCharacter(G, line, i);
      return;
    case '?':
      return QuestionCharacter(G, line, i);
    default:
      break;
  }
  CheckCharacter(G, line, i);
}

}  // namespace

void StructureCharacter(GlobalData& G, const char* line, int i) {
  CodeCharacter<false>(G, line, i);
}

void StructureAndCountCharacter(GlobalData& G, const char* line, int i) {
  CodeCharacter<true>(G, line, i);
}

namespace {

// TrackConditional for a directive whose word, at line[p], starts with "i"
// or "e". Apart, so that the common directives and continuation lines
// return from TrackConditional without keeping anything across a call.
[[gnu::noinline]] void TrackDirective(GlobalData& G, const char* line, int p) {
  ScopeState& S = G.scope;
  int e = p + 1;
  while (line[e] >= 'a' && line[e] <= 'z') ++e;
  const std::string_view word(line + p, e - p);
  const int depth = S.brace_depth + S.brace_overflow;
  const bool tracked = S.conditional_depth > 0 && S.conditional_depth <= kScopeStackDepth;
  if (word == "if" || word == "ifdef" || word == "ifndef") {
    if (S.conditional_depth < kScopeStackDepth) {
      S.conditionals[S.conditional_depth] = {depth, -1};
    }
    ++S.conditional_depth;
  } else if ((word == "else" || word == "elif") && tracked) {
    ScopeState::Conditional& c = S.conditionals[S.conditional_depth - 1];
    if (c.at_else < 0) c.at_else = depth;
  } else if (word == "endif" && S.conditional_depth > 0) {
    if (tracked) {
      const ScopeState::Conditional& c = S.conditionals[S.conditional_depth - 1];
      const int first = c.at_else - c.at_if;
      const int second = depth - c.at_else;
      if (c.at_else >= 0 && first > 0 && first == second && S.brace_overflow == 0) {
        bool blocks = true;
        for (int k = 0; k < second; ++k) {
          blocks = blocks && S.braces[S.brace_depth - 1 - k] == BraceKind::kBlock;
        }
        if (blocks && G.func.in_body) {
          S.brace_depth -= second;
          for (int k = 0; k < second; ++k) OnFunctionBrace(G, false);
        }
      }
    }
    --S.conditional_depth;
  }
}

}  // namespace

// Alternative #if/#else branches that open the same number of braces open
// them once: "#if A / TEST(a) { / #else / TEST(b) { / #endif". The braces of
// the later branch are taken back when they are plain blocks.
void TrackConditional(GlobalData& G, const char* line) {
  // Only directives that start with "if", "el" or "en" ("ifdef", "else",
  // "endif"...) matter: "#define", "#include" and most others end here,
  // before their word is read. The line start found the first character
  // that is no blank.
  int p = G.lex.first_nonblank;
  if (line[p] != '#') return;
  ++p;
  while (line[p] == ' ' || line[p] == '\t') ++p;
  const char second = line[p + 1];  // the NUL at the latest
  const bool conditional = line[p] == 'i' ? second == 'f'
                           : line[p] == 'e' ? second == 'l' || second == 'n'
                                            : false;
  if (!conditional) return;
  TrackDirective(G, line, p);
}

void StructureEndOfFile(GlobalData& G) {
  CloseScopesAtEndOfFile(G);
}

}  // namespace zav
