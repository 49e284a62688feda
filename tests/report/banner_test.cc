#include "report/banner.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace zav {
namespace {

using test::Has;

using test::Centered;

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
  EXPECT_EQ(ModeTitle([](Switches& s) { s.complexity = s.notices = true; }),
            "~~ Complexity Analysis ~~\n\n");
  EXPECT_EQ(ModeTitle([](Switches& s) { s.notices = s.allocation = true; }),
            "~~ Quality Analysis ~~\n\n");
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

}  // namespace
}  // namespace zav
