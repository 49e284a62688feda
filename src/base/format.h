// A printf-compatible formatter for the report stream.
//
// Reports are written through printf formats, and most conversions are
// integers and strings with flags and widths. Those are formatted here
// directly; every other conversion (floating point, hexadecimal, ...) is
// handed to the C library one conversion at a time, so the output is the
// same as vfprintf's.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

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

// Room for more than `n` bytes in the buffer of `out`, written in place
// and handed back with StreamCommit; null when the buffer has less room
// (or the stream none), and the caller then writes through WriteToStream.
inline char* StreamRoom(FILE* out, size_t n) {
#ifdef __GLIBC__
  if (static_cast<size_t>(out->_IO_write_end - out->_IO_write_ptr) > n) {
    return out->_IO_write_ptr;
  }
#endif
  (void)out;
  (void)n;
  return nullptr;
}

// Takes the end of what was written at StreamRoom's place.
inline void StreamCommit([[maybe_unused]] FILE* out, [[maybe_unused]] char* end) {
#ifdef __GLIBC__
  out->_IO_write_ptr = end;
#endif
}

// Writes `value` in decimal at `at` (room for 20 bytes), returning the end:
// the digits are counted first, then written from the last two at a time.
[[gnu::always_inline]] inline char* PutDecimal(char* at, int64_t value) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  uint64_t u = static_cast<uint64_t>(value);
  // Most figures are below 100 (a negative one is not, as unsigned).
  if (u < 10) {
    *at = static_cast<char>('0' + u);
    return at + 1;
  }
  if (u < 100) {
    std::memcpy(at, kPairs + u * 2, 2);
    return at + 2;
  }
  // Line numbers mostly have three or four digits.
  if (u < 1000) {
    *at = static_cast<char>('0' + u / 100);
    std::memcpy(at + 1, kPairs + (u % 100) * 2, 2);
    return at + 3;
  }
  if (u < 10000) {
    std::memcpy(at, kPairs + (u / 100) * 2, 2);
    std::memcpy(at + 2, kPairs + (u % 100) * 2, 2);
    return at + 4;
  }
  if (value < 0) {
    *at++ = '-';
    u = 0 - u;
  }
  // Most figures have one to three digits.
  int digits = 1;
  if (u >= 10) {
    digits = 2;
    if (u >= 100) {
      digits = 3;
      for (uint64_t rest = u / 1000; rest > 0; rest /= 10) ++digits;
    }
  }
  char* end = at + digits;
  char* p = end;
  for (; u >= 100; u /= 100) {
    p -= 2;
    std::memcpy(p, kPairs + (u % 100) * 2, 2);
  }
  if (u >= 10) {
    std::memcpy(p - 2, kPairs + u * 2, 2);
  } else {
    p[-1] = static_cast<char>('0' + u);
  }
  return end;
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

// One report line of literal text and integers, built in place: for the
// lines written for every function and class, where a printf format would
// be taken apart again for each. Integers are padded as "%Nld" and
// "%-Nld" pad them, never cut.
class LineBuilder {
 public:
  LineBuilder() = default;
  LineBuilder(const LineBuilder&) = delete;
  LineBuilder& operator=(const LineBuilder&) = delete;
  LineBuilder& Text(std::string_view text) {
    char* at = Room(text.size());
    __builtin_memcpy(at, text.data(), text.size());
    used_ += text.size();
    return *this;
  }
  // "%-<width>ld"
  LineBuilder& Left(int64_t value, int width) {
    // Most figures of a report line are small: the field of at most 16
    // is blanked as one block and the digits written at its start.
    if (static_cast<uint64_t>(value) < 10000 && width >= 0 && width <= 16 &&
        used_ + 16 <= capacity_) {
      char* const at = data_ + used_;
      std::memset(at, ' ', 16);
      const int length = static_cast<int>(PutDecimal(at, value) - at);
      used_ += static_cast<size_t>(width > length ? width : length);
      return *this;
    }
    return Number(value, width, true);
  }
  // "%<width>ld"
  LineBuilder& Right(int64_t value, int width) {
    // As Left, the digits written at the end of the blanked field.
    const uint64_t u = static_cast<uint64_t>(value);
    if (u < 10000 && width <= 16 && used_ + 16 <= capacity_) {
      const int length = 1 + (u >= 10) + (u >= 100) + (u >= 1000);
      if (width >= length) {
        char* const at = data_ + used_;
        std::memset(at, ' ', 16);
        PutDecimal(at + width - length, value);
        used_ += static_cast<size_t>(width);
        return *this;
      }
    }
    return Number(value, width, false);
  }
  // "%<width>.<precision>f"
  LineBuilder& Fixed(double value, int width, int precision);
  std::string_view View() const { return {data_, used_}; }
  void Clear() { used_ = 0; }

 private:
  LineBuilder& Number(int64_t value, int width, bool left);
  char* Room(size_t n) {
    if (used_ + n > capacity_) Grow(n);
    return data_ + used_;
  }
  void Grow(size_t n);

  char buffer_[256];
  std::string spill_;  // a line longer than the buffer
  char* data_ = buffer_;
  size_t capacity_ = sizeof buffer_;
  size_t used_ = 0;
};

}  // namespace zav
