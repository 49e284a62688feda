// The differential run (-w"x older, newer"): loads two work files, compares
// them and writes the differential report.
#pragma once

#include "zav/global_data.h"

namespace zav {

// Writes the whole report, from the banner to the document end, and
// returns the exit code: 1 when the two work files were made with
// different line settings, else 0 (like every extraction, also when a work
// file could not be loaded: the report then ends with the load error).
int ReportDifferentials(GlobalData& G);

}  // namespace zav
