// File arguments that name directories.
#pragma once

#include "files/collector.h"
#include "zav/global_data.h"

namespace zav {

// With -r"ext,ext" (no directory part): descends, in argument order, every
// file argument from `first_file_argument` on that names an existing
// directory, with the -r extension list. Returns false when no argument
// names a directory (the caller then descends the current directory).
bool DescendDirectoryArguments(GlobalData& G, FileCollector& collector,
                               int first_file_argument);

// Without -r: when `name` is a directory, writes "Input file [name] is a
// directory" to the report stream and to standard error and returns true;
// the argument is then not a file of the run. "." and ".." are not
// reported (they have no extension and are passed over).
bool RejectDirectoryArgument(GlobalData& G, const char* name);

}  // namespace zav
