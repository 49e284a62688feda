// The fall-through phrase search looks at sixteen starting points at a
// time: phrases at and across those block edges, in the padded tail, and
// text past the given length.
#include <gtest/gtest.h>

#include <string>

#include "analysis/code_scan.h"

namespace zav {
namespace {

// The text with the padding the search may read into.
bool Phrase(std::string line, int length) {
  line.append(kLinePadding, '\0');
  return HasFallThroughPhrase(line.c_str(), length);
}
bool Phrase(const std::string& line) { return Phrase(line, static_cast<int>(line.size())); }

TEST(FallThroughPhrase, FoundAtBlockEdgesAndInTheTail) {
  EXPECT_TRUE(Phrase(std::string(10, 'x') + "fall through"));  // "thr" at 15
  EXPECT_TRUE(Phrase(std::string(20, 'x') + "drop thru"));     // "thr" at 25, tail
  EXPECT_TRUE(Phrase(std::string(40, ' ') + "fall thru"));     // after two blocks
  EXPECT_TRUE(Phrase("fall thru"));
}

TEST(FallThroughPhrase, WholePhraseOnlyAndInsideTheLength) {
  EXPECT_FALSE(Phrase("/* fallthrough */ and then fall  through"));
  EXPECT_FALSE(Phrase("we fall thr"));
  // "fall through" cut to "fall throug": only "thru" could match, and
  // "thro" is not it.
  EXPECT_FALSE(Phrase("........ fall through", 20));
  EXPECT_TRUE(Phrase("........ fall through", 21));
}

}  // namespace
}  // namespace zav
