// The report formatter must write exactly what the C library's printf does.
#include "base/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <string>

#include "test_support.h"

namespace zav {
namespace {

std::string Ours(const char* format, ...) {
  test::Harness h;
  va_list args;
  va_start(args, format);
  FormatTo(h.G().report.out, format, args);
  va_end(args);
  return h.Output();
}

std::string Library(const char* format, ...) {
  char buffer[4096];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  return buffer;
}

#define EXPECT_SAME(...) EXPECT_EQ(Ours(__VA_ARGS__), Library(__VA_ARGS__))

TEST(Format, IntegersWithFlagsAndWidths) {
  for (int v : {0, 7, -7, 12345678, -2147483647 - 1, 2147483647}) {
    EXPECT_SAME("%d|%-7d|%8d|%6d,%5d|%03d|%+d|% d|%i", v, v, v, v, v, v, v, v, v);
  }
  for (long v : {0L, -1L, 1234567890123L}) EXPECT_SAME("[%ld] [%-12ld] [%12ld]", v, v, v);
  EXPECT_SAME("%-600d|%0600ld|%17d|%-17d", -5, 7L, 3, 4);  // wider than the buffer and a short run
}

TEST(Format, StringsCharactersAndPercent) {
  EXPECT_SAME("%s|%-10s|%10s|%.3s|%-6.2s|%c|%3c|%%|100%%", "abc", "abc", "abc", "abcdef",
              "xyz", 'q', 'r');
  EXPECT_SAME("  Notice #%4d: Line %4d, %s\n", 22, 7, "'if' is not bound");
  EXPECT_SAME("%s", "");
}

TEST(Format, OtherConversionsGoToTheLibrary) {
  EXPECT_SAME("%5.1f%%,%5.1f%%|%-7.1f|%7.1f|%10.2f|%.0f|%-6.2f|%e|%g", 12.345, 0.0, 1.25,
              99.95, -3.14159, 2.5, 0.005, 12345.678, 0.0001);
  EXPECT_SAME("%x|%08X|%lu|%u|%o", 255u, 48879u, 4000000000UL, 42u, 8u);
  EXPECT_SAME("%*d|%.*f", 6, 42, 2, 3.14159);  // '*' handled by the library
  EXPECT_SAME("%600.1f", 1.5);                 // wider than the first buffer
}

std::string Fixed(double value, int precision) {
  char digits[24];
  return std::string(digits, static_cast<size_t>(FixedDecimal(value, precision, digits)));
}

// Halves round to the even digit; decimals that binary cannot hold round
// by the value actually stored (0.35 is 0.34999..., 1.005 is 1.00499...).
TEST(Format, FixedDecimalRoundsTheStoredValue) {
  EXPECT_EQ(Fixed(0.25, 1), "0.2");
  EXPECT_EQ(Fixed(0.75, 1), "0.8");
  EXPECT_EQ(Fixed(0.35, 1), "0.3");
  EXPECT_EQ(Fixed(2.5, 0), "2");
  EXPECT_EQ(Fixed(3.5, 0), "4");
  EXPECT_EQ(Fixed(0.125, 2), "0.12");
  EXPECT_EQ(Fixed(1.005, 2), "1.00");
  EXPECT_EQ(Fixed(-99.95, 1), "100.0");  // the sign is the caller's
  EXPECT_EQ(Fixed(1234.5, 3), "1234.500");
  EXPECT_EQ(Fixed(1e300, 1), "");  // too large: left to the library
  // Either side of 2^52 and of 2^-11, below which nothing rounds up.
  EXPECT_EQ(Fixed(4503599627370495.5, 0), "4503599627370496");
  EXPECT_EQ(Fixed(4503599627370496.0, 3), "4503599627370496.000");
  EXPECT_EQ(Fixed(0.00048828125, 3), "0.000");
  EXPECT_EQ(Fixed(0.0005, 3), "0.001");  // 0.000500000000000000010...
  EXPECT_EQ(Fixed(0.0, 2), "0.00");
  EXPECT_EQ(Fixed(5e-324, 1), "0.0");
  for (int e = -64; e <= 60; e += 4) {  // every binary exponent range, odd mantissas
    const double v = std::ldexp(0x1.fffffffffffffp0 - e * 0x1p-40, e);
    EXPECT_SAME("%.0f %.1f %.2f %.3f", v, v, v, v);
  }
  EXPECT_SAME("%5.1f|%-7.1f|%+.2f|%08.1f|% .0f|%.1f", 99.95f, -0.04, 0.125, -3.25, 0.5, -0.0);
  for (int i = -2000; i <= 2000; ++i) {
    const double v = i / 16.0 + i * 0.0001;
    EXPECT_SAME("%.0f %.1f %.2f %.3f %10.2f", v, v, v, v, v / 3);
  }
}

TEST(Format, AppendsToAString) {
  std::string text = "at ";
  FormatAppend(text, "%-4d|%s|%.1f|%*d", 7, "x", 2.25, 3, 5);
  EXPECT_EQ(text, "at 7   |x|2.2|  5");
}

// Numbers pad like "%-7ld" and "%8ld" and are never cut; a line longer than
// the builder's own buffer keeps every byte.
TEST(Format, LineBuilderPadsLikePrintf) {
  LineBuilder line;
  line.Text("  LOC ").Left(42, 7).Text("|").Right(-5, 4).Text("|").Left(123456789, 3);
  EXPECT_EQ(line.View(), "  LOC 42     |  -5|123456789");
  LineBuilder extremes;
  extremes.Right(INT64_MIN, 22).Text("|").Left(-10000, 7).Text("|");
  EXPECT_EQ(extremes.View(), "  -9223372036854775808|-10000 |");
  LineBuilder edges;  // a field just filled, one digit too narrow, none
  edges.Right(99999, 5).Text("|").Right(100000, 5).Text("|").Right(0, 0).Text("|").Right(7, 16);
  EXPECT_EQ(edges.View(), "99999|100000|0|               7");
  LineBuilder small;  // four digits fill a field of four; a fifth or a zero width spills it
  small.Left(9999, 4).Text("|").Left(10000, 4).Text("|").Left(5, 0).Text("|").Left(0, 16);
  small.Text("|").Right(9999, 4).Text("|").Right(1000, 3).Text("|").Right(1, 1);
  EXPECT_EQ(small.View(), "9999|10000|5|0               |9999|1000|1");
  LineBuilder fixed;  // 2.675 is stored as 2.67499..., 99.95 as 99.95000...03
  fixed.Fixed(2.675, 8, 2).Text("|").Fixed(99.95, 4, 1).Text("|").Fixed(-0.04, 5, 1);
  EXPECT_EQ(fixed.View(), "    2.67|100.0| -0.0");
  LineBuilder wide;
  for (int i = 0; i < 100; ++i) wide.Right(i, 5);
  EXPECT_EQ(wide.View().size(), 500u);
  EXPECT_EQ(wide.View().substr(490), "   98   99");
}

}  // namespace
}  // namespace zav
