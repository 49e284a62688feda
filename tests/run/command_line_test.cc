// The command-line parser: switch reading, effects, precedence and errors.
#include "run/command_line.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

#include "analysis/language.h"
#include "files/files_test_support.h"
#include "test_support.h"

namespace zav {
namespace {

using test::Has;

class ParseTest : public test::HarnessTest {
 protected:
  // Parses `args` (argv[0] is added) from default switches.
  ParseResult Parse(std::vector<std::string> args) {
    G.sw = Switches();
    argv_.emplace(std::move(args));
    argv_->Install(G);
    return ParseCommandLine(G.run.argc, G.run.argv, G);
  }

  // Expects the run to end with exit code 1 and exactly `message` written.
  void ExpectError(std::vector<std::string> args, const std::string& message) {
    ParseResult r = Parse(std::move(args));
    EXPECT_TRUE(r.exit);
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(h.Output(), message);
  }

  std::optional<test::Arguments> argv_;
};

// --- Reading switches --------------------------------------------------------

TEST_F(ParseTest, FileArgumentsFollowTheSwitches) {
  ParseResult r = Parse({"-v", "-n", "a.c", "b.c"});
  EXPECT_FALSE(r.exit);
  EXPECT_EQ(r.first_file_argument, 3);
  EXPECT_EQ(G.sw.file_argument_count, 2);
  EXPECT_TRUE(G.sw.files_given && G.sw.summary);
  EXPECT_TRUE(G.sw.verbose && G.sw.notices && G.sw.report_switch_given);

  r = Parse({"-v"});
  EXPECT_EQ(r.first_file_argument, 2);
  EXPECT_TRUE(G.sw.summary);  // always on
  EXPECT_FALSE(G.sw.files_given);
  EXPECT_EQ(G.sw.file_argument_count, 0);
}

TEST_F(ParseTest, GroupedLettersAndSeparateValues) {
  ParseResult r = Parse({"-vn", "-S", "Nightly build", "-k", "3", "x.c"});
  EXPECT_FALSE(r.exit);
  EXPECT_TRUE(G.sw.verbose && G.sw.notices);
  EXPECT_TRUE(G.sw.title_on);
  EXPECT_EQ(G.settings.printed_page_header, "Nightly build");
  EXPECT_EQ(G.sw.sort_key, 3);
  EXPECT_EQ(r.first_file_argument, 6);
  EXPECT_EQ(G.sw.file_argument_count, 1);
}

TEST_F(ParseTest, DashAndDoubleDashEndTheSwitchesAndAreConsumed) {
  ParseResult r = Parse({"-v", "--", "-n", "a.c"});
  EXPECT_EQ(r.first_file_argument, 3);
  EXPECT_FALSE(G.sw.notices);
  EXPECT_EQ(G.sw.file_argument_count, 2);

  r = Parse({"-", "-n"});
  EXPECT_EQ(r.first_file_argument, 2);
  EXPECT_FALSE(G.sw.notices);
}

TEST_F(ParseTest, SlashIntroducesASwitchUnlessTheArgumentIsAPath) {
  ParseResult r = Parse({"/s", "/C", "/tmp", "a.c"});
  EXPECT_TRUE(G.sw.csv);
  EXPECT_TRUE(G.sw.csv_detail == false);  // -s came before -C
  EXPECT_EQ(r.first_file_argument, 3);      // "/tmp" is a directory

  r = Parse({"/v", "/usr/src/a.c"});
  EXPECT_TRUE(G.sw.verbose);
  EXPECT_EQ(r.first_file_argument, 2);
}

// --- Effects and precedence ----------------------------------------------------

TEST_F(ParseTest, LaterSwitchesOverrideEarlierOnes) {
  G.settings.printed_line_length = 132;  // as a configuration file set it
  Parse({"-L30", "-L50", "-M-3", "-B-2", "-P-5"});
  const Settings& s = G.settings;
  EXPECT_EQ(s.printed_line_length, 50);
  EXPECT_EQ(s.printed_left_margin, 0);
  EXPECT_EQ(s.printed_top_margin, 0);
  EXPECT_EQ(s.printed_page_length, -5);
  EXPECT_FALSE(s.page_breaks);

  G.settings.page_breaks = true;
  Parse({"-L5", "-P40"});
  EXPECT_EQ(G.settings.printed_line_length, 20);  // the minimum
  EXPECT_TRUE(G.settings.page_breaks);
}

TEST_F(ParseTest, CsvDetailModeDependsOnSwitchOrder) {
  Parse({"-C", "-s"});
  EXPECT_TRUE(G.sw.csv_detail);
  EXPECT_TRUE(G.sw.complexity);

  Parse({"-s", "-C"});
  EXPECT_FALSE(G.sw.csv_detail);

  Parse({"-A", "-fa"});
  EXPECT_TRUE(G.sw.csv && G.sw.csv_detail && G.sw.functional);
}

TEST_F(ParseTest, ReportSwitchesAndWhatTheyImply) {
  Parse({"-c", "-e", "-i", "-fm", "-m"});
  const Switches& sw = G.sw;
  EXPECT_TRUE(sw.complexity && sw.functional && sw.estimate);
  EXPECT_TRUE(sw.inheritance && sw.objects && sw.class_methods && sw.macros);
  EXPECT_TRUE(sw.report_switch_given);

  Parse({"-fp", "-b", "-p", "-H"});
  EXPECT_TRUE(G.sw.function_points && G.sw.benchmark && G.sw.code_listing);
  EXPECT_TRUE(G.sw.html);
  EXPECT_FALSE(G.sw.report_switch_given);

  Parse({"-fd"});
  EXPECT_TRUE(G.sw.complexity && G.sw.function_detail && G.sw.functional);
}

TEST_F(ParseTest, SortKeys) {
  ParseResult r = Parse({"-k11", "a.c"});
  EXPECT_FALSE(r.exit);
  EXPECT_EQ(G.sw.sort_key, 0);
  EXPECT_EQ(h.Output(),
            "\n  Error: 11 invalid sort key value.\n         Defaulting to no sort\n"
            "         Use -hs for help text\n");

  Parse({"-k5", "-kd"});
  EXPECT_EQ(G.sw.sort_key, 5);
  EXPECT_TRUE(G.sw.sort_descending);
  Parse({"-k5", "-k-1"});
  EXPECT_EQ(G.sw.sort_key, 0);
}

TEST_F(ParseTest, TotalsLetters) {
  Parse({"-Ti"});
  const Switches& sw = G.sw;
  EXPECT_TRUE(sw.totals_only && sw.objects && sw.functional && sw.complexity);
  EXPECT_TRUE(sw.notices && sw.inheritance && sw.totals_inheritance);

  Parse({"-Ns", "-Tp"});
  EXPECT_TRUE(G.sw.totals_profile && G.sw.inheritance);
  EXPECT_FALSE(G.sw.notice_collect);

  Parse({"-Tq"});
  EXPECT_TRUE(G.sw.notice_single_line && G.sw.notice_collect);

  Parse({"-Nv", "-Tq"});
  EXPECT_FALSE(G.sw.notice_single_line);
  EXPECT_TRUE(G.sw.notice_visual_studio);

  Parse({"-Td", "-TN", "-TL"});
  EXPECT_TRUE(G.sw.totals_detail && G.sw.function_points);
  EXPECT_TRUE(G.sw.totals_no_file_names && G.sw.totals_language);
}

TEST_F(ParseTest, RecursionTakesExtensionsAndDirectory) {
  Parse({"-Flist.lst", "-rh,cpp /usr/src"});
  EXPECT_TRUE(G.sw.recursive);
  EXPECT_FALSE(G.sw.list_file_mode);
  EXPECT_EQ(G.sw.recursion_top_dir, "/usr/src");
  EXPECT_EQ(G.settings.allowable_extensions, "h,cpp");

  char cwd[4096];
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  for (const char* here : {".", "./", "*", "*.*", ".\\"}) {
    Parse({std::string("-rc ") + here});
    EXPECT_EQ(G.sw.recursion_top_dir, cwd) << here;
  }
  Parse({"-rjava"});  // no directory: the current one
  EXPECT_EQ(G.sw.recursion_top_dir, cwd);
  EXPECT_EQ(G.settings.allowable_extensions, "java");

  Parse({"-rc src", "-Flist.lst"});
  EXPECT_FALSE(G.sw.recursive);
  EXPECT_TRUE(G.sw.list_file_mode);
  EXPECT_EQ(G.sw.list_file_name, "list.lst");
}

TEST_F(ParseTest, WorkFileCreateAndDeterministicOrder) {
  Parse({"-wD", "-wcreate ./"});
  EXPECT_TRUE(G.sw.work_deterministic && G.sw.work_create);
  EXPECT_EQ(G.sw.baseline_top_dir, ".");
  EXPECT_EQ(G.sw.work_file_name, "workfile.dat");
  EXPECT_TRUE(G.sw.totals_only && G.sw.totals_no_file_names);
  EXPECT_TRUE(G.sw.complexity && G.sw.objects && G.sw.functional);

  Parse({"-wCREATE /src/", "-wD"});
  EXPECT_FALSE(G.sw.work_create);
  EXPECT_FALSE(G.sw.totals_no_file_names);
  EXPECT_EQ(G.sw.baseline_top_dir, "/src");

  Parse({"-wFile dat out/base.dat", "-wcreate src"});
  EXPECT_EQ(G.sw.work_file_name, "out/base.dat");
  EXPECT_EQ(G.sw.work_location, "out");
  Parse({"-wfile DAT base.dat"});
  EXPECT_EQ(G.sw.work_location, ".");
}

TEST_F(ParseTest, WorkFileDifferentialAndItsConfiguration) {
  ParseResult r = Parse({"-wx old.dat ,\tnew.dat ", "a.c"});
  EXPECT_TRUE(r.exit);
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_TRUE(G.sw.work_diff_extract);
  EXPECT_EQ(G.sw.work_diff_older, "old.dat");
  EXPECT_EQ(G.sw.work_diff_newer, "new.dat");

  std::string cfg = dir.Write("diff.cfg", "LOC\n");
  Parse({"-wFile cfg " + cfg});
  EXPECT_TRUE(G.sw.work_diff_config_given);
  EXPECT_EQ(G.sw.work_diff_config_path, cfg);
}

TEST_F(ParseTest, ExtendedOptionsIgnoreLetterCase) {
  Parse({"-xnoconfig", "-xNoCommand", "-xNOWRAP", "-xUdqnShow", "-xnoheader",
         "-xdiffdebug"});
  const Switches& sw = G.sw;
  EXPECT_TRUE(sw.no_config && sw.no_command && sw.no_header && sw.diff_debug);
  EXPECT_TRUE(sw.udqn_show && sw.notices);
  EXPECT_FALSE(G.settings.wrap_long_names);
  EXPECT_FALSE(sw.debug);

  Parse({"-xFile CSV my fields.csv"});
  EXPECT_EQ(G.sw.csv_report_config, "my fields.csv");
  EXPECT_TRUE(G.sw.report_switch_given);

  ParseResult r = Parse({"-xc"});
  EXPECT_TRUE(r.exit);
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_TRUE(G.sw.csv_template);
}

// --- Errors ------------------------------------------------------------------------

// Each malformed switch ends the run with exit code 1 and its message.
TEST_F(ParseTest, ErrorsEndTheRunWithTheirMessage) {
  // Each error is recognised by the first line of its message.
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"-v", "-Q", "a.c"}, "Error: Command line parse error, invalid option."},
      {{"-Ex"}, "Error: Invalid parameter for -E option"},
      {{"-f"}, "Error: As of version 6.20 the -f flag requires"},
      {{"-Nx"}, "Error: Invalid or missing parameter for -N option"},
      {{"-Rx"}, "Error: Invalid parameter for -R option"},
      {{"-Tz"}, "Error: Invalid or missing parameter for -T option"},
      {{"-wW"}, "Error: The -wW switch has been deprecated and is no"},
      {{"-r. ."}, "Error: In the specified parameter: -r"},
      {{"-wcrate ."}, "Error: The correct syntax for the work file create"},
      {{"-wcreate x"}, "Error: No baseline directory specififed for the"},
      {{"-wx old.dat new.dat"}, "Error: -wx option syntax is invalid"},
      {{"-wFile dat"}, "Error: -w \"File dat\" file name not parsed"},
      {{"-wFile txt a"}, "Error: -w \"File [dat|cfg] [path\\filename]\""},
      {{"-wFile cfg /no/such/diff.cfg"}, "Error: File name [/no/such/diff.cfg] not found"},
      {{"-wz"}, "Error: Invalid or missing parameter for -w option"},
      {{"-x NOCONFIG"}, "Error: Invalid parameter for -x option"},
      {{"-xfile txt a.txt"}, "Error: Invalid report file type"},
      {{"-uconfig"}, "Error: Invalid or missing parameter for -u option"},
      {{"-uFile ini a.ini"}, "Error: -u \"File [cfg | xsl] [path\\filename]\""},
  };
  for (const auto& [args, first_line] : cases) {
    const size_t before = h.Output().size();
    ParseResult r = Parse(args);
    EXPECT_TRUE(r.exit) << args[0];
    EXPECT_EQ(r.exit_code, 1) << args[0];
    const std::string message = h.Output().substr(before);
    EXPECT_EQ(message.substr(0, message.find('\n', 1)), "\n  " + first_line) << args[0];
  }
}

