// Text from sources and file names made fit for an XML document.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "zav/global_data.h"

namespace zav {

// The length of the well-formed UTF-8 sequence at the start of `s`, or 0.
// Overlong forms, surrogates and code points above U+10FFFF are not
// well-formed.
size_t Utf8SequenceLength(std::string_view s);

// The text as XML character data, valid UTF-8 whatever bytes it holds:
// - `"`, `&`, `'`, `<` and `>` become entities;
// - every well-formed UTF-8 sequence is copied;
// - every other byte of 0x80 or above is taken as a Latin-1 character and
//   written in its UTF-8 form (0xE9 becomes C3 A9);
// - a control character other than tab, line feed and carriage return, and
//   the non-characters U+FFFE and U+FFFF, which XML does not allow, become
//   "?".
// The result holds at most `limit` bytes; it is cut before the first piece
// that does not fit, never inside an entity or a UTF-8 sequence.
std::string XmlText(std::string_view text, size_t limit);

// A file or directory name quoted in a message on the report stream:
// escaped (XmlText) when the report is XML, else unchanged.
std::string MessageName(const GlobalData& G, std::string_view name);

}  // namespace zav
