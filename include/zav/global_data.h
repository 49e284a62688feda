// GlobalData: the one run-state object, passed as GlobalData& G.
//
// It is composed of sub-records, each owned (written) by one subsystem and
// read by the others:
//
//   run        RunInfo       src/run/       argv, command line, located paths
//   settings   Settings      src/run/       defaults, zav.cfg, overrides
//   sw         Switches      src/run/       command-line selections
//   report     ReportStream  src/base/      the output stream (output.cc);
//                            src/report/    the benchmark timer, CSV tallies
//   reader     ReaderState   src/analysis/  line number, skip-token state
//   source_buffer            src/analysis/  the reused read buffer
//   lex        LexState      src/analysis/  lexer and per-line flags
//   file       FileMetrics   src/analysis/  per-file counters (the project
//                                           reports load the totals into it)
//   project    FileMetrics   src/analysis/  their project-total twin
//   lang       LanguageState src/analysis/  extension table, flags, totals
//   scope      ScopeState    src/analysis/  namespaces and classes
//   func       FunctionState src/analysis/  function detection
//   notices    NoticeState   src/quality/   catalogue, counters, list
//   checks     CheckState    src/quality/   state of the quality checks
//   lists      RecordLists   src/analysis/  functions, classes, namespaces
//   inheritance InheritanceState src/quality/ the inheritance forest, totals
//   files      FileSet       src/files/     the ordered file entries
//   utility    UtilityState  src/utility/   code listing layout, extraction
//   baseline   BaselineState src/baseline/  work and differential files
//   udqn       UdqnState     src/quality/   user-defined notices and flags
#pragma once

#include "zav/baseline_state.h"
#include "zav/check_state.h"
#include "zav/file_metrics.h"
#include "zav/file_set.h"
#include "zav/function_state.h"
#include "zav/inheritance.h"
#include "zav/language.h"
#include "zav/lexical_state.h"
#include "zav/notice_state.h"
#include "zav/records.h"
#include "zav/report_stream.h"
#include "zav/run_info.h"
#include "zav/scope_state.h"
#include "zav/settings.h"
#include "zav/switches.h"
#include "zav/utility_state.h"
#include "zav/udqn_state.h"

namespace zav {

struct GlobalData {
  RunInfo run;
  Settings settings;
  Switches sw;
  ReportStream report;
  ReaderState reader;
  SourceBuffer source_buffer;
  LexState lex;
  FileMetrics file;
  FileMetrics project;
  LanguageState lang;
  ScopeState scope;
  FunctionState func;
  NoticeState notices;
  CheckState checks;
  RecordLists lists;
  InheritanceState inheritance;
  FileSet files;
  UtilityState utility;
  BaselineState baseline;
  UdqnState udqn;

  FileEntry* current_entry = nullptr;  // the file being processed
};

}  // namespace zav
