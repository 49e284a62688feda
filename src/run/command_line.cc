#include "run/command_line.h"

#include <climits>
#include <cstdlib>

#include "base/output.h"
#include "run/config_template.h"
#include "run/help.h"
#include "run/long_options.h"
#include "run/switch_handlers.h"
#include "run/switch_reader.h"

namespace zav {
namespace {

char FirstLetter(const std::string& value) { return value.empty() ? '\0' : value[0]; }

// A number written after a switch, read as far as it goes (0 when it does
// not start with one), held to the range of an int.
int SwitchNumber(const std::string& value) {
  long n = std::strtol(value.c_str(), nullptr, 10);
  if (n > INT_MAX) return INT_MAX;
  if (n < INT_MIN) return INT_MIN;
  return static_cast<int>(n);
}

// Report switches: each turns on its report and marks that a report was
// asked for.
bool ApplyReportSwitch(GlobalData& G, char letter) {
  Switches& sw = G.sw;
  switch (letter) {
    case 'A':
    case 'C': sw.csv = sw.complexity = true; break;
    case 'a': sw.allocation = true; break;
    case 'c': sw.complexity = sw.functional = true; break;
    case 'd': sw.loc_determination = true; break;
    case 'e': sw.estimate = sw.functional = true; break;
    case 'i': sw.inheritance = sw.objects = true; break;
    case 'l': sw.function_list = sw.functional = true; break;
    case 'm': sw.macros = true; break;
    case 'n': sw.notices = true; break;
    case 'o': sw.objects = true; break;
    case 'v': sw.verbose = true; break;
    case 'X': sw.xml = sw.totals_only = true; break;
    default: return false;
  }
  sw.report_switch_given = true;
  return true;
}

// Switches without a value that set a mode or a format.
bool ApplyModeSwitch(GlobalData& G, char letter) {
  Switches& sw = G.sw;
  switch (letter) {
    case 'b': sw.benchmark = true; break;
    case 'H': sw.html = true; break;
    case 'p': sw.code_listing = true; break;
    case 's':
      // With CSV output already chosen, -s selects one line per file.
      sw.summary = true;
      if (sw.csv) sw.csv_detail = true;
      break;
    default: return false;
  }
  return true;
}

// Print layout switches: -B, -L, -M, -P, -S.
bool ApplyPrintSwitch(GlobalData& G, char letter, const std::string& value) {
  Settings& s = G.settings;
  const int n = SwitchNumber(value);
  switch (letter) {
    case 'B': s.printed_top_margin = n < 0 ? 0 : n; break;
    case 'L': s.printed_line_length = n < 20 ? 20 : n; break;
    case 'M': s.printed_left_margin = n < 0 ? 0 : n; break;
    case 'P':
      // A negative page length keeps its value and suppresses page breaks.
      s.printed_page_length = n;
      if (n < 0) s.page_breaks = false;
      break;
    case 'S':
      G.sw.title_on = true;
      s.printed_page_header = value.substr(0, kTextMax);
      break;
    default: return false;
  }
  return true;
}

SwitchOutcome ApplyDechar(GlobalData& G, const std::string& value) {
  G.sw.report_switch_given = true;
  switch (FirstLetter(value)) {
    case 't': G.sw.dechar_tabs = true; break;
    case 'u': G.sw.dechar_remove_cr = true; break;
    case 'd': G.sw.dechar_add_cr = true; break;
    default:
      return SwitchError(G,
          "\n  Error: Invalid or missing parameter for -D option\n"
          "         Use -hs for help text\n");
  }
  return GoOn();
}

SwitchOutcome ApplyExtraction(GlobalData& G, const std::string& value) {
  Switches& sw = G.sw;
  sw.report_switch_given = true;
  switch (FirstLetter(value)) {
    case 's': sw.extract_strings = true; break;
    case 'c': sw.extract_comments = true; break;
    case 'C': sw.comment_documentation = sw.functional = true; break;
    default:
      return SwitchError(G,
          "\n  Error: Invalid parameter for -E option\n"
          "         Use -hs for help text\n");
  }
  return GoOn();
}

SwitchOutcome ApplyFunctionSwitch(GlobalData& G, const std::string& value) {
  Switches& sw = G.sw;
  switch (FirstLetter(value)) {
    case 'a':
      sw.functional = sw.report_switch_given = true;
      if (sw.csv) sw.csv_detail = true;
      break;
    case 'd':
      sw.complexity = sw.function_detail = sw.functional = true;
      sw.report_switch_given = true;
      break;
    case 'm':
      sw.objects = sw.functional = sw.class_methods = true;
      sw.report_switch_given = true;
      break;
    case 'p': sw.function_points = true; break;
    default:
      return SwitchError(G,
          "\n  Error: As of version 6.20 the -f flag requires\n"
          "         -fa for functional analysis\n"
          "         -fd function file details\n"
          "         -fm function and attribute detail for classes\n"
          "         -fp for function points derived from LOC metrics\n"
          "         Use -hs for program syntax\n");
  }
  return GoOn();
}

SwitchOutcome ApplySortKey(GlobalData& G, const std::string& value) {
  if (FirstLetter(value) == 'd') {
    G.sw.sort_descending = true;
    return GoOn();
  }
  int key = SwitchNumber(value);
  if (key < 0 || key > 10) {
    Print(G, "\n  Error: %d invalid sort key value.\n         Defaulting to no sort\n"
             "         Use -hs for help text\n",
          key);
    key = 0;  // the run goes on unsorted
  }
  G.sw.sort_key = key;
  return GoOn();
}

SwitchOutcome ApplyNoticeFormat(GlobalData& G, const std::string& value) {
  Switches& sw = G.sw;
  sw.notices = sw.notice_collect = sw.report_switch_given = true;
  switch (FirstLetter(value)) {
    case 's': sw.notice_single_line = true; break;
    case 'v': sw.notice_visual_studio = true; break;
    default:
      return SwitchError(G,
          "\n  Error: Invalid or missing parameter for -N option\n"
          "         Use -hs for help text\n");
  }
  return GoOn();
}

SwitchOutcome ApplyInputOption(GlobalData& G, const std::string& value) {
  switch (FirstLetter(value)) {
    case 'l': G.sw.list_files_and_exit = true; break;
    case 'd': G.sw.no_descent = true; break;
    case 'n': G.sw.sort_input_by_name = true; break;
    default:
      return SwitchError(G,
          "\n  Error: Invalid parameter for -R option\n"
          "         Use -hs for help text\n");
  }
  return GoOn();
}

SwitchOutcome ApplyHelp(GlobalData& G, const std::string& value) {
  if (FirstLetter(value) == 'c') {
    WriteConfigTemplate(G, G.report.out, G.sw.html);  // closes its own HTML
    return {true, 0};
  }
  WriteHelp(G, FirstLetter(value));
  return EndRun(G, 0);
}

SwitchOutcome ApplySwitch(GlobalData& G, const SwitchArg& arg) {
  if (ApplyReportSwitch(G, arg.letter) || ApplyModeSwitch(G, arg.letter) ||
      ApplyPrintSwitch(G, arg.letter, arg.value)) {
    return GoOn();
  }
  const std::string& value = arg.value;
  switch (arg.letter) {
    case 'D': return ApplyDechar(G, value);
    case 'E': return ApplyExtraction(G, value);
    case 'F':
      G.sw.list_file_mode = true;
      G.sw.list_file_name = value;
      G.sw.recursive = false;
      return GoOn();
    case 'f': return ApplyFunctionSwitch(G, value);
    case 'h': return ApplyHelp(G, value);
    case 'k': return ApplySortKey(G, value);
    case 'N': return ApplyNoticeFormat(G, value);
    case 'O': return ApplyOutputFile(G, value);
    case 'q':
      Print(G, "\n  -q Query setup mode is now supported in the %s file.\n",
            kConfigFileName);
      return EndRun(G, 1);
    case 'R': return ApplyInputOption(G, value);
    case 'r': return ApplyRecursion(G, value);
    case 'T': return ApplyTotals(G, value);
    case 'u': return ApplyUserFiles(G, value);
    case 'W':
      PutText(G, "\n  -W Work Diff mode is now supported under the -wx option\n");
      return EndRun(G, 1);
    case 'w': return ApplyWorkFiles(G, value);
    case 'x': return ApplyExtendedOption(G, value);
    case 'y':
      WriteConfigTemplate(G, G.report.out, G.sw.html);  // closes its own HTML
      return {true, 0};
    default: {
      SwitchOutcome outcome = SwitchError(G,
          "\n  Error: Command line parse error, invalid option.\n"
          "         Use -hs to show program help syntax.\n");
      ReportUnknownOption(arg.argument, arg.letter);
      return outcome;
    }
  }
}

}  // namespace

ParseResult ParseCommandLine(int argc, char** argv, GlobalData& G) {
  ParseResult result;
  if (argc <= 1) {
    WriteAbbreviatedSyntax(G);
    SwitchOutcome end = EndRun(G, 0);
    result.exit = end.end;
    result.exit_code = end.exit_code;
    return result;
  }

  SwitchReader reader(argc, argv);
  SwitchArg arg;
  while (reader.Next(arg)) {
    SwitchOutcome outcome = ApplySwitch(G, arg);
    if (outcome.end) {
      result.exit = true;
      result.exit_code = outcome.exit_code;
      result.first_file_argument = reader.index();
      return result;
    }
  }

  // Every run writes the per-file summary. The file arguments are all
  // arguments after the switches (a switch's value given as the next
  // argument belongs to the switch).
  G.sw.summary = true;
  result.first_file_argument = reader.index();
  G.sw.file_argument_count = argc - result.first_file_argument;
  if (G.sw.file_argument_count > 0) G.sw.files_given = true;
  return result;
}

}  // namespace zav
