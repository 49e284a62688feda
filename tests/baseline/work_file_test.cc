// Work file naming, records, fingerprints and loading.
#include "baseline/work_file.h"

#include <gtest/gtest.h>

#include <ctime>

#include "baseline/productivity.h"
#include "baseline/work_file_reader.h"
#include "test_support.h"

namespace zav {
namespace {

using test::Harness;
using test::Has;

class WorkFile : public test::HarnessTest {};

TEST_F(WorkFile, Fingerprint) {
  EXPECT_EQ(LineFingerprint("ab\n", true), 146.0);
  EXPECT_EQ(LineFingerprint("a b", true), 146.0);
  EXPECT_EQ(LineFingerprint("a\tb", false), 97 + 9 * 0 + 98 / 2.0);  // a tab is no character
  EXPECT_DOUBLE_EQ(LineFingerprint("a b", false), 97 + 32 / 2.0 + 98 / 3.0);
  EXPECT_EQ(LineFingerprint("", false), 0.0);
}

TEST_F(WorkFile, LineRecordIsLittleEndian) {
  unsigned char r[13];
  EncodeLineRecord(0x01020304, 'g', 146.0, r);
  EXPECT_EQ(r[0], 0x04);
  EXPECT_EQ(r[3], 0x01);
  EXPECT_EQ(r[4], 'g');
  // 146.0 = 0x4062400000000000
  EXPECT_EQ(r[12], 0x40);
  EXPECT_EQ(r[11], 0x62);
  EXPECT_EQ(r[10], 0x40);
  EXPECT_EQ(r[5], 0x00);
}

TEST_F(WorkFile, DailyNameAndLocation) {
  std::tm day{};
  day.tm_year = 2026 - 1900;
  day.tm_mon = 11;
  day.tm_mday = 4;
  day.tm_hour = 12;
  const int64_t t = std::mktime(&day);
  G.sw.work_file_name = "workfile.dat";
  EXPECT_EQ(WorkFileName(G, t), "WorkFile_12042026.dat");
  G.settings.work_file_location = "/base";
  EXPECT_EQ(WorkFileName(G, t), "/base/WorkFile_12042026.dat");
  G.settings.work_file_location = "#x";
  EXPECT_EQ(WorkFileName(G, t), "WorkFile_12042026.dat");
  G.sw.work_file_name = "mine.dat";
  EXPECT_EQ(WorkFileName(G, t), "mine.dat");
}

TEST_F(WorkFile, RelativePathsAndDifferentialNames) {
  G.run.start_dir = "/home/u/proj";
  G.sw.baseline_top_dir = "/home/u";
  EXPECT_EQ(StoredSourcePath(G, "/home/u/proj/a.c"), "proj/a.c");
  EXPECT_EQ(StoredSourcePath(G, "/home/user/a.c"), "/home/user/a.c");
  G.sw.baseline_top_dir = ".";
  EXPECT_EQ(StoredSourcePath(G, "/home/u/proj/src/a.c"), "src/a.c");
  EXPECT_EQ(StoredSourcePath(G, "./src/a.c"), "src/a.c");
  EXPECT_EQ(DifferentialFileName(G, "/home/u/proj/my dir/a.b.c"), "my_dir_a_b_c");
  EXPECT_EQ(DifferentialFileName(G, "/etc/x.h"), "etc_x_h");
  EXPECT_EQ(DifferentialFileName(G, std::string(300, 'a')), std::string(254, 'a'));
  G.settings.relative_work_files = false;
  EXPECT_EQ(StoredSourcePath(G, "./src/a.c"), "./src/a.c");
}

TEST_F(WorkFile, RecordsWithOddPathsRoundTrip) {
  const std::string path = dir.Write(
      "w.dat",
      "Zavoran Work File\nDO NOT EDIT - This is a Generated File\n7.75\n1000\n"
      "Ignore Blank Lines: 1\nIgnore White Space: 0\n"
      "my dir/a.b|c.v2.cpp| 5 6 1 2 3 4 5 6 7 8 9 10 w.dat.dif/x y.dif\n"
      "Makefile| 5 6 1 2 3 4 5 6 7 8 9 10 \n"
      "b.c| 1 2 3 4 5 6 7 8 9 10 11 12 \n");
  Harness h;
  WorkFileData data;
  ASSERT_TRUE(LoadWorkFile(h.G(), path, data));
  EXPECT_EQ(data.created, 1000);
  EXPECT_TRUE(data.ignore_blank_lines);
  EXPECT_FALSE(data.ignore_white_space);
  ASSERT_EQ(data.files.size(), 2u);  // the name without "." is passed over
  const WorkRecord& r = data.files[0];
  EXPECT_EQ(r.path, "my dir/a.b|c.v2.cpp");
  EXPECT_EQ(r.size, 6);
  EXPECT_EQ(r.loc, 1);
  EXPECT_EQ(r.functions, 10);
  EXPECT_EQ(r.total_complexity, 7 + 9);
  EXPECT_EQ(r.diff_path, "w.dat.dif/x y.dif");
  EXPECT_EQ(data.files[1].diff_path, "");
  EXPECT_EQ(h.Output(), "");  // same major version: no warning
}

TEST_F(WorkFile, DamagedFilesNameTheLine) {
  const std::string head =
      "Zavoran Work File\nDO NOT EDIT - This is a Generated File\n6.10\n1000\n"
      "Ignore Blank Lines: 1\nIgnore White Space: 1\n";
  Harness h;
  WorkFileData data;
  EXPECT_FALSE(LoadWorkFile(h.G(), dir.Write("a.dat", head + "a.c| 1 2 3\n"), data));
  EXPECT_TRUE(Has(h.Output(), "Version: 6.10 \n"));
  EXPECT_TRUE(Has(h.Output(), "a.dat, line 7: the record is truncated or corrupt\n"));
  EXPECT_FALSE(LoadWorkFile(h.G(), dir.Write("b.dat", head.substr(0, 60)), data));
  EXPECT_TRUE(Has(h.Output(), "b.dat, line 3: the work file header is incomplete\n"));
  EXPECT_FALSE(LoadWorkFile(h.G(), dir.Write("c.dat", head + "a.c| 1 2 3 4 5 6 7 8 9 10 11 12"), data));
  EXPECT_TRUE(Has(h.Output(), "c.dat, line 7:"));
}

// Seven calendar days at the default work settings.
TEST(Productivity, WorkTimeOfOneWeek) {
  Settings s;
  WorkTime w = ComputeWorkTime(s, 7 * 86400);
  EXPECT_DOUBLE_EQ(w.calendar_days, 7.0);
  EXPECT_DOUBLE_EQ(w.work_days, 5.0);
  EXPECT_DOUBLE_EQ(w.man_hours, 40.0);
  EXPECT_DOUBLE_EQ(w.man_days, 5.0);
  EXPECT_DOUBLE_EQ(w.man_weeks, 1.0);
  EXPECT_DOUBLE_EQ(w.man_months, 0.25);
  EXPECT_DOUBLE_EQ(w.man_years, 40.0 / 1960);
  // Ten minutes are below one man hour: 600 / 86400 * 5/7 * 8 = 0.0397.
  EXPECT_LT(ComputeWorkTime(s, 600).man_hours, 1.0);
}

}  // namespace
}  // namespace zav
