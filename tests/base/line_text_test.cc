// The routines over one line's text, on hand-made lines.
#include "base/line_text.h"

#include <gtest/gtest.h>

namespace zav {
namespace {

TEST(LineText, TrimsAndComments) {
  std::string s = " \t a b \t\r\n";
  LeftTrim(s);
  RightTrim(s);
  EXPECT_EQ(s, "a b");
  s = "x /* one */ y /* two */";
  RemoveBlockComment(s);
  EXPECT_EQ(s, "x  y /* two */");  // only the first span goes
  s = "x /* open";
  RemoveBlockComment(s);
  EXPECT_EQ(s, "x /* open");
  s = "a = b; // c // d";
  CutLineComment(s);
  EXPECT_EQ(s, "a = b; ");
}

TEST(LineText, WordsAreRejoinedWithSingleSpaces) {
  EXPECT_EQ(CollapseBlanks(",,a, b,,c ", ", "), "a b c");
  // Words longer than sixteen characters, gaps across sixteen-character
  // steps, and bytes above 0x7F (kept as any character above the blank).
  EXPECT_EQ(CollapseBlanks("template <typename\tT,\n   typename  Alloc = std::allocator<T> >",
                           " \t\r\n"),
            "template <typename T, typename Alloc = std::allocator<T> >");
  EXPECT_EQ(CollapseBlanks(" abcdefghijklmnopqrstuvwxyz0123  gr\xc3\xb6\xc3\x9f""e\r\n", " \t\r\n"),
            "abcdefghijklmnopqrstuvwxyz0123 gr\xc3\xb6\xc3\x9f""e");
  const char* const words[] = {"const", "static", nullptr};
  EXPECT_EQ(DropWords("static  const int\tconstant\n", words), "int constant");
}

TEST(LineText, Positions) {
  EXPECT_EQ(SkipBlanks(" \t x", 0), 3);
  EXPECT_EQ(SkipBlanks("x", 0), 0);
  EXPECT_EQ(SkipHighBytes("a\xc3\xa9z", 1), 3);
  EXPECT_EQ(SkipHighBytes("az", 1), 1);
  EXPECT_EQ(NextSignificant("f /* c */ (x)", 0), '(');
  EXPECT_EQ(NextSignificant("f // (", 0), '\n');
  EXPECT_EQ(NextSignificant("f  ", 0), '\0');
}

TEST(LineText, LoneCharacterAndCharacterOutsideComments) {
  EXPECT_TRUE(OnlyCharacter("  } ; /* end */ // x\n", '}'));
  EXPECT_FALSE(OnlyCharacter("  } else\n", '}'));
  EXPECT_FALSE(OnlyCharacter("x }\n", '}'));
  EXPECT_TRUE(NothingFollows("x ;\t/* a */;", 1));  // up to the NUL
  EXPECT_FALSE(NothingFollows("x /* a */ y\n", 1));
  EXPECT_TRUE(CharOutsideComments("/* { */ a { // }", '{'));
  EXPECT_FALSE(CharOutsideComments("/* { */ a // {", '{'));
  EXPECT_TRUE(SemicolonWithoutBrace("class A; /* { */"));
  EXPECT_TRUE(SemicolonWithoutBrace("x = a / b; // {"));  // a lone "/" is no comment
  EXPECT_FALSE(SemicolonWithoutBrace("struct s { int a; };"));
  EXPECT_FALSE(SemicolonWithoutBrace("int f() // ;"));
}

TEST(LineText, WholeWords) {
  EXPECT_EQ(FindWholeWord("constant const", "const"), 9u);
  EXPECT_EQ(FindWholeWord("(void*)", "void"), 1u);
  EXPECT_EQ(FindWholeWord("_void void_", "void"), std::string_view::npos);
  EXPECT_TRUE(NextWordIs("else \t if (x)", 4, "if"));
  EXPECT_FALSE(NextWordIs("else iffy", 4, "if"));
}

TEST(LineText, FirstWordForms) {
  EXPECT_EQ(FirstWord(" \t/* c */ class A:B {\n", 0), "class");
  EXPECT_EQ(FirstWord("// note\n", 0), "");
  EXPECT_EQ(FirstWord("a::b(c) d", 0), "a::b(c)");
  EXPECT_EQ(FirstIdentifier("~A(); x", 0), "~A");
  EXPECT_EQ(FirstIdentifier("A:B", 0), "A");
  EXPECT_EQ(FirstIdentifier("9lives", 0), "");
  EXPECT_EQ(FirstNameAfterOpeners(" {( 9x)", 0), "9x");
  EXPECT_TRUE(FirstIdentifierIs(" \t~A(); x", "~A"));
  EXPECT_TRUE(FirstIdentifierIs("/* c */ enum {", "enum"));
  EXPECT_FALSE(FirstIdentifierIs("foobar (x)", "foo"));
  EXPECT_FALSE(FirstIdentifierIs("A::f (x)", "A::f"));  // the identifier is "A"
}

}  // namespace
}  // namespace zav
