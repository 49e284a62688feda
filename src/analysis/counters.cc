#include "analysis/counters.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "base/line_text.h"
#include "quality/notices.h"
#include "zav/notice_numbers.h"

namespace zav {
namespace {

// The characters that may stand before a counted word.
constexpr CharSet kBeforeS(" \t;)={}");
constexpr CharSet kBeforeE(" \t;)=}");
constexpr CharSet kBeforeB(" \t{};");
constexpr CharSet kBeforeM(" \t;)=");
constexpr CharSet kBeforeW(" \t;){}");
constexpr CharSet kBeforeV(" \t;:()={}");
constexpr CharSet kBeforeX(" \t;");
// The end of a macro name: a blank, "(", a line end or the NUL after the
// line text (added apart, as it would end the string).
constexpr CharSet kMacroNameEnd = [] {
  CharSet set(" \t(\r\n");
  set.Add('\0');
  return set;
}();

// The end of the macro name that starts at line[n] (see kMacroNameEnd),
// at most kLinePieceMax. Many characters at a time: the line's padding
// makes them readable, and the NUL after its text ends every name.
int MacroNameEnd(const char* line, int n) {
#if defined(__SSE2__)
  auto ends = [line](int e) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + e));
    const __m128i end = _mm_or_si128(
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(' ')),
                                  _mm_cmpeq_epi8(v, _mm_set1_epi8('\t'))),
                     _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('(')),
                                  _mm_cmpeq_epi8(v, _mm_set1_epi8('\r')))),
        _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\n')),
                     _mm_cmpeq_epi8(v, _mm_setzero_si128())));
    return static_cast<uint32_t>(_mm_movemask_epi8(end));
  };
  // The first 32 characters in one step: most names end there, where a
  // step of sixteen ends after one or two rounds, a branch that is hard
  // to predict.
  const uint32_t first = ends(n) | ends(n + 16) << 16;
  if (first != 0) return std::min(n + __builtin_ctz(first), kLinePieceMax);
  if (n + 32 >= kLinePieceMax) return kLinePieceMax;
  for (int e = n + 32;; e += 16) {
    const uint32_t m = ends(e);
    if (m != 0) return std::min(e + __builtin_ctz(m), kLinePieceMax);
    if (e + 16 >= kLinePieceMax) return kLinePieceMax;
  }
#else
  int e = n;
  while (e < kLinePieceMax && !kMacroNameEnd.Has(line[e])) ++e;
  return e;
#endif
}

bool Before(const char* line, int start, const CharSet& set) {
  return start == 0 || set.Has(line[start - 1]);
}

// B: a space, tab, line feed or carriage return, or a comment, follows.
bool BlankEnd(const char* line, int pos) {
  return IsWhiteSpace(line[pos]) || CommentStartsAt(line, pos);
}

// B without the line ends: a space, tab or comment follows.
bool SpaceEnd(const char* line, int pos) {
  return IsBlank(line[pos]) || CommentStartsAt(line, pos);
}

// N(x): after spaces and tabs comes x, a line end or a comment.
bool NextIs(const char* line, int pos, char x) {
  pos = SkipBlanks(line, pos);
  char c = line[pos];
  return c == x || c == '\r' || c == '\n' || CommentStartsAt(line, pos);
}

// After a counted "enum": "{" before any of ";", ")", "," or "=" counts it
// now, one of those four first drops it, the line end leaves it pending.
void ApplyEnumRule(GlobalData& G, const char* line, int pos) {
  for (int i = pos; i < kLinePieceMax; ++i) {
    char c = line[i];
    if (c == '{') {
      ++G.file.enum_count;
      return;
    }
    if (c == ';' || c == ')' || c == ',' || c == '=') return;
    if (c == '\0' || c == '\n') break;
  }
  G.lex.enum_pending = true;
}

