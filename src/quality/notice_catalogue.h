// The descriptions of the built-in notices.
#pragma once

#include "zav/global_data.h"

namespace zav {

// The description of notice `number` with its limit filled in. The table is
// formatted once per run, from the limits as they stand at the first call;
// later changes of a limit leave the texts alone. Numbers outside 1..58
// give slot 0, "Unsupported".
const char* NoticeDescription(GlobalData& G, int number);

}  // namespace zav
