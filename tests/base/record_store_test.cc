#include <string>

#include <gtest/gtest.h>

#include "zav/records.h"
#include "zav/text_store.h"

namespace zav {
namespace {

// A stored text is its length (4 bytes), its characters and a NUL: "get"
// takes 8 bytes; the empty text is a shared static one and takes none.
TEST(TextStore, StoresEachTextWithItsLength) {
  TextStore store;
  const char* a = store.Store("get");
  EXPECT_EQ(TextStore::View(a), "get");
  EXPECT_EQ(a[3], '\0');  // usable as a C string
  EXPECT_NE(store.Store("get"), a);  // a copy of its own
  EXPECT_EQ(store.Store(""), store.Store(std::string()));
  EXPECT_EQ(TextStore::View(store.Store("")), "");
  EXPECT_EQ(store.bytes(), 16u);
}

// 20,000 texts of 6 to 10 bytes fill several 64 KB blocks; a 100,000-byte
// text needs a block of its own. Earlier pointers stay valid throughout.
TEST(TextStore, PointersSurviveGrowth) {
  TextStore store;
  const char* first = store.Store("n0");
  const char* last = nullptr;
  for (int i = 1; i < 20000; ++i) last = store.Store("n" + std::to_string(i));
  const std::string big(100000, 'x');
  const char* large = store.Store(big);
  EXPECT_EQ(TextStore::View(first), "n0");
  EXPECT_EQ(TextStore::View(last), "n19999");
  EXPECT_EQ(TextStore::View(large).size(), 100000u);
  store.Clear();
  EXPECT_EQ(store.bytes(), 0u);
  EXPECT_EQ(TextStore::View(store.Store("n0")), "n0");
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
