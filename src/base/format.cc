#include "base/format.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace zav {
namespace {

// An output buffer that is written to the stream when full and at the end.
class Sink {
 public:
  explicit Sink(FILE* out) : out_(out) {}
  ~Sink() { Flush(); }
  void Put(char c) {
    if (used_ == sizeof buffer_) Flush();
    buffer_[used_++] = c;
  }
  void Put(const char* s, size_t n) {
    if (n > sizeof buffer_ - used_) {
      Flush();
      if (n > sizeof buffer_) {
        std::fwrite(s, 1, n, out_);
        return;
      }
    }
    std::memcpy(buffer_ + used_, s, n);
    used_ += n;
  }
  void Pad(char c, int n) {
    for (; n > 0; --n) Put(c);
  }
  void Flush() {
    if (used_ > 0) std::fwrite(buffer_, 1, used_, out_);
    used_ = 0;
  }

 private:
  FILE* out_;
  char buffer_[4096];
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

void PutInteger(Sink& sink, const Conversion& conv, int64_t value) {
  char digits[24];
  int n = 0;
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  do {
    digits[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  const char sign = value < 0 ? '-' : conv.plus ? '+' : conv.space ? ' ' : '\0';
  const int length = n + (sign != '\0' ? 1 : 0);
  const int pad = conv.width > length ? conv.width - length : 0;
  if (!conv.left && !conv.zero) sink.Pad(' ', pad);
  if (sign != '\0') sink.Put(sign);
  if (!conv.left && conv.zero) sink.Pad('0', pad);
  while (n > 0) sink.Put(digits[--n]);
  if (conv.left) sink.Pad(' ', pad);
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

}  // namespace

void FormatTo(FILE* out, const char* format, va_list args) {
  Sink sink(out);
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
      sink.Flush();
      std::vfprintf(out, start, args);
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
        sink.Flush();
        std::vfprintf(out, start, args);
        return;
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

}  // namespace zav
