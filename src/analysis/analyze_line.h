// The per-line analyser: lexer, line verdicts and size metrics.
#pragma once

#include <cstdint>

#include "zav/global_data.h"

namespace zav {

// Analyses one physical line: `line` is the NUL-terminated text as read,
// with its line end; `line_number` is its 1-based physical line number.
// All results are kept in G.
void AnalyzeLine(const char* line, int32_t line_number, GlobalData& G);
// The same for a line whose text length (up to its NUL) is known. The
// vector loops read ahead: kLinePadding bytes after line[length] must be
// readable (the line reader's buffer has them).
inline constexpr int kLinePadding = 64;
void AnalyzeLine(const char* line, int length, int32_t line_number, GlobalData& G);
// The same for a line given without its line feed: `length` stops before it.
void AnalyzeLineText(const char* line, int length, int32_t line_number, GlobalData& G);

// The line type letter of the line just analysed (before the per-line flags
// are cleared), or '\0' when the line has none.
// Settles which rarely used per-line work the file's lines take; called
// before its first line.
void StartFileLines(GlobalData& G);

char LineTypeLetter(const GlobalData& G);

}  // namespace zav
