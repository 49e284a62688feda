// Reading the text of class headers and member declarations: the class
// name, its inheritance list, and how many data members a declaration
// declares.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "zav/global_data.h"

namespace zav {

// A letter, "_" or "~": a character a class or namespace name starts with.
inline bool IsNameStart(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || c == '_' || c == '~';
}

// The class name of a class header, read from text[pos] on ("A::B" and
// "<...>" lists taken whole); export and calling-convention macros (names
// in the macro list) standing before it are passed over. `forward` is set
// when a ";" ends the name.
std::string_view ReadClassName(const GlobalData& G, std::string_view text,
                               size_t& pos, bool& forward);

// The raw inheritance text after the class name: all of it in Java, what
// follows the first single ":" otherwise.
std::string_view InheritancePart(const GlobalData& G, std::string_view rest);

// Cleans an inheritance text as written after a class name.
std::string CleanInheritance(const GlobalData& G, std::string_view text);

// Removes "[...]" attribute lists from a declaration (a "]" with no "["
// open stays). The text outside them is copied a run at a time.
std::string WithoutAttributes(std::string_view text);

// The declarators of a member declaration that declares data (its commas
// outside "<...>", "(...)", "[...]" and "{...}", plus one); 0 for a friend,
// using, typedef or static_assert declaration and for a method (or a macro
// invocation): a declaration whose first "(" outside "<...>" comes before
// any "=" and whose parenthesised text does not start with "*" or "&" (a
// pointer to function stays data). One pass finds both: the commas are
// counted from the start while the method test is still open.
int DataDeclarators(std::string_view text);

}  // namespace zav
