#include "base/format.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace zav {
namespace {

// An output buffer that is written to the stream (or appended to the
// string) when full and at the end.
class Sink {
 public:
  explicit Sink(FILE* out) : out_(out) {}
  explicit Sink(std::string& text) : text_(&text) {}
  ~Sink() { Flush(); }
  [[gnu::always_inline]] void Put(char c) {
    if (used_ == sizeof buffer_) Flush();
    buffer_[used_++] = c;
  }
  [[gnu::always_inline]] void Put(const char* s, size_t n) {
    if (n > sizeof buffer_ - used_) {
      Flush();
      if (n > sizeof buffer_) {
        Write(s, n);
        return;
      }
    }
    std::memcpy(buffer_ + used_, s, n);
    used_ += n;
  }
  // Room for `n` bytes (at most the buffer's size) at the returned place;
  // Advance takes the end of what was written there.
  [[gnu::always_inline]] char* Room(size_t n) {
    if (n > sizeof buffer_ - used_) Flush();
    return buffer_ + used_;
  }
  [[gnu::always_inline]] void Advance(char* end) { used_ = static_cast<size_t>(end - buffer_); }
  static constexpr size_t kRoomLimit = 512;
  void Pad(char c, int n) {
    if (n <= 0) return;
    if (static_cast<size_t>(n) > sizeof buffer_ - used_) {
      for (; n > 0; --n) Put(c);
      return;
    }
    std::memset(buffer_ + used_, c, static_cast<size_t>(n));
    used_ += static_cast<size_t>(n);
  }
  void Flush() {
    if (used_ > 0) Write(buffer_, used_);
    used_ = 0;
  }
  // Hands what is buffered to the C library, which then writes to the
  // stream itself; only where the output is a stream.
  FILE* Stream() {
    Flush();
    return out_;
  }
  std::string* Text() { return text_; }

 private:
  void Write(const char* s, size_t n) {
    if (text_ != nullptr) {
      text_->append(s, n);
    } else {
      WriteToStream(out_, s, n);
    }
  }

  FILE* out_ = nullptr;
  std::string* text_ = nullptr;
  char buffer_[1024];
  size_t used_ = 0;
};

struct Conversion {
  bool left = false, zero = false, plus = false, space = false, alt = false;
  int width = -1;      // -1: none
  int precision = -1;  // -1: none
  int length = 0;      // 0 none, 1 'l', 2 'll', -1 'h', -2 'hh', 3 'z'
  char conversion = '\0';
};

// Writes a field of `n` characters padded to the conversion's width.
void PutField(Sink& sink, const Conversion& conv, const char* s, size_t n) {
  const int pad = conv.width > static_cast<int>(n) ? conv.width - static_cast<int>(n) : 0;
  if (!conv.left) sink.Pad(' ', pad);
  sink.Put(s, n);
  if (conv.left) sink.Pad(' ', pad);
}

// Writes `pad` copies of `c` at `at`, which has room for 16 more bytes
// than that: a short run is one 16-byte store.
[[gnu::always_inline]] inline char* PutRun(char* at, char c, int pad) {
  if (pad <= 16) {
    std::memset(at, c, 16);
    return at + pad;
  }
  return std::fill_n(at, pad, c);
}

// The number of decimal digits of `value`.
[[gnu::always_inline]] inline int DigitCount(uint64_t value) {
  int n = 1;
  for (; value >= 100; value /= 100) n += 2;
  return n + (value >= 10 ? 1 : 0);
}

// Writes the `n` digits of `value` at `at`, returning the end.
// Writes the digits of `value` two at a time so that they end at `end`;
// returns where they start.
[[gnu::always_inline]] inline char* PutDigitsBefore(char* end, uint64_t value) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  char* p = end;
  while (value >= 100) {
    p -= 2;
    std::memcpy(p, kPairs + 2 * (value % 100), 2);
    value /= 100;
  }
  if (value >= 10) {
    p -= 2;
    std::memcpy(p, kPairs + 2 * value, 2);
  } else {
    *--p = static_cast<char>('0' + value);
  }
  return p;
}

