#include "quality/file_notices.h"

#include "quality/notices.h"
#include "zav/notice_numbers.h"

namespace zav {
namespace {

void RaiseIfBelow(GlobalData& G, int number, float percent, float minimum,
                  int32_t line) {
  if (!(percent < minimum)) return;
  NoticeArgs args;
  args.reals[0] = percent;
  args.reals[1] = minimum;
  RaiseNotice(G, number, line, args);
}

}  // namespace

void RaiseFileLevelNotices(GlobalData& G) {
  if (G.checks.quiet) return;
  const FileMetrics& f = G.file;
  const Settings& s = G.settings;
  const int32_t last_line = G.reader.line_number;

  RaiseIfBelow(G, kNoticeFileBlankLines, Percent(f.blank_lines_count, f.loc_count),
               s.min_file_blank_pct, last_line);
  RaiseIfBelow(G, kNoticeFileComments,
               Percent(f.comment_lines_count,
                       f.comment_lines_count + f.loc_count),
               s.min_file_comment_pct, last_line);
  RaiseIfBelow(G, kNoticeFileWhiteSpace, Percent(f.spaces_count, f.characters_count),
               s.min_file_whitespace_pct, last_line);

  // Either count being positive is implied by their differing.
  if (G.lang.flags.cpp && f.memory_new_count != f.memory_delete_count) {
    RaiseNotice(G, kNoticeNewDeleteUnequal, last_line);
  }

  if (s.key_string_configured && !G.reader.key_string_found) {
    NoticeArgs args;
    args.texts[0] = kConfigFileName;
    args.texts[1] = s.key_string.c_str();
    RaiseNotice(G, kNoticeKeyString, last_line, args);
  }
}

}  // namespace zav
