// Quoting of CSV fields.
#pragma once

#include <string>
#include <string_view>

namespace zav {

// The text as one CSV field: a text holding a comma, a double quote, a
// carriage return or a line feed comes back enclosed in double quotes with
// every inner double quote doubled; any other text comes back unchanged.
//
// Callers pass the whole field, blanks included: a row written as
// "File, %s" quotes " a,b.c" as `" a,b.c"`, so that the quote opens the
// field as CSV readers require.
std::string CsvField(std::string_view text);

// Each line of a multi-line text as a record of one field (CsvField), for
// prose written into a CSV report. The line ends are kept.
std::string CsvLines(std::string_view text);

}  // namespace zav