// Writes the `n` digits of `value` at `at`, returning the end; `n` is
// DigitCount(value).
[[gnu::always_inline]] inline char* PutDigits(char* at, uint64_t value, int n) {
  PutDigitsBefore(at + n, value);
  return at + n;
}

// Writes a field padded to the conversion's width: spaces before the sign,
// zeros after it, or spaces after the field. `put_body` writes the `n`
// characters after the sign at the place it is given.
template <typename PutBody>
[[gnu::always_inline]] inline void PutPadded(Sink& sink, const Conversion& conv, char sign,
                                             int n, PutBody put_body) {
  const int length = n + (sign != '\0' ? 1 : 0);
  const int pad = conv.width > length ? conv.width - length : 0;
  // The field and 16 bytes of room for the stores of PutRun; a field wider
  // than the buffer allows goes through a larger one.
  const size_t room = static_cast<size_t>(length + pad) + 16;
  std::string wide;
  char* const start = room <= Sink::kRoomLimit ? sink.Room(room) : (wide.resize(room), wide.data());
  char* at = start;
  if (!conv.left && !conv.zero) at = PutRun(at, ' ', pad);
  if (sign != '\0') *at++ = sign;
  if (!conv.left && conv.zero) at = PutRun(at, '0', pad);
  at = put_body(at);
  if (conv.left) at = PutRun(at, ' ', pad);
  if (wide.empty()) {
    sink.Advance(at);
  } else {
    sink.Put(wide.data(), static_cast<size_t>(at - start));
  }
}

void PutNumber(Sink& sink, const Conversion& conv, char sign, const char* digits,
               int n) {
  PutPadded(sink, conv, sign, n, [&](char* at) { return std::copy_n(digits, n, at); });
}

char SignOf(const Conversion& conv, bool negative) {
  return negative ? '-' : conv.plus ? '+' : conv.space ? ' ' : '\0';
}

// A plain "%d" or "%ld".
[[gnu::always_inline]] inline void PutPlainInteger(Sink& sink, int64_t value) {
  char* at = sink.Room(24);
  uint64_t magnitude = static_cast<uint64_t>(value);
  if (value < 0) {
    *at++ = '-';
    magnitude = 0 - magnitude;
  }
  sink.Advance(PutDigits(at, magnitude, DigitCount(magnitude)));
}

void PutInteger(Sink& sink, const Conversion& conv, int64_t value) {
  const uint64_t magnitude =
      value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  const int n = DigitCount(magnitude);
  PutPadded(sink, conv, SignOf(conv, value < 0), n,
            [&](char* at) { return PutDigits(at, magnitude, n); });
}

// Parses the conversion that starts after '%' at *p; advances *p past it.
// Returns false when it holds something this formatter does not parse
// ('*' widths), so the caller hands it to the C library.
bool ParseConversion(const char*& p, Conversion& conv) {
  for (;; ++p) {
    switch (*p) {
      case '-': conv.left = true; continue;
      case '0': conv.zero = true; continue;
      case '+': conv.plus = true; continue;
      case ' ': conv.space = true; continue;
      case '#': conv.alt = true; continue;
      default: break;
    }
    break;
  }
  if (*p == '*') return false;
  if (*p >= '0' && *p <= '9') {
    conv.width = 0;
    while (*p >= '0' && *p <= '9') conv.width = conv.width * 10 + (*p++ - '0');
  }
  if (*p == '.') {
    ++p;
    if (*p == '*') return false;
    conv.precision = 0;
    while (*p >= '0' && *p <= '9') conv.precision = conv.precision * 10 + (*p++ - '0');
  }
  if (*p == 'l') {
    conv.length = 1;
    if (*++p == 'l') {
      conv.length = 2;
      ++p;
    }
  } else if (*p == 'h') {
    conv.length = -1;
    if (*++p == 'h') {
      conv.length = -2;
      ++p;
    }
  } else if (*p == 'z') {
    conv.length = 3;
    ++p;
  }
  conv.conversion = *p;
  if (*p != '\0') ++p;
  return true;
}

void FormatCore(Sink& sink, const char* format, va_list args);

