// FileMetrics: the per-file counters and their project-total twin.
//
// Owned by src/analysis/ (the line analyser and the counters fill them, the
// per-file reset clears them, end-of-file filing adds them to the twin).
// Reports read them. The field names are the XML element names.
#pragma once

#include <cstdint>

namespace zav {

// Counters that are summed into the project totals. X(name).
#define ZAV_SUMMED_COUNTERS(X)                                              \
  X(total_physical_lines_count) X(loc_count) X(braceline_count)            \
  X(parenline_count) X(semicolon_count) X(comment_lines_count)             \
  X(blank_lines_count) X(characters_count) X(spaces_count)                 \
  X(literal_strings_count) X(continuation_lines_count)                     \
  X(preprocessor_lines_count) X(fall_through_count) X(skipped_lines_count) \
  X(quality_notice_count) X(open_paren_count) X(close_paren_count)         \
  X(open_brace_count) X(close_brace_count) X(open_bracket_count)           \
  X(close_bracket_count) X(if_count) X(else_count) X(for_count)            \
  X(while_count) X(do_count) X(switch_count) X(case_count)                 \
  X(default_count) X(break_count) X(return_count) X(goto_count)            \
  X(exit_count) X(_exit_count) X(abort_count) X(memory_alloc_count)        \
  X(memory_free_count) X(memory_new_count) X(memory_delete_count)          \
  X(const_count) X(enum_count) X(typedef_count) X(union_count)             \
  X(struct_count) X(template_count) X(friend_count)                        \
  X(virtual_function_count) X(inline_function_count) X(define_count)       \
  X(macros_count) X(include_count) X(import_count) X(using_count)          \
  X(class_count) X(interface_count) X(namespace_count) X(package_count)    \
  X(functions_count)                                                       \
  /* function totals of the file (filled by function detection) */         \
  X(func_loc_sum) X(func_eloc_sum) X(func_lloc_sum) X(func_comment_sum)    \
  X(func_blank_sum) X(func_lines_sum) X(func_vg_sum) X(func_returns_sum)   \
  X(func_params_sum) X(func_interface_sum) X(func_complexity_sum)          \
  X(classes_with_inheritance_count)

// Counters whose project value is the largest file value. X(name).
#define ZAV_MAXIMUM_COUNTERS(X)                                        \
  X(func_loc_max) X(func_eloc_max) X(func_lloc_max) X(func_vg_max)     \
  X(func_complexity_max) X(func_params_max) X(func_returns_max)

struct FileMetrics {
#define ZAV_DECLARE_COUNTER(name) int64_t name = 0;
  ZAV_SUMMED_COUNTERS(ZAV_DECLARE_COUNTER)
  ZAV_MAXIMUM_COUNTERS(ZAV_DECLARE_COUNTER)
#undef ZAV_DECLARE_COUNTER

  // Function points of the file's LOC, eLOC and lLOC (summed).
  double fp_loc = 0, fp_eloc = 0, fp_lloc = 0;

  // Derived values, computed where reported.
  int64_t Eloc() const { return loc_count - parenline_count - braceline_count; }
  int64_t Lloc() const { return semicolon_count - for_count; }
  int64_t TotalLogicalLines() const {
    return loc_count + comment_lines_count + blank_lines_count;
  }

  // Adds a file's counters into this project total.
  void Accumulate(const FileMetrics& file);
};

inline void FileMetrics::Accumulate(const FileMetrics& f) {
#define ZAV_ADD_COUNTER(name) name += f.name;
#define ZAV_MAX_COUNTER(name) \
  if (f.name > name) name = f.name;
  ZAV_SUMMED_COUNTERS(ZAV_ADD_COUNTER)
  ZAV_MAXIMUM_COUNTERS(ZAV_MAX_COUNTER)
#undef ZAV_ADD_COUNTER
#undef ZAV_MAX_COUNTER
  fp_loc += f.fp_loc;
  fp_eloc += f.fp_eloc;
  fp_lloc += f.fp_lloc;
}

// Part/whole * 100 in single precision, 0 when the whole is 0.
inline float Percent(double part, double whole) {
  if (whole == 0) return 0.0f;
  return static_cast<float>(part) / static_cast<float>(whole) * 100.0f;
}

}  // namespace zav
