// JSON forms of the records the JSON report shares between its file
// objects and its project part.
#pragma once

#include <vector>

#include "report/json_text.h"
#include "zav/global_data.h"

namespace zav {

// "lines": LOC, eLOC, lLOC, comment, blank and physical lines, as the
// report's LOC line shows them (never below 0).
void WriteJsonLines(JsonWriter& w, const FileMetrics& f);

// "counters": every keyword and token counter, by its XML element name.
void WriteJsonCounters(JsonWriter& w, const FileMetrics& f);

// One function, class or namespace record.
void WriteJsonFunction(JsonWriter& w, const FunctionRecord& r);
void WriteJsonClass(JsonWriter& w, const ClassRecord& r);
void WriteJsonNamespace(JsonWriter& w, const NamespaceRecord& r);

// "notices": number, line, text (and the function or class, and the file
// when `with_file`).
void WriteJsonNotices(JsonWriter& w, const std::vector<MachineNotice>& list,
                      bool with_file);

}  // namespace zav
