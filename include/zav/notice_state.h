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

// What the reports of a run can show of the files' quality notices (decided
// once the switches are read, see DecideNoticeNeed):
//   kEvery  every notice and every count;
//   kAny    only whether a file raised any notice;
//   kNone   nothing: the checks of every file stay quiet.
enum class NoticeNeed : uint8_t { kNone, kAny, kEvery };

struct NoticeState {
  NoticeNeed need = NoticeNeed::kEvery;
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
