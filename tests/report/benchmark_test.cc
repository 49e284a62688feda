#include "report/benchmark.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "test_support.h"

namespace zav {
namespace {

TEST(FormatDuration, DaysHoursMinutesSecondsTruncated) {
  EXPECT_EQ(FormatDuration(0), "0:00:00:00");
  EXPECT_EQ(FormatDuration(0.001), "0:00:00:00");
  EXPECT_EQ(FormatDuration(59.9), "0:00:00:59");
  EXPECT_EQ(FormatDuration(3600), "0:01:00:00");
  EXPECT_EQ(FormatDuration(90061.5), "1:01:01:01");
  EXPECT_EQ(FormatDuration(200000), "2:07:33:20");
}

// A timer whose start lies after its stop (as one that ends within the
// same clock tick) reports the floor of 0.001 s.
void StartInTheFuture(GlobalData& G) {
  G.sw.benchmark = true;
  StartBenchmarkTimer(G);
  G.report.benchmark.start = INT64_MAX / 2;
}

TEST(Benchmark, ElapsedTimeIsAtLeastOneMillisecond) {
  test::Harness h;
  StartInTheFuture(h.G());
  StopBenchmarkTimer(h.G());
  EXPECT_DOUBLE_EQ(h.G().report.benchmark.elapsed, 0.001);
  StartBenchmarkTimer(h.G());
  StopBenchmarkTimer(h.G());
  EXPECT_GE(h.G().report.benchmark.elapsed, 0.001);
}

std::string Report(ReportFormat format, int lines, int characters) {
  test::Harness h;
  GlobalData& G = h.G();
  G.sw.csv = format == ReportFormat::kCsv;
  G.sw.xml = format == ReportFormat::kXml;
  G.project.total_physical_lines_count = lines;
  G.project.characters_count = characters;
  StartInTheFuture(G);
  WriteBenchmarkReport(G);
  return h.Output();
}

// 1,000 lines and 50,000 characters in the floor time of 0.001 s.
TEST(Benchmark, TextReport) {
  const std::string out = Report(ReportFormat::kText, 1000, 50000);
  EXPECT_EQ(out.rfind("\n  " + std::string(72, '_') + "\n\n" + std::string(25, ' ') +
                          "~~ Performance Benchmark ~~\n",
                      0),
            0u);
  const std::string figures =
      "  Process Timer\n  -------------------------------\n"
      "  Elapsed Time   :        0.001 Sec\n"
      "                 :   0:00:00:00 Day:Hr:Min:Sec\n"
      "\n  Performance Benchmark: 1000000 Physical Lines Processed/s\n"
      "                       : 50000000 Characters Parsed/s\n\n";
  EXPECT_EQ(out.substr(out.size() - figures.size()), figures);
}

TEST(Benchmark, CsvAndXmlReports) {
  EXPECT_EQ(Report(ReportFormat::kCsv, 1000, 50000),
            "Process Timer\nElapsed Time,       0.001,Seconds\n"
            ",  0:00:00:00,Day:Hr:Min:Sec\n"
            "\nPerformance Benchmark\nPhysical Lines Processed/s,1000000\n"
            "Characters Processed/s,50000000\n\n");
  // No lines processed (the -Rl listing): the timer alone.
  EXPECT_EQ(Report(ReportFormat::kXml, 0, 0),
            "<benchmark_timer>\n<Elapsed_Time>\n<value>       0.001</value>\n"
            "<units>seconds</units>\n<value>  0:00:00:00</value>\n"
            "<units>Day:Hr:Min:Sec</units>\n</Elapsed_Time>\n</benchmark_timer>\n");
  EXPECT_NE(Report(ReportFormat::kXml, 4, 10).find(
                "<Performance_Benchmark>\n<Physcial_Lines_Processed_per_Second>4000"
                "</Physcial_Lines_Processed_per_Second>\n"
                "<Characters_Processed_per_Second>10000"
                "</Characters_Processed_per_Second>\n</Performance_Benchmark>\n"),
            std::string::npos);
}

TEST(Benchmark, NothingWithoutTheSwitch) {
  test::Harness h;
  h.G().project.total_physical_lines_count = 10;
  WriteBenchmarkReport(h.G());
  EXPECT_EQ(h.Output(), "");
}

}  // namespace
}  // namespace zav
