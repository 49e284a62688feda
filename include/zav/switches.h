// Switches: what the command line selected for this run.
//
// Owned by src/run/ (the command-line parser and the start-up steps of the
// run sequence that derive flags from others). Every other subsystem only
// reads these fields.
#pragma once

#include <string>

#include "zav/machine_output.h"

namespace zav {

// The output format. HTML, CSV and XML are separate flags on the command
// line; Format() resolves them for writers that need one value.
enum class ReportFormat { kText, kHtml, kCsv, kXml };

struct Switches {
  // Output format flags.
  bool html = false;  // -H
  bool csv = false;   // -C, -A
  bool xml = false;   // -X

  // Report selections.
  bool allocation = false;            // -a
  bool benchmark = false;             // -b
  bool complexity = false;            // -c
  bool csv_detail = false;            // -C with -s or -fa
  bool loc_determination = false;     // -d
  bool estimate = false;              // -e
  bool functional = false;            // -fa and everything that implies it
  bool functional_implied = false;    // turned on by -o alone
  bool function_detail = false;       // -fd
  bool class_methods = false;         // -fm or ZAVCLASSMF
  bool function_points = false;       // -fp, -Td, -Tf
  bool inheritance = false;           // -i, -Ti ...
  bool function_list = false;         // -l
  bool macros = false;                // -m
  bool notices = false;               // -n, -N, -T
  bool notice_collect = false;        // -N, -Tn, -Tq: short forms are listed
  bool notice_single_line = false;    // -Ns, -Tq
  bool notice_visual_studio = false;  // -Nv
  bool objects = false;               // -o, -fm, -i, -T
  bool summary = false;               // -s (always on after parsing)
  bool verbose = false;               // -v
  bool report_switch_given = false;   // any switch marked R

  // Totals-only mode (-T, -X, -w) and its section letters.
  bool totals_only = false;
  bool totals_all = false;         // -Ta
  bool totals_detail = false;      // -Td
  bool totals_functions = false;   // -Tf
  bool totals_inheritance = false; // -Ti
  bool totals_language = false;    // -TL
  bool totals_summaries_only = false;  // -Tl
  bool totals_no_file_names = false;   // -TN
  bool totals_notices = false;     // -Tn
  bool totals_objects = false;     // -To
  bool totals_profile = false;     // -Tp
  bool totals_notice_summary = false;  // -Tq
  bool totals_summary = false;     // -Ts
  bool totals_verbose = false;     // -Tv
  bool totals_work = false;        // -Tw

  // Special run modes.
  bool code_listing = false;  // -p
  // De-character (-Dt, -Du, -Dd); -Dt combines with one of the others.
  bool dechar_tabs = false;       // -Dt
  bool dechar_remove_cr = false;  // -Du
  bool dechar_add_cr = false;     // -Dd
  bool extract_strings = false;      // -Es
  bool extract_comments = false;     // -Ec
  bool comment_documentation = false;  // -EC

  // Sorting.
  int sort_key = 0;
  bool sort_descending = false;

  // Input modes.
  bool list_file_mode = false;  // -F
  std::string list_file_name;
  bool recursive = false;  // -r
  std::string recursion_top_dir;
  bool recursion_dirs_from_arguments = false;  // -r value without a blank
  bool list_files_and_exit = false;  // -Rl
  bool no_descent = false;           // -Rd
  bool sort_input_by_name = false;   // -Rn
  bool files_given = false;
  int file_argument_count = 0;

  // Output file.
  bool output_to_file = false;  // -O
  std::string output_file_name;
  bool progress = false;  // on exactly when -O named a file

  // Title (-S); the text itself is Settings::printed_page_header.
  bool title_on = false;

  // Work files.
  bool work_create = false;
  bool work_deterministic = false;  // -wD
  bool work_code_diff = false;      // -wd
  bool work_skip_equal = false;     // -we
  bool work_skip_modified = false;  // -wm
  bool work_skip_new = false;       // -wn
  bool work_skip_removed = false;   // -wr
  bool work_glossary = false;       // -wg
  bool work_basis = false;          // -wb
  bool work_details = false;        // -ws
  bool work_verbose = false;        // -wv
  bool work_productivity = false;   // -wp
  std::string work_file_name;
  std::string work_location;
  std::string baseline_top_dir;
  std::string work_diff_config_path;  // set by -w"File cfg name"
  bool work_diff_config_given = false;
  // -w"x older.dat, newer.dat": the differential between two work files.
  bool work_diff_extract = false;
  std::string work_diff_older;
  std::string work_diff_newer;

  // Extended options (-x).
  bool no_config = false;    // -xNOCONFIG
  bool no_command = false;   // -xNOCOMMAND
  bool no_header = false;    // -xNOHEADER
  bool udqn_show = false;    // -xUDQNSHOW
  bool debug = false;        // -xDEBUG or ZAVDEBUG
  bool diff_debug = false;   // -xDIFFDEBUG
  std::string csv_report_config;  // -x"file csv name"
  bool csv_template = false;      // -xc: write the CSV metrics template

  // Machine-readable document in place of the report (--json, --sarif).
  MachineFormat machine = MachineFormat::kNone;
  bool machine_both = false;  // --json and --sarif were both given

  // XML style sheet (-u"File xsl name").
  bool xsl_given = false;
  std::string xsl_file_name;

  // Per-file detail mode: a switch is on that lists what it finds in each
  // file as the file is read (functions, complexity, macros, classes,
  // notices, the LOC determination trace, memory allocation, extraction).
  // The per-file report then frames its blocks with rules and ends each
  // file with an end-of-file marker. Summary (-s) and verbose (-v) alone
  // are not listings.
  bool PerFileDetail() const {
    return functional || complexity || function_detail || function_list ||
           macros || objects || notices || loc_determination || allocation ||
           extract_strings || extract_comments || comment_documentation;
  }

  bool Decharacter() const { return dechar_tabs || dechar_remove_cr || dechar_add_cr; }
  bool Extraction() const {
    return extract_strings || extract_comments || comment_documentation;
  }

  ReportFormat Format() const {
    if (html) return ReportFormat::kHtml;
    if (csv) return ReportFormat::kCsv;
    if (xml) return ReportFormat::kXml;
    return ReportFormat::kText;
  }
};

}  // namespace zav
