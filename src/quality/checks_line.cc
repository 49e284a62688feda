// Line-level quality checks: words and characters as the analyser meets
// them, and the unbound-keyword check between lines.
#include <cstring>

#include "base/line_text.h"
#include "quality/checks.h"
#include "quality/notices.h"
#include "zav/notice_numbers.h"

namespace zav {
namespace {


int32_t Line(const GlobalData& G) { return G.reader.line_number; }

// The C++ words a C file should not use as names.
constexpr bool IsCppOnlyWord(Word w) {
  switch (w) {
    case Word::kAsm: case Word::kBool: case Word::kCatch: case Word::kClass:
    case Word::kConstCast: case Word::kDelete: case Word::kDynamicCast:
    case Word::kFalse: case Word::kFriend: case Word::kMutable:
    case Word::kNamespace: case Word::kNew: case Word::kOperator:
    case Word::kOverload: case Word::kPrivate: case Word::kProtected:
    case Word::kPublic: case Word::kReinterpretCast: case Word::kStaticCast:
    case Word::kTemplate: case Word::kThis: case Word::kThrow: case Word::kTrue:
    case Word::kTry: case Word::kTypeid: case Word::kUsing: case Word::kVirtual:
    case Word::kWcharT:
      return true;
    default:
      return false;
  }
}

void SetPendingKeyword(GlobalData& G, int keyword) {
  if (!G.sw.functional || !G.func.in_body || G.checks.quiet) return;
  G.checks.pending_keyword = keyword;
  G.checks.pending_line = Line(G);
}

const char* PendingKeywordText(int keyword) {
  // Indexed by PendingKeyword.
  static const char* const kTexts[] = {"", "do", "else", "for", "if", "while"};
  return kTexts[keyword];
}

// True when no other code "=" follows line[i] on the line.
bool LastAssignmentOnLine(const char* line, int i) {
  bool in_string = false;
  for (int k = i + 1; line[k] != '\0' && line[k] != '\n'; ++k) {
    const char c = line[k];
    if (c == '"' && line[k - 1] != '\\') in_string = !in_string;
    if (in_string) continue;
    if (c == '/' && line[k + 1] == '/') return true;
    if (c == '/' && line[k + 1] == '*') {
      const char* close = std::strstr(line + k + 2, "*/");
      if (close == nullptr) return true;
      k = static_cast<int>(close - line) + 1;
      continue;
    }
    if (c == '=') return false;
  }
  return true;
}

// The "= 0" of a pure virtual method: ")" or "const" before the "=".
bool PureVirtualZero(const char* line, int i) {
  int j = i - 1;
  while (j >= 0 && IsBlank(line[j])) --j;
  if (j >= 0 && line[j] == ')') return true;
  return j >= 4 && std::strncmp(line + j - 4, "const", 5) == 0;
}

[[gnu::noinline]] void CheckAssignment(GlobalData& G, const char* line, int i) {
  CheckState& C = G.checks;
  if (line[i + 1] == '=' || (i > 0 && InSet(line[i - 1], "=!<>"))) {
    return;
  }
  if (C.if_condition_level >= 0) {
    RaiseNotice(G, kNoticeAssignmentInIf, Line(G));
  } else if (C.while_cond_level >= 0) {
    RaiseNotice(G, kNoticeAssignmentInWhile, Line(G));
  }
  // Notice 50: a literal number assigned, the last "=" of the line.
  if (G.lex.preprocessor_line || C.const_in_statement) return;
  int p = SkipBlanks(line, i + 1);
  if (line[p] < '0' || line[p] > '9') return;
  if (!LastAssignmentOnLine(line, i)) return;
  const bool zero = line[p] == '0' && !IsIdentChar(static_cast<unsigned char>(line[p + 1])) &&
                    line[p + 1] != '.';
  if (zero && (PureVirtualZero(line, i) || !G.settings.zero_is_literal)) return;
  NoticeArgs args;
  args.ints[0] = 50;
  RaiseNotice(G, kNoticeLiteralAssignment, Line(G), args);
}

[[gnu::noinline]] void CheckEllipsis(GlobalData& G, const char* line, int i) {
  if (line[i + 1] != '.' || line[i + 2] != '.') return;
  if (i > 0 && line[i - 1] == '.') return;
  const char before = i > 0 ? line[i - 1] : ' ';
  const char after = line[i + 3];
  if (!InSet(before, " \t,(")) return;
  if (after != ' ' && after != '\t' && after != ')') return;
  if (G.checks.catch_seen) return;  // catch (...)
  RaiseNotice(G, kNoticeEllipsis, Line(G));
}

[[gnu::noinline]] void CheckPrefixOperator(GlobalData& G, const char* line, int i) {
  const char c = line[i];
  if (line[i + 1] != c || (i > 0 && line[i - 1] == c)) return;
  const char next = line[i + 2];
  const bool letter = (next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z') ||
                      next == '_' || next == '~';
  if (!letter) return;
  NoticeArgs args;
  args.variant = G.lex.define_line ? 1 : 0;
  RaiseNotice(G, c == '-' ? kNoticePreDecrement : kNoticePreIncrement, Line(G), args);
}

// The notices CheckCharacter raises, out of line: the character checks run
// for most code characters and so stay small, with no notice arguments
// on their stack.
[[gnu::noinline]] void RaiseLineNotice(GlobalData& G, int number) {
  RaiseNotice(G, number, Line(G));
}

[[gnu::noinline]] void RaiseFriendClass(GlobalData& G) {
  NoticeArgs args;
  args.texts[0] = G.checks.friend_name.c_str();
  RaiseNotice(G, kNoticeFriendClass, Line(G), args);
}

void PushSwitch(GlobalData& G) {
  CheckState& C = G.checks;
  const int depth = G.scope.brace_depth + G.scope.brace_overflow;
  if (C.switch_depth < kSwitchStackDepth) C.switch_stack[C.switch_depth] = depth;
  ++C.switch_depth;
  C.switch_pending = false;
}

void PopSwitchAtBrace(GlobalData& G) {
  CheckState& C = G.checks;
  if (C.switch_depth == 0) return;
  const int closed = G.scope.brace_depth + G.scope.brace_overflow + 1;
  const int top = C.switch_depth - 1;
  if (top >= kSwitchStackDepth || C.switch_stack[top] == closed) --C.switch_depth;
}

void OnBreak(GlobalData& G) {
  CheckState& C = G.checks;
  if (C.switch_depth == 0) RaiseNotice(G, kNoticeBreakOutsideSwitch, Line(G));
  if (C.last_was_break) RaiseNotice(G, kNoticeSequentialBreaks, Line(G));
  C.last_was_break = true;
  C.in_break_statement = true;
}

// The words of CheckListedWord's switch (a case added there is added here).
constexpr bool HasWordCase(Word w) {
  switch (w) {
    case Word::kRealloc: case Word::kContinue: case Word::kTry: case Word::kCatch:
    case Word::kVoid: case Word::kUsing: case Word::kFriend: case Word::kClass:
    case Word::kBreak: case Word::kCase: case Word::kDefault: case Word::kIf:
    case Word::kElse: case Word::kFor: case Word::kForeach: case Word::kWhile:
    case Word::kDo: case Word::kSwitch: case Word::kConst: case Word::kFinal:
    case Word::kVirtual:
      return true;
    default:
      return false;
  }
}

}  // namespace

const std::array<bool, static_cast<size_t>(Word::kCount)> kCheckedWords = [] {
  std::array<bool, static_cast<size_t>(Word::kCount)> words{};
  for (size_t w = 0; w < words.size(); ++w) {
    words[w] = HasWordCase(static_cast<Word>(w)) || IsCppOnlyWord(static_cast<Word>(w));
  }
  return words;
}();

// A switch, not a rule table as for the counters: each word moves its own
// piece of check state, so a table would only scatter these cases.
void CheckListedWord(GlobalData& G, const char* line, int start, int end, Word word) {
  CheckState& C = G.checks;
  const LanguageFlags& lang = G.lang.flags;
  if (lang.c && !G.lex.error_directive && IsCppOnlyWord(word) &&
      (start == 0 || InSet(line[start - 1], " \t;)={}")) &&
      !IsIdentChar(static_cast<unsigned char>(line[end]))) {
    NoticeArgs args;
    args.texts[0] = WordText(word);
    RaiseNotice(G, kNoticeCppKeywordInC, Line(G), args);
  }
  switch (word) {
    case Word::kRealloc:
      if (WholeKeyword(line, start, end, "(")) RaiseNotice(G, kNoticeRealloc, Line(G));
      break;
    case Word::kContinue:
      if (WholeKeyword(line, start, end, ";")) RaiseNotice(G, kNoticeContinue, Line(G));
      break;
    case Word::kTry:
      if (!lang.c && (lang.cpp || lang.java || lang.csharp) &&
          WholeKeyword(line, start, end, "{")) {
        RaiseNotice(G, kNoticeTryCatch, Line(G));
      }
      break;
    case Word::kCatch:
      C.catch_seen = true;
      break;
    case Word::kVoid:
      if (WholeKeyword(line, start, end, "();") && IsBlank(line[end]) &&
          NextSignificant(line, end - 1) == '*') {
        RaiseNotice(G, kNoticeVoidPointer, Line(G));
      }
      break;
    case Word::kUsing:
      if ((lang.cpp || lang.csharp) && WholeKeyword(line, start, end, "") &&
          NextWordIs(line, end, "namespace")) {
        RaiseNotice(G, kNoticeUsingNamespace, Line(G));
      }
      break;
    case Word::kFriend:
      if (lang.cpp && WholeKeyword(line, start, end, "")) C.friend_seen = true;
      break;
    case Word::kClass:
      if (C.friend_seen && WholeKeyword(line, start, end, "")) {
        C.friend_class = true;
        std::string name = FirstIdentifier(line, end);
        C.friend_name = name;
      }
      break;
    case Word::kBreak:
      if (WholeKeyword(line, start, end, ";")) OnBreak(G);
      break;
    case Word::kCase:
      if (WholeKeyword(line, start, end, ":(")) C.last_was_break = false;
      break;
    case Word::kDefault:
      if (WholeKeyword(line, start, end, ":")) C.last_was_break = false;
      break;
    case Word::kIf:
      if (WholeKeyword(line, start, end, "(")) {
        C.last_was_break = false;
        C.waiting |= kIfWaiting;
        SetPendingKeyword(G, kPendingIf);
      }
      break;
    case Word::kElse:
      if (WholeKeyword(line, start, end, "{") && !NextWordIs(line, end, "if")) {
        SetPendingKeyword(G, kPendingElse);
      }
      break;
    case Word::kFor:
    case Word::kForeach:
      if (WholeKeyword(line, start, end, "(")) SetPendingKeyword(G, kPendingFor);
      break;
    case Word::kWhile:
      if (WholeKeyword(line, start, end, "(")) C.waiting |= kWhileWaiting;
      break;
    case Word::kDo:
      if (WholeKeyword(line, start, end, "")) SetPendingKeyword(G, kPendingDo);
      break;
    case Word::kSwitch:
      if (WholeKeyword(line, start, end, "(")) C.switch_pending = true;
      break;
    case Word::kConst:
      C.const_in_statement = true;
      break;
    case Word::kFinal:
      if (lang.java) C.const_in_statement = true;
      break;
    case Word::kVirtual:
      if (G.scope.in_class && !G.func.in_body) {
        ClassFlags(G).has_virtual = true;
        ClassFlags(G).virtual_in_declaration = true;
      }
      break;
    default:
      break;
  }
}

// The parts of CheckCharacter that StructureCharacter calls directly, for
// the most frequent characters, so that each character takes one dispatch.
void CheckWhileConditionEnd(GlobalData& G, const char* line, int i) {
  G.checks.while_cond_level = -1;
  // "while (x);" ends a do-while or is an empty loop: nothing pends.
  if (NextSignificant(line, i) != ';') SetPendingKeyword(G, kPendingWhile);
}

void CheckSemicolonBody(GlobalData& G) {
  CheckState& C = G.checks;
  const bool friend_class = C.friend_class;
  C.friend_seen = C.friend_class = false;
  C.const_in_statement = false;
  if (!C.in_break_statement) C.last_was_break = false;
  C.in_break_statement = false;
  if (G.scope.in_class) ClassFlags(G).virtual_in_declaration = false;
  // Last, so that the common path saves no registers for the call.
  if (friend_class) RaiseFriendClass(G);
}

void CheckBraceBody(GlobalData& G, bool open) {
  CheckState& C = G.checks;
  if (open) {
    C.pending_keyword = kPendingNone;
    if (C.switch_pending) PushSwitch(G);
  } else {
    PopSwitchAtBrace(G);
  }
  C.last_was_break = false;
  C.const_in_statement = false;
  if (G.scope.in_class) ClassFlags(G).virtual_in_declaration = false;
}

void CheckCharacterBody(GlobalData& G, const char* line, int i) {
  const char c = line[i];
  switch (c) {
    case '(':
    case ')':
      CheckParen(G, line, i, c == '(');
      break;
    case ';':
      CheckSemicolonBody(G);
      break;
    case '{':
    case '}':
      CheckBraceBody(G, c == '{');
      break;
    case '.':
      CheckEllipsis(G, line, i);
      break;
    case '-':
    case '+':
      CheckPrefixOperator(G, line, i);
      break;
    case '=':
      CheckAssignment(G, line, i);
      break;
    case '?':
      if (line[i + 1] != '?' && (i == 0 || line[i - 1] != '?')) RaiseLineNotice(G, kNoticeTernary);
      break;
    case '~':
      if (G.scope.in_class && ClassFlags(G).virtual_in_declaration) {
        ClassFlags(G).has_virtual_destructor = true;
      }
      break;
    default:
      break;
  }
}

void CheckLineStart(GlobalData& G, const char* line) {
  CheckState& C = G.checks;
  C.unbound_keyword = kPendingNone;
  if (C.pending_keyword != kPendingNone && C.pending_line < Line(G) &&
      G.file.open_paren_count == G.file.close_paren_count) {
    C.unbound_keyword = C.pending_keyword;
    C.unbound_line = C.pending_line;
  }
}

void CheckUnboundLineEnd(GlobalData& G, const char* line) {
  CheckState& C = G.checks;
  // Notice 22: the first code line after an unbraced if, else, for, while
  // or do holds no "{".
  const bool still_pending = C.pending_keyword == C.unbound_keyword &&
                             C.pending_line == C.unbound_line;
  if (G.func.in_body && !CharOutsideComments(line, '{')) {
    NoticeArgs args;
    args.texts[0] = PendingKeywordText(C.unbound_keyword);
    RaiseNotice(G, kNoticeUnboundScope, C.unbound_line, args);
  }
  if (still_pending) C.pending_keyword = kPendingNone;
  C.unbound_keyword = kPendingNone;
}

void CheckScopeDepth(GlobalData& G, int depth) {
  int limit = G.settings.max_scope_depth;
  if (depth > limit && !G.checks.quiet) {
    NoticeArgs args;
    args.ints[0] = depth;
    args.ints[1] = limit;
    RaiseNotice(G, kNoticeScopeDepth, Line(G), args);
  }
}

}  // namespace zav
