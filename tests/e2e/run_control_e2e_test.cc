// End-to-end runs of the help, template and configuration behaviour.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace zav {
namespace {

using test::RunResult;
using test::RunZav;
using test::Has;
using test::ReadFile;
using test::TempDir;

// Asserts that the pieces occur in `text` in the given order.
void ExpectInOrder(const std::string& text, const std::vector<std::string>& pieces) {
  size_t at = 0;
  for (const std::string& piece : pieces) {
    size_t found = text.find(piece, at);
    ASSERT_NE(found, std::string::npos) << "missing or out of order: " << piece;
    at = found + piece.size();
  }
}

class Help : public test::HarnessTest {};

TEST_F(Help, NoArgumentsWritesTheAbbreviatedSyntax) {
  RunResult r = RunZav({}, dir.path());
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_TRUE(Has(r.out, "  Syntax: zav -option or -switch[option]\n"
                         "          or -switch[\"compound option\"] filenames or wild cards\n"));
}

TEST_F(Help, HtmlOnlyWhenGivenBeforeTheHelpSwitch) {
  RunResult html = RunZav({"-H", "-hs"}, dir.path());
  EXPECT_EQ(html.exit_code, 0);
  EXPECT_TRUE(Has(html.out, "-switch[&quot;compound option&quot;]"));
  EXPECT_EQ(html.out.substr(html.out.size() - 20), "</pre></body></html>");

  RunResult text = RunZav({"-hs", "-H"}, dir.path());
  EXPECT_FALSE(Has(text.out, "</html>"));
  EXPECT_TRUE(Has(text.out, "-switch[\"compound option\"]"));
}

TEST_F(Help, AnyOtherLetterWritesTheFullDocument) {
  RunResult r = RunZav({"-hq"}, dir.path(), dir.path());
  EXPECT_EQ(r.exit_code, 0);
  // The same output but for the command line shown in the banner.
  std::string full = RunZav({"-hf"}, dir.path(), dir.path()).out;
  size_t a = r.out.find("Command Line: -hq");
  size_t b = full.find("Command Line: -hf");
  ASSERT_NE(a, std::string::npos);
  EXPECT_EQ(a, b);
  EXPECT_EQ(r.out.substr(a + 17), full.substr(b + 17));
  EXPECT_TRUE(Has(r.out, "zav.cfg"));
}

TEST_F(Help, NoticeTypesShowTheConfiguredFlags) {
  TempDir dir, cfg;
  cfg.Write("zav.cfg", "ZAV CFG Version: 7.75\nQuality Notice 3 : No\n");
  RunResult r = RunZav({"-hn"}, dir.path(), cfg.path());
  EXPECT_EQ(r.exit_code, 0);
  ExpectInOrder(r.out, {"ZAV Quality Notice Types\n\n", "  Notice 1   : [ On] ",
                        "\n  Notice 3   : [Off] ", "\n  Notice 21  : [Off] ",
                        "\n  Notice 58  : [Off] ", "User Defined Quality Notices\n\n",
                        "  UDQN File   : " + cfg.path() + "/zav_udqn.cfg\n",
                        "  PCRE Version: ", "  PCRE Source : "});
  const std::string closing = "\n\n  " + std::string(72, '-') + "\n";
  EXPECT_EQ(r.out.substr(r.out.size() - closing.size()), closing);
}

TEST(Template, WrittenByBothSwitchesAndWrappedInHtml) {
  TempDir dir, cfg;
  RunResult y = RunZav({"-y"}, dir.path(), cfg.path());
  EXPECT_EQ(y.exit_code, 0);
  EXPECT_TRUE(Has(y.out, "\nQuality Notice 21                       : No\n"));
  EXPECT_EQ(RunZav({"-hc"}, dir.path(), cfg.path()).out, y.out);

  RunResult html = RunZav({"-H", "-y"}, dir.path());
  EXPECT_EQ(html.exit_code, 0);
  EXPECT_EQ(html.out.rfind("</pre></body></html>"), html.out.size() - 20);
  EXPECT_EQ(html.out.find("</pre></body></html>"), html.out.size() - 20);  // once
  EXPECT_TRUE(Has(html.out, "<font color=\"#F8F8F8\">#F8F8F8</font>"));
}

TEST(Configuration, CreatedWhenMissingAndStableAfterwards) {
  TempDir dir, cfg;
  RunResult first = RunZav({"-v"}, dir.path(), cfg.path());
  EXPECT_EQ(first.exit_code, 0);
  std::string text = ReadFile(cfg.path() + "/zav.cfg");
  EXPECT_TRUE(Has(text, "ZAV CFG Version: 7.75\n"));
  EXPECT_TRUE(Has(text, "# Located Config. File: " + cfg.path() + "/zav.cfg\n"));
  RunZav({"-v"}, dir.path(), cfg.path());
  EXPECT_EQ(ReadFile(cfg.path() + "/zav.cfg"), text);
}

TEST(Configuration, SettingsThenSwitchesThenUserFile) {
  TempDir dir, cfg;
  cfg.Write("zav.cfg",
            "ZAV CFG Version: 7.75\n"
            "Enable user defined configuration files : Yes\n"
            "Printed Line Length : 100\n"
            "Printed Page Length : 40\n"
            "Printed Left Margin : 9\n");
  dir.Write("late.cfg", "ZAV CFG Version: 7.75\nPrinted Page Length : 30\n");
  RunResult r = RunZav({"-P50", "-M2", "-uFile cfg late.cfg", "-M3", "-y"}, dir.path(),
                       cfg.path());
  EXPECT_TRUE(Has(r.out, "\nPrinted Line Length                     : 100\n"));  // zav.cfg
  EXPECT_TRUE(Has(r.out, "\nPrinted Page Length                     : 30\n"));   // -u
  EXPECT_TRUE(Has(r.out, "\nPrinted Left Margin                     : 3\n"));    // last switch
}

class OutputFile : public test::HarnessTest {};

TEST_F(OutputFile, ReportGoesToTheNamedFile) {
  dir.Write("a.c", "int a;\n");
  RunResult r = RunZav({"-Oout.txt", "-v", "a.c"}, dir.path());
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out, "\n  ZAV using output file: out.txt\n");
  EXPECT_TRUE(Has(ReadFile(dir.path() + "/out.txt"), "~~ Project Analysis For 1 Files ~~"));
}

TEST_F(OutputFile, UnwritableFileEndsTheRun) {
  RunResult r = RunZav({"-O/no/such/dir/out.txt", "a.c"}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.out,
            "\n  Error: Could not open output file\n"
            "         Filename: /no/such/dir/out.txt\n"
            "         No such file or directory\n\n");
}

TEST_F(OutputFile, LaterErrorsAreWrittenToTheFile) {
  RunResult r = RunZav({"-Oout.txt", "-Z"}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_TRUE(Has(ReadFile(dir.path() + "/out.txt"),
                  "Error: Command line parse error, invalid option."));
}

}  // namespace
}  // namespace zav
