#include "report/file_reports.h"

#include <ctime>

#include "report/framework.h"
#include "report/output.h"

namespace zav {
namespace {

std::string FormatFileTime(int64_t time) {
  time_t t = static_cast<time_t>(time);
  char buffer[64];
  struct tm local;
  localtime_r(&t, &local);
  std::strftime(buffer, sizeof buffer, "%a %b %e %H:%M:%S %Y", &local);
  return buffer;
}

}  // namespace

void WriteFileHeader(GlobalData& G, const std::string& name, int64_t time,
                     int64_t size) {
  Print(G, "\n  File: %s\n", name.c_str());
  if (time > 0 && G.settings.show_file_date_size) {
    Print(G, "  Date: %s", FormatFileTime(time).c_str());
    char size_text[64];
    std::snprintf(size_text, sizeof size_text, "File Size: %ld Bytes",
                  static_cast<long>(size));
    Print(G, "%42s\n", size_text);
  }
}

void WriteLocLine(GlobalData& G, int loc, int eloc, int lloc, int comments,
                  int lines) {
  auto clamp = [](int v) { return v < 0 ? 0 : v; };
  Print(G, "%s%-7d%s%-7d%s%-7d%s%-7d%s%8d\n", "  LOC ", clamp(loc), "  eLOC ",
        clamp(eloc), "  lLOC ", clamp(lloc), "  Comment ", clamp(comments),
        "  Lines ", clamp(lines));
}

void WriteComplexityLine(GlobalData& G, int params, int returns, int cyclomatic,
                         int total) {
  Print(G, "  Complexity   Param %-7d Return %-6d Cyclo Vg %-7d Total %8d\n", params,
        returns, cyclomatic, total);
}

void WriteMethodsLine(GlobalData& G, int publ, int prot, int priv) {
  Print(G, "%s%s%-7d%s%-7d%s%-7d%s%8d\n", "  Methods    ", "  Publ ", publ, "  Prot ",
        prot, "  Private ", priv, "  Total ", publ + prot + priv);
}

void WriteAttributesLine(GlobalData& G, int publ, int prot, int priv) {
  Print(G, "%s%s%-7d%s%-7d%s%-7d%s%8d\n", "  Attributes ", "  Publ ", publ, "  Prot ",
        prot, "  Private ", priv, "  Total ", publ + prot + priv);
}

void WriteFileSummary(GlobalData& G, bool project) {
  const FileMetrics& f = G.file;
  CenterLine(G, project ? "~~ Total Project Summary ~~" : "~~ Total File Summary ~~");
  WriteLocLine(G, f.loc_count, f.Eloc(), f.Lloc(), f.comment_lines_count,
               f.total_physical_lines_count);
  if (f.skipped_lines_count > 0) {
    Print(G, "  Total physical lines skipped from skip token match: %d\n\n",
          f.skipped_lines_count);
  }
}

}  // namespace zav