// After a counted "template": a line holding ";" before any "{" (or no "{"
// at all) is a declaration or instantiation and the count is taken back.
void ApplyTemplateRule(GlobalData& G, const char* line) {
  const char* semicolon = std::strchr(line, ';');
  if (semicolon == nullptr) return;  // a template header; the scope model reads it
  const char* brace = std::strchr(line, '{');
  if (brace == nullptr || semicolon < brace) --G.file.template_count;
}

bool DirectiveEnd(const char* line, int pos) { return BlankEnd(line, pos); }

// The text at line[pos] starts with `word` (at most eight characters).
// On a little-endian machine eight bytes are compared at once (the line's
// padding makes them readable; bytes past the word are masked off);
// otherwise up to the first difference, so never past the line's NUL.
template <size_t N>
bool DirectiveIs(const char* line, int pos, const char (&word)[N]) {
  static_assert(N - 1 <= 8);
  if constexpr (std::endian::native == std::endian::little) {
    constexpr uint64_t kMask = N - 1 == 8 ? ~uint64_t{0} : (uint64_t{1} << (8 * (N - 1))) - 1;
    uint64_t text;
    std::memcpy(&text, line + pos, 8);
    uint64_t expected = 0;
    for (size_t k = 0; k + 1 < N; ++k) {
      expected |= uint64_t{static_cast<unsigned char>(word[k])} << (8 * k);
    }
    return (text & kMask) == expected;
  } else {
    for (size_t k = 0; k + 1 < N; ++k) {
      if (line[pos + static_cast<int>(k)] != word[k]) return false;
    }
    return true;
  }
}

// The name of a #define whose word ends before line[n]: the line's macro
// name, whether a "(" follows it, and the run-wide macro list.
void ReadMacroName(GlobalData& G, const char* line, int n) {
  LexState& L = G.lex;
  while (n < kLinePieceMax && IsBlank(line[n])) ++n;
  // The name fits: it lies inside the line's 2,047 characters. Most
  // names are short: up to 32 characters are copied in two fixed steps
  // (the line's padding makes them readable), longer ones by memcpy.
  const int e = n < kLinePieceMax ? MacroNameEnd(line, n) : n;
  if (e - n <= 32) {
    std::memcpy(L.macro_name.text, line + n, 16);
    std::memcpy(L.macro_name.text + 16, line + n + 16, 16);
  } else {
    std::memcpy(L.macro_name.text, line + n, e - n);
  }
  L.macro_name.text[e - n] = '\0';
  L.macro_name.length = e - n;
  L.function_like_macro = line[e] == '(';
  if (!L.macro_name.Empty()) {
    G.lists.macro_names.insert_soon(std::string_view(L.macro_name.text, L.macro_name.length),
                                    true);  // a TextBuffer of 2,048 bytes
  }
}

// A "#" that starts a preprocessor marker.
[[gnu::noinline]] void CountPreprocessor(GlobalData& G, const char* line, int i) {
  LexState& L = G.lex;
  FileMetrics& F = G.file;
  ++F.preprocessor_lines_count;
  L.preprocessor_line = true;
  int p = i + 1;
  while (p < kLinePieceMax && IsBlank(line[p])) ++p;
  // The directives start with different letters but "include" and "if".
  const char first = line[p];
  if (first != 'd' && first != 'i' && first != 'e' && first != 'r') return;
  if (DirectiveIs(line, p, "define") && DirectiveEnd(line, p + 6)) {
    ++F.define_count;
    ++F.macros_count;
    L.define_line = true;
    if (!L.line_counts_only) ReadMacroName(G, line, p + 6);
  } else if (DirectiveIs(line, p, "include") && DirectiveEnd(line, p + 7)) {
    ++F.include_count;
  } else if (DirectiveIs(line, p, "if")) {
    L.conditional_directive = true;
    L.if_directive_line = true;
  } else if (DirectiveIs(line, p, "error") &&
             (line[p + 5] == ' ' || line[p + 5] == '\t' || line[p + 5] == '\n' ||
              line[p + 5] == '\r' || CommentStartsAt(line, p + 5))) {
    L.error_directive = true;
  } else if (DirectiveIs(line, p, "region") &&
             InSet(line[p + 6], " \t\r\n/")) {
    L.suppress_rest_of_line = true;
  }
}

