// Machine-readable output (--json, --sarif): the format the command line
// chose and the state of the document being written.
//
// The format is set by src/run/ (long options); the document state is owned
// by src/report/ (machine_output.cc and the JSON and SARIF writers).
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zav {

class JsonWriter;

enum class MachineFormat { kNone, kJson, kSarif };

// A notice as the machine documents carry it: its number, line and text,
// and the function or class it concerns (empty when it concerns a line or
// the file).
struct MachineNotice {
  int number = 0;
  int32_t line = 0;
  const char* description = "";  // held by the run's notice state
  std::string keyword;   // notice 22: the keyword not bound by braces
  std::string file;      // kept where the file is not the one analysed
  std::string context;   // function or class name
  bool is_class = false;  // context names a class, struct or interface
};

// Bytes written in place: Reserve gives room at the end, Commit takes the
// end of what was written there. The JSON notices of a file are many and
// small; each is written straight into one buffer.
struct ByteBuffer {
  char* Reserve(size_t n) {
    if (size + n > capacity) Grow(n);
    return data.get() + size;
  }
  void Commit(const char* end) { size = static_cast<size_t>(end - data.get()); }
  std::string_view View() const { return {data.get(), size}; }
  bool empty() const { return size == 0; }
  void clear() { size = 0; taken = 0; }
  // Forgets the bytes no writer has taken over.
  void DropUntaken() { size = taken; }
  // Forgets the bytes a writer has written (see JsonWriter::Adopt): those
  // before `taken`, which then begins the buffer.
  void DropTaken() {
    if (taken == 0) return;
    std::memmove(data.get(), data.get() + taken, size - taken);
    size -= taken;
    taken = 0;
  }
  void Grow(size_t n) {
    size_t bigger = capacity < 4096 ? 4096 : capacity * 2;
    if (bigger < size + n) bigger = size + n;
    auto grown = std::make_unique_for_overwrite<char[]>(bigger);
    if (size > 0) std::memcpy(grown.get(), data.get(), size);
    data = std::move(grown);
    capacity = bigger;
  }

  std::unique_ptr<char[]> data;
  size_t size = 0, capacity = 0;
  // Where the bytes not yet taken over by a writer begin.
  size_t taken = 0;
};

// The parts of a JSON notice record that its number fixes, each with the
// comma before the record: the text before the line,
// ',{"number":N,"line":', and what follows the line: the text member and
// the closing brace for a notice of a line or the file, or the text member
// and the key of the function or class named after it. Each string is
// padded to whole blocks of 32 bytes, so that it is copied in blocks of
// known size; the sizes count the text.
struct JsonNoticeParts {
  std::string head, line_tail, function_tail, class_tail;
  uint32_t head_size = 0, line_tail_size = 0, function_tail_size = 0, class_tail_size = 0;
  // Room a record needs beside a function or class name.
  uint32_t room = 0;
  // What the notice concerns (a NoticeContextKind) when raised in its
  // first form, its second, and any other.
  uint8_t context_kind[3] = {};
  // Whether any form concerns a function or class: most notices concern
  // their line in every form.
  bool any_context = false;
};

struct MachineOutput {
  // Where the document goes (standard output or the -O file); null when no
  // machine format is active. While one is, the report writers are silent.
  FILE* doc = nullptr;
  bool silent = false;
  // While the command line of a run with --json or --sarif is read, an
  // error message goes to standard error rather than where the document
  // would have gone; help and the configuration display still go there.
  bool errors_aside = false;
  // Either of the two: the way PutText, PutJoined and Print look at them
  // (set through SilenceReportWriters and SetErrorsAside).
  bool diverted = false;
  // First records of the run-long class and namespace lists not yet
  // written with a file.
  size_t class_start = 0, namespace_start = 0;
  // JSON: no class record is read after its file is written.
  bool drop_written_classes = false;
  // A JSON document is being written: notices of the file being analysed
  // are written into file_notices_json as they are raised.
  bool json = false;
  // JSON: the functions of the file being analysed, already written as the
  // elements of its "functions" array as each one ends, in place of the
  // run-wide function list, which nothing else reads in such a run. Each
  // element here and in file_notices_json has a comma before it, the
  // first one too.
  bool functions_in_place = false;
  ByteBuffer file_functions_json;
  // JSON: notices of the file being analysed, already written as the
  // elements of its "notices" array, and those raised after the file loop
  // (the inheritance notices).
  ByteBuffer file_notices_json;
  // JSON: the last record in file_notices_json of a notice that names no
  // function or class. Such a notice raised again at once for the same
  // line (one per tab of the line) has the same record, copied from there.
  struct LineNoticeRecord {
    int number = -1;  // none yet in this file
    int32_t line = 0;
    size_t start = 0, end = 0;  // the record with the comma before it
  } last_line_notice;
  std::vector<MachineNotice> run_notices;
  // JSON: the fixed parts of each notice number's record, made once per
  // run (see JsonNoticeParts), for the built-in numbers and the
  // user-defined ones of the usual range; made only while notices are on,
  // and never for notice 22 (see keyword_notice_parts).
  static constexpr int kKeptNoticeParts = 1024;
  std::array<std::unique_ptr<JsonNoticeParts>, kKeptNoticeParts> notice_parts;
  // The same for notice 22, per keyword it names.
  std::vector<std::pair<std::string, JsonNoticeParts>> keyword_notice_parts;
  // JSON: the writer of the file objects, kept for the whole run so that
  // the document leaves in blocks of its full buffer rather than in a
  // write per file (shared_ptr: the type is complete only where it is
  // made).
  std::shared_ptr<JsonWriter> file_writer;
  int64_t items_written = 0;  // file objects (JSON) or results (SARIF)
  // JSON: the day of the last modification time written (days since the
  // epoch) and its date as written, up to the 'T': files of a tree are
  // mostly changed on a few days.
  int64_t modified_day = INT64_MIN;
  char modified_date[16] = {};
  uint8_t modified_date_size = 0;
  // SARIF: results written but not yet drained into the document.
  std::string pending_results;
};

}  // namespace zav
