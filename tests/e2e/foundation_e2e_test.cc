// End-to-end runs of the binary on small fixtures. Line ends and byte
// order marks are checked on the line reader and the line counts.
#include <gtest/gtest.h>

#include <random>

#include "test_support.h"

namespace zav {
namespace {

using test::Has;
using test::RunZav;

class Foundation : public test::HarnessTest {};

TEST_F(Foundation, UnreadableFileIsReportedAndTheRunGoesOn) {
  dir.Write("ok.c", "int x;\n");
  test::RunResult r = RunZav({"-v", "missing.c", "ok.c"}, dir.path());
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_TRUE(Has(r.out,
                  "\n  Error: Problem opening input file:\n         missing.c\n"
                  "         For read, No such file or directory\n\n"));
  EXPECT_TRUE(Has(r.out, "~~ Project Analysis For 1 Files ~~"));
}

TEST_F(Foundation, HostileInputDoesNotCrash) {
  std::mt19937 rng(7);
  std::string binary;
  for (int i = 0; i < 200000; ++i) binary.push_back(static_cast<char>(rng()));
  dir.Write("bin.c", binary);
  dir.Write("long.cpp", std::string(10000, 'x') + "\n" + std::string(5000, '{'));
  dir.Write("open.java", "/* never closed\nclass A {\n  String s = \"open\n");
  dir.Write("parens.cs", ")))}}}]]]\n((([[[\n");
  test::RunResult r =
      RunZav({"-v", "bin.c", "long.cpp", "open.java", "parens.cs"}, dir.path());
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_TRUE(Has(r.out, "~~ Project Analysis For 4 Files ~~"));
  EXPECT_TRUE(Has(r.out, "Error: Text line 0 length greater than 2048 characters"));
}

}  // namespace
}  // namespace zav
