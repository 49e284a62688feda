// Building the ordered set of files a run processes.
#pragma once

#include "zav/global_data.h"

namespace zav {

// Builds G.files.entries from the file arguments starting at
// `first_file_argument`; returns the number of files.
int BuildFileSet(GlobalData& G, int first_file_argument);

}  // namespace zav
