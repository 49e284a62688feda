// The verbose notice texts: values, reordered forms and HTML markup.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

#include "notice_test_support.h"

namespace zav {
namespace {

using test::BeginsWith;
using test::NoticeHarness;

const std::string kRed = "<font color=\"#CC0000\"><b>Notice</b></font>";

class VerboseText : public ::testing::Test {
 protected:
  VerboseText() { n.G().sw.notices = true; }
  NoticeHarness n;
};

TEST_F(VerboseText, ValuesFillTheTextInOrder) {
  EXPECT_EQ(n.Raise(1, 7, NoticeArgs{.ints = {95, 80}}),
            "\n    Notice #1: Line 7: Line character length = 95.  This width\n"
            "           exceeds the standard terminal width of 80 characters.\n");

  const NoticeArgs name{.ints = {34, 32}, .texts = {"a_really_long_function_name_here_x"}};
  EXPECT_EQ(n.Raise(2, 41, name),
            "\n    Notice #2: Line 41: The function name:\n"
            "           a_really_long_function_name_here_x\n"
            "           of 34 characters is greater than 32 characters in length.\n"
            "           This can be a portability and/or maintenance issue.\n");
}

TEST_F(VerboseText, AStreamWithoutBufferGetsTheSameText) {
  FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  std::setvbuf(file, nullptr, _IONBF, 0);
  std::swap(n.G().report.out, file);
  RaiseNotice(n.G(), 1, -12, NoticeArgs{.ints = {-2147483647 - 1, 80}});
  std::swap(n.G().report.out, file);
  char text[256] = {};
  std::rewind(file);
  std::fread(text, 1, sizeof text - 1, file);
  std::fclose(file);
  EXPECT_STREQ(text,
               "\n    Notice #1: Line -12: Line character length = -2147483648.  This width\n"
               "           exceeds the standard terminal width of 80 characters.\n");
}

class ReorderedText : public VerboseText {
 protected:
  ReorderedText() { n.G().settings.reorder_notices = true; }
};

TEST_F(ReorderedText, TheLineMovesInFront) {
  EXPECT_EQ(n.Raise(1, 7, NoticeArgs{.ints = {95, 80}}),
            "\n    Line 7: Notice #1: Line character length = 95.  This width\n"
            "           exceeds the standard terminal width of 80 characters.\n");
  // "Line %d," also becomes "Line %d: Notice #N:".
  EXPECT_TRUE(BeginsWith(n.Raise(43, 12),
            "\n    Line 12: Notice #43: The keyword 'continue' has been found."));
  EXPECT_EQ(n.Raise(55, 70, NoticeArgs{.ints = {8, 7}}),
            "\n    Line 70: Notice #55\n"
            "           The depth of scope '8' exceeds the notice limit of 7.\n");
  EXPECT_TRUE(BeginsWith(n.Raise(45, 30),
            "\n    File src/a.cpp: Line 30: Notice #45\n   "));
}

class HtmlNoticeText : public VerboseText {
 protected:
  HtmlNoticeText() { n.G().sw.html = true; }
};

TEST_F(HtmlNoticeText, NoticeInColourValuesInBold) {
  EXPECT_EQ(n.Raise(1, 7, NoticeArgs{.ints = {95, 80}}),
            "\n    " + kRed + " #1: <b>Line 7</b>: Line character length = <b>95</b>."
            "  This width\n"
            "           exceeds the standard terminal width of <b>80</b> characters.\n");
  const NoticeArgs klass{.reals = {4.5, 10.0}, .texts = {"Class"}, .variant = 1};
  EXPECT_EQ(n.Raise(16, 20, klass),
            "\n    " + kRed +
                " #16: <b>Class</b> white space, <b>4.5%</b> is less than <b>10.0%</b>.\n");
  EXPECT_TRUE(BeginsWith(n.Raise(45, 30),
            "\n    " + kRed + " #45: <b>File src/a.cpp</b>: <b>Line 30</b>\n"));
}

TEST_F(HtmlNoticeText, NamesAndLiteralTextAreEscaped) {
  const NoticeArgs name{.ints = {40, 32}, .texts = {"Table<Row>::operator<"}};
  EXPECT_TRUE(BeginsWith(n.Raise(2, 41, name),
            "\n    " + kRed + " #2: <b>Line 41</b>: The function name:\n"
            "           <b>Table&lt;Row&gt;::operator&lt;</b>\n"));
  EXPECT_EQ(n.Raise(48, 5, NoticeArgs{.ints = {0, 0}}),
            "\n    " + kRed + " #48: <b>Line 5</b>: The number of logical lines of code"
            " or statements\n"
            "           <b>0</b> is &lt;= to the specified minimum of <b>0</b>.  This could\n"
            "           indicate a null function with no operational purpose.\n");
}

TEST_F(HtmlNoticeText, ReorderedFormsCarryTheSameMarkup) {
  n.G().settings.reorder_notices = true;
  EXPECT_TRUE(BeginsWith(n.Raise(30, 4),
            "\n    <b>Line 4</b>: " + kRed + " #30: A TAB character has"));
  EXPECT_EQ(n.Raise(55, 70, NoticeArgs{.ints = {8, 7}}),
            "\n    <b>Line 70</b>: " + kRed + " #55\n"
            "           The depth of scope '<b>8</b>' exceeds the notice limit of <b>7</b>.\n");
}

}  // namespace
}  // namespace zav
