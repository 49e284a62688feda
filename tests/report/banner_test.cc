#include "report/banner.h"

#include <gtest/gtest.h>

#include <ctime>
#include <regex>

#include "test_support.h"

namespace zav {
namespace {

using test::Has;

const std::string kUnderscores = std::string(72, '_');
const std::string kHyphens = std::string(72, '-');

using test::Centered;

std::string Today() {
  char buffer[32];
  time_t now = std::time(nullptr);
  struct tm local;
  localtime_r(&now, &local);
  std::strftime(buffer, sizeof buffer, "%b %d, %Y", &local);
  return buffer;
}

// A run state as the banner sees it after start-up and parsing.
void Prepare(GlobalData& G) {
  G.settings.build_date = "Sep  2 2009";
  G.run.config_path = "/cfg/zav.cfg";
  G.run.command_line = "-v a.c";
}

std::string TextBanner(const std::function<void(GlobalData&)>& adjust) {
  test::Harness h;
  Prepare(h.G());
  adjust(h.G());
  WriteBanner(h.G());
  return h.Output();
}

const std::string kProductLines =
    "\n" + Centered(20, "Zavoran (TM) for C, C++, C# and Java") +
    Centered(21, "Version 7.75 - www.zavoran.example") + "\n";

TEST(TextBanner, FullBanner) {
  EXPECT_EQ(TextBanner([](GlobalData&) {}),
            kProductLines + "  Build Date  : Sep  2 2009    " +
                std::string(21, ' ') + "Run Date: " + Today() + "\n  " +
                kUnderscores + "\n\n  Config. File: /cfg/zav.cfg\n" +
                "  Command Line: -v a.c \n");
}

TEST(TextBanner, ExtendedOptionsRemoveTheirLines) {
  const std::string tail_config = "  Config. File: /cfg/zav.cfg\n";
  const std::string tail_command = "  Command Line: -v a.c \n";
  std::string no_config = TextBanner([](GlobalData& G) { G.sw.no_config = true; });
  EXPECT_EQ(no_config.find("Config. File"), std::string::npos);
  EXPECT_TRUE(Has(no_config, tail_command));
  std::string no_command = TextBanner([](GlobalData& G) { G.sw.no_command = true; });
  EXPECT_EQ(no_command.find("Command Line"), std::string::npos);
  EXPECT_TRUE(Has(no_command, tail_config));
  EXPECT_EQ(TextBanner([](GlobalData& G) { G.sw.no_header = true; }), "");
}

TEST(TextBanner, HeaderLineComesFirst) {
  std::string out = TextBanner([](GlobalData& G) {
    G.settings.report_header_active = true;
    G.settings.report_header_text = "ACME";
  });
  EXPECT_EQ(out.substr(0, 41 + kProductLines.size()),
            Centered(36, "ACME") + kProductLines);
}

TEST(TextBanner, LongPathsAreWrapped) {
  std::string out = TextBanner([](GlobalData& G) {
    G.run.config_path = std::string(60, 'c');
    G.run.command_line = std::string(59, 'm');
  });
  EXPECT_TRUE(
      Has(out, "  Config. File: " + std::string(58, 'c') + "\n" + std::string(22, ' ') + "cc\n"));
  EXPECT_TRUE(
      Has(out, "  Command Line: " + std::string(58, 'm') + "\n" + std::string(16, ' ') + "m \n"));
}

TEST(TextBanner, NoHeaderKeepsTheDiffConfigButDropsTheTitle) {
  auto with = [](bool no_header) {
    return TextBanner([no_header](GlobalData& G) {
      G.sw.no_header = no_header;
      G.sw.work_diff_config_given = true;
      G.sw.work_diff_config_path = "/w/zav_workdiff.cfg";
      G.sw.title_on = true;
      G.settings.printed_page_header = "My Title";
    });
  };
  const std::string diff = "  Diff Config.: /w/zav_workdiff.cfg\n";
  const std::string title = "\n" + Centered(34, "My Title") + "\n";
  EXPECT_EQ(with(true), diff);
  const std::string full = with(false);
  EXPECT_EQ(full.substr(full.size() - diff.size() - title.size()), diff + title);
}

std::string HtmlBanner(const std::function<void(GlobalData&)>& adjust) {
  return TextBanner([&adjust](GlobalData& G) {
    G.sw.html = true;
    adjust(G);
  });
}

TEST(HtmlBanner, PrologIsWrittenEvenWithoutHeader) {
  const std::string out = HtmlBanner([](GlobalData& G) { G.sw.no_header = true; });
  EXPECT_EQ(out.rfind("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n", 0), 0u);
  const std::string body =
      "</head>\n<body bgcolor=\"#F8F8F8\" text=\"#000000\" vlink=\"#660099\" "
      "link=\"#0000EE\" alink=\"#CCCCCC\" >\n<pre>\n";
  EXPECT_EQ(out.substr(out.size() - body.size()), body);
}

TEST(HtmlBanner, ProductLineCentredOnItsVisibleTextAndPathsEscaped) {
  const std::string out = HtmlBanner([](GlobalData& G) { G.run.command_line = "-H a&b.c"; });
  EXPECT_TRUE(test::Has(out, "<pre>\n<b><font color=\"#0000FF\">\n" +
                                 Centered(22, "Zavoran&#8482; for C, C++, C# and Java")));
  EXPECT_TRUE(test::Has(out, "Run Date</font></b>: " + Today() + " \n"));
  const std::string tail =
      "  <b><font color=\"#993300\">Config. File</font></b>: /cfg/zav.cfg\n"
      "  <b><font color=\"#993300\">Command Line</font></b>: -H a&amp;b.c\n";
  EXPECT_EQ(out.substr(out.size() - tail.size()), tail);
}

TEST(HtmlBanner, BodyTagForms) {
  const std::string defaults = "text=\"#000000\" vlink=\"#660099\" ";
  const std::vector<std::pair<std::function<void(Settings&)>, std::string>> cases = {
      // No background: the second form, with the configured link colour.
      {[](Settings& s) { s.colors[kColorBackground] = ""; },
       "<body " + defaults + "link=\"#0000EE\" alink=\"#CCCCCC\">"},
      // No background and no link colour: the built-in link colour.
      {[](Settings& s) { s.colors[kColorBackground] = s.colors[kColorLink] = ""; },
       "<body " + defaults + "link=\"#0000ee\" alink=\"#CCCCCC\">"},
      {[](Settings& s) {
         s.colors[kColorBackground] = "white";
         s.colors[kColorText] = "navy";
         s.colors[kColorVLink] = "red";
         s.colors[kColorLink] = "blue";
         s.colors[kColorALink] = "green";
       },
       "<body bgcolor=\"white\" text=\"navy\" vlink=\"red\" link=\"blue\" alink=\"green\" >"},
      // A background but no text colour: the fourth form.
      {[](Settings& s) {
         s.colors[kColorBackground] = "#FFFFFF";
         s.colors[kColorText] = "";
       },
       "<body bgcolor=\"#FFFFFF\" " + defaults + "link=\"#0000ee\" alink=\"#CCCCCC\">"},
      // The alink colour is never tested.
      {[](Settings& s) { s.colors[kColorALink] = ""; },
       "<body bgcolor=\"#F8F8F8\" " + defaults + "link=\"#0000EE\" alink=\"\" >"},
      {[](Settings& s) {
         for (std::string& c : s.colors) c.clear();
       },
       "<body " + defaults + "link=\"#0000ee\" alink=\"#CCCCCC\">"},
  };
  for (const auto& one : cases) {
    const auto& colors = one.first;  // a named reference: lambdas capture it
    const std::string& tag = one.second;
    const std::string out = HtmlBanner([&colors](GlobalData& G) {
      G.sw.no_header = true;
      colors(G.settings);
    });
    const size_t start = out.find("<body");
    EXPECT_EQ(out.substr(start, out.find('\n', start) - start), tag);
  }
}

const std::regex kCTime("[A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9][0-9] "
                        "[0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{4}");

TEST(CsvBanner, LinesAndTheTimeWithItsOwnLineEnd) {
  const std::string out = TextBanner([](GlobalData& G) {
    G.sw.csv = true;
    G.sw.no_header = true;  // CSV ignores it
    G.settings.report_header_active = true;
    G.settings.report_header_text = "ACME";
  });
  const std::regex expected(
      "ACME\n\nZavoran\nVersion,7\\.75\nDate Processed," +
      std::string("[A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9][0-9] [0-9:]{8} [0-9]{4}") +
      "\n\nZAV Command Line,-v a\\.c\nConfiguration File,/cfg/zav\\.cfg\n");
  EXPECT_TRUE(std::regex_match(out, expected)) << out;
}

TEST(XmlBanner, ElementsStylesheetAndEscaping) {
  const std::string out = TextBanner([](GlobalData& G) {
    G.sw.xml = true;
    G.sw.xsl_given = true;
    G.sw.xsl_file_name = "c:\\x\\s.xsl";
    G.settings.report_header_active = true;
    G.settings.report_header_text = "ACME & Co";
    G.run.command_line = "-S\"a<b\" x.c";
  });
  const std::string head =
      "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n"
      "<?xml-stylesheet type=\"text/xsl\" href=\"file:///c:/x/s.xsl\"?>\n"
      "<zavrep>\n<banner>ACME &amp; Co</banner>\n<program>Zavoran</program>\n"
      "<version>7.75</version>\n<date>";
  ASSERT_EQ(out.substr(0, head.size()), head);
  const std::string date = out.substr(head.size(), 24);
  EXPECT_TRUE(std::regex_match(date, kCTime)) << date;
  EXPECT_EQ(out.substr(head.size() + 24),
            "</date>\n<command>-S&quot;a&lt;b&quot; x.c</command>\n"
            "<config_file>/cfg/zav.cfg</config_file>\n");
}

TEST(AfterBanner, DiffConfigAndTitleInCsvAndXml) {
  auto run = [](bool xml) {
    return TextBanner([xml](GlobalData& G) {
      (xml ? G.sw.xml : G.sw.csv) = true;
      G.sw.no_command = true;
      G.sw.work_diff_config_given = true;
      G.sw.work_diff_config_path = "/w/d.cfg";
      G.sw.title_on = true;
      G.settings.printed_page_header = "Release 2";
    });
  };
  const std::string csv = run(false);
  EXPECT_EQ(csv.substr(csv.find("Configuration File")),
            "Configuration File,/cfg/zav.cfg\nDiff Config File: /w/d.cfg\n"
            "\nRelease 2\n");
  const std::string xml = run(true);
  EXPECT_EQ(xml.substr(xml.find("<config_file>")),
            "<config_file>/cfg/zav.cfg</config_file>\n"
            "<diff_config_file>/w/d.cfg</diff_config_file>\n"
            "<title>Release 2</title>\n");
}

TEST(SyntaxError, TextAndHtml) {
  auto error = [](bool html) {
    test::Harness h;
    Prepare(h.G());
    h.G().sw.html = html;
    h.G().sw.no_header = true;
    h.G().run.command_line = "-q a.c";
    WriteBanner(h.G(), true);
    const std::string out = h.Output();
    return html ? out.substr(out.find("<pre>\n") + 6) : out;
  };
  EXPECT_EQ(error(false), "  Command Line Syntax Error, Try -hs for help...\n  -q a.c\n\n");
  EXPECT_EQ(error(true),
            "<b><font color=\"#FF0000\">  Command Line Syntax Error, Try -hs "
            "for help...\n</font></b>  -q a.c\n\n</pre></body></html>");
}

std::string ModeTitle(const std::function<void(Switches&)>& set) {
  test::Harness h;
  set(h.G().sw);
  WriteModeTitle(h.G());
  const std::string out = h.Output();
  const size_t tilde = out.find("~~");
  return tilde == std::string::npos ? out : out.substr(tilde);
}

TEST(ModeTitle, FirstModeThatApplies) {
  EXPECT_EQ(ModeTitle([](Switches&) {}), "~~ Function Metrics ~~\n\n");
  EXPECT_EQ(ModeTitle([](Switches& s) { s.macros = s.objects = true; }),
            "~~ Macro Metrics ~~\n\n");
  EXPECT_EQ(ModeTitle([](Switches& s) { s.objects = s.complexity = true; }),
            "~~ Class/Struct Metrics ~~\n\n");
  EXPECT_EQ(ModeTitle([](Switches& s) { s.loc_determination = s.complexity = true; }),
            "~~ Determine Source vs. LOC Algorithms ~~\n\n");
  EXPECT_EQ(ModeTitle([](Switches& s) { s.complexity = s.notices = true; }),
            "~~ Complexity Analysis ~~\n\n");
  EXPECT_EQ(ModeTitle([](Switches& s) { s.complexity = s.function_detail = true; }),
            "~~ Complexity Detail Analysis ~~\n\n");
  EXPECT_EQ(ModeTitle([](Switches& s) { s.notices = s.allocation = true; }),
            "~~ Quality Analysis ~~\n\n");
  EXPECT_EQ(ModeTitle([](Switches& s) { s.allocation = s.extract_strings = true; }),
            "~~ Memory Allocation/De-allocation Metrics ~~\n\n");
  EXPECT_EQ(ModeTitle([](Switches& s) { s.extract_strings = s.extract_comments = true; }),
            "~~ Literal String Extraction Mode ~~\n\n");
  EXPECT_EQ(ModeTitle([](Switches& s) { s.extract_comments = true; }),
            "~~ Comment Extraction Mode ~~\n\n");
  EXPECT_EQ(ModeTitle([](Switches& s) {
              s.comment_documentation = s.functional = true;
            }),
            "~~ Comment Documentation ~~\n\n");
  EXPECT_EQ(ModeTitle([](Switches& s) { s.function_list = s.functional = true; }),
            "~~ Function Listing ~~\n\n");
}

TEST(ModeTitle, NoneInTotalsOnlyCsvOrXml) {
  EXPECT_EQ(ModeTitle([](Switches& s) { s.totals_only = true; }), "");
  EXPECT_EQ(ModeTitle([](Switches& s) { s.csv = true; }), "");
  EXPECT_EQ(ModeTitle([](Switches& s) { s.xml = true; }), "");
}

TEST(ModeTitle, VisualStudioNoticesNoteNeedsCollection) {
  const std::string note =
      Centered(21, "Visual Studio Code Quality Notices") +
      "\n  Double click any notice in the Visual Studio output window to\n"
      "  jump to the specified line number\n\n";
  EXPECT_EQ(ModeTitle([](Switches& s) {
              s.csv = s.notice_visual_studio = s.notice_collect = true;
            }),
            note);
  EXPECT_EQ(ModeTitle([](Switches& s) { s.csv = s.notice_visual_studio = true; }),
            "");
}

std::string ReportEnd(const std::function<void(GlobalData&)>& set) {
  test::Harness h;
  h.G().settings.report_header_text = "ACME";
  h.G().settings.report_header_html = "<i>ACME</i>";
  set(h.G());
  WriteReportEnd(h.G());
  return h.Output();
}

TEST(ReportEnd, EachFormatWithAndWithoutHeader) {
  EXPECT_EQ(ReportEnd([](GlobalData&) {}), "");
  EXPECT_EQ(ReportEnd([](GlobalData& G) { G.settings.report_header_active = true; }),
            Centered(36, "ACME"));
  EXPECT_EQ(ReportEnd([](GlobalData& G) { G.sw.html = true; }),
            "</pre></body></html>");
  EXPECT_EQ(ReportEnd([](GlobalData& G) {
              G.sw.html = G.settings.report_header_active = true;
            }),
            "<i>ACME</i>\n</pre></body></html>");
  EXPECT_EQ(ReportEnd([](GlobalData& G) { G.sw.xml = true; }), "</zavrep>\n");
  EXPECT_EQ(ReportEnd([](GlobalData& G) {
              G.sw.xml = G.settings.report_header_active = true;
            }),
            "<banner>ACME</banner>\n</zavrep>\n");
  EXPECT_EQ(ReportEnd([](GlobalData& G) {
              G.sw.csv = G.settings.report_header_active = true;
            }),
            "\nACME\n");
}

TEST(ProjectBanner, EachFormat) {
  auto banner = [](const std::function<void(GlobalData&)>& set) {
    test::Harness h;
    set(h.G());
    WriteProjectBanner(h.G(), 3);
    return h.Output();
  };
  EXPECT_EQ(banner([](GlobalData&) {}),
            "\n  " + kHyphens + "\n\n" +
                Centered(21, "~~ Project Analysis For 3 Files ~~"));
  EXPECT_EQ(banner([](GlobalData& G) { G.sw.html = true; }),
            "\n  " + kHyphens + "\n\n" +
                Centered(23,
                         "<b>~~ Total Metrics For <font color=\"#993300\">3"
                         "</font> Files ~~</b>"));
  EXPECT_EQ(banner([](GlobalData& G) { G.sw.csv = true; }), "\nProject,3,Files");
  EXPECT_EQ(banner([](GlobalData& G) { G.sw.xml = true; }), "");
}

}  // namespace
}  // namespace zav
