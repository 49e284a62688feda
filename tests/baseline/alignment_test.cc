// Line alignment on hand-aligned small files.
#include "baseline/alignment.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace zav {
namespace {

using test::Harness;
using test::Has;

// Lines named by letters: the fingerprint is the letter's code, the type
// 'G' unless given as "x:T".
std::vector<DiffLine> Lines(std::initializer_list<const char*> names) {
  std::vector<DiffLine> lines;
  int number = 0;
  for (const char* name : names) {
    DiffLine line;
    line.line = ++number;
    line.fingerprint = name[0];
    line.type = name[1] == ':' ? name[2] : 'G';
    lines.push_back(line);
  }
  return lines;
}

struct Outcome {
  LineCounters c;
  std::string out;
};

Outcome Align(const std::vector<DiffLine>& older, const std::vector<DiffLine>& newer,
              int bound = 7000, bool details = false) {
  Harness h;
  h.G().sw.work_details = details;
  h.G().sw.diff_debug = !details;
  h.G().settings.show_equal_lines = h.G().settings.show_added_lines =
      h.G().settings.show_removed_lines = true;
  Outcome o;
  EXPECT_TRUE(CompareFileLines(h.G(), "f.c", older, newer, bound, o.c));
  o.out = h.Output();
  return o;
}

TEST(Alignment, AppendedAndDeletedLines) {
  Outcome appended = Align(Lines({"a", "b", "c"}), Lines({"a", "b", "c", "d", "e"}));
  EXPECT_EQ(appended.c.eq[kLinesG], 3);
  EXPECT_EQ(appended.c.mod[kLinesG], 2);
  EXPECT_EQ(appended.c.rm[kLinesG], 0);
  Outcome deleted = Align(Lines({"a", "b", "c", "d"}), Lines({"a", "b"}));
  EXPECT_EQ(deleted.c.eq[kLinesG], 2);
  EXPECT_EQ(deleted.c.rm[kLinesG], 2);
  EXPECT_EQ(deleted.c.mod[kLinesG], 0);
}

// [a b c d] -> [c d a b]: at the first cell both ways keep 2 common lines,
// so the tie removes a and b, keeps c and d, and adds a and b again.
TEST(Alignment, MovedBlockListedInLineOrder) {
  Outcome moved = Align(Lines({"a", "b", "c", "d"}), Lines({"c", "d", "a", "b"}), 7000, true);
  EXPECT_EQ(moved.c.eq[kLinesG], 2);
  EXPECT_EQ(moved.c.rm[kLinesG], 2);
  EXPECT_EQ(moved.c.mod[kLinesG], 2);
  EXPECT_TRUE(Has(moved.out,
                  "            1     -     G                \n"
                  "            3     =     G     1          \n"
                  "            2     -     G                \n"
                  "            4     =     G     2          \n"
                  "                  +     G     3          \n"
                  "                  +     G     4          \n"))
      << moved.out;
}

TEST(Alignment, TypeChangeIsRemovedAndAdded) {
  Outcome o = Align(Lines({"x:L"}), Lines({"x:l"}));
  EXPECT_EQ(o.c.rm[kLinesL], 1);
  EXPECT_EQ(o.c.mod[kLinesL], 1);
  EXPECT_EQ(o.c.mod[kLinesC], 1);
  EXPECT_EQ(o.c.eq[kLinesL], 0);
}

TEST(Alignment, EquivalentFileLine) {
  Harness h;
  h.G().sw.work_details = true;
  LineCounters c;
  ASSERT_TRUE(CompareFileLines(h.G(), "f.c", Lines({"a", "b"}), Lines({"a", "b"}), 7000, c));
  EXPECT_TRUE(Has(h.Output(), "       *** File is Equivalent ***\n  ------------------------------------\n\n"));
  EXPECT_EQ(c.eq[kLinesG], 2);
}

// Files of exactly n lines: one segment, no remainder.
TEST(Alignment, SegmentOfExactlyTheBound) {
  Outcome o = Align(Lines({"a", "b", "c"}), Lines({"a", "x", "c"}), 3);
  EXPECT_TRUE(Has(o.out, "**** Segment: 0\n**** hstart: 2\n**** hstop: 0\n")) << o.out;
  EXPECT_FALSE(Has(o.out, "**** Remainder"));
  EXPECT_EQ(o.c.eq[kLinesG], 2);
  EXPECT_EQ(o.c.mod[kLinesG], 1);
  EXPECT_EQ(o.c.rm[kLinesG], 1);
}

// Files of n + 1 lines: the last n lines of each form the segment, the
// first line of each the remainder. [a b c d] vs [x a b c] keeps only b and
// c (a whole-file alignment would keep a, b and c).
TEST(Alignment, RemainderOfOneLine) {
  Outcome o = Align(Lines({"a", "b", "c", "d"}), Lines({"x", "a", "b", "c"}), 3);
  EXPECT_TRUE(Has(o.out, "**** hstart: 3\n**** hstop: 1\n**** pstart: 3\n**** pstop: 1\n"));
  EXPECT_TRUE(Has(o.out, "**** Remainder\n"));
  EXPECT_EQ(o.c.eq[kLinesG], 2);
  EXPECT_EQ(o.c.mod[kLinesG], 2);
  EXPECT_EQ(o.c.rm[kLinesG], 2);
  EXPECT_TRUE(Has(o.out, "\nMod L0 N0 G2 C0 B0\nEq  L0 N0 G2 C0 B0\nRm  L0 N0 G2 C0 B0\n"));
}

TEST(Alignment, FiguresWithAndWithoutRemovedLines) {
  LineCounters c;
  const int32_t mod[] = {1, 2, 3, 4, 5}, rm[] = {10, 20, 30, 40, 50};
  for (int g = 0; g < kLineGroupCount; ++g) {
    c.mod[g] = mod[g];
    c.rm[g] = rm[g];
  }
  CodeDiffFigures f = FiguresFromCounters(c, false);
  EXPECT_EQ(f.loc, 6);
  EXPECT_EQ(f.eloc, 4);
  EXPECT_EQ(f.lloc, 3);
  EXPECT_EQ(f.lines, 15);
  f = FiguresFromCounters(c, true);
  EXPECT_EQ(f.loc, 66);
  EXPECT_EQ(f.eloc, 44);
  EXPECT_EQ(f.lloc, 33);
  EXPECT_EQ(f.comments, 44);
  EXPECT_EQ(f.lines, 165);
}

}  // namespace
}  // namespace zav
