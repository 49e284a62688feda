// The built-in quality checks: which code raises which notice, and which
// code must raise none.
#include "quality/checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

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

// One case: analysing `text` (as `file`, after `configure`) raises notice
// `notice` `count` times.
struct Case {
  std::string text;
  int notice, count;
  const char* file = "t.cpp";
  void (*configure)(GlobalData&) = nullptr;
};

void ExpectRaised(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(Raised(c.text, c.file, c.configure)[c.notice], c.count)
        << "notice " << c.notice << " in " << c.text;
  }
}

TEST(LineChecks, RiskyConstructs) {
  ExpectRaised({
      {"void f(int a, ...);\n", 3, 1},
      {InFunction("  try { g(); } catch (...) { }\n"), 3, 0},
      // Assignments inside conditions.
      {InFunction("  if (a = b) x();\n"), 4, 1},
      {InFunction("  if (g(x = 1)) x();\n"), 4, 1},
      {InFunction("  if (a == b || a <= c || a != d) x();\n"), 4, 0},
      {InFunction("  while (c = next()) go();\n"), 5, 1},
      {InFunction("  while (a != b) go();\n"), 5, 0},
      {InFunction("  if (a) { b = c; }\n"), 4, 0},  // the condition closed before the "="
      // Prefix operators.
      {InFunction("  --a;\n  a--;\n  ++b;\n  b++;\n  c = d - -e;\n"), 6, 1},
      {InFunction("  --a;\n  a--;\n  ++b;\n  b++;\n  c = d - -e;\n"), 7, 1},
      {"#define INC(x) ++x\n", 7, 1},
      // Risky words.
      {InFunction("  p = realloc(p, 10);\n"), 8, 1},
      {InFunction("  goto out;\nout:\n  ;\n"), 9, 1},
      {InFunction("  for (;;) { continue; }\n"), 43, 1},
      {InFunction("  try { g(); } catch (int e) { }\n"), 38, 1},
      {"void *p;\n", 26, 1},
      {"void* p;\nvoid f(void);\n", 26, 0},
      {"using namespace std;\n", 32, 1},
      {"using System;\n", 32, 0, "t.cs"},
      {"class A {\n  friend class B;\n};\n", 15, 1},
      {"class A {\n  friend void g();\n};\n", 15, 0},
      {"x = a ? b : c;\n", 23, 1},
      {"x = a ?? b;\n", 23, 0, "t.cs"},
  });
}

TEST(LineChecks, CppWordsInCFiles) {
  ExpectRaised({
      // new and bool; not the identifier, not in #error.
      {"int new = 1;\nbool ok;\nint class_count;\n#error not a class here\n", 24, 2, "t.c"},
      {"bool ok;\n", 24, 0},
      {"bool ok;\n", 24, 0, "t.h"},  // headers are C++ by default
      {"bool ok;\n", 24, 1, "t.h", [](GlobalData& G) { G.settings.notice_enabled[25] = false; }},
  });
}

TEST(LineChecks, BreaksOutsideSwitchAndInARow) {
  const std::string sw =
      "  switch (a) {\n  case 1:\n    g();\n    break;\n  case 2:\n    break;\n"
      "  default:\n    break;\n  }\n";
  ExpectRaised({
      {InFunction("  while (a) { if (a) break; }\n"), 44, 1},
      {InFunction(sw), 44, 0},
      {InFunction(sw), 56, 0},
      {InFunction("  switch (a) {\n  case 1:\n    break;\n    break;\n  }\n"), 56, 1},
      {InFunction("  for (;;) { break; }\n  for (;;) { break; }\n"), 56, 0},
  });
}

TEST(LineChecks, LiteralAssignments) {
  auto zero = [](GlobalData& G) { G.settings.zero_is_literal = true; };
  ExpectRaised({
      {InFunction("  a = 5;\n"), 50, 1},
      {InFunction("  a = 0;\n"), 50, 0},
      {InFunction("  a = 0;\n"), 50, 1, "t.cpp", zero},
      {"const int N = 5;\n", 50, 0},
      {"class A { virtual void f() = 0; };\n", 50, 0, "t.cpp", zero},
      {"#define X 5\nint y = X;\n", 50, 0},
      {InFunction("  a = 1, b = 2;\n"), 50, 1},  // the last "=" only
      {InFunction("  a = 1; // b = c\n"), 50, 1},
      {InFunction("  if (a == 5) g();\n"), 50, 0},
  });
}

TEST(UnboundScope, BodiesWithoutBraces) {
  ExpectRaised({
      {InFunction("  if (a)\n    g();\n  h();\n"), 22, 1},
      {InFunction("  if (a) g();\n  h();\n"), 22, 1},
      {InFunction("  for (;;)\n    g();\n"), 22, 1},
      {InFunction("  if (a &&\n      a)\n    g();\n"), 22, 1},
      {InFunction("  if (a)\n    // why\n    g();\n"), 22, 1},
      // Braced bodies and loop tails raise nothing.
      {InFunction("  if (a) {\n    g();\n  }\n"), 22, 0},
      {InFunction("  if (a)\n  {\n    g();\n  }\n"), 22, 0},
      {InFunction("  if (a) {\n  } else if (a) {\n  }\n  h();\n"), 22, 0},
      {InFunction("  do {\n    g();\n  } while (a);\n  h();\n"), 22, 0},
      {InFunction("  while (g(a));\n  h();\n"), 22, 0},
      // Only while function analysis is on.
      {InFunction("  if (a)\n    g();\n"), 22, 0, "t.cpp",
       [](GlobalData& G) { G.sw.functional = false; }},
  });
}

