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

// Appends a function record to `out`, a comma first: the elements of a
// "functions" array.
void AppendJsonFunction(ByteBuffer& out, const FunctionRecord& r);

// One class or namespace record.
void WriteJsonClass(JsonWriter& w, const ClassRecord& r);
void WriteJsonNamespace(JsonWriter& w, const NamespaceRecord& r);

// "notices": number, line, text (and the function or class, and the file
// when `with_file`).
void WriteJsonNotices(JsonWriter& w, const std::vector<MachineNotice>& list,
                      bool with_file);

// The fixed parts of a record of notice `number` with text `text`.
JsonNoticeParts MakeJsonNoticeParts(int number, std::string_view text);

// The parts of notice `number` kept for the run, if they were made: a
// notice's description does not change during a run. KeepJsonNoticeParts
// makes and keeps them, with the context kinds of the notice's forms (for
// the usual range of numbers; otherwise it returns null).
inline const JsonNoticeParts* KeptJsonNoticeParts(const MachineOutput& M, int number) {
  if (static_cast<unsigned>(number) >= MachineOutput::kKeptNoticeParts) return nullptr;
  return M.notice_parts[number].get();
}
const JsonNoticeParts* KeepJsonNoticeParts(MachineOutput& M, int number,
                                           std::string_view text,
                                           const uint8_t (&context_kind)[3]);

// Copies `n` bytes from `from` to `at` in whole blocks of 32 bytes: both
// must hold `n` rounded up to a block.
[[gnu::always_inline]] inline char* PutBlocks(char* at, const char* from, size_t n) {
  // Texts of notices take two or three blocks: those without a loop.
  std::memcpy(at, from, 32);
  if (n > 32) {
    std::memcpy(at + 32, from + 32, 32);
    for (size_t i = 64; i < n; i += 32) std::memcpy(at + i, from + i, 32);
  }
  return at + n;
}

// Appends a notice record to `out`, a comma first, in the form
// WriteJsonNotices gives it without the file. `context` is the function or
// class name as JSON string content (escaped, without its quotes); empty
// for a notice of a line or the file. With kPlainContext the context is
// also tested to be plain as it is copied: false, and nothing appended,
// when it is not.
template <bool kPlainContext = false>
[[gnu::always_inline]] inline bool PutJsonNoticeRecord(ByteBuffer& out,
                                                       const JsonNoticeParts& parts,
                                                       int32_t line,
                                                       std::string_view context,
                                                       bool is_class) {
  char* at = out.Reserve(parts.room + context.size());
  // The head is at most 30 bytes (a number of ten digits and a sign): one
  // block.
  std::memcpy(at, parts.head.data(), 32);
  at = WriteJsonInt(at + parts.head_size, line);
  if (context.empty()) {
    out.Commit(PutBlocks(at, parts.line_tail.data(), parts.line_tail_size));
    return true;
  }
  at = is_class ? PutBlocks(at, parts.class_tail.data(), parts.class_tail_size)
                : PutBlocks(at, parts.function_tail.data(), parts.function_tail_size);
  if constexpr (kPlainContext) {
    at = PutPlainJsonText(at, context);
    if (at == nullptr) return false;
  } else {
    at = PutJsonText(at, context);
  }
  at[0] = '"';
  at[1] = '}';
  out.Commit(at + 2);
  return true;
}

// A notice whose function or class name needs escaping (rare).
void AppendEscapedJsonNotice(MachineOutput& M, const JsonNoticeParts& parts,
                             int32_t line, std::string_view context, bool is_class);

// Appends notice `number` of the file being analysed, which names no
// function or class, to M.file_notices_json, and notes where its record is.
[[gnu::always_inline]] inline void AppendJsonLineNotice(MachineOutput& M,
                                                        const JsonNoticeParts& parts,
                                                        int number, int32_t line) {
  ByteBuffer& out = M.file_notices_json;
  const size_t start = out.size;
  PutJsonNoticeRecord(out, parts, line, {}, false);
  M.last_line_notice = {number, line, start, out.size};
}

// Appends `count` more copies of the record AppendJsonLineNotice wrote
// last, if that was one of notice `number` for line `line` and nothing
// followed it; false (and nothing written) otherwise.
inline bool RepeatJsonLineNotice(MachineOutput& M, int number, int32_t line, int count) {
  MachineOutput::LineNoticeRecord& last = M.last_line_notice;
  ByteBuffer& out = M.file_notices_json;
  if (number != last.number || line != last.line || last.end != out.size) return false;
  if (count <= 0) return true;
  // All copies from the one record, with room for them made at once. A
  // record is at least a block long (its keys alone are), so no block
  // copied overlaps the one it is copied to.
  const size_t size = last.end - last.start;
  char* at = out.Reserve(size * static_cast<size_t>(count) + 32);
  const char* from = out.data.get() + last.start;
  for (int i = 0; i < count; ++i) at = PutBlocks(at, from, size);
  out.Commit(at);
  last.start = out.size - size;
  last.end = out.size;
  return true;
}

// A notice of the file being analysed about the class its caller names
// (rare): AppendJsonFileNotice out of line.
void AppendJsonClassNotice(MachineOutput& M, const JsonNoticeParts& parts, int32_t line,
                           const char* class_name);

// Appends one notice of the file being analysed to M.file_notices_json;
// `context` names the function or class, if any.
[[gnu::always_inline]] inline void AppendJsonFileNotice(MachineOutput& M,
                                                        const JsonNoticeParts& parts,
                                                        int32_t line,
                                                        std::string_view context,
                                                        bool is_class) {
  if (!PutJsonNoticeRecord<true>(M.file_notices_json, parts, line, context, is_class)) {
    AppendEscapedJsonNotice(M, parts, line, context, is_class);
  }
}

}  // namespace zav
