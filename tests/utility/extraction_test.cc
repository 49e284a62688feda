#include "utility/extraction.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace zav {
namespace {

// The extraction lines written while analysing `text` with the -E letters
// in `modes` ("h" for HTML output).
std::string Extract(const std::string& text, std::string_view modes,
                    const std::string& name = "t.c") {
  test::Harness h;
  GlobalData& G = h.G();
  G.sw.extract_strings = modes.find('s') != modes.npos;
  G.sw.extract_comments = modes.find('c') != modes.npos;
  G.sw.comment_documentation = modes.find('C') != modes.npos;
  G.sw.html = modes.find('h') != modes.npos;
  BeginExtraction(G);
  h.AnalyzeFile(text, name);
  return h.Output();
}

TEST(Extraction, StringsCleanedAndWrittenWhenTheyClose) {
  // The closing quote and the newline escape go; "!" comes before them. A
  // leading escape and blanks go too; punctuation alone writes nothing;
  // quotes inside comments are no strings.
  EXPECT_EQ(Extract("f(\"Hello, world!\\n\");\n"
                    "s = \"\\n  two words.\"; t = \"...\"; // \"no\"\n",
                    "s"),
            "       1: Hello, world!\n       2: two words\n");
  // An unterminated verbatim string is written when it closes, holding
  // only the characters of its closing line.
  EXPECT_EQ(Extract("s = @\"first\nsecond\";\n", "s", "t.cs"),
            "       2: second\n");
}

TEST(Extraction, CommentLinesSharedTextAndEscaping) {
  const std::string source =
      "x = 1; /* fix this later */\n/* first line\n   second line   \n*/\n/*********/\n"
      "s = \"a // b\";\n";
  EXPECT_EQ(Extract(source, "c"),
            "       1: fix this later\n       2: first line\n       3: second line\n");
  EXPECT_EQ(Extract(source, "C"),
            "       1: /* fix this later */\n       2: /* first line\n"
            "       3:    second line\n       4: */\n       5: /*********/\n");
  // The comment before the string becomes part of the string's text; the
  // comment line then has nothing left to write.
  EXPECT_EQ(Extract("/* c */ x = \"s\";\n", "sc"), "       1: c */s\n");
  EXPECT_EQ(Extract("// a < b & c\n", "ch"), "       1: a &lt; b &amp; c\n");
}

TEST(Extraction, RunWritesTheFileTitlesAndFunctionSections) {
  test::TempDir dir;
  dir.Write("a.c", "/* about f */\nint f(int a) {\n  return a; // done\n}\n");
  const test::RunResult run = test::RunZav({"-EC", "-Es", "a.c"}, dir.path());
  EXPECT_TRUE(test::Has(run.out, test::Centered(20, "~~ Literal String Extraction Mode ~~") +
                                     test::Centered(24, "~~ Comment Extraction Mode ~~") +
                                     "\n       1: /* about f */\n       3: // done\n"
                                     "  Function: f\n"));
}

}  // namespace
}  // namespace zav
