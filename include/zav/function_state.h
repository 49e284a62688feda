// Function detection state of the file being analysed.
//
// Owned by src/analysis/ (function.cc). Quality checks and reports read it.
#pragma once

#include <cstdint>
#include <array>
#include <string>

#include "zav/lexical_state.h"
#include "zav/records.h"
#include "zav/scope_state.h"

namespace zav {

// Decision counters of the open function.
struct DecisionCounts {
  int32_t whiles = 0, fors = 0, switches = 0, cases = 0, defaults = 0;
  int32_t ifs = 0, elses = 0, ternaries = 0, gotos = 0;
  int32_t logical_or = 0, logical_and = 0, breaks = 0;
};

struct FunctionState {
  bool enabled = false;  // function analysis is on for this run

  // Header recognition.
  bool header_pending = false;  // a header was found, its body not closed
  bool in_header = false;       // between the header's "(" and its body
  bool in_body = false;         // the body is open
  bool probable_macro = false;  // the name is the first word of its line
  // probable_macro is found at the end of the header's line, when the
  // header is still open (most headers of prototypes close on their line).
  bool probable_macro_unread = false;
  bool params_closed = false;   // the parameter list's ")" was met
  bool paren_after_params = false;  // a "(" came after the parameter list
  bool non_ansi = false;        // K&R parameter declarations
  bool by_directive = false;    // completed inside #if
  bool void_seen = false;
  bool is_operator = false;
  bool assignment_seen = false;  // "=" in the current statement
  bool candidate_on_line = false;  // only the first "(" of a line is used
  bool use_next_paren = false;  // after "(*name)" or an annotation
  int header_paren_depth = 0;
  int init_brace_depth = 0;  // braces of a constructor's member initialisers
  int skip_group_depth = 0;  // inside "__attribute__((...))" before the name
  bool alternative_branch = false;  // an #else or #elif since the header
  // The identifier that ended the last code line ("" when it ended
  // otherwise): the name of a header whose "(" opens the next line.
  std::array<char, 128> line_end_word{};
  int params_end = 0;  // header text length at the parameter list's ")"
  int32_t header_line = 0;
  int comments_before_header = 0;  // comment lines directly before it

  std::string name;
  std::string prefix;
  std::string template_text;
  TextBuffer header_text;  // from the parameter list's "(" to the body

  // The open function.
  int32_t start_line = 0;
  CounterSnapshot start;
  std::string parameters;  // normalised parameter text
  // The record of each finished function, kept from one function to the
  // next, so that its strings allocate nothing once they have grown.
  MetricRecord finished;
  int32_t param_count = 0;
  int32_t returns = 0;
  int paren_depth = 0;    // "(" minus ")" in the body
  int bracket_depth = 0;  // "[" minus "]" in the body
  int body_depth = 0;     // 1 at the opening brace
  DecisionCounts counts;
  int32_t fall_through_start = 0;
  bool in_class_body = false;  // the function is a method defined in a class
  int method_visibility = 2;

  // Function-like macro being listed with -m.
  bool macro_open = false;
  std::string macro_name;

  // Back to the state of a new file.
  void Reset(bool analysis_on) {
    enabled = analysis_on;
    header_pending = in_header = in_body = probable_macro = probable_macro_unread = false;
    params_closed = paren_after_params = non_ansi = by_directive = false;
    void_seen = is_operator = assignment_seen = candidate_on_line = false;
    use_next_paren = false;
    header_paren_depth = params_end = 0;
    init_brace_depth = skip_group_depth = 0;
    alternative_branch = false;
    line_end_word[0] = '\0';
    header_line = 0;
    comments_before_header = 0;
    name.clear();
    prefix.clear();
    template_text.clear();
    header_text.Clear();
    start_line = 0;
    start = CounterSnapshot{};
    parameters.clear();
    param_count = returns = 0;
    paren_depth = bracket_depth = body_depth = 0;
    counts = DecisionCounts{};
    fall_through_start = 0;
    in_class_body = false;
    method_visibility = 2;
    macro_open = false;
    macro_name.clear();
  }
};

}  // namespace zav
