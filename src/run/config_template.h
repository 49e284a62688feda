// The configuration template: every setting with its current value, in the
// format the configuration reader reads back.
#pragma once

#include <cstdio>

#include "zav/global_data.h"

namespace zav {

// Writes the template to `out`. With `html` the template is wrapped in a
// minimal HTML document and each colour value is shown in its colour.
void WriteConfigTemplate(const GlobalData& G, FILE* out, bool html);

}  // namespace zav
