// The JSON report: the head (tool, command line, configuration), one
// object per analysed file written at the end of that file, then the
// project part (totals, languages, inheritance tree, notice profile).
// Nothing of a file is kept once its object is written, beyond the
// run-long lists the analysis keeps anyway.
//
// A file object lists the functions found in it and the classes and
// namespaces first seen in it, each record as it stands at the end of the
// file (a class or namespace seen again in a later file accumulates in its
// first file's record, as the run's record lists do). Notices are listed
// when quality notices are on, as the report shows them; the inheritance
// notices, raised after the last file, are listed with the tree.
#include "report/json_report.h"

#include <charconv>
#include <cstring>
#include <ctime>

#include "quality/notices.h"
#include "quality/udqn_apply.h"
#include "report/json_records.h"
#include "report/project_common.h"
#include "report/project_reports.h"

namespace zav {
namespace {

// The buffer of the file objects' writer: the document leaves in blocks
// of this size.
constexpr size_t kFileWriterSize = size_t{1} << 18;

// Language group names of the "languages" totals.
constexpr const char* kGroupNames[kGroupCount] = {"Header", "C",  "C++",
                                                  "Java",   "C#", "Other"};

// The calendar date and time of day of `seconds` after the epoch, as
// gmtime_r gives them (years 0 to 9999), by arithmetic on days rather than
// a library call: a file object has one.
bool UtcFields(int64_t seconds, std::tm& tm) {
  constexpr int64_t kFirst = -62167219200, kLast = 253402300799;  // 0000-01-01, 9999-12-31
  if (seconds < kFirst || seconds > kLast) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    return gmtime_r(&t, &tm) != nullptr;
  }
  const int64_t days = (seconds - kFirst) / 86400 + kFirst / 86400;  // rounded down
  const int64_t in_day = seconds - days * 86400;
  tm.tm_hour = static_cast<int>(in_day / 3600);
  tm.tm_min = static_cast<int>(in_day / 60 % 60);
  tm.tm_sec = static_cast<int>(in_day % 60);
  // Days since 0000-03-01 in 400-year eras, years starting in March.
  const int64_t z = days + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t day_of_era = z - era * 146097;
  const int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const int64_t month_from_march = (5 * day_of_year + 2) / 153;
  tm.tm_mday = static_cast<int>(day_of_year - (153 * month_from_march + 2) / 5 + 1);
  tm.tm_mon = static_cast<int>(month_from_march < 10 ? month_from_march + 2 : month_from_march - 10);
  tm.tm_year = static_cast<int>(year_of_era + era * 400 + (tm.tm_mon < 2) - 1900);
  return true;
}


std::string_view LanguageName(const GlobalData& G, int kind) {
  if (kind >= 0 && kind < static_cast<int>(G.lang.table.size())) {
    return G.lang.table[kind].name;
  }
  return "Unknown";
}

// The records of one list created since `start`, up to `end`.
template <typename List, typename WriteRecord>
void WriteRecordsSince(JsonWriter& w, const char* key,
                       const List& list, size_t start, size_t end,
                       WriteRecord write) {
  w.BeginArray(key);
  for (size_t i = start; i < end; ++i) write(w, list[i]);
  w.End();
}

void WriteLanguages(JsonWriter& w, const GlobalData& G) {
  w.BeginArray("languages");
  for (int group = 0; group < kGroupCount; ++group) {
    const LanguageLines& l = G.lang.group_lines[group];
    w.BeginObject();
    w.Str("language", kGroupNames[group]);
    w.Int("files", LanguageGroupFileCount(G, group));
    w.Int("loc", l.loc);
    w.Int("eloc", l.eloc);
    w.Int("lloc", l.lloc);
    w.Int("comments", l.comments);
    w.Int("blanks", l.blanks);
    w.Int("lines", l.lines);
    w.End();
  }
  w.End();
}

void WriteInheritance(JsonWriter& w, const GlobalData& G) {
  const InheritanceState& I = G.inheritance;
  const std::vector<InheritanceNode>& nodes = I.forest.nodes;
  w.BeginObject("inheritance");
  w.BeginArray("classes");
  for (const InheritanceNode& node : nodes) {
    w.BeginObject();
    w.Str("name", node.name);
    w.Str("file", node.file_name);
    w.Int("line", node.line);
    w.Int("parents", node.parents);
    w.BeginArray("children");
    for (int child : node.children) w.Str({}, nodes[child].name);
    w.End();
    w.End();
  }
  w.End();
  w.BeginArray("roots");
  for (int root : I.forest.roots) w.Str({}, nodes[root].name);
  w.End();
  w.BeginArray("parents_not_found");
  for (const LostChild& lost : I.forest.lost) {
    w.BeginObject();
    w.Str("class", nodes[lost.node].name);
    w.Str("parent", lost.parent);
    w.End();
  }
  w.End();
  const InheritanceTotals& t = I.totals;
  w.BeginObject("totals");
  w.Int("classes", t.classes);
  w.Int("base_classes", t.base_classes);
  w.Int("derived_classes", t.derived_classes);
  w.Int("max_depth", t.max_depth);
  w.Int("max_children", t.max_children);
  w.Real("average_depth", t.AverageDepth());
  w.Real("average_children", t.AverageChildren());
  w.End();
  WriteJsonNotices(w, G.report.machine.run_notices, true);
  w.End();
}

// The notice profile: the notices raised per number, as -Tp lists them.
void WriteNoticeProfile(JsonWriter& w, GlobalData& G) {
  int64_t total = 0;
  for (int n = 1; n <= kNoticeCount; ++n) total += G.notices.run_counts[n];
  total += UdqnTotal(G);  // user-defined notices count as in -Tp
  w.BeginObject("notice_profile");
  w.Int("total", total);
  w.BeginArray("notices");
  for (int n = 1; n <= kNoticeCount; ++n) {
    const int32_t count = G.notices.run_counts[n];
    if (count <= 0) continue;
    w.BeginObject();
    w.Int("number", n);
    w.Int("count", count);
    w.Real("percent", Percent(count, static_cast<double>(total)));
    w.Str("text", NoticeText(G, n));
    w.End();
  }
  for (const UdqnDefinition& d : G.udqn.definitions) {
    if (!d.active || d.count <= 0) continue;
    w.BeginObject();
    w.Int("number", d.id);
    w.Int("count", d.count);
    w.Real("percent", Percent(d.count, static_cast<double>(total)));
    w.Str("text", d.summary);
    w.End();
  }
  w.End();
  w.End();
}

}  // namespace

