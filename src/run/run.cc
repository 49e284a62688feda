#include "run/run.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "analysis/counters.h"
#include "base/safe_file.h"
#include "analysis/function.h"
#include "analysis/structure.h"
#include "analysis/language.h"
#include "analysis/line_reader.h"
#include "analysis/utf16_source.h"
#include "files/directory_totals.h"
#include "files/file_set.h"
#include "files/list_file.h"
#include "quality/file_notices.h"
#include "report/banner.h"
#include "report/benchmark.h"
#include "report/csv_rows.h"
#include "report/file_reports.h"
#include "report/framework.h"
#include "report/metric_lines.h"
#include "report/output.h"
#include "report/project_reports.h"
#include "run/command_line.h"
#include "run/startup.h"

namespace zav {
namespace {

// An entry whose name is missing, starts with a blank or control character,
// or is exactly "." is passed over without being counted.
bool SkippedEntryName(const std::string& name) {
  return name.empty() || static_cast<unsigned char>(name[0]) <= 32 ||
         name == ".";
}

void StoreEntryMetrics(GlobalData& G, FileEntry& entry) {
  const FileMetrics& f = G.file;
  entry.analysed = true;
  entry.physical_lines = f.total_physical_lines_count;
  entry.loc = f.loc_count;
  entry.eloc = f.Eloc();
  entry.lloc = f.Lloc();
  entry.comments = f.comment_lines_count;
  entry.blanks = f.blank_lines_count;
  entry.functions = f.functions_count;
  entry.params = f.func_params_sum;
  entry.returns = f.func_returns_sum;
  entry.interface_complexity = f.func_params_sum + f.func_returns_sum;
  entry.cyclomatic = f.func_vg_sum;
  entry.total_complexity = entry.interface_complexity + entry.cyclomatic;
  entry.skipped_lines = f.skipped_lines_count;
}

void StoreFunctionPoints(GlobalData& G, FileEntry& entry) {
  entry.fp_loc = FunctionPointsOf(G, kMeasureLoc, entry.loc);
  entry.fp_eloc = FunctionPointsOf(G, kMeasureEloc, entry.eloc);
  entry.fp_lloc = FunctionPointsOf(G, kMeasureLloc, entry.lloc);
  G.file.fp_loc += entry.fp_loc;
  G.file.fp_eloc += entry.fp_eloc;
  G.file.fp_lloc += entry.fp_lloc;
}

void EndOfFile(GlobalData& G, FileEntry& entry) {
  StoreEntryMetrics(G, entry);
  if (G.sw.list_file_mode) AddToDirectoryTotals(G, entry);
  StoreFunctionPoints(G, entry);
  StructureEndOfFile(G);
  FunctionEndOfFile(G);
  RaiseFileLevelNotices(G);
  WritePerFileOutput(G, entry);
  FileCounters(G);
  entry.notices = G.file.quality_notice_count;
  WriteXmlFileClose(G);
}

void AnalyzeFile(GlobalData& G, FileEntry& entry, FILE* file) {
  ShowFileProgress(G, entry);
  G.files.total_bytes += entry.size;
  ResetFileState(G);
  entry.kind = SetFileLanguage(G, entry.name, true);
  ++G.files.files_processed;
  WriteXmlFileOpen(G);
  // Totals-only runs list the files in the short form; the automated CSV
  // mode writes only its rows.
  if (!G.sw.csv_detail) {
    WriteFileHeader(G, entry.name, entry.time, entry.size, G.sw.totals_only);
  }
  // A UTF-16 source is analysed as its UTF-8 text (not when -D modifies
  // the file in place).
  std::string utf8;
  FILE* converted = G.sw.dechar == DecharMode::kNone ? OpenUtf16AsUtf8(file, utf8) : nullptr;
  ReadAndAnalyzeFile(G, converted != nullptr ? converted : file);
  if (converted != nullptr) std::fclose(converted);
  EndOfFile(G, entry);
}

void ProcessFiles(GlobalData& G) {
  for (FileEntry& entry : G.files.entries) {
    G.current_entry = &entry;
    if (SkippedEntryName(entry.name)) continue;
    const bool modify = G.sw.dechar != DecharMode::kNone;
    // FIFOs, devices and sockets (or links to them) are never opened: a
    // FIFO would block the run, a device could read without end.
    struct stat info;
    bool not_regular = ::stat(entry.name.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
    FILE* file = not_regular ? nullptr : OpenRegularFile(entry.name, modify, not_regular);
    if (not_regular) {
      Print(G, "  Error: Not a regular file [%s]\n", entry.name.c_str());
      continue;
    }
    if (file == nullptr) {
      Print(G,
            modify ? "\n  Error: Problem opening input file:\n         %s\n"
                     "         For modification, %s\n\n"
                   : "\n  Error: Problem opening input file:\n         %s\n"
                     "         For read, %s\n\n",
            entry.name.c_str(), std::strerror(errno));
      continue;
    }
    AnalyzeFile(G, entry, file);
    std::fclose(file);
  }
  G.current_entry = nullptr;
}

// The benchmark report of the -Rl listing exit.
void WriteListingBenchmarkReport(GlobalData& G) { WriteBenchmarkReport(G); }

// -Rl: the file names, the benchmark report and the report end; exit 0.
int ListFilesAndExit(GlobalData& G) {
  WriteFileList(G);
  WriteListingBenchmarkReport(G);
  WriteReportEnd(G);
  CloseReportStream(G);
  return 0;
}

// File list mode (-F): the list must open, else the run ends with -1.
bool PrepareListFileInput(GlobalData& G) {
  if (!G.sw.list_file_mode) return true;
  G.sw.file_argument_count = 0;
  if (!G.sw.report_switch_given) G.sw.summary = true;
  if (OpenListFile(G)) return true;
  std::fflush(G.report.out);
  return false;
}

int ExitCode(const GlobalData& G) {
  if (!G.sw.notices) return 0;
  int total = G.notices.total_emitted;
  return total > 255 ? 255 : total;
}

}  // namespace

int Run(int argc, char** argv) {
  std::unique_ptr<GlobalData> owner(new (std::nothrow) GlobalData);
  if (!owner) {
    std::fputs("\n  Error: memory allocation failed\n\n", stdout);
    return 1;
  }
  GlobalData& G = *owner;
  StartUp(G, argc, argv);
  ParseResult parsed = ParseCommandLine(argc, argv, G);
  if (parsed.exit) {
    CloseReportStream(G);
    return G.report.write_failed ? 1 : parsed.exit_code & 0xff;
  }
  // Progress shows exactly when -O named an output file.
  G.sw.progress = G.sw.output_to_file;
  // The objects report needs functional analysis; remember it was implied.
  if (G.sw.objects && !G.sw.functional) {
    G.sw.functional = true;
    G.sw.functional_implied = true;
  }
  const int exit_code = RunSequence(G, parsed.first_file_argument);
  return G.report.write_failed ? 1 : exit_code;
}

int RunSequence(GlobalData& G, int first_file_argument) {
  // Report head. XML writes its document head before the mode title so
  // that nothing precedes the XML declaration; CSV writes its head after it.
  const ReportFormat format = G.sw.Format();
  if (format != ReportFormat::kCsv && format != ReportFormat::kXml &&
      !G.sw.code_listing) {
    WriteBanner(G);
  }
  if (format == ReportFormat::kXml) WriteDocumentHead(G);
  WriteModeTitle(G);
  if (G.sw.benchmark) StartBenchmarkTimer(G);
  AnnounceFileAcquisition(G);
  if (!PrepareListFileInput(G)) {  // exit code -1
    CloseReportStream(G);
    return 255;
  }
  if (format == ReportFormat::kCsv) WriteDocumentHead(G);
  const int file_count = BuildFileSet(G, first_file_argument);
  if (file_count > 0) G.sw.files_given = true;
  if (ListsFilesOnly(G)) return ListFilesAndExit(G);
  DebugListFileSet(G);
  AnnounceFileProcessing(G, file_count);
  ProcessFiles(G);
  WriteEndOfRunReports(G);
  WriteReportEnd(G);
  CloseReportStream(G);
  AnnounceFilesProcessed(G);
  return ExitCode(G);
}

}  // namespace zav
