// The built-in quality checks: which code raises which notice, and which
// code must raise none.
#include "quality/checks.h"

#include <gtest/gtest.h>

#include <functional>

#include "test_support.h"

namespace zav {
namespace {

// Analyses text with function and object analysis on and returns how often
// each notice was raised.
class Raised {
 public:
  explicit Raised(const std::string& text, const std::string& file = "t.cpp",
                  const std::function<void(GlobalData&)>& configure = nullptr) {
    GlobalData& G = h_.G();
    G.sw.functional = true;
    G.sw.objects = true;
    if (configure) configure(G);
    h_.AnalyzeFile(text, file);
  }
  int operator[](int number) const { return h_.G().notices.run_counts[number]; }
  int total() const { return h_.G().file.quality_notice_count; }

 private:
  mutable test::Harness h_;
};

std::string InFunction(const std::string& body) {
  return "void f(int a)\n{\n  // c\n" + body + "}\n";
}

TEST(LineChecks, EllipsisOutsideCatch) {
  EXPECT_EQ(Raised("void f(int a, ...);\n")[3], 1);
  EXPECT_EQ(Raised(InFunction("  try { g(); } catch (...) { }\n"))[3], 0);
}

TEST(LineChecks, AssignmentsInsideConditions) {
  EXPECT_EQ(Raised(InFunction("  if (a = b) x();\n"))[4], 1);
  EXPECT_EQ(Raised(InFunction("  if (g(x = 1)) x();\n"))[4], 1);
  EXPECT_EQ(Raised(InFunction("  if (a == b || a <= c || a != d) x();\n"))[4], 0);
  EXPECT_EQ(Raised(InFunction("  while (c = next()) go();\n"))[5], 1);
  EXPECT_EQ(Raised(InFunction("  while (a != b) go();\n"))[5], 0);
  Raised after(InFunction("  if (a) { b = c; }\n"));
  EXPECT_EQ(after[4], 0);  // the condition closed before the "="
}

TEST(LineChecks, PrefixOperators) {
  Raised r(InFunction("  --a;\n  a--;\n  ++b;\n  b++;\n  c = d - -e;\n"));
  EXPECT_EQ(r[6], 1);
  EXPECT_EQ(r[7], 1);
  EXPECT_EQ(Raised("#define INC(x) ++x\n")[7], 1);
}

TEST(LineChecks, WordsThatAreRisky) {
  EXPECT_EQ(Raised(InFunction("  p = realloc(p, 10);\n"))[8], 1);
  EXPECT_EQ(Raised(InFunction("  goto out;\nout:\n  ;\n"))[9], 1);
  EXPECT_EQ(Raised(InFunction("  for (;;) { continue; }\n"))[43], 1);
  EXPECT_EQ(Raised(InFunction("  try { g(); } catch (int e) { }\n"))[38], 1);
  EXPECT_EQ(Raised("void *p;\n")[26], 1);
  EXPECT_EQ(Raised("void* p;\nvoid f(void);\n")[26], 0);
  EXPECT_EQ(Raised("using namespace std;\n")[32], 1);
  EXPECT_EQ(Raised("using System;\n", "t.cs")[32], 0);
}

TEST(LineChecks, FriendClass) {
  EXPECT_EQ(Raised("class A {\n  friend class B;\n};\n")[15], 1);
  EXPECT_EQ(Raised("class A {\n  friend void g();\n};\n")[15], 0);
}

TEST(LineChecks, Ternary) {
  EXPECT_EQ(Raised("x = a ? b : c;\n")[23], 1);
  EXPECT_EQ(Raised("x = a ?? b;\n", "t.cs")[23], 0);
}

TEST(LineChecks, CppWordsInCFiles) {
  Raised c("int new = 1;\nbool ok;\nint class_count;\n#error not a class here\n", "t.c");
  EXPECT_EQ(c[24], 2);  // new and bool; not the identifier, not in #error
  EXPECT_EQ(Raised("bool ok;\n", "t.cpp")[24], 0);
  EXPECT_EQ(Raised("bool ok;\n", "t.h")[24], 0);  // headers are C++ by default
  EXPECT_EQ(Raised("bool ok;\n", "t.h",
                   [](GlobalData& G) { G.settings.notice_enabled[25] = false; })[24],
            1);
}

TEST(LineChecks, BreaksOutsideSwitchAndInARow) {
  EXPECT_EQ(Raised(InFunction("  while (a) { if (a) break; }\n"))[44], 1);
  const std::string sw =
      "  switch (a) {\n  case 1:\n    g();\n    break;\n  case 2:\n    break;\n"
      "  default:\n    break;\n  }\n";
  Raised ok(InFunction(sw));
  EXPECT_EQ(ok[44], 0);
  EXPECT_EQ(ok[56], 0);
  Raised twice(InFunction("  switch (a) {\n  case 1:\n    break;\n    break;\n  }\n"));
  EXPECT_EQ(twice[56], 1);
  Raised loops(InFunction("  for (;;) { break; }\n  for (;;) { break; }\n"));
  EXPECT_EQ(loops[56], 0);
}

TEST(LineChecks, LiteralAssignments) {
  EXPECT_EQ(Raised(InFunction("  a = 5;\n"))[50], 1);
  EXPECT_EQ(Raised(InFunction("  a = 0;\n"))[50], 0);
  EXPECT_EQ(Raised(InFunction("  a = 0;\n"), "t.cpp",
                   [](GlobalData& G) { G.settings.zero_is_literal = true; })[50],
            1);
  EXPECT_EQ(Raised("const int N = 5;\n")[50], 0);
  EXPECT_EQ(Raised("class A { virtual void f() = 0; };\n", "t.cpp",
                   [](GlobalData& G) { G.settings.zero_is_literal = true; })[50],
            0);
  EXPECT_EQ(Raised("#define X 5\nint y = X;\n")[50], 0);
  EXPECT_EQ(Raised(InFunction("  a = 1, b = 2;\n"))[50], 1);  // the last "=" only
  EXPECT_EQ(Raised(InFunction("  a = 1; // b = c\n"))[50], 1);
  EXPECT_EQ(Raised(InFunction("  if (a == 5) g();\n"))[50], 0);
}

TEST(UnboundScope, BodiesWithoutBraces) {
  EXPECT_EQ(Raised(InFunction("  if (a)\n    g();\n  h();\n"))[22], 1);
  EXPECT_EQ(Raised(InFunction("  if (a) g();\n  h();\n"))[22], 1);
  EXPECT_EQ(Raised(InFunction("  for (;;)\n    g();\n"))[22], 1);
  EXPECT_EQ(Raised(InFunction("  if (a &&\n      a)\n    g();\n"))[22], 1);
  EXPECT_EQ(Raised(InFunction("  if (a)\n    // why\n    g();\n"))[22], 1);
}

TEST(UnboundScope, BracedAndLoopTailsRaiseNothing) {
  EXPECT_EQ(Raised(InFunction("  if (a) {\n    g();\n  }\n"))[22], 0);
  EXPECT_EQ(Raised(InFunction("  if (a)\n  {\n    g();\n  }\n"))[22], 0);
  EXPECT_EQ(Raised(InFunction("  if (a) {\n  } else if (a) {\n  }\n  h();\n"))[22], 0);
  EXPECT_EQ(Raised(InFunction("  do {\n    g();\n  } while (a);\n  h();\n"))[22], 0);
  EXPECT_EQ(Raised(InFunction("  while (g(a));\n  h();\n"))[22], 0);
  // Only while function analysis is on.
  EXPECT_EQ(Raised(InFunction("  if (a)\n    g();\n"), "t.cpp",
                   [](GlobalData& G) { G.sw.functional = false; })[22],
            0);
}

TEST(ScopeDepth, DeeperThanTheLimit) {
  std::string body;
  for (int i = 0; i < 7; ++i) body += "{";
  for (int i = 0; i < 7; ++i) body += "}";
  EXPECT_EQ(Raised(InFunction("  " + body + "\n"))[55], 1);  // depth 8 once
  EXPECT_EQ(Raised(InFunction("  {{{{{{}}}}}}\n"))[55], 0);    // depth 7
}

TEST(ClassChecks, DataMembers) {
  EXPECT_EQ(Raised("class C {\n  int *p;\n};\n")[34], 1);
  EXPECT_EQ(Raised("struct S {\n  int *p;\n};\n")[34], 0);
  Raised pub("class C {\n public:\n  int x;\n  const int k = 1;\n  void f();\n};\n");
  EXPECT_EQ(pub[35], 1);
  EXPECT_EQ(Raised("class C {\n protected:\n  int y;\n};\n")[36], 1);
  EXPECT_EQ(Raised("class C {\n public:\n  event Handler E;\n};\n", "t.cs")[35], 0);
}

TEST(ClassChecks, VirtualDestructor) {
  EXPECT_EQ(Raised("class B {\n public:\n  virtual void f();\n};\n")[37], 1);
  EXPECT_EQ(Raised("class B {\n public:\n  virtual ~B();\n  virtual void f();\n};\n")[37], 0);
  EXPECT_EQ(Raised("class B {\n  public virtual void F() { }\n}\n", "t.cs")[37], 0);
}

TEST(ClassChecks, MethodCountAndContent) {
  const char* text = "class A {\n  void a() {}\n  void b() {}\n  void c() {}\n};\n";
  EXPECT_EQ(Raised(text, "t.cpp", [](GlobalData& G) { G.settings.max_methods_per_class = 2; })[39],
            1);
  EXPECT_EQ(Raised(text)[39], 0);
  EXPECT_EQ(Raised("class A { int x; };\n")[31], 1);
  EXPECT_EQ(Raised("class A { int x; };\n", "t.cpp",
                   [](GlobalData& G) { G.settings.min_class_loc_content = 5; })[31],
            0);
}

TEST(ClassChecks, MissingCommentsWhenEnabled) {
  auto on = [](GlobalData& G) {
    for (int n = 51; n <= 54; ++n) G.settings.notice_enabled[n] = true;
  };
  EXPECT_EQ(Raised("class A {};\n", "t.cpp", on)[52], 1);
  EXPECT_EQ(Raised("// A thing.\nclass A {};\n", "t.cpp", on)[52], 0);
  EXPECT_EQ(Raised("struct S {};\n", "t.cpp", on)[53], 1);
  EXPECT_EQ(Raised("interface I {}\n", "I.java", on)[54], 1);
  EXPECT_EQ(Raised("void f() {}\n", "t.cpp", on)[51], 1);
  EXPECT_EQ(Raised("/* f */\nvoid f() {}\n", "t.cpp", on)[51], 0);
}

TEST(ClassChecks, ClassInsideAFunctionAndMultipleInheritance) {
  EXPECT_EQ(Raised("void f() {\n  struct S { int a; };\n}\n")[33], 1);
  auto notices = [](GlobalData& G) { G.sw.notices = true; };
  EXPECT_EQ(Raised("class D : public A, public B {};\n", "t.cpp", notices)[42], 1);
  EXPECT_EQ(Raised("class E : public T<int, long> {};\n", "t.cpp", notices)[42], 0);
}

TEST(FunctionChecks, NamesPrototypesAndBalance) {
  EXPECT_EQ(Raised("void a_function_name_longer_than_thirty_two() {}\n")[2], 1);
  EXPECT_EQ(Raised("void SomeVeryLongClassNameForTesting::run() {}\n")[2], 0);
  EXPECT_EQ(Raised("int f(a)\nint a;\n{\n  return a;\n}\n", "t.c")[10], 1);
  EXPECT_EQ(Raised("void f() { x[1; }\n")[11], 1);
  EXPECT_EQ(Raised("void f() { g(1; }\n")[12], 1);
}

TEST(FunctionChecks, SwitchCaseBreakBalance) {
  EXPECT_EQ(Raised(InFunction("  switch (a) { case 1: break; }\n"))[13], 1);
  const std::string body =
      "  switch (a) {\n  case 1:\n    break;\n  case 2:\n    break;\n  default:\n    g();\n  }\n";
  EXPECT_EQ(Raised(InFunction(body))[14], 1);  // breaks 2 < case 2 + default 1
  EXPECT_EQ(Raised(InFunction(body), "t.cpp",
                   [](GlobalData& G) { G.settings.use_default_in_case_break = true; })[14],
            0);
  const std::string fall =
      "  switch (a) {\n  case 1:\n    g();\n    // fall through\n  case 2:\n    break;\n"
      "  default:\n    break;\n  }\n";
  EXPECT_EQ(Raised(InFunction(fall))[14], 0);
}

TEST(FunctionChecks, LimitsAndContent) {
  EXPECT_EQ(Raised("int f(int a)\n{\n  // c\n  if (a) return 1;\n  return 2;\n}\n")[27], 1);
  EXPECT_EQ(Raised("void f(int a, int b, int c, int d, int e, int g, int h) {}\n")[29], 1);
  EXPECT_EQ(Raised("int main() { return 0; }\n")[49], 1);
  EXPECT_EQ(Raised("int main(void) { return 0; }\n")[49], 0);
  EXPECT_EQ(Raised("void f(int a) { }\n")[48], 1);  // lLOC 0 <= 0
  EXPECT_EQ(Raised(InFunction("  if (a) { g(); }\n"), "t.cpp",
                   [](GlobalData& G) { G.settings.max_cyclomatic = 1; })[28],
            1);
  EXPECT_EQ(Raised(InFunction("  g();\n  h();\n"), "t.cpp",
                   [](GlobalData& G) { G.settings.max_function_eloc = 2; })[18],
            1);
  EXPECT_EQ(Raised("int f()\n{\n  return 1;\n}\n")[17], 1);
  EXPECT_EQ(Raised("int f()\n{\n  // c\n  return 1;\n}\n")[17], 0);
  EXPECT_EQ(Raised("int f()\n{\n  return 1;\n}\n")[16], 0);
  EXPECT_EQ(Raised("int f(){return 1;}\n")[16], 1);  // no white space at all
}

TEST(FunctionChecks, NothingWithoutFunctionAnalysis) {
  Raised r("int main() { return 0; }\n", "t.cpp",
           [](GlobalData& G) { G.sw.functional = false; });
  EXPECT_EQ(r[49], 0);
  EXPECT_EQ(r[48], 0);
}

TEST(NoFalsePositives, TidyCodeRaisesNothing) {
  const char* c_code =
      "/* Adds two numbers. */\n"
      "int add(int a, int b)\n"
      "{\n"
      "  /* sum */\n"
      "  int s = a + b;\n"
      "\n"
      "  return s;\n"
      "}\n";
  EXPECT_EQ(Raised(c_code, "t.c").total(), 0);
  const char* cpp_code =
      "// A counter.\n"
      "class Counter {\n"
      " public:\n"
      "  // Adds one.\n"
      "  void Add(int n) {\n"
      "    count_ += n;  // grow\n"
      "  }\n"
      "\n"
      " private:\n"
      "  // How far.\n"
      "  int count_ = 0;\n"
      "  int step_ = 0;\n"
      "};\n";
  EXPECT_EQ(Raised(cpp_code).total(), 0);
}

}  // namespace
}  // namespace zav
