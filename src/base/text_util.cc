#include "base/text_util.h"

#include <unistd.h>

#include <cstring>
#include <ctime>

#include "base/byte_search.h"
#include "base/xml_text.h"

namespace zav {

std::string WrapName(const GlobalData& G, std::string_view name, int width,
                     int indent) {
  if (width <= 0 || name.size() <= static_cast<size_t>(width) ||
      !G.settings.wrap_long_names) {
    return std::string(name.substr(0, kReportTextMax));
  }
  // Pieces of `width` characters, each after the first on a line of its
  // own after the indent; cut to the report's text limit.
  std::string out;
  for (size_t i = 0; i < name.size() && out.size() < kReportTextMax; i += width) {
    if (i > 0) {
      out.push_back('\n');
      out.append(indent > 0 ? indent : 0, ' ');
    }
    out.append(name.substr(i, width));
  }
  if (out.size() > kReportTextMax) out.resize(kReportTextMax);
  return out;
}

std::string XmlEscape(std::string_view text) {
  return XmlText(text, kReportTextMax);
}

namespace {

// Copied in runs between the characters HTML escapes; the quotes are
// escaped only when `quotes` is set.
void AppendEscapedHtml(std::string& out, std::string_view text, bool quotes) {
  size_t run = 0;  // the start of the characters not yet copied
  for (size_t i = FindFirstOf<'&', '<', '>', '"', '\''>(text, 0); i < text.size();
       i = FindFirstOf<'&', '<', '>', '"', '\''>(text, i + 1)) {
    const char* entity = nullptr;
    switch (text[i]) {
      case '&': entity = "&amp;"; break;
      case '<': entity = "&lt;"; break;
      case '>': entity = "&gt;"; break;
      case '"': entity = quotes ? "&quot;" : nullptr; break;
      default: entity = quotes ? "&#39;" : nullptr; break;
    }
    if (entity == nullptr) continue;
    out.append(text.data() + run, i - run);
    out.append(entity);
    run = i + 1;
  }
  out.append(text.data() + run, text.size() - run);
}

std::string EscapeHtml(std::string_view text, bool quotes) {
  std::string out;
  out.reserve(text.size());
  AppendEscapedHtml(out, text, quotes);
  return out;
}

}  // namespace

std::string HtmlText(std::string_view text) { return EscapeHtml(text, false); }

void AppendHtmlText(std::string& out, std::string_view text) {
  AppendEscapedHtml(out, text, false);
}

std::string HtmlEscape(std::string_view text) { return EscapeHtml(text, true); }

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

}  // namespace

std::string MakeFileLinkFrom(std::string_view path, std::string_view cwd,
                             bool relative_links) {
  std::string p(path.substr(0, kReportTextMax));
  if (!p.empty() && IsSeparator(p.back())) p.pop_back();

  std::string link;
  if (!p.empty() && p[0] == '/') {
    link = p;
  } else if (relative_links && !cwd.empty() && p.find(cwd) != std::string::npos) {
    size_t rest = p.find(cwd) + cwd.size();
    if (rest < p.size() && IsSeparator(p[rest])) ++rest;
    link = p.substr(rest);
  } else if (p.size() > 1 && p[1] == ':') {
    link = p;
  } else if (p.size() > 1 && p[0] == '.' && IsSeparator(p[1])) {
    link = relative_links ? p : std::string(cwd) + p.substr(1);
  } else {
    link = relative_links ? p : std::string(cwd) + "/" + p;
  }
  if (!relative_links) link = "file://" + link;
  if (link.size() > kReportTextMax) link.resize(kReportTextMax);
  return link;
}

std::string MakeFileLink(const GlobalData& G, std::string_view path) {
  char cwd[4096];
  const char* dir = getcwd(cwd, sizeof cwd) != nullptr ? cwd : "";
  return MakeFileLinkFrom(path, dir, G.settings.relative_html_links);
}

std::string FormatFileTime(int64_t time) {
  time_t t = static_cast<time_t>(time);
  struct tm local;
  if (localtime_r(&t, &local) == nullptr) return "";
  // The C library's asctime layout, "Mon Nov 21 09:05:30 2022": day of
  // month padded with a blank. Written here for four-digit years (it is
  // done once per file), in the "C" locale's names, the program's locale.
  const int year = local.tm_year + 1900;
  if (year >= 1000 && year <= 9999) {
    static constexpr char kDays[] = "SunMonTueWedThuFriSat";
    static constexpr char kMonths[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    char text[24];
    auto two = [&text](int at, int value, char lead) {
      text[at] = value < 10 ? lead : static_cast<char>('0' + value / 10);
      text[at + 1] = static_cast<char>('0' + value % 10);
    };
    std::memcpy(text, kDays + 3 * local.tm_wday, 3);
    text[3] = ' ';
    std::memcpy(text + 4, kMonths + 3 * local.tm_mon, 3);
    text[7] = ' ';
    two(8, local.tm_mday, ' ');
    text[10] = ' ';
    two(11, local.tm_hour, '0');
    text[13] = ':';
    two(14, local.tm_min, '0');
    text[16] = ':';
    two(17, local.tm_sec, '0');
    text[19] = ' ';
    two(20, year / 100, '0');
    two(22, year % 100, '0');
    return std::string(text, sizeof text);
  }
  char buffer[64];
  std::strftime(buffer, sizeof buffer, "%a %b %e %H:%M:%S %Y", &local);
  return buffer;
}

std::string FormatRunDate(int64_t time) {
  time_t t = static_cast<time_t>(time);
  struct tm local;
  if (localtime_r(&t, &local) == nullptr) return "";
  char buffer[16];
  if (std::strftime(buffer, sizeof buffer, "%b %d, %Y", &local) == 0) return "";
  return buffer;
}

std::string XmlStylesheetHref(std::string_view path) {
  std::string p(path.substr(0, kReportTextMax));
  if (p.find("file:///") != std::string::npos ||
      (!p.empty() && (p[0] == '/' || p[0] == '.'))) {
    return p;
  }
  for (char& c : p) {
    if (c == '\\') c = '/';
  }
  return "file:///" + p;
}

}  // namespace zav
