// The "File Keywords and Metrics" block (verbose mode) and its project twin.
#include "report/file_reports.h"

#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>

#include "report/framework.h"
#include "base/format.h"
#include "base/output.h"

namespace zav {
namespace {

struct Percentages {
  float code, ecode, comment, blank, characters, spaces;
};

Percentages ComputePercentages(const FileMetrics& f) {
  const int64_t logical = f.TotalLogicalLines();
  Percentages p;
  p.code = Percent(f.loc_count, logical);
  p.ecode = Percent(f.Eloc(), logical);
  p.comment = Percent(f.comment_lines_count, logical);
  p.blank = Percent(f.blank_lines_count, logical);
  p.characters = Percent(f.characters_count - f.spaces_count, f.characters_count);
  p.spaces = Percent(f.spaces_count, f.characters_count);
  return p;
}

int CharsPerNonBlankLine(const FileMetrics& f) {
  const int64_t divisor = f.loc_count + f.comment_lines_count;
  return divisor == 0 ? 0 : static_cast<int>((f.characters_count - f.spaces_count) / divisor);
}

// Text and HTML share one layout; HTML bolds the labels. The block is
// built a few lines at a time and written with Finish.
class TwoColumns {
 public:
  explicit TwoColumns(GlobalData& G)
      : G_(G), html_(G.sw.Format() == ReportFormat::kHtml) {}

  std::string Label(std::string_view label) const {
    if (!html_) return std::string(label);
    // "  Label ....: " -> "  <b>Label ....:</b> "
    std::string s(label);
    size_t colon = s.rfind(':');
    return "  <b>" + s.substr(2, colon - 1) + "</b>" + s.substr(colon + 1);
  }
  std::string Header(const char* left, const char* word, const char* right) {
    if (!html_) return std::string("  ") + left + word + right;
    return std::string("  <b>") + left + "<font color=\"" +
           G_.settings.colors[kColorHeader] + "\">" + word + "</font>" + right +
           "</b>";
  }
  void Text(std::string_view text) {
    line_.Text(text);
    Written();
  }
  // "<label>%12ld"
  void One(std::string_view label, int64_t value) {
    PutLabel(label).Right(value, 12);
    Written();
  }
  // "<label>%6ld,%5ld"
  void Two(std::string_view label, int64_t a, int64_t b) {
    PutLabel(label).Right(a, 6).Text(",").Right(b, 5);
    Written();
  }
  // The header padded to 36 columns as "%-36s" pads it; HTML unpadded.
  void Rule(const char* left, const char* word, const char* right) {
    if (html_) return Text(Header(left, word, right));
    const size_t before = line_.View().size();
    line_.Text("  ").Text(left).Text(word).Text(right);
    const size_t width = line_.View().size() - before;
    if (width < 36) line_.Text(std::string_view("                                    ", 36 - width));
    Written();
  }
  // A header line of its own.
  void HeaderLine(const char* left, const char* word, const char* right) {
    if (html_) return Text(Header(left, word, right) + "\n");
    line_.Text("  ").Text(left).Text(word).Text(right).Text("\n");
    Written();
  }
  // The right column, closing the line: "<label>%<w0>ld,%<w1>ld...\n"
  // with the widths and values given.
  void Right(std::string_view label, std::initializer_list<std::pair<int64_t, int>> values) {
    PutLabel(label);
    bool first = true;
    for (const auto& [value, width] : values) {
      if (!first) line_.Text(",");
      first = false;
      line_.Right(value, width);
    }
    line_.Text("\n");
    Written();
  }
  // "<label>%5.1f%%,%5.1f%%\n"
  void Percents(std::string_view label, double a, double b) {
    PutLabel(label).Fixed(a, 5, 1).Text("%,").Fixed(b, 5, 1).Text("%\n");
    Written();
  }
  void Finish() {
    PutText(G_, line_.View());
    line_.Clear();
  }

 private:
  LineBuilder& PutLabel(std::string_view label) {
    if (!html_) return line_.Text(label);
    return line_.Text(Label(label));
  }
  // Passes the text on before the builder's own buffer would be outgrown.
  void Written() {
    if (line_.View().size() > 160) Finish();
  }

