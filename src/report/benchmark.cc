#include "report/benchmark.h"

#include <cmath>
#include <cstdint>
#include <ctime>

#include "report/framework.h"
#include "base/output.h"

namespace zav {
namespace {

constexpr int64_t kTicksPerSecond = 1000;

int64_t ClockTicks() {
  return static_cast<int64_t>(std::clock()) * kTicksPerSecond / CLOCKS_PER_SEC;
}

void WriteProcessTimer(GlobalData& G, double elapsed) {
  const std::string dhms = FormatDuration(elapsed);
  switch (Fmt(G)) {
    case ReportFormat::kText:
      Print(G,
            "  Process Timer\n  -------------------------------\n"
            "  Elapsed Time   : %12.3f Sec\n"
            "                 : %12s Day:Hr:Min:Sec\n",
            elapsed, dhms.c_str());
      break;
    case ReportFormat::kHtml:
      Print(G,
            "  <b>Process Timer</b>\n  -------------------------------\n"
            "  <b>Elapsed Time</b>   : %12.3f Sec\n"
            "                 : %12s Day:Hr:Min:Sec\n",
            elapsed, dhms.c_str());
      break;
    case ReportFormat::kCsv:
      Print(G, "Process Timer\nElapsed Time,%12.3f,Seconds\n,%12s,Day:Hr:Min:Sec\n",
            elapsed, dhms.c_str());
      break;
    case ReportFormat::kXml:
      PutText(G, "<benchmark_timer>\n");
      Print(G,
            "<Elapsed_Time>\n<value>%12.3f</value>\n<units>seconds</units>\n"
            "<value>%12s</value>\n<units>Day:Hr:Min:Sec</units>\n"
            "</Elapsed_Time>\n",
            elapsed, dhms.c_str());
      PutText(G, "</benchmark_timer>\n");
      break;
  }
}

void WriteRates(GlobalData& G, double elapsed, double lines, double characters) {
  switch (Fmt(G)) {
    case ReportFormat::kCsv:
      Print(G,
            "\nPerformance Benchmark\nPhysical Lines Processed/s,%.0f\n"
            "Characters Processed/s,%.0f\n\n",
            lines / elapsed, characters / elapsed);
      break;
    case ReportFormat::kXml:
      Print(G,
            "<Performance_Benchmark>\n"
            "<Physcial_Lines_Processed_per_Second>%.0f"
            "</Physcial_Lines_Processed_per_Second>\n"
            "<Characters_Processed_per_Second>%.0f"
            "</Characters_Processed_per_Second>\n</Performance_Benchmark>\n",
            lines / elapsed, characters / elapsed);
      break;
    default: {
      const std::string label = Label(G, "  Performance Benchmark:");
      if (elapsed > 0) {
        Print(G,
              "\n%s %.0f Physical Lines Processed/s\n"
              "                       : %.0f Characters Parsed/s\n\n",
              label.c_str(), lines / elapsed, characters / elapsed);
      } else {
        // No measurable time: the raw counts over one second.
        Print(G,
              "\n  Time For Processing  : %.3f s\n"
              "%s %.0f Physical Lines Processed/s\n"
              "                       : %.0f Characters Parsed/s\n\n",
              1.0, label.c_str(), lines, characters);
      }
      break;
    }
  }
}

}  // namespace

void StartBenchmarkTimer(GlobalData& G) {
  ProcessTimer& t = G.report.benchmark;
  t.start = ClockTicks();
  t.stop = 0;
  t.elapsed = 0;
}

void StopBenchmarkTimer(GlobalData& G) {
  ProcessTimer& t = G.report.benchmark;
  t.stop = ClockTicks();
  t.elapsed = static_cast<double>(t.stop - t.start) / kTicksPerSecond;
  if (t.elapsed < 0.001) t.elapsed = 0.001;
}

std::string FormatDuration(double seconds) {
  if (!(seconds > 0)) seconds = 0;
  const double days = std::floor(seconds / 86400.0);
  double rest = seconds - days * 86400.0;
  const double hours = std::floor(rest / 3600.0);
  rest -= hours * 3600.0;
  const double minutes = std::floor(rest / 60.0);
  rest -= minutes * 60.0;
  char text[64];
  std::snprintf(text, sizeof text, "%d:%02d:%02d:%02d", static_cast<int>(days),
                static_cast<int>(hours), static_cast<int>(minutes),
                static_cast<int>(std::floor(rest)));
  return text;
}

void WriteBenchmarkReport(GlobalData& G) {
  if (!G.sw.benchmark) return;
  StopBenchmarkTimer(G);
  const double elapsed = G.report.benchmark.elapsed;
  const ReportFormat format = Fmt(G);
  if (format == ReportFormat::kText || format == ReportFormat::kHtml) {
    PutText(G, "\n");
    WriteUnderscoreRule(G);
    CenterTitle(G, "~~ Performance Benchmark ~~");
    PutText(G,
            "\n  A process benchmark has been determined for this metrics analysis.\n"
            "  The elapsed time for processing is effected by the I/O response of\n"
            "  standard out or the redirection device.  The fastest ZAV benchmarks\n"
            "  result from redirecting the output to a file on a local file system.\n"
            "  The benchmark is intended for comparative purposes and is not designed\n"
            "  to yield a definitive result.\n\n");
  }
  WriteProcessTimer(G, elapsed);
  const int64_t lines = G.project.total_physical_lines_count;
  if (lines > 0) {
    WriteRates(G, elapsed, lines, G.project.characters_count);
  }
}

}  // namespace zav
