// Code-skip and quality-skip tokens.
#pragma once

#include "zav/global_data.h"

namespace zav {

// Applies the skip tokens to one accepted line; true when the line is to be
// analysed, false when it is skipped.
bool ApplySkipTokens(GlobalData& G, const char* line);

}  // namespace zav
