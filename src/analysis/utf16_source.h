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

// `head` is the start of a file already read, `file` the stream over the
// rest. When `head` begins with a UTF-16 byte-order mark, reads the rest
// and returns a stream over the whole file's UTF-8 text, kept in `text`;
// the caller closes that stream. Otherwise returns null and leaves `file`
// untouched.
FILE* OpenUtf16AsUtf8(std::string_view head, FILE* file, std::string& text);

}  // namespace zav
