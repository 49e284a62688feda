// The rules of the SARIF log: one per notice number the run can raise.
#pragma once

#include <string>
#include <vector>

#include "report/json_text.h"
#include "zav/global_data.h"

namespace zav {

// A notice the run can raise, as a rule.
struct SarifRule {
  int number = 0;
  std::string short_text;  // the one-line description
  std::string full_text;   // the verbose text as prose
  bool note = false;       // level "note", else "warning"
  bool enabled = true;
};

// Built-in notices 1 to 58, then the user-defined notices loaded for the
// run, in the order of their numbers.
std::vector<SarifRule> SarifRules(GlobalData& G);

// "warning" or "note" for a notice number. Notices that measure layout or
// comment content, or that only report the presence of a legitimate
// construct or a skip token, are notes: 16, 17, 19, 20, 23, 25, 30, 38,
// 43, 46, 47, 51 to 54, 57, 58. Every other notice (possible defects,
// portability, exceeded limits, user-defined notices) is a warning.
const char* SarifLevel(int number);

// The verbose text of a built-in notice as one line of prose: the leading
// "Notice #N:" and line or file fields dropped, runs of blanks and line
// ends made one blank, numbers the notice fills in written "<n>" and names
// "<name>".
std::string NoticeProse(GlobalData& G, int number);

void WriteSarifRule(JsonWriter& w, const SarifRule& rule);

}  // namespace zav
