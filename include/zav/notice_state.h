// Quality notice state: the catalogue texts, counters and the notice list.
//
// Owned by src/quality/. The reports read the counters and the list.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>

#include "zav/records.h"
#include "zav/settings.h"

namespace zav {

struct NoticeState {
  bool descriptions_ready = false;
  std::array<std::string, kNoticeCount + 1> descriptions;  // 0: "Unsupported"
  std::array<int32_t, kNoticeCount + 1> run_counts{};      // per type
  // Every notice in emission order, for the notice summary; only kept
  // (keep_list) in the runs that write that summary.
  std::deque<QualityNotice> list;
  bool keep_list = true;
  int32_t total_emitted = 0;                               // for the exit code
};

}  // namespace zav
