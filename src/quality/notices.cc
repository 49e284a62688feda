#include "quality/notices.h"

namespace zav {

int NoticeEnabled(const GlobalData& G, int number) {
  if (number < 1 || number > kNoticeCount) return -1;
  return G.settings.notice_enabled[number] ? 1 : 0;
}

const char* NoticeText(GlobalData& G, int number) { return "Unsupported"; }

void RaiseNotice(GlobalData& G, int number, int32_t line,
                 const NoticeArgs& args) {
  if (NoticeEnabled(G, number) == 0 || G.reader.quality_skipping) return;
  ++G.file.quality_notice_count;
  if (number >= 1 && number <= kNoticeCount) ++G.notices.run_counts[number];
  ++G.notices.total_emitted;
}

}  // namespace zav
