// Quality checks at class and function begin and end, and on class data
// members.
#include <cstring>

#include "base/line_text.h"
#include "quality/checks.h"
#include "quality/notices.h"
#include "zav/notice_numbers.h"

namespace zav {
namespace {

int32_t Line(const GlobalData& G) { return G.reader.line_number; }

const char* KindWord(ClassKind kind, bool capital) {
  switch (kind) {
    case ClassKind::kStruct:
      return capital ? "Struct" : "struct";
    case ClassKind::kInterface:
      return capital ? "Interface" : "interface";
    default:
      return capital ? "Class" : "class";
  }
}

bool HasWord(std::string_view text, const char* word) {
  return FindWholeWord(text, word) != std::string_view::npos;
}

void RaisePercent(GlobalData& G, int number, float value, float limit,
                  const char* kind = nullptr) {
  NoticeArgs args;
  args.reals[0] = value;
  args.reals[1] = limit;
  if (kind != nullptr) {
    args.texts[0] = kind;
    args.variant = 1;
  }
  RaiseNotice(G, number, Line(G), args);
}

void RaiseLimit(GlobalData& G, int number, int value, int limit) {
  NoticeArgs args;
  args.ints[0] = value;
  args.ints[1] = limit;
  RaiseNotice(G, number, Line(G), args);
}

// The function name without its qualifiers (a view into `name`).
std::string_view ShortName(const GlobalData& G, std::string_view name) {
  const LanguageFlags& f = G.lang.flags;
  std::string_view s = name;
  if (f.java || f.csharp) {
    const size_t dot = s.rfind('.');
    if (dot != std::string_view::npos) s.remove_prefix(dot + 1);
    if (f.csharp) s = s.substr(0, s.find('<'));
  } else if (!f.c) {
    const size_t colon = s.rfind(':');
    if (colon != std::string_view::npos) s.remove_prefix(colon + 1);
  }
  return s;
}

void CheckCaseBreak(GlobalData& G, const DecisionCounts& c, int fall_through) {
  const bool case_only = G.settings.use_default_in_case_break;
  const int right = case_only ? c.cases : c.cases + c.defaults;
  if (c.breaks + fall_through >= right) return;
  NoticeArgs args;
  if (case_only) {
    args.ints[0] = c.cases;
    args.ints[1] = c.cases;
    args.ints[2] = c.breaks;
    args.ints[3] = fall_through;
    args.ints[4] = c.breaks + fall_through;
  } else {
    args.variant = 1;
    args.ints[0] = c.cases;
    args.ints[1] = c.defaults;
    args.ints[2] = c.cases + c.defaults;
    args.ints[3] = c.breaks;
    args.ints[4] = fall_through;
    args.ints[5] = c.breaks + fall_through;
  }
  RaiseNotice(G, kNoticeCaseBreakUnequal, Line(G), args);
}

}  // namespace

void CheckClassBegin(GlobalData& G, int comments_before) {
  if (G.checks.quiet) return;
  ClassFlags(G) = ClassCheckFlags{};
  if (comments_before > 0) return;
  const ClassKind kind = G.scope.cls.kind;
  const int number = kind == ClassKind::kStruct      ? kNoticeStructNoComment
                     : kind == ClassKind::kInterface ? kNoticeInterfaceNoComment
                                                     : kNoticeClassNoComment;
  NoticeArgs args;
  args.texts[0] = KindWord(kind, false);
  RaiseNotice(G, number, Line(G), args);
}

void CheckMultipleInheritance(GlobalData& G) {
  // Raised where the class begin is announced, which is only in object
  // reports with quality notices.
  if (!G.sw.notices || !G.sw.objects || G.sw.totals_only) return;
  const ClassFrame& c = G.scope.cls;
  const size_t comma = c.inheritance.find(',');
  const size_t angle = c.inheritance.find('<');
  if (comma != std::string::npos && (angle == std::string::npos || comma < angle)) {
    NoticeArgs args;
    args.texts[0] = c.name.c_str();
    args.file_name = G.current_entry != nullptr ? G.current_entry->name.c_str() : "";
    RaiseNotice(G, kNoticeMultipleInheritance, G.reader.line_number, args);
  }
}

void CheckClassInFunction(GlobalData& G) { RaiseNotice(G, kNoticeClassInFunction, Line(G)); }

void CheckClassEnd(GlobalData& G, const MetricRecord& span, int32_t spaces,
                   int32_t characters) {
  if (G.checks.quiet) return;
  const Settings& s = G.settings;
  const ClassFrame& c = G.scope.cls;
  const char* kind = KindWord(c.kind, true);
  if (span.loc > s.min_class_loc_content) {
    const float comment = Percent(span.comments, span.comments + span.loc);
    if (comment < s.min_class_comment_pct) {
      NoticeArgs args;
      args.texts[0] = kind;
      args.reals[0] = comment;
      args.reals[1] = s.min_class_comment_pct;
      RaiseNotice(G, kNoticeClassComments, Line(G), args);
    }
    const float white = Percent(spaces, characters);
    if (white < s.min_function_whitespace_pct) {
      RaisePercent(G, kNoticeScopeWhiteSpace, white, s.min_function_whitespace_pct, kind);
    }
    const float blank = span.blanks == 0 ? 0.0f : Percent(span.blanks, span.lines);
    if (blank < s.min_function_blank_pct) {
      RaisePercent(G, kNoticeScopeBlankLines, blank, s.min_function_blank_pct, kind);
    }
  }
  const ClassCheckFlags& flags = ClassFlags(G);
  if (G.lang.flags.cpp && flags.has_virtual && !flags.has_virtual_destructor) {
    RaiseNotice(G, kNoticeNoVirtualDestructor, Line(G));
  }
  const int methods = c.methods[0] + c.methods[1] + c.methods[2];
  if (methods > s.max_methods_per_class) {
    NoticeArgs args;
    args.texts[0] = c.kind == ClassKind::kStruct ? "struct" : "class";
    args.ints[0] = s.max_methods_per_class;
    RaiseNotice(G, kNoticeClassMethods, Line(G), args);
  }
}

void CheckDataMember(GlobalData& G, std::string_view text, int visibility) {
  const ClassFrame& c = G.scope.cls;
  if (c.kind != ClassKind::kClass || G.checks.quiet) return;  // structs and interfaces are open
  const Settings& s = G.settings;
  if (text.find('*') != std::string_view::npos) RaiseNotice(G, kNoticePointerData, Line(G));
  if (visibility == 0) {
    // A word is looked for only when its setting can make it count.
    const bool ignored =
        (s.ignore_public_event && HasWord(text, "event")) ||
        (s.ignore_public_const &&
         (HasWord(text, "const") || (G.lang.flags.java && HasWord(text, "final")))) ||
        (s.ignore_public_delegate && HasWord(text, "delegate"));
    if (!ignored) RaiseNotice(G, kNoticePublicData, Line(G));
  } else if (visibility == 1) {
    RaiseNotice(G, kNoticeProtectedData, Line(G));
  }
}

void CheckFunctionBegin(GlobalData& G) {
  CheckState& C = G.checks;
  if (C.quiet) return;
  // Where only whether a file raised a notice can show, a file with a
  // function shows the same whatever its notices.
  if (G.notices.need == NoticeNeed::kAny) {
    QuietChecks(C);
    return;
  }
  if (G.func.comments_before_header > 0) return;
  NoticeArgs args;
  args.texts[0] = "function";
  RaiseNotice(G, kNoticeFunctionNoComment, G.func.header_line, args);
}

void CheckFunctionEnd(GlobalData& G, const FunctionRecord& r,
                      const FunctionFigures& figures) {
  if (G.checks.quiet) return;
  const Settings& s = G.settings;
  const FunctionState& F = G.func;
  const std::string_view short_name = ShortName(G, r.name);
  if (static_cast<int>(short_name.size()) > s.max_function_name_length) {
    const std::string name(short_name);  // the notice reads a C string
    NoticeArgs args;
    args.texts[0] = name.c_str();
    args.ints[0] = static_cast<int>(name.size());
    args.ints[1] = s.max_function_name_length;
    RaiseNotice(G, kNoticeFunctionNameLength, Line(G), args);
  }
  if (F.non_ansi) RaiseNotice(G, kNoticeNonAnsiPrototype, Line(G));
  if (F.bracket_depth != 0) RaiseNotice(G, kNoticeBracketsUnequal, Line(G));
  if (F.paren_depth != 0) RaiseNotice(G, kNoticeParenthesesUnequal, Line(G));
  if (F.counts.switches > F.counts.defaults) RaiseNotice(G, kNoticeSwitchWithoutDefault, Line(G));
  CheckCaseBreak(G, F.counts, figures.fall_through);
  if (r.loc > s.min_function_loc_content) {
    const float comment = Percent(r.comments, r.comments + r.loc);
    if (comment < s.min_function_comment_pct) {
      RaisePercent(G, kNoticeFunctionComments, comment, s.min_function_comment_pct);
    }
    const float blank =
        r.blanks == 0 ? 0.0f : Percent(r.blanks, r.blanks + r.comments + r.loc);
    if (blank < s.min_function_blank_pct) {
      RaisePercent(G, kNoticeScopeBlankLines, blank, s.min_function_blank_pct);
    }
    const float white = Percent(figures.spaces, figures.characters);
    if (white < s.min_function_whitespace_pct) {
      RaisePercent(G, kNoticeScopeWhiteSpace, white, s.min_function_whitespace_pct);
    }
  }
  if (r.eloc > s.max_function_eloc) {
    NoticeArgs args;
    args.ints[0] = s.max_function_eloc;
    RaiseNotice(G, kNoticeFunctionEloc, Line(G), args);
  }
  if (r.returns > s.max_return_points) RaiseLimit(G, kNoticeReturnPoints, r.returns, s.max_return_points);
  if (r.params > s.max_interface) RaiseLimit(G, kNoticeParameters, r.params, s.max_interface);
  if (r.params < 1 && !F.void_seen) RaiseNotice(G, kNoticeBlankParameters, Line(G));
  if (r.lloc <= s.min_function_lloc) RaiseLimit(G, kNoticeFunctionLloc, r.lloc, s.min_function_lloc);
  if (r.cyclomatic > s.max_cyclomatic) RaiseLimit(G, kNoticeCyclomatic, r.cyclomatic, s.max_cyclomatic);
}

}  // namespace zav
