#include "run/config_keys.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <string>
#include <unordered_map>

#include "analysis/language.h"
#include "base/output.h"

namespace zav {
namespace {

// How a key's value is read.
enum class ValueKind {
  kFlag,        // Yes/No into a bool member
  kInteger,     // leading digits into an int member
  kPercent,     // leading decimal number into a float member
  kText,        // text into a string member (see TextGuard)
  kExtensions,  // a per-language extension list
  kColor,       // one of the HTML colours
  kNotice,      // the enable flag of a built-in notice
  kFpFactor,    // a function-point factor
  kSpecial,     // its own handler
  kIgnored,     // accepted for old files, changes nothing
};

// Which first characters a text value must start with to be taken.
enum class TextGuard { kAny, kLetterOrDigit };

using SpecialHandler = void (*)(GlobalData&, std::string_view, ConfigReadState&);

struct KeyRule {
  ValueKind kind = ValueKind::kIgnored;
  bool Settings::*flag = nullptr;
  int Settings::*integer = nullptr;
  float Settings::*percent = nullptr;
  std::string Settings::*text = nullptr;
  TextGuard guard = TextGuard::kAny;
  size_t max_length = kTextMax;
  int index = 0;  // colour, notice number, language id or factor slot
  SpecialHandler special = nullptr;
};

KeyRule Flag(bool Settings::*member) {
  KeyRule k;
  k.kind = ValueKind::kFlag;
  k.flag = member;
  return k;
}

KeyRule Integer(int Settings::*member) {
  KeyRule k;
  k.kind = ValueKind::kInteger;
  k.integer = member;
  return k;
}

KeyRule Percent(float Settings::*member) {
  KeyRule k;
  k.kind = ValueKind::kPercent;
  k.percent = member;
  return k;
}

KeyRule Text(std::string Settings::*member, TextGuard guard = TextGuard::kAny,
             size_t max_length = kTextMax) {
  KeyRule k;
  k.kind = ValueKind::kText;
  k.text = member;
  k.guard = guard;
  k.max_length = max_length;
  return k;
}

KeyRule Extensions(std::string Settings::*member, int language_id) {
  KeyRule k = Text(member, TextGuard::kLetterOrDigit, kExtensionListMax);
  k.kind = ValueKind::kExtensions;
  k.index = language_id;
  return k;
}

KeyRule Indexed(ValueKind kind, int index) {
  KeyRule k;
  k.kind = kind;
  k.index = index;
  return k;
}

KeyRule Special(SpecialHandler handler) {
  KeyRule k;
  k.kind = ValueKind::kSpecial;
  k.special = handler;
  return k;
}

std::string Capped(std::string_view value, size_t max_length) {
  return std::string(value.substr(0, max_length));
}

bool StartsWithLetterOrDigit(std::string_view value) {
  return !value.empty() && std::isalnum(static_cast<unsigned char>(value[0]));
}

// --- Keys with rules of their own -----------------------------------------

void ProgressInterval(GlobalData& G, std::string_view value, ConfigReadState&) {
  int n;
  if (ParseLeadingInteger(value, n)) G.settings.progress_interval = n < 1 ? 1 : n;
}

void MaxScopeDepth(GlobalData& G, std::string_view value, ConfigReadState&) {
  int n;
  if (ParseLeadingInteger(value, n)) G.settings.max_scope_depth = n == 0 ? 7 : n;
}

void AllowableExtensions(GlobalData& G, std::string_view value,
                         ConfigReadState& state) {
  G.settings.allowable_extensions = Capped(value, kTextMax);
  state.allowable_read = true;
}

void WorkFileLocation(GlobalData& G, std::string_view value, ConfigReadState&) {
  G.settings.work_file_location =
      !value.empty() && value[0] == '\r' ? std::string() : Capped(value, kTextMax);
}

// Stored as written; UdqnFilePath() (config.h) places a bare name.
void UdqnFile(GlobalData& G, std::string_view value, ConfigReadState&) {
  G.settings.udqn_file = Capped(value, kTextMax);
}

// The line marks the key string as configured even when its value is empty.
void KeyString(GlobalData& G, std::string_view value, ConfigReadState&) {
  G.settings.key_string = Capped(value, kTextMax);
  G.settings.key_string_configured = true;
}

void DeprecatedCycloInWorkFiles(GlobalData& G, std::string_view, ConfigReadState&) {
  Print(G,
        "Notice: Using \"include cyclo complexity in work files\"\n"
        "        in zav.cfg is deprecated.  Use the %s\n"
        "        file to define the elements of the baseline metrics\n"
        "        differential report\n\n",
        kWorkDiffFileName);
}

// --- The key table ---------------------------------------------------------

using KeyTable = std::unordered_map<std::string, KeyRule>;

void AddGeneralKeys(KeyTable& t) {
  using S = Settings;
  t["report header active"] = Flag(&S::report_header_active);
  t["report header text line"] = Text(&S::report_header_text);
  t["report header html line"] = Text(&S::report_header_html);
  t["enable user defined configuration files"] = Flag(&S::enable_user_cfg_files);
  t["source file names are case sensitive"] = Flag(&S::case_sensitive_names);
  t["show progress indicator"] = Flag(&S::show_progress);
  t["detailed progress showing file names"] = Flag(&S::detailed_progress);
  t["progress status interval number of files"] = Special(ProgressInterval);
  t["show file date and size"] = Flag(&S::show_file_date_size);
  t["validate file extensions for processing"] = Flag(&S::validate_extensions);
  t["c file extensions"] = Extensions(&S::c_extensions, kLangC);
  t["c header file extensions"] = Extensions(&S::c_header_extensions, kLangCHeader);
  t["c++ file extensions"] = Extensions(&S::cpp_extensions, kLangCpp);
  t["c++ header file extensions"] =
      Extensions(&S::cpp_header_extensions, kLangCppHeader);
  t["c# file extensions"] = Extensions(&S::csharp_extensions, kLangCSharp);
  t["java file extensions"] = Extensions(&S::java_extensions, kLangJava);
  t["other file extensions"] = Extensions(&S::other_extensions, kLangOther);
  t["treat c headers as c++"] = Indexed(ValueKind::kNotice, 25);
  t["pattern filter active"] = Flag(&S::pattern_filter_active);
  t["pattern filter"] = Text(&S::pattern_filter);
  t["activate zav code skip tokens"] = Flag(&S::skip_tokens_active);
  t["zav code skip start token"] = Text(&S::skip_start_token);
  t["zav code skip end token"] = Text(&S::skip_end_token);
  t["zav code quality skip start token"] = Text(&S::quality_skip_start_token);
  t["zav code quality skip end token"] = Text(&S::quality_skip_end_token);
  t["do not process these local directories"] = Flag(&S::exclude_directories);
  t["local directory names not processed"] = Text(&S::excluded_directory_names);
  t["allowable source code extensions"] = Special(AllowableExtensions);
  t["wrap long names in reports"] = Flag(&S::wrap_long_names);
  t["zav user defined quality notice file"] = Special(UdqnFile);
  t["reorder notice, line in quality notices"] = Flag(&S::reorder_notices);
  t["printed line length"] = Integer(&S::printed_line_length);
  t["printed page length"] = Integer(&S::printed_page_length);
  t["printed left margin"] = Integer(&S::printed_left_margin);
  t["printed top margin"] = Integer(&S::printed_top_margin);
  t["printed page header"] =
      Text(&S::printed_page_header, TextGuard::kLetterOrDigit);
  t["page breaks in code print format"] = Flag(&S::page_breaks);
  t["relative html links"] = Flag(&S::relative_html_links);
  t["zav cfg version"] = Text(&S::cfg_version, TextGuard::kLetterOrDigit, kVersionMax);
}

void AddBaselineKeys(KeyTable& t) {
  using S = Settings;
  t["work file location path"] = Special(WorkFileLocation);
  t["ignore code differential blank lines"] = Flag(&S::ignore_diff_blank_lines);
  t["ignore code differential white space"] = Flag(&S::ignore_diff_white_space);
  t["maximum lcs file size, number of lines"] = Integer(&S::max_lcs_lines);
  t["add removed older lines as modified"] = Flag(&S::add_removed_as_modified);
  t["show equal lines"] = Flag(&S::show_equal_lines);
  t["show lines removed from older file"] = Flag(&S::show_removed_lines);
  t["show lines added (mod) to newer file"] = Flag(&S::show_added_lines);
  t["relative work files"] = Flag(&S::relative_work_files);
  t["work seconds per hour"] = Integer(&S::work_seconds_per_hour);
  t["work hours per shift"] = Integer(&S::work_hours_per_shift);
  t["work shifts per day"] = Integer(&S::work_shifts_per_day);
  t["work days per week"] = Integer(&S::work_days_per_week);
  t["work hours per man day"] = Integer(&S::work_hours_per_man_day);
  t["work hours per man week"] = Integer(&S::work_hours_per_man_week);
  t["work hours per man month"] = Integer(&S::work_hours_per_man_month);
  t["work hours per man year"] = Integer(&S::work_hours_per_man_year);

  // Kept readable for files of older versions; they change nothing.
  t["include cyclo complexity in work files"] = Special(DeprecatedCycloInWorkFiles);
  t["use notice"] = Indexed(ValueKind::kIgnored, 0);
  t["force use of linear lookahead algorithm"] = Indexed(ValueKind::kIgnored, 0);
  t["use lla for files > lcs file size"] = Indexed(ValueKind::kIgnored, 0);
}

void AddFunctionPointKeys(KeyTable& t) {
  static const char* const kKinds[kGroupCount] = {"header", "c",  "c++",
                                                  "java",   "c#", "other"};
  static const char* const kMeasures[kMeasureCount] = {"loc", "eloc", "lloc"};
  for (int g = 0; g < kGroupCount; ++g) {
    for (int m = 0; m < kMeasureCount; ++m) {
      std::string key =
          std::string(kKinds[g]) + " file function points per " + kMeasures[m];
      t[key] = Indexed(ValueKind::kFpFactor, g * kMeasureCount + m);
    }
  }
}

void AddCyclomaticKeys(KeyTable& t) {
  using S = Settings;
  t["include 'function call' in cyclomatic complexity"] = Flag(&S::cyclo_function_call);
  t["include 'while' in cyclomatic complexity"] = Flag(&S::cyclo_while);
  t["include 'for' in cyclomatic complexity"] = Flag(&S::cyclo_for);
  t["include 'switch' in cyclomatic complexity"] = Flag(&S::cyclo_switch);
  t["include 'case' in cyclomatic complexity"] = Flag(&S::cyclo_case);
  t["include 'if' in cyclomatic complexity"] = Flag(&S::cyclo_if);
  t["include 'else' in cyclomatic complexity"] = Flag(&S::cyclo_else);
  t["include '?' inlined if in cyclomatic complexity"] = Flag(&S::cyclo_ternary);
  t["include 'goto' in cyclomatic complexity"] = Flag(&S::cyclo_goto);
  t["include '||' or 'or' in cyclomatic complexity"] = Flag(&S::cyclo_or);
  t["include '&&' or 'and' in cyclomatic complexity"] = Flag(&S::cyclo_and);
}

void AddNoticeKeys(KeyTable& t) {
  using S = Settings;
  for (int n = 1; n <= kNoticeCount; ++n) {
    t["quality notice " + std::to_string(n)] = Indexed(ValueKind::kNotice, n);
  }
  t["maximum line length"] = Integer(&S::max_line_length);
  t["maximum function name length"] = Integer(&S::max_function_name_length);
  t["zav key string"] = Special(KeyString);
  t["use default in case/break comparison"] = Flag(&S::use_default_in_case_break);
  t["maximum functional return points"] = Integer(&S::max_return_points);
  t["count goto as a function return point"] = Flag(&S::goto_is_return_point);
  t["maximum functional cyclomatic complexity"] = Integer(&S::max_cyclomatic);
  t["maximum functional interface complexity"] = Integer(&S::max_interface);
  t["ignore public event data"] = Flag(&S::ignore_public_event);
  t["ignore public const data"] = Flag(&S::ignore_public_const);
  t["ignore public delegate data"] = Flag(&S::ignore_public_delegate);
  t["maximum number of methods per class"] = Integer(&S::max_methods_per_class);
  t["maximum depth of inheritance tree"] = Integer(&S::max_inheritance_depth);
  t["maximum number of derived child classes"] = Integer(&S::max_derived_children);
  t["include zero (0) as literal assignment"] = Flag(&S::zero_is_literal);
  t["maximum depth of scope"] = Special(MaxScopeDepth);
  t["min. function loc for content analysis"] = Integer(&S::min_function_loc_content);
  t["min. class/struct loc content analysis"] = Integer(&S::min_class_loc_content);
  t["minimum function whitespace percent"] = Percent(&S::min_function_whitespace_pct);
  t["minimum function comment line percent"] = Percent(&S::min_function_comment_pct);
  t["maximum function eloc"] = Integer(&S::max_function_eloc);
  // The template writes the lLOC form; older files used the eLOC form.
  t["minimum function lloc"] = Integer(&S::min_function_lloc);
  t["minimum function eloc"] = Integer(&S::min_function_lloc);
  t["minimum class/struct comment percent"] = Percent(&S::min_class_comment_pct);
  t["minimum function blank line percent"] = Percent(&S::min_function_blank_pct);
  t["minimum file whitespace percent"] = Percent(&S::min_file_whitespace_pct);
  t["a tab is equivalent to n space"] = Integer(&S::tab_spaces);
  t["minimum file comment line percent"] = Percent(&S::min_file_comment_pct);
  t["minimum file blank line percent"] = Percent(&S::min_file_blank_pct);
}

void AddColorKeys(KeyTable& t) {
  static const char* const kNames[kColorCount] = {
      "zav", "date", "text", "vlink", "link", "background", "error", "line",
      "old file differential", "new file differential", "file name", "function",
      "function parameter", "template", "macro", "class", "inheritance",
      "struct", "notice", "header", "new code differential",
      "removed code differential", "modified code differential",
      "equal code differential", "total", "inheritance depth",
      "inheritance child", "alink"};
  for (int c = 0; c < kColorCount; ++c) {
    t[std::string("html ") + kNames[c] + " color"] = Indexed(ValueKind::kColor, c);
  }
}

const KeyTable& Keys() {
  static const KeyTable table = [] {
    KeyTable t;
    AddGeneralKeys(t);
    AddBaselineKeys(t);
    AddFunctionPointKeys(t);
    AddCyclomaticKeys(t);
    AddNoticeKeys(t);
    AddColorKeys(t);
    return t;
  }();
  return table;
}

// --- Applying a value ------------------------------------------------------

void ApplyText(GlobalData& G, const KeyRule& k, std::string_view value) {
  if (k.guard == TextGuard::kLetterOrDigit && !StartsWithLetterOrDigit(value)) return;
  G.settings.*k.text = Capped(value, k.max_length);
}

// An empty colour is "browser default"; any other value must start with a
// letter, a digit or "#" ("(none)" is ignored).
void ApplyColor(GlobalData& G, int color, std::string_view value) {
  if (!value.empty() && !StartsWithLetterOrDigit(value) && value[0] != '#') return;
  G.settings.colors[color] = Capped(value, kColorMax);
}

void ApplyExtensions(GlobalData& G, const KeyRule& k, std::string_view value,
                     ConfigReadState& state) {
  if (!StartsWithLetterOrDigit(value)) return;
  std::string& list = G.settings.*k.text;
  list = Capped(value, kExtensionListMax);
  state.language_list_read = true;
  // A file read after start-up (-u) changes the registered languages too.
  if (static_cast<int>(G.lang.table.size()) > k.index) {
    ReplaceLanguageExtensions(G, k.index, list);
  }
}

void ApplyValue(GlobalData& G, const KeyRule& k, std::string_view value,
                ConfigReadState& state) {
  Settings& s = G.settings;
  switch (k.kind) {
    case ValueKind::kFlag: s.*k.flag = ReadsAsYes(value); break;
    case ValueKind::kInteger: ParseLeadingInteger(value, s.*k.integer); break;
    case ValueKind::kPercent: ParseLeadingPercent(value, s.*k.percent); break;
    case ValueKind::kText: ApplyText(G, k, value); break;
    case ValueKind::kExtensions: ApplyExtensions(G, k, value, state); break;
    case ValueKind::kColor: ApplyColor(G, k.index, value); break;
    case ValueKind::kNotice: s.notice_enabled[k.index] = ReadsAsYes(value); break;
    case ValueKind::kFpFactor: {
      int& factor = s.fp_factors[k.index / kMeasureCount][k.index % kMeasureCount];
      ParseLeadingInteger(value, factor);
      break;
    }
    case ValueKind::kSpecial: k.special(G, value, state); break;
    case ValueKind::kIgnored: break;
  }
}

bool IsTrailingSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view TrimTrailing(std::string_view text) {
  while (!text.empty() && IsTrailingSpace(text.back())) text.remove_suffix(1);
  return text;
}

std::string Lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

bool ReadsAsYes(std::string_view value) {
  return value.empty() || (value[0] != 'n' && value[0] != 'N');
}

bool ParseLeadingInteger(std::string_view value, int& out) {
  if (value.empty() || !std::isdigit(static_cast<unsigned char>(value[0]))) return false;
  long long n = 0;
  for (char c : value) {
    if (!std::isdigit(static_cast<unsigned char>(c))) break;
    n = n * 10 + (c - '0');
    if (n > INT_MAX) n = INT_MAX;
  }
  out = static_cast<int>(n);
  return true;
}

bool ParseLeadingPercent(std::string_view value, float& out) {
  if (value.empty() || !std::isdigit(static_cast<unsigned char>(value[0]))) return false;
  size_t end = 0;
  while (end < value.size() && std::isdigit(static_cast<unsigned char>(value[end]))) ++end;
  if (end < value.size() && value[end] == '.') {
    ++end;
    while (end < value.size() && std::isdigit(static_cast<unsigned char>(value[end]))) ++end;
  }
  std::string number(value.substr(0, end));
  out = std::strtof(number.c_str(), nullptr);
  return true;
}

bool ApplyConfigLine(GlobalData& G, std::string_view line, ConfigReadState& state) {
  size_t colon = line.find(':');
  if (colon == std::string_view::npos) return false;
  std::string key = Lowered(TrimTrailing(line.substr(0, colon)));
  const KeyTable& keys = Keys();
  auto found = keys.find(key);
  if (found == keys.end()) return false;

  std::string_view value = line.substr(colon + 1);
  while (!value.empty() && (value[0] == ' ' || value[0] == '\t')) value.remove_prefix(1);
  ApplyValue(G, found->second, TrimTrailing(value), state);
  return true;
}

}  // namespace zav
