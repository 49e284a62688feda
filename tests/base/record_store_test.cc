#include <string>

#include <gtest/gtest.h>

#include "zav/records.h"
#include "zav/text_store.h"

namespace zav {
namespace {

TEST(TextStore, EqualTextsShareOneCopy) {
  TextStore store;
  const char* a = store.Intern("get");
  const std::string again = "get";
  EXPECT_EQ(store.Intern(again), a);
  EXPECT_NE(store.Intern("ge"), a);
  EXPECT_EQ(TextStore::View(a), "get");
  EXPECT_EQ(a[3], '\0');  // usable as a C string
  EXPECT_EQ(store.Intern(""), store.Intern(std::string()));
  EXPECT_EQ(TextStore::View(store.Intern("")), "");
  EXPECT_EQ(store.distinct(), 2u);  // "get", "ge"; the empty text is not stored
}

// 3,000 distinct texts pass the first table's 512 entries and several
// rehashes; a 100,000-byte text needs a block of its own. Earlier pointers
// stay valid throughout.
TEST(TextStore, PointersSurviveGrowth) {
  TextStore store;
  const char* first = store.Intern("n0");
  for (int i = 1; i < 3000; ++i) store.Intern("n" + std::to_string(i));
  const std::string big(100000, 'x');
  const char* large = store.Intern(big);
  EXPECT_EQ(store.Intern("n0"), first);
  EXPECT_EQ(TextStore::View(store.Intern("n2999")), "n2999");
  EXPECT_EQ(TextStore::View(large).size(), 100000u);
  EXPECT_EQ(store.distinct(), 3001u);
  store.Clear();
  EXPECT_EQ(store.distinct(), 0u);
  EXPECT_EQ(TextStore::View(store.Intern("n0")), "n0");
}

// Texts in one block are forgotten slot by slot: no slot may keep a
// pointer into the block that the next texts overwrite. 700 texts grow the
// table to 2,048 slots, so probe paths cross slots emptied before them.
TEST(TextStore, ClearedStoreHoldsOnlyNewTexts) {
  TextStore store;
  for (int i = 0; i < 700; ++i) store.Intern("name" + std::to_string(i));
  store.Clear();
  for (int i = 0; i < 700; ++i) store.Intern("x" + std::to_string(i));
  EXPECT_EQ(store.distinct(), 700u);
  EXPECT_EQ(TextStore::View(store.Intern("name5")), "name5");
  EXPECT_EQ(TextStore::View(store.Intern("x5")), "x5");
  EXPECT_EQ(store.distinct(), 701u);  // "name5" is new again, "x5" is not
}

MetricRecord Record(const char* name, const char* file, int32_t loc) {
  MetricRecord r;
  r.name = name;
  r.parameters = "(int a)";
  r.file_name = file;
  r.loc = loc;
  r.functional_complexity = 7;
  return r;
}

// 2,500 records fill two chunks of 1,024 and part of a third.
TEST(FunctionList, KeepsEveryRecordWhole) {
  FunctionList list;
  for (int i = 0; i < 2500; ++i) list.push_back(Record("f", "a.c", i));
  ASSERT_EQ(list.size(), 2500u);
  const MetricRecord r = list[2049];
  EXPECT_EQ(r.name, "f");
  EXPECT_EQ(r.parameters, "(int a)");
  EXPECT_EQ(r.template_text, "");
  EXPECT_EQ(r.file_name, "a.c");
  EXPECT_EQ(r.loc, 2049);
  EXPECT_EQ(r.functional_complexity, 7);
  EXPECT_EQ(list.Stored(0).file_name, list.Stored(2499).file_name);
}

TEST(FunctionList, ForgetsEarlierFilesUnlessKeepingAll) {
  FunctionList list;
  list.keep_all = false;
  list.StartFile();
  list.push_back(Record("f", "a.c", 1));
  list.push_back(Record("g", "a.c", 2));
  list.StartFile();
  list.push_back(Record("h", "b.c", 3));
  EXPECT_EQ(list.size(), 3u);  // indices go on counting
  EXPECT_EQ(list[2].name, "h");
  int seen = 0;
  for (const MetricRecord& r : list) seen += r.loc;
  EXPECT_EQ(seen, 3);  // only b.c's record is held
}

}  // namespace
}  // namespace zav