TEST_F(ParseTest, ErrorsCloseTheHtmlDocument) {
  ExpectError({"-H", "-Dz"},
              "\n  Error: Invalid or missing parameter for -D option\n"
              "         Use -hs for help text\n</pre></body></html>");
}

// --- -u: a private configuration at its place in the command line ---------------

TEST_F(ParseTest, UserConfigurationNeedsToBeEnabled) {
  G.settings.enable_user_cfg_files = false;
  ParseResult r = Parse({"-uFile cfg /no/such.cfg", "-v"});
  EXPECT_FALSE(r.exit);
  EXPECT_TRUE(G.sw.verbose);
  EXPECT_EQ(h.Output(), "");

  G.settings.enable_user_cfg_files = true;
  ExpectError({"-uFile cfg /no/such.cfg"},
              "\n  Error: File name [/no/such.cfg] not found\n"
              "         path\\filename required\n");
}

TEST_F(ParseTest, UserConfigurationReplacesLanguageExtensions) {
  std::string cfg = dir.Write("lang.cfg",
                              "ZAV CFG Version: 7.75\nC File Extensions : c,pc\n");
  G.settings.enable_user_cfg_files = true;
  Parse({"-uFile cfg " + cfg});
  EXPECT_EQ(FindLanguage(G, "pc"), kLangC);
  EXPECT_TRUE(Has(G.settings.allowable_extensions, "pc"));
}

TEST_F(ParseTest, UserConfigurationOfAnotherVersionIsUpgraded) {
  std::string cfg = dir.Write("old.cfg", "ZAV CFG Version: 5.0\nPrinted Top Margin : 3\n");
  G.settings.enable_user_cfg_files = true;
  Parse({"-uFile cfg " + cfg});
  EXPECT_EQ(G.run.config_path, cfg);
  const std::string text = test::ReadFile(cfg);
  EXPECT_TRUE(test::Has(text, "ZAV CFG Version: 7.75\n"));
  EXPECT_TRUE(test::Has(text, "\nPrinted Top Margin                      : 3\n"));
}

TEST_F(ParseTest, StyleSheet) {
  Parse({"-uFile xsl style/report.xsl"});
  EXPECT_TRUE(G.sw.xsl_given);
  EXPECT_EQ(G.sw.xsl_file_name, "style/report.xsl");
}

}  // namespace
}  // namespace zav
