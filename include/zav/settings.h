// Settings: every tunable of a run with its built-in default.
//
// Owned by src/run/ (defaults, the configuration file reader and writer, and
// the command line, which overrides single settings). Every other subsystem
// only reads these fields.
#pragma once

#include <array>
#include <string>

#include "zav/notice_numbers.h"

namespace zav {

inline constexpr const char* kVersion = "7.75";
inline constexpr const char* kConfigFileName = "zav.cfg";
inline constexpr const char* kMacroFileName = "zav_macro.cfg";
inline constexpr const char* kWorkDiffFileName = "zav_workdiff.cfg";
inline constexpr const char* kUdqnFileName = "zav_udqn.cfg";

// Capacities of the text settings, in characters.
inline constexpr size_t kTextMax = 2047;
inline constexpr size_t kColorMax = 20;
inline constexpr size_t kVersionMax = 40;
inline constexpr size_t kExtensionListMax = 254;

inline constexpr int kNoticeCount = 58;  // built-in notices 1..58

// The 28 HTML colours, in the order of the configuration template (the
// active-link colour, which the template does not write, is last).
enum ColorId {
  kColorZav,
  kColorDate,
  kColorText,
  kColorVLink,
  kColorLink,
  kColorBackground,
  kColorError,
  kColorLine,
  kColorOldFileDiff,
  kColorNewFileDiff,
  kColorFileName,
  kColorFunction,
  kColorFunctionParam,
  kColorTemplate,
  kColorMacro,
  kColorClass,
  kColorInheritance,
  kColorStruct,
  kColorNotice,
  kColorHeader,
  kColorNewCodeDiff,
  kColorRemovedCodeDiff,
  kColorModifiedCodeDiff,
  kColorEqualCodeDiff,
  kColorTotal,
  kColorInheritanceDepth,
  kColorInheritanceChild,
  kColorALink,
  kColorCount
};

// Language groups of the function-point factors and the language totals,
// in the order in which a file's group is chosen.
enum LanguageGroup {
  kGroupHeader,
  kGroupC,
  kGroupCpp,
  kGroupJava,
  kGroupCSharp,
  kGroupOther,
  kGroupCount
};

// Measures of the function-point factors.
enum SizeMeasure { kMeasureLoc, kMeasureEloc, kMeasureLloc, kMeasureCount };

struct Settings {
  // Program identity.
  std::string version = kVersion;
  std::string build_date;  // "Sep  2 2009" form, set by the defaults step

  // Report header and operation.
  bool report_header_active = false;
  std::string report_header_text;
  std::string report_header_html;
  bool enable_user_cfg_files = false;
  bool case_sensitive_names = false;
  bool show_progress = false;  // stored and written back only
  bool detailed_progress = false;
  int progress_interval = 10;
  bool show_file_date_size = true;
  bool validate_extensions = true;

  // Per-language extension lists.
  std::string c_extensions = "c";
  std::string c_header_extensions = "h";
  std::string cpp_extensions = "cc,cpp,cxx,CC";
  std::string cpp_header_extensions = "h,hh,H,hxx,hpp";
  std::string csharp_extensions = "cs";
  std::string java_extensions = "java";
  std::string other_extensions;
  std::string allowable_extensions = "c,cc,cpp,cxx,C,CC,h,hh,H,hxx,java,jav,cs";

  bool pattern_filter_active = false;
  std::string pattern_filter;

  // Skip tokens.
  bool skip_tokens_active = false;
  std::string skip_start_token = "ZAV_IGNORE_BEGIN";
  std::string skip_end_token = "ZAV_IGNORE_END";
  std::string quality_skip_start_token = "ZAV_IGNORE_QUALITY_BEGIN";
  std::string quality_skip_end_token = "ZAV_IGNORE_QUALITY_END";

  bool exclude_directories = false;
  std::string excluded_directory_names = "sccs,cvs,rcs,svn";
  bool wrap_long_names = true;

