#include "report/machine_output.h"

#include <cstring>

#include "base/output.h"
#include "quality/machine_notice.h"
#include "quality/notices.h"
#include "report/banner.h"
#include "report/json_records.h"
#include "report/json_report.h"
#include "report/sarif_log.h"

namespace zav {
namespace {

std::string KeywordNoticeText(std::string_view keyword) {
  std::string text = "'";
  text += keyword;
  text += "' is not bound with scope braces {}";
  return text;
}

// The parts of notice 22 naming `keyword`: kept per keyword, the checks
// name a few.
const JsonNoticeParts& KeywordJsonNoticeParts(MachineOutput& M, int number,
                                              const char* keyword) {
  for (const auto& [kept, kept_parts] : M.keyword_notice_parts) {
    if (std::strcmp(kept.c_str(), keyword) == 0) return kept_parts;
  }
  return M.keyword_notice_parts
      .emplace_back(keyword, MakeJsonNoticeParts(number, KeywordNoticeText(keyword)))
      .second;
}

// A file's JSON notice whose parts are not kept by number: the first of
// its number, notice 22 (which names its keyword; not through
// AppendJsonLineNotice, as notices of one line may name different
// keywords) and numbers beyond the usual range.
[[gnu::noinline]] void AppendUncachedJsonNotice(GlobalData& G, int number,
                                                int32_t line, const char* keyword,
                                                const NoticeContext& context) {
  MachineOutput& M = G.report.machine;
  if (keyword != nullptr && *keyword != '\0') {
    return AppendJsonFileNotice(M, KeywordJsonNoticeParts(M, number, keyword), line,
                                context.name, context.is_class);
  }
  // Notice 22's parts are not kept by number, so that AppendKeptJsonNotice
  // need not look for its keyword.
  uint8_t kinds[3];
  ContextKindsOf(number, kinds);
  const JsonNoticeParts* parts =
      number == kNoticeUnboundScope ? nullptr
                                    : KeepJsonNoticeParts(M, number, NoticeText(G, number), kinds);
  if (parts != nullptr) {
    return AppendJsonFileNotice(M, *parts, line, context.name, context.is_class);
  }
  const JsonNoticeParts uncached = MakeJsonNoticeParts(number, NoticeText(G, number));
  AppendJsonFileNotice(M, uncached, line, context.name, context.is_class);
}

}  // namespace

void BeginMachineDocument(GlobalData& G) {
  MachineOutput& M = G.report.machine;
  UnbufferReportFile(G);
  M.doc = G.report.out;
  SilenceReportWriters(G, true);
  // User-defined notices load now, so that the document can list them
  // among its rules; their announcements stay out of the document.
  LoadUdqnsWithBanner(G);
  M.json = G.sw.machine == MachineFormat::kJson;
  if (M.json) BeginJsonReport(G);
  if (G.sw.machine == MachineFormat::kSarif) BeginSarifLog(G);
}

void WriteMachineFile(GlobalData& G, const FileEntry& entry) {
  if (G.sw.machine == MachineFormat::kJson) WriteJsonFile(G, entry);
  MachineOutput& M = G.report.machine;
  // A JSON document writes each function as it ends (TakeMachineFunction);
  // the run-wide list, which a SARIF log keeps as usual, holds only the
  // current file's records (see KeepReportedRecords).
  if (M.drop_written_classes) G.lists.DropClasses();
  M.class_start = G.lists.class_count;
  M.namespace_start = G.lists.namespaces.size();
  // Records the file's object did not take are not carried into the next.
  M.file_notices_json.DropUntaken();
  M.file_functions_json.DropUntaken();
  M.last_line_notice = {};
}

void WriteMachineFunction(GlobalData& G, const FunctionRecord& r) {
  AppendJsonFunction(G.report.machine.file_functions_json, r);
}

namespace {

// A SARIF result, or a JSON notice raised after the file loop (kept for
// the inheritance part).
[[gnu::noinline]] void RecordOtherNotice(GlobalData& G, int number, int32_t line,
                                         const char* file, const char* keyword,
                                         const NoticeContext& context) {
  MachineOutput& M = G.report.machine;
  const bool sarif = G.sw.machine == MachineFormat::kSarif;
  MachineNotice sarif_notice;
  MachineNotice& n = sarif ? sarif_notice : M.run_notices.emplace_back();
  n.number = number;
  n.line = line;
  n.description = NoticeText(G, number);
  if (keyword != nullptr) n.keyword = keyword;
  n.context = context.name;
  n.is_class = context.is_class;
  // The file name is kept only where it is not the file being analysed.
  if (sarif || G.current_entry == nullptr) n.file = file;
  if (sarif) WriteSarifResult(G, n);
}

}  // namespace

void RecordMachineNotice(GlobalData& G, int number, int32_t line,
                         const char* file, const char* keyword,
                         int variant, const char* class_name) {
  // Notices are part of the document when quality notices are on, as in
  // the report (--sarif turns them on).
  if (G.report.machine.doc == nullptr || !G.sw.notices) return;
  if (AppendKeptJsonNotice(G, number, line, variant, class_name)) return;
  const NoticeContext context = ContextOf(G, number, variant, class_name);
  if (G.sw.machine == MachineFormat::kSarif || G.current_entry == nullptr) {
    return RecordOtherNotice(G, number, line, file, keyword, context);
  }
  AppendUncachedJsonNotice(G, number, line, keyword, context);
}

void EndMachineDocument(GlobalData& G) {
  if (G.report.machine.doc == nullptr) return;
  if (G.sw.machine == MachineFormat::kJson) EndJsonReport(G);
  if (G.sw.machine == MachineFormat::kSarif) EndSarifLog(G);
  SilenceReportWriters(G, false);
}

std::string MachineNoticeText(const MachineNotice& n) {
  if (n.keyword.empty()) return n.description;
  return KeywordNoticeText(n.keyword);
}

}  // namespace zav
