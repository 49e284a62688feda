#include "report/structure_output.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include <cstring>

#include "base/csv_field.h"
#include "base/format.h"
#include "report/file_reports.h"
#include "report/metric_lines.h"
#include "report/record_blocks.h"
#include "base/text_util.h"
#include "report/framework.h"
#include "base/output.h"

namespace zav {
namespace {

bool Html(const GlobalData& G) { return G.sw.Format() == ReportFormat::kHtml; }
bool Csv(const GlobalData& G) { return G.sw.Format() == ReportFormat::kCsv; }
bool Xml(const GlobalData& G) { return G.sw.Format() == ReportFormat::kXml; }

std::string FileLink(GlobalData& G) {
  return G.current_entry != nullptr ? MakeFileLink(G, G.current_entry->name) : std::string();
}

// Object analysis: classes and namespaces are announced.
bool ObjectsShown(const GlobalData& G) {
  return G.sw.objects && !G.sw.totals_only;
}

bool FunctionsShown(const GlobalData& G) {
  return G.sw.functional && !G.sw.totals_only && !G.sw.function_list &&
         !G.sw.class_methods;
}

const char* ClassLabel(const ClassFrame& c, bool nested) {
  switch (c.kind) {
    case ClassKind::kStruct:
      return nested ? "Nested Struct" : "Struct";
    case ClassKind::kInterface:
      return nested ? "Nested Interface" : "Interface";
    default:
      return nested ? "Nested Class" : "Class";
  }
}

void WriteLabelledName(GlobalData& G, const char* label, const std::string& name,
                       ColorId color) {
  if (Html(G)) {
    Print(G, "  <b>%s</b>: <b><font color=\"%s\">%s</font></b>\n", label,
          Color(G, color), HtmlEscape(name).c_str());
  } else if (Csv(G)) {
    PutJoined(G, {label, ",", CsvField(name), "\n"});
  } else if (!Xml(G)) {
    PutJoined(G, {"  ", label, ": ", name, "\n"});
  }
}

void WriteTemplateLine(GlobalData& G, const std::string& text) {
  if (text.empty()) return;
  WriteLabelledName(G, "Template", text, kColorTemplate);
}

// The record written for one occurrence of a class body.
ClassRecord OccurrenceRecord(const ClassFrame& c, const MetricRecord& span) {
  ClassRecord r = span;
  r.name = c.name;
  r.inheritance = c.inheritance;
  r.template_text = c.template_text;
  return r;
}

void WriteCyclomaticDetail(GlobalData& G) {
  const Settings& s = G.settings;
  const DecisionCounts& c = G.func.counts;
  PutText(G, "    Cyclomatic Complexity Vg Detail\n");
  PutText(G, "      Function Base           : 1\n");
  struct Row {
    bool enabled;
    int count;
    const char* format;
  } rows[] = {
      {s.cyclo_while, c.whiles, "      Loops while / do        : %-6d\n"},
      {s.cyclo_for, c.fors, "      Loops for / foreach     : %-6d\n"},
      {s.cyclo_switch, c.switches, "      Selection switch        : %-6d\n"},
      {s.cyclo_case, c.cases, "      Selection case          : %-6d\n"},
      {s.cyclo_if, c.ifs, "      Conditional if / else if: %-6d\n"},
      {s.cyclo_else, c.elses, "      Conditional else        : %-6d\n"},
      {s.cyclo_ternary, c.ternaries, "      Inlined if-else ( ? : ) : %-6d\n"},
      {s.cyclo_goto, c.gotos, "      goto                    : %-6d\n"},
      {s.cyclo_or, c.logical_or, "      Logical or ( || )       : %-6d\n"},
      {s.cyclo_and, c.logical_and, "      Logical and ( && )      : %-6d\n"},
  };
  for (const Row& row : rows) {
    if (row.enabled && row.count > 0) Print(G, row.format, row.count);
  }
}

}  // namespace

void WriteScopeMarker(GlobalData& G, const char* label, int32_t line) {
  if (Csv(G) || Xml(G)) return;
  // " <label> Line: <line> " centred in 72 columns of hyphens; the label
  // and line are cut at 127 characters. A marker other than an end one
  // follows a blank line. Written as one piece.
  constexpr int kWidth = 72;
  constexpr size_t kCoreLimit = 127;
  static constexpr char kHyphens[] =
      "------------------------------------------------------------------------";
  const std::string_view name(label);
  char digits[16];
  const size_t digit_count =
      static_cast<size_t>(std::to_chars(digits, digits + sizeof digits, line).ptr - digits);
  const size_t full = 1 + name.size() + 7 + digit_count + 1;
  const int used = static_cast<int>(std::min(full, kCoreLimit));
  const int left = used >= kWidth ? 0 : (kWidth - used) / 2;
  const int right = used >= kWidth ? 0 : kWidth - used - left;
  // Room for both runs of hyphens copied whole (72 bytes each), of which
  // only `left` and `right` count, and for the digits' buffer copied whole.
  char marker[1 + 2 + kWidth + kCoreLimit + kWidth + 1];
  // Built straight in the report stream's buffer where it has the room.
  char* const in_stream =
      G.report.machine.silent ? nullptr : StreamRoom(G.report.out, sizeof marker);
  char* const start = in_stream != nullptr ? in_stream : marker;
  char* at = start;
  if (name.find("End") == std::string_view::npos) *at++ = '\n';
  *at++ = ' ';
  *at++ = ' ';
  std::memcpy(at, kHyphens, kWidth);
  at += left;
  if (full <= kCoreLimit) {
    *at++ = ' ';
    std::memcpy(at, name.data(), name.size());
    at += name.size();
    std::memcpy(at, " Line: ", 7);
    at += 7;
    std::memcpy(at, digits, sizeof digits);
    at += digit_count;
    *at++ = ' ';
  } else {
    size_t room = kCoreLimit;
    auto put = [&](std::string_view piece) {
      const size_t n = std::min(piece.size(), room);
      at = std::copy_n(piece.data(), n, at);
      room -= n;
    };
    put(" ");
    put(name);
    put(" Line: ");
    put(std::string_view(digits, digit_count));
    put(" ");
  }
  std::memcpy(at, kHyphens, kWidth);
  at += right;
  *at++ = '\n';
  if (in_stream != nullptr) {
    StreamCommit(G.report.out, at);
  } else {
    PutText(G, std::string_view(marker, static_cast<size_t>(at - marker)));
  }
}

void AnnounceNamespace(GlobalData& G, bool begin, bool package, bool nested,
                       const std::string& name) {
  const Switches& sw = G.sw;
  if (!(sw.objects || sw.comment_documentation) || sw.totals_only || Xml(G)) return;
  std::string label = nested ? "Nested " : "";
  label += package ? "Package" : "Namespace";
  label += begin ? " Begin" : " End";
  if (sw.comment_documentation || (sw.notices && G.file.quality_notice_count > 0)) {
    PutText(G, "\n");
  }
  if (Html(G)) {
    Print(G, "  <b><a href=\"%s\" target=\"_blank\">%s</a></b>: <b><font color=\"%s\">%s</font></b>\n",
          FileLink(G).c_str(), label.c_str(), Color(G, kColorNotice),
          HtmlEscape(name).c_str());
  } else if (Csv(G)) {
    Print(G, "%s,%s\n", label.c_str(), CsvField(name).c_str());
  } else {
    Print(G, "  %s: %s\n", label.c_str(), name.c_str());
  }
  if (sw.comment_documentation) Print(G, "  %s%s\n", kHyphens36, kHyphens36);
}

void AnnounceClassBegin(GlobalData& G) {
  if (!ObjectsShown(G) || !G.sw.notices) return;
  const ScopeState& S = G.scope;
  const ClassFrame& c = S.cls;
  const bool nested = S.class_depth > 0;
  std::string marker = std::string(ClassLabel(c, nested)) + " Begin";
  WriteScopeMarker(G, marker.c_str(), G.reader.line_number);
  WriteLabelledName(G, ClassLabel(c, nested), c.name,
                    c.kind == ClassKind::kStruct ? kColorStruct : kColorClass);
  WriteTemplateLine(G, c.template_text);
  WriteInheritanceLine(G, c.inheritance);
}

void AnnounceClassEnd(GlobalData& G, const MetricRecord& span) {
  if (!ObjectsShown(G)) return;
  const ScopeState& S = G.scope;
  const ClassFrame& c = S.cls;
  const bool nested = S.class_depth > 0;
  if (!G.sw.notices) {
    WriteClassBlock(G, ClassLabel(c, nested), OccurrenceRecord(c, span));
    return;
  }
  WriteAttributesLine(G, span.attributes_public, span.attributes_protected,
                      span.attributes_private);
  WriteMethodsLine(G, span.methods_public, span.methods_protected,
                   span.methods_private);
  WriteSizeLines(G, span);
  // An interface ends with the class labels.
  std::string marker = nested ? "Nested " : "";
  marker += c.kind == ClassKind::kStruct ? "Struct End" : "Class End";
  WriteScopeMarker(G, marker.c_str(), G.reader.line_number);
}

void AnnounceFunctionBegin(GlobalData& G) {
  if (!G.sw.notices || !FunctionsShown(G)) return;
  const FunctionState& F = G.func;
  WriteScopeMarker(G, "Function Begin", G.reader.line_number);
  // The heading lines of the function block (HTML bolds "Parameters:" and
  // "Template:" with their colons there too); XML has no heading here.
  if (!Xml(G)) WriteFunctionHeading(G, F.name, F.parameters, F.template_text);
}

void WriteFunctionEnd(GlobalData& G, const FunctionRecord& r) {
  if (!FunctionsShown(G) || G.sw.csv_detail) return;
  const bool detail = G.sw.complexity && G.sw.function_detail && r.cyclomatic > 1 && !Csv(G);
  if (!G.sw.notices) {
    WriteFunctionBlock(G, r);
    if (detail) WriteCyclomaticDetail(G);
    return;
  }
  if (G.sw.complexity) WriteComplexityLine(G, r.params, r.returns, r.cyclomatic);
  WriteSizeLines(G, r);
  if (detail) WriteCyclomaticDetail(G);
  WriteScopeMarker(G, "Function End", G.reader.line_number);
}

namespace {

// One line of the class member listing (-fm): `head` with the line number,
// then the listed source text and `tail`. The text is escaped in HTML and
// XML; in CSV the line is one field, as the text may hold commas.
void PutMemberLine(GlobalData& G, const char* head, int32_t line,
                   const std::string& text, const char* tail) {
  char number[64];
  std::snprintf(number, sizeof number, head, line);
  std::string shown = text;
  if (Html(G)) shown = HtmlEscape(text);
  if (Xml(G)) shown = XmlEscape(text);
  std::string out = number + shown + tail;
  if (Csv(G)) {
    const bool line_end = !out.empty() && out.back() == '\n';
    if (line_end) out.pop_back();
    out = CsvField(out) + (line_end ? "\n" : "");
  }
  PutText(G, out);
}

}  // namespace

void ListClassMethod(GlobalData& G, int visibility, int32_t line,
                     const std::string& prefix, const std::string& name) {
  static const char* const kHeads[] = {"  Class Method Public   :%6d | ",
                                       "  Class Method Protected:%6d | ",
                                       "  Class Method Private  :%6d | "};
  const std::string spaced = prefix.empty() ? prefix : prefix + " ";
  PutMemberLine(G, kHeads[visibility], line, spaced + name, "\n");
}

void ListClassData(GlobalData& G, int visibility, int32_t line, const char* text) {
  static const char* const kHeads[] = {"  Class Data Public     :%6d | ",
                                       "  Class Data Protected  :%6d | ",
                                       "  Class Data Private    :%6d | "};
  PutMemberLine(G, kHeads[visibility], line, text, "");
}

void AnnounceMacroBegin(GlobalData& G, const std::string& name) {
  if (G.sw.totals_only || Xml(G)) return;
  if (G.sw.notices) {
    WriteScopeMarker(G, "Macro Begin", G.reader.line_number);
  } else {
    WriteLabelledName(G, "Macro", name, kColorMacro);
  }
}

void AnnounceMacroEnd(GlobalData& G, const std::string& name) {
  if (G.sw.totals_only || Xml(G) || !G.sw.notices) return;
  PutText(G, "\n");
  WriteLabelledName(G, "Macro", name, kColorMacro);
  WriteScopeMarker(G, "Macro End", G.reader.line_number);
}

void WriteEndOfFileNotices(GlobalData& G) {
  if (G.sw.totals_only) return;
  const FileMetrics& f = G.file;
  if (f.open_brace_count != f.close_brace_count) {
    Print(G,
          "\n    NOTICE: The end of the source file has been reached where the\n"
          "            open brace count { %ld != %ld } close brace count \n"
          "            This is an indication of non-compilable code within the source\n"
          "            file.  ZAV processes all source code including code wrapped\n"
          "            with preprocessor directives.  Accurate metrics requires that\n"
          "            all code present in this file must be compilable.\n",
          f.open_brace_count, f.close_brace_count);
  }
  if (G.func.in_body) {
    PutText(G,
            "\n    NOTICE: The end of the source file has been reached where the\n"
            "            local function scope remains open.  The last known function\n"
            "            will be emitted but metrics cannot be generated in this\n"
            "            condition.\n");
    WriteLabelledName(G, "Function", G.func.name, kColorFunction);
  }
}

void WriteFileFunctionList(GlobalData& G, size_t first_record) {
  const auto& functions = G.lists.functions;
  for (size_t i = first_record; i < functions.size(); ++i) {
    WriteLabelledName(G, "Function", functions[i].name + functions[i].parameters,
                      kColorFunction);
  }
}

}  // namespace zav
