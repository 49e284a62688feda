#include "analysis/counters.h"

#include <cstring>

#include "analysis/line_text.h"
#include "quality/notices.h"

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
constexpr CharSet kMacroNameEnd(" \t(\r\n");

bool Before(const char* line, int start, const CharSet& set) {
  return start == 0 || set.Has(line[start - 1]);
}

bool CommentStartsAt(const char* line, int pos) {
  return line[pos] == '/' && (line[pos + 1] == '/' || line[pos + 1] == '*');
}

// B: a space, tab, line feed or carriage return, or a comment, follows.
bool BlankEnd(const char* line, int pos) {
  char c = line[pos];
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' ||
         CommentStartsAt(line, pos);
}

// B without the line ends: a space, tab or comment follows.
bool SpaceEnd(const char* line, int pos) {
  char c = line[pos];
  return c == ' ' || c == '\t' || CommentStartsAt(line, pos);
}

// N(x): after spaces and tabs comes x, a line end or a comment.
bool NextIs(const char* line, int pos, char x) {
  pos = SkipBlanks(line, pos);
  char c = line[pos];
  return c == x || c == '\r' || c == '\n' || CommentStartsAt(line, pos);
}

bool FollowedByOneOf(const char* line, int pos, const char* chars) {
  return InSet(line[pos], chars);
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

bool DirectiveIs(const char* line, int pos, const char* word) {
  size_t n = std::strlen(word);
  return std::strncmp(line + pos, word, n) == 0;
}

// A "#" that starts a preprocessor marker.
void CountPreprocessor(GlobalData& G, const char* line, int i) {
  LexState& L = G.lex;
  FileMetrics& F = G.file;
  ++F.preprocessor_lines_count;
  L.preprocessor_line = true;
  int p = SkipBlanks(line, i + 1);
  if (DirectiveIs(line, p, "define") && DirectiveEnd(line, p + 6)) {
    ++F.define_count;
    ++F.macros_count;
    L.define_line = true;
    int n = SkipBlanks(line, p + 6);
    int e = n;
    while (e < kLinePieceMax && line[e] != '\0' && !kMacroNameEnd.Has(line[e])) ++e;
    L.macro_name.Clear();
    L.macro_name.Append(line + n, e - n);
    L.function_like_macro = line[e] == '(';
    if (!L.macro_name.Empty()) {
      G.lists.macro_names.insert(
          std::string_view(L.macro_name.text, L.macro_name.length));
    }
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

// The paren-line and brace-line test of one character.
void TestOnlyCharacterLine(GlobalData& G, const char* line, int i,
                           int64_t& counter) {
  const char c = line[i];
  // Only a character that starts the line can be all the line holds.
  if (i == G.lex.first_nonblank && OnlyCharacter(line, c)) {
    ++counter;
    if (c == '{' || c == '}') {
      G.lex.brace_line = true;
    } else {
      G.lex.paren_line = true;
    }
  }
}

}  // namespace

void CountCodeCharacter(GlobalData& G, const char* line, int i) {
  LexState& L = G.lex;
  FileMetrics& F = G.file;
  char c = line[i];
  switch (c) {
    case '(':
      ++F.open_paren_count;
      if (!L.attribute_open && !L.class_header_paren) {
        TestOnlyCharacterLine(G, line, i, F.parenline_count);
      }
      break;
    case ')':
      ++F.close_paren_count;
      if (L.class_header_paren) {
        L.class_header_paren = false;
      } else if (!L.attribute_open) {
        TestOnlyCharacterLine(G, line, i, F.parenline_count);
      }
      if (F.close_paren_count > F.open_paren_count) {
        NoticeArgs args;
        args.variant = 1;  // the immediate form
        RaiseNotice(G, 12, G.reader.line_number, args);
        F.close_paren_count = F.open_paren_count;
      }
      break;
    case '{':
      ++F.open_brace_count;
      if (L.enum_pending) {
        ++F.enum_count;
        L.enum_pending = false;
      }
      TestOnlyCharacterLine(G, line, i, F.braceline_count);
      break;
    case '}':
      ++F.close_brace_count;
      TestOnlyCharacterLine(G, line, i, F.braceline_count);
      if (F.close_brace_count > F.open_brace_count) {
        F.close_brace_count = F.open_brace_count;
      }
      break;
    case '[':
      ++F.open_bracket_count;
      if (L.attribute_open) {
        ++L.attribute_depth;
      } else if ((G.lang.flags.cpp || G.lang.flags.header ||
                  G.lang.flags.csharp) &&
                 !G.scope.in_class && !G.func.in_header) {
        L.attribute_open = true;
        L.attribute_depth = 1;
      }
      break;
    case ']':
      ++F.close_bracket_count;
      if (L.attribute_open && --L.attribute_depth <= 0) {
        L.attribute_open = false;
        L.attribute_depth = 0;
      }
      break;
    case ';':
      ++F.semicolon_count;
      L.logical = true;
      L.delegate_mark = false;
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

void CountCodeWord(GlobalData& G, const char* line, int start, int end,
                   Word word) {
  FileMetrics& F = G.file;
  const LanguageFlags& lang = G.lang.flags;
  const int e = end;  // first character after the word
  switch (word) {
    case Word::kIf:
      if (Before(line, start, kBeforeS) && NextIs(line, e, '(')) ++F.if_count;
      break;
    case Word::kElse:
      if (!G.lex.preprocessor_line && Before(line, start, kBeforeE) &&
          (BlankEnd(line, e) || line[e] == '{')) {
        ++F.else_count;
      }
      break;
    case Word::kFor:
    case Word::kForeach:
      if (Before(line, start, kBeforeS) && NextIs(line, e, '(')) ++F.for_count;
      break;
    case Word::kWhile:
      if (Before(line, start, kBeforeW) && NextIs(line, e, '(')) {
        ++F.while_count;
      }
      break;
    case Word::kDo:
      if (Before(line, start, kBeforeS) && BlankEnd(line, e)) ++F.do_count;
      break;
    case Word::kSwitch:
      if (Before(line, start, kBeforeS) &&
          (BlankEnd(line, e) || NextIs(line, e, '('))) {
        ++F.switch_count;
      }
      break;
    case Word::kCase:
      if (Before(line, start, kBeforeS) &&
          (BlankEnd(line, e) || FollowedByOneOf(line, e, ":("))) {
        ++F.case_count;
      }
      break;
    case Word::kDefault:
      if (Before(line, start, kBeforeS) &&
          (SpaceEnd(line, e) || line[e] == ':' || NextIs(line, e, ':'))) {
        ++F.default_count;
      }
      break;
    case Word::kBreak:
      if (Before(line, start, kBeforeB) &&
          (SpaceEnd(line, e) || line[e] == ';' || NextIs(line, e, ';'))) {
        ++F.break_count;
      }
      break;
    case Word::kReturn:
      if (Before(line, start, kBeforeS)) {
        bool first_form = SpaceEnd(line, e) || line[e] == ';';
        if (first_form ? !G.lex.delegate_mark : NextIs(line, e, '(')) {
          ++F.return_count;
        }
      }
      break;
    case Word::kGoto:
      if (Before(line, start, kBeforeS) && BlankEnd(line, e)) {
        ++F.goto_count;
        RaiseNotice(G, 9, G.reader.line_number);
      }
      break;
    case Word::kExit:
      if (Before(line, start, kBeforeE) && NextIs(line, e, '(')) ++F.exit_count;
      break;
    case Word::kUnderscoreExit:
      if (Before(line, start, kBeforeX) && NextIs(line, e, '(')) {
        ++F._exit_count;
      }
      break;
    case Word::kAbort:
      if (Before(line, start, kBeforeS) && NextIs(line, e, '(')) ++F.abort_count;
      break;
    case Word::kMalloc:
      if (Before(line, start, kBeforeM) && NextIs(line, e, '(')) {
        ++F.memory_alloc_count;
      }
      break;
    case Word::kCalloc:
    case Word::kAlloc:
      if (Before(line, start, kBeforeS) && NextIs(line, e, '(')) {
        ++F.memory_alloc_count;
      }
      break;
    case Word::kFree:
      if (Before(line, start, kBeforeS) && NextIs(line, e, '(')) {
        ++F.memory_free_count;
      }
      break;
    case Word::kNew:
      if (!lang.c && Before(line, start, kBeforeS) &&
          (BlankEnd(line, e) || line[e] == '(')) {
        ++F.memory_new_count;
      }
      break;
    case Word::kDelete:
      if (!lang.c && Before(line, start, kBeforeS) &&
          (BlankEnd(line, e) || line[e] == '(' || line[e] == '[')) {
        ++F.memory_delete_count;
      }
      break;
    case Word::kConst:
      if (Before(line, start, kBeforeS) &&
          (BlankEnd(line, e) || line[e] == '(')) {
        ++F.const_count;
      }
      break;
    case Word::kEnum:
      if (Before(line, start, kBeforeE) &&
          (BlankEnd(line, e) || line[e] == '{')) {
        ApplyEnumRule(G, line, e);
      }
      break;
    case Word::kTypedef:
      if (Before(line, start, kBeforeS) && BlankEnd(line, e)) ++F.typedef_count;
      break;
    case Word::kUnion:
      if (Before(line, start, kBeforeS) && NextIs(line, e, '{')) ++F.union_count;
      break;
    case Word::kTemplate:
      if (!lang.c && Before(line, start, kBeforeS) && NextIs(line, e, '<')) {
        ++F.template_count;
        ApplyTemplateRule(G, line);
      }
      break;
    case Word::kFriend:
      if (!lang.c && Before(line, start, kBeforeS) && BlankEnd(line, e)) {
        ++F.friend_count;
      }
      break;
    case Word::kVirtual:
      if (!lang.c && G.scope.in_class && Before(line, start, kBeforeV) &&
          (FollowedByOneOf(line, e, " \t\n(") || CommentStartsAt(line, e))) {
        ++F.virtual_function_count;
      }
      break;
    case Word::kInline:
      if (Before(line, start, kBeforeS) &&
          (BlankEnd(line, e) || FollowedByOneOf(line, e, "([;)"))) {
        ++F.inline_function_count;
      }
      break;
    case Word::kImport:
      if (lang.java && Before(line, start, kBeforeS) && BlankEnd(line, e)) {
        ++F.import_count;
      }
      break;
    case Word::kUsing:
      if ((lang.cpp || lang.csharp) && Before(line, start, kBeforeS) &&
          (FollowedByOneOf(line, e, " \t\n") || CommentStartsAt(line, e))) {
        ++F.using_count;
      }
      break;
    case Word::kDelegate:
      if (lang.csharp && Before(line, start, kBeforeS)) {
        G.lex.delegate_mark = true;
      }
      break;
    default:
      break;
  }
}

void ResetFileState(GlobalData& G) {
  G.file = FileMetrics{};
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
  G.reader = ReaderState{};
  G.scope.Reset();
  G.func.Reset(G.sw.functional);
  G.checks = CheckState{};
}

int CurrentLanguageGroup(const GlobalData& G) {
  const LanguageFlags& f = G.lang.flags;
  if (f.header) return kGroupHeader;
  if (f.c) return kGroupC;
  if (f.cpp) return kGroupCpp;
  if (f.java) return kGroupJava;
  if (f.csharp) return kGroupCSharp;
  return kGroupOther;
}

void FileCounters(GlobalData& G) {
  const FileMetrics& f = G.file;
  G.project.Accumulate(f);
  LanguageLines& group = G.lang.group_lines[CurrentLanguageGroup(G)];
  group.loc += f.loc_count;
  group.eloc += f.Eloc();
  group.lloc += f.Lloc();
  group.comments += f.comment_lines_count;
  group.blanks += f.blank_lines_count;
  group.lines += f.total_physical_lines_count;
}

void LoadProjectTotals(GlobalData& G) { G.file = G.project; }

}  // namespace zav
