// "Language Summary" and "Total Language Profile": the line sums of each
// language group and their shares of the project.
#include <array>

#include "report/framework.h"
#include "report/metric_lines.h"
#include "base/output.h"
#include "report/project_common.h"
#include "report/project_reports.h"

namespace zav {
namespace {

struct GroupNames {
  int group;
  const char* text;     // Language Summary group line
  const char* csv;      // Language Summary CSV row
  const char* xml;      // Language Summary XML name
  const char* profile;  // Total Language Profile row label
};

// In the order of the Language Summary.
constexpr GroupNames kGroups[] = {
    {kGroupHeader, "Header Include Files *.h*", "Header Include Files *.h*",
     "Header Files *.h*", "*.h*"},
    {kGroupC, "C Source Files *.c", "C Source Files *.c", "C Files *.c", "*.c"},
    {kGroupCpp, "C++ Source Files *.c*", "C++ Source Files *.c*",
     "C++ Files *.cp*", "*.c*"},
    {kGroupJava, "Java Source File *.jav*", "Java Source File *.java",
     "Java Files *.jav*", "*.java"},
    {kGroupCSharp, "C# Source File *.cs", "C# Source File *.cs",
     "C Sharp Files *.cs", "*.cs"},
    {kGroupOther, "Other Source Files", "Other Source Files", "Other Files",
     "Other"},
};

// The Total Language Profile lists C# before Java.
constexpr int kProfileOrder[] = {0, 1, 2, 4, 3, 5};

// A group's figures, or the project's.
struct GroupFigures {
  int files = 0;
  LanguageLines lines;
  double fp[kMeasureCount] = {0, 0, 0};
};

GroupFigures Figures(const GlobalData& G, int group) {
  GroupFigures x;
  x.lines = G.lang.group_lines[group];
  x.files = LanguageGroupFileCount(G, group);
  const int64_t counts[kMeasureCount] = {x.lines.loc, x.lines.eloc, x.lines.lloc};
  for (int m = 0; m < kMeasureCount; ++m) {
    x.fp[m] = GroupFunctionPoints(G, group, m, counts[m]);
  }
  return x;
}

GroupFigures ProjectFigures(const GlobalData& G) {
  const FileMetrics& f = G.file;
  GroupFigures x;
  x.files = G.files.files_processed;
  x.lines = {f.loc_count, f.Eloc(), f.Lloc(), f.comment_lines_count,
             f.blank_lines_count, f.total_physical_lines_count};
  x.fp[kMeasureLoc] = f.fp_loc;
  x.fp[kMeasureEloc] = f.fp_eloc;
  x.fp[kMeasureLloc] = f.fp_lloc;
  return x;
}

bool HasCounts(const GroupFigures& x) {
  const LanguageLines& l = x.lines;
  return x.files != 0 || l.loc != 0 || l.eloc != 0 || l.lloc != 0 ||
         l.comments != 0 || l.blanks != 0 || l.lines != 0;
}

// The figures divided by the file count, truncated (0 without files).
GroupFigures PerFile(const GroupFigures& x) {
  GroupFigures a = x;
  auto div = [&x](int v) { return x.files > 0 ? v / x.files : 0; };
  a.lines = {div(x.lines.loc), div(x.lines.eloc), div(x.lines.lloc),
             div(x.lines.comments), div(x.lines.blanks), div(x.lines.lines)};
  for (double& fp : a.fp) fp = x.files > 0 ? fp / x.files : 0.0;
  return a;
}

void WriteCsvRow(GlobalData& G, const char* prefix, const char* name,
                 const GroupFigures& x) {
  const LanguageLines& l = x.lines;
  Print(G, "%s,%s,", prefix, name);
  if (G.sw.function_points) {
    Print(G, ",%ld/%.1f,%ld/%.1f,%ld/%.1f", l.loc, x.fp[0], l.eloc, x.fp[1],
          l.lloc, x.fp[2]);
  } else {
    Print(G, ",%ld,%ld,%ld", l.loc, l.eloc, l.lloc);
  }
  Print(G, ",%ld,%ld,%ld\n", l.comments, l.blanks, l.lines);
}

void WriteXmlGroup(GlobalData& G, const char* name, const GroupFigures& x) {
  const LanguageLines& l = x.lines;
  Print(G, "<language>\n<name>%s</name>\n", name);
  XmlInt(G, "file_count", x.files);
  XmlInt(G, "loc", l.loc);
  XmlInt(G, "eloc", l.eloc);
  XmlInt(G, "lloc", l.lloc);
  XmlInt(G, "comments", l.comments);
  XmlInt(G, "blanks", l.blanks);
  XmlInt(G, "lines", l.lines);
  if (G.sw.function_points) {
    WriteFunctionPointLine(G, x.fp[0], x.fp[1], x.fp[2]);
  }
  PutText(G, "</language>\n");
}

void WriteTextGroup(GlobalData& G, const char* name, const GroupFigures& x) {
  const LanguageLines& l = x.lines;
  PutText(G, "\n  ");
  PutText(G, Label(G, name));
  PutText(G, "\n");
  WriteLocLine(G, l.loc, l.eloc, l.lloc, l.comments, l.lines);
  const GroupFigures a = PerFile(x);
  Print(G, "  Average per File, metric/%-d files\n", x.files);
  WriteLocLine(G, a.lines.loc, a.lines.eloc, a.lines.lloc, a.lines.comments,
               a.lines.lines);
  if (G.sw.function_points) {
    WriteFunctionPointLine(G, x.fp[0], x.fp[1], x.fp[2]);
  }
}

void WriteGroup(GlobalData& G, const GroupNames& names, const GroupFigures& x) {
  switch (Fmt(G)) {
    case ReportFormat::kCsv:
      WriteCsvRow(G, "", names.csv, x);
      WriteCsvRow(G, "Avg ", names.csv, PerFile(x));
      break;
    case ReportFormat::kXml:
      WriteXmlGroup(G, names.xml, x);
      break;
    default:
      WriteTextGroup(G, names.text, x);
      break;
  }
}

}  // namespace

void WriteLanguageSummary(GlobalData& G) {
  OpenProjectSection(G, "~~ Language Summary ~~", "Languages\n",
                     "Language Metrics");
  if (Fmt(G) == ReportFormat::kCsv) {
    PutText(G, G.sw.function_points
                   ? ", , , LOC/FP,eLOC/FP,lLOC/FP,Comments,Blanks,Lines\n"
                   : ", , , LOC,eLOC,lLOC,Comments,Blanks,Lines\n");
  }
  for (const GroupNames& names : kGroups) {
    const GroupFigures x = Figures(G, names.group);
    if (HasCounts(x)) WriteGroup(G, names, x);
  }
  const GroupNames total = {kGroupOther, "Total All Languages",
                            "Total All Languages", "Total All Languages", ""};
  const GroupFigures project = ProjectFigures(G);
  if (Fmt(G) == ReportFormat::kCsv) {
    WriteCsvRow(G, "", total.csv, project);
  } else {
    WriteGroup(G, total, project);
  }
  WriteSectionEnd(G);
}

void WriteLanguageProfile(GlobalData& G) {
  OpenProjectSection(G, "~~ Total Language Profile ~~",
                     "Total Language Profile (%)\n", "Total Language Profile");
  const ReportFormat format = Fmt(G);
  if (format == ReportFormat::kCsv) {
    PutText(G, ",Language,,,LOC,eLOC,lLOC,Comments,Blanks,Lines\n");
  } else if (format != ReportFormat::kXml) {
    const char* header =
        "  Language   LOC %    eLOC %    lLOC %    Comments %   Blanks %    "
        "Lines %";
    PutText(G, format == ReportFormat::kHtml
                   ? std::string("<b>") + header + "</b>\n"
                   : std::string(header) + "\n");
  }
  const LanguageLines total = ProjectFigures(G).lines;
  for (int index : kProfileOrder) {
    const GroupNames& names = kGroups[index];
    const GroupFigures x = Figures(G, names.group);
    if (!HasCounts(x)) continue;
    const LanguageLines& l = x.lines;
    const float p[6] = {Percent(l.loc, total.loc),
                        Percent(l.eloc, total.eloc),
                        Percent(l.lloc, total.lloc),
                        Percent(l.comments, total.comments),
                        Percent(l.blanks, total.blanks),
                        Percent(l.lines, total.lines)};
    switch (format) {
      case ReportFormat::kCsv:
        Print(G, "%6s,,,%5.1f,%5.1f,%5.1f,%5.1f,%5.1f,%5.1f\n", names.profile,
              p[0], p[1], p[2], p[3], p[4], p[5]);
        break;
      case ReportFormat::kXml:
        Print(G, "<language>\n<extension>%s</extension>\n", names.profile);
        XmlReal(G, "loc_percent", "%.1f", p[0]);
        XmlReal(G, "eloc_percent", "%.1f", p[1]);
        XmlReal(G, "lloc_percent", "%.1f", p[2]);
        XmlReal(G, "comment_percent", "%.1f", p[3]);
        XmlReal(G, "blank_line_percent", "%.1f", p[4]);
        XmlReal(G, "lines_percent", "%.1f", p[5]);
        PutText(G, "</language>\n");
        break;
      default:
        Print(G,
              "  %-6s     %5.1f     %5.1f     %5.1f         %5.1f      %5.1f      "
              "%5.1f\n",
              names.profile, p[0], p[1], p[2], p[3], p[4], p[5]);
        break;
    }
  }
  WriteSectionEnd(G);
}

}  // namespace zav
