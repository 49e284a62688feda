// The source line reader: pieces, line ends, byte-order marks, NULs.
#include "analysis/line_reader.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace zav {
namespace {

using test::Count;
using test::Harness;

TEST(LineReader, FinalLineWithoutLineFeedIsCounted) {
  FileMetrics f = Count("a;\nb;");
  EXPECT_EQ(f.total_physical_lines_count, 2);
  EXPECT_EQ(f.semicolon_count, 2);
}

TEST(LineReader, EmptyFinalReadAddsNoLine) {
  EXPECT_EQ(Count("a;\n").total_physical_lines_count, 1);
  EXPECT_EQ(Count("").total_physical_lines_count, 0);
  EXPECT_EQ(Count("\n").total_physical_lines_count, 1);
}

TEST(LineReader, ByteOrderMarkIsDropped) {
  FileMetrics plain = Count("int x;\n/* c */\n");
  FileMetrics bom = Count("\xEF\xBB\xBFint x;\n/* c */\n");
  EXPECT_EQ(bom.characters_count, plain.characters_count);
  EXPECT_EQ(bom.loc_count, plain.loc_count);
  EXPECT_EQ(bom.comment_lines_count, plain.comment_lines_count);
}

TEST(LineReader, LeadingNonAsciiIsDroppedOnEveryLine) {
  // The e-acute starting line 2 is lost: "x;" remains (2 characters).
  FileMetrics f = Count("a;\n\xc3\xa9x;\n");
  EXPECT_EQ(f.characters_count, 4);
  EXPECT_EQ(f.loc_count, 2);
}

TEST(LineReader, LoneCarriageReturnsDoNotEndLines) {
  FileMetrics f = Count("a;\rb;\rc;\r");
  EXPECT_EQ(f.total_physical_lines_count, 1);
  EXPECT_EQ(f.semicolon_count, 3);
  EXPECT_EQ(f.characters_count, 8);  // the last carriage return is a line end
}

TEST(LineReader, OverLongPiecesAreReportedAndNotCounted) {
  Harness h;
  std::string text;
  while (text.size() < 3000) text += "a\r";  // 3000 bytes, no line feed
  h.AnalyzeFile(text);
  // 2047 bytes are over-long; the remaining 953 are the one counted line.
  EXPECT_EQ(h.G().file.total_physical_lines_count, 1);
  EXPECT_EQ(h.Output(),
            "\n  Error: Text line 0 length greater than 2048 characters\n"
            "         Examine file for proper text file formatting.\n");
}

TEST(LineReader, LineOf2047CharactersLeavesItsLineFeedAsBlankLine) {
  Harness h;
  h.AnalyzeFile("x;\n" + std::string(2047, 'y') + "\nz;\n");
  const FileMetrics& f = h.G().file;
  EXPECT_EQ(f.total_physical_lines_count, 3);
  EXPECT_EQ(f.blank_lines_count, 1);
  EXPECT_EQ(f.loc_count, 2);
  EXPECT_NE(h.Output().find("Text line 1 length greater than 2048"),
            std::string::npos);
}

TEST(LineReader, LineOf2046CharactersIsNormal) {
  FileMetrics f = Count(std::string(2046, 'y') + "\n");
  EXPECT_EQ(f.total_physical_lines_count, 1);
  EXPECT_EQ(f.characters_count, 2046);
}

TEST(LineReader, NulEndsTheLineButItCountsOnce) {
  FileMetrics f = Count(std::string("ab\0cd;\nx;\n", 10));
  EXPECT_EQ(f.total_physical_lines_count, 2);
  EXPECT_EQ(f.semicolon_count, 1);
  EXPECT_EQ(f.characters_count, 4);
}

TEST(LineReader, ControlLedTailWithoutLineFeedIsDropped) {
  EXPECT_EQ(Count("a;\n\x01" "b;").total_physical_lines_count, 1);
  EXPECT_EQ(Count("a;\n\tb;").total_physical_lines_count, 2);
  EXPECT_EQ(Count("a;\n\x01" "b;\n").total_physical_lines_count, 2);
}

TEST(LineReader, ManyLinesAcrossBufferRefills) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "int v" + std::to_string(i) + ";\n";
  FileMetrics f = Count(text);
  EXPECT_EQ(f.total_physical_lines_count, 100000);
  EXPECT_EQ(f.semicolon_count, 100000);
}

}  // namespace
}  // namespace zav
