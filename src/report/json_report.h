// The JSON report (--json): one document, written file by file.
#pragma once

#include <cstdint>
#include <string_view>

#include "zav/global_data.h"

namespace zav {

void BeginJsonReport(GlobalData& G);

// "%Y-%m-%dT%H:%M:%SZ" of `seconds` after the epoch, as gmtime_r and
// strftime give it, written into `text` (room for 48 bytes): a file
// object's modification time.
std::string_view IsoUtcTime(int64_t seconds, char* text);
// IsoUtcTime, the date taken from M when the day is the last one written.
std::string_view CachedIsoUtcTime(MachineOutput& M, int64_t seconds, char* text);
void WriteJsonFile(GlobalData& G, const FileEntry& entry);
void EndJsonReport(GlobalData& G);

}  // namespace zav
