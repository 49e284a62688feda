// The name set: every added name is found again, through growth of the
// table, and no other name is.
#include "zav/name_set.h"

#include <gtest/gtest.h>

#include <string>

namespace zav {
namespace {

TEST(NameSet, FindsWhatWasAddedAndNothingElse) {
  NameSet set;
  EXPECT_FALSE(set.contains(""));
  EXPECT_TRUE(set.insert("AXB"));
  EXPECT_FALSE(set.insert("AXB"));  // already there
  EXPECT_TRUE(set.contains("AXB"));
  EXPECT_FALSE(set.contains("AYB"));  // same length, first and last character
  EXPECT_FALSE(set.contains("AXBB"));
  // Enough names to grow the table twice.
  for (int k = 0; k < 20000; ++k) set.insert("M" + std::to_string(k));
  EXPECT_EQ(set.size(), 20001u);
  for (int k = 0; k < 20000; k += 7) EXPECT_TRUE(set.contains("M" + std::to_string(k))) << k;
  EXPECT_FALSE(set.contains("M20000"));
  EXPECT_FALSE(set.contains("N1"));
  EXPECT_TRUE(set.insert(""));
  EXPECT_TRUE(set.contains(""));
}

// Names queued by insert_soon() are there for every reader at once: the
// queue (eight names) is entered when full or when the set is read.
TEST(NameSet, QueuedNamesAreSeenAtOnce) {
  NameSet set;
  set.insert("A1");
  for (const char* name : {"A1", "B", "C", "B", "D", "E", "F", "G", "H", "I", "J"}) {
    set.insert_soon(name);
  }
  EXPECT_EQ(set.size(), 10u);  // "A1" and "B" count once
  EXPECT_TRUE(set.contains("J"));
  EXPECT_FALSE(set.insert("C"));
  set.insert_soon("K");
  EXPECT_TRUE(set.contains("K"));
  EXPECT_FALSE(set.contains("L"));
  // A name longer than a queue entry holds (52) is added at once.
  const std::string long_name(60, 'X');
  set.insert_soon("L");
  set.insert_soon(long_name);
  EXPECT_EQ(set.size(), 13u);
  EXPECT_TRUE(set.contains(long_name));
  EXPECT_FALSE(set.contains(long_name.substr(1)));
  // Queued from an empty table through two growths.
  NameSet grown;
  for (int k = 0; k < 20000; ++k) grown.insert_soon("M" + std::to_string(k % 15000));
  EXPECT_EQ(grown.size(), 15000u);
  EXPECT_TRUE(grown.contains("M14999"));
  EXPECT_FALSE(grown.contains("M15000"));
}

// Names given again in the order first given are found after the one
// before them; a name that only starts like the next one, or one given out
// of order, is no such repeat.
TEST(NameSet, RepeatedRunsOfNamesAreKnownAgain) {
  NameSet set;
  const char* run[] = {"A", "AB", "ABC", "B", "BC", "C", "CD", "D", "DE", "E"};
  for (const char* name : run) set.insert_soon(name);
  for (const char* name : run) set.insert_soon(name);
  EXPECT_EQ(set.size(), 10u);
  for (const char* name : {"A", "AB", "ABCD", "AB", "B", "E", "F", "C"}) set.insert_soon(name);
  EXPECT_EQ(set.size(), 12u);  // "ABCD" and "F" are new
  EXPECT_TRUE(set.contains("ABCD"));
  EXPECT_TRUE(set.contains("F"));
  EXPECT_FALSE(set.contains("ABCDE"));
  // Names in a buffer readable 32 bytes on: compared in fixed steps.
  const std::string padded = "ABCDEF" + std::string(32, '\0');
  for (int n : {1, 2, 4, 5, 1, 2, 3}) set.insert_soon(std::string_view(padded.data(), n), true);
  EXPECT_EQ(set.size(), 13u);  // "ABCDE" is new
  EXPECT_TRUE(set.contains("ABCDE"));
}

}  // namespace
}  // namespace zav
