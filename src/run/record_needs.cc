#include "run/record_needs.h"

#include "report/machine_output.h"

namespace zav {
namespace {

// The project reports are written at the end of the run (see
// WriteEndOfRunReports and WriteProjectReports): not by a code listing,
// a decharacter or extraction run, a machine-readable document, or a run
// that only lists functions or files.
bool WritesProjectReports(const GlobalData& G) {
  const Switches& sw = G.sw;
  return !sw.code_listing && !sw.Decharacter() && !sw.Extraction() &&
         !MachineActive(G) && !sw.function_list && !sw.list_files_and_exit;
}

// The project sections of a run with per-file reports follow the report
// switches (-fa, -o); those of a totals-only run (every -T run, and every
// XML run) follow the -T letters alone (see WriteProjectReports).
bool WritesFunctionSection(const Switches& sw) {
  return sw.totals_only ? sw.totals_all || sw.totals_functions : sw.functional;
}

bool WritesObjectSections(const Switches& sw) {
  return sw.totals_only ? sw.totals_all || sw.totals_objects : sw.objects;
}

}  // namespace

void KeepReportedRecords(GlobalData& G) {
  const Switches& sw = G.sw;
  G.lists.functions.keep_all =
      WritesProjectReports(G) && (WritesFunctionSection(sw) || sw.estimate);
  // Class records: the objects reports, the inheritance tree (built, and
  // its notices raised, whatever else the run writes) and the JSON
  // document's per-file class lists. The document has a file's classes
  // once the file is written: without a later reader they are let go of.
  const bool classes_read_at_end = WritesObjectSections(sw) || sw.totals_all ||
                                   sw.inheritance || sw.totals_inheritance;
  const bool json = sw.machine == MachineFormat::kJson;
  G.lists.keep_classes = classes_read_at_end || json;
  G.lists.keep_namespace_figures = WritesObjectSections(sw) || json;
  G.report.machine.drop_written_classes = json && !classes_read_at_end;
  G.lists.keep_class_texts = !G.report.machine.drop_written_classes;
  // The JSON document writes each function as it ends; nothing else reads
  // the function list in such a run.
  G.report.machine.functions_in_place = json;
  G.notices.keep_list =
      WritesProjectReports(G) && (sw.totals_all || sw.totals_notice_summary);
}

}  // namespace zav
