#include "run/help.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <cstdio>
#include <string>

#include "quality/notices.h"
#include "quality/udqn_show.h"
#include "report/banner.h"
#include "report/framework.h"
#include "base/output.h"
#include "base/text_util.h"
#include "run/config.h"
#include "run/help_text.h"
#include "run/startup.h"

namespace zav {
namespace {

constexpr const char* kPcreSource = "https://github.com/PCRE2Project/pcre2";

std::string PcreVersion() {
  char version[64] = "";
  if (pcre2_config(PCRE2_CONFIG_VERSION, version) < 0) return "unknown";
  return version;
}

void WriteHeading(GlobalData& G) {
  WriteBanner(G);
  WriteModeTitle(G);
}

void WriteSyntaxHelp(GlobalData& G) {
  WriteHeading(G);
  CenterLine(G, "ZAV Help Syntax");
  PutText(G, "\n");
  WriteSyntaxText(G);
}

void WriteNoticeTypes(GlobalData& G) {
  G.run.udqn_path = UdqnFilePath(G);
  WriteHeading(G);
  CenterLine(G, "ZAV Quality Notice Types");
  PutText(G, "\n");
  char line[256];
  for (int n = 1; n <= kNoticeCount; ++n) {
    std::snprintf(line, sizeof line, "  Notice %-4d: [%3s] ", n,
                  NoticeEnabled(G, n) == 1 ? "On" : "Off");
    PutText(G, line);
    HelpPut(G, NoticeText(G, n));
    PutText(G, "\n");
  }
  PutText(G, "\n");
  CenterLine(G, "User Defined Quality Notices");
  PutText(G, "\n");
  HelpPut(G, "  UDQN File   : " + UdqnFilePath(G) + "\n");
  HelpPut(G, "  PCRE Version: " + PcreVersion() + "\n");
  HelpPut(G, std::string("  PCRE Source : ") + kPcreSource + "\n\n");
  WriteUdqnHelpLines(G);
  Print(G, "  %s%s\n", kHyphens36, kHyphens36);
}

void WriteFullHelp(GlobalData& G) {
  WriteHeading(G);
  WriteHelpSections(G);
  WriteHelpTopics(G);
}

}  // namespace

void HelpPut(GlobalData& G, std::string_view text) {
  if (G.sw.html) {
    PutText(G, HtmlEscape(text));
  } else {
    PutText(G, text);
  }
}

std::string ProgramName(const GlobalData& G) {
  const std::string& path = G.run.program_path;
  size_t slash = path.find_last_of("/\\");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return name.empty() ? std::string("zav") : name;
}

void WriteAbbreviatedSyntax(GlobalData& G) {
  WriteHeading(G);
  const std::string name = ProgramName(G);
  HelpPut(G, "  Syntax: " + name + " -option or -switch[option]\n"
             "          or -switch[\"compound option\"] filenames or wild cards\n");
  HelpPut(G,
      "\n"
      "  Most used switches:\n"
      "    -v              verbose metrics: lines, keywords and constructs\n"
      "    -fa             function metrics for every function\n"
      "    -c              cyclomatic and interface complexity\n"
      "    -o              class and struct metrics\n"
      "    -n              quality notices (the exit code is their count)\n"
      "    -Ta             totals only, all project reports\n"
      "    -r\"ext,ext dir\" all files with these extensions below dir\n"
      "    -F\"list\"        the files named in a list file\n"
      "    -O\"file\"        write the report to a file\n"
      "    -H  -C  -X      HTML, CSV or XML output\n"
      "\n"
      "  Examples:\n"
      "    " + name + " -v -fa *.c *.h\n"
      "    " + name + " -n -r\"c,h,cpp src\"\n"
      "    " + name + " -H -Ta -O\"report.html\" -r\"java .\"\n"
      "\n"
      "  More help: -hs all switches, -hf full help, -hn notice types,\n"
      "             -hc the configuration file " + kConfigFileName + "\n\n");
}

void WriteHelp(GlobalData& G, char mode) {
  switch (mode) {
    case 's': WriteSyntaxHelp(G); break;
    case 'p':
      WriteAbbreviatedSyntax(G);
      std::fflush(G.report.out);
      DebugPause(G);
      break;
    case 'n': WriteNoticeTypes(G); break;
    default: WriteFullHelp(G); break;
  }
}

}  // namespace zav
