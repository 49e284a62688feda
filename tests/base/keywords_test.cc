// The word table and the character classes of the per-character loops.
#include "base/keywords.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zav {
namespace {

TEST(Words, EverySpellingLooksUpItsOwnWord) {
  for (int w = 1; w < static_cast<int>(Word::kCount); ++w) {
    const char* text = WordText(static_cast<Word>(w));
    ASSERT_GT(std::strlen(text), 0u) << w;
    EXPECT_EQ(LookupWord(text, static_cast<int>(std::strlen(text))), static_cast<Word>(w))
        << text;
  }
  EXPECT_STREQ(WordText(Word::kNone), "");
}

TEST(Words, OnlyWholeSpellingsMatch) {
  EXPECT_EQ(LookupWord("iffy", 2), Word::kIf);  // the length decides
  EXPECT_EQ(LookupWord("iffy", 4), Word::kNone);
  EXPECT_EQ(LookupWord("If", 2), Word::kNone);
  EXPECT_EQ(LookupWord("", 0), Word::kNone);
  // One character off, at the middle of short words and inside the
  // overlap of the two halves of long ones.
  for (const char* near_miss : {"fxr", "whxle", "typedif", "dynamic_cbst", "reinterprex_cast"}) {
    EXPECT_EQ(LookupWord(near_miss, static_cast<int>(std::strlen(near_miss))), Word::kNone)
        << near_miss;
  }
}

TEST(Words, FilterPassesEveryWordAndLongNamesFailLater) {
  EXPECT_TRUE(CouldBeWord('i', 'f', 2));
  EXPECT_TRUE(CouldBeWord('r', 'e', 6));   // return
  EXPECT_TRUE(CouldBeWord('r', 'e', 7));   // realloc
  EXPECT_FALSE(CouldBeWord('i', 'f', 3));
  EXPECT_FALSE(CouldBeWord('w', 'x', 5));  // while and where, but no "?x???"
  // 34 characters test the same bit as 2; the lookup turns the name down.
  const char* long_name = "ifxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx";
  ASSERT_EQ(std::strlen(long_name), 34u);
  EXPECT_TRUE(CouldBeWord('i', 'f', 34));
  EXPECT_EQ(LookupWord(long_name, 34), Word::kNone);
}

TEST(CharClasses, BlanksIdentifiersAndSets) {
  EXPECT_TRUE(IsBlank(' ') && IsBlank('\t'));
  EXPECT_FALSE(IsBlank('\r') || IsBlank('\n') || IsBlank('\0'));
  EXPECT_TRUE(IsWhiteSpace('\r') && IsWhiteSpace('\n') && IsWhiteSpace('\t'));
  EXPECT_FALSE(IsWhiteSpace('\0') || IsWhiteSpace('\f'));
  EXPECT_TRUE(IsIdentStart('_') && IsIdentStart('z') && !IsIdentStart('7'));
  EXPECT_TRUE(IsIdentChar('7') && !IsIdentChar('$') && !IsIdentChar(0xC3));
  constexpr CharSet kBraces("{}");
  EXPECT_TRUE(kBraces.Has('{') && !kBraces.Has('(') && !kBraces.Has('\0'));
  EXPECT_TRUE(InSet(';', " ;") && !InSet('\0', " ;"));
}

}  // namespace
}  // namespace zav
