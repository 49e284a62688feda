// The process timer and the performance benchmark (-b).
#pragma once

#include <string>

#include "zav/global_data.h"

namespace zav {

// Starts the benchmark timer: records the processor clock and clears the
// rest. Called at start-up and again when the file set is built.
void StartBenchmarkTimer(GlobalData& G);

// Stops the timer: elapsed = (stop - start) / 1000 seconds, at least 0.001.
void StopBenchmarkTimer(GlobalData& G);

// Seconds as "days:hours:minutes:seconds" ("%d:%02d:%02d:%02d"), each part
// truncated.
std::string FormatDuration(double seconds);

// Stops the timer and writes "Performance Benchmark": the process timer
// and, when lines were processed, physical lines and characters per
// second. Nothing unless benchmarking (-b) is on.
void WriteBenchmarkReport(GlobalData& G);

}  // namespace zav
