// Shared pieces of every report: centring, section titles, rules, colours.
#pragma once

#include <string>
#include <string_view>

#include "zav/global_data.h"

namespace zav {

inline constexpr const char* kHyphens36 = "------------------------------------";
inline constexpr const char* kUnderscores36 =
    "____________________________________";

// The active format (HTML wins over CSV, CSV over XML).
inline ReportFormat Fmt(const GlobalData& G) { return G.sw.Format(); }

// One of the 28 HTML colours.
inline const char* Color(const GlobalData& G, ColorId id) {
  return G.settings.colors[id].c_str();
}

// A report label in the active format. In HTML the label's words, from
// the first non-blank character to its last ":" (or its last non-blank
// character when it has none), are wrapped in <b> ... </b>; the blanks
// around them stay outside. Other formats get the label unchanged.
std::string Label(const GlobalData& G, std::string_view label);

// Writes the text centred on a 76-column page: one blank, then
// max(0, 37 - len/2) more blanks, the text and a line end. Text beyond
// 2,047 characters is cut.
void CenterLine(GlobalData& G, std::string_view text);

// Writes `markup` indented as `visible` (the text a reader sees once the
// markup is rendered) would be by CenterLine, then a line end.
void CenterHtmlLine(GlobalData& G, std::string_view visible,
                    std::string_view markup);

// Writes `title` centred (CenterLine), in HTML in bold and the header
// colour; CSV and XML get nothing.
void CenterTitle(GlobalData& G, std::string_view title);

// Opens a report section titled `title` ("~~ Title ~~") in the active
// format: text and HTML the hyphen rule and the centred title (HTML in the
// header colour) and an empty line; CSV the line `csv_title`; XML
// "<report>" and a `name` element holding `csv_title`.
void WriteSectionTitle(GlobalData& G, std::string_view title,
                       std::string_view csv_title);

// Closes a section opened by WriteSectionTitle: "</report>" in XML,
// nothing in the other formats.
void WriteSectionEnd(GlobalData& G);

// "<name>value</name>" lines of the XML report; XmlReal formats the value
// with the printf `format`.
void XmlInt(GlobalData& G, const std::string& name, long long value);
void XmlReal(GlobalData& G, const std::string& name, const char* format,
             double value);

// WrapName(G, name, width, indent) without a copy for a name that fits
// in `width`, as most do: the wrapped text is made in `room` otherwise.
std::string_view ShownName(const GlobalData& G, std::string_view name, int width, int indent,
                           std::string& room);

// Writes the hyphen rule "\n  ---...---\n\n" (72 hyphens).
void WriteHyphenRule(GlobalData& G);

// Writes the underscore rule "  ___...___\n\n" (72 underscores) that
// separates the blocks of one file.
void WriteUnderscoreRule(GlobalData& G);

}  // namespace zav
