// Lexical state of the line analyser and the line reader's per-file state.
//
// Owned by src/analysis/ (line_reader.cc, analyze_line.cc, counters.cc).
// The scope model, function detection and quality checks read it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace zav {

inline constexpr int kLineBufferSize = 2048;  // 2,047 characters and a NUL
inline constexpr int kLinePieceMax = kLineBufferSize - 1;

// A fixed text buffer of 2,048 bytes that never allocates; appends beyond
// 2,047 characters are dropped.
struct TextBuffer {
  char text[kLineBufferSize];
  int length = 0;

  TextBuffer() { text[0] = '\0'; }
  void Clear() {
    length = 0;
    text[0] = '\0';
  }
  void Append(char c) {
    if (length < kLinePieceMax) {
      text[length++] = c;
      text[length] = '\0';
    }
  }
  void Append(const char* s, int n) {
    if (n > kLinePieceMax - length) n = kLinePieceMax - length;
    if (n <= 0) return;
    std::memcpy(text + length, s, n);
    length += n;
    text[length] = '\0';
  }
  // Append for text that may be read 32 bytes past its start (a line's
  // text, which the line's padding follows): a short text is copied 32
  // bytes at once instead of through a memcpy call, one test for any
  // length up to 32 (a single character too); the bytes past it are
  // overwritten by later appends or lie past the NUL.
  void AppendPadded(const char* s, int n) {
    if (static_cast<unsigned>(n) <= 32 && length + 32 <= kLinePieceMax) {
      std::memcpy(text + length, s, 32);
      length += n;
      text[length] = '\0';
      return;
    }
    Append(s, n);
  }
  void Assign(const char* s) {
    size_t n = std::strlen(s);
    if (n > static_cast<size_t>(kLinePieceMax)) n = kLinePieceMax;
    std::memcpy(text, s, n);
    length = static_cast<int>(n);
    text[length] = '\0';
  }
  bool Empty() const { return length == 0; }
};

// State of the lexer, kept across the lines of one file.
struct LexState {
  bool in_block_comment = false;
  bool in_line_comment = false;
  bool in_string = false;
  bool in_char_literal = false;
  int32_t block_comment_start_line = 0;
  int block_comment_open_pos = 0;
  bool continuation = false;  // previous line ended with a backslash
  int quote_parity = 0;

  // Per-line flags, cleared at the start of each line.
  bool blank = true;
  bool code_seen = false;
  bool comment_seen = false;
  bool brace_line = false;  // line is just "{" or "}"
  bool paren_line = false;  // line is just "(" or ")"
  bool logical = false;
  bool comment_line = false;  // set at the line end: a comment line
  char last_nonblank = ' ';

  // Per-line flags the line loop clears after each analysed line.
  bool suppress_rest_of_line = false;  // a region directive
  bool java_annotation = false;        // an at sign for function detection

  // Preprocessor state; carried through continuation lines.
  bool preprocessor_line = false;
  bool define_line = false;          // inside a #define
  bool function_like_macro = false;  // the #define has a "(" after its name
  bool error_directive = false;      // #error line
  bool conditional_directive = false;  // an #if... seen; cleared at function end
  bool if_directive_line = false;      // this line is an #if... directive

  // Marks that persist across lines (cleared by the per-file reset).
  bool enum_pending = false;
  bool attribute_open = false;   // a bracketed attribute "[...]"
  int attribute_depth = 0;       // "[" nesting inside the attribute
  bool delegate_mark = false;    // C# "delegate" up to the next ";"
  bool class_header_paren = false;  // class-header scanner saw an open "("

  // Comment lines directly preceding the current code line.
  int consecutive_comment_lines = 0;

  // Split texts of the current line, emptied at every line end.
  TextBuffer code_text;
  TextBuffer comment_text;
  TextBuffer string_text;
  bool want_split_texts = false;  // only built when someone reads them

  // Some structural detector is collecting the code text.
  bool collecting = false;
  // The line is a preprocessor directive: its text is never collected.
  bool directive_line = false;
  // Position of the line's first character that is not a space or tab.
  int first_nonblank = 0;
  // Some rarely used per-line work is on for this file (traces, split
  // texts, extraction, user-defined notices); set as a file's lines begin.
  bool line_extras = false;
  // The line's text was seen not to hold the fall-through phrase.
  bool no_fall_through = false;

  // Extraction text (comment and string extraction).
  TextBuffer extraction;

  // "extern" was met on this line / on the last line that held code (an
  // extern "C" block may open on the line after it).
  bool extern_on_line = false;
  bool previous_line_extern = false;
  // The macro name of the #define being read.
  TextBuffer macro_name;
  // The run's reports show the line counts alone (see ShowsLineCountsOnly):
  // the #define names, the keyword counts but the loops', the member
  // declarations and the #if tracking are left alone (the fall-through
  // comments follow the notices' need, FallThroughCounted). Set as a
  // file's lines begin.
  bool line_counts_only = false;
  // The run's reports show the function figures alone (see
  // ShowsFunctionFiguresOnly): the keyword counts but the loops' and the
  // member declarations are left alone where no running check reads them.
  // Set as a file's lines begin.
  bool function_figures_only = false;
  // Either of the two above: the one flag that the full run tests.
  bool partial_figures = false;
};

// The four flags of an open comment, string or character literal, which
// lie side by side at the start of LexState, read as one word: zero when
// none is open.
inline uint32_t OpenLexicalStates(const LexState& L) {
  static_assert(offsetof(LexState, in_block_comment) == 0 &&
                offsetof(LexState, in_line_comment) == 1 &&
                offsetof(LexState, in_string) == 2 &&
                offsetof(LexState, in_char_literal) == 3);
  uint32_t open;
  std::memcpy(&open, &L.in_block_comment, sizeof open);
  return open;
}

// The read buffer of the line reader, allocated once and reused for every
// file of the run.
struct SourceBuffer {
  std::unique_ptr<char[]> data;
};

// Per-file state of the line reader and the skip tokens.
struct ReaderState {
  int32_t line_number = 0;
  bool skipping = false;          // code-skip tokens
  bool quality_skipping = false;  // quality-skip tokens
  bool key_string_found = false;
};

}  // namespace zav
