// Line writers of the configuration template.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "zav/settings.h"

namespace zav {

// Writes the pieces of the configuration template: comment blocks, section
// banners and "Label : value" setting lines. Labels are padded to column
// 40 (48 for the cyclomatic-complexity block); a label of the full width is
// followed directly by ": ".
class TemplateWriter {
 public:
  TemplateWriter(FILE* out, bool html) : out_(out), html_(html) {}

  void Raw(std::string_view text);
  void Blank();
  // A line of 68 "#".
  void Rule();
  // An empty line, a rule and the title filled with "#" to 68 columns.
  void Banner(std::string_view title);
  // Comment lines, given without their final line end.
  void Comment(std::string_view lines);

  void Flag(std::string_view label, bool value);
  void WideFlag(std::string_view label, bool value);
  void Integer(std::string_view label, int value);
  void Percent(std::string_view label, float value);
  void Text(std::string_view label, const std::string& value);
  void Color(std::string_view label, const std::string& value);

 private:
  void Setting(std::string_view label, int width, std::string_view value);

  FILE* out_;
  bool html_;
};

// The quality notice part of the template.
void WriteNoticeTemplate(TemplateWriter& w, const Settings& s);

}  // namespace zav
