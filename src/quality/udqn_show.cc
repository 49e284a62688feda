// The listings of the loaded user-defined notices (-xUDQNSHOW and -hn) and
// their link to the report banner.
#include "quality/udqn_show.h"

#include <cstdio>

#include "quality/udqn_apply.h"
#include "quality/udqn_file.h"
#include "report/banner.h"
#include "base/output.h"
#include "base/text_util.h"

namespace zav {
namespace {

const char* YesNo(bool value) { return value ? "Yes" : "No"; }

const char* ContextName(UdqnContext context) {
  switch (context) {
    case UdqnContext::kLine: return "Line";
    case UdqnContext::kCode: return "Code";
    case UdqnContext::kComment: return "Comment";
    case UdqnContext::kString: return "String";
    case UdqnContext::kUnset: break;
  }
  return "Undefined";
}

// Writes text escaped for the HTML report, unchanged otherwise.
void Put(GlobalData& G, const std::string& text) {
  PutText(G, G.sw.Format() == ReportFormat::kHtml ? HtmlEscape(text) : text);
}

void PutField(GlobalData& G, const char* label, const std::string& value) {
  Put(G, std::string(label) + value + "\n");
}

std::string Numbers(const std::vector<int16_t>& flags) {
  std::string out;
  for (int16_t flag : flags) {
    if (!out.empty()) out += ' ';
    out += std::to_string(flag);
  }
  return out;
}

void ShowDefinition(GlobalData& G, const UdqnDefinition& d) {
  PutText(G, "\n  #------------------------------------------------------\n");
  PutField(G, "  UDQN Id      : ", std::to_string(d.id));
  PutField(G, "  Active       : ", YesNo(d.active));
  std::string sources;
  for (const std::string& source : d.sources) {
    if (!sources.empty()) sources += ' ';
    sources += source;
  }
  PutField(G, "  Sources      : ", sources);
  PutField(G, "  Context      : ", ContextName(d.context));
  PutField(G, "  Pattern      : ", d.pattern);
  PutField(G, "  Set Flags    : ", Numbers(d.set_flags));
  PutField(G, "  Check Flags  : ", Numbers(d.check_flags));
  PutField(G, "  !Check Flags : ", Numbers(d.not_check_flags));
  PutField(G, "  Clear Flags  : ", Numbers(d.clear_flags));
  PutField(G, "  Emit EOF Flag: ", YesNo(d.emit_eof));
  PutField(G, "  Silent Flag  : ", YesNo(d.silent));
  PutField(G, "  Compile      : ", d.compile_result);
  PutField(G, "  String       : ", d.example);
  PutField(G, "  Test         : ", d.test_result);
  PutField(G, "  Count        : ", std::to_string(d.count));
  PutField(G, "  Summary      : ", d.summary);
  PutField(G, "  Message      : ", d.message);
  PutText(G, "  Formated     : \n");
  UdqnMessageValues example;
  example.file = "ExampleFileName.c";
  example.line_text = "Some Example Source Code Line;";
  example.line = 127;
  example.function = "SomeExampleFunction";
  example.class_name = "SomeExampleClass";
  Put(G, ExpandUdqnMessage(d.message, example, false) + "\n");
}

}  // namespace

void ShowUdqns(GlobalData& G) {
  for (const UdqnDefinition& d : G.udqn.definitions) ShowDefinition(G, d);
}

void WriteUdqnHelpLines(GlobalData& G) {
  LoadConfiguredUdqns(G);
  char head[64];
  for (const UdqnDefinition& d : G.udqn.definitions) {
    std::snprintf(head, sizeof head, "  Notice %-4d: [%3s] ", d.id, d.active ? "On" : "Off");
    Put(G, head + d.summary + "\n");
  }
}

// Called while the banner is written: user-defined notices load when
// quality notices are on (-n, -N, any -T), and announce their files there.
void LoadUdqnsWithBanner(GlobalData& G) {
  if (G.sw.notices) LoadConfiguredUdqns(G);
}

}  // namespace zav
