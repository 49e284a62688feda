// Switches whose values have a grammar of their own: -O, -r, -T, -x, -u,
// and the helpers every switch shares to end the run.
#include <strings.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "baseline/field_config.h"
#include "base/output.h"
#include "files/paths.h"
#include "run/config.h"
#include "run/report_target.h"
#include "run/switch_handlers.h"

namespace zav {
namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '\n'; }

std::string_view NextWord(std::string_view& rest) {
  while (!rest.empty() && IsSeparator(rest.front())) rest.remove_prefix(1);
  size_t end = 0;
  while (end < rest.size() && !IsSeparator(rest[end])) ++end;
  std::string_view word = rest.substr(0, end);
  rest.remove_prefix(end);
  return word;
}

bool Readable(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  std::fclose(f);
  return true;
}

// Top directories that mean "here". "/" and "\" are among them, so a stray
// separator never starts a descent of the whole file system.
bool IsCurrentDirectoryForm(const std::string& dir) {
  for (const char* form : {".", ".\\", "\\", "*", "*.*", "/", "./"}) {
    if (dir == form) return true;
  }
  return false;
}

bool StartsWithLetter(std::string_view text) {
  return !text.empty() && std::isalpha(static_cast<unsigned char>(text[0]));
}

}  // namespace

SwitchOutcome EndRun(GlobalData& G, int exit_code) {
  if (G.sw.html) PutText(G, "</pre></body></html>");
  return {true, exit_code};
}

