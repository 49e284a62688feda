#include "report/machine_output.h"

#include "base/output.h"
#include "quality/notices.h"
#include "report/banner.h"
#include "report/json_records.h"
#include "report/json_report.h"
#include "report/sarif_log.h"

namespace zav {
namespace {

// Notices about one function: raised at its header or its end while its
// name is known. Notices 16 and 46 concern a function in their first form
// and a class in their second.
bool IsFunctionNotice(int number, int variant) {
  switch (number) {
    case 2: case 10: case 13: case 14: case 17: case 18: case 27: case 28:
    case 29: case 48: case 49: case 51:
      return true;
    case 16: case 46:
      return variant == 0;
    default:
      return false;
  }
}

// Notices about one class, struct or interface, raised inside its body or
// at its ends.
bool IsClassNotice(int number, int variant) {
  switch (number) {
    case 15: case 31: case 34: case 35: case 36: case 37: case 39: case 42:
    case 52:
    case 53: case 54:
      return true;
    case 16: case 46:
      return variant == 1;
    default:
      return false;
  }
}

// The function or class a notice concerns: empty when it concerns a line
// or the file.
struct NoticeContext {
  std::string_view name;
  bool is_class = false;
};

NoticeContext ContextOf(const GlobalData& G, int number, int variant,
                        const char* class_name) {
  if (class_name != nullptr && *class_name != '\0') return {class_name, true};
  if (IsFunctionNotice(number, variant) && !G.func.name.empty()) {
    return {G.func.name, false};
  }
  if (IsClassNotice(number, variant) && G.scope.in_class &&
      !G.scope.cls.name.empty()) {
    return {G.scope.cls.name, true};
  }
  return {};
}

std::string KeywordNoticeText(std::string_view keyword) {
  std::string text = "'";
  text += keyword;
  text += "' is not bound with scope braces {}";
  return text;
}

// A file's JSON notice whose parts are not kept by number: the first of
// its number, notice 22 (which names its keyword) and numbers beyond the
// usual range.
[[gnu::noinline]] void AppendUncachedJsonNotice(GlobalData& G, int number,
                                                int32_t line, const char* keyword,
                                                const NoticeContext& context) {
  MachineOutput& M = G.report.machine;
  JsonNoticeParts uncached;
  const JsonNoticeParts* parts = nullptr;
  if (keyword != nullptr && *keyword != '\0') {
    // Notice 22 names one of a few keywords: its parts are kept per keyword.
    for (const auto& [kept, kept_parts] : M.keyword_notice_parts) {
      if (kept == keyword) parts = &kept_parts;
    }
    if (parts == nullptr) {
      parts = &M.keyword_notice_parts
                   .emplace_back(keyword, MakeJsonNoticeParts(number, KeywordNoticeText(keyword)))
                   .second;
    }
  } else {
    parts = KeepJsonNoticeParts(M, number, NoticeText(G, number));
    if (parts == nullptr) {
      uncached = MakeJsonNoticeParts(number, NoticeText(G, number));
      parts = &uncached;
    }
  }
  AppendJsonFileNotice(M, *parts, line, context.name, context.is_class);
}

}  // namespace

void BeginMachineDocument(GlobalData& G) {
  MachineOutput& M = G.report.machine;
  UnbufferReportFile(G);
  M.doc = G.report.out;
  M.silent = true;
  // User-defined notices load now, so that the document can list them
  // among its rules; their announcements stay out of the document.
  LoadUdqnsWithBanner(G);
  if (G.sw.machine == MachineFormat::kJson) BeginJsonReport(G);
  if (G.sw.machine == MachineFormat::kSarif) BeginSarifLog(G);
}

void WriteMachineFile(GlobalData& G, const FileEntry& entry) {
  if (G.sw.machine == MachineFormat::kJson) WriteJsonFile(G, entry);
  MachineOutput& M = G.report.machine;
  // A document has its functions once the file is written, and nothing
  // after reads them (it writes no project report): the run-wide list
  // keeps only the current file's records (see KeepReportedRecords).
  M.function_start = G.lists.functions.size();
  M.class_start = G.lists.classes.size();
  M.namespace_start = G.lists.namespaces.size();
  M.file_notices_json.clear();
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
  MachineOutput& M = G.report.machine;
  const NoticeContext context = ContextOf(G, number, variant, class_name);
  if (G.sw.machine == MachineFormat::kSarif || G.current_entry == nullptr) {
    return RecordOtherNotice(G, number, line, file, keyword, context);
  }
  // A file's notices can be many: each goes straight into its JSON, the
  // parts its number fixes made once per number.
  if (keyword == nullptr || *keyword == '\0') {
    if (const JsonNoticeParts* parts = KeptJsonNoticeParts(M, number)) {
      return AppendJsonFileNotice(M, *parts, line, context.name, context.is_class);
    }
  }
  AppendUncachedJsonNotice(G, number, line, keyword, context);
}

void EndMachineDocument(GlobalData& G) {
  if (G.report.machine.doc == nullptr) return;
  if (G.sw.machine == MachineFormat::kJson) EndJsonReport(G);
  if (G.sw.machine == MachineFormat::kSarif) EndSarifLog(G);
  G.report.machine.silent = false;
}

std::string MachineNoticeText(const MachineNotice& n) {
  if (n.keyword.empty()) return n.description;
  return KeywordNoticeText(n.keyword);
}

}  // namespace zav
