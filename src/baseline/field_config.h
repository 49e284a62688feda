// The metric field names and their report configuration: the
// work-differential configuration file (zav_workdiff.cfg) and the CSV
// metrics template (-xc) read the same "NAME ON|OFF +|-" lines.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "zav/global_data.h"

namespace zav {

inline constexpr int kMetricFieldCount = 79;

// Index 0 is "UNKNOWN_DATA_FIELD"; 1 to 79 the field names.
extern const std::array<const char*, kMetricFieldCount + 1> kMetricFieldNames;

// The index of a field name (exact, letter case significant), 0 when
// unknown.
int MetricFieldIndex(std::string_view name);

struct FieldConfig {
  std::array<bool, kMetricFieldCount + 1> on{};
  std::array<bool, kMetricFieldCount + 1> plus{};
};

// Reads the configuration at `path`. When it cannot be opened every field
// is on (plus off) and the default file is written there.
FieldConfig LoadFieldConfig(const std::string& path);

// Reads configuration lines from `text` into `config`.
void ParseFieldConfig(std::string_view text, FieldConfig& config);

// Writes the default configuration file (under a temporary name, renamed
// when complete). False when it could not be written.
bool WriteDefaultFieldConfig(const std::string& path);

// -xc: the CSV metrics template of the configuration named by
// -x"file csv name", written to the report stream.
void WriteCsvMetricsTemplate(GlobalData& G);

}  // namespace zav
