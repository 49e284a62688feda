// Machine-readable documents (--json, --sarif) in place of the report.
//
// While one is written the report writers are silent: Print and PutText
// drop their text, except error messages, which go to standard error so the
// document on the report stream stays well-formed. The run sequence calls
// the hooks below; the notice emission procedure hands every raised notice
// to RecordMachineNotice.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "zav/global_data.h"

namespace zav {

inline bool MachineActive(const GlobalData& G) {
  return G.sw.machine != MachineFormat::kNone;
}

// Opens the document on the report stream and silences the report writers.
void BeginMachineDocument(GlobalData& G);

// Writes what the document holds of one analysed file: called at the end of
// the file, before its counters go into the project totals.
void WriteMachineFile(GlobalData& G, const FileEntry& entry);

// Writes the record of a function that has just ended into the JSON
// document's functions of the file.
void WriteMachineFunction(GlobalData& G, const FunctionRecord& r);

// Takes the record of a function that has just ended, when the JSON
// document writes it in place of the run-wide function list: true if it did.
inline bool TakeMachineFunction(GlobalData& G, const FunctionRecord& r) {
  if (!G.report.machine.functions_in_place) return false;
  WriteMachineFunction(G, r);
  return true;
}

// Takes one raised notice (`file`: the file it belongs to; `keyword`: the
// keyword notice 22 names; `class_name`: the class a notice raised outside
// the class's body concerns).
void RecordMachineNotice(GlobalData& G, int number, int32_t line,
                         const char* file, const char* keyword,
                         int variant, const char* class_name);

// Completes the document at the end of the run.
void EndMachineDocument(GlobalData& G);

// The text of a notice: its description, or for notice 22 the keyword
// form of the one-line notice.
std::string MachineNoticeText(const MachineNotice& n);

}  // namespace zav
