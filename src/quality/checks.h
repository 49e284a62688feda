// The built-in quality checks: each decides that a notice's condition holds
// and raises it through RaiseNotice.
#pragma once

#include <array>
#include <cstddef>
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

// At the start of each file: fresh check state, quiet from the first line
// in a run that shows nothing of the notices.
inline void StartFileChecks(GlobalData& G) {
  G.checks = CheckState{};
  G.checks.quiet = G.notices.need == NoticeNeed::kNone;
}

// The rest of the file's checks can change nothing the run shows: they stop,
// and no unbound keyword is left for the line starts to look at.
inline void QuietChecks(CheckState& C) {
  C.quiet = true;
  C.pending_keyword = C.unbound_keyword = kPendingNone;
}

// Whether the file's fall-through comments are counted. The count is read
// by the case and break check at a function's end, which never runs where
// only whether a file raised a notice shows (a function quiets the file),
// and by the JSON document's counters.
inline bool FallThroughCounted(const GlobalData& G) {
  return G.notices.need == NoticeNeed::kEvery;
}

// Line-level checks on a word or a punctuation character outside comments
// and strings. Most words of a file mean nothing to the checks
// (kCheckedWords) and are passed by without a call.
extern const std::array<bool, static_cast<size_t>(Word::kCount)> kCheckedWords;
void CheckListedWord(GlobalData& G, const char* line, int start, int end, Word word);
inline void CheckWord(GlobalData& G, const char* line, int start, int end, Word word) {
  if (kCheckedWords[static_cast<size_t>(word)] && !G.checks.quiet) {
    CheckListedWord(G, line, start, end, word);
  }
}
// The character checks below that have an out-of-line body test the quiet
// flag before the call.
void CheckCharacterBody(GlobalData& G, const char* line, int i);
inline void CheckCharacter(GlobalData& G, const char* line, int i) {
  if (!G.checks.quiet) [[likely]] CheckCharacterBody(G, line, i);
}
// CheckCharacter's part for the most frequent characters, for callers that
// have told them apart already: "(" or ")", ";", "{" or "}". The one for
// the parentheses, the most frequent of all, is inline; the close of a
// "while" condition is its rare part.
void CheckWhileConditionEnd(GlobalData& G, const char* line, int i);
inline void CheckParen(GlobalData& G, const char* line, int i, bool open) {
  // A quiet file counts its "(" on, which costs less than a test of the
  // quiet flag would in the other runs: nothing reads the count.
  CheckState& C = G.checks;
  if (open) {
    if (C.waiting != 0) {
      if (C.waiting & kIfWaiting) C.if_condition_level = C.paren_level;
      if (C.waiting & kWhileWaiting) C.while_cond_level = C.paren_level;
      C.waiting = 0;
    }
    ++C.paren_level;
    return;
  }
  if (C.quiet) return;
  if (C.paren_level > 0) --C.paren_level;
  if (C.paren_level == C.if_condition_level) C.if_condition_level = -1;
  if (C.paren_level == C.while_cond_level) CheckWhileConditionEnd(G, line, i);
}
void CheckSemicolonBody(GlobalData& G);
inline void CheckSemicolon(GlobalData& G) {
  if (!G.checks.quiet) [[likely]] CheckSemicolonBody(G);
}
void CheckBraceBody(GlobalData& G, bool open);
inline void CheckBrace(GlobalData& G, bool open) {
  if (!G.checks.quiet) [[likely]] CheckBraceBody(G, open);
}

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
