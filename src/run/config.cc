#include "run/config.h"

namespace zav {

void SetDefaults(GlobalData& G) { G.settings.build_date = __DATE__; }

int ReadConfiguration(GlobalData& G) {
  // The configuration file reader is not built yet: defaults stand.
  return 0;
}

}  // namespace zav
