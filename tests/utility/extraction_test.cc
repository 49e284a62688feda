#include "utility/extraction.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace zav {
namespace {

struct Modes {
  bool strings = false, comments = false, documentation = false;
  ReportFormat format = ReportFormat::kText;
};

// The extraction lines written while analysing `text`.
std::string Extract(const std::string& text, Modes m, const std::string& name = "t.c") {
  test::Harness h;
  GlobalData& G = h.G();
  G.sw.extract_strings = m.strings;
  G.sw.extract_comments = m.comments;
  G.sw.comment_documentation = m.documentation;
  test::UseFormat(G, m.format);
  BeginExtraction(G);
  h.AnalyzeFile(text, name);
  return h.Output();
}

TEST(Extraction, StringsAreCleanedAndWrittenWhenTheyClose) {
  // The closing quote and the newline escape go; "!" comes before them.
  EXPECT_EQ(Extract("int a;\nprintf(\"Hello, world!\\n\");\n", {.strings = true}),
            "       2: Hello, world!\n");
  // A leading escape and blanks go too; a string of punctuation is empty.
  EXPECT_EQ(Extract("s = \"\\n  two words.\"; t = \"...\";\n", {.strings = true}),
            "       1: two words\n");
  // An unterminated verbatim string is written once, when it closes, with
  // only the characters of its closing line.
  EXPECT_EQ(Extract("s = @\"first\nsecond\";\n", {.strings = true}, "t.cs"),
            "       2: second\n");
  // Strings inside comments are not strings.
  EXPECT_EQ(Extract("// say \"hi\"\n/* \"no\" */\n", {.strings = true}), "");
}

TEST(Extraction, CommentLinesCleanedOrWithTheirMarkers) {
  const std::string source =
      "x = 1; /* fix this later */\n"
      "/* first line\n"
      "   second line   \n"
      "*/\n"
      "/*********/\n"
      "s = \"a // b\";\n";
  EXPECT_EQ(Extract(source, {.comments = true}),
            "       1: fix this later\n"
            "       2: first line\n"
            "       3: second line\n");
  EXPECT_EQ(Extract(source, {.documentation = true}),
            "       1: /* fix this later */\n"
            "       2: /* first line\n"
            "       3:    second line\n"
            "       4: */\n"
            "       5: /*********/\n");
}

TEST(Extraction, BothModesShareOneText) {
  // The comment before the string becomes part of the string's text; the
  // comment line then has nothing left to write.
  EXPECT_EQ(Extract("/* c */ x = \"s\";\n", {.strings = true, .comments = true}),
            "       1: c */s\n");
}

TEST(Extraction, HtmlAndXmlEscapeTheText) {
  EXPECT_EQ(Extract("// a < b & c\n", {.comments = true, .format = ReportFormat::kHtml}),
            "       1: a &lt; b &amp; c\n");
  EXPECT_EQ(Extract("// a < b\n", {.comments = true, .format = ReportFormat::kXml}),
            "       1: a &lt; b\n");
}

TEST(Extraction, RunWritesTheFileTitlesAndFunctionSections) {
  test::TempDir dir;
  dir.Write("a.c", "/* about f */\nint f(int a) {\n  return a; // done\n}\n");
  const test::RunResult run = test::RunZav({"-EC", "-Es", "a.c"}, dir.path());
  EXPECT_EQ(run.exit_code, 0);
  const std::string& out = run.out;
  EXPECT_TRUE(test::Has(out, test::Centered(20, "~~ Literal String Extraction Mode ~~") +
                                 test::Centered(24, "~~ Comment Extraction Mode ~~") + "\n" +
                                 "       1: /* about f */\n"
                                 "       3: // done\n"
                                 "  Function: f\n"));
  EXPECT_FALSE(test::Has(out, "Project Analysis"));
}

}  // namespace
}  // namespace zav
