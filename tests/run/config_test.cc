// The configuration file: line rules, special keys, creation, the version
// rewrite and the location of the user-defined notice file.
#include "run/config.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "run/config_keys.h"
#include "test_support.h"

namespace zav {
namespace {

using test::Has;
using test::Harness;
using test::ReadFile;
using test::TempDir;

class ConfigLine : public ::testing::Test {
 protected:
  bool Apply(const std::string& line) {
    ConfigReadState state;
    return ApplyConfigLine(G, line, state);
  }
  Harness h;
  GlobalData& G = h.G();
  Settings& s = G.settings;
};

TEST_F(ConfigLine, YesNoRuleReadsOnlyTheFirstLetter) {
  EXPECT_TRUE(Apply("Quality Notice 3 : no"));
  EXPECT_FALSE(G.settings.notice_enabled[3]);
  Apply("Quality Notice 3 :");  // empty means Yes
  EXPECT_TRUE(G.settings.notice_enabled[3]);
  Apply("QUALITY NOTICE 3:Nope");
  EXPECT_FALSE(G.settings.notice_enabled[3]);
  Apply("quality notice 3 : maybe");
  EXPECT_TRUE(G.settings.notice_enabled[3]);
  Apply("Report Header Active : yes\r\n");
  EXPECT_TRUE(G.settings.report_header_active);
}

TEST_F(ConfigLine, KeyIsTheFullTextBeforeTheFirstColon) {
  EXPECT_FALSE(Apply("  Maximum Line Length : 90"));  // leading blanks
  EXPECT_EQ(G.settings.max_line_length, 80);
  EXPECT_FALSE(Apply("Maximum Line Lengths : 90"));
  EXPECT_FALSE(Apply("Maximum Line : 90"));
  EXPECT_FALSE(Apply("Maximum Line Length 90"));  // no colon
  EXPECT_FALSE(Apply("# Maximum Line Length : 90"));
  EXPECT_EQ(G.settings.max_line_length, 80);
  EXPECT_TRUE(Apply("Maximum Line Length \t : 90"));
  EXPECT_EQ(G.settings.max_line_length, 90);
  // A value holding a colon is kept whole.
  Apply("Work file location path : c:\\work\\base ");
  EXPECT_EQ(G.settings.work_file_location, "c:\\work\\base");
}

TEST_F(ConfigLine, IntegersNeedALeadingDigit) {
  Apply("Maximum Line Length : 100 characters");
  EXPECT_EQ(s.max_line_length, 100);
  Apply("Maximum Line Length : -5");
  Apply("Maximum Line Length : abc");
  Apply("Maximum Line Length :");
  EXPECT_EQ(s.max_line_length, 100);
  Apply("Maximum Line Length : 99999999999999");
  EXPECT_EQ(s.max_line_length, 2147483647);
  Apply("Maximum depth of scope : 0");
  EXPECT_EQ(s.max_scope_depth, 7);
  Apply("Maximum depth of scope : 3");
  EXPECT_EQ(s.max_scope_depth, 3);
  Apply("Maximum depth of inheritance tree : 0");
  EXPECT_EQ(s.max_inheritance_depth, 0);
  Apply("Progress status interval number of files : 0");
  EXPECT_EQ(s.progress_interval, 1);
  Apply("C++ File Function Points per eLOC : 60");
  EXPECT_EQ(s.fp_factors[kGroupCpp][kMeasureEloc], 60);
  EXPECT_EQ(s.fp_factors[kGroupCpp][kMeasureLoc], 53);
}

TEST_F(ConfigLine, PercentagesTakeAnOptionalFraction) {
  Apply("Minimum File Comment Line Percent : 12.5%");
  EXPECT_FLOAT_EQ(s.min_file_comment_pct, 12.5f);
  Apply("Minimum File Comment Line Percent : .5");
  EXPECT_FLOAT_EQ(s.min_file_comment_pct, 12.5f);
  Apply("Minimum File Comment Line Percent : 7");
  EXPECT_FLOAT_EQ(s.min_file_comment_pct, 7.0f);
  Apply("Minimum Function Whitespace Percent : 3.25e2");
  EXPECT_FLOAT_EQ(s.min_function_whitespace_pct, 3.25f);
}

TEST_F(ConfigLine, ColoursVersionAndPageHeaderAreGuarded) {
  Apply("HTML Background Color : red");
  EXPECT_EQ(s.colors[kColorBackground], "red");
  Apply("HTML Background Color : (none)");
  EXPECT_EQ(s.colors[kColorBackground], "red");
  Apply("HTML Background Color :");  // blank: browser default
  EXPECT_EQ(s.colors[kColorBackground], "");
  Apply("HTML ALink Color : #12345678901234567890123");
  EXPECT_EQ(s.colors[kColorALink], "#1234567890123456789");
  Apply("HTML Inheritance Color : 9");
  EXPECT_EQ(s.colors[kColorInheritance], "9");

  Apply("Printed Page Header : -draft-");
  EXPECT_EQ(s.printed_page_header, "ZAV Code Listing");
  Apply("Printed Page Header : Release 2");
  EXPECT_EQ(s.printed_page_header, "Release 2");
  Apply("Printed Page Header : #1");  // "#" starts colours only
  EXPECT_EQ(s.printed_page_header, "Release 2");

  Apply("ZAV CFG Version : .x");
  EXPECT_EQ(s.cfg_version, "");
  Apply("ZAV CFG Version : " + std::string(50, '9'));
  EXPECT_EQ(s.cfg_version, std::string(40, '9'));
}

TEST_F(ConfigLine, ExtensionListsNeedALetterOrDigit) {
  Apply("C File Extensions : , c");
  EXPECT_EQ(s.c_extensions, "c");
  Apply("Other File Extensions :");
  EXPECT_EQ(s.other_extensions, "");
  Apply("Other File Extensions : txt,md");
  EXPECT_EQ(s.other_extensions, "txt,md");
  Apply("Java File Extensions : " + std::string(300, 'j'));
  EXPECT_EQ(s.java_extensions, std::string(254, 'j'));
}

TEST_F(ConfigLine, KeysSharingOneSetting) {
  Apply("Treat C headers as C++ : No");
  EXPECT_FALSE(s.TreatCHeadersAsCpp());
  Apply("Quality Notice 25 : Yes");
  EXPECT_TRUE(s.TreatCHeadersAsCpp());
  Apply("Minimum Function eLOC : 3");
  EXPECT_EQ(s.min_function_lloc, 3);
  Apply("Minimum Function lLOC : 4");
  EXPECT_EQ(s.min_function_lloc, 4);
}

TEST_F(ConfigLine, SpecialKeys) {
  Apply("ZAV KEY String :");
  EXPECT_TRUE(G.settings.key_string_configured);
  EXPECT_EQ(G.settings.key_string, "");
  Apply("ZAV KEY String : Copyright");
  EXPECT_EQ(G.settings.key_string, "Copyright");

  Apply("Work file location path : \rjunk");
  EXPECT_EQ(G.settings.work_file_location, "");

  // Accepted for old files and changing nothing.
  Settings before = G.settings;
  EXPECT_TRUE(Apply("use notice : no"));
  EXPECT_TRUE(Apply("Force use of linear lookahead algorithm : no"));
  EXPECT_TRUE(Apply("Use LLA for files > LCS file size : no"));
  EXPECT_TRUE(Apply("include cyclo complexity in work files : yes"));
  EXPECT_EQ(before.notice_enabled, G.settings.notice_enabled);
  EXPECT_EQ(h.Output(),
            "Notice: Using \"include cyclo complexity in work files\"\n"
            "        in zav.cfg is deprecated.  Use the zav_workdiff.cfg\n"
            "        file to define the elements of the baseline metrics\n"
            "        differential report\n\n");
}

TEST(ConfigStream, LongLinesAreReadInPiecesOf2047Characters) {
  Harness h;
  // The first piece sets the header text; the rest of the line, starting
  // at character 2048, is read as a line of its own.
  std::string head = "Report Header Text Line : ";
  std::string line = head + std::string(2047 - head.size(), 'x') +
                     "Maximum Line Length : 90\nPrinted Top Margin : 4";
  FILE* f = fmemopen(line.data(), line.size(), "rb");
  ReadConfigurationStream(h.G(), f);
  std::fclose(f);
  EXPECT_EQ(h.G().settings.report_header_text, std::string(2047 - head.size(), 'x'));
  EXPECT_EQ(h.G().settings.max_line_length, 90);
  EXPECT_EQ(h.G().settings.printed_top_margin, 4);  // last line without line end
}

class ConfigFileTest : public ::testing::Test {
 protected:
  Harness h;
  TempDir dir;
  std::string path = dir.path() + "/zav.cfg";
  int Read() { return ReadConfigurationFile(h.G(), path); }
  // Nothing but the configuration file is left in the directory.
  void ExpectNoStrayFiles() {
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      EXPECT_EQ(entry.path().filename(), "zav.cfg");
    }
  }
};

TEST_F(ConfigFileTest, MissingFileIsCreatedFromTheDefaultsAndReadBack) {
  h.G().run.config_path = path;
  dir.Write("zav.cfg.999999999.tmp", "left by a killed run");
  EXPECT_EQ(Read(), 1);
  std::string text = ReadFile(path);
  EXPECT_TRUE(Has(text, "\nZAV CFG Version: 7.75\n"));
  EXPECT_TRUE(Has(text, "\nMaximum Line Length                     : 80\n"));
  EXPECT_EQ(h.G().settings.cfg_version, "7.75");
  EXPECT_EQ(h.G().settings.max_line_length, 80);
  ExpectNoStrayFiles();
  // Reading it again changes nothing.
  EXPECT_EQ(Read(), 1);
  EXPECT_EQ(ReadFile(path), text);
}

TEST_F(ConfigFileTest, FileOfTheCurrentVersionIsLeftAlone) {
  // Carriage return, line feed or both end a line.
  const std::string text = "ZAV CFG Version: 7.75\r\nMaximum Line Length : 100\rA Tab is equivalent to n Space: 3\n";
  dir.Write("zav.cfg", text);
  EXPECT_EQ(Read(), 1);
  EXPECT_EQ(h.G().settings.max_line_length, 100);
  EXPECT_EQ(h.G().settings.tab_spaces, 3);
  EXPECT_EQ(ReadFile(path), text);
}

TEST_F(ConfigFileTest, FileOfAnotherVersionIsRewrittenKeepingItsValues) {
  dir.Write("zav.cfg",
            "ZAV CFG Version: 6.10\n"
            "Maximum Line Length : 120\n"
            "Quality Notice 3 : No\n"
            "HTML Text Color : navy\n");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  const bool as_root = geteuid() == 0;  // only root can give a file away
  const int given_away = as_root ? chown(path.c_str(), 4321, 4321) : -1;
  EXPECT_EQ(Read(), 1);
  struct stat st;
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(st.st_uid, given_away == 0 ? 4321u : geteuid());
  EXPECT_EQ(h.G().settings.cfg_version, "7.75");
  std::string text = ReadFile(path);
  EXPECT_TRUE(Has(text, "\nZAV CFG Version: 7.75\n"));
  EXPECT_EQ(text.find("6.10"), std::string::npos);
  EXPECT_TRUE(Has(text, "\nMaximum Line Length                     : 120\n"));
  EXPECT_TRUE(Has(text, "\nQuality Notice 3                        : No\n"));
  EXPECT_TRUE(Has(text, "\nHTML Text Color                         : navy\n"));
  // Settings the old file lacked are added with their current values.
  EXPECT_TRUE(Has(text, "\nMaximum Function Name Length            : 32\n"));
  ExpectNoStrayFiles();

  // The rewritten file reads back to the same settings.
  Harness fresh;
  EXPECT_EQ(ReadConfigurationFile(fresh.G(), path), 1);
  EXPECT_EQ(fresh.G().settings.max_line_length, 120);
  EXPECT_FALSE(fresh.G().settings.notice_enabled[3]);
  EXPECT_EQ(fresh.G().settings.colors[kColorText], "navy");
  EXPECT_EQ(ReadFile(path), text);
}

TEST_F(ConfigFileTest, FileWithoutVersionIsUpgraded) {
  dir.Write("zav.cfg", "Printed Page Length : 60\n");
  EXPECT_EQ(Read(), 1);
  EXPECT_TRUE(Has(ReadFile(path), "\nPrinted Page Length                     : 60\n"));
}

TEST_F(ConfigFileTest, SymbolicLinkIsReadButNeverWrittenThrough) {
  const std::string old = "ZAV CFG Version: 1.0\nPrinted Top Margin : 3\n";
  std::string real = dir.Write("real.cfg", old);
  ASSERT_EQ(symlink(real.c_str(), path.c_str()), 0);
  EXPECT_EQ(Read(), 1);
  EXPECT_EQ(h.G().settings.printed_top_margin, 3);
  struct stat st;
  ASSERT_EQ(lstat(path.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(ReadFile(real), old);
}

TEST_F(ConfigFileTest, FileThatCannotBeReadIsLeftAlone) {
  // A FIFO would block a reader for ever; it is neither read nor replaced.
  ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
  EXPECT_EQ(Read(), 0);
  EXPECT_EQ(h.G().settings.max_line_length, 80);
  struct stat st;
  ASSERT_EQ(lstat(path.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(ConfigFileTest, NoFileAndNoWayToCreateOneLeavesTheDefaults) {
  path = dir.path() + "/missing/zav.cfg";
  EXPECT_EQ(Read(), 0);
  EXPECT_EQ(h.G().settings.max_line_length, 80);
  EXPECT_EQ(h.Output(), "");
}

class UdqnFile : public test::HarnessTest {};

TEST_F(UdqnFile, BareNamesLiveInTheConfigurationDirectory) {
  G.run.cfg_home_dir = "/etc/zav/";
  EXPECT_EQ(UdqnFilePath(G), "/etc/zav/zav_udqn.cfg");
  G.settings.udqn_file = "team.cfg";
  EXPECT_EQ(UdqnFilePath(G), "/etc/zav/team.cfg");
  G.settings.udqn_file = "rules/team.cfg";
  EXPECT_EQ(UdqnFilePath(G), "rules/team.cfg");

  G.run.cfg_home_dir.clear();
  G.run.home_dir = "/opt/zav/";
  EXPECT_EQ(UdqnFilePath(G), "rules/team.cfg");
  G.settings.udqn_file.clear();
  EXPECT_EQ(UdqnFilePath(G), "/opt/zav/zav_udqn.cfg");
  G.run.home_dir.clear();
  EXPECT_EQ(UdqnFilePath(G), "zav_udqn.cfg");
}

}  // namespace
}  // namespace zav
