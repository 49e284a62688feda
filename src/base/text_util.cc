#include "base/text_util.h"

#include <unistd.h>

#include <ctime>

#include "base/xml_text.h"

namespace zav {

std::string WrapName(const GlobalData& G, std::string_view name, int width,
                     int indent) {
  if (width <= 0 || name.size() <= static_cast<size_t>(width) ||
      !G.settings.wrap_long_names) {
    return std::string(name.substr(0, kReportTextMax));
  }
  std::string out;
  for (size_t i = 0; i < name.size() && out.size() < kReportTextMax; ++i) {
    if (i > 0 && i % width == 0) {
      out.push_back('\n');
      out.append(indent > 0 ? indent : 0, ' ');
    }
    out.push_back(name[i]);
  }
  if (out.size() > kReportTextMax) out.resize(kReportTextMax);
  return out;
}

std::string XmlEscape(std::string_view text) {
  return XmlText(text, kReportTextMax);
}

namespace {

std::string EscapeHtml(std::string_view text, bool quotes) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"':
        if (quotes) {
          out += "&quot;";
        } else {
          out.push_back(c);
        }
        break;
      case '\'':
        if (quotes) {
          out += "&#39;";
        } else {
          out.push_back(c);
        }
        break;
      default: out.push_back(c); break;
    }
  }
  return out;
}

}  // namespace

std::string HtmlText(std::string_view text) { return EscapeHtml(text, false); }

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
  char buffer[64];
  // The C library's asctime layout: day of month padded with a blank.
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
