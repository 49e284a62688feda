#include "files/file_set.h"

#include <algorithm>
#include <cstdio>

#include "files/collector.h"
#include "files/descent.h"
#include "files/directory_arguments.h"
#include "files/list_file.h"
#include "report/benchmark.h"
#include "base/csv_field.h"
#include "base/output.h"

namespace zav {

int BuildFileSet(GlobalData& G, int first_file_argument) {
  FileCollector collector(G);
  // The benchmark times the run from here on.
  if (G.sw.benchmark) StartBenchmarkTimer(G);
  if (G.sw.recursive) {
    // The -r extension list has replaced the allowable extensions. A -r
    // value without a directory descends the directory arguments.
    if (!G.sw.recursion_dirs_from_arguments ||
        !DescendDirectoryArguments(G, collector, first_file_argument)) {
      DescendDirectory(collector, G.sw.recursion_top_dir,
                       G.settings.allowable_extensions, true);
    }
  } else if (G.sw.list_file_mode) {
    ReadListFile(collector);
  } else {
    for (int i = first_file_argument; i < G.run.argc; ++i) {
      const char* name = G.run.argv[i];
      if (name == nullptr || RejectDirectoryArgument(G, name)) continue;
      collector.AddNamedFile(name, true);
    }
  }
  G.files.entries = collector.TakeFileSet(G.sw.sort_input_by_name);
  const int count = static_cast<int>(G.files.entries.size());
  if (G.sw.progress && !G.sw.list_file_mode && !ListsFilesOnly(G)) {
    std::fprintf(stderr, "(%6d)\n", count);
  }
  return count;
}

bool ListsFilesOnly(const GlobalData& G) {
  return G.sw.list_files_and_exit && !G.sw.xml;
}

void WriteFileList(GlobalData& G) {
  const bool csv = G.sw.Format() == ReportFormat::kCsv;
  for (const FileEntry& entry : G.files.entries) {
    Print(G, "%s\n", csv ? CsvField(entry.name).c_str() : entry.name.c_str());
  }
  PutText(G, "\n");
}

void AnnounceFileAcquisition(const GlobalData& G) {
  if (G.sw.progress) std::fputs("  Acquiring Files\n", stderr);
}

void AnnounceFileProcessing(const GlobalData& G, int file_count) {
  if (!G.sw.progress) return;
  if (G.settings.detailed_progress) {
    std::fprintf(stderr, "  Processing %d Files - Status By File Name\n", file_count);
  } else {
    std::fprintf(stderr, "  Processing %d Files - Status(.) %d Files\n  ", file_count,
                 std::max(1, G.settings.progress_interval));
  }
}

void ShowFileProgress(GlobalData& G, const FileEntry& entry) {
  if (!G.sw.progress) return;
  if (G.settings.detailed_progress) {
    std::fprintf(stderr, "  + %s\n", entry.name.c_str());
    return;
  }
  FileSet& files = G.files;
  const int interval = std::max(1, G.settings.progress_interval);
  ++files.progress_count;
  if (files.progress_count % interval == 0) std::fputc('.', stderr);
  if (files.progress_count > 65LL * interval - 1) {  // no overflow near INT_MAX
    files.progress_total += files.progress_count;
    const double share = files.entries.empty()
                             ? 0.0
                             : static_cast<double>(files.progress_total) /
                                   static_cast<double>(files.entries.size()) * 100.0;
    std::fprintf(stderr, "(%4.1f%%)\n  ", share);
    files.progress_count = 1;
  }
}

void DebugListFileSet(const GlobalData& G) {
  if (!G.sw.debug) return;
  int index = 0;
  for (const FileEntry& entry : G.files.entries) {
    std::printf("*** Debug: File %d | %s | %lld bytes\n", ++index, entry.name.c_str(),
                static_cast<long long>(entry.size));
  }
}

}  // namespace zav
