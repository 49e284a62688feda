// Function and scope detection on shapes taken from real code bases.
#include <gtest/gtest.h>

#include "test_support.h"

namespace zav {
namespace {

struct Shape {
  const char* label;
  const char* file;
  const char* text;
  std::vector<std::string> functions;  // names in source order
};

const Shape kShapes[] = {
    {"GNU style, capital name, brace on the next line", "t.c",
     "char *\nSTRCPY (char *dest, const char *src)\n{\n  return dest;\n}\n", {"STRCPY"}},
    {"macro lines without a semicolon before and after", "t.c",
     "libc_hidden_def (foo)\nint\nbar (int x)\n{\n  return x;\n}\nweak_alias (bar, baz)\n"
     "__libc_lock_define_initialized (static, lock)\nstatic int\ng (void)\n{\n}\n",
     {"bar", "g"}},
    {"prototype ending in an attribute macro", "t.c",
     "static int g (int, int) __THROW;\nstatic int g (int a, int b) {\n  return a;\n}\n", {"g"}},
    {"capital constructor with its initialiser list on the next line", "t.cpp",
     "class POINT {\n  int x;\npublic:\n  POINT(int v)\n  : x(v)\n  {\n  }\n};\n", {"POINT"}},
    {"struct with a base clause holding a call-like cast", "t.cpp",
     "template <typename P1, typename... Ps> struct conj<P1, Ps...>\n"
     ": std::conditional<bool(P1::value), conj<Ps...>, P1>::type {};\n",
     {}},
    {"constructor with brace initialisers", "t.cpp",
     "A::A() : v{1, 2}, w{}\n{\n  if (v) go();\n}\nint n() { return 0; }\n", {"A::A", "n"}},
    {"attribute before the name", "t.c",
     "static void __attribute__((noreturn)) die(const char *m) {\n  exit(1);\n}\n", {"die"}},
    {"assignment on a #define line", "t.c",
     "#define X = 1\nint f(void)\n{\n  return 0;\n}\n", {"f"}},
    {"Java annotation with an assignment", "T.java",
     "class T {\n  @Test(expected = X.class)\n  public void t() {\n  }\n}\n", {"t"}},
    {"C# attribute with an assignment", "C.cs",
     "class C {\n  [Route(Name = \"x\")]\n  public void Get() {\n  }\n}\n", {"Get"}},
    {"Java record with a compact constructor", "P.java",
     "record P(int x, int y) {\n  public P {\n    if (x < 0) throw new E();\n  }\n"
     "  int sum() { return x + y; }\n}\n",
     {"P", "sum"}},
    {"methods of a nested Java enum", "A.java",
     "class A {\n  enum E { X, Y; void m() { } }\n  void n() { }\n}\n", {"m", "n"}},
    {"the same opening line in #if and #else", "t.cpp",
     "#if A\nTEST(a, b) {\n#else\nTEST(a, c) {\n#endif\n  go();\n}\nint n() { return 0; }\n",
     {"TEST", "n"}},
    {"type macro and pointer before a GNU-style header", "t.c",
     "static const ElfW(Sym) *\ncheck_match (int a)\n{\n}\n", {"check_match"}},
    {"K&R parameters with a function pointer", "t.c",
     "int f (a, cb)\n     int a;\n     void (*cb) (void);\n{\n  return a;\n}\n", {"f"}},
    {"a C function named like a C++ keyword", "t.c", "int try (int a) { return a; }\n",
     {"try"}},
    {"initialiser list after noexcept, one member a line", "t.cpp",
     "class W {\n  W(int a) noexcept\n    : x(a)\n    , y(a)\n  { }\n};\n", {"W"}},
    {"compound assignment operator and template default", "t.cpp",
     "struct V {\n  V& operator+=(const V& o) { return *this; }\n};\n"
     "template <typename T = int>\nT g(T a) { return a; }\n",
     {"operator+=", "g"}},
    {"attribute macro after the namespace name", "t.cpp",
     "namespace std VIS(default)\n{\nint f() { return 0; }\n}\n", {"f"}},
    {"Java name ending the line before its parameters", "A.java",
     "class A {\n  A\n      (int x) {\n  }\n}\n", {"A"}},
};

TEST(RealCodeShapes, FunctionsFound) {
  for (const Shape& shape : kShapes) {
    test::Harness h;
    h.G().sw.functional = true;
    h.AnalyzeFile(shape.text, shape.file);
    std::vector<std::string> names;
    for (const FunctionRecord& f : h.G().lists.functions) names.push_back(f.name);
    EXPECT_EQ(names, shape.functions) << shape.label;
  }
}

// Analyses one shape and returns its harness for closer checks.
std::unique_ptr<test::Harness> Analyse(const char* text, const char* file) {
  auto h = std::make_unique<test::Harness>();
  h->G().sw.functional = true;
  h->AnalyzeFile(text, file);
  return h;
}

TEST(RealCodeShapes, TheFoundFunctionsMeasureTheirOwnText) {
  auto proto = Analyse(kShapes[2].text, "t.c");
  EXPECT_EQ(proto->G().lists.functions.at(0).parameters, "(int a, int b)");
  auto ctor = Analyse(kShapes[5].text, "t.cpp");
  const FunctionRecord& a = ctor->G().lists.functions.at(0);
  EXPECT_EQ(a.lines, 3);       // from the body's "{" (line 2) to its "}" (line 4)
  EXPECT_EQ(a.cyclomatic, 2);  // 1 + the if
  auto conj = Analyse(kShapes[4].text, "t.cpp");
  ASSERT_EQ(conj->G().lists.classes.size(), 1u);
  EXPECT_EQ(conj->G().lists.classes[0].name, "conj<P1, Ps...>");
  EXPECT_EQ(conj->G().lists.classes[0].kind, RecordKind::kStruct);
}

TEST(RealCodeShapes, RecordsAndEnumsBelongToTheirClass) {
  auto record = Analyse(kShapes[10].text, "P.java");
  ASSERT_EQ(record->G().lists.classes.size(), 1u);
  const ClassRecord& p = record->G().lists.classes[0];
  EXPECT_EQ(p.name, "P");
  EXPECT_EQ(p.attributes_private, 2);  // the two components
  EXPECT_EQ(p.methods, 2.0);          // the compact constructor and sum
  EXPECT_EQ(record->G().lists.functions.at(0).params, 0);
  EXPECT_EQ(record->G().lists.functions.at(0).cyclomatic, 2);
  auto nested = Analyse(kShapes[11].text, "A.java");
  ASSERT_EQ(nested->G().lists.classes.size(), 1u);
  EXPECT_EQ(nested->G().lists.classes[0].methods, 2.0);
}

TEST(RealCodeShapes, BracedAndLambdaInitialisersAreData) {
  auto cpp = Analyse(
      "class A {\n  int x{0};\n  int z[2] = {1, 2};\n  std::map<int, int> m;\n  int a, b;\n};\n",
      "t.cpp");
  EXPECT_EQ(cpp->G().lists.classes.at(0).attributes_private, 5);
  auto java = Analyse(
      "class A {\n  Runnable r = () -> { go(); };\n"
      "  Object o = new Object() { public String toString() { return \"\"; } };\n"
      "  int[] v = {1, 2};\n}\n",
      "A.java");
  EXPECT_EQ(java->G().lists.classes.at(0).attributes_private, 3);
  EXPECT_TRUE(java->G().lists.functions.empty());
}

TEST(RealCodeShapes, DecisionsOnPreprocessorLinesCountNothing) {
  auto h = Analyse("int f(int a)\n{\n#if A && B || C\n  return a ? 1 : 0;\n#endif\n}\n", "t.c");
  EXPECT_EQ(h->G().lists.functions.at(0).cyclomatic, 2);  // only the "?"
}

}  // namespace
}  // namespace zav
