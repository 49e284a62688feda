// Building the ordered set of files a run processes.
#pragma once

#include "zav/global_data.h"

namespace zav {

// Builds G.files.entries, headers first, from the -r directory tree, the -F
// list (opened beforehand with OpenListFile, files/list_file.h) or the file
// arguments starting at `first_file_argument`; returns the number of files.
// The working directory is left as it was.
int BuildFileSet(GlobalData& G, int first_file_argument);

// True when the run only lists its files and ends (-Rl, except in XML
// output, where -Rl runs on).
bool ListsFilesOnly(const GlobalData& G);

// Writes each file name of the set on its own line, then an empty line
// (the -Rl listing).
void WriteFileList(GlobalData& G);

// Progress lines on standard error (progress indicator on): before the set
// is built, and before the first file is processed.
void AnnounceFileAcquisition(const GlobalData& G);
// The progress display of the file loop for one file about to be analysed
// (standard error, only when the progress indicator is on): its name with
// detailed progress, else a dot every `interval` files and the share done
// after every 65 rows of dots.
void ShowFileProgress(GlobalData& G, const FileEntry& entry);

void AnnounceFileProcessing(const GlobalData& G, int file_count);

// With the debug flag, the file set, one "*** Debug:" line per entry.
void DebugListFileSet(const GlobalData& G);

}  // namespace zav
