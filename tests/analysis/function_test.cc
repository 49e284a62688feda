// Function detection and functional metrics.
#include "analysis/function.h"
#include "analysis/header_rules.h"
#include "analysis/language.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "test_support.h"

namespace zav {
namespace {

// Analyses text with function analysis on and returns the harness.
struct Analysed {
  test::Harness h;
  explicit Analysed(const std::string& text, const std::string& file = "t.cpp",
                    void (*configure)(GlobalData&) = nullptr) {
    h.G().sw.functional = true;
    if (configure != nullptr) configure(h.G());
    h.AnalyzeFile(text, file);
  }
  const FunctionList& functions() { return h.G().lists.functions; }
  FunctionRecord only() {
    EXPECT_EQ(functions().size(), 1u);
    return functions().at(0);
  }
};

TEST(FunctionMetrics, SmallestFunctions) {
  Analysed a("int f(void) { return 0; }\n");
  const FunctionRecord& f = a.only();
  EXPECT_EQ(f.name, "f");
  EXPECT_EQ(f.parameters, "(void)");
  EXPECT_EQ(f.params, 0);
  EXPECT_EQ(f.returns, 1);
  EXPECT_EQ(f.cyclomatic, 1);
  EXPECT_EQ(f.interface_complexity, 1);
  EXPECT_EQ(f.functional_complexity, 2);

  Analysed b("int f() { }\n");
  EXPECT_EQ(b.only().params, 0);
  EXPECT_EQ(b.only().returns, 1);  // no return still has one return point
}

TEST(FunctionMetrics, SizesAreTakenOverTheBody) {
  // The '{' line starts the count; the '}' line adds one; the brace line
  // counted inside the body is not effective.
  Analysed a("int f(int a)\n{\n  // note\n  int b = a;\n\n  return b;\n}\n");
  const FunctionRecord& f = a.only();
  EXPECT_EQ(f.loc, 4);
  EXPECT_EQ(f.eloc, 3);
  EXPECT_EQ(f.lloc, 2);
  EXPECT_EQ(f.comments, 1);
  EXPECT_EQ(f.blanks, 1);
  EXPECT_EQ(f.lines, 6);
  EXPECT_EQ(f.line, 1);  // the header's line
}

TEST(FunctionMetrics, ParameterCounting) {
  EXPECT_EQ(Analysed("void g(std::map<int, int> m, int k) {}\n").only().params, 2);
  EXPECT_EQ(Analysed("void g(int (*cb)(int, int), int k) {}\n").only().params, 2);
  EXPECT_EQ(Analysed("void g(int a,\n       int b,\n       int c)\n{\n}\n").only().params, 3);
  Analysed spread("void g( int a ,\tint  b )\n{\n}\n");
  EXPECT_EQ(spread.only().parameters, "(int a , int b)");
  EXPECT_EQ(Analysed("int size() const { return n; }\n").only().params, 0);
}

TEST(Cyclomatic, DecisionsWithDefaultSettings) {
  Analysed chain(
      "void h(int a, int b, int c, int d)\n{\n"
      "  if (a && b) x(); else if (c || d) y(); else z();\n}\n");
  EXPECT_EQ(chain.only().cyclomatic, 5);  // 1 + 2 if + 1 and + 1 or

  Analysed cases(
      "int s(int v)\n{\n  switch (v) {\n  case 1: return 1;\n  case 2: return 2;\n"
      "  case 3: return 3;\n  }\n  return 0;\n}\n");
  EXPECT_EQ(cases.only().cyclomatic, 4);  // switch itself not counted
  EXPECT_EQ(cases.only().returns, 4);

  Analysed loops("void w()\n{\n  while (x) ;\n  do { } while (x);\n  for (;;) {}\n}\n");
  EXPECT_EQ(loops.only().cyclomatic, 4);

  Analysed ternary("int t(int a) { return a ? 1 : a ?? 2; }\n", "t.cs");
  EXPECT_EQ(ternary.only().cyclomatic, 2);  // "??" is not a decision
}

TEST(Cyclomatic, ConfigurationKeysSelectTheCounters) {
  const char* text = "void h()\n{\n  if (a) x(); else y();\n  switch (b) { case 1: break; }\n}\n";
  EXPECT_EQ(Analysed(text).only().cyclomatic, 3);
  Analysed all(text, "t.cpp", [](GlobalData& G) {
    G.settings.cyclo_else = true;
    G.settings.cyclo_switch = true;
    G.settings.cyclo_function_call = false;
  });
  EXPECT_EQ(all.only().cyclomatic, 4);  // if, else, switch, case
}

TEST(ReturnPoints, GotoCountsWhenConfigured) {
  const char* text = "void g()\n{\n  goto end;\nend:\n  ;\n}\n";
  Analysed a(text);
  EXPECT_EQ(a.only().returns, 1);
  EXPECT_EQ(a.only().cyclomatic, 2);
  Analysed b(text, "t.cpp", [](GlobalData& G) { G.settings.goto_is_return_point = false; });
  EXPECT_EQ(b.only().returns, 1);  // none counted: the minimum of one
  Analysed c("void g()\n{\n  if (x) exit(1);\n  goto a;\n  return;\n}\n");
  EXPECT_EQ(c.only().returns, 3);
}

TEST(HeaderRecognition, NotFunctions) {
  EXPECT_TRUE(Analysed("int (*fp)(int);\n").functions().empty());
  EXPECT_TRUE(Analysed("int f(int);\nfoo(1, 2);\n").functions().empty());
  EXPECT_TRUE(Analysed("int x = compute(3);\n{\n}\n").functions().empty());
  EXPECT_TRUE(Analysed("#define MAX(a, b) ((a) > (b) ? (a) : (b))\n").functions().empty());
  EXPECT_TRUE(Analysed("DECLARE_THING(Foo);\n").functions().empty());
  // A name that is a system type: macro confusion, rejected.
  EXPECT_TRUE(Analysed("int (a) { }\n").functions().empty());
}

// Headers after which only the function itself is found: one return point,
// no class.
TEST(HeaderRecognition, OneFunctionFound) {
  const struct { const char *text, *file, *name; } cases[] = {
      {"char *f(int x) { return 0; }\n", "t.cpp", "f"},  // returned pointer
      {"REGISTER_TYPE(Foo)\nint g(void)\n{\n  return 1;\n}\n", "t.cpp", "g"},
      {"void f()\n{\n  auto g = [](int x) { return x; };\n  g(1);\n}\n", "t.cpp", "f"},
      {"extern \"C\" {\nint f(void) { return 0; }\n}\n", "t.cpp", "f"},
      {"struct stat *get(void)\n{\n  return 0;\n}\n", "t.c", "get"},
  };
  for (const auto& c : cases) {
    Analysed a(c.text, c.file);
    EXPECT_EQ(a.only().name, c.name) << c.text;
    EXPECT_EQ(a.only().returns, 1) << c.text;
    EXPECT_EQ(a.h.G().file.class_count, 0) << c.text;
  }
}

TEST(HeaderRecognition, KnRParametersInC) {
  Analysed a("int f(a, b)\nint a;\nint b;\n{\n  return a;\n}\n", "t.c");
  const FunctionRecord& f = a.only();
  EXPECT_EQ(f.params, 2);
  EXPECT_EQ(f.parameters, "(a, b) int a; int b; Non-ANSI Parameter Construct");
  // In C++ the semicolon ends a declaration instead.
  EXPECT_TRUE(Analysed("int f() noexcept;\nint x;\n{\n}\n").functions().empty());
}

TEST(HeaderRecognition, ConditionalDirectiveBetweenNameAndBody) {
  Analysed a("int f(int a\n#ifdef WIDE\n  , int b\n#endif\n  )\n{\n}\n");
  EXPECT_EQ(a.only().parameters, "(int a , int b) Defined By Compiler Directive");
}

TEST(HeaderRecognition, ConstructorsOperatorsAndTemplates) {
  Analysed ctor("A::A(int x) : x_(x), y_(0) { }\n");
  EXPECT_EQ(ctor.only().name, "A::A");
  EXPECT_EQ(ctor.only().parameters, "(int x)");
  EXPECT_EQ(ctor.only().params, 1);

  Analysed eq("bool A::operator==(const A& o) const { return true; }\n");
  EXPECT_EQ(eq.only().name, "A::operator==");
  EXPECT_EQ(eq.only().params, 1);

  Analysed call("struct F {\n  int operator()(int x) { return x; }\n};\n");
  EXPECT_EQ(call.only().name, "operator()");
  EXPECT_EQ(call.only().params, 1);

  Analysed tmpl("template <typename T>\nT max(T a, T b) { return a > b ? a : b; }\n");
  EXPECT_EQ(tmpl.only().name, "max");
  EXPECT_EQ(tmpl.only().template_text, "template <typename T>");
  EXPECT_EQ(tmpl.only().cyclomatic, 2);
  // A ";" forgets the template header; a second header replaces the first.
  Analysed forgotten("template <class T> int v;\nint plain(int a) { return a; }\n");
  EXPECT_EQ(forgotten.only().template_text, "");
  Analysed second("template <class A>\ntemplate <class  B> void f(B b) { }\n");
  EXPECT_EQ(second.only().template_text, "template <class B>");
}

// The word before the "(" is the name when a blank, "*", "&", "(" or the
// line's start stands before it; "::" across blanks joins the qualifier.
TEST(HeaderRecognition, WordBeforeTheParenthesis) {
  EXPECT_EQ(Analysed("f(void) { }\n").only().name, "f");
  EXPECT_EQ(Analysed("int *f(void) { }\n", "t.c").only().name, "f");
  EXPECT_EQ(Analysed("const A &get (int i) { }\n").only().name, "get");
  EXPECT_EQ(Analysed("void A :: run (int x) { }\n").only().name, "A::run");
  // "record" names a Java method unless it stands before the name.
  Analysed java("class A {\n  int record(int x) { return x; }\n  record R(int y) { }\n}\n",
                "A.java");
  EXPECT_EQ(java.only().name, "record");
  EXPECT_EQ(java.h.G().lists.classes.size(), 2u);
}

TEST(HeaderRecognition, JavaAnonymousClassMethodsStayInside) {
  Analysed a(
      "class A {\n  void run() {\n    Runnable r = new Runnable() {\n"
      "      public void run() { go(); }\n    };\n  }\n}\n",
      "A.java");
  EXPECT_EQ(a.only().name, "run");
  EXPECT_EQ(a.h.G().lists.classes.at(0).methods_private, 1);
}

TEST(HeaderRecognition, AnnotationsAndCSharpAttributes) {
  Analysed java("class A {\n  @Override\n  public String toString() { return s; }\n}\n",
                "A.java");
  EXPECT_EQ(java.only().name, "toString");
  Analysed cs(
      "class P {\n  [Obsolete(\"x\")]\n  public int Value { get { return v; } set { v = value; } }\n"
      "  private int v;\n  public void Do(int a) { }\n}\n",
      "P.cs");
  EXPECT_EQ(cs.only().name, "Do");
  const ClassRecord& p = cs.h.G().lists.classes.at(0);
  EXPECT_EQ(p.attributes_private, 1);
  EXPECT_EQ(p.methods_public, 1);
}

TEST(HeaderRecognition, NothingWithoutFunctionAnalysis) {
  test::Harness h;
  h.AnalyzeFile("int f(void) { return 0; }\n");
  EXPECT_TRUE(h.G().lists.functions.empty());
  EXPECT_EQ(h.G().file.functions_count, 0);
}

TEST(FileTotals, SumsAndMaxima) {
  Analysed a("int f(int a, int b) { if (a) return 1; return b; }\nvoid g() { }\n");
  const FileMetrics& f = a.h.G().file;
  EXPECT_EQ(f.functions_count, 2);
  EXPECT_EQ(f.func_params_sum, 2);
  EXPECT_EQ(f.func_returns_sum, 3);
  EXPECT_EQ(f.func_vg_sum, 3);
  EXPECT_EQ(f.func_vg_max, 2);
  EXPECT_EQ(f.func_params_max, 2);
  EXPECT_EQ(f.func_complexity_max, 6);  // 2 params + 2 Vg + 2 returns
}

TEST(Normalisation, RulesOfTheParameterText) {
  EXPECT_EQ(NormaliseParameters("( int a,\tint b ) const {", false, false, false),
            "(int a, int b) const");
  EXPECT_EQ(NormaliseParameters("(int x) : base(x) {", false, false, false), "(int x)");
  EXPECT_EQ(NormaliseParameters("(int x) -> std::string {", false, false, false),
            "(int x) -> std::string");
  EXPECT_EQ(NormaliseParameters("(int x", false, false, false), "(int x)");
  EXPECT_EQ(NormaliseParameters("(int a, (b {x", false, false, false), "(int a, (b)");
  // Runs of more than sixteen characters between blanks and parentheses.
  EXPECT_EQ(NormaliseParameters("(const char *__restrict __format,\n\t\t  __gnuc_va_list __arg) {",
                                false, false, false),
            "(const char *__restrict __format, __gnuc_va_list __arg)");
  EXPECT_EQ(NormaliseParameters("( int gr\xc3\xb6\xc3\x9f""e_of_a_long_name_here ) {", false,
                                false, false),
            "(int gr\xc3\xb6\xc3\x9f""e_of_a_long_name_here)");
  // Line breaks and indentation read as one blank, in the group and after it.
  EXPECT_EQ(NormaliseParameters("(\n    int a,\n        int b )\n    throws IOException,  Foo {",
                                false, false, false),
            "(int a, int b) throws IOException, Foo");
  EXPECT_EQ(CountParameters("()"), 0);
  EXPECT_EQ(CountParameters("(void)"), 0);
  EXPECT_EQ(CountParameters("(void *p)"), 1);
  EXPECT_EQ(CountParameters("(std::pair<int, int> p, int q[2])"), 2);
  EXPECT_EQ(CountParameters("(const std::vector<std::pair<int, int>>& values, long count, void* user)"), 3);
}

class Validation : public test::HarnessTest {};

TEST_F(Validation, FunctionNameCharacters) {
  SetFileLanguage(G, "a.c", false);
  EXPECT_TRUE(ValFunctionName(G, "do_it2", false));
  EXPECT_FALSE(ValFunctionName(G, "A::f", false));
  SetFileLanguage(G, "a.cpp", false);
  EXPECT_TRUE(ValFunctionName(G, "A<int, long>::f", false));
  EXPECT_TRUE(ValFunctionName(G, "~A", false));
  EXPECT_FALSE(ValFunctionName(G, "a.b", false));
  EXPECT_FALSE(ValFunctionName(G, "x-y", false));
  EXPECT_TRUE(ValFunctionName(G, "operator+=", true));
  // A plain word before the "(", told or found: a digit may not start it.
  EXPECT_FALSE(GetFunction(G, "int 2f(int a)", 6));
  EXPECT_TRUE(GetFunction(G, "int _f2 (int a)", 8, "_f2", 4));
  EXPECT_EQ(G.func.name, "_f2");
}

// Words that CountsInFunction leaves out never reach FunctionWord: each
// word that FunctionWord counts in a C body must be one it lets through.
TEST_F(Validation, EveryCountedWordReachesTheFunctionCounters) {
  SetFileLanguage(G, "a.c", false);
  G.func.in_body = true;
  for (int w = 1; w < static_cast<int>(Word::kCount); ++w) {
    const Word word = static_cast<Word>(w);
    const std::string line = std::string(" ") + WordText(word) + " (a);";
    const int end = 1 + static_cast<int>(std::strlen(WordText(word)));
    const DecisionCounts before = G.func.counts;
    const int returns = G.func.returns;
    FunctionWord(G, line.c_str(), 1, end, word);
    const bool counted = std::memcmp(&before, &G.func.counts, sizeof before) != 0 ||
                         returns != G.func.returns;
    if (counted) {
      EXPECT_TRUE(CountsInFunction(word)) << WordText(word);
    }
  }
  EXPECT_EQ(G.func.counts.ifs, 1);  // the words were counted at all
  EXPECT_EQ(G.func.counts.cases, 1);
}

TEST(Robustness, UnbalancedAndTruncatedCodeDoesNotCrash) {
  for (const char* text :
       {"}}}} void f( { ) ) {", "int f(int a\n", "class A { void f() {\n",
        "namespace { namespace { class", "template <class T", "))))((((;;;;{{{{"}) {
    Analysed a(text);
    // Every line is still read and counted, and no function gets a
    // negative size.
    const std::string s = text;
    const int lines = static_cast<int>(std::count(s.begin(), s.end(), '\n')) +
                      (s.back() == '\n' ? 0 : 1);
    EXPECT_EQ(a.h.G().file.total_physical_lines_count, lines) << text;
    for (const FunctionRecord& f : a.functions()) EXPECT_GE(f.loc, 0) << text;
  }
}

}  // namespace
}  // namespace zav

namespace zav {
namespace {

TEST(NameRunStart, FindsWhereTheNameBeforeAPositionBegins) {
  // Past sixteen characters, in the sixteen before them and at the line's start.
  const char* line = "static unsigned long __glibc_reserved_name_of_length_40_chars_x (";
  EXPECT_EQ(NameRunStart(line, 63), 21);
  EXPECT_EQ(WordBefore(line, 64), std::string_view(line + 21, 42));
  EXPECT_EQ(NameRunStart("Zy_09", 5), 0);
  EXPECT_EQ(NameRunStart("a+b", 2), 2);  // "+" before the position: no name
  // The characters next to the name characters' ranges, and bytes above
  // 0x7F, end a name.
  for (const char c : {'@', '[', '`', '{', '/', ':', '^', '\xC3'}) {
    const std::string text = "abcdefghi" + std::string(1, c) + "ZYXWV_9876";
    EXPECT_EQ(NameRunStart(text.c_str(), 20), 10) << c;
  }
}

}  // namespace
}  // namespace zav
