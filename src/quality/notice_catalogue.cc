#include "quality/notice_catalogue.h"

#include <cstdio>
#include <cstring>

namespace zav {
namespace {

// Each description is kept in a slot of 80 characters.
constexpr size_t kDescriptionSlot = 80;

// The raw descriptions; those with a conversion take the notice's limit.
constexpr const char* kRawDescriptions[kNoticeCount + 1] = {
    "Unsupported",
    "Physical line length > %d characters",
    "Function name length > %d characters",
    "Ellipsis '...' are identified as function parameters",
    "Assignment '=' within 'if' statement",
    "Assignment '=' within 'while' statement",
    "Pre-decrement operator '--' identified",
    "Pre-increment operator '++' identified",
    "'realloc' function identified",
    "'goto' keyword identified",
    "Non-ANSI function prototype identified",
    "Open and closed brackets '[]' are not equal",
    "Open and closed parenthesis '()' are not equal",
    "'switch' statement does not have a 'default'",
    "'case' conditions do not equal 'break'",
    "Friend class has been identified",
    "Function/class/struct/interface white space < %.1f%%",
    "Function comment content less than %.1f%%",
    "Function eLOC > maximum %d eLOC",
    "File white space < %.1f%%",
    "File comment content < %.1f%%",
    "File does not contain key string",
    "if, else, for or while not bound by scope",
    "'?' ternary operator identified",
    "ANSI C++ keyword identified within C file",
    "Treat *.h files for C++ keywords",
    "void * generic type identified",
    "Number of function return points > %d",
    "Cyclomatic complexity > %d",
    "Number of function parameters > %d",
    "TAB character has been identified",
    "Class/Struct comments are < %.1f%%",
    "Using namespace construct identified",
    "Class/Struct definition within a function definition",
    "Class specification contains a pointer to data",
    "Class specification contains public data",
    "Class specification contains protected data",
    "Base Class does not contain a virtual destructor",
    "Exception Handling 'try'- 'catch' has been identified",
    "Number of class/struct methods exceeds specified maximum %d ",
    "Depth of the Inheritance Tree exceeds the maximum %d ",
    "Number of derived classes exceeds the specified maximum %d ",
    "Multiple inheritance has been identified",
    "Keyword 'continue' has been identified",
    "Keyword 'break' identified outside a 'switch' structure",
    "New and Delete counts are not equal for the file.",
    "Function/Class Blank Line content less < %.1f%%",
    "File Blank Line content < %.1f%%",
    "Function lLOC <= %d, non-operational function",
    "Function appears to have null or blank parameters",
    "Variable assignment to a literal number",
    "No comment preceding a function block",
    "No comment preceding a class block",
    "No comment preceding a struct block",
    "No comment preceding a interface block",
    "Scope level exceeds the defined limit of %d",
    "Sequential breaks identified without case",
    "ZAV skip lines token match - ZAV ignores lines",
    "ZAV skip quality notices token match - Quality Notices ignored",
};

// The limit a description names, for the integer descriptions.
int IntegerLimit(const Settings& s, int number) {
  switch (number) {
    case 1: return s.max_line_length;
    case 2: return s.max_function_name_length;
    case 18: return s.max_function_eloc;
    case 27: return s.max_return_points;
    case 28: return s.max_cyclomatic;
    case 29: return s.max_interface;
    case 39: return s.max_methods_per_class;
    case 40: return s.max_inheritance_depth;
    case 41: return s.max_derived_children;
    case 48: return s.min_function_lloc;
    case 55: return s.max_scope_depth;
    default: return 0;
  }
}

// The limit a description names, for the percentage descriptions.
double PercentLimit(const Settings& s, int number) {
  switch (number) {
    case 16: return s.min_function_whitespace_pct;
    case 17: return s.min_function_comment_pct;
    case 19: return s.min_file_whitespace_pct;
    case 20: return s.min_file_comment_pct;
    case 31: return s.min_class_comment_pct;
    case 46: return s.min_function_blank_pct;
    case 47: return s.min_file_blank_pct;
    default: return 0.0;
  }
}

std::string FormatDescription(const Settings& s, int number) {
  const char* raw = kRawDescriptions[number];
  char slot[kDescriptionSlot];
  if (std::strstr(raw, "%.1f") != nullptr) {
    std::snprintf(slot, sizeof slot, raw, PercentLimit(s, number));
  } else if (std::strstr(raw, "%d") != nullptr) {
    std::snprintf(slot, sizeof slot, raw, IntegerLimit(s, number));
  } else {
    std::snprintf(slot, sizeof slot, "%s", raw);
  }
  return slot;
}

void FormatDescriptions(GlobalData& G) {
  NoticeState& n = G.notices;
  for (int number = 0; number <= kNoticeCount; ++number) {
    n.descriptions[number] = FormatDescription(G.settings, number);
  }
  n.descriptions_ready = true;
}

}  // namespace

const char* NoticeDescription(GlobalData& G, int number) {
  if (!G.notices.descriptions_ready) FormatDescriptions(G);
  if (number < 1 || number > kNoticeCount) number = 0;
  return G.notices.descriptions[number].c_str();
}

}  // namespace zav
