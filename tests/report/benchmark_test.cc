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

class Benchmark : public test::HarnessTest {};

TEST_F(Benchmark, ElapsedTimeIsAtLeastOneMillisecond) {
  StartInTheFuture(h.G());
  StopBenchmarkTimer(h.G());
  EXPECT_DOUBLE_EQ(h.G().report.benchmark.elapsed, 0.001);
  StartBenchmarkTimer(h.G());
  StopBenchmarkTimer(h.G());
  EXPECT_GE(h.G().report.benchmark.elapsed, 0.001);
}

TEST_F(Benchmark, NothingWithoutTheSwitch) {
  h.G().project.total_physical_lines_count = 10;
  WriteBenchmarkReport(h.G());
  EXPECT_EQ(h.Output(), "");
}

}  // namespace
}  // namespace zav
