// The report stream: the one output every report section is written to.
//
// Owned by src/report/ (opened by -O, closed at the end of the run).
#pragma once

#include <cstdio>
#include <string>

namespace zav {

struct ReportStream {
  FILE* out = stdout;
  bool owns_file = false;  // out is a file opened by -O
};

}  // namespace zav
