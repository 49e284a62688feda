// Keyword and token counters.
#include "analysis/counters.h"

#include <gtest/gtest.h>

#include "analysis/language.h"
#include "test_support.h"

namespace zav {
namespace {

using test::Count;

TEST(WordCounters, WordsInsideLongerNamesDoNotCount) {
  EXPECT_EQ(Count("x.if_flag = 1;\n").if_count, 0);
  EXPECT_EQ(Count("myif (x) y();\n").if_count, 0);
  EXPECT_EQ(Count("a->if (x);\n").if_count, 0);
  EXPECT_EQ(Count("exitcode = 0;\n").exit_count, 0);
}

TEST(WordCounters, IfWithOrWithoutBlankAndOnTheNextLine) {
  EXPECT_EQ(Count("if(x) y();\nif (x) y();\n").if_count, 2);
  EXPECT_EQ(Count("if\n(x) y();\n").if_count, 1);
  EXPECT_EQ(Count("if x\n").if_count, 0);
  EXPECT_EQ(Count("if /* c */ (x)\n").if_count, 1);  // a comment may follow
  EXPECT_EQ(Count("if // c\n(x)\n").if_count, 1);
}

TEST(WordCounters, ElseRules) {
  EXPECT_EQ(Count("}else{\n").else_count, 1);
  FileMetrics pre = Count("#else\n");
  EXPECT_EQ(pre.else_count, 0);
  EXPECT_EQ(pre.preprocessor_lines_count, 1);
  EXPECT_EQ(Count("# else\n").else_count, 0);  // on a preprocessor line
  FileMetrics elif = Count("} else if (x) {\n");
  EXPECT_EQ(elif.else_count, 1);
  EXPECT_EQ(elif.if_count, 1);
}

TEST(WordCounters, PreprocessorIfCountsOnlyAfterABlank) {
  EXPECT_EQ(Count("# if (X)\n").if_count, 1);
  EXPECT_EQ(Count("#if (X)\n").if_count, 0);
}

TEST(WordCounters, DoNeedsABlankAfterIt) {
  EXPECT_EQ(Count("do{\n").do_count, 0);
  EXPECT_EQ(Count("do {\n").do_count, 1);
  EXPECT_EQ(Count("do\n").do_count, 1);
}

TEST(WordCounters, ReturnForms) {
  EXPECT_EQ(Count("return;\nreturn x;\nreturn(x);\nreturn\n").return_count, 4);
  EXPECT_EQ(Count("returns = 1;\n").return_count, 0);
}

TEST(WordCounters, SwitchCaseDefaultBreak) {
  FileMetrics f = Count(
      "switch (x) {\ncase 1: break;\ncase(2): break ;\ndefault: break;\n}\n"
      "switch(y) {\ndefault :\n}\n");
  EXPECT_EQ(f.switch_count, 2);
  EXPECT_EQ(f.case_count, 2);
  EXPECT_EQ(f.default_count, 2);
  EXPECT_EQ(f.break_count, 3);
}

TEST(WordCounters, ExitFamily) {
  FileMetrics f = Count("exit (1);\n_exit(2);\nabort();\nx = exit(3);\n");
  EXPECT_EQ(f.exit_count, 2);
  EXPECT_EQ(f._exit_count, 1);
  EXPECT_EQ(f.abort_count, 1);
  // _exit has the narrowest before-set: not after "=".
  EXPECT_EQ(Count("x =_exit(1);\n")._exit_count, 0);
}

TEST(WordCounters, MemoryFunctions) {
  FileMetrics f = Count(
      "p = (char*)malloc(10);\nq = calloc(1, 2);\nfree(p);\nfoo(malloc(3));\n"
      "r = realloc(p, 4);\n", "t.c");
  EXPECT_EQ(f.memory_alloc_count, 2);  // not inside "foo(", not realloc
  EXPECT_EQ(f.memory_free_count, 1);
}

TEST(WordCounters, NewAndDeleteAreNotCountedInC) {
  const char* text = "p = new T;\nq = new(buf) T;\ndelete p;\ndelete[] q;\n";
  FileMetrics cpp = Count(text, "t.cpp");
  EXPECT_EQ(cpp.memory_new_count, 2);
  EXPECT_EQ(cpp.memory_delete_count, 2);
  FileMetrics c = Count(text, "t.c");
  EXPECT_EQ(c.memory_new_count, 0);
  EXPECT_EQ(c.memory_delete_count, 0);
  // A file of no known language counts them.
  EXPECT_EQ(Count(text, "t.xyz").memory_new_count, 2);
}

TEST(WordCounters, EnumRule) {
  EXPECT_EQ(Count("enum Color { RED };\n").enum_count, 1);
  EXPECT_EQ(Count("enum Color c = RED;\n").enum_count, 0);
  EXPECT_EQ(Count("enum Color\n{\n  RED\n};\n").enum_count, 1);
  EXPECT_EQ(Count("void f(enum Color c);\n").enum_count, 0);
  EXPECT_EQ(Count("enum{ A };\n").enum_count, 1);
}

TEST(WordCounters, TemplateRule) {
  EXPECT_EQ(Count("template <class T> class A;\n").template_count, 0);
  EXPECT_EQ(Count("template <class T> class A {\n").template_count, 1);
  EXPECT_EQ(Count("template <class T>\nclass A {\n").template_count, 1);
  EXPECT_EQ(Count("template <class T> class A {};\n").template_count, 1);
  EXPECT_EQ(Count("template<class T> T f();\n").template_count, 0);
  EXPECT_EQ(Count("template <class T>\n", "t.c").template_count, 0);
}

TEST(WordCounters, LanguageRestrictedWords) {
  EXPECT_EQ(Count("import java.util.List;\n", "A.java").import_count, 1);
  EXPECT_EQ(Count("import x;\n", "a.cpp").import_count, 0);
  EXPECT_EQ(Count("using namespace std;\n", "a.cpp").using_count, 1);
  EXPECT_EQ(Count("using System;\n", "a.cs").using_count, 1);
  EXPECT_EQ(Count("using x;\n", "a.c").using_count, 0);
  EXPECT_EQ(Count("using x;\n", "a.xyz").using_count, 0);
  EXPECT_EQ(Count("friend class B;\n", "a.cpp").friend_count, 1);
  EXPECT_EQ(Count("friend class B;\n", "a.c").friend_count, 0);
}

TEST(WordCounters, DelegateSuppressesPlainReturnUntilSemicolon) {
  EXPECT_EQ(Count("delegate\nreturn x;\nreturn y;\n", "a.cs").return_count, 1);
  EXPECT_EQ(Count("delegate\nreturn(x);\n", "a.cs").return_count, 1);
  EXPECT_EQ(Count("delegate\nreturn x;\n", "a.cpp").return_count, 1);
}

TEST(WordCounters, OtherCountedWords) {
  FileMetrics f = Count(
      "const int a = 1;\ntypedef int T;\nunion {\nunion U {\ninline void f();\n"
      "goto end;\nwhile (x) y();\nfor (;;) {}\n");
  EXPECT_EQ(f.const_count, 1);
  EXPECT_EQ(f.typedef_count, 1);
  EXPECT_EQ(f.union_count, 1);  // "union U {" does not: "{" must come next
  EXPECT_EQ(f.inline_function_count, 1);
  EXPECT_EQ(f.goto_count, 1);
  EXPECT_EQ(f.while_count, 1);
  EXPECT_EQ(f.for_count, 1);
  EXPECT_EQ(f.quality_notice_count, 1);  // goto raises notice 9
}

TEST(Preprocessor, DirectivesAndMarkers) {
  FileMetrics inc = Count("#include <stdio.h>\n#include<stdio.h>\n");
  EXPECT_EQ(inc.include_count, 1);
  EXPECT_EQ(inc.preprocessor_lines_count, 2);

  FileMetrics def = Count("#define X 1\n  #  define Y(a) (a)\nx = a#b;\n");
  EXPECT_EQ(def.define_count, 2);
  EXPECT_EQ(def.macros_count, 2);
  EXPECT_EQ(def.preprocessor_lines_count, 2);  // "a#b" is no marker

  EXPECT_EQ(Count("# define A 1 # x\n").preprocessor_lines_count, 2);
}

TEST(Preprocessor, DefineNamesJoinTheMacroList) {
  test::Harness h;
  h.AnalyzeFile("#define MAX_SIZE 10\n#define SQUARE(x) ((x)*(x))\n");
  EXPECT_TRUE(h.G().lists.macro_names.contains("MAX_SIZE"));
  EXPECT_TRUE(h.G().lists.macro_names.contains("SQUARE"));
}

// A run that shows the line counts alone (-s) keeps no #define name and
// counts no keyword but the loops that lLOC reads; with -v it counts them
// all.
TEST(Preprocessor, ARunOfLineCountsAloneCountsOnlyWhatItShows) {
  const std::string text =
      "#define MAX 10\nint f(int n) {\n  for (int i = 0; i < n; ++i) if (i) return i;\n"
      "  return 0;\n}\n";
  for (const bool verbose : {false, true}) {
    test::Harness h;
    h.G().sw.summary = true;
    h.G().sw.verbose = verbose;
    h.AnalyzeFile(text);
    const FileMetrics& f = h.G().file;
    EXPECT_EQ(h.G().lists.macro_names.contains("MAX"), verbose);
    EXPECT_EQ(f.define_count, 1);
    EXPECT_EQ(f.for_count, 1);
    EXPECT_EQ(f.semicolon_count, 4);
    EXPECT_EQ(f.Lloc(), 3);
    EXPECT_EQ(f.if_count, verbose ? 1 : 0);
    EXPECT_EQ(f.return_count, verbose ? 2 : 0);

    test::Harness cs;
    cs.G().sw.summary = true;
    cs.G().sw.verbose = verbose;
    cs.AnalyzeFile("foreach (var x in xs) f(x);\n", "t.cs");
    EXPECT_EQ(cs.G().file.Lloc(), 0);
  }
}

// Names of one to thirty-seven characters, ended by a tab, "(", a carriage
// return, a blank and the end of the file.
TEST(Preprocessor, DefineNamesEndAtBlankParenOrLineEnd) {
  test::Harness h;
  h.AnalyzeFile("#define A\tx\n#define AB(y) y\n#define ABCDE\r\n"
                "#define ABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789 1\n#define ABCDEFGHIJKLMNOPQRS(x)\n"
                "#define ABCDF");
  const NameSet& names = h.G().lists.macro_names;
  for (const char* name : {"A", "AB", "ABCDE", "ABCDF", "ABCDEFGHIJKLMNOPQRS",
                           "ABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789"}) {
    EXPECT_TRUE(names.contains(name)) << name;
  }
  for (const char* name : {"ABC", "ABCDEF", "AB(y)", "ABCDE\r", "ABCDEFGHIJKLMNOPQRSTUVWXYZ_012345678"}) {
    EXPECT_FALSE(names.contains(name)) << name;
  }
}

TEST(Preprocessor, RegionSuppressesTheRestOfTheLine) {
  FileMetrics f = Count("#region Helpers // note\nx;\n", "a.cs");
  EXPECT_EQ(f.preprocessor_lines_count, 1);
  EXPECT_EQ(f.comment_lines_count, 0);
  EXPECT_EQ(f.spaces_count, 0);
  EXPECT_EQ(f.loc_count, 2);
}

// An excess closer is forced equal: a parenthesis raises notice 12, a brace
// nothing.
TEST(Tokens, ExcessClosersAreForcedEqual) {
  FileMetrics p = Count(")\n(\n");
  EXPECT_EQ(p.close_paren_count, 0);
  EXPECT_EQ(p.open_paren_count, 1);
  EXPECT_EQ(p.quality_notice_count, 1);
  FileMetrics b = Count("}\n{\n");
  EXPECT_EQ(b.close_brace_count, 0);
  EXPECT_EQ(b.open_brace_count, 1);
  EXPECT_EQ(b.quality_notice_count, 0);
}

TEST(Tokens, BracketedAttributeHidesParenLines) {
  const char* text = "[Obsolete(\n\"x\"\n)\n]\n";
  EXPECT_EQ(Count(text, "a.cs").parenline_count, 0);
  EXPECT_EQ(Count(text, "a.c").parenline_count, 1);
  FileMetrics f = Count(text, "a.cs");
  EXPECT_EQ(f.open_bracket_count, 1);
  EXPECT_EQ(f.close_bracket_count, 1);
}

TEST(OtherLanguage, OnlyLineCountersMove) {
  test::Harness h;
  h.G().settings.other_extensions = "txt";
  h.G().lang = LanguageState{};
  RegisterLanguages(h.G());
  h.AnalyzeFile("if (x) { y; } // c\n\n\"s\"\n", "notes.txt");
  const FileMetrics& f = h.G().file;
  EXPECT_EQ(f.loc_count, 2);
  EXPECT_EQ(f.comment_lines_count, 1);
  EXPECT_EQ(f.blank_lines_count, 1);
  EXPECT_EQ(f.literal_strings_count, 1);
  EXPECT_EQ(f.if_count, 0);
  EXPECT_EQ(f.semicolon_count, 0);
  EXPECT_EQ(f.open_brace_count, 0);
  EXPECT_EQ(f.spaces_count, 6);  // five in the code, one in the comment
}

class Filing : public test::HarnessTest {};

TEST_F(Filing, ProjectAndLanguageTotals) {
  h.AnalyzeFile("int a;\n// c\n\n", "a.c");
  FileCounters(G);
  h.AnalyzeFile("{\n}\nx;\n", "b.hpp");
  FileCounters(G);
  EXPECT_EQ(G.project.loc_count, 4);
  EXPECT_EQ(G.project.comment_lines_count, 1);
  EXPECT_EQ(G.project.braceline_count, 2);
  EXPECT_EQ(G.lang.group_lines[kGroupC].loc, 1);
  EXPECT_EQ(G.lang.group_lines[kGroupC].lines, 3);
  EXPECT_EQ(G.lang.group_lines[kGroupHeader].loc, 3);
  EXPECT_EQ(G.lang.group_lines[kGroupHeader].eloc, 1);
  EXPECT_EQ(G.lang.file_counts[kLangC], 1);
  EXPECT_EQ(G.lang.file_counts[kLangCppHeader], 1);
}

}  // namespace
}  // namespace zav
