// "File Summary" and "File Detail Summary": the analysed files of the run
// in the order of the sort key, their totals and averages, and the file
// counts by language.
#include <string>
#include <vector>

#include "report/file_reports.h"
#include "report/framework.h"
#include "report/metric_lines.h"
#include "base/output.h"
#include "report/project_common.h"
#include "report/project_reports.h"
#include "report/sorting.h"

namespace zav {
namespace {

// The figures of one file, or summed over several.
struct FileFigures {
  int64_t loc = 0, eloc = 0, lloc = 0, comments = 0, lines = 0;
  int64_t functions = 0, params = 0, returns = 0, cyclomatic = 0, notices = 0;
  double fp_loc = 0, fp_eloc = 0, fp_lloc = 0;

  void Add(const FileEntry& e) {
    loc += e.loc;
    eloc += e.eloc;
    lloc += e.lloc;
    comments += e.comments;
    lines += e.physical_lines;
    functions += e.functions;
    params += e.params;
    returns += e.returns;
    cyclomatic += e.cyclomatic;
    notices += e.notices;
    fp_loc += e.fp_loc;
    fp_eloc += e.fp_eloc;
    fp_lloc += e.fp_lloc;
  }
};

void WriteQualityLine(GlobalData& G, int functions, int notices, int eloc) {
  const double per_function =
      functions > 0 ? static_cast<double>(notices) / functions : 0.0;
  const double per_keloc =
      eloc > 0 ? static_cast<double>(notices) / eloc * 1000.0 : 0.0;
  switch (Fmt(G)) {
    case ReportFormat::kCsv:
      Print(G, "%s,%-7d,", "Funcs", functions);
      Print(G, "%s,%-7d,", "Notices", notices);
      Print(G, "%s,%-7.1f,", "QN/Func", per_function);
      Print(G, "%s,%-7.0f\n", "QN/KeLOC", per_keloc);
      break;
    case ReportFormat::kXml:
      XmlInt(G, "function_count", functions);
      XmlInt(G, "quality_notices", notices);
      XmlReal(G, "notices_per_function", "%.1f", per_function);
      XmlReal(G, "notices_per_KeLOC", "%.0f", per_keloc);
      break;
    default:
      Print(G, "%s%-7d%s%-7d%s%-7.1f%s%6.0f\n",
            Label(G, "  Quality      Funcs ").c_str(), functions,
            Label(G, "  Notices ").c_str(), notices,
            Label(G, "  QN/Func ").c_str(), per_function,
            Label(G, "  QN/KeLOC ").c_str(), per_keloc);
      break;
  }
}

// The metric lines of a file, of the totals, or of an average (`divisor`
// files or functions; values truncated, function points divided).
void WriteFigureLines(GlobalData& G, const FileFigures& x, int64_t divisor,
                      bool quality) {
  auto div = [divisor](int64_t v) {
    return static_cast<int>(divisor > 0 ? v / divisor : 0);
  };
  auto fdiv = [divisor](double v) { return divisor > 0 ? v / divisor : 0.0; };
  WriteLocLine(G, div(x.loc), div(x.eloc), div(x.lloc), div(x.comments),
               div(x.lines));
  if (G.sw.complexity) {
    WriteComplexityLine(G, div(x.params), div(x.returns), div(x.cyclomatic));
  }
  if (G.sw.function_points) {
    WriteFunctionPointLine(G, fdiv(x.fp_loc), fdiv(x.fp_eloc), fdiv(x.fp_lloc));
  }
  if (quality) {
    WriteQualityLine(G, static_cast<int>(x.functions),
                     static_cast<int>(x.notices), static_cast<int>(x.eloc));
  }
}

void WriteFileEntry(GlobalData& G, const FileEntry& e) {
  const bool xml = Fmt(G) == ReportFormat::kXml;
  if (xml) PutText(G, "<file>\n");
  WriteFileHeader(G, e.name, e.time, e.size, true);
  FileFigures x;
  x.Add(e);
  WriteFigureLines(G, x, 1, true);
  if (xml) PutText(G, "</file>\n");
}

// One closing block: its heading and its lines.
void WriteClosingBlock(GlobalData& G, const char* text, const char* xml,
                       const FileFigures& x, int64_t divisor, bool quality) {
  switch (Fmt(G)) {
    case ReportFormat::kCsv: Print(G, "%s\n", text); break;
    case ReportFormat::kXml: Print(G, "<%s>\n", xml); break;
    default: Print(G, "\n  %s\n", Label(G, text).c_str()); break;
  }
  WriteFigureLines(G, x, divisor, quality);
  if (Fmt(G) == ReportFormat::kXml) Print(G, "</%s>\n", xml);
}

void WriteClosingRows(GlobalData& G, const std::vector<const FileEntry*>& files) {
  FileFigures total;
  for (const FileEntry* e : files) total.Add(*e);
  const int count = static_cast<int>(files.size());
  switch (Fmt(G)) {
    case ReportFormat::kCsv:
      Print(G, "%s,%d,Files\n", "Total All", count);
      break;
    case ReportFormat::kXml:
      PutText(G, "<total_all>\n");
      XmlInt(G, "file_count", count);
      break;
    default:
      Print(G, "\n  %s%d Files\n", Label(G, "Total All ").c_str(), count);
      break;
  }
  WriteFigureLines(G, total, 1, true);
  if (Fmt(G) == ReportFormat::kXml) PutText(G, "</total_all>\n");
  WriteClosingBlock(G, "Average Per File", "average_per_file", total, count, false);
  WriteClosingBlock(G, "Average per Function", "average_per_function", total,
                    total.functions, false);
}

void WriteFileCounts(GlobalData& G) {
  const auto& n = G.lang.file_counts;
  const struct {
    const char* label;
    const char* xml;
    int value;
  } counts[] = {
      {"C Source Files *.c", "c_file_count", n[kLangC]},
      {"C/C++ Include Files *.h", "c_include_file_count", n[kLangCHeader]},
      {"C++ Source Files *.c*", "cpp_file_count", n[kLangCpp]},
      {"C++ Include Files *.h*", "cpp_include_file_count", n[kLangCppHeader]},
      {"C# Source Files *.cs", "csharp_file_count", n[kLangCSharp]},
      {"Java Source File *.jav*", "java_file_count", n[kLangJava]},
      {"Other Source Files", "other_file_count",
       LanguageGroupFileCount(G, kGroupOther)},
      {"Total File Count", "total_file_count", G.files.files_processed},
  };
  switch (Fmt(G)) {
    case ReportFormat::kCsv: {
      const char* format = "\n%s,%10d\n";
      for (const auto& c : counts) {
        Print(G, format, c.label, c.value);
        format = "%s,%10d\n";
      }
      break;
    }
    case ReportFormat::kXml:
      PutText(G, "<file_counts>\n");
      for (const auto& c : counts) XmlInt(G, c.xml, c.value);
      PutText(G, "</file_counts>\n");
      break;
    default: {
      std::vector<PairItem> items;
      for (const auto& c : counts) {
        items.push_back(PairItem{DottedLabel(c.label), static_cast<double>(c.value),
                                 PairKind::kInt});
      }
      PutText(G, "\n");
      WritePairs(G, items);
      break;
    }
  }
}

}  // namespace

void WriteFileSummaryList(GlobalData& G) {
  const bool detail = G.sw.totals_detail;
  OpenProjectSection(G, detail ? "~~ File Detail Summary ~~" : "~~ File Summary ~~",
                     detail ? "File Detail Summary\n" : "File Summary\n",
                     detail ? "File Detail Summary" : "File Summary");
  WriteSortLine(G);
  if (detail) {
    const std::vector<const FileEntry*> files = FileDetailOrder(G);
    for (const FileEntry* e : files) WriteFileEntry(G, *e);
    WriteClosingRows(G, files);
  }
  WriteFileCounts(G);
  WriteSectionEnd(G);
}

}  // namespace zav