// The paren-line and brace-line test of one character that starts the
// line (only such a character can be all the line holds). Out of line, as
// the test rarely runs and the character counts run for most code
// characters.
[[gnu::noinline]] void TestOnlyCharacterLine(GlobalData& G, const char* line, int i,
                                             int64_t& counter) {
  const char c = line[i];
  if (NothingFollows(line, i + 1)) {
    ++counter;
    if (c == '{' || c == '}') {
      G.lex.brace_line = true;
    } else {
      G.lex.paren_line = true;
    }
  }
}

}  // namespace

// More ")" than "(" so far: the immediate form of the notice, and the
// count is held at the opening ones. Out of line, as the character
// counts run for most code characters.
[[gnu::noinline]] void RaiseParenthesesUnequal(GlobalData& G) {
  NoticeArgs args;
  args.variant = 1;  // the immediate form
  RaiseNotice(G, kNoticeParenthesesUnequal, G.reader.line_number, args);
  G.file.close_paren_count = G.file.open_paren_count;
}

void CountParenLine(GlobalData& G, const char* line, int i) {
  TestOnlyCharacterLine(G, line, i, G.file.parenline_count);
}

void CountBrace(GlobalData& G, const char* line, int i, bool open) {
  LexState& L = G.lex;
  FileMetrics& F = G.file;
  const bool starts_line = i == L.first_nonblank;
  if (open) {
    ++F.open_brace_count;
    if (L.enum_pending) {
      ++F.enum_count;
      L.enum_pending = false;
    }
    if (starts_line) TestOnlyCharacterLine(G, line, i, F.braceline_count);
    return;
  }
  ++F.close_brace_count;
  if (starts_line) TestOnlyCharacterLine(G, line, i, F.braceline_count);
  if (F.close_brace_count > F.open_brace_count) {
    F.close_brace_count = F.open_brace_count;
  }
}

void CountBracket(GlobalData& G, bool open) {
  LexState& L = G.lex;
  FileMetrics& F = G.file;
  if (open) {
    ++F.open_bracket_count;
    if (L.attribute_open) {
      ++L.attribute_depth;
    } else if ((G.lang.flags.cpp || G.lang.flags.header || G.lang.flags.csharp) &&
               !G.scope.in_class && !G.func.in_header) {
      L.attribute_open = true;
      L.attribute_depth = 1;
    }
    return;
  }
  ++F.close_bracket_count;
  if (L.attribute_open && --L.attribute_depth <= 0) {
    L.attribute_open = false;
    L.attribute_depth = 0;
  }
}

void CountSemicolon(GlobalData& G) {
  ++G.file.semicolon_count;
  G.lex.logical = true;
  G.lex.delegate_mark = false;
}

// The parentheses, most of the characters that come here, are tested
// first and apart from the rest.
void CountCodeCharacter(GlobalData& G, const char* line, int i) {
  const char c = line[i];
  if (c == '(' || c == ')') {
    CountParen(G, line, i, c == '(');
    return;
  }
  switch (c) {
    case '{':
    case '}':
      CountBrace(G, line, i, c == '{');
      break;
    case '[':
    case ']':
      CountBracket(G, c == '[');
      break;
    case ';':
      CountSemicolon(G);
      break;
    case '#':
      if (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t') {
        CountPreprocessor(G, line, i);
      }
      break;
    default:
      break;
  }
}

