// The report banner, document heads, mode title and report end.
#pragma once

#include "zav/global_data.h"

namespace zav {

// The banner that heads every report, in the active format.
void WriteBanner(GlobalData& G);

// The CSV or XML document head (after the banner).
void WriteDocumentHead(GlobalData& G);

// The title of the per-file report mode, written once after the banner.
void WriteModeTitle(GlobalData& G);

// Closes the report at the end of a run.
void WriteReportEnd(GlobalData& G);

}  // namespace zav
