// Structural detection in the character stream: what each brace belongs
// to, and the hand-off of words and characters to the scope model,
// function detection and the quality checks.
#pragma once

#include "analysis/function.h"
#include "base/keywords.h"
#include "quality/checks.h"
#include "zav/global_data.h"

namespace zav {

// A word of interest at line[start..end), outside comments and strings.
void StructureWord(GlobalData& G, const char* line, int start, int end,
                   Word word);

// A punctuation character at line[i], outside comments and strings.
void StructureCharacter(GlobalData& G, const char* line, int i);
// StructureCharacter, then CountCodeCharacter, in one dispatch.
void StructureAndCountCharacter(GlobalData& G, const char* line, int i);

// Appends code text to the active collectors (class header, function
// header, template header, member declaration). Inline: the line analyser
// calls it for most characters of a declaration.
// `padded`: the text may be read 32 bytes past its start (see
// TextBuffer::AppendPadded), which copies a single character as fast.
inline void CollectText(GlobalData& G, const char* text, int length, bool padded = false) {
  ScopeState& S = G.scope;
  if (length == 1 && !padded) {  // most calls: one character, no copy call
    const char c = *text;
    if (S.class_pending) S.class_header.Append(c);
    if (S.template_open) S.template_header.Append(c);
    if (G.func.in_header) G.func.header_text.Append(c);
    if (S.collect_member) S.member_text.Append(c);
    return;
  }
  auto add = [&](TextBuffer& to) {
    if (padded) {
      to.AppendPadded(text, length);
    } else {
      to.Append(text, length);
    }
  };
  if (S.class_pending) add(S.class_header);
  if (S.template_open) add(S.template_header);
  if (G.func.in_header) add(G.func.header_text);
  if (S.collect_member) add(S.member_text);
}

// The text of the last closed template header, for the class or function
// it stands before; TakeTemplateText hands it over and forgets it.
std::string& TemplateText(ScopeState& S);
void TakeTemplateText(ScopeState& S, std::string& to);

// Recomputes whether any collector is active (G.lex.collecting). Inline:
// every ";", brace and header change asks it again.
inline void UpdateCollecting(GlobalData& G) {
  ScopeState& S = G.scope;
  // A run that shows the line counts alone reads no member declaration:
  // what such a declaration or a member's brace adds to its class's record
  // no report of the run shows. One that shows the function figures alone
  // reads them in a Java record and while the file's checks run (see
  // ShowsFunctionFiguresOnly).
  S.collect_member = S.in_class && !G.func.in_body && !S.class_pending &&
                     S.brace_depth > 0 && S.brace_overflow == 0 &&
                     S.braces[S.brace_depth - 1] == BraceKind::kClass &&
                     (!G.lex.partial_figures ||
                      (!G.lex.line_counts_only && (!G.checks.quiet || S.cls.record)));
  G.lex.collecting = S.class_pending || S.template_open || G.func.in_header ||
                     S.collect_member;
}

// The #if/#else brace tracking of a preprocessor line.
void TrackConditional(GlobalData& G, const char* line);

// At the end of each analysed line. Inline, as it runs for every line.
inline void StructureLineEnd(GlobalData& G, const char* line) {
  // The tracking takes braces back only in function bodies, which a run of
  // the line counts alone never opens.
  if (G.lex.preprocessor_line && !G.lex.line_counts_only) TrackConditional(G, line);
  if (G.lex.collecting) CollectText(G, " ", 1);
  FunctionLineEnd(G, line);
  CheckLineEnd(G, line);
}

// At the end of the file: open namespaces and packages are closed.
void StructureEndOfFile(GlobalData& G);

// True when no enclosing brace keeps function headers from being found:
// file scope, a namespace, a class body or an extern "C" block.
inline bool AtDeclarationLevel(const GlobalData& G) {
  const ScopeState& S = G.scope;
  if (S.brace_overflow > 0) return false;  // an untracked level is a block
  if (S.brace_depth == 0) return true;
  const BraceKind kind = S.braces[S.brace_depth - 1];
  return kind == BraceKind::kNamespace || kind == BraceKind::kClass ||
         kind == BraceKind::kTransparent || kind == BraceKind::kEnum;
}

}  // namespace zav
