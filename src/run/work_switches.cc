// The work-file switch -w and its forms.
#include <strings.h>

#include <string>

#include "baseline/differential_run.h"
#include "base/output.h"
#include "base/xml_text.h"
#include "run/long_options.h"
#include "run/switch_handlers.h"

namespace zav {
namespace {

constexpr const char* kDefaultWorkFile = "workfile.dat";

std::string TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
    text.remove_prefix(1);
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
    text.remove_suffix(1);
  }
  return std::string(text);
}

// -w"create top_dir": "create" (any letter case), one separating character
// and the baseline top directory.
SwitchOutcome WorkCreate(GlobalData& G, const std::string& value) {
  if (value.size() < 6 || strncasecmp(value.c_str(), "create", 6) != 0) {
    return SwitchError(G,
        "\n  Error: The correct syntax for the work file create\n"
        "         option is: -w \"Create top directory of baseline\"\n"
        "         Windows Example: -w \"Create c:\\my project\"\n"
        "         Unix Example: -w \"Create /Project_Dir\"\n"
        "         Current Directory Example: -w \"Create .\"\n");
  }
  std::string dir = value.size() > 7 ? TrimBlanks(value.substr(7)) : std::string();
  if (dir.size() < 2 && (dir.empty() || dir[0] != '.')) {
    return SwitchError(G,
        "\n  Error: No baseline directory specififed for the\n"
        "         -w \"Create dir\" option.\n");
  }
  if (dir.size() > 1 && (dir.back() == '/' || dir.back() == '\\')) dir.pop_back();
  Switches& sw = G.sw;
  sw.work_create = true;
  sw.baseline_top_dir = dir;
  if (sw.work_file_name.empty()) sw.work_file_name = kDefaultWorkFile;
  sw.complexity = sw.objects = sw.functional = true;
  return GoOn();
}

// -w"File dat name" names the work file; -w"File cfg name" the
// work-differential configuration.
SwitchOutcome WorkFileNames(GlobalData& G, const std::string& value) {
  FileForm form = SplitFileForm(value);
  Switches& sw = G.sw;
  if (EqualsIgnoringCase(form.type, "dat")) {
    if (form.name.empty()) {
      return SwitchError(G,
          "\n  Error: -w \"File dat\" file name not parsed\n"
          "         Check command line syntax\n");
    }
    sw.work_file_name = form.name;
    size_t slash = form.name.find_last_of("/\\");
    sw.work_location = slash == std::string::npos ? "." : form.name.substr(0, slash);
    return GoOn();
  }
  if (EqualsIgnoringCase(form.type, "cfg")) {
    if (form.name.empty()) {
      return SwitchError(G,
          "\n  Error: -w \"File cfg\" file name not parsed\n"
          "         Check command line syntax\n");
    }
    FILE* f = std::fopen(form.name.c_str(), "rb");
    if (f == nullptr) {
      Print(G, "\n  Error: File name [%s] not found\n", MessageName(G, form.name).c_str());
      return EndRun(G, 1);
    }
    std::fclose(f);
    sw.work_diff_config_path = form.name;
    sw.work_diff_config_given = true;
    G.run.workdiff_path = form.name;
    return GoOn();
  }
  return SwitchError(G,
      "\n  Error: -w \"File [dat|cfg] [path\\filename]\"\n"
      "         Command line syntax is not correct\n");
}

// -w"x older.dat, newer.dat": the differential between two baselines ends
// the run.
SwitchOutcome WorkDifferential(GlobalData& G, const std::string& value) {
  std::string_view rest = std::string_view(value).substr(1);
  size_t comma = rest.find(',');
  if (comma == std::string_view::npos) {
    return SwitchError(G,
        "\n  Error: -wx option syntax is invalid\n"
        "         Example -w\"x work file old, work file new\"\n"
        "         Use -hs for help text\n");
  }
  // The differential is a report of its own, with no JSON or SARIF form.
  if (G.sw.machine != MachineFormat::kNone) {
    ReportMachineClash(G, "-wx");
    return EndRun(G, 1);
  }
  Switches& sw = G.sw;
  sw.work_diff_extract = true;
  sw.work_diff_older = TrimBlanks(rest.substr(0, comma));
  sw.work_diff_newer = TrimBlanks(rest.substr(comma + 1));
  // The differential is reported at once and ends the run; the report
  // closes its own document.
  return {true, ReportDifferentials(G)};
}

}  // namespace

SwitchOutcome ApplyWorkFiles(GlobalData& G, const std::string& value) {
  Switches& sw = G.sw;
  sw.totals_only = sw.totals_no_file_names = sw.report_switch_given = true;
  switch (value.empty() ? '\0' : value[0]) {
    case 'c':
    case 'C': return WorkCreate(G, value);
    case 'D':
      // Deterministic work files: only a create form after this switch
      // creates one.
      sw.work_deterministic = true;
      sw.work_create = false;
      sw.totals_no_file_names = false;
      break;
    case 'd': sw.work_code_diff = true; break;
    case 'e': sw.work_skip_equal = true; break;
    case 'm': sw.work_skip_modified = true; break;
    case 'n': sw.work_skip_new = true; break;
    case 'r': sw.work_skip_removed = true; break;
    case 'g': sw.work_glossary = true; break;
    case 'b': sw.work_basis = true; break;
    case 's': sw.work_details = true; break;
    case 'v': sw.work_verbose = true; break;
    case 'p': sw.work_productivity = true; break;
    case 'f':
    case 'F': return WorkFileNames(G, value);
    case 'x': return WorkDifferential(G, value);
    case 'W':
      return SwitchError(G,
          "\n  Error: The -wW switch has been deprecated and is no\n"
          "         longer supported.  Use the -wx switch to perform\n"
          "         baseline differentials\n\n");
    default:
      return SwitchError(G,
          "\n  Error: Invalid or missing parameter for -w option\n"
          "         Use -hs for help text\n");
  }
  return GoOn();
}

}  // namespace zav
