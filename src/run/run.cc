#include "run/run.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "base/complexity.h"
#include "analysis/counters.h"
#include "base/safe_file.h"
#include "analysis/function.h"
#include "analysis/structure.h"
#include "report/structure_output.h"
#include "analysis/language.h"
#include "analysis/line_reader.h"
#include "baseline/work_file.h"
#include "files/collector.h"
#include "files/directory_totals.h"
#include "files/file_set.h"
#include "files/list_file.h"
#include "quality/file_notices.h"
#include "quality/udqn_apply.h"
#include "quality/udqn_show.h"
#include "report/banner.h"
#include "report/benchmark.h"
#include "report/csv_rows.h"
#include "report/file_reports.h"
#include "report/framework.h"
#include "report/machine_output.h"
#include "report/metric_lines.h"
#include "base/output.h"
#include "report/project_reports.h"
#include "base/xml_text.h"
#include "run/command_line.h"
#include "run/long_options.h"
#include "run/config.h"
#include "run/record_needs.h"
#include "run/startup.h"
#include "utility/code_listing.h"
#include "utility/decharacter.h"
#include "utility/extraction.h"

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
  entry.interface_complexity = InterfaceComplexity(f.func_params_sum, f.func_returns_sum);
  entry.cyclomatic = f.func_vg_sum;
  entry.total_complexity =
      TotalComplexity(f.func_params_sum, f.func_returns_sum, f.func_vg_sum);
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
  const bool extraction =
      G.sw.extract_strings || G.sw.extract_comments || G.sw.comment_documentation;
  // The differential file is complete before the record that names it.
  CloseDifferentialFile(G);
  if (!G.sw.csv_detail && !extraction) WriteWorkRecord(G, entry);
  if (MachineActive(G)) {
    ApplyUdqnsAtFileEnd(G);  // the document lists them with the file
    WriteMachineFile(G, entry);
  } else {
    WritePerFileOutput(G, entry);
    ApplyUdqnsAtFileEnd(G);
  }
  FileCounters(G);
  entry.notices = G.file.quality_notice_count;
  WriteXmlFileClose(G);
}

void AnalyzeFile(GlobalData& G, FileEntry& entry, int fd) {
  ShowFileProgress(G, entry);
  G.files.total_bytes += entry.size;
  ResetFileState(G);
  StartUdqnFile(G, entry.name);
  entry.kind = SetFileLanguage(G, entry.name, true);
  ++G.files.files_processed;
  WriteXmlFileOpen(G);
  // Totals-only runs list the files in the short form; the automated CSV
  // mode writes only its rows; a machine document has no file headers.
  if (!G.sw.csv_detail && !G.report.machine.silent) {
    WriteFileHeader(G, entry.name, entry.time, entry.size, G.sw.totals_only);
    if (G.sw.Extraction()) WriteExtractionTitles(G);
  }
  G.lists.functions.StartFile();
  const size_t first_function = G.lists.functions.size();
  OpenDifferentialFile(G, entry.name);
  // A UTF-16 source is analysed as its UTF-8 text (not when -D modifies
  // the file in place).
  ReadAndAnalyzeDescriptor(G, fd, !G.sw.Decharacter());
  // -l: the file's functions, one line each, before its summary.
  if (G.sw.function_list && !G.sw.totals_only && !G.sw.csv_detail) {
    WriteFileFunctionList(G, first_function);
  }
  EndOfFile(G, entry);
}

void ReportOpenProblem(GlobalData& G, const FileEntry& entry, bool modify) {
  Print(G,
        modify ? "\n  Error: Problem opening input file:\n         %s\n"
                 "         For modification, %s\n\n"
               : "\n  Error: Problem opening input file:\n         %s\n"
                 "         For read, %s\n\n",
        MessageName(G, entry.name).c_str(), std::strerror(errno));
}

