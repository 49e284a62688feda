#include "analysis/skip_tokens.h"

#include <cstring>

#include "quality/notices.h"
#include "zav/notice_numbers.h"

namespace zav {
namespace {

bool Contains(const char* line, const std::string& token) {
  return !token.empty() && std::strstr(line, token.c_str()) != nullptr;
}

}  // namespace

bool ApplySkipTokens(GlobalData& G, const char* line) {
  const Settings& s = G.settings;
  ReaderState& r = G.reader;
  if (!s.skip_tokens_active) return true;
  const int32_t line_number = r.line_number;
  if (Contains(line, s.skip_start_token)) {
    // Raised before the skip state takes effect.
    RaiseNotice(G, kNoticeSkipLinesToken, line_number);
    r.skipping = true;
    return false;
  }
  if (Contains(line, s.skip_end_token)) {
    r.skipping = false;
    return false;
  }
  if (Contains(line, s.quality_skip_start_token)) {
    RaiseNotice(G, kNoticeSkipQualityToken, line_number);
    r.quality_skipping = true;
    return true;
  }
  if (Contains(line, s.quality_skip_end_token)) {
    r.quality_skipping = false;
    return true;
  }
  return !r.skipping;
}

}  // namespace zav
