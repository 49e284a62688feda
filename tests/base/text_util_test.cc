#include "base/text_util.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "test_support.h"

namespace zav {
namespace {

class InUtc : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC", 1);
    tzset();
  }
};

TEST(WrapName, BreaksOnlyNamesLongerThanTheWidthUpTo2047Characters) {
  test::Harness h;
  EXPECT_EQ(WrapName(h.G(), "abcdefghij", 10, 4), "abcdefghij");
  EXPECT_EQ(WrapName(h.G(), "abcdefghijk", 10, 4), "abcdefghij\n    k");
  EXPECT_EQ(WrapName(h.G(), "abcdefg", 3, 1), "abc\n def\n g");
  const std::string wrapped = WrapName(h.G(), std::string(5000, 'x'), 10, 5);
  EXPECT_EQ(wrapped.size(), 2047u);
  EXPECT_EQ(wrapped.substr(0, 17), "xxxxxxxxxx\n     x");
  h.G().settings.wrap_long_names = false;
  EXPECT_EQ(WrapName(h.G(), "abcdefghijk", 10, 4), "abcdefghijk");
}

TEST(XmlEscape, ReplacesTheFiveSpecialCharacters) {
  EXPECT_EQ(XmlEscape("a<b>&\"c'd"), "a&lt;b&gt;&amp;&quot;c&apos;d");
  EXPECT_EQ(XmlEscape("plain/path_1.c"), "plain/path_1.c");
  EXPECT_EQ(XmlEscape(""), "");
}

TEST(HtmlText, EscapesMarkupButKeepsQuotes) {
  EXPECT_EQ(HtmlText("-r\"h,c .\" a&b<c>.c"), "-r\"h,c .\" a&amp;b&lt;c&gt;.c");
  EXPECT_EQ(HtmlEscape("-r\"h,c .\" a&b<c>'.c"),
            "-r&quot;h,c .&quot; a&amp;b&lt;c&gt;&#39;.c");
  EXPECT_EQ(HtmlText("<&>'"), "&lt;&amp;&gt;'");  // at both ends and side by side
  EXPECT_EQ(HtmlEscape("\"\""), "&quot;&quot;");
}

TEST(MakeFileLink, RelativeLinksOrFileUrls) {
  // Absolute paths stay as they are, or become file URLs.
  EXPECT_EQ(MakeFileLinkFrom("/home/u/src/a.c", "/home/u", true), "/home/u/src/a.c");
  EXPECT_EQ(MakeFileLinkFrom("/usr/src/a.c", "/home/u", false), "file:///usr/src/a.c");
  // Relative links cut the working directory; without them a drive-letter
  // path is kept whole.
  EXPECT_EQ(MakeFileLinkFrom("C:\\work\\src\\a.c", "C:\\work", true), "src\\a.c");
  EXPECT_EQ(MakeFileLinkFrom("C:\\work\\src\\a.c", "C:\\work", false),
            "file://C:\\work\\src\\a.c");
  // Relative paths are joined to the working directory for a URL.
  EXPECT_EQ(MakeFileLinkFrom("./src/a.c", "/home/u", true), "./src/a.c");
  EXPECT_EQ(MakeFileLinkFrom("./src/a.c", "/home/u", false), "file:///home/u/src/a.c");
  EXPECT_EQ(MakeFileLinkFrom("src/a.c", "/home/u", false), "file:///home/u/src/a.c");
  // A trailing separator is dropped.
  EXPECT_EQ(MakeFileLinkFrom("src/dir/", "/home/u", true), "src/dir");
  EXPECT_EQ(MakeFileLinkFrom("/opt/dir\\", "/home/u", true), "/opt/dir");
}

TEST_F(InUtc, FileTimeIsTheCLibraryTwentyFourCharacterText) {
  EXPECT_EQ(FormatFileTime(0), "Thu Jan  1 00:00:00 1970");
  EXPECT_EQ(FormatFileTime(1700000000), "Tue Nov 14 22:13:20 2023");
  EXPECT_EQ(FormatFileTime(1000000000), "Sun Sep  9 01:46:40 2001");
  // Years of other widths, at the ends of the four-digit ones.
  EXPECT_EQ(FormatFileTime(-62135596800), "Mon Jan  1 00:00:00 1");
  EXPECT_EQ(FormatFileTime(253402300799), "Fri Dec 31 23:59:59 9999");
  EXPECT_EQ(FormatFileTime(253402300800), "Sat Jan  1 00:00:00 10000");
}

TEST_F(InUtc, RunDateIsMonthDayYear) {
  EXPECT_EQ(FormatRunDate(0), "Jan 01, 1970");
  EXPECT_EQ(FormatRunDate(1700000000), "Nov 14, 2023");
}

TEST(XmlStylesheetHref, BarePathsBecomeFileUrls) {
  EXPECT_EQ(XmlStylesheetHref("c:\\xsl\\zav.xsl"), "file:///c:/xsl/zav.xsl");
  EXPECT_EQ(XmlStylesheetHref("style\\a.xsl"), "file:///style/a.xsl");
  EXPECT_EQ(XmlStylesheetHref("/opt/zav.xsl"), "/opt/zav.xsl");
  EXPECT_EQ(XmlStylesheetHref("./zav.xsl"), "./zav.xsl");
  EXPECT_EQ(XmlStylesheetHref("file:///x\\y.xsl"), "file:///x\\y.xsl");
}

TEST(TrackMinMax, FollowsTheExtremesAndClampsTheMinimum) {
  int lo = 0, hi = 0;
  TrackMinMax(5, lo, hi, 1);
  EXPECT_EQ(lo, 5);
  EXPECT_EQ(hi, 5);
  TrackMinMax(3, lo, hi, 0);
  TrackMinMax(8, lo, hi, 0);
  EXPECT_EQ(lo, 3);
  EXPECT_EQ(hi, 8);
  TrackMinMax(-2, lo, hi, 0);
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 8);
  // The first row sets the minimum even above the current one.
  TrackMinMax(9, lo, hi, 1);
  EXPECT_EQ(lo, 9);
}

}  // namespace
}  // namespace zav
