#include "base/xml_text.h"

#include <gtest/gtest.h>

namespace zav {
namespace {

TEST(XmlText, EscapesAndKeepsValidUtf8) {
  EXPECT_EQ(XmlText("a<b>&\"c'd", 100), "a&lt;b&gt;&amp;&quot;c&apos;d");
  // é (C3 A9), € (E2 82 AC) and U+1F600 (F0 9F 98 80) stay as they are.
  EXPECT_EQ(XmlText("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", 100),
            "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80");
  EXPECT_EQ(XmlText("tab\tlf\ncr\r", 100), "tab\tlf\ncr\r");
}

TEST(XmlText, ReadsOtherHighBytesAsLatin1) {
  // Latin-1 "café" and "ÿ": E9 -> C3 A9, FF -> C3 BF, 80 -> C2 80.
  EXPECT_EQ(XmlText("caf\xE9", 100), "caf\xC3\xA9");
  EXPECT_EQ(XmlText("\xFF\x80", 100), "\xC3\xBF\xC2\x80");
  // A lead byte without its continuation, an overlong "/" (C0 AF) and an
  // encoded surrogate (ED A0 80) are not UTF-8: each byte is Latin-1.
  EXPECT_EQ(XmlText("\xC3(", 100), "\xC3\x83(");
  EXPECT_EQ(XmlText("\xC0\xAF", 100), "\xC3\x80\xC2\xAF");
  EXPECT_EQ(XmlText("\xED\xA0\x80", 100), "\xC3\xAD\xC2\xA0\xC2\x80");
}

TEST(XmlText, ReplacesCharactersXmlForbids) {
  EXPECT_EQ(XmlText(std::string_view("a\0b\x01\x1B\x0C", 6), 100), "a?b???");
  EXPECT_EQ(XmlText("\xEF\xBF\xBE\xEF\xBF\xBF", 100), "??");
}

TEST(XmlText, CutsBeforeAPieceThatDoesNotFit) {
  EXPECT_EQ(XmlText("ab&c", 4), "ab");
  EXPECT_EQ(XmlText("ab\xE9", 3), "ab");
  EXPECT_EQ(XmlText("abcdef", 4), "abcd");
}

}  // namespace
}  // namespace zav
