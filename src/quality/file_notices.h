// The notices raised once per file, after its last line.
#pragma once

#include "zav/global_data.h"

namespace zav {

// Raises, in this order, the file's blank-line (47), comment-line (20) and
// white-space (19) percentage notices, the new/delete notice of C++ files
// (45) and the missing key string notice (21), each on the file's last
// line. A percentage equal to its minimum raises nothing.
void RaiseFileLevelNotices(GlobalData& G);

}  // namespace zav