namespace {

// How a counted word must be followed: any one test that is set and holds.
struct FollowRule {
  bool blank = false;      // B: white space or a comment
  bool space = false;      // B without the line ends
  const char* chars = "";  // one of these characters at once
  char next = '\0';        // N(next)
  bool comment = false;    // a comment at once
};

bool Follows(const char* line, int pos, const FollowRule& f) {
  return (f.blank && BlankEnd(line, pos)) || (f.space && SpaceEnd(line, pos)) ||
         InSet(line[pos], f.chars) || (f.next != '\0' && NextIs(line, pos, f.next)) ||
         (f.comment && CommentStartsAt(line, pos));
}

// The languages in which a word counts.
enum class Only : uint8_t { kAll, kNotC, kNotCInClass, kJava, kCppOrCSharp, kCSharp };

bool Counts(const GlobalData& G, Only only) {
  const LanguageFlags& lang = G.lang.flags;
  switch (only) {
    case Only::kAll: return true;
    case Only::kNotC: return !lang.c;
    case Only::kNotCInClass: return !lang.c && G.scope.in_class;
    case Only::kJava: return lang.java;
    case Only::kCppOrCSharp: return lang.cpp || lang.csharp;
    case Only::kCSharp: return lang.csharp;
  }
  return false;
}

using Counter = decltype(FileMetrics::if_count) FileMetrics::*;

struct WordRule {
  Word word;
  const CharSet* before;
  FollowRule follow;
  Counter counter;  // nullptr: enum, return and delegate have rules of their own
  Only only = Only::kAll;
};

// One row per counted word, in the order of Word.
constexpr WordRule kWordRules[] = {
    {Word::kIf, &kBeforeS, {.next = '('}, &FileMetrics::if_count},
    {Word::kElse, &kBeforeE, {.blank = true, .chars = "{"}, &FileMetrics::else_count},
    {Word::kFor, &kBeforeS, {.next = '('}, &FileMetrics::for_count},
    {Word::kForeach, &kBeforeS, {.next = '('}, &FileMetrics::for_count},
    {Word::kWhile, &kBeforeW, {.next = '('}, &FileMetrics::while_count},
    {Word::kDo, &kBeforeS, {.blank = true}, &FileMetrics::do_count},
    {Word::kSwitch, &kBeforeS, {.blank = true, .next = '('}, &FileMetrics::switch_count},
    {Word::kCase, &kBeforeS, {.blank = true, .chars = ":("}, &FileMetrics::case_count},
    {Word::kDefault, &kBeforeS, {.space = true, .next = ':'}, &FileMetrics::default_count},
    {Word::kBreak, &kBeforeB, {.space = true, .next = ';'}, &FileMetrics::break_count},
    {Word::kReturn, &kBeforeS, {}, nullptr},
    {Word::kGoto, &kBeforeS, {.blank = true}, &FileMetrics::goto_count},
    {Word::kExit, &kBeforeE, {.next = '('}, &FileMetrics::exit_count},
    {Word::kUnderscoreExit, &kBeforeX, {.next = '('}, &FileMetrics::_exit_count},
    {Word::kAbort, &kBeforeS, {.next = '('}, &FileMetrics::abort_count},
    {Word::kMalloc, &kBeforeM, {.next = '('}, &FileMetrics::memory_alloc_count},
    {Word::kCalloc, &kBeforeS, {.next = '('}, &FileMetrics::memory_alloc_count},
    {Word::kAlloc, &kBeforeS, {.next = '('}, &FileMetrics::memory_alloc_count},
    {Word::kFree, &kBeforeS, {.next = '('}, &FileMetrics::memory_free_count},
    {Word::kNew, &kBeforeS, {.blank = true, .chars = "("}, &FileMetrics::memory_new_count,
     Only::kNotC},
    {Word::kDelete, &kBeforeS, {.blank = true, .chars = "(["},
     &FileMetrics::memory_delete_count, Only::kNotC},
    {Word::kConst, &kBeforeS, {.blank = true, .chars = "("}, &FileMetrics::const_count},
    {Word::kEnum, &kBeforeE, {.blank = true, .chars = "{"}, nullptr},
    {Word::kTypedef, &kBeforeS, {.blank = true}, &FileMetrics::typedef_count},
    {Word::kUnion, &kBeforeS, {.next = '{'}, &FileMetrics::union_count},
    {Word::kTemplate, &kBeforeS, {.next = '<'}, &FileMetrics::template_count, Only::kNotC},
    {Word::kFriend, &kBeforeS, {.blank = true}, &FileMetrics::friend_count, Only::kNotC},
    {Word::kVirtual, &kBeforeV, {.chars = " \t\n(", .comment = true},
     &FileMetrics::virtual_function_count, Only::kNotCInClass},
    {Word::kInline, &kBeforeS, {.blank = true, .chars = "([;)"},
     &FileMetrics::inline_function_count},
    {Word::kImport, &kBeforeS, {.blank = true}, &FileMetrics::import_count, Only::kJava},
    {Word::kUsing, &kBeforeS, {.chars = " \t\n", .comment = true}, &FileMetrics::using_count,
     Only::kCppOrCSharp},
    {Word::kDelegate, &kBeforeS, {}, nullptr, Only::kCSharp},
};

constexpr bool RulesInWordOrder() {
  int i = static_cast<int>(Word::kIf);
  for (const WordRule& rule : kWordRules) {
    if (rule.word != static_cast<Word>(i++)) return false;
  }
  return i == static_cast<int>(Word::kDelegate) + 1;
}
static_assert(RulesInWordOrder());

}  // namespace

