// The verbose notice texts: values, reordered forms and HTML markup.
#include <gtest/gtest.h>

#include <string>

#include "notice_test_support.h"

namespace zav {
namespace {

using test::BeginsWith;
using test::NoticeHarness;

const std::string kRed = "<font color=\"#CC0000\"><b>Notice</b></font>";

NoticeArgs Ints(int a, int b) {
  NoticeArgs args;
  args.ints[0] = a;
  args.ints[1] = b;
  return args;
}

NoticeArgs Percentages(const char* name, double value, double limit) {
  NoticeArgs args;
  args.texts[0] = name;
  args.reals[0] = value;
  args.reals[1] = limit;
  return args;
}

class VerboseText : public ::testing::Test {
 protected:
  VerboseText() { n.G().sw.notices = true; }
  NoticeHarness n;
};

TEST_F(VerboseText, ValuesFillTheTextInOrder) {
  EXPECT_EQ(n.Raise(1, 7, Ints(95, 80)),
            "\n    Notice #1: Line 7: Line character length = 95.  This width\n"
            "           exceeds the standard terminal width of 80 characters.\n");

  NoticeArgs name = Ints(34, 32);
  name.texts[0] = "a_really_long_function_name_here_x";
  EXPECT_EQ(n.Raise(2, 41, name),
            "\n    Notice #2: Line 41: The function name:\n"
            "           a_really_long_function_name_here_x\n"
            "           of 34 characters is greater than 32 characters in length.\n"
            "           This can be a portability and/or maintenance issue.\n");

  EXPECT_EQ(n.Raise(17, 60, Percentages(nullptr, 4.44, 10.0)),
            "\n    Notice #17: Function comments, 4.4% are less than 10.0%.\n");
  EXPECT_EQ(n.Raise(31, 90, Percentages("Struct", 0.0, 12.5)),
            "\n    Notice #31: Struct comments, 0.0% are less than 12.5%.\n");
}

TEST_F(VerboseText, AlternateForms) {
  NoticeArgs macro;
  macro.variant = 1;
  EXPECT_EQ(n.Raise(6, 2, macro),
            "\n    Notice #6: Line 2, a pre-decrement '-- operator' identified\n"
            "           within a MACRO.  This syntax is non-portable and is\n"
            "           NOT recommended within macro definitions.\n");
  NoticeArgs klass = Percentages("Class", 4.5, 10.0);
  klass.variant = 1;
  EXPECT_EQ(n.Raise(16, 20, klass),
            "\n    Notice #16: Class white space, 4.5% is less than 10.0%.\n");
  EXPECT_EQ(n.Raise(16, 20, Percentages(nullptr, 9.95, 10.0)),
            "\n    Notice #16: Function white space, 9.9% is less than 10.0%.\n");
}

TEST_F(VerboseText, CaseBreakTables) {
  const std::string tail =
      "           This condition can occur when sequential case statements are used.\n"
      "           Check this function to insure no erroneous behavior will occur\n"
      "           by an unexpected fall through to the next case statement.\n"
      "           You may indicate to ZAV that a 'case' statement is designed\n"
      "           to fall through by using a comment with these words\n";
  const std::string head =
      "\n    Notice #14: All 'case/default' conditions do not have a matching\n"
      "           'break', or 'fall through' comments.\n";
  NoticeArgs plain;
  plain.ints[0] = 3;   // case
  plain.ints[1] = 3;   // total
  plain.ints[2] = 1;   // break
  plain.ints[3] = 1;   // fall through
  plain.ints[4] = 2;   // total
  EXPECT_EQ(n.Raise(14, 40, plain),
            head + "           case : 3   " + std::string(30, ' ') + "Total 3   \n" +
                "           break: 1     fall through comment: 1     Total 2   \n" +
                tail);

  NoticeArgs with_default;
  with_default.variant = 1;
  const int values[] = {12, 1, 13, 10, 2, 12345};
  for (int i = 0; i < 6; ++i) with_default.ints[i] = values[i];
  EXPECT_EQ(n.Raise(14, 40, with_default),
            head + "           case : 12    default: 1   " + std::string(15, ' ') +
                "Total 13  \n" +
                "           break: 10    fall through comment: 2     Total 12345\n" +
                tail);
}

TEST_F(VerboseText, UnboundKeywordIsNamedTwice) {
  NoticeArgs keyword;
  keyword.texts[0] = "while";
  EXPECT_EQ(n.Raise(22, 5, keyword),
            "\n    Notice #22: Line 5: The keyword, 'while', appears not to be delimited\n"
            "           with scope { .. } operators around its content.  This\n"
            "           could cause a maintenance problem where code falls outside\n"
            "           the intended scope of the 'while' statement.\n");
}

TEST_F(VerboseText, InheritanceNoticesNameTheClassFile) {
  NoticeArgs depth;
  depth.file_name = "lib/base.h";
  depth.ints[0] = 4;
  EXPECT_TRUE(BeginsWith(n.Raise(40, 3, depth),
            "\n    Notice #40: File lib/base.h: Line 3\n"
            "           The depth of the inheritance tree is greater than the specified\n"
            "           maximum value, 4.  This"));
  NoticeArgs multiple;
  multiple.file_name = "lib/both.h";
  multiple.texts[0] = "Both";
  EXPECT_TRUE(BeginsWith(n.Raise(42, 8, multiple),
            "\n    Notice #42: File lib/both.h: Line 8\n"
            "           Class multiple inheritance has been identified for class Both.\n"));
}

TEST_F(VerboseText, NoticesWithoutTextOfTheirOwnShowTheirDescription) {
  EXPECT_EQ(n.Raise(33, 8),
            "\n    Notice #33: Line 8, Class/Struct definition within a function definition\n");
  EXPECT_EQ(n.Raise(25, 1),
            "\n    Notice #25: Line 1, Treat *.h files for C++ keywords\n");
}

class ReorderedText : public VerboseText {
 protected:
  ReorderedText() { n.G().settings.reorder_notices = true; }
};

TEST_F(ReorderedText, TheLineMovesInFront) {
  EXPECT_EQ(n.Raise(1, 7, Ints(95, 80)),
            "\n    Line 7: Notice #1: Line character length = 95.  This width\n"
            "           exceeds the standard terminal width of 80 characters.\n");
  // "Line %d," also becomes "Line %d: Notice #N:".
  EXPECT_TRUE(BeginsWith(n.Raise(43, 12),
            "\n    Line 12: Notice #43: The keyword 'continue' has been found."));
  EXPECT_EQ(n.Raise(55, 70, Ints(8, 7)),
            "\n    Line 70: Notice #55\n"
            "           The depth of scope '8' exceeds the notice limit of 7.\n");
  EXPECT_TRUE(BeginsWith(n.Raise(45, 30),
            "\n    File src/a.cpp: Line 30: Notice #45\n   "));
  NoticeArgs depth;
  depth.file_name = "b.h";
  depth.ints[0] = 10;
  EXPECT_TRUE(BeginsWith(n.Raise(41, 6, depth),
            "\n    File b.h: Line 6: Notice #41\n   "));
}

TEST_F(ReorderedText, SpacingExceptions) {
  EXPECT_EQ(n.Raise(36, 3),
            "\n    Line 3: Notice #36: Protected data has been identified with a class\n"
            "           specification.  This design allows the protected data\n"
            "           to be freely accessed down the inheritance tree.\n");
  n.G().settings.notice_enabled[52] = true;
  EXPECT_EQ(n.Raise(52, 4),
            "\n     Line 4: Notice #52: A class has been identified which does not\n"
            "           have a preceding comment.  Comments that detail the purpose,\n"
            "           algorithms, and parameter/return definitions are suggested.\n");
  n.G().settings.reorder_notices = false;
  EXPECT_TRUE(BeginsWith(n.Raise(36, 3),
            "\n    Notice #36: Line 3:  Protected data has been i"));
}

TEST_F(ReorderedText, NoticesWithoutAReorderedFormKeepTheirOwn) {
  EXPECT_EQ(n.Raise(9, 14),
            "\n    Notice #9: Line 14, 'goto' keyword identified.  This can cause\n"
            "           maintenance difficulties and propagate hidden logic flow.\n");
  NoticeArgs macro;
  macro.variant = 1;
  EXPECT_TRUE(BeginsWith(n.Raise(7, 3, macro), "\n    Notice #7: Line 3, a p"));
  NoticeArgs keyword;
  keyword.texts[0] = "for";
  EXPECT_TRUE(BeginsWith(n.Raise(22, 5, keyword),
            "\n    Line 5: Notice #22: The keyword, 'for', appear"));
}

class HtmlNoticeText : public VerboseText {
 protected:
  HtmlNoticeText() { n.G().sw.html = true; }
};

TEST_F(HtmlNoticeText, NoticeInColourValuesInBold) {
  EXPECT_EQ(n.Raise(1, 7, Ints(95, 80)),
            "\n    " + kRed + " #1: <b>Line 7</b>: Line character length = <b>95</b>."
            "  This width\n"
            "           exceeds the standard terminal width of <b>80</b> characters.\n");
  NoticeArgs klass = Percentages("Class", 4.5, 10.0);
  klass.variant = 1;
  EXPECT_EQ(n.Raise(16, 20, klass),
            "\n    " + kRed +
                " #16: <b>Class</b> white space, <b>4.5%</b> is less than <b>10.0%</b>.\n");
  EXPECT_TRUE(BeginsWith(n.Raise(45, 30),
            "\n    " + kRed + " #45: <b>File src/a.cpp</b>: <b>Line 30</b>\n"));
}

TEST_F(HtmlNoticeText, NamesAndLiteralTextAreEscaped) {
  NoticeArgs name = Ints(40, 32);
  name.texts[0] = "Table<Row>::operator<";
  EXPECT_TRUE(BeginsWith(n.Raise(2, 41, name),
            "\n    " + kRed + " #2: <b>Line 41</b>: The function name:\n"
            "           <b>Table&lt;Row&gt;::operator&lt;</b>\n"));
  EXPECT_EQ(n.Raise(48, 5, Ints(0, 0)),
            "\n    " + kRed + " #48: <b>Line 5</b>: The number of logical lines of code"
            " or statements\n"
            "           <b>0</b> is &lt;= to the specified minimum of <b>0</b>.  This could\n"
            "           indicate a null function with no operational purpose.\n");
}

TEST_F(HtmlNoticeText, ReorderedFormsCarryTheSameMarkup) {
  n.G().settings.reorder_notices = true;
  EXPECT_TRUE(BeginsWith(n.Raise(30, 4),
            "\n    <b>Line 4</b>: " + kRed + " #30: A TAB character has"));
  EXPECT_EQ(n.Raise(55, 70, Ints(8, 7)),
            "\n    <b>Line 70</b>: " + kRed + " #55\n"
            "           The depth of scope '<b>8</b>' exceeds the notice limit of <b>7</b>.\n");
}

TEST_F(HtmlNoticeText, SkipTokenNoticesUseTheirOwnMarkup) {
  n.G().settings.notice_enabled[58] = true;
  EXPECT_TRUE(BeginsWith(n.Raise(58, 2), "\n    " + kRed + " #58: <b>Line 2</b>: A ZAV skip"));
}

TEST_F(HtmlNoticeText, TheNoticeColourIsTheConfiguredOne) {
  n.G().settings.colors[kColorNotice] = "purple";
  EXPECT_TRUE(BeginsWith(n.Raise(23, 2),
            "\n    <font color=\"purple\"><b>Notice</b></font> #23: <b>L"));
}

}  // namespace
}  // namespace zav
