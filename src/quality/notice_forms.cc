#include "quality/notice_forms.h"

#include "zav/notice_numbers.h"

namespace zav {
namespace {

// Variants: 6m and 7m (inside a macro), 12b (the immediate form), 14b (the
// default count shown), 16c and 46c (class forms) have variant 1. Notices
// 52 to 54 share the text of 51.
constexpr NoticeForm kForms[] = {
    // 1
    {1, 0,
     "\n    Notice #1: Line %d: Line character length = %d.  This width\n"
     "           exceeds the standard terminal width of %d characters.\n",
     "L01",
     "\n    Line %d: Notice #1: Line character length = %d.  This width\n"
     "           exceeds the standard terminal width of %d characters.\n",
     "L01"},
    // 2
    {2, 0,
     "\n    Notice #2: Line %d: The function name:\n"
     "           %s\n"
     "           of %d characters is greater than %d characters in length.\n"
     "           This can be a portability and/or maintenance issue.\n",
     "Ls01",
     "\n    Line %d: Notice #2: The function name:\n"
     "           %s\n"
     "           of %d characters is greater than %d characters in length.\n"
     "           This can be a portability and/or maintenance issue.\n",
     "Ls01"},
    // 3
    {3, 0,
     "\n    Notice #3: Line %d, '...' ellipsis found for a variable argument list.\n"
     "           The compiler will not check the types of these parameters.\n",
     "L",
     nullptr, nullptr},
    // 4
    {4, 0,
     "\n    Notice #4: Line %d, '=' assignment identified within an 'if' condition.\n"
     "           This is a logical error or indicates an assignment is within a\n"
     "           testable expression.  Code clarity would be enhanced by moving\n"
     "           any embedded expressions before conditional and testing a\n"
     "           single parameter.\n",
     "L",
     nullptr, nullptr},
    // 5
    {5, 0,
     "\n    Notice #5: Line %d, '=' assignment identified within an 'while' condition.\n"
     "           This is a logical error or indicates an assignment is within a\n"
     "           testable expression.  Code clarity would be enhanced by moving any embedded\n"
     "           expressions before conditional and testing a single parameter.\n",
     "L",
     nullptr, nullptr},
    // 6
    {6, 0,
     "\n    Notice #6: Line %d, pre-decrement '-- operator' identified.\n"
     "           This can be a problematic construct in compound statements.\n",
     "L",
     nullptr, nullptr},
    // 6m
    {6, 1,
     "\n    Notice #6: Line %d, a pre-decrement '-- operator' identified\n"
     "           within a MACRO.  This syntax is non-portable and is\n"
     "           NOT recommended within macro definitions.\n",
     "L",
     nullptr, nullptr},
    // 7
    {7, 0,
     "\n    Notice #7: Line %d, pre-increment '++ operator' identified.\n"
     "           This can be a problematic construct in compound statements.\n",
     "L",
     nullptr, nullptr},
    // 7m
    {7, 1,
     "\n    Notice #7: Line %d, a pre-increment '++ operator' identified\n"
     "           within a MACRO.  This syntax is non-portable and is\n"
     "           NOT recommended within macro definitions.\n",
     "L",
     nullptr, nullptr},
    // 8
    {8, 0,
     "\n    Notice #8: Line %d, realloc has been identified.\n"
     "           A realloc of 0 size will free the pointer.  This may\n"
     "           cause an unanticipated action on a NULL pointer.  realloc\n"
     "           may also cause a hidden memory leak.\n",
     "L",
     nullptr, nullptr},
    // 9
    {9, 0,
     "\n    Notice #9: Line %d, 'goto' keyword identified.  This can cause\n"
     "           maintenance difficulties and propagate hidden logic flow.\n",
     "L",
     nullptr, nullptr},
    // 10
    {10, 0,
     "\n    Notice #10: Line %d: Identified a Non-ANSI function prototype\n"
     "           Function parameters will not be type checked.\n",
     "L",
     "\n    Line %d: Notice #10: Identified a Non-ANSI function prototype\n"
     "           Function parameters will not be type checked.\n",
     "L"},
    // 11
    {11, 0,
     "\n    Notice #11: Line %d: Brackets, [ ] are not balanced.\n"
     "           The compiler should have caught this error.\n"
     "           This notice may indicate dead code within the\n"
     "           source commented out through a #define construct\n",
     "L",
     "\n    Line %d: Notice #11: Brackets, [ ] are not balanced.\n"
     "           The compiler should have caught this error.\n"
     "           This notice may indicate dead code within the\n"
     "           source commented out through a #define construct\n",
     "L"},
    // 12
    {12, 0,
     "\n    Notice #12: Line %d: Parenthesis, () are not balanced.\n"
     "           The compiler should have caught this error.\n"
     "           This notice may indicate dead code within the\n"
     "           source commented out through a #define construct\n",
     "L",
     "\n    Line %d: Notice #12: Parenthesis, () are not balanced.\n"
     "           The compiler should have caught this error.\n"
     "           This notice may indicate dead code within the\n"
     "           source commented out through a #define construct\n",
     "L"},
    // 12b
    {12, 1,
     "\n    Notice: #12\n"
     "           File: %s\n"
     "           Line: %d\n",
     "FL",
     "\n    Line: %d\n"
     "           File: %s\n"
     "           Notice: #12\n",
     "LF"},
    // 13
    {13, 0,
     "\n    Notice #13: Line %d: All 'switch' statements do not have a matching 'default'\n"
     "           statements.  This could cause unexpected behavior if the\n"
     "           'switch' statement is not met by a 'case' statement.\n",
     "L",
     "\n    Line %d: Notice #13: All 'switch' statements do not have a matching 'default'\n"
     "           statements.  This could cause unexpected behavior if the\n"
     "           'switch' statement is not met by a 'case' statement.\n",
     "L"},
    // 14
    {14, 0,
     "\n    Notice #14: All 'case/default' conditions do not have a matching\n"
     "           'break', or 'fall through' comments.\n"
     "           case : %-4d                              Total %-4d\n"
     "           break: %-4d  fall through comment: %-4d  Total %-4d\n"
     "           This condition can occur when sequential case statements are used.\n"
     "           Check this function to insure no erroneous behavior will occur\n"
     "           by an unexpected fall through to the next case statement.\n"
     "           You may indicate to ZAV that a 'case' statement is designed\n"
     "           to fall through by using a comment with these words\n",
     "01234",
     nullptr, nullptr},
    // 14b
    {14, 1,
     "\n    Notice #14: All 'case/default' conditions do not have a matching\n"
     "           'break', or 'fall through' comments.\n"
     "           case : %-4d  default: %-4d               Total %-4d\n"
     "           break: %-4d  fall through comment: %-4d  Total %-4d\n"
     "           This condition can occur when sequential case statements are used.\n"
     "           Check this function to insure no erroneous behavior will occur\n"
     "           by an unexpected fall through to the next case statement.\n"
     "           You may indicate to ZAV that a 'case' statement is designed\n"
     "           to fall through by using a comment with these words\n",
     "012345",
     nullptr, nullptr},
    // 15
    {15, 0,
     "\n    Notice #15: Line %d, friend class '%s' identified.\n"
     "           This is a problematic construct as it breaks encapsulation.\n",
     "Ls",
     nullptr, nullptr},
    // 16
    {16, 0,
     "\n    Notice #16: Function white space, %.1f%% is less than %.1f%%.\n",
     "ab",
     nullptr, nullptr},
    // 16c
    {16, 1,
     "\n    Notice #16: %s white space, %.1f%% is less than %.1f%%.\n",
     "sab",
     nullptr, nullptr},
    // 17
    {17, 0,
     "\n    Notice #17: Function comments, %.1f%% are less than %.1f%%.\n",
     "ab",
     nullptr, nullptr},
    // 18
    {18, 0,
     "\n    Notice #18: Effective Lines of Code, eLOC, in this function\n"
     "           exceed the specified standard of %d lines.\n",
     "0",
     nullptr, nullptr},
    // 19
    {19, 0,
     "\n    Notice #19: File white space percentage, %.1f%% is less than %.1f%%\n",
     "ab",
     nullptr, nullptr,
     "\n    <font color=\"%s\"><b>Notice</b></font> #19: File white space percentage, <b>%.1f%%</b> is less than <b>%.1f%%</b> \n",
     "Cab"},
    // 20
    {20, 0,
     "\n    Notice #20: File comment line percentage, %.1f%% is less than %.1f%%\n",
     "ab",
     nullptr, nullptr,
     "\n    <font color=\"%s\"><b>Notice</b></font> #20: File comment line percentage, <b>%.1f%%</b> is less than <b>%.1f%%</b> \n",
     "Cab"},
    // 21
    {21, 0,
     "\n    Notice #21: File does not contain the key string specified in the\n"
     "            %s file.\n"
     "            Key String: %s\n"
     "\n",
     "st",
     nullptr, nullptr,
     "\n    <font color=\"%s\"><b>Notice</b></font> #21: File does not contain the key string specified in the\n"
     "            %s file.\n"
     "            Key String: <b><i>%s</i></b>\n"
     "\n",
     "Cst"},
    // 22
    {22, 0,
     "\n    Notice #22: Line %d: The keyword, '%s', appears not to be delimited\n"
     "           with scope { .. } operators around its content.  This\n"
     "           could cause a maintenance problem where code falls outside\n"
     "           the intended scope of the '%s' statement.\n",
     "Lss",
     "\n    Line %d: Notice #22: The keyword, '%s', appears not to be delimited\n"
     "           with scope { .. } operators around its content.  This\n"
     "           could cause a maintenance problem where code falls outside\n"
     "           the intended scope of the '%s' statement.\n",
     "Lss"},
    // 23
    {23, 0,
     "\n    Notice #23: Line %d, The '?' operator was identified.  This implied\n"
     "           if-else construct can reduce code readability.\n",
     "L",
     nullptr, nullptr},
    // 24
    {24, 0,
     "\n    Notice #24: Line %d: An ANSI C++ keyword '%s' has been found\n"
     "           within a C file.  This will cause a compile error if this file\n"
     "           is compiled with a C++ compiler.  It is suggested that this\n"
     "           symbol name be changed to a non-conflicting name for C to\n"
     "           C++ migration.\n",
     "Ls",
     "\n    Line %d: Notice #24: An ANSI C++ keyword '%s' has been found\n"
     "           within a C file.  This will cause a compile error if this file\n"
     "           is compiled with a C++ compiler.  It is suggested that this\n"
     "           symbol name be changed to a non-conflicting name for C to\n"
     "           C++ migration.\n",
     "Ls"},
    // 26
    {26, 0,
     "\n    Notice #26: Line %d: The type 'void *' has been identified.\n"
     "           This data type is type independent, whereby it\n"
     "           prevents the compiler from checking the types\n"
     "           of variables and parameters.\n",
     "L",
     "\n    Line %d: Notice #26: The type 'void *' has been identified.\n"
     "           This data type is type independent, whereby it\n"
     "           prevents the compiler from checking the types\n"
     "           of variables and parameters.\n",
     "L"},
    // 27
    {27, 0,
     "\n    Notice #27: Line %d: The number of function return points\n"
     "           %d exceeds the specified limit of %d.\n",
     "L01",
     "\n    Line %d: Notice #27: The number of function return points\n"
     "           %d exceeds the specified limit of %d.\n",
     "L01"},
    // 28
    {28, 0,
     "\n    Notice #28: Line %d: The function cyclomatic complexity of\n"
     "           %d exceeds the specified limit of %d.\n",
     "L01",
     "\n    Line %d: Notice #28: The function cyclomatic complexity of\n"
     "           %d exceeds the specified limit of %d.\n",
     "L01"},
    // 29
    {29, 0,
     "\n    Notice #29: Line %d: The number of function input parameters,\n"
     "           %d exceeds the specified limit of %d.\n",
     "L01",
     "\n    Line %d: Notice #29: The number of function input parameters,\n"
     "           %d exceeds the specified limit of %d.\n",
     "L01"},
    // 30
    {30, 0,
     "\n    Notice #30: Line %d: A TAB character has been found.\n"
     "           Tabs embedded into code are device and editor dependent\n"
     "           for their space definition and may not display properly.\n",
     "L",
     "\n    Line %d: Notice #30: A TAB character has been found.\n"
     "           Tabs embedded into code are device and editor dependent\n"
     "           for their space definition and may not display properly.\n",
     "L"},
    // 31
    {31, 0,
     "\n    Notice #31: %s comments, %.1f%% are less than %.1f%%.\n",
     "sab",
     nullptr, nullptr},
    // 32
    {32, 0,
     "\n    Notice #32: Line %d: The construct 'using namespace' has\n"
     "           been identified.  This type of design can lead to\n"
     "           spurious name collisions during integration.\n",
     "L",
     "\n    Line %d: Notice #32: The construct 'using namespace' has\n"
     "           been identified.  This type of design can lead to\n"
     "           spurious name collisions during integration.\n",
     "L"},
    // 34
    {34, 0,
     "\n    Notice #34: Line %d: A pointer to a data object has been detected\n"
     "           within the specification for a class.  This class must\n"
     "           be inspected to insure proper memory allocation and\n"
     "           de-allocation.  This class must implement a public copy\n"
     "           constructor or a private copy constructor where by the\n"
     "           compiler will enforce no pass-by-value.\n",
     "L",
     "\n    Line %d: Notice #34: A pointer to a data object has been detected\n"
     "           within the specification for a class.  This class must\n"
     "           be inspected to insure proper memory allocation and\n"
     "           de-allocation.  This class must implement a public copy\n"
     "           constructor or a private copy constructor where by the\n"
     "           compiler will enforce no pass-by-value.\n",
     "L"},
    // 35
    {35, 0,
     "\n    Notice #35: Line %d: Public data has been identified with a class\n"
     "           specification.  This design breaks object encapsulation\n"
     "           allowing free access from other objects and functions.\n",
     "L",
     "\n    Line %d: Notice #35: Public data has been identified with a class\n"
     "           specification.  This design breaks object encapsulation\n"
     "           allowing free access from other objects and functions.\n",
     "L"},
    // 36
    {36, 0,
     "\n    Notice #36: Line %d:  Protected data has been identified with a class\n"
     "           specification.  This design allows the protected data\n"
     "           to be freely accessed down the inheritance tree.\n",
     "L",
     "\n    Line %d: Notice #36: Protected data has been identified with a class\n"
     "           specification.  This design allows the protected data\n"
     "           to be freely accessed down the inheritance tree.\n",
     "L"},
    // 37
    {37, 0,
     "\n    Notice #37: Line %d: This class does not appear to contain a\n"
     "           virtual destructor when this class defines a virtual\n"
     "           method.  This condition will cause a incomplete class\n"
     "           destruction of the derived classes from this base class.\n",
     "L",
     "\n    Line %d: Notice #37: This class does not appear to contain a\n"
     "           virtual destructor when this class defines a virtual\n"
     "           method.  This condition will cause a incomplete class\n"
     "           destruction of the derived classes from this base class.\n",
     "L"},
    // 38
    {38, 0,
     "\n    Notice #38: Line %d: Exception handling 'try' - 'catch' has been\n"
     "           identified.  Exception handling can be a form indirect logic\n"
     "           control similar to a goto.  The use of exception handling\n"
     "           should be driven by the design and not casually imposed\n"
     "           upon the code.\n",
     "L",
     "\n    Line %d: Notice #38: Exception handling 'try' - 'catch' has been\n"
     "           identified.  Exception handling can be a form indirect logic\n"
     "           control similar to a goto.  The use of exception handling\n"
     "           should be driven by the design and not casually imposed\n"
     "           upon the code.\n",
     "L"},
    // 39
    {39, 0,
     "\n    Notice #39: Line %d: The Number of %s methods exceeds the specified\n"
     "           maximum of %d methods (public, protected and private).\n",
     "Ls0",
     "\n    Line %d: Notice #39: The Number of %s methods exceeds the specified\n"
     "           maximum of %d methods (public, protected and private).\n",
     "Ls0"},
    // 40
    {40, 0,
     "\n    Notice #40: File %s: Line %d\n"
     "           The depth of the inheritance tree is greater than the specified\n"
     "           maximum value, %d.  This condition can be attributed to mixing\n"
     "           the Is-A and Has-A relationships and can make maintenance\n"
     "           very difficult.\n"
     "\n",
     "FL0",
     "\n    File %s: Line %d: Notice #40\n"
     "           The depth of the inheritance tree is greater than the specified\n"
     "           maximum value, %d.  This condition can be attributed to mixing\n"
     "           the Is-A and Has-A relationships and can make maintenance\n"
     "           very difficult.\n"
     "\n",
     "FL0"},
    // 41
    {41, 0,
     "\n    Notice #41: File %s: Line %d\n"
     "           The number of direct child classes derived from the parent\n"
     "           exceed the specified maximum, %d. This condition may indicated\n"
     "           that the base class could be parameterized to accomplish the\n"
     "           variability of the children. This creates an obscure design\n"
     "           with difficult maintenance\n"
     "\n",
     "FL0",
     "\n    File %s: Line %d: Notice #41\n"
     "           The number of direct child classes derived from the parent\n"
     "           exceed the specified maximum, %d. This condition may indicated\n"
     "           that the base class could be parameterized to accomplish the\n"
     "           variability of the children. This creates an obscure design\n"
     "           with difficult maintenance\n"
     "\n",
     "FL0"},
    // 42
    {42, 0,
     "\n    Notice #42: File %s: Line %d\n"
     "           Class multiple inheritance has been identified for class %s.\n"
     "           Multiple inheritance should be driven by the design and\n"
     "           never imposed as an ad-hoc solution in implementation.\n"
     "           Unexpected object behavior may result and maintenance may\n"
     "           be difficult.\n",
     "FLs",
     "\n    File %s: Line %d: Notice #42\n"
     "           Class multiple inheritance has been identified for class %s.\n"
     "           Multiple inheritance should be driven by the design and\n"
     "           never imposed as an ad-hoc solution in implementation.\n"
     "           Unexpected object behavior may result and maintenance may\n"
     "           be difficult.\n",
     "FLs"},
    // 43
    {43, 0,
     "\n    Notice #43: Line %d, The keyword 'continue' has been found.\n"
     "           The use of 'continue' can create code which is difficult\n"
     "           to maintain where the logic flow jumps to the beginning\n"
     "           of the framing control structure.\n",
     "L",
     "\n    Line %d: Notice #43: The keyword 'continue' has been found.\n"
     "           The use of 'continue' can create code which is difficult\n"
     "           to maintain where the logic flow jumps to the beginning\n"
     "           of the framing control structure.\n",
     "L"},
    // 44
    {44, 0,
     "\n    Notice #44: Line %d, The keyword 'break' has been identified\n"
     "           outside a 'switch' logic control structure.  The use\n"
     "           of 'break' interrupts the linear logic flow and can create\n"
     "           source code which is difficult to maintain.\n",
     "L",
     "\n    Line %d: Notice #44: The keyword 'break' has been identified\n"
     "           outside a 'switch' logic control structure.  The use\n"
     "           of 'break' interrupts the linear logic flow and can create\n"
     "           source code which is difficult to maintain.\n",
     "L"},
    // 45
    {45, 0,
     "\n    Notice #%d: File %s: Line %d\n"
     "           New and delete counts do not match for this file.\n"
     "           This could indicate the potential for a memory leak.\n",
     "NFL",
     "\n    File %s: Line %d: Notice #%d\n"
     "           New and delete counts do not match for this file.\n"
     "           This could indicate the potential for a memory leak.\n",
     "FLN"},
    // 46
    {46, 0,
     "\n    Notice #46: Function blank line percent, %.1f%% is less than %.1f%%.\n",
     "ab",
     nullptr, nullptr},
    // 46c
    {46, 1,
     "\n    Notice #46: %s blank line percent, %.1f%% is less than %.1f%%.\n",
     "sab",
     nullptr, nullptr},
    // 47
    {47, 0,
     "\n    Notice #47: File blank line percentage, %.1f%% is less than %.1f%%\n",
     "ab",
     nullptr, nullptr,
     "\n    <font color=\"%s\"><b>Notice</b></font> #47: File blank line percentage, <b>%.1f%%</b> is less than <b>%.1f%%</b> \n",
     "Cab"},
    // 48
    {48, 0,
     "\n    Notice #48: Line %d: The number of logical lines of code or statements\n"
     "           %d is <= to the specified minimum of %d.  This could\n"
     "           indicate a null function with no operational purpose.\n",
     "L01",
     "\n    Line %d: Notice #48: The number of logical lines of code or statements\n"
     "           %d is <= to the specified minimum of %d.  This could\n"
     "           indicate a null function with no operational purpose.\n",
     "L01"},
    // 49
    {49, 0,
     "\n    Notice #49: Line %d: The function has no input parameters or void.\n"
     "           Suggest using explicit parameters for interface clarity.\n",
     "L",
     "\n    Line %d: Notice #49: The function has no input parameters or void.\n"
     "           Suggest using explicit parameters for interface clarity.\n",
     "L"},
    // 50
    {50, 0,
     "\n    Notice #%d: Line %d, A variable has been identified which is\n"
     "           assigned to a literal number.  Symbolic constants should\n"
     "           be used to enhance maintainability.\n",
     "NL",
     "\n    Line %d: Notice #%d: A variable has been identified which is\n"
     "           assigned to a literal number.  Symbolic constants should\n"
     "           be used to enhance maintainability.\n",
     "LN"},
    // 51
    {51, 0,
     "\n    Notice #%d: Line %d, A %s has been identified which does not\n"
     "           have a preceding comment.  Comments that detail the purpose,\n"
     "           algorithms, and parameter/return definitions are suggested.\n",
     "NLs",
     "\n     Line %d: Notice #%d: A %s has been identified which does not\n"
     "           have a preceding comment.  Comments that detail the purpose,\n"
     "           algorithms, and parameter/return definitions are suggested.\n",
     "LNs"},
    // 55
    {55, 0,
     "\n    Notice #55: Line %d\n"
     "           The depth of scope '%d' exceeds the notice limit of %d.\n",
     "L01",
     "\n    Line %d: Notice #55\n"
     "           The depth of scope '%d' exceeds the notice limit of %d.\n",
     "L01"},
    // 56
    {56, 0,
     "\n    Notice #56: Line %d, Sequential 'break' keyword have been\n"
     "           identified without a respective case statement.  This is an\n"
     "           extremely poor programming construct and denotes an attempt to\n"
     "           circumvent ZAV break/case quality notice.\n",
     "L",
     "\n    Line %d: Notice #56: Sequential 'break' keyword have been\n"
     "           identified without a respective case statement.  This is an\n"
     "           extremely poor programming construct and denotes an attempt to\n"
     "           circumvent ZAV break/case quality notice.\n",
     "L"},
    // 57
    {57, 0,
     "\n    Notice #57: Line %d, A ZAV skip lines token match.\n"
     "           All lines between the begin and end tokens will be ignored\n"
     "           for ZAV processing.\n",
     "L",
     nullptr, nullptr,
     "\n    <font color=\"%s\"><b>Notice</b></font> #57: <b>Line %d</b>: A ZAV skip lines token match.\n"
     "           All lines between the begin and end tokens will be ignored\n"
     "           for ZAV processing.\n",
     "CL"},
    // 58
    {58, 0,
     "\n    Notice #58: Line %d, A ZAV skip quality notice token match.\n"
     "           All lines between the begin and end tokens will be ignored\n"
     "           for ZAV quality notice processing.\n",
     "L",
     nullptr, nullptr,
     "\n    <font color=\"%s\"><b>Notice</b></font> #58: <b>Line %d</b>: A ZAV skip quality notice token match.\n"
     "           All lines between the begin and end tokens will be ignored\n"
     "           for ZAV quality notice processing.\n",
     "CL"},
};

constexpr NoticeForm kGenericForm = {0, 0, "\n    Notice #%d: Line %d, %s\n",
                                     "NLD"};

}  // namespace

namespace {

const NoticeForm& SearchNoticeForm(int number, int variant) {
  const NoticeForm* plain = nullptr;
  for (const NoticeForm& form : kForms) {
    if (form.number != number) continue;
    if (form.variant == variant) return form;
    if (form.variant == 0) plain = &form;
  }
  return plain != nullptr ? *plain : kGenericForm;
}

// The forms of the built-in numbers and the two variants, looked up once:
// a run raises hundreds of thousands of notices.
constexpr int kTableNumbers = 64;
struct FormTable {
  const NoticeForm* forms[kTableNumbers][2];
  FormTable() {
    for (int number = 0; number < kTableNumbers; ++number) {
      for (int variant = 0; variant < 2; ++variant) {
        forms[number][variant] = &SearchNoticeForm(number, variant);
      }
    }
  }
};

}  // namespace

const NoticeForm& FindNoticeForm(int number, int variant) {
  // The class, struct and interface forms are the function's.
  if (number >= kNoticeClassNoComment && number <= kNoticeInterfaceNoComment) {
    number = kNoticeFunctionNoComment;
  }
  if (number >= 0 && number < kTableNumbers && (variant == 0 || variant == 1)) {
    static const FormTable table;
    return *table.forms[number][variant];
  }
  return SearchNoticeForm(number, variant);
}

}  // namespace zav
