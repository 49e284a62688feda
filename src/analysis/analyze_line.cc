#include "analysis/analyze_line.h"

#include <cstdio>
#include <cstring>
#include <string>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// "fall through", "drop through", "fall thru" or "drop thru" anywhere.
bool HasFallThroughPhrase(const char* line) {
  for (const char* p = std::strstr(line, "thr"); p != nullptr;
       p = std::strstr(p + 1, "thr")) {
    if (p - line < 5) continue;
    const char* verb = p - 5;
    if (std::strncmp(verb, "fall ", 5) != 0 && std::strncmp(verb, "drop ", 5) != 0) {
      continue;
    }
    if (std::strncmp(p, "through", 7) == 0 || std::strncmp(p, "thru", 4) == 0) {
      return true;
    }
  }
  return false;
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

// Characters that start a code-character action (see counters.cc) or that
// the structural detectors act on (see structure.cc).
enum : uint8_t { kCounts = 1, kStructure = 2 };
struct CodeCharacterTable {
  uint8_t acts[256] = {};
  constexpr CodeCharacterTable() {
    for (unsigned char c : {'(', ')', '{', '}', '[', ']', ';', '#'}) acts[c] |= kCounts;
    // ":", "," and "#" move no structure and raise no notice: ":" and ","
    // stay in the fast code runs, "#" is counted only.
    for (unsigned char c : {'(', ')', '{', '}', '[', ']', ';', '=', '<', '>',
                            '?', '|', '&', '@', '-', '+', '.', '~'}) {
      acts[c] |= kStructure;
    }
  }
};
constexpr CodeCharacterTable kCodeCharacters;

// A slash that opens or closes a comment is not code text.
bool CommentMarkerSlash(const LexState& L, const char* line, int i) {
  if (line[i] != '/') return false;
  if (i > 0 && line[i - 1] == '*') return true;
  return !L.in_string && !L.in_char_literal &&
         (line[i + 1] == '*' || line[i + 1] == '/');
}

// Counts a segment of a line in which no character can change the lexical
// state: blanks (each tab raising notice 30 when `tab_notice`), the blank
// flag, code seen (`code`: the segment is code or string text, where every
// visible character but "/" is code) and the last non-blank character.
void CountSegment(GlobalData& G, const char* p, int n, bool tab_notice, bool code,
                  int32_t line_number) {
  if (n <= 0) return;
  int spaces = 0, tabs = 0, visible = 0, slashes = 0;
  int k = 0;
#if defined(__SSE2__)
  // Sixteen characters at a time: each compare gives -1 per matching byte,
  // subtracted into byte counters (a piece of at most 2,047 characters
  // makes at most 127 rounds, so no counter overflows), summed at the end.
  const __m128i space = _mm_set1_epi8(' ');
  const __m128i tab = _mm_set1_epi8('\t');
  const __m128i slash = _mm_set1_epi8('/');
  const __m128i low = _mm_set1_epi8(32);  // visible: 33..127, i.e. > 32
  __m128i n_space = _mm_setzero_si128(), n_tab = n_space, n_slash = n_space,
          n_visible = n_space;
  for (; k + 16 <= n; k += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + k));
    n_space = _mm_sub_epi8(n_space, _mm_cmpeq_epi8(v, space));
    n_tab = _mm_sub_epi8(n_tab, _mm_cmpeq_epi8(v, tab));
    n_slash = _mm_sub_epi8(n_slash, _mm_cmpeq_epi8(v, slash));
    // Signed compare: bytes 128..255 are negative, so they are not > 32.
    n_visible = _mm_sub_epi8(n_visible, _mm_cmpgt_epi8(v, low));
  }
  auto sum = [](__m128i counts) {
    const __m128i s = _mm_sad_epu8(counts, _mm_setzero_si128());
    return _mm_cvtsi128_si32(s) + _mm_extract_epi16(s, 4);
  };
  spaces = sum(n_space);
  tabs = sum(n_tab);
  slashes = sum(n_slash);
  visible = sum(n_visible);
