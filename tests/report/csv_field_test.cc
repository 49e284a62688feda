#include "report/csv_field.h"

#include <gtest/gtest.h>

namespace zav {
namespace {

TEST(CsvField, QuotesOnlyFieldsWithCommaQuoteOrLineBreak) {
  EXPECT_EQ(CsvField(" main.c"), " main.c");
  EXPECT_EQ(CsvField(""), "");
  EXPECT_EQ(CsvField("(int a, int b)"), "\"(int a, int b)\"");
  EXPECT_EQ(CsvField(" a,b.c"), "\" a,b.c\"");
  EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(CsvField("a\nb"), "\"a\nb\"");
  EXPECT_EQ(CsvField("a\rb"), "\"a\rb\"");
}

TEST(CsvLines, MakesEachLineOneField) {
  EXPECT_EQ(CsvLines("\n  Notice #1: Line 3, x\n  plain\n"),
            "\n\"  Notice #1: Line 3, x\"\n  plain\n");
  EXPECT_EQ(CsvLines("a,b\r\nc"), "\"a,b\"\r\nc");
}

}  // namespace
}  // namespace zav
