// The differential run (-w"x older, newer"): loads two work files, compares
// them and writes the differential report.
#pragma once

#include "zav/global_data.h"

namespace zav {

// Writes the whole report, from the banner to the document end, and
// returns the exit code: 0, or 1 when a work file could not be loaded or
// the two were made with different line settings.
int ReportDifferentials(GlobalData& G);

}  // namespace zav
