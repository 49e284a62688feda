// The name index: each name keeps the first position entered for it,
// through growth of the table; absent names have none.
#include "zav/name_index.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace zav {
namespace {

TEST(NameIndex, KeepsTheFirstPositionOfEachName) {
  NameIndex index;
  EXPECT_TRUE(index.empty());
  EXPECT_EQ(index.find("A"), nullptr);
  EXPECT_TRUE(index.emplace("A::B", 7));
  EXPECT_FALSE(index.emplace("A::B", 9));  // already there: stays 7
  EXPECT_TRUE(index.emplace("A", ~size_t{0}));
  EXPECT_EQ(index.at("A::B"), 7u);
  EXPECT_EQ(index.at("A"), ~size_t{0});
  EXPECT_FALSE(index.contains("A::C"));
  EXPECT_FALSE(index.contains("A::"));
  EXPECT_THROW(index.at("B"), std::out_of_range);
  // Asked by a part of a longer text, which has no end mark of its own.
  const std::string text = "A::B::C";
  EXPECT_EQ(*index.find(std::string_view(text).substr(0, 4)), 7u);
  EXPECT_EQ(index.size(), 2u);
}

TEST(NameIndex, FindsEveryNameAfterGrowth) {
  NameIndex index;
  // 64 slots at first, grown at half: 1,000 names grow it five times, and
  // names sharing a home slot pass one another in the probe.
  for (size_t k = 0; k < 1000; ++k) index.emplace("N" + std::to_string(k), k * 3);
  EXPECT_EQ(index.size(), 1000u);
  for (size_t k = 0; k < 1000; ++k) EXPECT_EQ(index.at("N" + std::to_string(k)), k * 3) << k;
  EXPECT_FALSE(index.contains("N1000"));
  EXPECT_FALSE(index.contains("N"));
}

}  // namespace
}  // namespace zav