std::string_view IsoUtcTime(int64_t seconds, char* text) {
  std::tm tm{};
  if (!UtcFields(seconds, tm)) return {};
  char* at = std::to_chars(text, text + 16, tm.tm_year + 1900L).ptr;  // as %Y: no padding
  auto two_digits = [&at](char separator, int value) {
    *at++ = separator;
    *at++ = static_cast<char>('0' + value / 10);
    *at++ = static_cast<char>('0' + value % 10);
  };
  two_digits('-', tm.tm_mon + 1);
  two_digits('-', tm.tm_mday);
  two_digits('T', tm.tm_hour);
  two_digits(':', tm.tm_min);
  two_digits(':', tm.tm_sec);
  *at++ = 'Z';
  return std::string_view(text, static_cast<size_t>(at - text));
}

std::string_view CachedIsoUtcTime(MachineOutput& M, int64_t seconds, char* text) {
  // The years 1 to 9999: dates of four digits or fewer, as UtcFields works
  // them out.
  constexpr int64_t kFirst = -62135596800, kLast = 253402300799;
  if (seconds < kFirst || seconds > kLast) return IsoUtcTime(seconds, text);
  const int64_t day = (seconds - kFirst) / 86400 + kFirst / 86400;  // rounded down
  if (day != M.modified_day) {
    const std::string_view full = IsoUtcTime(seconds, text);
    const size_t date_size = full.size() - 9;  // up to "hh:mm:ssZ"
    std::memcpy(M.modified_date, full.data(), date_size);
    M.modified_date_size = static_cast<uint8_t>(date_size);
    M.modified_day = day;
    return full;
  }
  const auto in_day = static_cast<int>(seconds - day * 86400);
  std::memcpy(text, M.modified_date, sizeof M.modified_date);
  char* at = text + M.modified_date_size;
  const int parts[3] = {in_day / 3600, in_day / 60 % 60, in_day % 60};
  for (int i = 0; i < 3; ++i) {
    at[0] = static_cast<char>('0' + parts[i] / 10);
    at[1] = static_cast<char>('0' + parts[i] % 10);
    at[2] = i < 2 ? ':' : 'Z';
    at += 3;
  }
  return std::string_view(text, static_cast<size_t>(at - text));
}