#endif
  for (; k < n; ++k) {
    const unsigned char c = static_cast<unsigned char>(p[k]);
    spaces += c == ' ';
    tabs += c == '\t';
    visible += static_cast<unsigned char>(c - 33) <= 94;
    slashes += c == '/';
  }
  LexState& L = G.lex;
  G.file.spaces_count += spaces + static_cast<int64_t>(tabs) * G.settings.tab_spaces;
  if (tab_notice) {
    for (int t = 0; t < tabs; ++t) RaiseNotice(G, kNoticeTab, line_number);
  }
  if (visible > 0) L.blank = false;
  if (code && visible > slashes) L.code_seen = true;
  for (int k = n - 1; k >= 0; --k) {
    const char c = p[k];
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
      L.last_nonblank = c;
      break;
    }
  }
}

// Inside a block comment up to the asterisk that closes it. Returns the
// position after that asterisk, or `length` when the comment goes on.
int ScanBlockComment(GlobalData& G, const char* line, int i, int length,
                     int32_t line_number) {
  const LexState& L = G.lex;
  for (int from = i; from < length;) {
    const char* star = static_cast<const char*>(std::memchr(line + from, '*', length - from));
    if (star == nullptr) break;
    const int k = static_cast<int>(star - line);
    const bool own_opener =
        L.block_comment_start_line == line_number && k <= L.block_comment_open_pos + 1;
    if (line[k + 1] == '/' && !own_opener) {
      CountSegment(G, line + i, k + 1 - i, true, false, line_number);
      OnAsterisk(G, line, k, line_number);
      return k + 1;
    }
    from = k + 1;
  }
  CountSegment(G, line + i, length - i, true, false, line_number);
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

// What the fast code scanner does with a character.
enum : uint8_t { kInert = 0, kBlankSpace = 1, kWordStart = 2, kSpecial = 3 };
struct CodeScanTable {
  uint8_t kind[256] = {};
  constexpr CodeScanTable() {
    for (int c = 0; c < 256; ++c) {
      if (c <= 32 || c >= 128) kind[c] = kSpecial;  // blanks, controls, high bytes
    }
    kind[static_cast<unsigned char>(' ')] = kBlankSpace;
    for (int c = 'a'; c <= 'z'; ++c) kind[c] = kWordStart;
    for (int c = 'A'; c <= 'Z'; ++c) kind[c] = kWordStart;
    kind[static_cast<unsigned char>('_')] = kWordStart;
    for (unsigned char c : {'"', '\'', '/', '*', '\\'}) kind[c] = kSpecial;
    for (int c = 0; c < 256; ++c) {
      if (kCodeCharacters.acts[c] != 0) kind[c] = kSpecial;
    }
  }
};
constexpr CodeScanTable kCodeScan;

// Code state (no comment, string or character literal open): runs through
// the characters that change no state and start no action, keeping the
// line flags in locals, and handles identifiers. Returns the position of
// the first character that needs a full step, or `length`.
int ScanCode(GlobalData& G, const char* line, int i, int length, int32_t line_number) {
  LexState& L = G.lex;
  const bool other = G.lang.flags.other;
  bool visible = false;
  char last = L.last_nonblank;
  int spaces = 0;
  int run = i;  // start of the characters not yet collected
  auto flush = [&](int upto) {
    if (visible) {
      L.blank = false;
      L.code_seen = true;
      visible = false;
    }
    L.last_nonblank = last;
    G.file.spaces_count += spaces;
    spaces = 0;
    if (L.collecting && !L.directive_line && upto > run) CollectText(G, line + run, upto - run);
    run = upto;
  };
  while (i < length) {
    const unsigned char c = static_cast<unsigned char>(line[i]);
    uint8_t kind = kCodeScan.kind[c];
    if (other && kind == kSpecial && kCodeCharacters.acts[c] != 0) kind = kInert;
    if (kind == kBlankSpace) {
      ++spaces;
      ++i;
      continue;
    }
    if (kind == kWordStart && i > 0 && IsIdentChar(line[i - 1])) kind = kInert;
    if (kind == kInert) {
      visible = true;
      last = static_cast<char>(c);
      ++i;
      continue;
    }
    if (kind == kSpecial) break;
    // An identifier starts here.
    int end = i + 1;
    while (IsIdentChar(line[end])) ++end;
    flush(end);  // the word is code text like the run before it
    L.blank = false;
    L.code_seen = true;
    if (!other) {
      const Word word = LookupWord(line + i, end - i);
      if (word != Word::kNone) {
        StructureWord(G, line, i, end, word);
        CountCodeWord(G, line, i, end, word);
      }
    }
    last = line[end - 1];
    L.last_nonblank = last;
    i = end;
    run = i;
    if (L.in_string || L.in_char_literal || L.in_block_comment || L.in_line_comment ||
        L.suppress_rest_of_line) {
      return i;
    }
  }
  flush(i);
  return i;
}

// The fast character loop: segments that change no state are counted a
// piece at a time; every other character takes a full step.
void FastCharacterLoop(GlobalData& G, const char* line, int length,
                       int32_t line_number) {
  LexState& L = G.lex;
  int i = 0;
  while (i < length) {
    if (!L.suppress_rest_of_line) {
      if (L.in_line_comment) {
        CountSegment(G, line + i, length - i, true, false, line_number);
        return;
      }
      if (L.in_block_comment) {
        i = ScanBlockComment(G, line, i, length, line_number);
        continue;
      }
      if (L.in_string) {
        if (!L.collecting) {
          i = ScanString(G, line, i, length, line_number);
          if (i >= length) return;
        }
      } else if (!L.in_char_literal) {
        i = ScanCode(G, line, i, length, line_number);
        if (i >= length) return;
      }
    }
    i = Step<false>(G, line, i, line_number);
  }
}

void StartLine(GlobalData& G, const char* line, int length) {
  LexState& L = G.lex;
  if (!G.lang.flags.other) CheckLineStart(G, line);
  int first = 0;
  while (IsBlank(line[first])) ++first;
  L.first_nonblank = first;
  L.directive_line = line[first] == '#' || (L.continuation && L.preprocessor_line);
  G.file.characters_count += length;
  if (!L.continuation) {
    L.extraction.Clear();
    L.quote_parity = 0;
  }
  L.blank = true;
  L.code_seen = false;
  L.comment_seen = L.in_block_comment;
  L.brace_line = L.paren_line = false;
  L.logical = false;
  L.comment_line = false;
  L.last_nonblank = ' ';
  if (length > G.settings.max_line_length) {
    NoticeArgs args;
    args.ints[0] = length;
    args.ints[1] = G.settings.max_line_length;
    RaiseNotice(G, kNoticeLineLength, G.reader.line_number, args);
  }
}

void EndLine(GlobalData& G, const char* line, int length, int32_t line_number) {
  LexState& L = G.lex;
  FileMetrics& F = G.file;
  if (L.blank) L.comment_seen = false;
  // The -d trace and the -wD listing together print neither.
  if (G.sw.loc_determination && !G.sw.work_deterministic && !G.lang.flags.other) {
    TraceLine(G, line, line_number);
  }
  if (L.blank) {
    ++F.blank_lines_count;
    L.consecutive_comment_lines = 0;
  }
  if (L.code_seen) ++F.loc_count;
  if (G.udqn.line_pass) ApplyUdqns(G, line, length, line_number);
  const bool comment_line = IsCommentLine(L);
  L.comment_line = comment_line;
  if (comment_line) {
    ++F.comment_lines_count;
    ++L.consecutive_comment_lines;
    if (HasFallThroughPhrase(line)) ++F.fall_through_count;
    if ((G.sw.extract_comments || G.sw.comment_documentation) &&
        G.utility.extraction_sink != nullptr) {
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
  if (G.sw.debug) DebugSplitTexts(G, line);
  if (L.want_split_texts || G.udqn.wants_split_texts) {
    L.code_text.Clear();
    L.comment_text.Clear();
    L.string_text.Clear();
  }
}

}  // namespace

void AnalyzeLine(const char* line, int32_t line_number, GlobalData& G) {
  int length = static_cast<int>(std::strlen(line));
  if (length > 0 && line[length - 1] == '\n') --length;
  if (length > 0 && line[length - 1] == '\r') --length;
  StartLine(G, line, length);
  // User-defined notices need the split texts only on lines that could
  // hold a match.
  const bool udqn_split = G.udqn.line_pass && PrefilterUdqnLine(G, line, length);
  const bool full = udqn_split || G.lex.want_split_texts ||
                    G.sw.debug || G.sw.extract_strings ||
                    G.sw.extract_comments || G.sw.comment_documentation;
  if (full) {
    for (int i = 0; i < length;) i = Step<true>(G, line, i, line_number);
  } else {
    FastCharacterLoop(G, line, length, line_number);
  }
  EndLine(G, line, length, line_number);
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
