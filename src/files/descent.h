// Descending a directory tree for the files whose extension is listed.
#pragma once

#include <string>

#include "files/collector.h"

namespace zav {

// The separators of a descent's extension list ("h,cpp", "*.c *.h").
inline constexpr const char* kDescentExtensionSeparators = " .,*\t\r\n";

// Collects the files of `directory` whose extension is one of the words of
// `extensions`, full paths as names, and, with `recurse` (and without
// -Rd), the files of its subdirectories, depth first where the sorted
// entries meet them. Entries are taken in byte order of their names.
// A top directory of "*", "*.*" or "" is the current directory.
//
// Symbolic links: a link to a file is taken as that file; a link to a
// directory is not descended, so links can neither loop nor bring a tree
// in twice. The working directory is never changed.
void DescendDirectory(FileCollector& collector, const std::string& directory,
                      const std::string& extensions, bool recurse);

}  // namespace zav
