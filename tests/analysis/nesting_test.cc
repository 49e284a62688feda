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

}  // namespace
}  // namespace zav
