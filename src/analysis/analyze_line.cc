#include "analysis/analyze_line.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

#include "analysis/code_scan.h"
#include "analysis/counters.h"
#include "base/keywords.h"
#include "analysis/structure.h"
#include "quality/checks.h"
#include "quality/notices.h"
#include "base/csv_field.h"
#include "quality/udqn_apply.h"
#include "base/output.h"
#include "base/text_util.h"
#include "zav/notice_numbers.h"

namespace zav {
namespace {

bool IsCommentLine(const LexState& L) {
  return L.comment_seen || L.in_line_comment;
}

// Number of backslashes directly before line[i].
int BackslashesBefore(const char* line, int i) {
  int n = 0;
  while (i - n > 0 && line[i - n - 1] == '\\') ++n;
  return n;
}

void CloseString(GlobalData& G) {
  G.lex.in_string = false;
  ++G.file.literal_strings_count;
  if (G.sw.extract_strings) {
    // The string's text (closing quote included) goes to the extraction
    // output, which then starts afresh.
    if (G.utility.extraction_sink != nullptr) {
      G.utility.extraction_sink(G, ExtractionEvent::kStringClosed, G.reader.line_number);
    }
    G.lex.extraction.Clear();
  }
}

void OnDoubleQuote(GlobalData& G, const char* line, int i) {
  LexState& L = G.lex;
  if (L.in_block_comment || L.in_line_comment || L.in_char_literal) return;
  if (BackslashesBefore(line, i) % 2 == 0) {
    ++L.quote_parity;
    if (!L.in_string) {
      L.in_string = true;
    } else {
      CloseString(G);
    }
  } else if (L.in_string && i >= 3 && line[i - 3] == '@' &&
             line[i - 2] == '"' && line[i - 1] == '\\') {
    // The C# verbatim string @"\" holds a single backslash.
    CloseString(G);
  }
}

void OnApostrophe(GlobalData& G, const char* line, int i) {
  LexState& L = G.lex;
  if (L.in_block_comment || L.in_line_comment || L.in_string) return;
  if (BackslashesBefore(line, i) % 2 == 0) L.in_char_literal = !L.in_char_literal;
}

void OnSlash(GlobalData& G, const char* line, int i, int32_t line_number) {
  LexState& L = G.lex;
  if (L.in_string || L.in_block_comment || L.in_line_comment ||
      L.in_char_literal) {
    return;
  }
  if (line[i + 1] == '*') {
    L.in_block_comment = true;
    L.block_comment_start_line = line_number;
    L.block_comment_open_pos = i;
    L.comment_seen = true;
    L.extraction.Append('/');
  } else if (line[i + 1] == '/' && (i == 0 || line[i - 1] != '*')) {
    L.in_line_comment = true;
    L.extraction.Append('/');
  }
}

void OnAsterisk(GlobalData& G, const char* line, int i, int32_t line_number) {
  LexState& L = G.lex;
  if (!L.in_block_comment || L.in_line_comment || L.in_string ||
      L.in_char_literal || line[i + 1] != '/') {
    return;
  }
  // On the opening line only an asterisk after the opener's own asterisk
  // can close the comment, so "/*/" stays open.
  if (L.block_comment_start_line == line_number &&
      i <= L.block_comment_open_pos + 1) {
    return;
  }
  L.in_block_comment = false;
  L.comment_seen = true;
  L.extraction.Append('/');
}

// Appends character i to the code, comment or string text of the line.
void SplitCharacter(LexState& L, const char* line, int i) {
  char c = line[i];
  if (L.in_block_comment || L.in_line_comment) {
    L.comment_text.Append(c);
  } else if (L.in_string) {
    L.string_text.Append(c);
  } else if (c == '/' && i > 0 && line[i - 1] == '*') {
    L.comment_text.Append('*');
    L.comment_text.Append('/');
  } else if (c == '*' && line[i + 1] == '/') {
    // written with the following "/"
  } else if (c == '"' && L.string_text.length > 0 &&
             L.string_text.text[0] == '"') {
    L.string_text.Append(c);
  } else {
    L.code_text.Append(c);
  }
}

const char* CommentLabel(const GlobalData& G) {
  const LexState& L = G.lex;
  const LanguageFlags& f = G.lang.flags;
  if (L.comment_seen) {
    if (f.java) return " Java (C-Style) Comment";
    if (f.csharp) return " C# (C Style) Comment";
    if (f.cpp) return " C++ (C Style) Comment";
    return " C Comment";
  }
  if (L.in_line_comment) {
    if (f.java) return " Java Comment";
    if (f.csharp) return " C# Comment";
    return " C++ Comment";
  }
  return "";
}

// The -d trace of one line. In XML the source text is escaped; in CSV the
// trace line is one field, as the source text may hold commas.
void TraceLine(GlobalData& G, const char* line, int32_t line_number) {
  const LexState& L = G.lex;
  std::string types;
  if (L.blank) types += " Blank";
  if (L.code_seen) {
    types += " LOC";
    types += L.brace_line || L.paren_line ? " Non-Effective" : " Effective";
    if (L.logical) types += " Logical";
  }
  types += CommentLabel(G);
  const ReportFormat format = G.sw.Format();
  if (format == ReportFormat::kHtml) {
    const char* text = line;
    while (IsBlank(*text)) ++text;
    Print(G, "\n  <b>Line</b> %d: <font color=\"%s\">%s</font>  <b>LOC Type(s)</b>:",
          line_number, G.settings.colors[kColorLine].c_str(),
          HtmlEscape(text).c_str());
    PutText(G, types + "\n");
    return;
  }
  std::string trace = "  Line " + std::to_string(line_number) + ": " +
                      (format == ReportFormat::kXml ? XmlEscape(line) : line) +
                      "  LOC Type(s):" + types;
  if (format == ReportFormat::kCsv) trace = CsvField(trace);
  PutText(G, "\n" + trace + "\n");
}

void DebugSplitTexts(GlobalData& G, const char* line) {
  const LexState& L = G.lex;
  Print(G, "*** Debug:\n");
  Print(G, "*** Line   : %s", line);
  Print(G, "*** Code   : %s\n", L.code_text.text);
  Print(G, "*** String : %s\n", L.string_text.text);
  Print(G, "*** Comment: %s\n", L.comment_text.text);
}

// A slash that opens or closes a comment is not code text.
bool CommentMarkerSlash(const LexState& L, const char* line, int i) {
  if (line[i] != '/') return false;
  if (i > 0 && line[i - 1] == '*') return true;
  return !L.in_string && !L.in_char_literal &&
         (line[i + 1] == '*' || line[i + 1] == '/');
}

// Inside a block comment up to the asterisk that closes it. Returns the
// position after that asterisk, or `length` when the comment goes on.
int ScanBlockComment(GlobalData& G, const char* line, int i, int length,
                     int32_t line_number) {
  LexState& L = G.lex;
  // On the opening line the opener's own asterisk closes nothing ("/*/").
  const int opener_end =
      L.block_comment_start_line == line_number ? L.block_comment_open_pos + 1 : -1;
  // A whole line of comment text has the fall-through search (when the run
  // shows it) done with its count.
  bool phrase = false;
  const bool whole_line_search = i == 0 && FallThroughCounted(G);
  const int k = CountBlockCommentText(G, line, i, length, opener_end,
                                      whole_line_search ? &phrase : nullptr, line_number);
  if (k < length) {
    // The asterisk's full step, in place: the close is past the opener and
    // no extraction run comes here.
    if (!L.in_string && !L.in_char_literal) {
      L.in_block_comment = false;
      L.comment_seen = true;
    }
    return k + 1;
  }
  if (whole_line_search) L.no_fall_through = !phrase;
  return length;
}

// Inside a string up to its next double quote, which is left for the
// character loop. Returns that quote's position, or `length`.
int ScanString(GlobalData& G, const char* line, int i, int length,
               int32_t line_number) {
  const char* quote = static_cast<const char*>(std::memchr(line + i, '"', length - i));
  const int k = quote == nullptr ? length : static_cast<int>(quote - line);
  CountSegment(G, line + i, k - i, false, true, line_number);
  return k;
}

// One character step of the line analyser: the lexer, the line flags and
// the code actions for line[i]. Returns the position of the next step (after
// a whole identifier when one starts at i). kFull adds the extraction and
// split texts, which only some run modes read.
template <bool kFull>
int Step(GlobalData& G, const char* line, int i, int32_t line_number) {
  LexState& L = G.lex;
  FileMetrics& F = G.file;
  const unsigned char c = static_cast<unsigned char>(line[i]);
  const bool in_comment = L.in_block_comment || L.in_line_comment;

  if constexpr (kFull) {
    if (G.sw.extract_strings && L.in_string) L.extraction.Append(c);
    if ((G.sw.extract_comments || G.sw.comment_documentation) && in_comment) {
      L.extraction.Append(c);
    }
  }
  if (L.collecting && !in_comment && !L.directive_line &&
      !CommentMarkerSlash(L, line, i)) {
    CollectText(G, line + i, 1);
  }

  if (c >= 33 && c <= 127) {
    L.blank = false;
    if (c != '/' && !in_comment) L.code_seen = true;
  }

  if (!L.suppress_rest_of_line) {
    switch (c) {
      case ' ':
        ++F.spaces_count;
        break;
      case '\t':
        F.spaces_count += G.settings.tab_spaces;
        if (!L.in_string) RaiseNotice(G, kNoticeTab, line_number);
        break;
      case '"':
        OnDoubleQuote(G, line, i);
        break;
      case '\'':
        OnApostrophe(G, line, i);
        break;
      case '/':
        OnSlash(G, line, i, line_number);
        break;
      case '*':
        OnAsterisk(G, line, i, line_number);
        break;
      default:
        if (in_comment || L.in_string || L.in_char_literal) break;
        if (IsIdentStart(c) && (i == 0 || !IsIdentChar(line[i - 1]))) {
          // A whole identifier at once: its characters are code and none
          // of them can change the lexical state.
          int end = i + 1;
          while (IsIdentChar(line[end])) ++end;
          if (L.collecting && !L.directive_line) {
            CollectText(G, line + i + 1, end - i - 1);
          }
          if (!G.lang.flags.other) {
            Word word = LookupWord(line + i, end - i);
            if (word != Word::kNone) {
              StructureWord(G, line, i, end, word);
              CountCodeWord(G, line, i, end, word);
            }
          }
          L.last_nonblank = line[end - 1];
          if constexpr (kFull) {
            for (int k = i; k < end; ++k) L.code_text.Append(line[k]);
          }
          return end;
        }
        if (!G.lang.flags.other && kCodeCharacters.acts[c] != 0) {
          if (kCodeCharacters.acts[c] & kStructure) StructureCharacter(G, line, i);
          if (kCodeCharacters.acts[c] & kCounts) CountCodeCharacter(G, line, i);
        }
        break;
    }
  }

  if (c != ' ' && c != '\t' && c != '\n' && c != '\r') L.last_nonblank = c;
  if constexpr (kFull) SplitCharacter(L, line, i);
  return i + 1;
}

// The fast character loop: segments that change no state are counted a
// piece at a time; every other character takes a full step.
void FastCharacterLoop(GlobalData& G, const char* line, int length,
                       int32_t line_number) {
  LexState& L = G.lex;
  int i = 0;
  while (i < length) {
    if (!L.suppress_rest_of_line) {
      if (OpenLexicalStates(L) == 0) {
        i = ScanCode(G, line, i, length, line_number);
        if (i >= length) return;
        if (line[i] == '/' && (line[i + 1] == '/' || line[i + 1] == '*') &&
            OpenLexicalStates(L) == 0 && !L.suppress_rest_of_line) {
          // A comment opener in plain code: the full step of its slash,
          // which is neither code nor collected text (nor extracted: the
          // extraction runs take full steps only).
          L.blank = false;
          if (line[i + 1] == '*') {
            L.in_block_comment = true;
            L.block_comment_start_line = line_number;
            L.block_comment_open_pos = i;
            L.comment_seen = true;
          } else if (i == 0 || line[i - 1] != '*') {
            L.in_line_comment = true;
          }
          L.last_nonblank = '/';
          ++i;
          continue;
        }
      } else if (L.in_line_comment) {
        if ((i == 0 || i == L.first_nonblank + 1) && FallThroughCounted(G)) {
          // Only blanks and the comment's first slash before it: the
          // fall-through search is done with the count.
          L.no_fall_through = !CountCommentText(G, line + i, length - i, line_number);
        } else {
          CountSegment(G, line + i, length - i, true, false, line_number);
        }
        return;
      } else if (L.in_block_comment) {
        i = ScanBlockComment(G, line, i, length, line_number);
        continue;
      } else if (L.in_string && !L.collecting) {
        i = ScanString(G, line, i, length, line_number);
        if (i >= length) return;
      }
    }
    i = Step<false>(G, line, i, line_number);
  }
}

void StartLine(GlobalData& G, const char* line, int length, bool extras) {
  LexState& L = G.lex;
  // The line-start check only moves a pending keyword (or clears the last
  // line's unbound one).
  const CheckState& C = G.checks;
  if ((C.pending_keyword | C.unbound_keyword) != kPendingNone && !G.lang.flags.other) {
    CheckLineStart(G, line);
  }
  // The text after `length` is a line end or the NUL, never a blank.
  const int first = FirstNonBlank(line, length);
  L.first_nonblank = first;
  L.directive_line = line[first] == '#' || (L.continuation && L.preprocessor_line);
  G.file.characters_count += length;
  if (!L.continuation) {
    // Only the extraction reads the extraction text; its switches hold
    // for the whole run and make every file's line extras run. Elsewhere
    // the text is left to fill up (appends stop at its end).
    if (extras) L.extraction.Clear();
    L.quote_parity = 0;
  }
  // The per-line flags from `blank` to `last_nonblank` lie together, one
  // byte each, and are reset with one store.
  static_assert(offsetof(LexState, last_nonblank) - offsetof(LexState, blank) == 7);
  static constexpr char kLineStart[8] = {true, false, false, false, false, false, false, ' '};
  std::memcpy(&L.blank, kLineStart, sizeof kLineStart);
  L.comment_seen = L.in_block_comment;
  L.no_fall_through = false;
  // A quiet file raises no notice (most files of a run that only shows
  // whether a notice was raised): tested first, as it holds line after
  // line where the length test goes either way.
  if (!C.quiet && length > G.settings.max_line_length) {
    NoticeArgs args;
    args.ints[0] = length;
    args.ints[1] = G.settings.max_line_length;
    RaiseNotice(G, kNoticeLineLength, G.reader.line_number, args);
  }
}

// The -d trace and the -wD listing together print neither.
bool TracesLines(const GlobalData& G) {
  return G.sw.loc_determination && !G.sw.work_deterministic && !G.lang.flags.other;
}

bool ExtractsComments(const GlobalData& G) {
  return G.sw.extract_comments || G.sw.comment_documentation;
}

// kExtras: the file's rarely used per-line work (LexState::line_extras).
template <bool kExtras>
void EndLine(GlobalData& G, const char* line, int length, int32_t line_number) {
  LexState& L = G.lex;
  FileMetrics& F = G.file;
  if (L.blank) L.comment_seen = false;
  if (kExtras && TracesLines(G)) TraceLine(G, line, line_number);
  if (L.blank) {
    ++F.blank_lines_count;
    L.consecutive_comment_lines = 0;
  }
  if (L.code_seen) ++F.loc_count;
  if (kExtras && G.udqn.line_pass) ApplyUdqns(G, line, length, line_number);
  const bool comment_line = IsCommentLine(L);
  L.comment_line = comment_line;
  if (comment_line) {
    ++F.comment_lines_count;
    ++L.consecutive_comment_lines;
    // "fall thru", the shortest phrase, has nine characters. Whether the
    // run counts the phrase is tested first: it holds for the whole run,
    // where the line's length changes from line to line.
    if (FallThroughCounted(G) && !L.no_fall_through && length >= 9 &&
        HasFallThroughPhrase(line, length)) {
      ++F.fall_through_count;
    }
    if (kExtras && ExtractsComments(G) && G.utility.extraction_sink != nullptr) {
      G.utility.extraction_sink(G, ExtractionEvent::kCommentLineEnd, line_number);
    }
  }
  if (!G.lang.flags.other) StructureLineEnd(G, line);
  if (L.code_seen) {
    L.previous_line_extern = L.extern_on_line;
    if (!comment_line) L.consecutive_comment_lines = 0;
  }
  L.if_directive_line = false;
  L.extern_on_line = false;
  if (L.last_nonblank == '\\') {
    ++F.continuation_lines_count;
    L.continuation = true;
  } else {
    L.continuation = false;
    L.in_line_comment = false;
    L.preprocessor_line = false;
    L.define_line = false;
    L.error_directive = false;
    L.function_like_macro = false;
    if (L.quote_parity % 2 == 0) L.in_string = false;
  }
  if constexpr (kExtras) {
    if (G.sw.debug) DebugSplitTexts(G, line);
    if (L.want_split_texts || G.udqn.wants_split_texts) {
      L.code_text.Clear();
      L.comment_text.Clear();
      L.string_text.Clear();
    }
  }
}

}  // namespace

void AnalyzeLine(const char* line, int32_t line_number, GlobalData& G) {
  // A copy with the padding the vector loops read into.
  const size_t length = std::strlen(line);
  std::string padded(length + kLinePadding, '\0');
  std::memcpy(padded.data(), line, length);
  AnalyzeLine(padded.c_str(), static_cast<int>(length), line_number, G);
}

void AnalyzeLine(const char* line, int length, int32_t line_number, GlobalData& G) {
  if (length > 0 && line[length - 1] == '\n') --length;
  AnalyzeLineText(line, length, line_number, G);
}

void AnalyzeLineText(const char* line, int length, int32_t line_number, GlobalData& G) {
  if (length > 0 && line[length - 1] == '\r') --length;
  const bool extras = G.lex.line_extras;
  StartLine(G, line, length, extras);
  // User-defined notices need the split texts only on lines that could
  // hold a match.
  const bool full = extras && ((G.udqn.line_pass && PrefilterUdqnLine(G, line, length)) ||
                               G.lex.want_split_texts || G.sw.debug ||
                               G.sw.extract_strings || ExtractsComments(G));
  if (full) {
    for (int i = 0; i < length;) i = Step<true>(G, line, i, line_number);
  } else {
    FastCharacterLoop(G, line, length, line_number);
  }
  if (extras) {
    EndLine<true>(G, line, length, line_number);
  } else {
    EndLine<false>(G, line, length, line_number);
  }
}

void StartFileLines(GlobalData& G) {
  G.lex.line_counts_only = ShowsLineCountsOnly(G);
  G.lex.function_figures_only = ShowsFunctionFiguresOnly(G);
  G.lex.partial_figures = G.lex.line_counts_only || G.lex.function_figures_only;
  G.lex.line_extras = TracesLines(G) || G.udqn.line_pass || G.lex.want_split_texts ||
                      G.udqn.wants_split_texts || G.sw.debug || G.sw.extract_strings ||
                      ExtractsComments(G);
}

char LineTypeLetter(const GlobalData& G) {
  const LexState& L = G.lex;
  const bool comment = L.comment_line;
  if (L.code_seen) {
    char letter;
    if (L.brace_line || L.paren_line) {
      letter = 'N';
    } else {
      letter = L.logical ? 'G' : 'L';
    }
    return comment ? static_cast<char>(letter - 'A' + 'a') : letter;
  }
  if (comment) return 'C';
  if (L.blank && !G.settings.ignore_diff_blank_lines) return 'B';
  return '\0';
}

}  // namespace zav
