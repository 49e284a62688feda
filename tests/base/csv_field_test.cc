#include "base/csv_field.h"

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

TEST(CsvFormWriter, QuotesTheFieldAValueMakesAmbiguous) {
  CsvFormWriter w;
  w.Literal("\n    Notice #42: Class ");
  w.Value("Map<K, V>");
  w.Literal(" has more than one parent, see ");
  w.Value("a\"b.h");
  w.Literal("\n  plain, text\n");
  EXPECT_EQ(w.Finish(),
            "\n\"    Notice #42: Class Map<K, V> has more than one parent\","
            "\" see a\"\"b.h\"\n  plain, text\n");
  CsvFormWriter empty_fields;  // separators side by side and at the ends
  empty_fields.Literal(",a,,");
  empty_fields.Value("x,y");
  empty_fields.Literal("\n");
  EXPECT_EQ(empty_fields.Finish(), ",a,,\"x,y\"\n");
}

}  // namespace
}  // namespace zav
