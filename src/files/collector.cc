#include "files/collector.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "base/output.h"
#include "base/xml_text.h"

namespace zav {

bool SizesReadWhileCollecting(const GlobalData& G) {
  return G.sw.debug || G.sw.Decharacter();
}

FileCollector::FileCollector(GlobalData& G) : G_(G), filter_(G.settings) {}

void FileCollector::Append(std::string name, const std::string& extension) {
  FileEntry entry;
  entry.name = std::move(name);
  // A file that cannot be examined keeps size and time 0; the run reports
  // it when it fails to open it.
  struct stat st;
  if (SizesReadWhileCollecting(G_) && ::stat(entry.name.c_str(), &st) == 0) {
    entry.time = static_cast<int64_t>(st.st_mtime);
    entry.size = static_cast<int64_t>(st.st_size);
  }
  (IsHeaderExtension(extension) ? headers_ : sources_).push_back(std::move(entry));
}

void FileCollector::AddNamedFile(std::string name, bool is_argument) {
  std::string extension;
  if (!NameExtension(G_, name, extension)) return;
  if (filter_.Filtered(name)) return;
  if (!ExtensionIsValid(G_.settings, extension)) {
    const bool output_file = is_argument && G_.sw.output_to_file &&
                             name == G_.sw.output_file_name;
    if (!output_file) {
      Print(G_, "\n  Error: %s - Not a valid file type for ZAV\n"
                "         Valid types: %s\n",
            MessageName(G_, name).c_str(),
            MessageName(G_, G_.settings.allowable_extensions).c_str());
    }
    return;
  }
  Append(std::move(name), extension);
}

void FileCollector::AdvanceProgress() {
  if (!G_.sw.progress) return;
  const int interval = std::max(1, G_.settings.progress_interval);
  ++progress_counter_;
  if (!progress_started_) {
    progress_started_ = true;
    std::fprintf(stderr, "  Building File List - Status(.) %d files\n  ", interval);
  } else if (progress_counter_ % interval == 0) {
    std::fputc('.', stderr);
  } else if (progress_counter_ > 64LL * interval - 1) {  // no overflow near INT_MAX
    progress_total_ += progress_counter_;
    std::fprintf(stderr, "(%6d)\n  ", progress_total_);
    progress_counter_ = 1;
  }
}

std::vector<FileEntry> FileCollector::TakeFileSet(bool sort_by_name) {
  if (sort_by_name) {
    auto by_name = [](const FileEntry& a, const FileEntry& b) { return a.name < b.name; };
    std::stable_sort(headers_.begin(), headers_.end(), by_name);
    std::stable_sort(sources_.begin(), sources_.end(), by_name);
  }
  std::vector<FileEntry> set = std::move(headers_);
  set.reserve(set.size() + sources_.size());
  for (FileEntry& entry : sources_) set.push_back(std::move(entry));
  headers_.clear();
  sources_.clear();
  return set;
}

}  // namespace zav