SwitchOutcome SwitchError(GlobalData& G, const char* message) {
  PutText(G, message);
  return EndRun(G, 1);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

FileForm SplitFileForm(std::string_view value) {
  FileForm form;
  std::string_view rest = value;
  form.first = NextWord(rest);
  form.type = NextWord(rest);
  while (!rest.empty() && IsSeparator(rest.front())) rest.remove_prefix(1);
  rest = rest.substr(0, rest.find('\n'));
  while (!rest.empty() && (rest.back() == '\r' || rest.back() == ' ' ||
                           rest.back() == '\t')) {
    rest.remove_suffix(1);
  }
  form.name = rest;
  return form;
}

SwitchOutcome ApplyOutputFile(GlobalData& G, const std::string& name) {
  if (ReportWouldOverwriteSource(G, name)) {
    Print(G, "\n  Error: Report file [%s] would overwrite a source file\n", name.c_str());
    return EndRun(G, 1);
  }
  // A second -O replaces the first output file.
  if (!OpenReportFile(G, name)) {
    Print(G, "\n  Error: Could not open output file\n         Filename: %s\n"
             "         %s\n\n",
          name.c_str(), std::strerror(errno));
    return EndRun(G, 1);
  }
  G.sw.output_to_file = true;
  G.sw.output_file_name = name;
  G.sw.progress = true;
  std::printf("\n  ZAV using output file: %s\n", name.c_str());
  return GoOn();
}

// -r"ext,ext dir": the extension list up to the first blank, then the top
// directory. A value without a blank is an extension list for the current
// directory.
SwitchOutcome ApplyRecursion(GlobalData& G, const std::string& value) {
  size_t blank = value.find(' ');
  std::string extensions = value.substr(0, blank);
  std::string dir;
  if (blank != std::string::npos) {
    dir = value.substr(blank + 1);
    dir = dir.substr(0, dir.find('\n'));
    if (!dir.empty() && dir.back() == '\r') dir.pop_back();
  }
  if (!StartsWithLetter(extensions) && !StartsWithLetter(dir)) {
    return SwitchError(G,
        "\n  Error: In the specified parameter: -r\n"
        "         For the recursive descent option -r,\n"
        "         The option parameters must be delimited by quotes.\n"
        "         Specify the file extensions separated by commas.\n"
        "         The specified directory must be the last parameter.\n\n"
        "         Windows Example: -r\"h,c,java,cs c:\\my project\"\n"
        "         UNIX Example: -r\"h,cpp,java,cs /my_project\"\n"
        "         Use -hs for help text\n");
  }
  if (dir.empty() || IsCurrentDirectoryForm(dir)) dir = CurrentDirectory();
  G.sw.recursive = true;
  G.sw.list_file_mode = false;
  G.sw.recursion_top_dir = dir.substr(0, kTextMax + 1);
  G.sw.recursion_dirs_from_arguments = blank == std::string::npos;
  G.settings.allowable_extensions = extensions.substr(0, kTextMax);
  return GoOn();
}

SwitchOutcome ApplyTotals(GlobalData& G, const std::string& value) {
  Switches& sw = G.sw;
  sw.totals_only = sw.objects = sw.functional = sw.complexity = true;
  sw.notices = sw.report_switch_given = true;
  switch (value.empty() ? '\0' : value[0]) {
    case 'a': sw.totals_all = true; break;
    case 'd': sw.totals_detail = sw.function_points = true; break;
    case 'f': sw.totals_functions = sw.function_points = true; break;
    case 'i': sw.totals_inheritance = sw.inheritance = true; break;
    case 'L': sw.totals_language = true; break;
    case 'l': sw.totals_summaries_only = true; break;
    case 'N': sw.totals_no_file_names = true; break;
    case 'n': sw.totals_notices = sw.notice_collect = true; break;
    case 'o': sw.totals_objects = true; break;
    case 'p':
      // The profile counts notices 40 and 41, which the inheritance tree
      // raises, so it needs the tree; it lists no notices.
      sw.totals_profile = sw.inheritance = true;
      sw.notice_collect = false;
      break;
    case 'q':
      sw.totals_notice_summary = sw.notice_collect = sw.inheritance = true;
      if (!sw.notice_visual_studio) sw.notice_single_line = true;
      break;
    case 's': sw.totals_summary = true; break;
    case 'v': sw.totals_verbose = true; break;
    case 'w': sw.totals_work = true; break;
    default:
      return SwitchError(G,
          "\n  Error: Invalid or missing parameter for -T option\n"
          "         Use -hs for help text\n");
  }
  return GoOn();
}

namespace {

// -x"file csv name": the field configuration of the CSV metrics template.
SwitchOutcome ApplyReportFileOption(GlobalData& G, const std::string& value) {
  FileForm form = SplitFileForm(value);
  if (EqualsIgnoringCase(form.first, "file")) {
    if (!EqualsIgnoringCase(form.type, "csv")) {
      return SwitchError(G, "\n  Error: Invalid report file type\n");
    }
    G.sw.csv_report_config = form.name;
    if (G.sw.debug) {
      std::printf("*** Debug: Report File Options\n*** Type: %s\n*** File: %s\n",
                  "Comma Separated Variables - CSV", form.name.c_str());
    }
  }
  G.sw.report_switch_given = true;
  return GoOn();
}

SwitchOutcome InvalidExtendedOption(GlobalData& G) {
  return SwitchError(G,
      "\n  Error: Invalid parameter for -x option\n"
      "         Use -hs for help text\n");
}

}  // namespace

SwitchOutcome ApplyExtendedOption(GlobalData& G, const std::string& value) {
  Switches& sw = G.sw;
  if (value.empty() || value[0] == ' ') return InvalidExtendedOption(G);
  if (EqualsIgnoringCase(value, "NOCONFIG")) {
    sw.no_config = true;
  } else if (EqualsIgnoringCase(value, "NOCOMMAND")) {
    sw.no_command = true;
  } else if (EqualsIgnoringCase(value, "NOWRAP")) {
    G.settings.wrap_long_names = false;
  } else if (EqualsIgnoringCase(value, "UDQNSHOW")) {
    sw.udqn_show = sw.notices = true;
  } else if (EqualsIgnoringCase(value, "NOHEADER")) {
    sw.no_header = true;
  } else if (EqualsIgnoringCase(value, "DEBUG")) {
    sw.debug = true;
  } else if (EqualsIgnoringCase(value, "DIFFDEBUG")) {
    sw.diff_debug = true;
  } else if (value[0] == 'c' || value[0] == 'C') {
    // The CSV metrics template of the -x"file csv name" configuration; the
    // run then ends.
    sw.csv_template = true;
    WriteCsvMetricsTemplate(G);
    return EndRun(G, 1);
  } else if (value[0] == 'f' || value[0] == 'F') {
    return ApplyReportFileOption(G, value);
  } else {
    return InvalidExtendedOption(G);
  }
  return GoOn();
}

SwitchOutcome ApplyUserFiles(GlobalData& G, const std::string& value) {
  if (value.empty() || (value[0] != 'f' && value[0] != 'F')) {
    return SwitchError(G,
        "\n  Error: Invalid or missing parameter for -u option\n"
        "         Use -hs for help text\n");
  }
  FileForm form = SplitFileForm(value);
  const bool cfg = EqualsIgnoringCase(form.type, "cfg");
  if (!cfg && !EqualsIgnoringCase(form.type, "xsl")) {
    return SwitchError(G,
        "\n  Error: -u \"File [cfg | xsl] [path\\filename]\"\n"
        "         Command line syntax is not correct\n");
  }
  if (form.name.empty()) {
    return SwitchError(G, cfg ? "\n  Error: -u \"File cfg\" file name not parsed\n"
                                "         Check command line syntax\n"
                              : "\n  Error: -u \"File xsl\" file name not parsed\n"
                                "         Check command line syntax\n");
  }
  if (!cfg) {
    G.sw.xsl_file_name = form.name;
    G.sw.xsl_given = true;
    return GoOn();
  }
  if (!G.settings.enable_user_cfg_files) return GoOn();
  if (!Readable(form.name)) {
    Print(G, "\n  Error: File name [%s] not found\n         path\\filename required\n",
          form.name.c_str());
    return EndRun(G, 1);
  }
  // The file's values override the first configuration file and every
  // switch before this one.
  G.run.config_path = form.name;
  ReadConfigurationFile(G, form.name);
  return GoOn();
}

}  // namespace zav