void CountListedWord(GlobalData& G, const char* line, int start, int end, Word word) {
  const WordRule& rule = kWordRules[static_cast<int>(word) - static_cast<int>(Word::kIf)];
  if (!Counts(G, rule.only) || !Before(line, start, *rule.before)) return;
  const int e = end;  // first character after the word
  switch (word) {
    case Word::kReturn: {
      // "return;" and "return x" count unless a C# delegate is open;
      // otherwise only "return (".
      const bool first_form = SpaceEnd(line, e) || line[e] == ';';
      if (first_form ? !G.lex.delegate_mark : NextIs(line, e, '(')) ++G.file.return_count;
      return;
    }
    case Word::kDelegate:
      G.lex.delegate_mark = true;
      return;
    case Word::kElse:
      if (G.lex.preprocessor_line) return;
      break;
    default:
      break;
  }
  if (!Follows(line, e, rule.follow)) return;
  if (word == Word::kEnum) {
    ApplyEnumRule(G, line, e);
    return;
  }
  ++(G.file.*rule.counter);
  if (word == Word::kTemplate) ApplyTemplateRule(G, line);
  if (word == Word::kGoto) RaiseNotice(G, kNoticeGoto, G.reader.line_number);
}

bool ShowsLineCountsOnly(const GlobalData& G) {
  const Switches& sw = G.sw;
  // Every report switch but -s, every output format but text and HTML,
  // and a baseline run may show more: a count, a function, a listed macro,
  // a class, a notice. (Which notices a run needs is decided apart, by
  // DecideNoticeNeed at start-up; such a run needs none. A run of -fa alone
  // has a rule of its own, ShowsFunctionFiguresOnly.)
  return sw.summary &&
         !(sw.report_switch_given || sw.functional || sw.objects || sw.inheritance ||
           sw.macros || sw.class_methods || sw.notices || sw.verbose || sw.totals_only ||
           sw.csv || sw.xml || sw.machine != MachineFormat::kNone || sw.work_create ||
           G.baseline.line_hook != nullptr);
}

