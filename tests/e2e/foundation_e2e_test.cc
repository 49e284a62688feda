// End-to-end runs of the binary on small fixtures.
#include <gtest/gtest.h>

#include <random>

#include "test_support.h"

namespace zav {
namespace {

using test::Has;

using test::RunZav;
using test::TempDir;

// The output from the first "Total File Summary" on: no names or dates.
std::string FromSummary(const std::string& out) {
  size_t pos = out.find("~~ Total File Summary ~~");
  return pos == std::string::npos ? out : out.substr(pos);
}

TEST(Foundation, UnreadableFileIsReportedAndTheRunGoesOn) {
  TempDir dir;
  dir.Write("ok.c", "int x;\n");
  test::RunResult r = RunZav({"-v", "missing.c", "ok.c"}, dir.path());
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_TRUE(Has(r.out,
                  "\n  Error: Problem opening input file:\n         missing.c\n"
                  "         For read, No such file or directory\n\n"));
  EXPECT_TRUE(Has(r.out, "~~ Project Analysis For 1 Files ~~"));
}

TEST(Foundation, CrlfAndLfFilesGiveTheSameReport) {
  TempDir dir;
  std::string lf = "/* a */\nint f(int x)\n{\n  if (x)\n    return 1;\n\n  return 0;\n}\n";
  std::string crlf;
  for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  dir.Write("lf.c", lf);
  dir.Write("crlf.c", crlf);
  test::RunResult a = RunZav({"-v", "lf.c"}, dir.path());
  test::RunResult b = RunZav({"-v", "crlf.c"}, dir.path());
  EXPECT_EQ(FromSummary(a.out), FromSummary(b.out));
  EXPECT_TRUE(Has(a.out,
                  "  LOC 6        eLOC 4        lLOC 2        Comment 1"
                  "        Lines        8\n"));
}

TEST(Foundation, ByteOrderMarkDoesNotChangeTheReport) {
  TempDir dir;
  std::string text = "// c\nint x;\n";
  dir.Write("plain.cpp", text);
  dir.Write("bom.cpp", "\xEF\xBB\xBF" + text);
  EXPECT_EQ(FromSummary(RunZav({"-v", "plain.cpp"}, dir.path()).out),
            FromSummary(RunZav({"-v", "bom.cpp"}, dir.path()).out));
}

TEST(Foundation, HostileInputDoesNotCrash) {
  TempDir dir;
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

TEST(Foundation, ProjectTotalsSumTheFiles) {
  TempDir dir;
  dir.Write("a.c", "int a;\n\n// c\n");
  dir.Write("b.c", "int b;\nint c;\n");
  test::RunResult r = RunZav({"-v", "a.c", "b.c"}, dir.path());
  size_t project = r.out.find("~~ Total Project Summary ~~");
  ASSERT_NE(project, std::string::npos);
  EXPECT_NE(r.out.find("  LOC 3        eLOC 3        lLOC 3        Comment 1"
                       "        Lines        5\n",
                       project),
            std::string::npos);
  EXPECT_NE(r.out.find("  Total Physical Lines :            5", project),
            std::string::npos);
}

}  // namespace
}  // namespace zav
