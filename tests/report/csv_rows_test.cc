#include "report/csv_rows.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "test_support.h"

namespace zav {
namespace {

using test::Function;

class CsvRows : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC", 1);
    tzset();
    h_.G().sw.csv = h_.G().sw.csv_detail = true;
    h_.G().lang.flags.c = true;
  }
  GlobalData& G() { return h_.G(); }
  std::string Output() { return h_.Output(); }

  void File(const std::string& name, int64_t time, int64_t size,
            const std::function<void(FileMetrics&)>& counts) {
    G().file = FileMetrics{};
    counts(G().file);
    FileEntry entry;
    entry.name = name;
    entry.time = time;
    entry.size = size;
    WriteCsvFunctionRows(G());
    WriteCsvFileRow(G(), entry);
  }

 private:
  test::Harness h_;
};

// LOC 10, eLOC 8, lLOC 6, 4 comment lines, 2 blanks, 16 lines, one class,
// two functions with 3 parameters, 2 returns and Vg 4, one notice.
void FirstFile(FileMetrics& f) {
  f.loc_count = 10;
  f.braceline_count = 2;
  f.semicolon_count = 6;
  f.comment_lines_count = 4;
  f.blank_lines_count = 2;
  f.total_physical_lines_count = 16;
  f.class_count = 1;
  f.functions_count = 2;
  f.func_params_sum = 3;
  f.func_returns_sum = 2;
  f.func_vg_sum = 4;
  f.quality_notice_count = 1;
}

// LOC 4, eLOC 4, lLOC 2, no comments, 1 blank, 5 lines, 3 notices.
void SecondFile(FileMetrics& f) {
  f.loc_count = 4;
  f.semicolon_count = 2;
  f.blank_lines_count = 1;
  f.total_physical_lines_count = 5;
  f.quality_notice_count = 3;
}

TEST_F(CsvRows, FileAndFunctionRowsWithTheirClosingRows) {
  G().lists.functions.push_back(
      Function("f", "(int a, int b)", 6, 5, 4, 2, 1, 8, 2, 1, 3));
  G().lists.functions.push_back(Function("g", "()", 3, 2, 1, 0, 0, 3, 0, 1, 1));
  File("a.c", 1700000000, 100, FirstFile);
  File("b.c", 1700086400, 50, SecondFile);
  WriteCsvTotals(G());
  EXPECT_EQ(Output(),
            "Type, Name, Parameters, , , LOC, eLOC, lLOC, Comments, Blanks, "
            "Lines, Comment/eLOC, Classes, Functions, Parameters, Returns, "
            "InterComp, CycloComp, Total Complexity, Notices\n"
            "Function, f,\" (int a, int b)\", ,, 6, 5, 4, 2, 1, 8, 0.40, , 1, 2, 1, "
            "3, 3, 6, \n"
            "Function, g, (), ,, 3, 2, 1, 0, 0, 3, 0.00, , 1, 0, 1, 1, 1, 2, \n"
            "Type, Name, , Date, Size, LOC, eLOC, lLOC, Comments, Blanks, Lines, "
            "Comment/eLOC, Classes, Functions, Parameters, Returns, InterComp, "
            "CycloComp, Total Complexity, Notices\n"
            "File, a.c,, Tue Nov 14 22:13:20 2023, 100, 10, 8, 6, 4, 2, 16, 0.50, "
            "1, 2, 3, 2, 5, 4, 9, 1\n"
            "File, b.c,, Wed Nov 15 22:13:20 2023, 50, 4, 4, 2, 0, 1, 5, 0.00, "
            "0, 0, 0, 0, 0, 0, 0, 3\n"
            "Files, 2\n"
            "Total, ,, , 150, 14, 12, 8, 4, 3, 21, 0.33, 1, 2, 3, 2, 5, 4, 9, 4\n"
            "Average, ,, , 75.00, 7.00, 6.00, 4.00, 2.00, 1.50, 10.50, 0.25, "
            "0.50, 1.00, 1.50, 1.00, 2.50, 2.00, 4.50, 2.00\n"
            "Maximum, ,, , 100, 10, 8, 6, 4, 2, 16, 0.50, 1, 2, 3, 2, 5, 4, 9, 3\n"
            "Minimum, ,, , 50, 4, 4, 2, 0, 1, 5, 0.00, 0, 0, 0, 0, 0, 0, 0, 1\n"
            "Total, , , ,, 9, 7, 5, 2, 1, 11, 0.29, , 2, 2, 2, 4, 4, 8, \n"
            "Average, , , ,, 4.50, 3.50, 2.50, 1.00, 0.50, 5.50, 0.20, , 1.00, "
            "1.00, 1.00, 2.00, 2.00, 4.00, \n"
            "Maximum, , , ,, 6, 5, 4, 2, 1, 8, 0.40, , 1, 2, 1, 3, 3, 6, \n"
            "Minimum, , , ,, 3, 2, 1, 0, 0, 3, 0.00, , 1, 0, 1, 1, 1, 2, \n");
}

TEST_F(CsvRows, NoClosingRowsWithoutRowsAndEachFunctionWrittenOnce) {
  WriteCsvTotals(G());
  EXPECT_EQ(Output(), "");
  G().lists.functions.push_back(Function("f", "()", 1, 1, 1, 0, 0, 1, 0, 1, 1));
  WriteCsvFunctionRows(G());
  WriteCsvFunctionRows(G());
  const std::string out = Output();
  EXPECT_EQ(out.find("Function, f"), out.rfind("Function, f"));
}

}  // namespace
}  // namespace zav