// Plain -fa shows per file the line counts (LOC, eLOC, lLOC, comment lines,
// lines) and each function's name, parameters, sizes, returns, cyclomatic,
// interface and total complexity (counted by function detection itself,
// not by the counters here), then the file's function summary and the
// project's function figures. What it computes besides, and no report of
// it reads, is left out where it costs:
// - The keyword counts but the loops' (CountCodeWord): read by the keyword
//   metrics (-v, -Tv), the memory summary (-a), the CSV, XML and JSON
//   counters, the work file and a baseline run; by the checks only through
//   the "goto" notice and the C++ file's "new" against "delete" count,
//   which are kept while the file's checks run (until its first notice or
//   function, see DecideNoticeNeed). The states the "enum", "template" and
//   "delegate" rules leave feed their own counts alone.
// - The member declarations of a class body (UpdateCollecting): read by the
//   class's attribute figures (the class records of -o, -i, -fm, the -T
//   forms and JSON, the objects report's class blocks, the namespace
//   figures), the class data listing (-fm, ZAVCLASSMF) and the data member
//   checks, which run while the file's checks run. Function detection
//   reads them for a Java record's compact constructor, so a record's body
//   is always collected. C++ also reads them for whether a brace directly in
//   a class body opens a member's initialiser: without collection such a
//   brace is a plain block, and the two kinds act alike where no member
//   text is read (neither is a level where a function header may begin,
//   neither collects, and outside a function body the close of either
//   does nothing more).
// - A named class's record look-up and its cleaned inheritance (BeginClass):
//   read by the class, interface and inheritance counts (-v, CSV, XML,
//   JSON), the class records (kept for -o, -i, the -T forms and JSON) and
//   the multiple inheritance notice of -n with -o. Such a run, like one of
//   the line counts alone, keeps no record: the figures go to the unkept
//   one.
// The #define names stay: function detection and the class names read the
// run-wide macro list. So does the #if brace tracking, which takes braces
// back in function bodies. Every other report switch, every format but
// text and HTML, a work file, a baseline and the debug traces keep the
// full path. (A run of the line counts alone is decided apart, by
// ShowsLineCountsOnly; which notices a run needs, by DecideNoticeNeed.)
bool ShowsFunctionFiguresOnly(const GlobalData& G) {
  const Switches& sw = G.sw;
  return sw.functional &&
         !(sw.allocation || sw.benchmark || sw.complexity || sw.loc_determination ||
           sw.estimate || sw.function_detail || sw.class_methods || sw.function_points ||
           sw.inheritance || sw.function_list || sw.macros || sw.notices ||
           sw.notice_collect || sw.objects || sw.verbose || sw.totals_only ||
           sw.code_listing || sw.Decharacter() || sw.Extraction() ||
           sw.comment_documentation || sw.csv || sw.xml || sw.csv_template ||
           !sw.csv_report_config.empty() || sw.udqn_show || sw.debug ||
           sw.machine != MachineFormat::kNone || sw.work_create ||
           G.baseline.line_hook != nullptr);
}

void ResetLexState(GlobalData& G) {
  bool continuation = G.lex.continuation;
  G.lex.in_block_comment = false;
  G.lex.in_line_comment = false;
  G.lex.in_string = false;
  G.lex.in_char_literal = false;
  G.lex.block_comment_start_line = 0;
  G.lex.block_comment_open_pos = 0;
  G.lex.quote_parity = 0;
  G.lex.continuation = continuation;
  G.lex.blank = true;
  G.lex.code_seen = G.lex.comment_seen = G.lex.logical = false;
  G.lex.brace_line = G.lex.paren_line = false;
  G.lex.suppress_rest_of_line = G.lex.java_annotation = false;
  G.lex.preprocessor_line = G.lex.define_line = false;
  G.lex.function_like_macro = G.lex.error_directive = false;
  G.lex.conditional_directive = false;
  G.lex.enum_pending = G.lex.attribute_open = false;
  G.lex.attribute_depth = 0;
  G.lex.delegate_mark = G.lex.class_header_paren = false;
  G.lex.consecutive_comment_lines = 0;
  G.lex.code_text.Clear();
  G.lex.comment_text.Clear();
  G.lex.string_text.Clear();
  G.lex.extern_on_line = G.lex.previous_line_extern = false;
  G.lex.macro_name.Clear();
  G.lex.if_directive_line = false;
  G.lex.collecting = false;
}

void FileCounters(GlobalData& G) {
  const FileMetrics& f = G.file;
  G.project.Accumulate(f);
  LanguageLines& group = G.lang.group_lines[G.lang.flags.Group()];
  group.loc += f.loc_count;
  group.eloc += f.Eloc();
  group.lloc += f.Lloc();
  group.comments += f.comment_lines_count;
  group.blanks += f.blank_lines_count;
  group.lines += f.total_physical_lines_count;
}

}  // namespace zav
