// The configuration template: its layout and reading it back.
#include "run/config_template.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "run/config.h"
#include "test_support.h"

namespace zav {
namespace {

using test::Harness;

std::string Template(const GlobalData& G, bool html = false) {
  Harness out;
  WriteConfigTemplate(G, out.G().report.out, html);
  return out.Output();
}

void ReadTemplate(GlobalData& G, std::string text) {
  FILE* f = fmemopen(text.data(), text.size(), "rb");
  ReadConfigurationStream(G, f);
  std::fclose(f);
}

using test::Has;

// The template with every value changed: Yes and No swapped, whole numbers
// raised by one, percentages by 1.25 and texts lengthened by an "x".
std::string ChangeEveryValue(const std::string& text) {
  std::istringstream in(text);
  std::string out, line;
  while (std::getline(in, line)) {
    const size_t colon = line.find(": ");
    if (!line.empty() && line[0] != '#' && colon != std::string::npos &&
        line.rfind("ZAV CFG Version", 0) != 0) {
      std::string value = line.substr(colon + 2);
      char percent[32];
      if (value == "Yes" || value == "No") {
        value = value == "Yes" ? "No" : "Yes";
      } else if (!value.empty() && value.find_first_not_of("0123456789") == std::string::npos) {
        value = std::to_string(std::stoi(value) + 1);
      } else if (std::regex_match(value, std::regex("[0-9]+\\.[0-9][0-9] "))) {
        std::snprintf(percent, sizeof percent, "%.2f ", std::stod(value) + 1.25);
        value = percent;
      } else {
        value += "x";
      }
      line = line.substr(0, colon + 2) + value;
    }
    out += line + "\n";
  }
  return out;
}

TEST(ConfigTemplate, EveryValueWrittenReadsBack) {
  Harness defaults, copy;
  const std::string changed = ChangeEveryValue(Template(defaults.G()));
  ReadTemplate(copy.G(), changed);
  // Everything written reads back: the copy writes the changed template.
  EXPECT_EQ(Template(copy.G()), changed);
  const Settings& s = copy.G().settings;
  EXPECT_EQ(s.max_line_length, 81);
  EXPECT_FALSE(s.notice_enabled[1]);
  EXPECT_TRUE(s.notice_enabled[21]);
  EXPECT_FALSE(s.TreatCHeadersAsCpp());
  EXPECT_TRUE(s.cyclo_else);
  EXPECT_EQ(s.fp_factors[kGroupC][kMeasureLoc], 129);
  EXPECT_FLOAT_EQ(s.min_file_blank_pct, 11.25f);
  EXPECT_EQ(s.cpp_extensions, "cc,cpp,cxx,CCx");
  EXPECT_EQ(s.key_string, "x");
  EXPECT_EQ(s.colors[kColorInheritanceChild], "#CC6600x");
  EXPECT_EQ(s.colors[kColorALink], "#CCCCCC");  // not in the template
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

}  // namespace
}  // namespace zav
