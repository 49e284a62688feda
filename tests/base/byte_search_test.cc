#include "base/byte_search.h"

#include <gtest/gtest.h>

#include <string>

namespace zav {
namespace {

// A hit at the end of a block of sixteen, one in the tail after the
// blocks, none at all, and a search starting at the end.
TEST(FindFirstOf, FindsTheFirstOfTheBytesInBlocksAndTail) {
  const std::string text = std::string(15, 'a') + "," + std::string(16, 'b') + "\ncc";
  EXPECT_EQ((FindFirstOf<',', '\n'>(text, 0)), 15u);
  EXPECT_EQ((FindFirstOf<',', '\n'>(text, 16)), 32u);
  EXPECT_EQ((FindFirstOf<'x'>(text, 0)), text.size());
  EXPECT_EQ((FindFirstOf<','>(text, text.size())), text.size());
}

}  // namespace
}  // namespace zav
