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
// `plain_parameters`: a stored parameter text known to need no escaping
// (or null), updated to the function's own when it needs none: pointers
// into the list's store stand for their texts until the list starts
// another file.
void WriteJsonFunction(JsonWriter& w, const StoredFunction& s,
                       const char*& plain_parameters);
void WriteJsonClass(JsonWriter& w, const ClassRecord& r);
void WriteJsonNamespace(JsonWriter& w, const NamespaceRecord& r);

// "notices": number, line, text (and the function or class, and the file
// when `with_file`).
void WriteJsonNotices(JsonWriter& w, const std::vector<MachineNotice>& list,
                      bool with_file);

// The ',"text":"..."' member of a notice with text `text`.
std::string JsonNoticeText(std::string_view text);

// The text member of notice `number` kept for the run, if it was made: a
// notice's description does not change during a run. CacheJsonNoticeText
// keeps it (for the usual range of numbers; otherwise it returns nothing).
inline const std::string* CachedJsonNoticeText(const MachineOutput& M, int number) {
  if (static_cast<unsigned>(number) >= M.notice_texts.size()) return nullptr;
  const std::string& json = M.notice_texts[number];
  return json.empty() ? nullptr : &json;
}
std::string_view CacheJsonNoticeText(MachineOutput& M, int number,
                                     std::string_view text);

// Appends one notice of the file being analysed to M.file_notices_json, in
// the form WriteJsonNotices gives it without the file. `text_json` is its
// text member; `context` names the function or class, if any.
void AppendJsonFileNotice(MachineOutput& M, int number, int32_t line,
                          std::string_view text_json, std::string_view context,
                          bool is_class);

}  // namespace zav
