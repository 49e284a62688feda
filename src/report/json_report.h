// The JSON report (--json): one document, written file by file.
#pragma once

#include "zav/global_data.h"

namespace zav {

void BeginJsonReport(GlobalData& G);
void WriteJsonFile(GlobalData& G, const FileEntry& entry);
void EndJsonReport(GlobalData& G);

}  // namespace zav
