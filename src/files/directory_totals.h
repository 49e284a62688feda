// Per-directory totals of a list-file run (-F).
#pragma once

#include <string>

#include "zav/global_data.h"

namespace zav {

// Adds the directory of a list file's directory line to G.files.directories
// (once per absolute path; relative names are taken from the current
// working directory).
void RegisterDirectory(GlobalData& G, const std::string& written, bool recursive);

// Adds an analysed file's LOC, eLOC, lLOC, comment and physical lines to
// the totals of its directory and counts it there. Its directory is the one
// registered with the same absolute path, else the nearest registered
// recursive directory above it; a file under no registered directory is
// counted nowhere.
void AddToDirectoryTotals(GlobalData& G, const FileEntry& entry);

}  // namespace zav
