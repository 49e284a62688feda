// The source line reader: pieces, line ends, byte-order marks, NULs.
#include "analysis/line_reader.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace zav {
namespace {

using test::Count;

class LineReader : public test::HarnessTest {};

// Where lines end and what they hold (-1: not checked).
TEST_F(LineReader, LineEndsAndCharacters) {
  const struct {
    std::string text;
    int lines, semicolons, characters, loc;
  } cases[] = {
      {"a;\nb;", 2, 2, -1, -1},  // a final line without a line feed counts
      {"a;\n", 1, 1, -1, -1},
      {"", 0, 0, 0, 0},  // an empty final read adds no line
      {"\n", 1, 0, 0, 0},
      // A non-ASCII byte starting a line is dropped: "x;" remains.
      {"a;\n\xc3\xa9x;\n", 2, 2, 4, 2},
      // Lone carriage returns end no line; the last one is a line end.
      {"a;\rb;\rc;\r", 1, 3, 8, -1},
      {std::string(2046, 'y') + "\n", 1, 0, 2046, 1},
      {std::string("ab\0cd;\nx;\n", 10), 2, 1, 4, -1},  // NUL ends the line, counts once
      // A tail led by a control byte without a line feed is dropped.
      {"a;\n\x01" "b;", 1, 1, -1, -1},
      {"a;\n\tb;", 2, 2, -1, -1},
      {"a;\n\x01" "b;\n", 2, 2, -1, -1},
  };
  for (const auto& c : cases) {
    const FileMetrics f = Count(c.text);
    const auto expect = [&](int64_t actual, int wanted, const char* what) {
      if (wanted < 0) return;
      EXPECT_EQ(actual, wanted) << what << " of " << c.text;
    };
    expect(f.total_physical_lines_count, c.lines, "lines");
    expect(f.semicolon_count, c.semicolons, "semicolons");
    expect(f.characters_count, c.characters, "characters");
    expect(f.loc_count, c.loc, "LOC");
  }
}

TEST_F(LineReader, ByteOrderMarkIsDropped) {
  FileMetrics plain = Count("int x;\n/* c */\n");
  FileMetrics bom = Count("\xEF\xBB\xBFint x;\n/* c */\n");
  EXPECT_EQ(bom.characters_count, plain.characters_count);
  EXPECT_EQ(bom.loc_count, plain.loc_count);
  EXPECT_EQ(bom.comment_lines_count, plain.comment_lines_count);
}

TEST_F(LineReader, OverLongPiecesAreReportedAndNotCounted) {
  std::string text;
  while (text.size() < 3000) text += "a\r";  // 3000 bytes, no line feed
  h.AnalyzeFile(text);
  // 2047 bytes are over-long; the remaining 953 are the one counted line.
  EXPECT_EQ(h.G().file.total_physical_lines_count, 1);
  EXPECT_EQ(h.Output(),
            "\n  Error: Text line 0 length greater than 2048 characters\n"
            "         Examine file for proper text file formatting.\n");
}

TEST_F(LineReader, LineOf2047CharactersLeavesItsLineFeedAsBlankLine) {
  h.AnalyzeFile("x;\n" + std::string(2047, 'y') + "\nz;\n");
  const FileMetrics& f = h.G().file;
  EXPECT_EQ(f.total_physical_lines_count, 3);
  EXPECT_EQ(f.blank_lines_count, 1);
  EXPECT_EQ(f.loc_count, 2);
  EXPECT_NE(h.Output().find("Text line 1 length greater than 2048"),
            std::string::npos);
}

// Line feeds are looked for in blocks of 16 and 64 bytes: lines about
// those lengths, then a last line without a line feed read after a file
// whose line feeds still lie in the reader's buffer past the new text.
TEST_F(LineReader, LineEndsAtTheEdgesOfTheSearchBlocks) {
  std::string text;
  for (int n : {15, 16, 17, 62, 63, 64, 65, 127, 128, 129}) {
    text += "a;" + std::string(n - 2, 'y') + "\n";
  }
  const FileMetrics f = Count(text);
  EXPECT_EQ(f.total_physical_lines_count, 10);
  EXPECT_EQ(f.semicolon_count, 10);
  EXPECT_EQ(f.characters_count, 48 + 254 + 384);
  h.AnalyzeFile(std::string(300, '\n'));
  h.AnalyzeFile("b;");
  EXPECT_EQ(h.G().file.total_physical_lines_count, 1);
  EXPECT_EQ(h.G().file.characters_count, 2);
}

TEST_F(LineReader, ManyLinesAcrossBufferRefills) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "int v" + std::to_string(i) + ";\n";
  FileMetrics f = Count(text);
  EXPECT_EQ(f.total_physical_lines_count, 100000);
  EXPECT_EQ(f.semicolon_count, 100000);
}

}  // namespace
}  // namespace zav
