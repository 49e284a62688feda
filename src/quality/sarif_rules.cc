#include "report/sarif_rules.h"

#include <cstring>
#include <string_view>

#include "quality/notice_forms.h"
#include "quality/notices.h"
#include "report/sarif_log.h"

namespace zav {
namespace {

// Drops `prefix` from the front of `text` when it is there.
bool DropPrefix(std::string_view& text, std::string_view prefix) {
  if (text.substr(0, prefix.size()) != prefix) return false;
  text.remove_prefix(prefix.size());
  while (!text.empty() && (text[0] == ':' || text[0] == ',' || text[0] == ' ')) {
    text.remove_prefix(1);
  }
  return true;
}

// Runs of blanks and line ends as one blank, without blanks at either end.
std::string CollapseBlanks(const char* text) {
  std::string out;
  bool blank = false;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p == ' ' || *p == '\n' || *p == '\t') {
      blank = !out.empty();
      continue;
    }
    if (blank) out += ' ';
    blank = false;
    out += *p;
  }
  return out;
}

// printf conversions as placeholders: "%%" is "%", a number "<n>", a
// text "<name>".
std::string PlaceholderText(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    size_t k = i + 1;
    while (k < text.size() && std::strchr("-+ #0123456789.", text[k]) != nullptr) ++k;
    if (k >= text.size()) break;
    if (text[k] == '%') out += '%';
    else out += text[k] == 's' ? "<name>" : "<n>";
    i = k;
  }
  return out;
}

// Notices whose findings are informational (see SarifLevel).
bool IsNote(int number) {
  switch (number) {
    case 16: case 17: case 19: case 20: case 23: case 25: case 30: case 38:
    case 43: case 46: case 47: case 51: case 52: case 53: case 54: case 57:
    case 58:
      return true;
    default:
      return false;
  }
}

// The user-defined notices loaded for this run, each a rule with its
// summary as the short text and its message as the full text (level
// warning).
void AppendUserDefinedRules(GlobalData& G, std::vector<SarifRule>& rules) {
  for (const UdqnDefinition& d : G.udqn.definitions) {
    SarifRule rule;
    rule.number = d.id;
    rule.short_text = d.summary;
    rule.full_text = d.message.empty() ? d.summary : d.message;
    rule.enabled = d.active;
    rules.push_back(std::move(rule));
  }
}

void WriteText(JsonWriter& w, const char* key, const std::string& text) {
  w.BeginObject(key);
  w.Str("text", text);
  w.End();
}

}  // namespace

const char* SarifLevel(int number) { return IsNote(number) ? "note" : "warning"; }

std::string NoticeProse(GlobalData& G, int number) {
  const NoticeForm& form = FindNoticeForm(number, 0);
  const bool generic = form.fields != nullptr && std::strchr(form.fields, 'D') != nullptr;
  if (form.text == nullptr || generic) return NoticeText(G, number);
  const std::string collapsed = CollapseBlanks(form.text);
  std::string_view text = collapsed;
  if (text.substr(0, 8) == "Notice #") {
    const size_t colon = text.find(':');
    if (colon != std::string_view::npos) text.remove_prefix(colon);
    DropPrefix(text, "");
  }
  DropPrefix(text, "File %s");
  DropPrefix(text, "Line %d");
  return PlaceholderText(text);
}

std::vector<SarifRule> SarifRules(GlobalData& G) {
  std::vector<SarifRule> rules;
  for (int n = 1; n <= kNoticeCount; ++n) {
    SarifRule rule;
    rule.number = n;
    rule.short_text = NoticeText(G, n);
    rule.full_text = NoticeProse(G, n);
    rule.note = IsNote(n);
    rule.enabled = NoticeEnabled(G, n) != 0;
    rules.push_back(std::move(rule));
  }
  AppendUserDefinedRules(G, rules);
  return rules;
}

void WriteSarifRule(JsonWriter& w, const SarifRule& rule) {
  w.BeginObject();
  w.Str("id", SarifRuleId(rule.number));
  w.Str("name", "Notice" + std::to_string(rule.number));
  WriteText(w, "shortDescription", rule.short_text);
  WriteText(w, "fullDescription", rule.full_text);
  w.BeginObject("defaultConfiguration");
  w.Bool("enabled", rule.enabled);
  w.Str("level", rule.note ? "note" : "warning");
  w.End();
  w.End();
}

}  // namespace zav
