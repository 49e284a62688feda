// A printf-compatible formatter for the report stream.
//
// Reports are written through printf formats, and most conversions are
// integers and strings with flags and widths. Those are formatted here
// directly; every other conversion (floating point, hexadecimal, ...) is
// handed to the C library one conversion at a time, so the output is the
// same as vfprintf's.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <string>

namespace zav {

// Formats `format` with `args` like vfprintf and writes the result to
// `out`.
void FormatTo(FILE* out, const char* format, va_list args);

// Writes `n` bytes to `out` like fwrite, from the report's one thread: a
// piece that fits into the stream's buffer is copied there directly, as
// putc does, instead of through a library call for each piece.
inline void WriteToStream(FILE* out, const char* s, size_t n) {
#ifdef __GLIBC__
  // Line-buffered and unbuffered streams keep no room here, so every byte
  // of theirs still goes through the library.
  if (static_cast<size_t>(out->_IO_write_end - out->_IO_write_ptr) > n) {
    __builtin_memcpy(out->_IO_write_ptr, s, n);
    out->_IO_write_ptr += n;
    return;
  }
#endif
  fwrite_unlocked(s, 1, n, out);
}

// Formats like snprintf and appends the result to `text`.
void FormatAppend(std::string& text, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// The digits of |value| with `precision` (0 to 3) decimals as "%.Nf"
// writes them: the exact binary value rounded to the nearest, a half to the
// even last digit. Written to `digits` (room for 24), without a sign; the
// count comes back, or 0 when the value is not finite, the precision out of
// range or the value too large (the C library then formats it).
int FixedDecimal(double value, int precision, char* digits);

}  // namespace zav
