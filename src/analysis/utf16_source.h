// UTF-16 sources: a file that begins with a UTF-16 byte-order mark (FF FE
// little-endian, FE FF big-endian) is read as its UTF-8 text.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace zav {

// The UTF-8 form of UTF-16 `bytes` (without the byte-order mark). An
// unpaired surrogate becomes U+FFFD; an odd last byte is dropped.
std::string Utf16ToUtf8(std::string_view bytes, bool little_endian);

// True when `head`, the start of a file, begins with a UTF-16 byte-order
// mark.
bool StartsWithUtf16Mark(std::string_view head);

// A stream over the UTF-8 text of `bytes`, a whole file that begins with
// a UTF-16 byte-order mark, kept in `text`; the caller closes the stream.
// Null when `bytes` has no such mark.
FILE* OpenUtf16AsUtf8(std::string_view bytes, std::string& text);

}  // namespace zav
