// The predefined macro file, zav_macro.cfg.
#pragma once

#include "zav/global_data.h"

namespace zav {

// Loads the macro names of G.run.macro_path into the macro-name list and
// returns how many were read. A missing file is created with the default
// content and nothing is loaded for this run.
int LoadMacroFile(GlobalData& G);

}  // namespace zav
