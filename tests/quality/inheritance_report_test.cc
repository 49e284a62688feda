// The inheritance tree report in its four formats, its totals, and notices
// 40 and 41.
#include <gtest/gtest.h>

#include <string>

#include "inheritance_test_support.h"
#include "quality/inheritance_tree.h"
#include "test_support.h"

namespace zav {
namespace {

using test::Has;
using test::AddClass;
using test::Harness;

const std::string kRule = "\n  " + std::string(72, '-') + "\n\n";
const std::string kTitle = kRule + std::string(24, ' ') + "~~ Class Inheritance Tree ~~\n\n";
const std::string kLegend =
    "\n  D - Depth where base class depth = 0\n"
    "  C - Number of direct child classes\n"
    "  P - Number of direct parents, Multiple Inheritance > 1\n";
const std::string kLostTitle =
    kRule + std::string(17, ' ') + "~~ Parents Not Found - Inheritance Tree ~~\n\n";

std::string TextTotals(int classes, int base, int derived, const char* ratio, int max_depth,
                       const char* avg_depth, int max_children, const char* avg_children) {
  return "  Total Classes        : " + std::to_string(classes) +
         "\n  Total Base Classes   : " + std::to_string(base) +
         "\n  Total Derived Classes: " + std::to_string(derived) +
         "\n  Derived/Based Ratio  : " + ratio +
         "\n\n  Maximum Depth of Inheritance: " + std::to_string(max_depth) +
         "\n  Average Depth of Inheritance: " + avg_depth +
         "\n\n  Maximum Number of Direct Child Classes: " + std::to_string(max_children) +
         "\n  Average Number of Direct Child Classes: " + avg_children + "\n";
}

class TreeReport : public ::testing::Test {
 protected:
  GlobalData& G() { return h.G(); }
  void Add(const std::string& name, const std::string& inheritance = "", int line = 1) {
    AddClass(h.G(), name, inheritance, line);
  }
  // Asks for the tree as -i does and returns what the end of the run wrote.
  std::string Report() {
    G().sw.inheritance = true;
    ReportInheritanceTree(G());
    return h.Output();
  }
  // A -> B -> C, and L derived from a class that is not in the run.
  void ChainAndLost() {
    Add("C", "B");
    Add("L", "Base");
    Add("A");
    Add("B", "A");
  }
  // A chain of `count` classes C1 <- C2 <- ..., class Ck on line k.
  void Chain(int count) {
    Add("C1", "", 1);
    for (int i = 2; i <= count; ++i) {
      Add("C" + std::to_string(i), "C" + std::to_string(i - 1), i);
    }
  }
  int Raised(int number) { return G().notices.run_counts[number]; }

