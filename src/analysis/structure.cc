#include "analysis/structure.h"

#include <cstring>

#include "analysis/function.h"
#include "base/line_text.h"
#include "analysis/scope.h"
#include "quality/checks.h"

namespace zav {
namespace {

BraceKind Innermost(const ScopeState& S) {
  if (S.brace_overflow > 0) return BraceKind::kBlock;
  return S.braces[S.brace_depth - 1];
}

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

void OnOpenBrace(GlobalData& G, const char* line, int i) {
  ScopeState& S = G.scope;
  FunctionState& F = G.func;
  BraceKind kind = BraceKind::kBlock;
  if (F.in_header) {
    kind = F.header_paren_depth > 0 ? BraceKind::kBlock : BeginFunction(G, line);
  } else if (F.in_body) {
    OnFunctionBrace(G, true);
  } else if (S.class_pending || S.namespace_pending) {
    kind = OpenScopeAtBrace(G, line, i);
  } else if (AtDeclarationLevel(G) && OpensLinkageBlock(G, line, i)) {
    kind = BraceKind::kTransparent;
  }
  PushBrace(S, kind);
  S.member_text.Clear();
  F.assignment_seen = false;
  UpdateCollecting(G);
}

void OnCloseBrace(GlobalData& G, const char* line, int i) {
  ScopeState& S = G.scope;
  BraceKind kind;
  if (!PopBrace(S, kind)) return;  // more "}" than "{"
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
    default:
      if (G.func.in_body) OnFunctionBrace(G, false);
      break;
  }
  S.member_text.Clear();
  G.func.assignment_seen = false;
  UpdateCollecting(G);
}

void OnSemicolon(GlobalData& G, const char* line) {
  ScopeState& S = G.scope;
  FunctionState& F = G.func;
  if (F.in_header) OnHeaderSemicolon(G);
  if (S.collect_member && !F.in_header) EndMemberDeclaration(G, line);
  if (!F.in_body) {
    if (S.class_pending) S.class_pending = false;  // a declaration, no body
    S.namespace_pending = false;
    if (!S.template_open) S.template_text.clear();
    S.where_clause = false;
  }
  F.assignment_seen = false;
  UpdateCollecting(G);
}

// "=" that is an assignment, not "==", "!=", "<=", ">=" or "operator=".
bool IsAssignment(const char* line, int i) {
  if (line[i + 1] == '=') return false;
  if (i > 0 && InSet(line[i - 1], "=!<>")) return false;
  int j = i - 1;
  while (j >= 0 && IsBlank(line[j])) --j;
  return !(j >= 7 && std::strncmp(line + j - 7, "operator", 8) == 0);
}

}  // namespace

bool AtDeclarationLevel(const GlobalData& G) {
  const ScopeState& S = G.scope;
  if (S.brace_depth == 0 && S.brace_overflow == 0) return true;
  BraceKind kind = Innermost(S);
  return kind == BraceKind::kNamespace || kind == BraceKind::kClass ||
         kind == BraceKind::kTransparent;
}

void UpdateCollecting(GlobalData& G) {
  ScopeState& S = G.scope;
  S.collect_member = S.in_class && !G.func.in_body && !S.class_pending &&
                     S.brace_depth > 0 && S.brace_overflow == 0 &&
                     S.braces[S.brace_depth - 1] == BraceKind::kClass;
  G.lex.collecting = S.class_pending || S.template_open || G.func.in_header ||
                     S.collect_member;
}

void CollectText(GlobalData& G, const char* text, int length) {
  ScopeState& S = G.scope;
  if (S.class_pending) S.class_header.Append(text, length);
  if (S.template_open) S.template_header.Append(text, length);
  if (G.func.in_header) G.func.header_text.Append(text, length);
  if (S.collect_member) S.member_text.Append(text, length);
}

void StructureWord(GlobalData& G, const char* line, int start, int end,
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
        S.template_open = true;
        S.template_angle_depth = 0;
        S.template_header.Clear();
        S.template_header.Assign("template");
        UpdateCollecting(G);
      }
      break;
    case Word::kWhere:
      if (G.lang.flags.csharp && !G.func.in_body) G.scope.where_clause = true;
      break;
    case Word::kExtern:
      G.lex.extern_on_line = true;
      break;
    default:
      break;
  }
  if (G.func.in_body || G.func.in_header) FunctionWord(G, line, start, end, word);
  CheckWord(G, line, start, end, word);
}

void StructureCharacter(GlobalData& G, const char* line, int i) {
  ScopeState& S = G.scope;
  FunctionState& F = G.func;
  const char c = line[i];
  switch (c) {
    case '{':
      S.where_clause = false;
      OnOpenBrace(G, line, i);
      break;
    case '}':
      OnCloseBrace(G, line, i);
      break;
    case ';':
      OnSemicolon(G, line);
      break;
    case '(':
      OnFunctionParen(G, line, i, true);
      break;
    case ')':
      OnFunctionParen(G, line, i, false);
      break;
    case '[':
    case ']':
      if (F.in_body) F.bracket_depth += c == '[' ? 1 : -1;
      break;
    case '=':
      if (!F.in_header && IsAssignment(line, i)) F.assignment_seen = true;
      break;
    case '<':
    case '>':
      if (S.template_open) {
        S.template_angle_depth += c == '<' ? 1 : -1;
        if (c == '>' && S.template_angle_depth <= 0) {
          S.template_open = false;
          S.template_text = CollapseBlanks(
              std::string(S.template_header.text, S.template_header.length), " \t\r\n");
          UpdateCollecting(G);
        }
      }
      break;
    case '@':
      G.lex.java_annotation = true;
      break;
    default:
      break;
  }
  if (F.in_body) FunctionCharacter(G, line, i);
  CheckCharacter(G, line, i);
}

void StructureLineEnd(GlobalData& G, const char* line) {
  if (G.lex.collecting) CollectText(G, " ", 1);
  FunctionLineEnd(G, line);
  CheckLineEnd(G, line);
}

void StructureEndOfFile(GlobalData& G) {
  CloseScopesAtEndOfFile(G);
}

}  // namespace zav
