// Commas outside nested brackets.
#include "analysis/nesting.h"

#include <gtest/gtest.h>

namespace zav {
namespace {

TEST(CommasAtDepth, CountOnlyAtTheAskedDepth) {
  // "map<int, int> a, b[2]" declares two names: one comma at the top.
  EXPECT_EQ(CommasAtDepth("map<int, int> a, b[2]", 0), 1);
  // Inside the outer parentheses of "(f(x, y), z)" only the comma before z.
  EXPECT_EQ(CommasAtDepth("(f(x, y), z)", 1), 1);
  // A stray ">" closes the open "(", so the comma after it is at depth 0.
  EXPECT_EQ(CommasAtDepth("(a > b, c)", 1), 0);
  EXPECT_EQ(CommasAtDepth("(a > b, c)", 0), 1);
  // A closing bracket with none open is passed over.
  EXPECT_EQ(CommasAtDepth("x), y", 0), 1);
}

TEST(CommasAtDepth, LongTextsAreSearchedPastEachSixteenCharacters) {
  // Brackets and commas in the first, second and last (short) block.
  const std::string_view text = "std::map<long_key_name, value> first_name, second[N, M], x";
  EXPECT_EQ(CommasAtDepth(text, 0), 2);
  EXPECT_EQ(CommasAtDepth(text, 1), 2);
  // A tab is no comma, though it is looked at.
  EXPECT_EQ(CommasAtDepth("int\tfirst_parameter_name,\tsecond_parameter_name", 0), 1);
}

TEST(NextNestingCandidate, FindsTheFirstBracketCommaOrExtra) {
  const std::string_view text = "abcdefghijklmnopqrstuvwxyz[0]";
  EXPECT_EQ(NextNestingCandidate(text, 0, '='), 26u);
  EXPECT_EQ(NextNestingCandidate(text, 0, 'v'), 21u);
  EXPECT_EQ(NextNestingCandidate(text, 27, '='), 28u);
  EXPECT_EQ(NextNestingCandidate("abcdefghijklmnopqrstu", 0, '='), 21u);  // none: the size
}

}  // namespace
}  // namespace zav