void BeginJsonReport(GlobalData& G) {
  JsonWriter w;
  w.BeginObject();
  w.BeginObject("tool");
  w.Str("name", "zav");
  w.Str("version", G.settings.version);
  w.End();
  if (!G.sw.no_command) w.Str("command_line", G.run.command_line);
  if (!G.sw.no_config) w.Str("config_file", G.run.config_path);
  w.Raw("files", "[");
  w.Flush(G.report.machine.doc);
}

void WriteJsonFile(GlobalData& G, const FileEntry& entry) {
  MachineOutput& M = G.report.machine;
  const FileMetrics& f = G.file;
  if (M.file_writer == nullptr) M.file_writer = std::make_shared<JsonWriter>(M.doc, kFileWriterSize);
  JsonWriter& w = *M.file_writer;
  if (M.items_written++ > 0) w.Text(",");
  const std::string_view language = LanguageName(G, entry.kind);
  char time_text[48];
  const std::string_view modified = CachedIsoUtcTime(M, entry.time, time_text);
  if (IsJsonPlain(entry.name) && IsJsonPlain(language)) {
    // The usual case in one piece, then the object continued.
    char* at = w.Element(entry.name.size() + language.size() + 160);
    at = PutJsonText(PutJsonLiteral(at, "{\"path\":\""), entry.name);
    at = PutJsonText(PutJsonLiteral(at, "\",\"language\":\""), language);
    at = WriteJsonInt(PutJsonLiteral(at, "\",\"size\":"), entry.size);
    at = PutJsonText(PutJsonLiteral(at, ",\"modified\":\""), modified);
    *at++ = '"';
    w.EndElement(at);
    w.Resume('}');
  } else {
    w.BeginObject();
    w.Str("path", entry.name);
    w.Str("language", language);
    w.Int("size", entry.size);
    w.Str("modified", modified);
  }
  WriteJsonLines(w, f);
  WriteJsonCounters(w, f);
  w.BeginArray("functions");
  w.Adopt(M.file_functions_json, 1);  // without the first comma
  w.End();
  WriteRecordsSince(w, "classes", G.lists.classes, M.class_start,
                    G.lists.class_count, WriteJsonClass);
  WriteRecordsSince(w, "namespaces", G.lists.namespaces, M.namespace_start,
                    G.lists.namespaces.size(), WriteJsonNamespace);
  w.BeginArray("notices");
  w.Adopt(M.file_notices_json, 1);
  w.End();
  w.End();
  w.FlushWhenFull();
}

void EndJsonReport(GlobalData& G) {
  if (G.report.machine.file_writer != nullptr) G.report.machine.file_writer->Flush(G.report.machine.doc);
  JsonWriter w;
  w.Text("]");
  w.Resume('}');  // the document object opened by BeginJsonReport
  w.BeginObject("totals");
  w.Int("files", G.files.files_processed);
  WriteJsonLines(w, G.project);
  WriteJsonCounters(w, G.project);
  w.End();
  WriteLanguages(w, G);
  if (G.inheritance.built) WriteInheritance(w, G);
  if (G.sw.notices) WriteNoticeProfile(w, G);
  w.End();
  w.Flush(G.report.machine.doc);
}

}  // namespace zav
