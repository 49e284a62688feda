// The quality notice part of the configuration template: one entry per
// notice with a short note on when it is raised, its Yes/No switch and the
// limits that belong to it.
#include <string>

#include "run/template_writer.h"

namespace zav {
namespace {

void Entry(TemplateWriter& w, const Settings& s, int n, std::string_view when) {
  w.Blank();
  w.Raw("# Quality Notice No. " + std::to_string(n) + "\n");
  w.Comment(when);
  w.Flag("Quality Notice " + std::to_string(n), s.notice_enabled[n]);
}

void WriteStyle(TemplateWriter& w, const Settings& s) {
  w.Banner("# ZAV Quality Notices For Code Style");
  Entry(w, s, 1, "# A physical line is longer than the maximum line length.");
  w.Integer("Maximum Line Length", s.max_line_length);
  Entry(w, s, 2, "# A function name is longer than the maximum name length.");
  w.Integer("Maximum Function Name Length", s.max_function_name_length);
  Entry(w, s, 21,
        "# A file does not contain the key string, for example a copyright\n"
        "# or licence line every file must carry.");
  w.Text("ZAV KEY String", s.key_string);
}

void WriteStabilityStatements(TemplateWriter& w, const Settings& s) {
  Entry(w, s, 3, "# A function takes a variable argument list '...'.");
  Entry(w, s, 4,
        "# '=' assigns inside an 'if' condition; '==' was often meant.");
  Entry(w, s, 5,
        "# '=' assigns inside a 'while' condition; '==' was often meant.");
  Entry(w, s, 6, "# The pre-decrement operator '--' is used.");
  Entry(w, s, 7, "# The pre-increment operator '++' is used.");
  Entry(w, s, 8, "# The 'realloc' function is called.");
  Entry(w, s, 9, "# The 'goto' keyword is used.");
  Entry(w, s, 10,
        "# A function is declared in the old style, without parameter types\n"
        "# in its parameter list.");
  Entry(w, s, 11, "# A file holds unequal counts of '[' and ']'.");
  Entry(w, s, 12, "# A file holds unequal counts of '(' and ')'.");
  Entry(w, s, 13, "# A 'switch' statement has no 'default' case.");
  w.Blank();
  w.Comment("# Count 'default' as a case when comparing cases and breaks.");
  w.Flag("Use default in case/break comparison", s.use_default_in_case_break);
  Entry(w, s, 14,
        "# The 'case' labels of a 'switch' outnumber its 'break' statements,\n"
        "# so some case falls through to the next.");
  Entry(w, s, 15, "# A 'friend' class is declared.");
  Entry(w, s, 22,
        "# The body of an 'if', 'else', 'for' or 'while' is not enclosed in\n"
        "# braces.");
  Entry(w, s, 23, "# The ternary operator '?' is used.");
  Entry(w, s, 24, "# A C file uses a keyword of C++.");
  Entry(w, s, 26, "# The generic pointer type 'void *' is used.");
}

void WriteStabilityFunctions(TemplateWriter& w, const Settings& s) {
  Entry(w, s, 27,
        "# A function has more return points than the maximum.");
  w.Integer("Maximum functional return points", s.max_return_points);
  w.Flag("Count goto as a function return point", s.goto_is_return_point);
  Entry(w, s, 28,
        "# A function's cyclomatic complexity exceeds the maximum.");
  w.Integer("Maximum functional cyclomatic complexity", s.max_cyclomatic);
  Entry(w, s, 29,
        "# A function's interface complexity (parameters and return points)\n"
        "# exceeds the maximum.");
  w.Integer("Maximum functional interface complexity", s.max_interface);
  Entry(w, s, 49,
        "# A function has an empty or 'void' parameter list.");
  Entry(w, s, 30, "# A line holds a TAB character.");
  Entry(w, s, 32, "# A 'using namespace' directive is used.");
}

void WriteStabilityClasses(TemplateWriter& w, const Settings& s) {
  Entry(w, s, 33, "# A class or struct is defined inside a function.");
  Entry(w, s, 34, "# A class declares a pointer to data as a member.");
  Entry(w, s, 35, "# A class declares public data members.");
  w.Blank();
  w.Comment(
      "# Notice 35 passes over public data of these kinds (C# events,\n"
      "# constants and delegates).");
  w.Flag("Ignore public event data", s.ignore_public_event);
  w.Flag("Ignore public const data", s.ignore_public_const);
  w.Flag("Ignore public delegate data", s.ignore_public_delegate);
  Entry(w, s, 36, "# A class declares protected data members.");
  Entry(w, s, 37,
        "# A base class has no virtual destructor, so deleting a derived\n"
        "# object through a base pointer leaks its resources.");
  Entry(w, s, 38, "# Exception handling with 'try' and 'catch' is used.");
  Entry(w, s, 39, "# A class or struct has more methods than the maximum.");
  w.Integer("Maximum number of methods per class", s.max_methods_per_class);
  Entry(w, s, 40,
        "# A class lies deeper in the inheritance tree than the maximum\n"
        "# (reported with the inheritance tree, -i).");
  w.Integer("Maximum depth of inheritance tree", s.max_inheritance_depth);
  Entry(w, s, 41,
        "# A class has more directly derived classes than the maximum\n"
        "# (reported with the inheritance tree, -i).");
  w.Integer("Maximum number of derived child classes", s.max_derived_children);
  Entry(w, s, 42, "# A class inherits from more than one base class.");
  Entry(w, s, 43, "# The keyword 'continue' is used.");
  Entry(w, s, 44, "# 'break' is used outside a 'switch', leaving a loop early.");
  Entry(w, s, 45,
        "# The counts of 'new' and 'delete' of a C++ file differ.");
  Entry(w, s, 50,
        "# A variable is assigned a literal number (a magic number).");
  w.Flag("Include zero (0) as literal assignment", s.zero_is_literal);
  Entry(w, s, 55,
        "# Scopes are nested deeper than the maximum (0 means 7).");
  w.Integer("Maximum depth of scope", s.max_scope_depth);
  Entry(w, s, 56, "# Two 'break' statements follow each other without a 'case'.");
}

void WriteContent(TemplateWriter& w, const Settings& s) {
  w.Banner("# ZAV Quality Notices for Functional/Struct and Class Content");
  w.Blank();
  w.Comment(
      "# The white space, comment and blank line notices of functions and\n"
      "# classes apply only to those longer than these numbers of lines.");
  w.Integer("Min. Function LOC for content analysis", s.min_function_loc_content);
  w.Integer("Min. Class/Struct LOC content analysis", s.min_class_loc_content);
  Entry(w, s, 16,
        "# The white space of a function, class, struct or interface is\n"
        "# below the minimum percentage of its characters.");
  w.Percent("Minimum Function Whitespace Percent", s.min_function_whitespace_pct);
  Entry(w, s, 17,
        "# The comment lines of a function are below the minimum percentage.");
  w.Percent("Minimum Function Comment Line Percent", s.min_function_comment_pct);
  Entry(w, s, 18, "# A function has more eLOC than the maximum.");
  w.Integer("Maximum Function eLOC", s.max_function_eloc);
  Entry(w, s, 48,
        "# A function has no more lLOC than the minimum, so it does\n"
        "# (nearly) nothing.");
  w.Integer("Minimum Function lLOC", s.min_function_lloc);
  Entry(w, s, 31,
        "# The comment lines of a class or struct are below the minimum\n"
        "# percentage.");
  w.Percent("Minimum Class/Struct Comment Percent", s.min_class_comment_pct);
  Entry(w, s, 46,
        "# The blank lines of a function or class are below the minimum\n"
        "# percentage.");
  w.Percent("Minimum Function Blank Line Percent", s.min_function_blank_pct);
  Entry(w, s, 51, "# No comment precedes a function.");
  Entry(w, s, 52, "# No comment precedes a class.");
  Entry(w, s, 53, "# No comment precedes a struct.");
  Entry(w, s, 54, "# No comment precedes an interface.");
}

void WriteFileContent(TemplateWriter& w, const Settings& s) {
  w.Banner("# ZAV Quality Notices for File Content");
  Entry(w, s, 19,
        "# The white space of a file is below the minimum percentage of its\n"
        "# characters; a TAB counts as the given number of spaces.");
  w.Percent("Minimum File Whitespace Percent", s.min_file_whitespace_pct);
  w.Integer("A TAB is equivalent to n space", s.tab_spaces);
  Entry(w, s, 20,
        "# The comment lines of a file are below the minimum percentage.");
  w.Percent("Minimum File Comment Line Percent", s.min_file_comment_pct);
  Entry(w, s, 47,
        "# The blank lines of a file are below the minimum percentage.");
  w.Percent("Minimum File Blank Line Percent", s.min_file_blank_pct);
  Entry(w, s, 57,
        "# A skip start token was found; the lines up to its end token are\n"
        "# not analysed.");
  Entry(w, s, 58,
        "# A quality skip start token was found; the lines up to its end\n"
        "# token raise no notices.");
}

}  // namespace

void WriteNoticeTemplate(TemplateWriter& w, const Settings& s) {
  w.Banner("# ZAV Quality Notices Configuration");
  w.Blank();
  w.Comment(
      "# Quality notices are raised with -n, -N and the -T reports.  Your own\n"
      "# notices, described by regular expressions, are read from the file\n"
      "# named here; empty means zav_udqn.cfg in the configuration directory.\n"
      "# See the example file zav_udqn.cfg.");
  w.Text("ZAV user defined quality notice file", s.udqn_file);
  w.Comment("\n# Write the line number before the notice number.");
  w.Flag("Reorder notice, line in quality notices", s.reorder_notices);

  WriteStyle(w, s);
  w.Banner("# ZAV Quality Notices For Stability and Maintainability");
  WriteStabilityStatements(w, s);
  WriteStabilityFunctions(w, s);
  WriteStabilityClasses(w, s);
  WriteContent(w, s);
  WriteFileContent(w, s);

  w.Banner("# ZAV Quality Notices Miscellaneous");
  w.Blank();
  w.Comment(
      "# Quality Notice No. 25\n"
      "# Deprecated in Version 6.70\n"
      "# See settings under language extensions.");
}

}  // namespace zav
