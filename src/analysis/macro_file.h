// The predefined macro file, zav_macro.cfg.
#pragma once

#include "zav/global_data.h"

namespace zav {

// Loads the macro names of G.run.macro_path into the macro-name list and
// returns how many were read. A missing or empty file is (re)created with
// the default content, which is loaded for this run as well; a file that
// exists but cannot be read is left alone and the defaults apply.
int LoadMacroFile(GlobalData& G);

}  // namespace zav
