#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "report/file_reports.h"
#include "test_support.h"

namespace zav {
namespace {

constexpr int64_t kTime = 1700000000;  // Tue Nov 14 22:13:20 2023 UTC
const std::string kDate = "Tue Nov 14 22:13:20 2023";
const std::string kUnderscoreRule = "  " + std::string(72, '_') + "\n\n";

class FileHeader : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC", 1);
    tzset();
  }

  // The header of `name` written with switches set by `set`; the summary
  // report is on, as after every command line.
  std::string Header(const std::string& name, int64_t time, int64_t size,
                     const std::function<void(GlobalData&)>& set = nullptr,
                     bool short_form = false, bool no_rule = false) {
    test::Harness h;
    h.G().sw.summary = true;
    if (set) set(h.G());
    WriteFileHeader(h.G(), name, time, size, short_form, no_rule);
    return h.Output();
  }
};

TEST_F(FileHeader, BlankLineWithoutSummaryOrDetailRuleWithDetail) {
  const std::string lines =
      "\n  File: a.c\n  Date: " + kDate + std::string(23, ' ') + "File Size: 61 Bytes\n";
  EXPECT_EQ(Header("a.c", kTime, 61), lines);
  EXPECT_EQ(Header("a.c", kTime, 61, [](GlobalData& G) { G.sw.summary = false; }),
            lines + "\n");
  auto detail = [](GlobalData& G) { G.sw.functional = true; };
  EXPECT_EQ(Header("a.c", kTime, 61, detail), lines + kUnderscoreRule);
  EXPECT_EQ(Header("a.c", kTime, 61, detail, false, true), lines);
}

// Dates are kept by time in eight places: 8 s later takes the same place.
TEST_F(FileHeader, DatesOfOneRunFollowEachFilesTime) {
  test::Harness h;
  for (const int64_t time : {kTime, kTime + 8, kTime}) {
    WriteFileHeader(h.G(), "a.c", time, 1, true, false);
  }
  EXPECT_EQ(h.Output(),
            "\n  " + kDate + "\n  a.c\n\n  Tue Nov 14 22:13:28 2023\n  a.c\n\n  " + kDate +
                "\n  a.c\n");
}

TEST_F(FileHeader, DateLineNeedsATimeAndTheSetting) {
  EXPECT_EQ(Header("a.c", 0, 61), "\n  File: a.c\n");
  EXPECT_EQ(Header("a.c", kTime, 61,
                   [](GlobalData& G) { G.settings.show_file_date_size = false; }),
            "\n  File: a.c\n");
}

TEST_F(FileHeader, LongNamesWrapAt66WithIndent8) {
  const std::string name = std::string(66, 'n') + "tail";
  EXPECT_EQ(Header(name, 0, 0),
            "\n  File: " + std::string(66, 'n') + "\n        tail\n");
}

TEST_F(FileHeader, PseudoFilesTotalAndAverage) {
  EXPECT_EQ(Header("Total", 0, 1234), "\n  Total\n");
  EXPECT_EQ(Header("Average", 0, 1234, [](GlobalData& G) { G.sw.csv = true; }),
            "\nAverage\n");
  EXPECT_EQ(Header("Total", 0, 1234, [](GlobalData& G) { G.sw.html = true; }),
            "\n  <b><font color=\"#993300\">Total</font></b>  Bytes: 1234\n");
  EXPECT_EQ(Header("Total", 0, 1234, [](GlobalData& G) { G.sw.xml = true; }),
            "<name>Total</name>\n<bytes>1234</bytes>\n");
  // A real file that happens to be called "Total".
  EXPECT_EQ(Header("Total", kTime, 5).substr(0, 15), "\n  File: Total\n");
}

TEST_F(FileHeader, ShortFormSuppressedWithoutFileNames) {
  EXPECT_EQ(Header("a.c", kTime, 61,
                   [](GlobalData& G) { G.sw.totals_no_file_names = true; }, true),
            "");
  EXPECT_EQ(Header("a.c", kTime, 61,
                   [](GlobalData& G) {
                     G.sw.csv = true;
                     G.settings.show_file_date_size = false;
                   },
                   true),
            "");
}

}  // namespace
}  // namespace zav