// Opens the entry's file (`modify`: for reading and writing) and takes its
// date and size from the open descriptor unless the set has them already:
// the open is the file loop's one look-up of the name. FIFOs, devices and
// sockets (or links to them) are never read: a FIFO or device is opened
// without waiting and closed again at once. -1 after the message when the
// file is not taken.
int OpenEntry(GlobalData& G, FileEntry& entry, bool modify) {
  bool not_regular = false;
  struct stat info;
  const int fd = OpenRegularDescriptor(entry.name, modify, not_regular, info);
  if (fd < 0 && !not_regular) {
    // A socket, or a FIFO or device the user may not open, is reported
    // as not regular all the same.
    const int open_error = errno;
    not_regular = ::stat(entry.name.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
    errno = open_error;
  }
  if (not_regular) {
    Print(G, "  Error: Not a regular file [%s]\n", entry.name.c_str());
    return -1;
  }
  if (fd < 0) {
    ReportOpenProblem(G, entry, modify);
    return -1;
  }
  if (!SizesReadWhileCollecting(G)) {
    entry.time = static_cast<int64_t>(info.st_mtime);
    entry.size = static_cast<int64_t>(info.st_size);
  }
  return fd;
}

void ProcessFiles(GlobalData& G) {
  for (FileEntry& entry : G.files.entries) {
    G.current_entry = &entry;
    if (SkippedEntryName(entry.name)) continue;
    const bool modify = G.sw.Decharacter();
    const int fd = OpenEntry(G, entry, modify);
    if (fd < 0) continue;
    if (!G.sw.code_listing && !modify) {
      AnalyzeFile(G, entry, fd);
      ::close(fd);
      continue;
    }
    FILE* file = ::fdopen(fd, modify ? "r+b" : "rb");
    if (file == nullptr) {
      const int error = errno;
      ::close(fd);
      errno = error;
      ReportOpenProblem(G, entry, modify);
      continue;
    }
    // The source utilities take the whole file instead of the analysis.
    if (G.sw.code_listing) {
      ListFile(G, file, entry);
      ++G.files.files_processed;
      std::fclose(file);
      continue;
    }
    DecharacterFile(G, file, entry);  // closes the file
    ++G.files.files_processed;
  }
  G.current_entry = nullptr;
}

// The benchmark report of the -Rl listing exit.
void WriteListingBenchmarkReport(GlobalData& G) { WriteBenchmarkReport(G); }

// -Rl: the file names, the benchmark report and the report end; exit 0.
int ListFilesAndExit(GlobalData& G) {
  AbandonWorkFile(G);
  WriteFileList(G);
  WriteListingBenchmarkReport(G);
  EndMachineDocument(G);
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

// -xUDQNSHOW: the loaded notices are listed after the report head and
// the run ends.
int ShowUdqnsAndEnd(GlobalData& G) {
  ShowUdqns(G);
  WriteReportEnd(G);
  CloseReportStream(G);
  return 0;
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
  // The long options leave the argument vector before the switches are
  // read; the file arguments are counted in what remains.
  std::vector<char*> args(argv, argv + argc);
  const LongOptionOutcome long_options = TakeLongOptions(G, args);
  if (long_options.exit) {
    CloseReportStream(G);
    return long_options.exit_code;
  }
  G.run.argc = static_cast<int>(args.size());
  args.push_back(nullptr);
  G.run.argv = args.data();
  // The report stream of a --json or --sarif run is for the document: a
  // command line it cannot run with is told on standard error.
  SetErrorsAside(G, G.sw.machine != MachineFormat::kNone);
  ParseResult parsed = ParseCommandLine(G.run.argc, G.run.argv, G);
  if (parsed.exit) {
    CloseReportStream(G);
    return G.report.write_failed ? 1 : parsed.exit_code & 0xff;
  }
  if (!CheckMachineOutputSwitches(G)) {
    CloseReportStream(G);
    return 1;
  }
  SetErrorsAside(G, false);
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
  // The banner loads the user-defined notices from here.
  G.run.udqn_path = UdqnFilePath(G);
  // Report head. XML writes its document head before the mode title so
  // that nothing precedes the XML declaration; CSV writes its head after it.
  const ReportFormat format = G.sw.Format();
  if (MachineActive(G)) BeginMachineDocument(G);  // the report falls silent
  if (format != ReportFormat::kCsv && format != ReportFormat::kXml &&
      !G.sw.code_listing) {
    WriteBanner(G);
  }
  if (format == ReportFormat::kXml) WriteDocumentHead(G);
  if (G.sw.udqn_show && format != ReportFormat::kCsv) return ShowUdqnsAndEnd(G);
  // The mode title is written in every mode, the code listing included
  // (where it stands above the listing, as scripts reading it expect).
  WriteModeTitle(G);
  if (G.sw.benchmark) StartBenchmarkTimer(G);
  AnnounceFileAcquisition(G);
  if (!PrepareListFileInput(G)) {  // exit code -1
    EndMachineDocument(G);
    CloseReportStream(G);
    return 255;
  }
  if (!StartBaselineRun(G)) {  // no differential directory: exit code 1
    CloseReportStream(G);
    return 1;
  }
  if (format == ReportFormat::kCsv) WriteDocumentHead(G);
  if (G.sw.code_listing && !BeginCodeListing(G)) {  // header too long
    CloseReportStream(G);
    return 1;
  }
  if (G.sw.Extraction()) BeginExtraction(G);
  if (G.sw.udqn_show) return ShowUdqnsAndEnd(G);
  const int file_count = BuildFileSet(G, first_file_argument);
  if (file_count > 0) G.sw.files_given = true;
  if (ListsFilesOnly(G)) return ListFilesAndExit(G);
  DebugListFileSet(G);
  AnnounceFileProcessing(G, file_count);
  DecideNoticeNeed(G);
  KeepReportedRecords(G);
  ProcessFiles(G);
  WriteEndOfRunReports(G);
  CompleteWorkFile(G);
  EndMachineDocument(G);
  WriteReportEnd(G);
  CloseReportStream(G);
  AnnounceFilesProcessed(G);
  return ExitCode(G);
}

void ResetFileState(GlobalData& G) {
  G.file = FileMetrics{};
  ResetLexState(G);
  G.reader = ReaderState{};
  G.scope.Reset();
  G.func.Reset(G.sw.functional);
  StartFileChecks(G);
}

}  // namespace zav
