// Keyword and token counters: the code-character actions of the line
// analyser, the per-file reset and the filing of per-file counters into the
// project and language totals.
#pragma once

#include "base/keywords.h"
#include "zav/global_data.h"

namespace zav {

// Acts on a punctuation character at line[i] outside comments, strings and
// character literals: parentheses, braces, brackets, ";" and "#".
void CountCodeCharacter(GlobalData& G, const char* line, int i);
// Its parts for callers that have told the character apart already:
// "(" or ")", "{" or "}", "[" or "]", ";".
// The one for the parentheses, the most frequent of all, is inline; its
// rare parts are the test of a line that may hold only the parenthesis
// and the notice for more ")" than "(" so far (which holds the count at
// the opening ones).
void CountParenLine(GlobalData& G, const char* line, int i);
void RaiseParenthesesUnequal(GlobalData& G);
inline void CountParen(GlobalData& G, const char* line, int i, bool open) {
  LexState& L = G.lex;
  FileMetrics& F = G.file;
  const bool starts_line = i == L.first_nonblank;
  if (open) {
    ++F.open_paren_count;
    if (starts_line && !L.attribute_open && !L.class_header_paren) CountParenLine(G, line, i);
    return;
  }
  ++F.close_paren_count;
  if (L.class_header_paren) {
    L.class_header_paren = false;
  } else if (starts_line && !L.attribute_open) {
    CountParenLine(G, line, i);
  }
  if (F.close_paren_count > F.open_paren_count) RaiseParenthesesUnequal(G);
}
void CountBrace(GlobalData& G, const char* line, int i, bool open);
void CountBracket(GlobalData& G, bool open);
void CountSemicolon(GlobalData& G);

// The counting of a counted word (Word::kIf to Word::kDelegate) that some
// report or check of the run reads (see CountCodeWord).
void CountListedWord(GlobalData& G, const char* line, int start, int end, Word word);

// Acts on the word line[start..end) (an identifier that starts at `start`)
// outside comments, strings and character literals. lLOC takes the "for"
// and "foreach" loops off the ";" count; the other counts mean nothing to a
// run that shows the line counts alone, nor to one that shows the function
// figures alone but where a running check reads them: "goto" raises its
// notice, "new" and "delete" are compared at a C++ file's end (see
// ShowsFunctionFiguresOnly). Inline, so that most words of such runs cost
// no call.
inline void CountCodeWord(GlobalData& G, const char* line, int start, int end,
                          Word word) {
  constexpr unsigned kFirst = static_cast<unsigned>(Word::kIf);
  if (static_cast<unsigned>(word) - kFirst > static_cast<unsigned>(Word::kDelegate) - kFirst) {
    return;  // no counted word
  }
  const LexState& L = G.lex;
  if (L.partial_figures && word != Word::kFor && word != Word::kForeach &&
      (L.line_counts_only || G.checks.quiet ||
       (word != Word::kGoto && word != Word::kNew && word != Word::kDelete))) {
    return;
  }
  CountListedWord(G, line, start, end, word);
}

// True when the run's reports show the line counts alone (-s in text or
// HTML): LOC, eLOC, lLOC (";" less the "for" and "foreach" loops), comment
// lines and lines. Such a run reads no other keyword count, no member
// declaration, no fall-through comment, opens no function body, and none
// of the names of the #define lines, which function detection, the macro
// listing and (through the run-wide macro list) the class names of the
// class and inheritance reports and of the notices read.
bool ShowsLineCountsOnly(const GlobalData& G);

// True when the run's reports show the function figures and the line
// counts alone (-fa, maybe with -s, in text or HTML): per file the line
// counts, each function's name, parameters and sizes, the file's function
// summary, and the project's function figures. The keyword counts but the
// loops' and the class members' declarations are then read by the checks
// at most, and only while a file's checks run (see the comment of the
// definition).
bool ShowsFunctionFiguresOnly(const GlobalData& G);

// Clears the lexer's per-file state before the first line of a file (the
// line-continuation flag carries over).
void ResetLexState(GlobalData& G);

// Adds the file's counters to the project totals and its six line values to
// its language group.
void FileCounters(GlobalData& G);

}  // namespace zav