  Harness h;
};

TEST_F(TreeReport, ChainTextAndTotals) {
  ChainAndLost();
  EXPECT_EQ(Report(), kTitle + kLegend +
                          "\n  + A [D0.C1]\n"
                          "    - B [D1.C1.P1]\n"
                          "      - C [D2.C0.P1]\n" +
                          TextTotals(3, 1, 2, "2.00  ", 2, "1.00  ", 1, "0.67  ") + kLostTitle +
                          "  Lost Child Node: L  Parent: Base\n");
}

TEST_F(TreeReport, DiamondPlacesTheJoinUnderBothParents) {
  Add("A");
  Add("B", "A");
  Add("C", "A");
  Add("D", "B, C");
  Add("Solo");
  // Depths 0 1 2 1 2 0 (D written twice), children 2 1 0 1 0 0.
  EXPECT_EQ(Report(), kTitle + kLegend +
                          "\n  + A [D0.C2]\n"
                          "    - B [D1.C1.P1]\n"
                          "      - D [D2.C0.P2]\n"
                          "    - C [D1.C1.P1]\n"
                          "      - D [D2.C0.P2]\n"
                          "\n  + Solo [D0.C0]\n" +
                          TextTotals(6, 2, 4, "2.00  ", 2, "1.00  ", 2, "0.67  "));
}

TEST_F(TreeReport, ClassesBelowALostParentAreListedWithIt) {
  Add("A");
  Add("W", "Ext", 3);
  Add("X", "W", 4);
  Add("Y", "X", 5);
  G().settings.max_inheritance_depth = 2;
  // W stands below its missing base (depth 1); its line of descent is
  // listed but not counted.
  EXPECT_EQ(Report(), kTitle + kLegend + "\n  + A [D0.C0]\n" +
                          TextTotals(1, 1, 0, "0.00  ", 0, "0.00  ", 0, "0.00  ") + kLostTitle +
                          "  Lost Child Node: W  Parent: Ext\n"
                          "      - X [D2.C1.P1]\n"
                          "        - Y [D3.C0.P1]\n");
  EXPECT_EQ(Raised(40), 1);  // Y, depth 3 > 2
}

TEST_F(TreeReport, DepthNoticeForTheSixthClassOfAChain) {
  Chain(6);
  G().sw.notices = true;
  const std::string out = Report();
  EXPECT_EQ(Raised(40), 1);
  EXPECT_EQ(G().inheritance.totals.max_depth, 5);
  const std::string line = "            - C6 [D5.C0.P1]\n";
  const std::string notice =
      "\n    Notice #40: File f.cpp: Line 6\n"
      "           The depth of the inheritance tree is greater than the specified\n"
      "           maximum value, 4.";
  EXPECT_TRUE(Has(out, line + notice)) << out;
  // The end-of-run notice counts in the project totals as well.
  EXPECT_EQ(G().project.quality_notice_count, 1);
}

TEST_F(TreeReport, ChildrenNotice) {
  Add("Root", "", 7);
  for (int i = 0; i < 11; ++i) Add("K" + std::to_string(i), "Root");
  G().sw.notices = true;
  const std::string out = Report();
  EXPECT_EQ(Raised(41), 1);
  EXPECT_TRUE(Has(out, "\n  + Root [D0.C11]\n\n    Notice #41: File f.cpp: Line 7\n")) << out;
}

TEST_F(TreeReport, LimitsAreStrict) {
  Chain(6);  // C6 at depth 5
  G().settings.max_inheritance_depth = 5;
  for (int i = 0; i < 10; ++i) Add("K" + std::to_string(i), "C1");  // C1 has 11
  G().settings.max_derived_children = 11;
  Report();
  EXPECT_EQ(Raised(40), 0);
  EXPECT_EQ(Raised(41), 0);
}

TEST_F(TreeReport, AClassPlacedTwiceRaisesEachNoticeOnce) {
  Add("A");
  Add("B", "A");
  Add("C", "A");
  Add("D", "B, C");
  for (int i = 0; i < 3; ++i) Add("K" + std::to_string(i), "D");
  G().settings.max_inheritance_depth = 1;
  G().settings.max_derived_children = 2;
  Report();
  EXPECT_EQ(Raised(40), 4);  // D, K0, K1, K2
  EXPECT_EQ(Raised(41), 1);  // D
  EXPECT_EQ(G().inheritance.totals.classes, 11);
}

TEST_F(TreeReport, QualityProfileWalksWithoutWriting) {
  Chain(6);
  G().sw.totals_only = G().sw.totals_profile = G().sw.notices = true;
  EXPECT_EQ(Report(), "");
  EXPECT_EQ(Raised(40), 1);
  EXPECT_EQ(G().inheritance.totals.classes, 6);
  // Asked for by its own letter as well, the tree is written.
  Harness other;
  AddClass(other.G(), "A");
  other.G().sw.totals_profile = other.G().sw.totals_inheritance = true;
  other.G().sw.inheritance = true;
  ReportInheritanceTree(other.G());
  EXPECT_TRUE(Has(other.Output(), "  + A [D0.C0]\n"));
}

TEST_F(TreeReport, WrittenOncePerRunAndOnlyWhenAskedFor) {
  Chain(6);
  ReportInheritanceTree(G());  // no switch asks for it
  EXPECT_EQ(h.Output(), "");
  EXPECT_FALSE(G().inheritance.reported);
  G().sw.totals_all = true;
  ReportInheritanceTree(G());
  const std::string once = h.Output();
  EXPECT_TRUE(Has(once, "~~ Class Inheritance Tree ~~"));
  G().sw.inheritance = true;
  ReportInheritanceTree(G());
  WriteInheritanceTree(G());
  EXPECT_EQ(h.Output(), once);
  EXPECT_EQ(Raised(40), 1);
}

TEST_F(TreeReport, NothingWithoutARoot) {
  Add("L", "Base");
  EXPECT_EQ(Report(), "");
  EXPECT_EQ(G().inheritance.totals.classes, 0);
}

TEST_F(TreeReport, AQualitySkipLeftOpenDoesNotSilenceTheTree) {
  Chain(6);
  G().reader.quality_skipping = true;
  Report();
  EXPECT_EQ(Raised(40), 1);
  EXPECT_TRUE(G().reader.quality_skipping);
}

TEST_F(TreeReport, LongChainWithoutWriting) {
  Chain(10000);
  G().sw.totals_only = G().sw.totals_profile = true;
  Report();
  EXPECT_EQ(G().inheritance.totals.classes, 10000);
  EXPECT_EQ(G().inheritance.totals.max_depth, 9999);
  EXPECT_EQ(Raised(40), 10000 - 5);  // depths 5 to 9999
}

}  // namespace
}  // namespace zav
