// Function detection and functional metrics.
#pragma once

#include <string>
#include <string_view>

#include "base/keywords.h"
#include "zav/global_data.h"

namespace zav {

// "(" or ")" outside comments and strings: header candidates, the
// parameter list of a pending header, and the parentheses of a body.
void OnFunctionParen(GlobalData& G, const char* line, int i, bool open);

// The first "{" after a complete header begins the function.
BraceKind BeginFunction(GlobalData& G, const char* line);

// "{" or "}" inside an open function body.
void OnFunctionBrace(GlobalData& G, bool open);

// A header whose parameter list has closed and whose body has not begun.
bool HeaderAwaitsBody(const GlobalData& G);

// Forgets a pending header whose body has not begun (a scope keyword, an
// assignment or an enclosing scope's "}" shows it was no definition).
void DropPendingHeader(GlobalData& G);

// A "{" after a constructor's initialiser list that opens a member's brace
// initialiser ("v{1, 2}"), not the body.
bool InitialiserBrace(const GlobalData& G);

// "Name {" directly in the body of the Java record Name: its compact
// constructor, a method without a parameter list.
bool CompactConstructor(const GlobalData& G);
BraceKind BeginCompactConstructor(GlobalData& G, const char* line);

// A ";" while a header is pending: a prototype, a call or K&R parameters.
void OnHeaderSemicolon(GlobalData& G);

// The closing brace of the function body.
void EndFunction(GlobalData& G);

// The words FunctionWord counts (decisions and return points); it passes
// every other word by. Keep in step with its cases.
constexpr bool CountsInFunction(Word w) {
  switch (w) {
    case Word::kWhile:
    case Word::kFor:
    case Word::kForeach:
    case Word::kSwitch:
    case Word::kCase:
    case Word::kDefault:
    case Word::kIf:
    case Word::kElse:
    case Word::kGoto:
    case Word::kOr:
    case Word::kAnd:
    case Word::kBreak:
    case Word::kReturn:
    case Word::kExit:
    case Word::kUnderscoreExit:
    case Word::kAbort:
    case Word::kThrow:
      return true;
    default:
      return false;
  }
}

// Words inside a header or body: decision counters and return points.
void FunctionWord(GlobalData& G, const char* line, int start, int end,
                  Word word);

// Characters inside a body: "?", "||", "&&".
void FunctionCharacter(GlobalData& G, const char* line, int i);

// At the end of each line: the first-"(" rule, macro listings, directives.
// Inline, since most lines need only the first-"(" state reset.
void FunctionLineEndDetails(GlobalData& G, const char* line);
inline void FunctionLineEnd(GlobalData& G, const char* line) {
  FunctionState& F = G.func;
  F.candidate_on_line = false;
  F.use_next_paren = false;
  F.skip_group_depth = 0;
  // Blank, comment and directive lines have no details to take unless a
  // header is open, a header's macro test is unread or macros are listed.
  const LexState& L = G.lex;
  const bool code_line = F.enabled && L.code_seen && !L.directive_line;
  // Most code lines end in no name and leave nothing else to do: no name
  // is kept for the next line.
  if (code_line && !F.probable_macro_unread && !F.in_header && !G.sw.macros &&
      !IsIdentChar(static_cast<unsigned char>(L.last_nonblank))) {
    F.line_end_word[0] = '\0';
    return;
  }
  if (code_line || (F.enabled && F.probable_macro_unread) || F.in_header || G.sw.macros) {
    FunctionLineEndDetails(G, line);
  }
}

// At the end of the file: the open-scope and brace-balance NOTICE texts.
void FunctionEndOfFile(GlobalData& G);

// Helpers with their own rules, exposed for testing.

// Extracts the function name and prefix from the text before the
// parenthesis at line[paren]; false when no acceptable name is found.
// `plain`, when given, is a word known to be no header qualifier, macro
// name or keyword, which a name equal to it need not be looked up as;
// `plain_at`, when not -1, is where `plain` stands in `line`.
bool GetFunction(GlobalData& G, const char* line, int paren, std::string_view plain = {},
                 int plain_at = -1);

// The character check of a function name.
bool ValFunctionName(const GlobalData& G, std::string_view name,
                     bool is_operator);

// The parameter text from "(" to the body, normalised.
std::string NormaliseParameters(const std::string& text, bool is_operator,
                                bool non_ansi, bool by_directive);
// As NormaliseParameters, into `out` (whose storage is reused).
void NormaliseParametersInto(std::string_view text, bool is_operator, bool non_ansi,
                             bool by_directive, std::string& out);

// Parameters of a normalised parameter text: 0 for "()" and "(void)",
// else the top-level commas plus one.
int CountParameters(std::string_view parameters);

// The sum of the enabled decision counters, with 1 for the function base.
int ComputeCyclomatic(const GlobalData& G, const DecisionCounts& counts);

}  // namespace zav
