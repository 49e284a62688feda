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
void CountParen(GlobalData& G, const char* line, int i, bool open);
void CountBrace(GlobalData& G, const char* line, int i, bool open);
void CountBracket(GlobalData& G, bool open);
void CountSemicolon(GlobalData& G);

// Acts on the word line[start..end) (an identifier that starts at `start`)
// outside comments, strings and character literals.
void CountCodeWord(GlobalData& G, const char* line, int start, int end,
                   Word word);

// Clears the lexer's per-file state before the first line of a file (the
// line-continuation flag carries over).
void ResetLexState(GlobalData& G);

// Adds the file's counters to the project totals and its six line values to
// its language group.
void FileCounters(GlobalData& G);

}  // namespace zav
