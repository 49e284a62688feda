// The deterministic listing (-wD): every classified line with its type
// letter and fingerprint, as the differential files record it.
#pragma once

#include <cstdint>

#include "zav/global_data.h"

namespace zav {

// Writes the listing row of one line with a type letter (`type` '\0' for
// a line without one); the file's header comes with its first analysed
// line. `line` is the text as read, with its line end.
void WriteDeterministicLine(GlobalData& G, const char* line, int32_t line_number,
                            char type, double fingerprint);

}  // namespace zav
