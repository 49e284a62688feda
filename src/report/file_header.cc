// The file header of the per-file report (long form) and of lists and
// totals-only runs (short form).
#include <string>

#include "report/file_reports.h"
#include "base/csv_field.h"
#include "report/framework.h"
#include "base/output.h"
#include "base/text_util.h"

namespace zav {
namespace {

bool IsPseudoFile(const std::string& name, int64_t time) {
  return time == 0 && (name == "Total" || name == "Average");
}

bool ShowsDate(const GlobalData& G, int64_t time) {
  return time > 0 && G.settings.show_file_date_size;
}

void WriteLongName(GlobalData& G, const std::string& name, int64_t time,
                   int64_t size) {
  const bool pseudo = IsPseudoFile(name, time);
  std::string room;
  const std::string_view shown = ShownName(G, name, 66, 8, room);
  switch (Fmt(G)) {
    case ReportFormat::kText:
      PutJoined(G, {pseudo ? "\n  " : "\n  File: ", shown, "\n"});
      break;
    case ReportFormat::kCsv:
      Print(G, pseudo ? "\n%s\n" : "\nFile,%s\n", CsvField(name).c_str());
      break;
    case ReportFormat::kHtml:
      if (pseudo) {
        Print(G, "\n  <b><font color=\"%s\">%s</font></b>  Bytes: %ld\n",
              Color(G, kColorHeader), HtmlText(shown).c_str(),
              static_cast<long>(size));
      } else {
        Print(G,
              "\n  <b>File</b>: <b><a href=\"%s\" target=\"_blank\">%s</a></b>\n",
              HtmlText(MakeFileLink(G, name)).c_str(), HtmlText(shown).c_str());
      }
      break;
    case ReportFormat::kXml:
      Print(G, "<name>%s</name>\n", XmlEscape(name).c_str());
      if (pseudo) Print(G, "<bytes>%ld</bytes>\n", static_cast<long>(size));
      break;
  }
}

// FormatFileTime(time), from the cache of recent ones.
const std::string& FileDate(GlobalData& G, int64_t time) {
  FileDateCache& cache = G.report.file_dates;
  const size_t i = static_cast<uint64_t>(time) & (FileDateCache::kSize - 1);
  if (cache.text[i].empty() || cache.time[i] != time) {
    cache.time[i] = time;
    cache.text[i] = FormatFileTime(time);
  }
  return cache.text[i];
}

void WriteDateAndSize(GlobalData& G, int64_t time, int64_t size) {
  const std::string& date = FileDate(G, time);
  char size_text[96];
  switch (Fmt(G)) {
    case ReportFormat::kText: {
      // "File Size: N Bytes" right-aligned in 42 columns, put together
      // here as it is written once per file.
      const std::string bytes = std::to_string(size);
      const size_t width = 17 + bytes.size();
      PutJoined(G, {"  Date: ", date,
                    std::string_view("                                          ",
                                     width < 42 ? 42 - width : 0),
                    "File Size: ", bytes, " Bytes\n"});
      break;
    }
    case ReportFormat::kHtml:
      Print(G, "  <b>Date</b>: %s", date.c_str());
      std::snprintf(size_text, sizeof size_text, "<b>File Size</b>: %ld Bytes",
                    static_cast<long>(size));
      Print(G, "%49s\n", size_text);
      break;
    case ReportFormat::kCsv:
      Print(G, "Date,%s\n", date.c_str());
      Print(G, "Size,%ld,Bytes\n", static_cast<long>(size));
      break;
    case ReportFormat::kXml:
      Print(G, "<date>%s</date>\n", date.c_str());
      Print(G, "<size_bytes>%ld</size_bytes>\n", static_cast<long>(size));
      break;
  }
}

void WriteShortHeader(GlobalData& G, const std::string& name, int64_t time,
                      int64_t size) {
  const bool date = ShowsDate(G, time);
  const std::string shown = WrapName(G, name, 72, 2);
  switch (Fmt(G)) {
    case ReportFormat::kText:
      if (date) Print(G, "\n  %s", FileDate(G, time).c_str());
      Print(G, "\n  %s\n", shown.c_str());
      break;
    case ReportFormat::kHtml:
      if (date) {
        Print(G, "\n  <b><font color=\"%s\">%s</font></b>", Color(G, kColorDate),
              FileDate(G, time).c_str());
      }
      Print(G, "\n  <a href=\"%s\" target=\"_blank\"><b>%s</b></a>\n",
            HtmlText(MakeFileLink(G, name)).c_str(), HtmlText(shown).c_str());
      break;
    case ReportFormat::kCsv:
      if (G.settings.show_file_date_size) {
        Print(G, "%s\n", CsvField(name).c_str());
      }
      break;
    case ReportFormat::kXml:
      if (date) WriteDateAndSize(G, time, size);
      Print(G, "<name>%s</name>\n", XmlEscape(name).c_str());
      break;
  }
}

}  // namespace

void WriteFileHeader(GlobalData& G, const std::string& name, int64_t time,
                     int64_t size, bool short_form, bool no_rule) {
  const ReportFormat format = Fmt(G);
  const bool text_or_html =
      format == ReportFormat::kText || format == ReportFormat::kHtml;
  if (short_form) {
    if (G.sw.totals_no_file_names) return;
    WriteShortHeader(G, name, time, size);
    return;
  }
  WriteLongName(G, name, time, size);
  if (ShowsDate(G, time)) WriteDateAndSize(G, time, size);
  if (text_or_html && !G.sw.PerFileDetail() && !G.sw.summary) PutText(G, "\n");
  if (text_or_html && G.sw.PerFileDetail() && !no_rule) WriteUnderscoreRule(G);
}

}  // namespace zav
