#include "report/sorting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace zav {
namespace {

// A record with the figures the sort keys read.
MetricRecord Record(const std::string& name, int loc, int eloc, int lloc, int cyclomatic) {
  return test::Function(name, "()", loc, eloc, lloc, 0, 0, 0, 0, 0, cyclomatic);
}

// The names of the records in the order SortRecords leaves them.
std::string Order(int key, bool descending, const std::vector<MetricRecord>& list) {
  test::Harness h;
  h.G().sw.sort_key = key;
  h.G().sw.sort_descending = descending;
  std::vector<const MetricRecord*> records;
  for (const MetricRecord& r : list) records.push_back(&r);
  SortRecords(h.G(), records);
  std::string names;
  for (const MetricRecord* r : records) names += r->name + " ";
  return names;
}

TEST(SortRecords, EachKeyAndDirection) {
  const std::vector<MetricRecord> list = {
      Record("beta", 5, 4, 9, 2), Record("Alpha", 7, 1, 3, 2),
      Record("alpha", 3, 8, 3, 6), Record("Gamma", 5, 6, 1, 1)};
  EXPECT_EQ(Order(0, false, list), "beta Alpha alpha Gamma ");
  // Byte-wise names: upper case letters sort before lower case ones.
  EXPECT_EQ(Order(1, false, list), "Alpha Gamma alpha beta ");
  EXPECT_EQ(Order(1, true, list), "beta alpha Gamma Alpha ");
  // Equal keys keep their collection order in either direction.
  EXPECT_EQ(Order(2, false, list), "alpha beta Gamma Alpha ");
  EXPECT_EQ(Order(2, true, list), "Alpha beta Gamma alpha ");
  EXPECT_EQ(Order(3, false, list), "Alpha beta Gamma alpha ");
  EXPECT_EQ(Order(4, true, list), "beta Alpha alpha Gamma ");
  EXPECT_EQ(Order(5, false, list), "Gamma beta Alpha alpha ");
  // File-list and work-state keys leave these lists as collected.
  EXPECT_EQ(Order(6, false, list), "beta Alpha alpha Gamma ");
  EXPECT_EQ(Order(9, true, list), "beta Alpha alpha Gamma ");
}

FileEntry Entry(const std::string& name, int loc, int64_t time, int64_t size,
                int functions, int notices) {
  FileEntry e;
  e.name = name;
  e.loc = loc;
  e.eloc = loc;
  e.time = time;
  e.size = size;
  e.functions = functions;
  e.notices = notices;
  e.analysed = true;
  return e;
}

std::string DetailOrder(int key, bool descending) {
  test::Harness h;
  GlobalData& G = h.G();
  G.sw.sort_key = key;
  G.sw.sort_descending = descending;
  G.files.entries = {Entry("b.c", 10, 300, 50, 2, 0),
                     Entry("a.c", 20, 100, 70, 1, 4),
                     Entry("C.c", 10, 200, 60, 2, 1),
                     Entry("skipped.c", 99, 999, 99, 9, 9)};
  G.files.entries[3].analysed = false;  // never opened: not listed
  std::string names;
  for (const FileEntry* e : FileDetailOrder(G)) names += e->name + " ";
  return names;
}

TEST(FileDetailOrder, OrderedInsertionPlacesTheLaterOfEqualKeysFirst) {
  EXPECT_EQ(DetailOrder(0, false), "b.c a.c C.c ");
  EXPECT_EQ(DetailOrder(6, false), "b.c a.c C.c ");
  EXPECT_EQ(DetailOrder(1, false), "C.c a.c b.c ");
  // b.c and C.c have 10 LOC each: the later file, C.c, comes first.
  EXPECT_EQ(DetailOrder(2, false), "C.c b.c a.c ");
  EXPECT_EQ(DetailOrder(2, true), "a.c C.c b.c ");
  EXPECT_EQ(DetailOrder(7, true), "C.c b.c a.c ");
  EXPECT_EQ(DetailOrder(8, false), "b.c C.c a.c ");
  // -kd -k9: the newest file first.
  EXPECT_EQ(DetailOrder(9, true), "b.c C.c a.c ");
  EXPECT_EQ(DetailOrder(10, false), "b.c C.c a.c ");
}

std::string SortLine(ReportFormat format, int key, bool descending) {
  test::Harness h;
  GlobalData& G = h.G();
  G.sw.html = format == ReportFormat::kHtml;
  G.sw.csv = format == ReportFormat::kCsv;
  G.sw.xml = format == ReportFormat::kXml;
  G.sw.sort_key = key;
  G.sw.sort_descending = descending;
  WriteSortLine(G);
  return h.Output();
}

TEST(SortLine, FourFormatsAndNoLineWithoutAKey) {
  // "Sorted By: Cylcomatic Complexity - Ascending" is 44 characters: 1 + 15
  // blanks centre it.
  EXPECT_EQ(SortLine(ReportFormat::kText, 5, false),
            std::string(16, ' ') + "Sorted By: Cylcomatic Complexity - Ascending\n");
  EXPECT_EQ(SortLine(ReportFormat::kHtml, 1, true),
            std::string(24, ' ') +
                "<b><font color=\"#993300\">Sorted By Name - Descending</font></b>\n");
  EXPECT_EQ(SortLine(ReportFormat::kCsv, 10, false),
            "Sorted By: File Size - Ascending\n");
  EXPECT_EQ(SortLine(ReportFormat::kXml, 8, true),
            "<sort_mode>Quality Notice Count</sort_mode>\n"
            "<sort_direction>Descending</sort_direction>\n");
  EXPECT_EQ(SortLine(ReportFormat::kText, 0, true), "");
}

}  // namespace
}  // namespace zav
