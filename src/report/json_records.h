// JSON forms of the records the JSON report shares between its file
// objects and its project part.
#pragma once

#include <string_view>
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

// Appends one notice of the file being analysed to M.file_notices_json, in
// the form WriteJsonNotices gives it without the file. `text` is the
// notice's description (its JSON is made once per number and kept) unless
// `keyword_form`; `context` names the function or class, if any.
void AppendJsonFileNotice(MachineOutput& M, int number, int32_t line,
                          std::string_view text, bool keyword_form,
                          std::string_view context, bool is_class);

}  // namespace zav
