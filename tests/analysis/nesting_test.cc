// Commas outside nested brackets.
#include "analysis/nesting.h"

#include <gtest/gtest.h>

#include <vector>

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

TEST(ForEachNestingCandidate, VisitsBracketsCommasAndExtraInOrderUntilStopped) {
  // Long enough for one block of sixteen and the overlapping last block.
  const std::string_view text = "f(a, b) = abcdefghijklmnop[0]";
  std::vector<size_t> seen;
  ForEachNestingCandidate(text, '=', [&](size_t i) {
    seen.push_back(i);
    return true;
  });
  // "(" 1, "," 3, ")" 6, "=" 8, "[" 26, "]" 28: no letter of the alphabet
  // run folds onto the set.
  EXPECT_EQ(seen, (std::vector<size_t>{1, 3, 6, 8, 26, 28}));
  seen.clear();
  ForEachNestingCandidate(text, '=', [&](size_t i) {
    seen.push_back(i);
    return text[i] != ')';
  });
  EXPECT_EQ(seen, (std::vector<size_t>{1, 3, 6}));
  seen.clear();
  ForEachNestingCandidate("x<y>=z", '=', [&](size_t i) {  // shorter than sixteen
    seen.push_back(i);
    return true;
  });
  EXPECT_EQ(seen, (std::vector<size_t>{1, 3, 4}));
}

}  // namespace
}  // namespace zav
