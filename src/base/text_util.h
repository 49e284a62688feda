// Small text routines shared by every report section: wrapping of long
// names, XML and HTML escaping, file hyperlinks, date texts and the running
// minimum/maximum of the summary rows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "zav/global_data.h"

namespace zav {

// Output texts of these routines hold at most this many characters.
inline constexpr size_t kReportTextMax = 2047;

// The name broken into lines of `width` characters: before every character
// whose index is a positive multiple of `width`, a line end and `indent`
// blanks are inserted. Only when the name is longer than `width` and "wrap
// long names in reports" is Yes; otherwise the name comes back unchanged.
// The result is cut at 2,047 characters.
std::string WrapName(const GlobalData& G, std::string_view name, int width,
                     int indent);

// The text with `"`, `&`, `'`, `<` and `>` written as XML entities and
// made valid UTF-8 (see XmlText). Cut at 2,047 bytes.
std::string XmlEscape(std::string_view text);

// The text with `&`, `<` and `>` written as entities, for the content of the
// HTML report (quotes stay as they are, so ordinary texts keep their bytes).
std::string HtmlText(std::string_view text);

// Appends HtmlText(text) to `out`.
void AppendHtmlText(std::string& out, std::string_view text);

// HtmlText that also writes a double quote as "&quot;" and an apostrophe as
// "&#39;", for names and source text shown in the HTML report.
std::string HtmlEscape(std::string_view text);

// The href of a source file in the HTML report, relative to the current
// working directory or as a "file://" URL (see MakeFileLinkFrom).
std::string MakeFileLink(const GlobalData& G, std::string_view path);

// MakeFileLink with the working directory `cwd` and the "relative html
// links" setting given explicitly.
std::string MakeFileLinkFrom(std::string_view path, std::string_view cwd,
                             bool relative_links);

// The C library's 24-character local-time text ("Wed Jan  3 09:05:00 2024")
// without its line end.
std::string FormatFileTime(int64_t time);

// Local time as "%b %d, %Y" ("Jan 03, 2024").
std::string FormatRunDate(int64_t time);

// The href of the XML style sheet: unchanged when it already holds
// "file:///" or begins with "/" or "."; otherwise "file:///" followed by the
// path with every "\" turned into "/".
std::string XmlStylesheetHref(std::string_view path);

// Running extremes of a report column. The minimum takes the value on the
// first row (`first` is 1) or when the value is below it; the maximum takes
// a value above it; a negative minimum is then clamped to 0.
// Inline: called for every measure of every record in the project reports.
inline void TrackMinMax(int value, int& minimum, int& maximum, int first) {
  if (first == 1 || value < minimum) minimum = value;
  if (value > maximum) maximum = value;
  if (minimum < 0) minimum = 0;
}
inline void TrackMinMax(double value, double& minimum, double& maximum, int first) {
  if (first == 1 || value < minimum) minimum = value;
  if (value > maximum) maximum = value;
  if (minimum < 0) minimum = 0;
}

}  // namespace zav
