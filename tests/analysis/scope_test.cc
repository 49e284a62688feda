// The scope model: namespaces, packages, classes, visibility, attributes.
#include "analysis/scope.h"

#include <gtest/gtest.h>

#include "analysis/language.h"
#include "test_support.h"

namespace zav {
namespace {

struct Scoped {
  test::Harness h;
  explicit Scoped(const std::string& text, const std::string& file = "t.cpp") {
    h.G().sw.functional = true;
    h.AnalyzeFile(text, file);
  }
  GlobalData& G() { return h.G(); }
  std::vector<std::string> ClassNames() {
    std::vector<std::string> names;
    for (const ClassRecord& c : G().lists.classes) names.push_back(c.name);
    return names;
  }
  std::vector<std::string> NamespaceNames() {
    std::vector<std::string> names;
    for (const NamespaceRecord& n : G().lists.namespaces) names.push_back(n.name);
    return names;
  }
  const ClassRecord& Class(const std::string& name) {
    return G().lists.classes.at(G().lists.class_index.at(name));
  }
};

using Names = std::vector<std::string>;

TEST(Classes, ForwardDeclarationsOpenNothing) {
  Scoped forward("class A;\nstruct B;\n");
  EXPECT_TRUE(forward.G().lists.classes.empty());
  EXPECT_EQ(forward.G().file.class_count, 0);
  Scoped body("class A { int x; };\n");
  EXPECT_EQ(body.ClassNames(), Names{"A"});
  EXPECT_EQ(body.G().file.class_count, 1);
  EXPECT_EQ(body.Class("A").attributes_private, 1);
}

// The namespaces and classes a text opens, with their qualified names.
TEST(Classes, NamesQualifiedPerLanguage) {
  const char* nested = "namespace a { namespace b { class C {}; } }\n";
  const struct {
    const char *text, *file;
    Names namespaces, classes;
  } cases[] = {
      {nested, "t.cpp", {"a", "a::b"}, {"a::b::C"}},
      {nested, "t.cs", {"a", "a.b"}, {"a.b.C"}},
      {"class Outer {\n  static class Inner { }\n}\n", "Outer.java", {}, {"Outer", "Outer.Inner"}},
      {"namespace {\nclass Hidden {};\n}\n", "t.cpp", {"Anonymous"}, {"Hidden"}},
      // using directives and namespace aliases open nothing.
      {"using namespace std;\nnamespace fs = std::filesystem;\nclass A {};\n", "t.cpp", {}, {"A"}},
      {"package shop.stock;\n\nclass Item {\n}\n", "Item.java", {"shop.stock"}, {"shop.stock.Item"}},
      // Not scopes.
      {"enum class Color { Red };\nvoid f(struct stat *s);\n"
       "template <class T> void g(T t);\nfriend class B;\n", "t.cpp", {}, {}},
      {"class A {};\n", "t.c", {}, {}},  // no classes in C
      {"struct point { int x, y; };\n", "t.c", {}, {"point"}},
  };
  for (const auto& c : cases) {
    Scoped s(c.text, c.file);
    EXPECT_EQ(s.NamespaceNames(), c.namespaces) << c.text;
    EXPECT_EQ(s.ClassNames(), c.classes) << c.text;
  }
  EXPECT_EQ(Scoped(nested).G().file.namespace_count, 2);
  Scoped java("package shop.stock;\n\nclass Item {\n}\n", "Item.java");
  EXPECT_EQ(java.G().file.package_count, 1);
  EXPECT_EQ(java.G().file.namespace_count, 0);
}

TEST(Classes, NestedClassesQualifyByTheirEnclosingClass) {
  Scoped s("class Outer {\n  class Inner {\n    int v;\n  };\n  int w;\n};\n");
  EXPECT_EQ(s.ClassNames(), (Names{"Outer", "Outer::Inner"}));
  EXPECT_EQ(s.Class("Outer::Inner").attributes_private, 1);
  EXPECT_EQ(s.Class("Outer").attributes_private, 1);  // the enclosing state returns
}

TEST(Classes, InterfacesCountApart) {
  Scoped s("interface Shape {\n  double area();\n}\nclass Sq implements Shape {\n}\n",
           "S.java");
  EXPECT_EQ(s.G().file.interface_count, 1);
  EXPECT_EQ(s.G().file.class_count, 1);
  EXPECT_EQ(s.Class("Shape").kind, RecordKind::kInterface);
}

TEST(Visibility, StructsStartPublicClassesPrivate) {
  Scoped s("struct S { void f() {} };\nclass K { void f() {} };\n");
  EXPECT_EQ(s.Class("S").methods_public, 1);
  EXPECT_EQ(s.Class("K").methods_private, 1);
  Scoped labels(
      "class V {\n public:\n  void a() {}\n protected:\n  int p;\n private:\n"
      "  void b() {}\n  int q, r;\n};\n");
  const ClassRecord& v = labels.Class("V");
  EXPECT_EQ(v.methods_public, 1);
  EXPECT_EQ(v.methods_private, 1);
  EXPECT_EQ(v.attributes_protected, 1);
  EXPECT_EQ(v.attributes_private, 2);
  EXPECT_EQ(v.methods, 2.0);
}

TEST(Visibility, LabelsInACFileChangeNothing) {
  Scoped s("struct S {\nprivate:\n  int x;\n};\n", "t.c");
  EXPECT_EQ(s.Class("S").attributes_public, 1);
}

TEST(Attributes, WhatCountsAsData) {
  Scoped s(
      "class C {\n  int a, b;\n  int (*handler)(int);\n  void m();\n"
      "  virtual ~C() = 0;\n  std::map<int, int> table;\n  DECLARE_MESSAGE_MAP()\n"
      "  friend class D;\n  typedef int T;\n};\n");
  EXPECT_EQ(s.Class("C").attributes_private, 4);  // a, b, handler, table
  // Commas count outside brackets only, after an "=" or a pointer to a
  // function as before them.
  Scoped k(
      "class K {\n  int b = f(1, 2), c;\n  void (*cb)(int, int), *d;\n"
      "  std::pair<int, int> p, q;\n  int g(int a, int b);\n};\n");
  EXPECT_EQ(k.Class("K").attributes_private, 6);  // b, c, cb, d, p, q
  // "[...]" lists, attribute or array size, are read as absent, commas too.
  Scoped b(
      "class B {\n  [[nodiscard]] int a[2], b;\n  int m[f(1, 2)];\n"
      "  [[deprecated(\"x, y\")]] void g(int, int);\n};\n");
  EXPECT_EQ(b.Class("B").attributes_private, 3);  // a, b, m
}

TEST(Inheritance, CleaningPerLanguage) {
  Scoped cpp("class D : public A, private ns::B<int, long> {};\n");
  EXPECT_EQ(cpp.Class("D").inheritance, "A, ns::B<int, long>");
  EXPECT_EQ(cpp.G().file.classes_with_inheritance_count, 1);
  Scoped java("class E extends F implements G, H {}\n", "E.java");
  EXPECT_EQ(java.Class("E").inheritance, "F");
  Scoped only("class H implements I {}\n", "H.java");
  EXPECT_EQ(only.Class("H").inheritance, "");
  Scoped cs("class K<T> : L, IM where T : new() {}\n", "K.cs");
  EXPECT_EQ(cs.Class("K<T>").inheritance, "L, IM");
  Scoped split("class S\n  : public virtual Base\n{\n};\n");
  EXPECT_EQ(split.Class("S").inheritance, "virtual Base");
  Scoped comma("class X : protected A ,B {};\n");
  EXPECT_EQ(comma.Class("X").inheritance, "A, B");
}

TEST(ClassMetrics, SpanFiguresAndMethods) {
  // Lines 1-7; LOC counts the class body from its "{" line to its "}" line.
  Scoped s(
      "class A {\n public:\n  // get\n  int get() const { return v; }\n\n"
      "  int v;\n};\n");
  const ClassRecord& a = s.Class("A");
  EXPECT_EQ(a.loc, 5);
  EXPECT_EQ(a.comments, 1);
  EXPECT_EQ(a.blanks, 1);
  EXPECT_EQ(a.lines, 6);
  EXPECT_EQ(a.methods, 1.0);
  EXPECT_EQ(a.returns, 1);
  EXPECT_EQ(a.cyclomatic, 1);
}

TEST(ClassMetrics, MethodsDefinedOutsideTheirClass) {
  Scoped s(
      "namespace n {\nclass A { void f(); };\n}\n"
      "namespace n {\nvoid A::f()\n{\n  return;\n}\n}\n"
      "void n::A::g() { }\n");
  const ClassRecord& a = s.Class("n::A");
  EXPECT_EQ(a.methods, 2.0);
  EXPECT_EQ(a.loc, 1 + 3 + 1);  // its own body, then f and g
  EXPECT_EQ(s.G().lists.classes.size(), 1u);
}

TEST(Namespaces, ClassesAndFunctionsAddUp) {
  Scoped s("namespace n {\nclass A { int x; };\nint f() { return 1; }\n}\n");
  const NamespaceRecord& n = s.G().lists.namespaces.at(0);
  EXPECT_EQ(n.classes, 1);
  EXPECT_EQ(n.functions, 1);
  EXPECT_EQ(n.loc, 2);  // the class (1) and the function (1)
  EXPECT_EQ(n.attributes_private, 1);
}

// Long qualified names: the class's "::" straddles the last sixteen bytes
// of its name; the methods and the class land in the inner namespace, the
// second class (looked up past the namespace added last) in the outer one.
TEST(Namespaces, LongQualifiedNamesRollUpIntoTheirInnermostNamespace) {
  Scoped s("namespace outer_namespace_name {\nnamespace inner_namespace_name {\n"
           "class FifteenCharName { void f() { }\nvoid g() { } };\n}\n"
           "class Second { int h() { return 1; } };\n}\n");
  const NamespaceRecord& outer = s.G().lists.namespaces.at(0);
  const NamespaceRecord& inner = s.G().lists.namespaces.at(1);
  EXPECT_EQ(inner.name, "outer_namespace_name::inner_namespace_name");
  EXPECT_EQ(inner.classes, 1);
  EXPECT_EQ(inner.functions, 2);
  EXPECT_EQ(inner.loc, 2);  // the class's two lines
  EXPECT_EQ(outer.classes, 1);
  EXPECT_EQ(outer.functions, 1);
  EXPECT_EQ(outer.loc, 1);
}

// Without a reader of namespace figures the records are made and stay
// empty.
TEST(Namespaces, FiguresOnlyForTheirReaders) {
  test::Harness h;
  h.G().sw.functional = true;
  h.G().lists.keep_namespace_figures = false;
  h.AnalyzeFile("namespace n {\nclass A { int x; };\nint f() { return 1; }\n}\n", "t.cpp");
  const NamespaceRecord& n = h.G().lists.namespaces.at(0);
  EXPECT_EQ(n.name, "n");
  EXPECT_EQ(n.classes + n.functions + n.loc + n.attributes_private, 0);
}

TEST(Nesting, BeyondThirtyTwoLevelsStaysInsideTheStacks) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "class C" + std::to_string(i) + " {\n";
  text += "  void f() { }\n";
  for (int i = 0; i < 40; ++i) text += "};\n";
  for (int i = 0; i < 40; ++i) text += "namespace n" + std::to_string(i) + " {\n";
  text += "class Z {};\n";
  for (int i = 0; i < 40; ++i) text += "}\n";
  Scoped s(text);
  EXPECT_EQ(s.G().file.class_count, 34);  // 33 tracked levels, then Z
  EXPECT_EQ(s.G().lists.functions.size(), 1u);
  EXPECT_EQ(s.G().file.namespace_count, 40);
  EXPECT_FALSE(s.G().scope.in_namespace);
  EXPECT_FALSE(s.G().scope.in_class);
}

TEST(Classes, TypedefNamesANamelessStruct) {
  Scoped s("typedef struct {\n  int x;\n} Point;\nstruct { int y; } loose;\n", "t.c");
  EXPECT_EQ(s.ClassNames(), Names{"Point"});
  EXPECT_EQ(s.Class("Point").attributes_public, 1);
  EXPECT_EQ(s.Class("Point").loc, 3);
  EXPECT_EQ(s.G().file.class_count, 2);  // the loose struct counts, unnamed
}


TEST(Listing, ClassMembersAreEscapedInHtml) {
  test::Harness h;
  h.G().sw.functional = h.G().sw.class_methods = h.G().sw.html = true;
  h.AnalyzeFile("class A {\n  std::vector<int> v;\n  bool less(A<B> a) { return false; }\n};\n");
  const std::string out = h.Output();
  EXPECT_NE(out.find("  Class Data Private    :     2 |   std::vector&lt;int&gt; v;\n"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("  Class Method Private  :     3 | bool less\n"), std::string::npos) << out;
}

}  // namespace
}  // namespace zav
