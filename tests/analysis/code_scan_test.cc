// The vector searches of the line analyser look at sixteen starting
// points at a time: matches at and across those block edges, and text past
// the given length (which they must not take).
#include <gtest/gtest.h>

#include <string>

#include "analysis/code_scan.h"
#include "test_support.h"

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

// Block comments are counted and closed in one pass of sixteen bytes at a
// time: the close is found across a block edge and in the first byte of a
// block, never in the opener's own asterisk nor in text past the line.
TEST(CommentClose, FoundAtBlockEdgesOnlyInsideTheLine) {
  // Asterisk at 15 (slash in the next block), asterisk at 16: both lines
  // end their comment, so "y;" is code.
  FileMetrics m = test::Count("/*\n" + std::string(15, ' ') + "*/ y;\n/*\n" +
                              std::string(16, ' ') + "*/y;\n");
  EXPECT_EQ(m.loc_count, 2);
  EXPECT_EQ(m.comment_lines_count, 4);
  EXPECT_EQ(m.spaces_count, 15 + 1 + 16);
  // "/*/" stays open; the blocks read past a line (" a", or 20 blanks and
  // "a", four blocks) neither count the next line's blanks nor close the
  // comment at its "*/": four comment lines, no code, 1 + 20 + 2 spaces.
  m = test::Count("/*/\n a\n" + std::string(20, ' ') + "a\n*/  \n");
  EXPECT_EQ(m.loc_count, 0);
  EXPECT_EQ(m.comment_lines_count, 4);
  EXPECT_EQ(m.spaces_count, 23);
}

// Collected code runs are appended sixteen bytes at a time: the text is
// still exactly what was appended, and the 2,047-character limit holds.
TEST(PaddedAppend, KeepsTheTextAndTheLimit) {
  std::string source = "abcdefghij";
  source.append(kLinePadding, 'x');
  TextBuffer b;
  b.AppendPadded(source.data(), 3);
  b.AppendPadded(source.data() + 3, 2);
  EXPECT_STREQ(b.text, "abcde");
  b.Clear();
  for (int k = 0; k < 204; ++k) b.AppendPadded(source.data(), 10);
  ASSERT_EQ(b.length, 2040);
  b.AppendPadded(source.data(), 10);  // cut to its first seven characters
  EXPECT_EQ(b.length, 2047);
  EXPECT_EQ(std::string(b.text + 2036), "ghijabcdefg");
}

// The code scanner finds the end of an identifier or of a run of spaces
// sixteen characters at a time: runs across those blocks, up to the line
// end and through a line of 2,046 characters (the longest whole line) end
// where the text says: the words and brackets after them still count.
TEST(CodeScan, RunsEndAcrossBlockEdgesAndAtTheLineEnd) {
  const std::string x70(70, 'x');
  FileMetrics m = test::Count(x70 + "=1; if(y) return;\n");  // 70 > 64
  EXPECT_EQ(m.if_count, 1);
  EXPECT_EQ(m.return_count, 1);
  EXPECT_EQ(m.spaces_count, 2);
  // Identifiers ending just before and at the block edges: the brackets
  // right after them still count.
  m = test::Count(std::string(17, 'x') + "(a);\n" + std::string(63, 'x') + "[1];\n" +
                  std::string(64, 'x') + "(b);\n");
  EXPECT_EQ(m.open_paren_count, 2);
  EXPECT_EQ(m.open_bracket_count, 1);
  m = test::Count(std::string(61, ' ') + "if(x);\n" + "x;" + std::string(70, ' ') + "\n");
  EXPECT_EQ(m.if_count, 1);
  EXPECT_EQ(m.spaces_count, 131);
  // 2,046 characters: a 2,038-character identifier and " return;", then
  // "return " and an identifier up to the line end.
  m = test::Count(std::string(2038, 'b') + " return;\n" + "return " + std::string(2039, 'c') +
                  "\nif(z);\n");
  EXPECT_EQ(m.return_count, 2);
  EXPECT_EQ(m.if_count, 1);
  EXPECT_EQ(m.spaces_count, 2);
}

}  // namespace
}  // namespace zav
