// The built-in quality checks: each decides that a notice's condition holds
// and raises it through RaiseNotice.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/keywords.h"
#include "zav/global_data.h"

namespace zav {

// Figures of a function that its record does not keep.
struct FunctionFigures {
  int32_t spaces = 0;
  int32_t characters = 0;
  int32_t fall_through = 0;  // fall-through comment lines in the function
};

// Line-level checks on a word or a punctuation character outside comments
// and strings.
void CheckWord(GlobalData& G, const char* line, int start, int end, Word word);
void CheckCharacter(GlobalData& G, const char* line, int i);
// CheckCharacter's part for the most frequent characters, for callers that
// have told them apart already: "(" or ")", ";", "{" or "}". The one for
// the parentheses, the most frequent of all, is inline; the close of a
// "while" condition is its rare part.
void CheckWhileConditionEnd(GlobalData& G, const char* line, int i);
inline void CheckParen(GlobalData& G, const char* line, int i, bool open) {
  CheckState& C = G.checks;
  if (open) {
    if (C.if_waiting) {
      C.if_condition_level = C.paren_level;
      C.if_waiting = false;
    }
    if (C.while_waiting) {
      C.while_cond_level = C.paren_level;
      C.while_waiting = false;
    }
    ++C.paren_level;
    return;
  }
  if (C.paren_level > 0) --C.paren_level;
  if (C.paren_level == C.if_condition_level) C.if_condition_level = -1;
  if (C.paren_level == C.while_cond_level) CheckWhileConditionEnd(G, line, i);
}
void CheckSemicolon(GlobalData& G);
void CheckBrace(GlobalData& G, bool open);

// At the start of each analysed line (notice 22's unbound keyword).
void CheckLineStart(GlobalData& G, const char* line);
// At the end of each analysed line: only a code line after an unbound
// keyword takes the out-of-line part.
void CheckUnboundLineEnd(GlobalData& G, const char* line);
inline void CheckLineEnd(GlobalData& G, const char* line) {
  G.checks.catch_seen = false;
  if (G.checks.unbound_keyword != kPendingNone && G.lex.code_seen) {
    CheckUnboundLineEnd(G, line);
  }
}

// A brace inside a function body raised the scope depth to `depth`.
void CheckScopeDepth(GlobalData& G, int depth);

// The checks' flags of the innermost open class.
inline ClassCheckFlags& ClassFlags(GlobalData& G) {
  return G.checks.classes[G.scope.class_depth];
}

// Class events.
void CheckClassBegin(GlobalData& G, int comments_before);
void CheckClassInFunction(GlobalData& G);
// Notice 42: a comma outside a template argument list in the inheritance
// of the class that just began.
void CheckMultipleInheritance(GlobalData& G);
void CheckClassEnd(GlobalData& G, const MetricRecord& span, int32_t spaces,
                   int32_t characters);
void CheckDataMember(GlobalData& G, std::string_view text, int visibility);

// Function events.
void CheckFunctionBegin(GlobalData& G);
void CheckFunctionEnd(GlobalData& G, const FunctionRecord& r,
                      const FunctionFigures& figures);

}  // namespace zav
