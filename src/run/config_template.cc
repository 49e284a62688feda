#include "run/config_template.h"

#include <string>

#include "run/config.h"
#include "run/template_writer.h"

namespace zav {
namespace {

void WriteFileHeader(TemplateWriter& w, const GlobalData& G) {
  w.Rule();
  w.Comment(
      "# zav.cfg - the ZAV configuration file\n"
      "#\n"
      "# ZAV reads this file at start-up from the directory named by the\n"
      "# ZAVCFGHOME environment variable, or else from the ZAVHOME directory\n"
      "# (the program's own directory when ZAVHOME is not set), and creates\n"
      "# it with the built-in defaults when it is missing.\n"
      "#\n"
      "# Lines that begin with \"#\" are comments.  Every other line holds one\n"
      "# setting as \"Key : Value\".  Keep the text before the colon exactly as\n"
      "# it is written here (letter case does not matter); change only the\n"
      "# value after the colon.  Yes/No settings read any value beginning\n"
      "# with N as No and everything else as Yes.  Numbers must begin with a\n"
      "# digit, otherwise the line is ignored.  Command-line switches override\n"
      "# the settings of this file.\n"
      "#\n"
      "# When a newer ZAV finds a file of an older version it rewrites it,\n"
      "# keeping your values and adding the settings the old file lacked.");
  w.Rule();
  w.Blank();
  w.Raw("ZAV CFG Version: " + G.settings.version + "\n");
  w.Blank();
  w.Raw("# Current Working Dir.: " + G.run.start_dir + "\n");
  w.Raw("# Located Config. File: " + G.run.config_path + "\n");
  w.Raw("# Located Macro File  : " + G.run.macro_path + "\n");
  w.Blank();
  w.Raw("# The following is the current configuration data\n");
}

void WriteOperational(TemplateWriter& w, const Settings& s) {
  w.Banner("# ZAV Operational Configuration");
  w.Blank();
  w.Comment(
      "# Company header: when active, the text line heads and ends every\n"
      "# text and CSV report (and is the XML banner element); the HTML line\n"
      "# is written unchanged into HTML reports and may hold markup.");
  w.Flag("Report Header Active", s.report_header_active);
  w.Text("Report Header Text Line", s.report_header_text);
  w.Text("Report Header HTML Line", s.report_header_html);
  w.Comment(
      "\n# When Yes, a private configuration file can be read on the command\n"
      "# line with -u\"File cfg path/name\"; its settings replace these.");
  w.Flag("Enable user defined configuration files", s.enable_user_cfg_files);
  w.Comment(
      "\n# When No, file extensions are compared without regard to letter\n"
      "# case, so foo.c and foo.C are both C files.  When Yes, foo.C is only\n"
      "# a C file if \"C\" is listed among the C extensions.");
  w.Flag("Source file names are case sensitive", s.case_sensitive_names);
  w.Comment(
      "\n# Progress is shown on standard error while a report is written to a\n"
      "# file with -O: a dot every so many files, or every file name.");
  w.Flag("Show progress indicator", s.show_progress);
  w.Flag("Detailed Progress Showing File Names", s.detailed_progress);
  w.Integer("Progress status interval number of files", s.progress_interval);
  w.Comment("\n# Show each file's date and size in its report header.");
  w.Flag("Show file date and size", s.show_file_date_size);
  w.Comment(
      "\n# Reject named files whose extension is not listed below.");
  w.Flag("Validate file extensions for processing", s.validate_extensions);
  w.Comment(
      "\n# File extensions of each language, separated by commas.");
  w.Text("C File Extensions", s.c_extensions);
  w.Text("C Header File Extensions", s.c_header_extensions);
  w.Text("C++ File Extensions", s.cpp_extensions);
  w.Text("C++ Header File Extensions", s.cpp_header_extensions);
  w.Text("C# File Extensions", s.csharp_extensions);
  w.Text("Java File Extensions", s.java_extensions);
  w.Comment(
      "# Files of other languages are counted for lines of code only,\n"
      "# without keyword, function or quality analysis.");
  w.Text("Other File Extensions", s.other_extensions);
  w.Comment("\n# Analyse C header files with the C++ rules.");
  w.Flag("Treat C headers as C++", s.TreatCHeadersAsCpp());
  w.Comment(
      "\n# Pass over every file whose path contains one of these texts\n"
      "# (comma separated), for example: test,generated");
  w.Flag("Pattern Filter Active", s.pattern_filter_active);
  w.Text("Pattern Filter", s.pattern_filter);
  w.Comment(
      "\n# Skip tokens: lines between a start token and an end token are\n"
      "# counted as skipped and not analysed, for example\n"
      "#     // ZAV_IGNORE_BEGIN\n"
      "#     ... generated code ...\n"
      "#     // ZAV_IGNORE_END\n"
      "# Between the quality tokens lines are analysed but raise no quality\n"
      "# notices.");
  w.Text("ZAV Code Skip Start Token", s.skip_start_token);
  w.Text("ZAV Code Skip End Token", s.skip_end_token);
  w.Text("ZAV Code Quality Skip Start Token", s.quality_skip_start_token);
  w.Text("ZAV Code Quality Skip End Token", s.quality_skip_end_token);
  w.Flag("Activate ZAV code skip tokens", s.skip_tokens_active);
  w.Comment(
      "\n# Directories with these names are not descended by -r.");
  w.Flag("Do not process these local directories", s.exclude_directories);
  w.Text("Local directory names not processed", s.excluded_directory_names);
  w.Comment("\n# Break long file and function names over several lines.");
  w.Flag("Wrap long names in reports", s.wrap_long_names);
}

void WriteBaseline(TemplateWriter& w, const Settings& s) {
  w.Banner("# ZAV Configuration for Baseline Metrics Differentials");
  w.Blank();
  w.Comment(
      "# Where work files are written; empty means the current directory.");
  w.Text("Work file location path", s.work_file_location);
  w.Comment("\n# Lines compared by the code differentials.");
  w.Flag("Ignore code differential blank lines", s.ignore_diff_blank_lines);
  w.Flag("Ignore code differential white space", s.ignore_diff_white_space);
  w.Comment(
      "\n# Files longer than this are aligned with the linear look-ahead\n"
      "# method instead of the longest common subsequence.  Values up to\n"
      "# 10000 work well; use 6000 to 7000 on machines with little memory.");
  w.Integer("Maximum LCS file size, number of lines", s.max_lcs_lines);
  w.Flag("Add removed older lines as modified", s.add_removed_as_modified);
  w.Comment("\n# Lines shown in the differential details of -ws.");
  w.Flag("Show equal lines", s.show_equal_lines);
  w.Flag("Show lines removed from older file", s.show_removed_lines);
  w.Flag("Show lines added (mod) to newer file", s.show_added_lines);
  w.Comment("\n# Store file names relative to the baseline top directory.");
  w.Flag("Relative Work Files", s.relative_work_files);
  w.Comment("\n# Working time used by the productivity estimate of -wp.");
  w.Integer("Work Seconds per Hour", s.work_seconds_per_hour);
  w.Integer("Work Hours per Shift", s.work_hours_per_shift);
  w.Integer("Work Shifts per Day", s.work_shifts_per_day);
  w.Integer("Work Days per Week", s.work_days_per_week);
  w.Integer("Work Hours per Man Day", s.work_hours_per_man_day);
  w.Integer("Work Hours per Man Week", s.work_hours_per_man_week);
  w.Integer("Work Hours per Man Month", s.work_hours_per_man_month);
  w.Integer("Work Hours per Man Year", s.work_hours_per_man_year);
}

void WriteFunctionPoints(TemplateWriter& w, const Settings& s) {
  static const char* const kKinds[kGroupCount] = {"Header", "C",  "C++",
                                                  "Java",   "C#", "Other"};
  static const char* const kMeasures[kMeasureCount] = {"LOC", "eLOC", "lLOC"};
  w.Blank();
  w.Comment(
      "# Function point conversion factors for LOC metrics\n"
      "# Lines of code per function point for each kind of file; 0 gives\n"
      "# no function points for that kind.");
  for (int g = 0; g < kGroupCount; ++g) {
    for (int m = 0; m < kMeasureCount; ++m) {
      std::string label = std::string(kKinds[g]) + " File Function Points per " +
                          kMeasures[m];
      w.Integer(label, s.fp_factors[g][m]);
    }
  }
}

void WriteCyclomatic(TemplateWriter& w, const Settings& s) {
  w.Blank();
  w.Comment(
      "# Cyclomatic complexity counts one for each decision of a function:\n"
      "#   function call + if + inline if + while + for + foreach\n"
      "#   case + goto + logical or + Logical and\n"
      "# Each construct below can be left out of the count.");
  w.WideFlag("Include 'function call' in cyclomatic complexity", s.cyclo_function_call);
  w.WideFlag("Include 'while' in cyclomatic complexity", s.cyclo_while);
  w.WideFlag("Include 'for' in cyclomatic complexity", s.cyclo_for);
  w.WideFlag("Include 'switch' in cyclomatic complexity", s.cyclo_switch);
  w.WideFlag("Include 'case' in cyclomatic complexity", s.cyclo_case);
  w.WideFlag("Include 'if' in cyclomatic complexity", s.cyclo_if);
  w.WideFlag("Include 'else' in cyclomatic complexity", s.cyclo_else);
  w.WideFlag("Include '?' inlined if in cyclomatic complexity", s.cyclo_ternary);
  w.WideFlag("Include 'goto' in cyclomatic complexity", s.cyclo_goto);
  w.WideFlag("Include '||' or 'or' in cyclomatic complexity", s.cyclo_or);
  w.WideFlag("Include '&&' or 'and' in cyclomatic complexity", s.cyclo_and);
}

void WriteListing(TemplateWriter& w, const Settings& s) {
  w.Banner("# Code Listing Report Configuration");
  w.Blank();
  w.Comment(
      "# Layout of the printable code listing of -p; -L, -P, -M, -B and -S\n"
      "# override these for one run.  A negative page length on the command\n"
      "# line turns page breaks off.");
  w.Integer("Printed Line Length", s.printed_line_length);
  w.Integer("Printed Page Length", s.printed_page_length);
  w.Integer("Printed Left Margin", s.printed_left_margin);
  w.Integer("Printed Top Margin", s.printed_top_margin);
  w.Text("Printed Page Header", s.printed_page_header);
  w.Flag("Page breaks in code print format", s.page_breaks);
}

void WriteHtml(TemplateWriter& w, const Settings& s) {
  static const char* const kLabels[kColorALink] = {
      "HTML ZAV Color", "HTML Date Color", "HTML Text Color", "HTML VLink Color",
      "HTML Link Color", "HTML Background Color", "HTML Error Color",
      "HTML Line Color", "HTML Old File Differential Color",
      "HTML New File Differential Color", "HTML File Name Color",
      "HTML Function Color", "HTML Function Parameter Color",
      "HTML Template Color", "HTML Macro Color", "HTML Class Color",
      "HTML Inheritance Color", "HTML Struct Color", "HTML Notice Color",
      "HTML Header Color", "HTML New Code Differential Color",
      "HTML Removed Code Differential Color",
      "HTML Modified Code Differential Color",
      "HTML Equal Code Differential Color", "HTML Total Color",
      "HTML Inheritance Depth Color", "HTML Inheritance Child Color"};
  w.Banner("# HTML Report and Color Configuration");
  w.Blank();
  w.Comment(
      "# File names in HTML reports are links to the source files: relative\n"
      "# to the current directory when Yes, absolute file:// links when No.");
  w.Flag("Relative HTML Links", s.relative_html_links);
  w.Comment(
      "\n# Colours of HTML reports, as hex values (#RRGGBB) or colour names;\n"
      "# an empty value leaves the colour to the browser.");
  for (int c = 0; c < kColorALink; ++c) w.Color(kLabels[c], s.colors[c]);
}

}  // namespace

void WriteConfigTemplate(const GlobalData& G, FILE* out, bool html) {
  TemplateWriter w(out, html);
  const Settings& s = G.settings;
  if (html) {
    w.Raw("<html><header><title>\"ZAV Configuration\"</title></header><body><pre>\n");
  }
  WriteFileHeader(w, G);
  WriteOperational(w, s);
  WriteBaseline(w, s);
  WriteFunctionPoints(w, s);
  WriteCyclomatic(w, s);
  WriteNoticeTemplate(w, s);
  WriteListing(w, s);
  WriteHtml(w, s);
  w.Blank();
  w.Rule();
  w.Raw(std::string("# end of ") + kConfigFileName + "\n");
  if (html) w.Raw("</pre></body></html>");
}

}  // namespace zav