// The rest of a format that this formatter does not take apart, from
// `start` on, formatted by the C library.
void PutRest(Sink& sink, const char* start, va_list args) {
  std::string* text = sink.Text();
  if (text == nullptr) {
    std::vfprintf(sink.Stream(), start, args);
    return;
  }
  sink.Flush();
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, start, copy);
  va_end(copy);
  if (n <= 0) return;
  const size_t at = text->size();
  text->resize(at + static_cast<size_t>(n) + 1);
  std::vsnprintf(text->data() + at, static_cast<size_t>(n) + 1, start, args);
  text->resize(at + static_cast<size_t>(n));
}

uint64_t LargeFixedUnits(double value, int precision);
int PutFixedDigits(uint64_t units, int precision, char* digits);

}  // namespace

int FixedDecimal(double value, int precision, char* digits) {
  static constexpr uint64_t kScale[] = {1, 10, 100, 1000};
  if (!std::isfinite(value) || precision < 0 || precision > 3) return 0;
  uint64_t units = 0;
  // A double is mantissa / 2^shift. Below 2^52 the shift is positive and
  // the scaled mantissa (53 bits times at most 1000) fits in 64 bits, so
  // the units and the rounding are found exactly in integers; below 2^-11
  // the scaled value is under a half and rounds to 0.
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const int shift = 1075 - static_cast<int>((bits >> 52) & 0x7ff);
  if (shift >= 64) {
    units = 0;
  } else if (shift >= 1) {
    const uint64_t mantissa = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
    const uint64_t product = mantissa * kScale[precision];
    units = product >> shift;
    const uint64_t rest = product & ((uint64_t{1} << shift) - 1);
    const uint64_t half = uint64_t{1} << (shift - 1);
    if (rest > half || (rest == half && (units & 1) != 0)) ++units;
  } else {
    units = LargeFixedUnits(value, precision);
    if (units == 0) return 0;
  }
  return PutFixedDigits(units, precision, digits);
}

namespace {

// |value| * 10^precision rounded to the nearest, a half to even, for a
// value of 2^52 or more; 0 when it is too large.
uint64_t LargeFixedUnits(double value, int precision) {
  static constexpr uint64_t kScale[] = {1, 10, 100, 1000};
  // A double's 53-bit mantissa times at most 1000 (10 bits) fits in the
  // 64-bit mantissa of long double: the scaled value and its fraction are
  // exact, so the rounding decision is too.
  const long double scaled = std::fabs(static_cast<long double>(value)) * kScale[precision];
  if (!(scaled < 0x1p62L)) return 0;
  uint64_t units = static_cast<uint64_t>(scaled);
  const long double fraction = scaled - static_cast<long double>(units);
  if (fraction > 0.5L || (fraction == 0.5L && (units & 1) != 0)) ++units;
  return units;
}

// The digits of `units` with `precision` decimals (0 to 3), at least one
// integer digit; returns their count. `units` is below 2^63.
int PutFixedDigits(uint64_t units, int precision, char* digits) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  // Each precision divides by its own constant, which the compiler turns
  // into a multiplication.
  uint64_t whole = units;
  uint64_t part = 0;
  switch (precision) {
    case 1: whole = units / 10; part = units % 10; break;
    case 2: whole = units / 100; part = units % 100; break;
    case 3: whole = units / 1000; part = units % 1000; break;
    default: break;
  }
  char* at = PutDecimal(digits, static_cast<int64_t>(whole));
  if (precision > 0) *at++ = '.';
  switch (precision) {
    case 1:
      *at++ = static_cast<char>('0' + part);
      break;
    case 2:
      std::memcpy(at, kPairs + 2 * part, 2);
      at += 2;
      break;
    case 3:
      *at++ = static_cast<char>('0' + part / 100);
      std::memcpy(at, kPairs + 2 * (part % 100), 2);
      at += 2;
      break;
    default:
      break;
  }
  return static_cast<int>(at - digits);
}

}  // namespace

void FormatTo(FILE* out, const char* format, va_list args) {
  Sink sink(out);
  FormatCore(sink, format, args);
}

void FormatAppend(std::string& text, const char* format, ...) {
  va_list args;
  va_start(args, format);
  {
    Sink sink(text);
    FormatCore(sink, format, args);
  }
  va_end(args);
}

