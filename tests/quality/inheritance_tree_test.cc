// Building the inheritance forest: parent names, their resolution, lost
// parents, cycles and independence from the order of the class list.
#include "quality/inheritance_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "inheritance_test_support.h"
#include "test_support.h"

namespace zav {
namespace {

using test::AddClass;
using test::Harness;
using test::Shape;

using ClassList = std::vector<std::pair<std::string, std::string>>;

// Builds the forest of `classes` (name, inheritance) in the order given.
std::string BuildShape(const ClassList& classes, std::string* report = nullptr) {
  Harness h;
  for (const auto& [name, inheritance] : classes) AddClass(h.G(), name, inheritance);
  h.G().sw.inheritance = true;
  ReportInheritanceTree(h.G());
  if (report != nullptr) *report = h.Output();
  return Shape(h.G().inheritance.forest);
}

const InheritanceNode& Node(const GlobalData& G, const std::string& name) {
  for (const InheritanceNode& n : G.inheritance.forest.nodes) {
    if (n.name == name) return n;
  }
  static const InheritanceNode kNone;
  ADD_FAILURE() << "no node " << name;
  return kNone;
}

TEST(SplitParents, CommasInsideTemplateArgumentsStay) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitParents(""), V{});
  EXPECT_EQ(SplitParents("A"), V{"A"});
  EXPECT_EQ(SplitParents("A, B"), (V{"A", "B"}));
  EXPECT_EQ(SplitParents("T<int, long>"), V{"T<int, long>"});
  EXPECT_EQ(SplitParents("M<K, V<int, long>>, B,C"), (V{"M<K, V<int, long>>", "B", "C"}));
}

TEST(InheritanceForest, ChainAndMultipleParents) {
  EXPECT_EQ(BuildShape({{"A", ""}, {"B", "A"}, {"C", "B"}}), "roots A; A > B; B > C");

  Harness h;
  AddClass(h.G(), "A");
  AddClass(h.G(), "B");
  AddClass(h.G(), "D", "A, B");
  AddClass(h.G(), "E", "A, A");  // named twice, placed once
  BuildInheritanceTree(h.G());
  EXPECT_EQ(Shape(h.G().inheritance.forest), "roots A B; A > D E; B > D");
  EXPECT_EQ(Node(h.G(), "D").parents, 2);
  EXPECT_EQ(Node(h.G(), "D").placed_under, 2);
  EXPECT_EQ(Node(h.G(), "E").parents, 2);
  EXPECT_EQ(Node(h.G(), "A").parents, 0);
}

TEST(InheritanceForest, LostParentsAndTemplates) {
  // Base is no class of the run; T<int, long> is one parent, kept whole.
  EXPECT_EQ(BuildShape({{"A", ""}, {"L", "Base"}, {"E", "T<int, long>"}, {"M", "A, Base"}}),
            "roots A; A > M; lost E<T<int, long> L<Base M<Base");
  // A template argument list does not hide the template class itself.
  EXPECT_EQ(BuildShape({{"Tmpl", ""}, {"F", "Tmpl<int, long>"}}), "roots Tmpl; Tmpl > F");
  // A virtual base is looked up by its name.
  EXPECT_EQ(BuildShape({{"A", ""}, {"V", "virtual A"}}), "roots A; A > V");
}

