// The name set: every added name is found again, through growth of the
// table, and no other name is.
#include "zav/name_set.h"

#include <gtest/gtest.h>

#include <string>

namespace zav {
namespace {

TEST(NameSet, FindsWhatWasAddedAndNothingElse) {
  NameSet set;
  EXPECT_FALSE(set.contains(""));
  EXPECT_TRUE(set.insert("AXB"));
  EXPECT_FALSE(set.insert("AXB"));  // already there
  EXPECT_TRUE(set.contains("AXB"));
  EXPECT_FALSE(set.contains("AYB"));  // same length, first and last character
  EXPECT_FALSE(set.contains("AXBB"));
  // Enough names to grow the table twice.
  for (int k = 0; k < 20000; ++k) set.insert("M" + std::to_string(k));
  EXPECT_EQ(set.size(), 20001u);
  for (int k = 0; k < 20000; k += 7) EXPECT_TRUE(set.contains("M" + std::to_string(k))) << k;
  EXPECT_FALSE(set.contains("M20000"));
  EXPECT_FALSE(set.contains("N1"));
  EXPECT_TRUE(set.insert(""));
  EXPECT_TRUE(set.contains(""));
}

}  // namespace
}  // namespace zav
