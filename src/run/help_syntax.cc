// The switch syntax of -hs: every switch with its one-line description and
// its options, in switch order (upper case before lower case).
#include <cstdio>
#include <string>

#include "run/long_options.h"
#include "run/help_text.h"

namespace zav {
namespace {

constexpr const char* kSwitchesA_H =
    "          -A Automated CSV output mode\n"
    "          -a Allocation/de-allocation memory function counts\n"
    "          -B%d Begin Top Margin (defaults shown)\n"
    "          -b Benchmark processing performance\n"
    "          -C CSV output mode\n"
    "          -c Complexity metrics, Cyclomatic and Interface\n"
    "          -D De-character source, Warning: Modifies Source Code\n"
    "             -Dt remove tabs, -Du remove carriage returns,\n"
    "             -Dd add carriage returns\n"
    "          -d Determine source code against LOC analysis algorithm\n"
    "          -E Extract literal strings or comments from source code\n"
    "             -Es literal strings, -Ec comments,\n"
    "             -EC comment documentation relative to function or class\n"
    "          -e Estimate labor rate analysis based on LOC and complexity\n"
    "          -F\"file\" Input mode from a file list\n"
    "          -f Function Identification and LOC metrics\n"
    "             -fa functional analysis\n"
    "             -fd functional cyclomatic complexity detail\n"
    "             -fm class methods and attributes\n"
    "             -fp function points derived from LOC metrics\n"
    "          -H HTML output mode for use with a WWW browser\n"
    "          -h Help\n"
    "             -hs syntax, -hp abbreviated syntax, -hn quality notice types,\n"
    "             -hc configuration template, -hf full help document\n";

constexpr const char* kSwitchesI_P =
    "          -i Inheritance tree generation\n"
    "          -k Key for sorting reports\n"
    "             -k0  No report sorting (default)\n"
    "             -k1  Sort by Entity Name\n"
    "             -k2  Sort by LOC\n"
    "             -k3  Sort by eLOC\n"
    "             -k4  Sort by lLOC\n"
    "             -k5  Sort by Cyclomatic Complexity\n"
    "             -k6  Sort by Work File Difference State\n"
    "             -k7  -Td report sorted by function count\n"
    "             -k8  -Td report sorted by quality notice count\n"
    "             -k9  -Td report sorted by file date\n"
    "             -k10 -Td report sorted by file size\n"
    "             -kd  Sort in descending order, default is ascending\n"
    "          -L%d Line Length\n"
    "          -l List function names declared in each file\n"
    "          -M%d Left Margin\n"
    "          -m Macro identification\n"
    "          -N Notice output format\n"
    "             -Ns single-line notices, -Nv Visual Studio notices\n"
    "          -n Notices for code quality analysis & common errors\n"
    "          -O\"file\" Output mode to a file instead of screen\n"
    "          -o Object metrics classes and structs\n"
    "          -P%d Page Length\n"
    "          -p Printable format for source code\n";

constexpr const char* kSwitchesR_T =
    "          -R Read File Input Processing Options\n"
    "             -Rl list the files to be processed and exit\n"
    "             -Rd directory without recursive descent\n"
    "             -Rn sort input by name, headers first\n"
    "          -r\"ext,ext dir\" Recurse directory input mode\n"
    "          -S\"title\" Title string for a report\n"
    "          -s Summary LOC metrics per file\n"
    "          -T Totals only mode, Sorted\n"
    "             -Ta All Total reports\n"
    "             -Td All Files listed in detail\n"
    "             -Tf Functions, Classes Namespaces and Notices\n"
    "             -Ti Inheritance Tree Only\n"
    "             -TL Language Metric Summary\n"
    "             -Tl Summaries only, no listing of functions, classes etc.\n"
    "             -TN No file names displayed\n"
    "             -Tn Quality Notices emitted by file and line number\n"
    "             -To Objects Structs, Classes, Interfaces, Namespaces\n"
    "             -Tp Quality Profile by notice type\n"
    "             -Tq Quality Notice summary list by file\n"
    "             -Ts Total summary LOC metrics\n"
    "             -Tv Total verbose metrics\n"
    "             -Tw Work file metrics differentials only\n";

constexpr const char* kSwitchesU_Y =
    "          -u\"File CFG name\" User defined ZAV configuration\n"
    "             -u\"File cfg name\" read a private configuration file\n"
    "             -u\"File xsl name\" XSL style sheet named in XML output\n"
    "          -v Verbose metrics for files, LOC, keywords and constructs\n"
    "          -w Work files for metrics differentials between baselines\n"
    "             -w\"create top_dir\" create a work file of a baseline\n"
    "             -w\"File dat name\" name of the work file\n"
    "             -w\"File cfg name\" work differential configuration file\n"
    "             -w\"x older.dat, newer.dat\" differential of two work files\n"
    "             -wD deterministic work file (before the create form)\n"
    "             -wd code line differentials\n"
    "             -we, -wm, -wn, -wr leave out equal, modified, new,\n"
    "                 removed files\n"
    "             -wg glossary, -wb basis of the productivity calculation\n"
    "             -ws differential details per file, -wv verbose differentials\n"
    "             -wp productivity estimates\n"
    "          -X XML Output Mode\n"
    "          -x Extended options\n"
    "             -xNOCONFIG no configuration file in the report header\n"
    "             -xNOCOMMAND no command line in the report header\n"
    "             -xNOHEADER no report header\n"
    "             -xNOWRAP long names are not wrapped\n"
    "             -xUDQNSHOW show the user defined quality notices\n"
    "             -xDEBUG debug messages, -xDIFFDEBUG differential debug\n"
    "             -x\"file csv name\" CSV report configuration file\n"
    "             -xc CSV metrics template\n";

}  // namespace

void WriteSyntaxText(GlobalData& G) {
  const Settings& s = G.settings;
  char text[4096];
  std::snprintf(text, sizeof text,
                "  Syntax: %s -switch or -switch[option] or \n"
                "          -switch[\"compound option\"] filenames or wild cards\n"
                "          [ ] characters are not entered\n\n",
                ProgramName(G).c_str());
  HelpPut(G, text);
  std::snprintf(text, sizeof text, kSwitchesA_H, s.printed_top_margin);
  HelpPut(G, text);
  std::snprintf(text, sizeof text, kSwitchesI_P, s.printed_line_length,
                s.printed_left_margin, s.printed_page_length);
  HelpPut(G, text);
  HelpPut(G, kSwitchesR_T);
  HelpPut(G, kSwitchesU_Y);
  std::snprintf(text, sizeof text,
                "          -y Display configuration parameters, export %s\n",
                kConfigFileName);
  HelpPut(G, text);
  HelpPut(G, kLongOptionsSyntax);
}

}  // namespace zav