TEST(InheritanceForest, ParentsResolvedThroughQualifiers) {
  // The class's own namespace first, then the enclosing ones, then global.
  EXPECT_EQ(BuildShape({{"Base", ""}, {"ns::Base", ""}, {"ns::D", "Base"}, {"other::E", "Base"}}),
            "roots Base ns::Base; Base > other::E; ns::Base > ns::D");
  EXPECT_EQ(BuildShape({{"a::Base", ""}, {"a::b::C", "Base"}}), "roots a::Base; a::Base > a::b::C");
  // "::Base" is the global one even inside a namespace that has its own.
  EXPECT_EQ(BuildShape({{"Base", ""}, {"ns::Base", ""}, {"ns::G", "::Base"}}),
            "roots Base ns::Base; Base > ns::G");
  // A qualified parent written relative to the enclosing namespace.
  EXPECT_EQ(BuildShape({{"ns::inner::X", ""}, {"ns::H", "inner::X"}}),
            "roots ns::inner::X; ns::inner::X > ns::H");
  // Java and C# qualify with ".".
  EXPECT_EQ(BuildShape({{"p.B", ""}, {"p.q.C", "B"}}), "roots p.B; p.B > p.q.C");
  // A class that shares its parent's name inherits from the outer one.
  EXPECT_EQ(BuildShape({{"Widget", ""}, {"ui::Widget", "Widget"}}),
            "roots Widget; Widget > ui::Widget");
}

TEST(InheritanceForest, SameForestWhateverTheOrderOfTheClassList) {
  // Names sort against the order of descent (Z is the base of everything),
  // and some children come before their parents in the list.
  ClassList classes = {{"Z", ""},        {"A", "Z"},       {"M", "A"},
                       {"B", "Z, Lost"}, {"C", "M, B"},    {"ns::K", "C"},
                       {"Q", "ns::K"},   {"P", "Nowhere"}, {"R", "P"}};
  const std::string expected =
      "roots Z; A > M; B > C; C > ns::K; M > C; P > R; Z > A B; ns::K > Q; "
      "lost B<Lost P<Nowhere";
  std::string first_report;
  ASSERT_EQ(BuildShape(classes, &first_report), expected);
  std::mt19937 random(8);
  for (int i = 0; i < 200; ++i) {
    std::shuffle(classes.begin(), classes.end(), random);
    std::string report;
    ASSERT_EQ(BuildShape(classes, &report), expected);
    ASSERT_EQ(report, first_report);
  }
}

TEST(InheritanceForest, CyclesEndAndAreListedWithTheLostClasses) {
  // Searched from A (first by name): B's way back to A closes the cycle.
  EXPECT_EQ(BuildShape({{"B", "A"}, {"A", "B"}}), "roots; B > A; lost B<A");
  EXPECT_EQ(BuildShape({{"S", "S"}}), "roots; lost S<S");
  // A > C > B > A, searched from A: B's edge back to A is dropped.
  EXPECT_EQ(BuildShape({{"R", ""}, {"A", "C"}, {"B", "A"}, {"C", "B, R"}}),
            "roots R; B > C; C > A; R > C; lost B<A");

  // A long cycle ends too.
  Harness h;
  const int n = 10000;
  for (int i = 0; i < n; ++i) {
    AddClass(h.G(), "C" + std::to_string(i), "C" + std::to_string((i + 1) % n));
  }
  BuildInheritanceTree(h.G());
  ASSERT_EQ(h.G().inheritance.forest.lost.size(), 1u);
  EXPECT_TRUE(h.G().inheritance.forest.roots.empty());
}

TEST(InheritanceForest, DuplicateAndUnnamedClasses) {
  std::string report;
  Harness h;
  AddClass(h.G(), "A");
  AddClass(h.G(), "");
  AddClass(h.G(), "ns::");
  AddClass(h.G(), "pkg.");
  // The scope model keeps one record per name; a list with two is reported.
  ClassRecord twice;
  twice.name = "A";
  h.G().lists.classes.push_back(twice);
  BuildInheritanceTree(h.G());
  EXPECT_EQ(Shape(h.G().inheritance.forest), "roots A");
  EXPECT_EQ(h.Output(), "  Error: Duplicate Root Node: A - Inheritance \n");
  // Built once per run.
  BuildInheritanceTree(h.G());
  EXPECT_EQ(h.Output(), "  Error: Duplicate Root Node: A - Inheritance \n");
}

}  // namespace
}  // namespace zav