TEST(ScopeDepth, DeeperThanTheLimit) {
  std::string body;
  for (int i = 0; i < 7; ++i) body += "{";
  for (int i = 0; i < 7; ++i) body += "}";
  EXPECT_EQ(Raised(InFunction("  " + body + "\n"))[55], 1);  // depth 8 once
  EXPECT_EQ(Raised(InFunction("  {{{{{{}}}}}}\n"))[55], 0);    // depth 7
}

TEST(ClassChecks, MembersMethodsAndComments) {
  const char* three = "class A {\n  void a() {}\n  void b() {}\n  void c() {}\n};\n";
  auto comments_on = [](GlobalData& G) {
    for (int n = 51; n <= 54; ++n) G.settings.notice_enabled[n] = true;
  };
  auto notices = [](GlobalData& G) { G.sw.notices = true; };
  ExpectRaised({
      {"class C {\n  int *p;\n};\n", 34, 1},
      {"struct S {\n  int *p;\n};\n", 34, 0},
      {"class C {\n public:\n  int x;\n  const int k = 1;\n  void f();\n};\n", 35, 1},
      {"class C {\n protected:\n  int y;\n};\n", 36, 1},
      {"class C {\n public:\n  event Handler E;\n};\n", 35, 0, "t.cs"},
      // Virtual destructor.
      {"class B {\n public:\n  virtual void f();\n};\n", 37, 1},
      {"class B {\n public:\n  virtual ~B();\n  virtual void f();\n};\n", 37, 0},
      {"class B {\n  public virtual void F() { }\n}\n", 37, 0, "t.cs"},
      // Method count and content.
      {three, 39, 1, "t.cpp", [](GlobalData& G) { G.settings.max_methods_per_class = 2; }},
      {three, 39, 0},
      {"class A { int x; };\n", 31, 1},
      {"class A { int x; };\n", 31, 0, "t.cpp",
       [](GlobalData& G) { G.settings.min_class_loc_content = 5; }},
      // Missing comments, when enabled.
      {"class A {};\n", 52, 1, "t.cpp", comments_on},
      {"// A thing.\nclass A {};\n", 52, 0, "t.cpp", comments_on},
      {"struct S {};\n", 53, 1, "t.cpp", comments_on},
      {"interface I {}\n", 54, 1, "I.java", comments_on},
      {"void f() {}\n", 51, 1, "t.cpp", comments_on},
      {"/* f */\nvoid f() {}\n", 51, 0, "t.cpp", comments_on},
      // A class inside a function; multiple inheritance.
      {"void f() {\n  struct S { int a; };\n}\n", 33, 1},
      {"class D : public A, public B {};\n", 42, 1, "t.cpp", notices},
      {"class E : public T<int, long> {};\n", 42, 0, "t.cpp", notices},
  });
}

TEST(FunctionChecks, NamesBalanceSwitchesLimitsAndContent) {
  const std::string cases =
      "  switch (a) {\n  case 1:\n    break;\n  case 2:\n    break;\n  default:\n    g();\n  }\n";
  const std::string fall =
      "  switch (a) {\n  case 1:\n    g();\n    // fall through\n  case 2:\n    break;\n"
      "  default:\n    break;\n  }\n";
  // The phrase on a line wholly inside a block comment counts too.
  std::string fall_in_block = fall;
  fall_in_block.replace(fall.find("// fall through"), 15, "/*\n     fall through\n     */");
  ExpectRaised({
      {"void a_function_name_longer_than_thirty_two() {}\n", 2, 1},
      {"void SomeVeryLongClassNameForTesting::run() {}\n", 2, 0},
      {"int f(a)\nint a;\n{\n  return a;\n}\n", 10, 1, "t.c"},
      {"void f() { x[1; }\n", 11, 1},
      {"void f() { g(1; }\n", 12, 1},
      // Switch, case and break balance.
      {InFunction("  switch (a) { case 1: break; }\n"), 13, 1},
      {InFunction(cases), 14, 1},  // breaks 2 < case 2 + default 1
      {InFunction(cases), 14, 0, "t.cpp",
       [](GlobalData& G) { G.settings.use_default_in_case_break = true; }},
      {InFunction(fall), 14, 0},
      {InFunction(fall_in_block), 14, 0},
      // Limits and content.
      {"int f(int a)\n{\n  // c\n  if (a) return 1;\n  return 2;\n}\n", 27, 1},
      {"void f(int a, int b, int c, int d, int e, int g, int h) {}\n", 29, 1},
      {"int main() { return 0; }\n", 49, 1},
      {"int main(void) { return 0; }\n", 49, 0},
      {"void f(int a) { }\n", 48, 1},  // lLOC 0 <= 0
      {InFunction("  if (a) { g(); }\n"), 28, 1, "t.cpp",
       [](GlobalData& G) { G.settings.max_cyclomatic = 1; }},
      {InFunction("  g();\n  h();\n"), 18, 1, "t.cpp",
       [](GlobalData& G) { G.settings.max_function_eloc = 2; }},
      {"int f()\n{\n  return 1;\n}\n", 17, 1},
      {"int f()\n{\n  // c\n  return 1;\n}\n", 17, 0},
      {"int f()\n{\n  return 1;\n}\n", 16, 0},
      {"int f(){return 1;}\n", 16, 1},  // no white space at all
  });
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
