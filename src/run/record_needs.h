// Which run-wide records a run keeps, from the reports its switches select.
#pragma once

#include "zav/global_data.h"

namespace zav {

// Set before the first file is read. The run-wide function list is read
// only by the project function report and the estimation; every other
// reader of function records reads the current file's. Class records are
// read only by the class, interface and inheritance reports and the
// machine-readable documents; the list of notices only by the notice
// summary of a totals run.
void KeepReportedRecords(GlobalData& G);

}  // namespace zav
