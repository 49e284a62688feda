// Per-file report sections and the metric lines they are built from.
#pragma once

#include <cstdint>
#include <string>

#include "zav/global_data.h"

namespace zav {

// The long file header of the per-file report.
void WriteFileHeader(GlobalData& G, const std::string& name, int64_t time,
                     int64_t size);

// The LOC line: LOC, eLOC, lLOC, comment lines and physical lines.
void WriteLocLine(GlobalData& G, int loc, int eloc, int lloc, int comments,
                  int lines);

// The complexity line: parameters, returns, cyclomatic and total complexity.
void WriteComplexityLine(GlobalData& G, int params, int returns, int cyclomatic,
                         int total);

// The methods and attributes lines of a class, by visibility.
void WriteMethodsLine(GlobalData& G, int publ, int prot, int priv);
void WriteAttributesLine(GlobalData& G, int publ, int prot, int priv);

// "Total File Summary" (project false) or "Total Project Summary".
void WriteFileSummary(GlobalData& G, bool project);

// "File Keywords and Metrics" or "Project Keywords and Metrics".
void WriteKeywordMetrics(GlobalData& G, bool project);

}  // namespace zav