  // Baselines and differentials.
  std::string work_file_location;
  bool ignore_diff_blank_lines = true;
  bool ignore_diff_white_space = true;
  int max_lcs_lines = 7000;
  bool add_removed_as_modified = false;
  bool show_equal_lines = false;
  bool show_removed_lines = false;
  bool show_added_lines = false;
  bool relative_work_files = true;
  int work_seconds_per_hour = 3600;
  int work_hours_per_shift = 8;
  int work_shifts_per_day = 1;
  int work_days_per_week = 5;
  int work_hours_per_man_day = 8;
  int work_hours_per_man_week = 40;
  int work_hours_per_man_month = 160;
  int work_hours_per_man_year = 1960;

  // Quality notices: options.
  std::string udqn_file;
  bool reorder_notices = false;

  // Code listing.
  int printed_line_length = 80;
  int printed_page_length = 55;
  int printed_left_margin = 5;
  int printed_top_margin = 1;
  std::string printed_page_header = "ZAV Code Listing";  // also the -S title
  bool page_breaks = false;

  bool relative_html_links = true;
  std::string cfg_version;  // "zav cfg version" as read

  std::array<std::string, kColorCount> colors = {
      "#0000FF", "#0000FF", "#000000", "#660099", "#0000EE", "#F8F8F8",
      "#FF0000", "#003399", "#CC0033", "#336666", "#0000FF", "#0000FF",
      "#006600", "#006699", "#33CCFF", "#663300", "#FF3300", "#990000",
      "#CC0000", "#993300", "#3366CC", "#FF0000", "#993300", "#00CC00",
      "#993300", "#333300", "#CC6600", "#CCCCCC"};

  // Function-point factors [group][measure].
  int fp_factors[kGroupCount][kMeasureCount] = {
      {0, 0, 0}, {128, 128, 128}, {53, 53, 53},
      {53, 53, 53}, {53, 53, 53}, {0, 0, 0}};

  // Cyclomatic complexity contributions.
  bool cyclo_function_call = true;
  bool cyclo_while = true;
  bool cyclo_for = true;
  bool cyclo_switch = false;
  bool cyclo_case = true;
  bool cyclo_if = true;
  bool cyclo_else = false;
  bool cyclo_ternary = true;
  bool cyclo_goto = true;
  bool cyclo_or = true;
  bool cyclo_and = true;

  // Enable flags of notices 1..58 (index 0 unused). Notice 25's flag is
  // also "treat c headers as c++".
  std::array<bool, kNoticeCount + 1> notice_enabled = InitialNoticeFlags();

  // Notice limits and options.
  int max_line_length = 80;
  int max_function_name_length = 32;
  std::string key_string;
  bool key_string_configured = false;
  bool use_default_in_case_break = false;
  int max_return_points = 1;
  bool goto_is_return_point = true;
  int max_cyclomatic = 10;
  int max_interface = 6;
  bool ignore_public_event = true;
  bool ignore_public_const = true;
  bool ignore_public_delegate = true;
  int max_methods_per_class = 100;
  int max_inheritance_depth = 4;
  int max_derived_children = 10;
  bool zero_is_literal = false;
  int max_scope_depth = 7;
  int min_function_loc_content = 0;
  int min_class_loc_content = 0;
  float min_function_whitespace_pct = 10.0f;
  float min_function_comment_pct = 10.0f;
  int max_function_eloc = 200;
  int min_function_lloc = 0;
  float min_class_comment_pct = 10.0f;
  float min_function_blank_pct = 10.0f;
  float min_file_whitespace_pct = 10.0f;
  int tab_spaces = 2;
  float min_file_comment_pct = 10.0f;
  float min_file_blank_pct = 10.0f;

  bool TreatCHeadersAsCpp() const { return notice_enabled[kNoticeHeadersAsCpp]; }

  static std::array<bool, kNoticeCount + 1> InitialNoticeFlags() {
    std::array<bool, kNoticeCount + 1> flags{};
    for (int n = 1; n <= kNoticeCount; ++n) flags[n] = true;
    for (int n : {21, 46, 47, 51, 52, 53, 54, 57, 58}) flags[n] = false;
    return flags;
  }
};

}  // namespace zav
