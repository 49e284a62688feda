// The configuration template: its layout and reading it back.
#include "run/config_template.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "run/config.h"
#include "test_support.h"

namespace zav {
namespace {

using test::Harness;

std::string Template(const GlobalData& G, bool html = false) {
  char* buffer = nullptr;
  size_t size = 0;
  FILE* f = open_memstream(&buffer, &size);
  WriteConfigTemplate(G, f, html);
  std::fclose(f);
  std::string text(buffer, size);
  std::free(buffer);
  return text;
}

void ReadTemplate(GlobalData& G, std::string text) {
  FILE* f = fmemopen(text.data(), text.size(), "rb");
  ReadConfigurationStream(G, f);
  std::fclose(f);
}

using test::Has;

// Every setting the template writes, moved away from its default.
void ChangeEverySetting(Settings& s) {
  s.report_header_active = true;
  s.report_header_text = "Acme Corp";
  s.report_header_html = "<b>Acme</b>";
  s.enable_user_cfg_files = s.case_sensitive_names = true;
  s.show_progress = s.detailed_progress = true;
  s.progress_interval = 25;
  s.show_file_date_size = s.validate_extensions = false;
  s.c_extensions = "c,pc";
  s.c_header_extensions = "h,ph";
  s.cpp_extensions = "cpp,c++";
  s.cpp_header_extensions = "hpp";
  s.csharp_extensions = "cs,csx";
  s.java_extensions = "java,jav";
  s.other_extensions = "txt";
  s.pattern_filter_active = true;
  s.pattern_filter = "test,gen";
  s.skip_tokens_active = true;
  s.skip_start_token = "SKIP_ON";
  s.skip_end_token = "SKIP_OFF";
  s.quality_skip_start_token = "QSKIP_ON";
  s.quality_skip_end_token = "QSKIP_OFF";
  s.exclude_directories = true;
  s.excluded_directory_names = ".git,build";
  s.wrap_long_names = false;
  s.work_file_location = "/var/zav";
  s.ignore_diff_blank_lines = s.ignore_diff_white_space = false;
  s.max_lcs_lines = 9000;
  s.add_removed_as_modified = s.show_equal_lines = true;
  s.show_removed_lines = s.show_added_lines = true;
  s.relative_work_files = false;
  s.work_seconds_per_hour = 3000;
  s.work_hours_per_shift = 7;
  s.work_shifts_per_day = 2;
  s.work_days_per_week = 4;
  s.work_hours_per_man_day = 6;
  s.work_hours_per_man_week = 30;
  s.work_hours_per_man_month = 120;
  s.work_hours_per_man_year = 1500;
  s.udqn_file = "team_udqn.cfg";
  s.reorder_notices = true;
  s.printed_line_length = 100;
  s.printed_page_length = 66;
  s.printed_left_margin = 3;
  s.printed_top_margin = 2;
  s.printed_page_header = "Nightly Listing";
  s.page_breaks = true;
  s.relative_html_links = false;
  for (int c = 0; c < kColorCount; ++c) s.colors[c] = "c" + std::to_string(c);
  for (int g = 0; g < kGroupCount; ++g) {
    for (int m = 0; m < kMeasureCount; ++m) s.fp_factors[g][m] = 10 * g + m + 1;
  }
  for (bool* flag : {&s.cyclo_function_call, &s.cyclo_while, &s.cyclo_for,
                     &s.cyclo_switch, &s.cyclo_case, &s.cyclo_if, &s.cyclo_else,
                     &s.cyclo_ternary, &s.cyclo_goto, &s.cyclo_or, &s.cyclo_and}) {
    *flag = !*flag;
  }
  for (int n = 1; n <= kNoticeCount; ++n) s.notice_enabled[n] = !s.notice_enabled[n];
  s.max_line_length = 120;
  s.max_function_name_length = 40;
  s.key_string = "Copyright Acme";
  s.use_default_in_case_break = true;
  s.max_return_points = 3;
  s.goto_is_return_point = false;
  s.max_cyclomatic = 15;
  s.max_interface = 8;
  s.ignore_public_event = s.ignore_public_const = s.ignore_public_delegate = false;
  s.max_methods_per_class = 50;
  s.max_inheritance_depth = 6;
  s.max_derived_children = 12;
  s.zero_is_literal = true;
  s.max_scope_depth = 9;
  s.min_function_loc_content = 5;
  s.min_class_loc_content = 6;
  s.min_function_whitespace_pct = 12.25f;
  s.min_function_comment_pct = 15.5f;
  s.max_function_eloc = 150;
  s.min_function_lloc = 2;
  s.min_class_comment_pct = 20.0f;
  s.min_function_blank_pct = 5.75f;
  s.min_file_whitespace_pct = 8.5f;
  s.tab_spaces = 4;
  s.min_file_comment_pct = 30.0f;
  s.min_file_blank_pct = 0.0f;
}

TEST(ConfigTemplate, ReadingTheTemplateBackReproducesEverySetting) {
  Harness source, copy;
  ChangeEverySetting(source.G().settings);
  std::string text = Template(source.G());
  ReadTemplate(copy.G(), text);

  const Settings& s = copy.G().settings;
  EXPECT_EQ(s.report_header_html, "<b>Acme</b>");
  EXPECT_EQ(s.cpp_extensions, "cpp,c++");
  EXPECT_FALSE(s.TreatCHeadersAsCpp());
  EXPECT_EQ(s.udqn_file, "team_udqn.cfg");
  EXPECT_EQ(s.fp_factors[kGroupOther][kMeasureLloc], 53);
  EXPECT_FLOAT_EQ(s.min_function_blank_pct, 5.75f);
  EXPECT_FLOAT_EQ(s.min_file_blank_pct, 0.0f);
  EXPECT_EQ(s.colors[kColorInheritanceChild], "c26");
  EXPECT_EQ(s.colors[kColorALink], "#CCCCCC");  // not in the template
  EXPECT_TRUE(s.cyclo_else);
  EXPECT_FALSE(s.notice_enabled[1]);
  EXPECT_TRUE(s.notice_enabled[21]);
  EXPECT_EQ(s.key_string, "Copyright Acme");
  // Everything written reads back: the copy writes the same template.
  EXPECT_EQ(Template(copy.G()), text);
}

TEST(ConfigTemplate, LabelsArePaddedToTheirColumn) {
  Harness h;
  std::string text = Template(h.G());
  for (const char* line : {
           "\nReport Header Active                    : No\n",
           "\nProgress status interval number of files: 10\n",  // 40 characters
           // The cyclomatic group is aligned on its longest label.
           "\nInclude 'function call' in cyclomatic complexity: Yes\n",
           "\nInclude 'else' in cyclomatic complexity         : No\n",
           "\nMinimum File Comment Line Percent       : 10.00 \n",
           "\nOther File Extensions                   : \n",
       }) {
    EXPECT_TRUE(Has(text, line)) << line;
  }
}

TEST(ConfigTemplate, DefaultNoticeEntriesCarryTheirThresholds) {
  Harness h;
  std::string text = Template(h.G());
  EXPECT_TRUE(Has(text,
                  "\n\n# Quality Notice No. 1\n"
                  "# A physical line is longer than the maximum line length.\n"
                  "Quality Notice 1                        : Yes\n"
                  "Maximum Line Length                     : 80\n"));
  EXPECT_TRUE(Has(text, "\nQuality Notice 19                       : Yes\n"
                        "Minimum File Whitespace Percent         : 10.00 \n"
                        "A TAB is equivalent to n space          : 2\n"));
}

TEST(ConfigTemplate, SectionsAndNoticesComeInTheirOrder) {
  Harness h;
  std::string text = Template(h.G());
  std::vector<std::string> order = {
      "ZAV CFG Version: 7.75\n\n# Current Working Dir.: ",
      "\n# Located Config. File: ",
      "\n# Located Macro File  : ",
      "\n# The following is the current configuration data\n\n#####",
      "\n# ZAV Operational Configuration ####################################\n",
      "\nReport Header Active ", "\nTreat C headers as C++ ",
      "\n# ZAV Configuration for Baseline Metrics Differentials #############\n",
      "\nWork file location path ", "\nWork Hours per Man Year ",
      "\n# Function point conversion factors for LOC metrics\n",
      "\nInclude 'function call' in cyclomatic complexity",
      "\n# ZAV Quality Notices Configuration ################################\n",
      "\n# ZAV Quality Notices For Code Style", "\nQuality Notice 1 ",
      "\nQuality Notice 21 ", "\n# ZAV Quality Notices For Stability and Maintainability",
      "\nQuality Notice 13 ", "\nUse default in case/break comparison ",
      "\nQuality Notice 14 ", "\nQuality Notice 56 ",
      "\n# ZAV Quality Notices for Functional/Struct and Class Content",
      "\nQuality Notice 48 ", "\nMinimum Function lLOC ", "\nQuality Notice 54 ",
      "\n# ZAV Quality Notices for File Content #", "\nQuality Notice 58 ",
      "\n# ZAV Quality Notices Miscellaneous",
      "\n# Quality Notice No. 25\n# Deprecated in Version 6.70\n",
      "\n# Code Listing Report Configuration ################################\n",
      "\n# HTML Report and Color Configuration ##############################\n",
      "\nHTML Inheritance Child Color ",
      "\n####################################################################\n"
      "# end of zav.cfg\n",
  };
  size_t at = 0;
  for (const std::string& piece : order) {
    size_t found = text.find(piece, at);
    ASSERT_NE(found, std::string::npos) << "missing or out of order: " << piece;
    at = found + 1;
  }
  EXPECT_EQ(text.substr(text.size() - 17), "# end of zav.cfg\n");
}

TEST(ConfigTemplate, KeysOnlyReadAreNotWritten) {
  Harness h;
  std::string text = Template(h.G());
  EXPECT_FALSE(Has(text, "\nQuality Notice 25 "));
  EXPECT_FALSE(Has(text, "ALink"));
  EXPECT_FALSE(Has(text, "llowable"));
  EXPECT_FALSE(Has(text, "Use notice"));
  EXPECT_FALSE(Has(text, "Minimum Function eLOC"));
  EXPECT_FALSE(Has(text, "\ninclude cyclo complexity in work files"));
}

TEST(ConfigTemplate, HtmlWrapsTheTemplateAndShowsColours) {
  Harness h;
  std::string text = Template(h.G(), true);
  const std::string head =
      "<html><header><title>\"ZAV Configuration\"</title></header><body><pre>";
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_EQ(text.substr(text.size() - 20), "</pre></body></html>");
  EXPECT_TRUE(Has(text, "\nHTML ZAV Color                          : "
                        "<font color=\"#0000FF\">#0000FF</font>\n"));
  EXPECT_TRUE(Has(text, "\nReport Header Active                    : No\n"));
}

}  // namespace
}  // namespace zav
