// Collects the accepted files of a run into the header and source lists
// while the file set is being built.
#pragma once

#include <string>
#include <vector>

#include "files/file_filters.h"
#include "zav/global_data.h"

namespace zav {

// True when each file's size and time are read as it joins the set and
// kept for its reports: the debug listing of the set shows them before any
// file is opened, and -D rewrites files during the run (a file named twice,
// or through a link, keeps what it had before the run changed it).
// Otherwise they are read from the open file, which spares a look-up of
// every name.
bool SizesReadWhileCollecting(const GlobalData& G);

class FileCollector {
 public:
  explicit FileCollector(GlobalData& G);

  GlobalData& G() { return G_; }
  const PathFilter& filter() const { return filter_; }

  // Appends `name` to the header list when `extension` begins with "h" or
  // "H", else to the source list, with its size and time when
  // SizesReadWhileCollecting.
  void Append(std::string name, const std::string& extension);

  // A file named on the command line or in a list file: passed over
  // silently without an extension or when the pattern filter takes it;
  // reported when its extension is not valid (except the -O output file
  // when `is_argument`); appended otherwise.
  void AddNamedFile(std::string name, bool is_argument);

  // Advances the progress display of the descent by one file.
  void AdvanceProgress();

  // The header list followed by the source list, each sorted by name first
  // when `sort_by_name`.
  std::vector<FileEntry> TakeFileSet(bool sort_by_name);

 private:
  GlobalData& G_;
  PathFilter filter_;
  std::vector<FileEntry> headers_;
  std::vector<FileEntry> sources_;

  // Progress of the descent.
  bool progress_started_ = false;
  int progress_counter_ = 0;
  int progress_total_ = 0;
};

}  // namespace zav