  GlobalData& G_;
  bool html_;
  LineBuilder line_;
};

void WriteKeywordMetricsText(GlobalData& G) {
  const FileMetrics& f = G.file;
  const Percentages p = ComputePercentages(f);
  TwoColumns t(G);
  t.Text("\n");
  t.Rule("--------------- ", "LOC", " ---------------");
  t.Right("  case, break .........:", {{f.case_count, 6}, {f.break_count, 6}});
  t.One("  Lines of Code (LOC) .: ", f.loc_count);
  t.Right("  if, else ............:", {{f.if_count, 6}, {f.else_count, 6}});
  t.One("  Lines of just { or } : ", f.braceline_count);
  t.Right("  goto, return ........:", {{f.goto_count, 6}, {f.return_count, 6}});
  t.One("  Lines of just (or)   : ", f.parenline_count);
  t.Right("  exit, _exit, abort ..:", {{f.exit_count, 6}, {f._exit_count, 3}, {f.abort_count, 2}});
  t.One("  Effective LOC (eLOC) : ", f.Eloc());
  t.Right("  macros, struct, union:", {{f.macros_count, 6}, {f.struct_count, 3}, {f.union_count, 2}});
  t.One("  Code Statement (lLOC): ", f.Lloc());
  t.Right("  class, interface ....:", {{f.class_count, 6}, {f.interface_count, 6}});
  t.Rule("-------------- ", "Lines", " --------------");
  t.Right("  template, friend ....:", {{f.template_count, 6}, {f.friend_count, 6}});
  t.One("  Blank Lines .........: ", f.blank_lines_count);
  t.Right("  namespace, package ..:", {{f.namespace_count, 6}, {f.package_count, 6}});
  t.One("  Comment Lines .......: ", f.comment_lines_count);
  if (f.functions_count > 0) {
    t.Right("  func, virtual, inline:", {{f.functions_count, 6}, {f.virtual_function_count, 3}, {f.inline_function_count, 2}});
  } else {
    // The blank before the figure belongs to the label's tail.
    t.Right("  inline ..............: ", {{f.inline_function_count, 12}});
  }
  t.One("  Total Logical Lines .: ", f.TotalLogicalLines());
  t.Right("  Memory alloc, free ..:", {{f.memory_alloc_count, 6}, {f.memory_free_count, 6}});
  t.One("  Total Physical Lines : ", f.total_physical_lines_count);
  t.Right("  Memory new, delete ..:", {{f.memory_new_count, 6}, {f.memory_delete_count, 6}});
  t.Rule("------------ ", "Key Words", " ------------");
  t.HeaderLine("------------- ", "Analysis", " ------------");
  t.One("  Literal Strings .....: ", f.literal_strings_count);
  t.Right("  Continuation Lines \\.:", {{f.continuation_lines_count, 13}});
  t.One("  Preprocessor Lines #.: ", f.preprocessor_lines_count);
  t.Right("  Paren Count (,) .....:", {{f.open_paren_count, 6}, {f.close_paren_count, 6}});
  t.Two("  #include, import ....: ", f.include_count, f.import_count);
  t.Right("  Brace Count {,} .....:", {{f.open_brace_count, 6}, {f.close_brace_count, 6}});
  t.Two("  #define, typedef ....: ", f.define_count, f.typedef_count);
  t.Right("  Bracket Count [,] ...:", {{f.open_bracket_count, 6}, {f.close_bracket_count, 6}});
  t.Two("  const, enum .........: ", f.const_count, f.enum_count);
  t.Right("  Chars/NBLine, Notices:", {{CharsPerNonBlankLine(f), 6}, {f.quality_notice_count, 6}});
  t.Two("  do, while ...........: ", f.do_count, f.while_count);
  t.Percents("  Code, eCode Lines ...:", p.code, p.ecode);
  t.Two("  switch, default .....: ", f.switch_count, f.default_count);
  t.Percents("  Comment, Blank Lines :", p.comment, p.blank);
  t.One("  for .................: ", f.for_count);
  t.Percents("  Characters, Spaces ..:", p.characters, p.spaces);
  t.Finish();
}

void XmlPercent(GlobalData& G, const char* name, float value, bool have) {
  if (have) {
    Print(G, "<%s>%.1f</%s>\n", name, value, name);
  } else {
    Print(G, "<%s>0</%s>\n", name, name);
  }
}

void WriteKeywordMetricsXml(GlobalData& G, bool project) {
  const FileMetrics& f = G.file;
  const Percentages p = ComputePercentages(f);
  const bool logical = f.TotalLogicalLines() != 0;
  PutText(G, "<report>\n");
  PutText(G, project ? "<name>Total Verbose Metrics</name>\n"
                     : "<name>File Verbose Metrics</name>\n");
  XmlInt(G, "loc_count", f.loc_count);
  XmlInt(G, "braceline_count", f.braceline_count);
  XmlInt(G, "parenline_count", f.parenline_count);
  XmlInt(G, "eLOC_count", f.Eloc());
  XmlInt(G, "lLOC_count", f.Lloc());
  XmlInt(G, "comment_lines_count", f.comment_lines_count);
  XmlInt(G, "blank_lines_count", f.blank_lines_count);
  XmlInt(G, "total_logical_lines_count", f.TotalLogicalLines());
  XmlInt(G, "total_physical_lines_count", f.total_physical_lines_count);
  XmlPercent(G, "loc_percent_logical_lines", p.code, logical);
  XmlPercent(G, "eloc_percent_logical_lines", p.ecode, logical);
  XmlPercent(G, "comment_line_percentage_logical_lines", p.comment, logical);
  XmlPercent(G, "blank_line_percentage_logical_lines", p.blank, logical);
  XmlInt(G, "namespace_count", f.namespace_count);
  XmlInt(G, "package_count", f.package_count);
  XmlInt(G, "class_count", f.class_count);
  XmlInt(G, "interface_count", f.interface_count);
  XmlInt(G, "functions_count", f.functions_count);
  XmlInt(G, "virtual_function_count", f.virtual_function_count);
  XmlInt(G, "inline_function_count", f.inline_function_count);
  XmlInt(G, "template_count", f.template_count);
  XmlInt(G, "friend_count", f.friend_count);
  XmlInt(G, "macros_count", f.macros_count);
  XmlInt(G, "struct_count", f.struct_count);
  XmlInt(G, "union_count", f.union_count);
  XmlInt(G, "memory_alloc_count", f.memory_alloc_count);
  XmlInt(G, "memory_free_count", f.memory_free_count);
  XmlInt(G, "memory_new_count", f.memory_new_count);
  XmlInt(G, "memory_delete_count", f.memory_delete_count);
  XmlInt(G, "literal_strings_count", f.literal_strings_count);
  XmlInt(G, "continuation_lines_count", f.continuation_lines_count);
  XmlInt(G, "preprocessor_lines_count", f.preprocessor_lines_count);
  XmlInt(G, "include_count", f.include_count);
  XmlInt(G, "import_count", f.import_count);
  XmlInt(G, "define_count", f.define_count);
  XmlInt(G, "typedef_count", f.typedef_count);
  XmlInt(G, "const_count", f.const_count);
  XmlInt(G, "enum_count", f.enum_count);
  XmlInt(G, "open_bracket_count", f.open_bracket_count);
  XmlInt(G, "close_bracket_count", f.close_bracket_count);
  XmlInt(G, "open_brace_count", f.open_brace_count);
  XmlInt(G, "close_brace_count", f.close_brace_count);
  XmlInt(G, "open_paren_count", f.open_paren_count);
  XmlInt(G, "close_paren_count", f.close_paren_count);
  XmlInt(G, "do_count", f.do_count);
  XmlInt(G, "while_count", f.while_count);
  XmlInt(G, "switch_count", f.switch_count);
  XmlInt(G, "default_count", f.default_count);
  XmlInt(G, "for_count", f.for_count);
  XmlInt(G, "case_count", f.case_count);
  XmlInt(G, "break_count", f.break_count);
  XmlInt(G, "if_count", f.if_count);
  XmlInt(G, "else_count", f.else_count);
  XmlInt(G, "goto_count", f.goto_count);
  XmlInt(G, "return_count", f.return_count);
  XmlInt(G, "exit_count", f.exit_count);
  XmlInt(G, "_exit_count", f._exit_count);
  XmlInt(G, "abort_count", f.abort_count);
  Print(G, "<characters_percent>%.1f</characters_percent>\n", p.characters);
  Print(G, "<spaces_percent>%.1f</spaces_percent>\n", p.spaces);
  XmlInt(G, "quality_notice_count", f.quality_notice_count);
  PutText(G, "</report>\n");
}

}  // namespace

void WriteKeywordMetrics(GlobalData& G, bool project) {
  if (G.sw.Format() == ReportFormat::kXml) {
    WriteKeywordMetricsXml(G, project);
    return;
  }
  const char* title = project ? "~~ Project Keywords and Metrics ~~"
                              : "~~ File Keywords and Metrics ~~";
  const char* csv = project ? "Project Keywords and Metrics"
                            : "File Keywords and Metrics";
  WriteSectionTitle(G, title, csv);
  WriteKeywordMetricsText(G);
}

}  // namespace zav
