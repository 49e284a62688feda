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

// Builds CSV text from a form written for reading (a notice text, say):
// the commas and line ends of the form's own text separate fields, and the
// values filled in (names, descriptions) are part of the field they stand
// in, commas and all. Each field then goes through CsvField, so a form
// whose values hold no comma, quote or line break comes out unchanged.
class CsvFormWriter {
 public:
  void Literal(std::string_view text);
  void Value(std::string_view text) { field_ += text; }
  // The text built so far, the open field closed.
  std::string Finish();

 private:
  std::string out_;
  std::string field_;
};

}  // namespace zav
