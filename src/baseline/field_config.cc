#include "baseline/field_config.h"

#include <strings.h>

#include <cctype>
#include <cstdio>
#include <string>

#include "baseline/fresh_file.h"
#include "base/output.h"

namespace zav {

const std::array<const char*, kMetricFieldCount + 1> kMetricFieldNames = {
    "UNKNOWN_DATA_FIELD", "FILE_NAME", "LOC_COUNT", "ELOC_COUNT", "LLOC_COUNT",
    "BLANK_LINE_COUNT", "COMMENT_LINE_COUNT", "LOGICAL_LINE_COUNT", "PHYSICAL_LINE_COUNT",
    "LITERAL_STRING_COUNT", "LINE_CONTINUATION_COUNT", "PREPROCESSOR_COUNT", "INCLUDE_COUNT",
    "IMPORT_COUNT", "TYPEDEF_COUNT", "CONST_COUNT", "ENUM_COUNT", "DO_COUNT", "WHILE_COUNT",
    "SWITCH_COUNT", "DEFAULT_COUNT", "FOR_COUNT", "CASE_COUNT", "BREAK_COUNT", "IF_COUNT",
    "ELSE_COUNT", "GOTO_COUNT", "RETURN_COUNT", "EXIT_COUNT", "_EXIT_COUNT", "ABORT_COUNT",
    "MACRO_COUNT", "STRUCT_COUNT", "UNION_COUNT", "CLASS_COUNT", "INTERFACE_COUNT",
    "TEMPLATE_COUNT", "FRIEND_COUNT", "NAMESPACE_COUNT", "PACKAGE_COUNT", "FUNCTION_COUNT",
    "VIRTUAL_COUNT", "INLINE_COUNT", "C_MEMORY_ALLOCATION_COUNT", "C_MEMORY_FREE_COUNT",
    "MEMORY_NEW_COUNT", "MEMORY_DELETE_COUNT", "CODE_STATEMENTS_COUNT", "USING_COUNT",
    "(_COUNT", ")_COUNT", "{_COUNT", "}_COUNT", "[_COUNT", "]_COUNT",
    "CHARACTERS_PER_NONBLANK_LINE", "QUALITY_NOTICE_COUNT", "RATIO_LOC_TO_LOGICAL_LINES",
    "RATIO_ELOC_TO_LOGICAL_LINES", "RATIO_COMMENTS_TO_LOGICAL_LINES",
    "RATIO_BLANK_LINES_TO_LOGICAL_LINES", "RATIO_CHARACTERS_TO_TOTAL_CHARACTERS",
    "RATIO_BLANK_LINES_TO_TOTAL_CHARACTERS", "RATIO_COMMENT_LINES_TO_LOC",
    "RATIO_COMMENT_LINES_TO_ELOC", "RATIO_COMMENT_LINES_TO_LLOC", "RATIO_QUALITY_NOTICES_TO_LOC",
    "RATIO_QUALITY_NOTICES_TO_ELOC", "RATIO_QUALITY_NOTICES_TO_LLOC", "C++_SOURCE_FILE_COUNT",
    "C_SOURCE_FILE_COUNT", "C++_HEADER_FILE_COUNT", "C_HEADER_FILE_COUNT", "JAVA_FILE_COUNT",
    "CSHARP_FILE_COUNT", "OTHER_FILE_COUNT", "CYCLOMATIC_COMPLEXITY", "INTERFACE_COMPLEXITY",
    "TOTAL_COMPLEXITY", "ELOC_PERCENT_DIFF"};

namespace {

constexpr const char* kDefaultConfig =
    "# Zavoran Version\n"
    "# Work File Differential Configuration File\n"
    "# Metrics shown in the baseline differential report (zav -wx)\n"
    "# Modify the following:\n"
    "# OFF Turns off this item in the report\n"
    "# ON  Turns on this item in the report\n"
    "\n"
    "# When a file is removed from the baseline the following +/- indicate the\n"
    "# behavior to the overall total metric\n"
    "# +   Makes the metrics differential to contribute positively to the total\n"
    "# -   Makes the metrics differential to contribute negatively to the total\n"
    "\n"
    "LOC_COUNT             ON -\n"
    "ELOC_COUNT            ON -\n"
    "LLOC_COUNT            ON -\n"
    "COMMENT_LINE_COUNT    ON -\n"
    "BLANK_LINE_COUNT      ON -\n"
    "PHYSICAL_LINE_COUNT   ON -\n"
    "FUNCTION_COUNT        ON -\n"
    "CYCLOMATIC_COMPLEXITY ON -\n"
    "INTERFACE_COMPLEXITY  ON -\n"
    "TOTAL_COMPLEXITY      ON -\n"
    "QUALITY_NOTICE_COUNT  ON -\n"
    "ELOC_PERCENT_DIFF     ON -\n"
    "\n"
    "# End of file\n";

FieldConfig AllOn() {
  FieldConfig config;
  config.on.fill(true);
  config.on[0] = false;
  return config;
}

}  // namespace

int MetricFieldIndex(std::string_view name) {
  for (int i = 1; i <= kMetricFieldCount; ++i) {
    if (name == kMetricFieldNames[i]) return i;
  }
  return 0;
}

void ParseFieldConfig(std::string_view text, FieldConfig& config) {
  while (!text.empty()) {
    size_t end = text.find_first_of("\r\n");
    std::string line(text.substr(0, std::min<size_t>(end, 79)));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || !std::isalpha(static_cast<unsigned char>(line[first]))) {
      continue;  // comments and empty lines
    }
    char name[80] = "", state[80] = "", sign[80] = "";
    if (std::sscanf(line.c_str() + first, "%79s %79s %79s", name, state, sign) < 1) continue;
    const int index = MetricFieldIndex(name);
    if (index == 0) continue;
    config.on[index] = strcasecmp(state, "ON") == 0;
    config.plus[index] = std::string_view(sign) == "+";
  }
}

FieldConfig LoadFieldConfig(const std::string& path) {
  std::FILE* f = path.empty() ? nullptr : std::fopen(path.c_str(), "rb");
  if (f == nullptr) {
    if (!path.empty()) WriteDefaultFieldConfig(path);
    return AllOn();
  }
  std::string text;
  char buffer[4096];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, got);
  std::fclose(f);
  FieldConfig config;
  ParseFieldConfig(text, config);
  return config;
}

bool WriteDefaultFieldConfig(const std::string& path) {
  const std::string temp = path + ".tmp";
  std::FILE* f = OpenFresh(temp);
  if (f == nullptr) return false;
  std::fputs(kDefaultConfig, f);
  return FinishFresh(f, temp, path);
}

void WriteCsvMetricsTemplate(GlobalData& G) {
  const FieldConfig config = LoadFieldConfig(G.sw.csv_report_config);
  PutText(G,
          "# ZAV CSV file metrics\n#\n"
          "# This output is a template for creating a configurable CSV report.\n"
          "# Specify Yes or No to the data types shown in this template.\n");
  for (int i = 1; i <= kMetricFieldCount; ++i) {
    Print(G, "%-40s: %s", kMetricFieldNames[i], config.on[i] ? "On\n" : "Off\n");
  }
  PutText(G, "# End of report configuration\n");
}

}  // namespace zav
