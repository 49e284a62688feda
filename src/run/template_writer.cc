#include "run/template_writer.h"

#include <string>

namespace zav {
namespace {

constexpr int kLabelWidth = 40;
constexpr int kWideLabelWidth = 48;
constexpr size_t kBannerWidth = 68;

}  // namespace

void TemplateWriter::Raw(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), out_);
}

void TemplateWriter::Blank() { Raw("\n"); }

void TemplateWriter::Rule() {
  Raw(std::string(kBannerWidth, '#'));
  Raw("\n");
}

void TemplateWriter::Banner(std::string_view title) {
  Blank();
  Rule();
  std::string line(title);
  line.push_back(' ');
  if (line.size() < kBannerWidth) line.append(kBannerWidth - line.size(), '#');
  line.push_back('\n');
  Raw(line);
}

void TemplateWriter::Comment(std::string_view lines) {
  Raw(lines);
  Raw("\n");
}

void TemplateWriter::Setting(std::string_view label, int width,
                             std::string_view value) {
  std::fprintf(out_, "%-*.*s: ", width, static_cast<int>(label.size()), label.data());
  Raw(value);
  Raw("\n");
}

void TemplateWriter::Flag(std::string_view label, bool value) {
  Setting(label, kLabelWidth, value ? "Yes" : "No");
}

void TemplateWriter::WideFlag(std::string_view label, bool value) {
  Setting(label, kWideLabelWidth, value ? "Yes" : "No");
}

void TemplateWriter::Integer(std::string_view label, int value) {
  Setting(label, kLabelWidth, std::to_string(value));
}

void TemplateWriter::Percent(std::string_view label, float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%-6.2f", value);
  Setting(label, kLabelWidth, text);
}

void TemplateWriter::Text(std::string_view label, const std::string& value) {
  Setting(label, kLabelWidth, value);
}

// In HTML each colour is shown in itself.
void TemplateWriter::Color(std::string_view label, const std::string& value) {
  if (!html_) {
    Setting(label, kLabelWidth, value);
    return;
  }
  Setting(label, kLabelWidth,
          "<font color=\"" + value + "\">" + value + "</font>");
}

}  // namespace zav
