// Settings: defaults and the configuration file zav.cfg.
#pragma once

#include "zav/global_data.h"

namespace zav {

// Sets the defaults that are not plain member initialisers.
void SetDefaults(GlobalData& G);

// Reads the configuration file at G.run.config_path. Returns 1 when a file
// was read (or created and read), 0 when none could be opened or created.
int ReadConfiguration(GlobalData& G);

}  // namespace zav
