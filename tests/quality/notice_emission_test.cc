// Emission of notices: descriptions, enable flags, the quality skip state,
// the one-line forms, where each form goes, the counters and the list.
#include <gtest/gtest.h>

#include <string>

#include "notice_test_support.h"

namespace zav {
namespace {

using test::Has;
using test::BeginsWith;
using test::NoticeHarness;

// A harness for src/a.cpp with quality notices on.
class Emission : public ::testing::Test {
 protected:
  Emission() { G.sw.notices = true; }
  NoticeHarness n;
  GlobalData& G = n.G();
};
class NoticeEnableFlags : public Emission {};
class QualitySkip : public Emission {};
class ImmediateParenthesis : public Emission {};
class NoticeCounters : public Emission {};

TEST_F(NoticeEnableFlags, DefaultsAndOtherNumbers) {
  for (int number = 1; number <= kNoticeCount; ++number) {
    const bool off_by_default = number == 21 || number == 46 || number == 47 ||
                                (number >= 51 && number <= 54) || number >= 57;
    EXPECT_EQ(NoticeEnabled(G, number), off_by_default ? 0 : 1) << number;
  }
  EXPECT_EQ(NoticeEnabled(G, 0), -1);
  EXPECT_EQ(NoticeEnabled(G, 59), -1);
  EXPECT_EQ(NoticeEnabled(G, 100), -1);
}

TEST_F(NoticeEnableFlags, ADisabledNoticeIsNeitherWrittenNorCounted) {
  G.settings.notice_enabled[9] = false;
  EXPECT_EQ(n.Raise(9, 3), "");
  EXPECT_EQ(n.Raise(47, 3), "");  // off by default
  EXPECT_EQ(G.file.quality_notice_count, 0);
  EXPECT_EQ(G.notices.run_counts[9], 0);
  EXPECT_EQ(G.notices.total_emitted, 0);
}

TEST_F(QualitySkip, TokensSilenceTheLinesBetweenThem) {
  G.settings.skip_tokens_active = true;
  G.settings.notice_enabled[19] = G.settings.notice_enabled[20] = false;
  const std::string out = n.Analyze(
      "int a;\n"
      "/* ZAV_IGNORE_QUALITY_BEGIN */\n"
      "\tgoto x;\n"
      "/* ZAV_IGNORE_QUALITY_END */\n"
      "\tgoto y;\n");
  // Only line 5 speaks: its tab (30), then its goto (9).
  EXPECT_EQ(G.file.quality_notice_count, 2);
  EXPECT_TRUE(BeginsWith(out, "\n    Notice #30: Line 5: A TAB"));
  EXPECT_TRUE(Has(out, "\n    Notice #9: Line 5, 'goto'"));
  EXPECT_EQ(out.find("Line 3"), std::string::npos);
}

TEST_F(QualitySkip, TheTokenLineNoticeIsWrittenBeforeTheSkipStarts) {
  G.settings.skip_tokens_active = true;
  G.settings.notice_enabled[58] = true;
  G.settings.notice_enabled[57] = true;
  // Nothing follows: the skipped lines raise no notice 30 or 9.
  const std::string skip = n.Analyze("// ZAV_IGNORE_BEGIN\n\tgoto x;\n");
  EXPECT_TRUE(BeginsWith(skip, "\n    Notice #57: Line 1, A ZAV skip lines token match.\n"));
  EXPECT_EQ(skip.find("Notice #", 6), std::string::npos);
  EXPECT_TRUE(BeginsWith(n.Analyze("int a;\n// ZAV_IGNORE_QUALITY_BEGIN\n\tgoto x;\n"),
                         "\n    Notice #58: Line 2, A ZAV skip quality notice token match.\n"));
  EXPECT_EQ(G.file.quality_notice_count, 1);
}

class ShortForm : public Emission {
 protected:
  ShortForm() { G.sw.notice_collect = G.sw.notice_single_line = true; }
};

TEST_F(ShortForm, XmlWithoutFileNamesWritesNothingButStillLists) {
  G.sw.xml = true;
  G.sw.totals_no_file_names = true;
  EXPECT_EQ(n.Raise(9, 12), "");
  ASSERT_EQ(G.notices.list.size(), 1u);
  EXPECT_EQ(G.notices.list[0].number, 9);
}

TEST_F(ShortForm, UnboundKeywordWithFunctionAnalysis) {
  G.sw.functional = true;
  const NoticeArgs keyword{.texts = {"else"}};
  EXPECT_EQ(n.Raise(22, 5, keyword),
            "  Notice #  22: Line    5, 'else' is not bound with scope braces {}\n");
  G.sw.xml = true;
  EXPECT_EQ(n.Raise(22, 5, keyword),
            "<notice>\n<type>22</type>\n<line>5</line>"
            "<description>else is not bound with scope braces {}</description>\n"
            "</notice>\n");
  G.sw.xml = false;
  G.sw.notice_visual_studio = true;
  EXPECT_EQ(n.Raise(22, 5, keyword),
            "src/a.cpp(5) : Notice #22   - 'else' is not bound with scope braces {}\n");
}

TEST_F(ShortForm, UnboundKeywordWithoutFunctionAnalysisKeepsTheDescription) {
  EXPECT_EQ(n.Raise(22, 5, {.texts = {"if"}}),
            "  Notice #  22: Line    5, if, else, for or while not bound by scope\n");
}

TEST_F(ShortForm, InheritanceNoticesListTheClassFile) {
  G.sw.notice_single_line = false;
  G.sw.notice_visual_studio = true;
  const NoticeArgs multiple{.texts = {"Both"}, .file_name = "lib/both.h"};
  EXPECT_EQ(n.Raise(42, 8, multiple),
            "lib/both.h(8) : Notice #42   - Multiple inheritance has been identified\n");
  ASSERT_EQ(G.notices.list.size(), 1u);
  EXPECT_EQ(G.notices.list[0].file_name, "lib/both.h");
}

// Which form a raised notice takes, by switches.
struct Routing {
  const char* name;
  bool notices, totals_only, collect, single_line;
  const char* begins;  // what is written ("" for nothing)
  bool listed;
};

class NoticeRouting : public ::testing::TestWithParam<Routing> {};

TEST_P(NoticeRouting, FormAndList) {
  const Routing& r = GetParam();
  NoticeHarness n;
  Switches& sw = n.G().sw;
  sw.notices = r.notices;
  sw.totals_only = r.totals_only;
  sw.notice_collect = r.collect;
  sw.notice_single_line = r.single_line;
  const std::string out = n.Raise(9, 4);
  if (*r.begins == '\0') {
    EXPECT_EQ(out, "");
  } else {
    EXPECT_TRUE(BeginsWith(out, r.begins));
  }
  EXPECT_EQ(n.G().notices.list.size(), r.listed ? 1u : 0u);
  EXPECT_EQ(n.G().file.quality_notice_count, 1);  // counted in every case
}

INSTANTIATE_TEST_SUITE_P(
    Switches, NoticeRouting,
    ::testing::Values(
        Routing{"Verbose", true, false, false, false, "\n    Notice #9: Line 4,", false},
        Routing{"VerboseWithCollection", true, false, true, false,
                "\n    Notice #9: Line 4,", false},
        Routing{"SingleLine", true, false, true, true, "  Notice #   9: Line    4,", true},
        Routing{"SummaryList", true, true, true, true, "  Notice #   9: Line    4,", true},
        Routing{"ByFileAndLine", true, true, true, false, "  Notice #   9: Line    4,", true},
        Routing{"ProfileOnly", true, true, false, false, "", false},
        Routing{"NoticesOff", false, false, false, false, "", false}),
    [](const ::testing::TestParamInfo<Routing>& info) { return info.param.name; });

TEST_F(ImmediateParenthesis, WrittenAtOnceWithTheFollowingText) {
  G.settings.notice_enabled[20] = false;
  const std::string follow =
      "           Parenthesis are not balanced.  This may ndicate the\n"
      "           use of conditional compilation, #ifdef.  ZAV processes\n"
      "           all source code where bracing and parenthesis\n"
      "           counts in the file must be equal and well formed.  Parenthesis\n"
      "           count is now force to an equal state\n";
  EXPECT_EQ(n.Analyze("int a;\nint b;\nint c;\nx = f(1));\n"),
            "\n    Notice: #12\n           File: src/a.cpp\n           Line: 4\n" + follow);
  G.settings.reorder_notices = true;
  EXPECT_EQ(n.Analyze("y );\n"),
            "\n    Line: 1\n           File: src/a.cpp\n           Notice: #12\n" + follow);
  EXPECT_EQ(G.file.close_paren_count, G.file.open_paren_count);
}

TEST_F(ImmediateParenthesis, NotWrittenInCsvOrXmlButCounted) {
  for (bool csv : {true, false}) {
    NoticeHarness n("p.c");
    GlobalData& G = n.G();
    G.sw.notices = true;
    G.sw.csv = csv;
    G.sw.xml = !csv;
    EXPECT_EQ(n.Raise(12, 4, {.variant = 1}), "");
    EXPECT_EQ(G.notices.run_counts[12], 1);
    // The function-end form of the same notice is written.
    EXPECT_TRUE(BeginsWith(n.Raise(12, 9), "\n    Notice #12: Line 9: Parenthesis"));
  }
}

TEST_F(NoticeCounters, PerFilePerTypeRunAndList) {
  G.sw.notice_collect = true;
  G.sw.notice_single_line = true;
  G.settings.notice_enabled[19] = G.settings.notice_enabled[20] = false;
  n.Analyze("\tgoto a;\nint x;\n  goto b;\n");
  EXPECT_EQ(G.file.quality_notice_count, 3);
  EXPECT_EQ(G.notices.run_counts[30], 1);
  EXPECT_EQ(G.notices.run_counts[9], 2);
  EXPECT_EQ(G.notices.total_emitted, 3);
  ASSERT_EQ(G.notices.list.size(), 3u);
  EXPECT_EQ(G.notices.list[0].file_name, "src/a.cpp");
  EXPECT_EQ(G.notices.list[0].line, 1);
  EXPECT_EQ(G.notices.list[0].number, 30);
  EXPECT_EQ(G.notices.list[1].number, 9);
  EXPECT_EQ(G.notices.list[2].line, 3);
  EXPECT_EQ(G.notices.list[2].number, 9);

  // A second file starts its own count; the run's counters go on.
  n.Analyze("goto c;\n");
  EXPECT_EQ(G.file.quality_notice_count, 1);
  EXPECT_EQ(G.notices.run_counts[9], 3);
  EXPECT_EQ(G.notices.total_emitted, 4);
  EXPECT_EQ(G.notices.list.size(), 4u);
}

TEST_F(NoticeCounters, UserDefinedNumbersCountInTheTotalsOnly) {
  G.sw.notices = false;
  RaiseNotice(G, 120, 3);
  EXPECT_EQ(G.file.quality_notice_count, 1);
  EXPECT_EQ(G.notices.total_emitted, 1);
  int typed = 0;
  for (int count : G.notices.run_counts) typed += count;
  EXPECT_EQ(typed, 0);
}

}  // namespace
}  // namespace zav
