// Files the baselines generate are written under a temporary name and
// renamed over their name only when complete.
#pragma once

#include <cstdio>
#include <string>

namespace zav {

// Opens `path` for binary writing as a new file: a file left at that name
// by an interrupted run is removed first; a symbolic link is never followed.
std::FILE* OpenFresh(const std::string& path);

// Closes `f` (written as `temp`) and renames it to `path`. False, errno
// set, when a write, the close or the rename failed; the temporary file is
// then removed.
bool FinishFresh(std::FILE* f, const std::string& temp, const std::string& path);

}  // namespace zav
