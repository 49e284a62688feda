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

namespace zav {

// Formats `format` with `args` like vfprintf and writes the result to
// `out`.
void FormatTo(FILE* out, const char* format, va_list args);

}  // namespace zav