namespace {

void FormatCore(Sink& sink, const char* format, va_list args) {
  const char* p = format;
  while (*p != '\0') {
    if (*p != '%') {
      const char* next = std::strchr(p, '%');
      const size_t n = next != nullptr ? static_cast<size_t>(next - p) : std::strlen(p);
      sink.Put(p, n);
      p += n;
      continue;
    }
    const char* start = p++;
    // The plain conversions first: most are.
    if (*p == 'd') {
      PutPlainInteger(sink, va_arg(args, int));
      ++p;
      continue;
    }
    if (*p == 's') {
      const char* s = va_arg(args, const char*);
      if (s == nullptr) s = "(null)";
      sink.Put(s, std::strlen(s));
      ++p;
      continue;
    }
    if (p[0] == 'l' && p[1] == 'd') {
      PutPlainInteger(sink, va_arg(args, long));
      p += 2;
      continue;
    }
    if (*p == '%') {
      sink.Put('%');
      ++p;
      continue;
    }
    Conversion conv;
    const bool parsed = ParseConversion(p, conv);
    const char c = conv.conversion;
    if (parsed && (c == 'd' || c == 'i') && conv.precision < 0 && conv.length >= 0) {
      int64_t v;
      if (conv.length == 2) {
        v = va_arg(args, long long);
      } else if (conv.length == 1) {
        v = va_arg(args, long);
      } else if (conv.length == 3) {
        v = static_cast<int64_t>(va_arg(args, size_t));
      } else {
        v = va_arg(args, int);
      }
      PutInteger(sink, conv, v);
      continue;
    }
    if (parsed && c == 's' && !conv.zero) {
      const char* s = va_arg(args, const char*);
      if (s == nullptr) s = "(null)";
      size_t n = conv.precision >= 0 ? strnlen(s, static_cast<size_t>(conv.precision))
                                     : std::strlen(s);
      PutField(sink, conv, s, n);
      continue;
    }
    if (parsed && c == 'c' && conv.precision < 0) {
      const char ch = static_cast<char>(va_arg(args, int));
      PutField(sink, conv, &ch, 1);
      continue;
    }
    // Everything else: this one conversion by the C library.
    char conversion[64];
    const size_t length = static_cast<size_t>(p - start);
    if (!parsed || length >= sizeof conversion) {
      // A conversion this formatter does not take apart: the rest of the
      // format goes to the C library as it is.
      PutRest(sink, start, args);
      return;
    }
    std::memcpy(conversion, start, length);
    conversion[length] = '\0';
    // Fetch the argument by its type, then format it (again in a larger
    // buffer when the field is wider than the first one).
    union {
      double real;
      unsigned long unsigned_long;
      unsigned unsigned_int;
      long signed_long;
      int signed_int;
      const void* pointer;
    } value;
    int kind;  // 0 real, 1 unsigned long, 2 unsigned, 3 long, 4 int, 5 pointer
    switch (c) {
      case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A':
        value.real = va_arg(args, double);
        kind = 0;
        break;
      case 'u': case 'x': case 'X': case 'o':
        if (conv.length >= 1) {
          value.unsigned_long = va_arg(args, unsigned long);
          kind = 1;
        } else {
          value.unsigned_int = va_arg(args, unsigned);
          kind = 2;
        }
        break;
      case 'd': case 'i':
        if (conv.length >= 1) {
          value.signed_long = va_arg(args, long);
          kind = 3;
        } else {
          value.signed_int = va_arg(args, int);
          kind = 4;
        }
        break;
      case 'p': case 's':
        value.pointer = va_arg(args, const void*);
        kind = 5;
        break;
      default:
        PutRest(sink, start, args);
        return;
    }
    // Fixed-point figures with a few decimals, the reports' percentages and
    // averages, are written here.
    if (c == 'f' && conv.precision >= 0 && !conv.alt && conv.length == 0) {
      char digits[24];
      const int n = FixedDecimal(value.real, conv.precision, digits);
      if (n > 0) {
        PutNumber(sink, conv, SignOf(conv, std::signbit(value.real)), digits, n);
        continue;
      }
    }
    auto format_into = [&](char* buffer, size_t size) {
      switch (kind) {
        case 0: return std::snprintf(buffer, size, conversion, value.real);
        case 1: return std::snprintf(buffer, size, conversion, value.unsigned_long);
        case 2: return std::snprintf(buffer, size, conversion, value.unsigned_int);
        case 3: return std::snprintf(buffer, size, conversion, value.signed_long);
        case 4: return std::snprintf(buffer, size, conversion, value.signed_int);
        default: return std::snprintf(buffer, size, conversion, value.pointer);
      }
    };
    char buffer[512];
    const int written = format_into(buffer, sizeof buffer);
    if (written < 0) continue;
    if (static_cast<size_t>(written) < sizeof buffer) {
      sink.Put(buffer, static_cast<size_t>(written));
    } else {
      std::string wide(static_cast<size_t>(written) + 1, '\0');
      format_into(wide.data(), wide.size());
      sink.Put(wide.data(), static_cast<size_t>(written));
    }
  }
}

}  // namespace
LineBuilder& LineBuilder::Number(int64_t value, int width, bool left) {
  // Room for the padding, the sign and digits (20 at most) and the 16-byte
  // stores of PutRun.
  char* const start = Room(static_cast<size_t>(width > 0 ? width : 0) + 40);
  if (left) {  // the digits go straight into the line, the padding after them
    char* at = PutDecimal(start, value);
    const int pad = width - static_cast<int>(at - start);
    if (pad > 0) at = PutRun(at, ' ', pad);
    used_ += static_cast<size_t>(at - start);
    return *this;
  }
  // Right-aligned within a field of at most 16 that holds the figure: the
  // field is blanked as one block and the digits written from its end back.
  static constexpr uint64_t kFieldLimit[17] = {
      0, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000,
      10000000000, 100000000000, 1000000000000, 10000000000000, 100000000000000,
      1000000000000000, 10000000000000000};
  if (width >= 1 && width <= 16 && value >= 0 &&
      static_cast<uint64_t>(value) < kFieldLimit[width]) {
    std::memset(start, ' ', 16);
    PutDigitsBefore(start + width, static_cast<uint64_t>(value));
    used_ += static_cast<size_t>(width);
    return *this;
  }
  // Otherwise the digits are counted in a scratch buffer first and then
  // moved as one fixed block of 24 bytes behind the padding.
  char digits[24];
  const int length = static_cast<int>(PutDecimal(digits, value) - digits);
  const int pad = width > length ? width - length : 0;
  char* at = PutRun(start, ' ', pad);
  std::memcpy(at, digits, 24);
  at += length;
  used_ += static_cast<size_t>(at - start);
  return *this;
}

