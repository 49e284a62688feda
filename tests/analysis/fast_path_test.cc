// The analyser has a fast character loop and a full one (for the modes
// that read the split texts). Both must count exactly the same.
#include <gtest/gtest.h>

#include <random>

#include "test_support.h"

namespace zav {
namespace {

// Random source-like text built from fragments that exercise comments,
// strings, character literals, continuation lines and tabs.
std::string RandomSource(unsigned seed) {
  static const char* kPieces[] = {
      "/*", "*/", "//", "\"", "'", "\\", "\\\\", "\t", " ", "  ", "\n", "\r\n",
      "\\\n", "x", "if", "(", ")", "{", "}", ";", "for", "while", "/", "*",
      "#define A", "#include <a.h>", "return", "case 1:", "break", "@\"", "[",
      "]", "enum", "template <T>", "new", "=", "else", "do", "fall through",
      "\xc3\xa9", "ZAV_IGNORE_BEGIN", "ZAV_IGNORE_END"};
  std::mt19937 rng(seed);
  std::string text;
  for (int i = 0; i < 4000; ++i) {
    text += kPieces[rng() % (sizeof(kPieces) / sizeof(kPieces[0]))];
  }
  return text;
}

TEST(FastPath, CountsMatchTheFullLoop) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    const std::string text = RandomSource(seed);
    for (const char* file : {"t.cpp", "t.c", "t.cs", "t.java"}) {
      FileMetrics fast = test::Count(text, file);
      FileMetrics full = test::Count(text, file, [](GlobalData& G) {
        G.lex.want_split_texts = true;
      });
#define ZAV_EXPECT_SAME(name) \
  EXPECT_EQ(fast.name, full.name) << #name << " seed " << seed << " " << file;
      ZAV_SUMMED_COUNTERS(ZAV_EXPECT_SAME)
#undef ZAV_EXPECT_SAME
    }
  }
}

}  // namespace
}  // namespace zav