LineBuilder& LineBuilder::Fixed(double value, int width, int precision) {
  char digits[24];
  const int n = FixedDecimal(value, precision, digits);
  if (n == 0) {  // beyond FixedDecimal: the C library's digits
    char text[512];
    const int length = std::snprintf(text, sizeof text, "%*.*f", width, precision, value);
    return Text(std::string_view(text, length > 0 ? std::min<size_t>(length, sizeof text - 1) : 0));
  }
  const bool negative = std::signbit(value);
  const int length = n + (negative ? 1 : 0);
  const int pad = width > length ? width - length : 0;
  // Room for the 16-byte stores of PutRun and the digits' buffer copied whole.
  char* at = Room(static_cast<size_t>(length + pad) + sizeof digits);
  char* const start = at;
  at = PutRun(at, ' ', pad);
  if (negative) *at++ = '-';
  std::memcpy(at, digits, sizeof digits);
  at += n;
  used_ += static_cast<size_t>(at - start);
  return *this;
}

void LineBuilder::Grow(size_t n) {
  const size_t capacity = std::max(capacity_ * 2, used_ + n);
  const bool in_buffer = data_ == buffer_;
  spill_.resize(capacity);  // keeps what the spill held
  if (in_buffer) std::memcpy(spill_.data(), buffer_, used_);
  data_ = spill_.data();
  capacity_ = capacity;
}

}  // namespace zav
