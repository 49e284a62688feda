#include "report/record_blocks.h"

#include "base/csv_field.h"
#include "report/framework.h"
#include "report/metric_lines.h"
#include "base/output.h"
#include "base/text_util.h"

namespace zav {
namespace {

// The text heading of a function in one piece of the stream's buffer, each
// label copied by the stores for its length; false, with nothing written,
// when the writers are silent or the buffer lacks the room.
bool PutTextHeading(GlobalData& G, std::string_view name, std::string_view parameters,
                    std::string_view template_text) {
  constexpr std::string_view kFunction = "  Function: ";
  constexpr std::string_view kParameters = "\n  Parameters: ";
  constexpr std::string_view kTemplate = "\n  Template: ";
  const bool has_template = !template_text.empty();
  const size_t size = kFunction.size() + name.size() + kParameters.size() + parameters.size() +
                      (has_template ? kTemplate.size() + template_text.size() : 0) + 1;
  char* at = G.report.machine.silent ? nullptr : StreamRoom(G.report.out, size);
  if (at == nullptr) return false;
  at = CopyPiece(CopyPiece(at, kFunction), name);
  at = CopyPiece(CopyPiece(at, kParameters), parameters);
  if (has_template) at = CopyPiece(CopyPiece(at, kTemplate), template_text);
  *at++ = '\n';
  StreamCommit(G.report.out, at);
  return true;
}

}  // namespace

void WriteSizeLines(GlobalData& G, const MetricRecord& r) {
  WriteLocLine(G, r.loc, r.eloc, r.lloc, r.comments, r.lines);
  if (G.sw.function_points) {
    WriteFunctionPointLine(G, FunctionPointsOf(G, kMeasureLoc, r.loc),
                           FunctionPointsOf(G, kMeasureEloc, r.eloc),
                           FunctionPointsOf(G, kMeasureLloc, r.lloc));
  }
}

void WriteFunctionHeading(GlobalData& G, const FunctionRecord& f) {
  WriteFunctionHeading(G, f.name, f.parameters, f.template_text);
}

void WriteFunctionHeading(GlobalData& G, std::string_view name, std::string_view parameters,
                          std::string_view template_text) {
  const bool has_template = !template_text.empty();
  switch (Fmt(G)) {
    case ReportFormat::kText:
      if (PutTextHeading(G, name, parameters, template_text)) break;
      PutJoined(G, {"  Function: ", name, "\n  Parameters: ", parameters, "\n"});
      if (has_template) PutJoined(G, {"  Template: ", template_text, "\n"});
      break;
    case ReportFormat::kHtml:
      Print(G, "  <b>Function</b>: <b><font color=\"%s\">%s</font></b>\n",
            Color(G, kColorFunction), HtmlEscape(name).c_str());
      Print(G, "  <b>Parameters:</b> <b><font color=\"%s\">%s</font></b>\n",
            Color(G, kColorFunctionParam), HtmlEscape(parameters).c_str());
      if (has_template) {
        Print(G, "  <b>Template:</b> <b><font color=\"%s\">%s</font></b>\n",
              Color(G, kColorTemplate), HtmlEscape(template_text).c_str());
      }
      break;
    case ReportFormat::kCsv:
      PutJoined(G, {"Function,", CsvField(name), "\nParameters,", CsvField(parameters), "\n"});
      if (has_template) PutJoined(G, {"Template,", CsvField(template_text), "\n"});
      break;
    case ReportFormat::kXml:
      PutJoined(G, {"<function>\n<name>", XmlEscape(name), "</name>\n<parameters>",
                    XmlEscape(parameters), "</parameters>\n"});
      if (has_template) {
        PutJoined(G, {"<template>", XmlEscape(template_text), "</template>\n"});
      }
      break;
  }
}

void WriteFunctionBlock(GlobalData& G, const FunctionRecord& f) {
  if (G.sw.totals_only || G.sw.csv_detail) return;
  WriteFunctionHeading(G, f);
  if (G.sw.complexity) WriteComplexityLine(G, f.params, f.returns, f.cyclomatic);
  WriteSizeLines(G, f);
  if (Fmt(G) == ReportFormat::kXml) {
    PutText(G, "</function>\n");
  } else if (!G.sw.notices) {
    PutText(G, "\n");
  }
}

void WriteClassHeading(GlobalData& G, const std::string& label,
                       const ClassRecord& r) {
  const bool has_template = !r.template_text.empty();
  switch (Fmt(G)) {
    case ReportFormat::kText:
      PutJoined(G, {"\n  ", label.c_str(), ": ", r.name.c_str(), "\n"});
      if (has_template) PutJoined(G, {"  Template: ", r.template_text.c_str(), "\n"});
      break;
    case ReportFormat::kHtml: {
      const ColorId color = r.kind == RecordKind::kStruct && has_template
                                ? kColorStruct
                                : kColorClass;
      Print(G, "\n  <b>%s</b>: <b><font color=\"%s\">%s</font></b>\n",
            HtmlText(label).c_str(), Color(G, color), HtmlEscape(r.name).c_str());
      if (has_template) {
        Print(G, "  <b>Template</b>: <b><font color=\"%s\">%s</font></b>\n",
              Color(G, kColorTemplate), HtmlEscape(r.template_text).c_str());
      }
      break;
    }
    case ReportFormat::kCsv:
      Print(G, "%s,%s\n", label.c_str(), CsvField(r.name).c_str());
      if (has_template) {
        Print(G, "Template,%s\n", CsvField(r.template_text).c_str());
      }
      break;
    case ReportFormat::kXml:
      Print(G, "<class>\n<type>%s</type>\n<name>%s</name>\n",
            XmlEscape(label).c_str(), XmlEscape(r.name).c_str());
      if (has_template) {
        Print(G, "<template>%s</template>\n", XmlEscape(r.template_text).c_str());
      }
      break;
  }
}

void WriteInheritanceLine(GlobalData& G, const ClassRecord& r) {
  WriteInheritanceLine(G, r.inheritance);
}

void WriteInheritanceLine(GlobalData& G, const std::string& inheritance) {
  if (inheritance.empty()) return;
  switch (Fmt(G)) {
    case ReportFormat::kText:
      Print(G, "  Inheritance: %s\n", WrapName(G, inheritance, 58, 15).c_str());
      break;
    case ReportFormat::kHtml:
      Print(G, "  <b>Inheritance</b>: <b><font color=\"%s\">%s</font></b>\n",
            Color(G, kColorInheritance),
            HtmlEscape(WrapName(G, inheritance, 58, 15)).c_str());
      break;
    case ReportFormat::kCsv:
      Print(G, "Inheritance,%s\n", CsvField(inheritance).c_str());
      break;
    case ReportFormat::kXml:
      Print(G, "<inheritance>%s</inheritance>\n", XmlEscape(inheritance).c_str());
      break;
  }
}

void WriteClassBlock(GlobalData& G, const std::string& label,
                     const ClassRecord& r) {
  if (G.sw.totals_only) return;
  WriteClassHeading(G, label, r);
  WriteInheritanceLine(G, r);
  WriteAttributesLine(G, r.attributes_public, r.attributes_protected,
                      r.attributes_private);
  WriteMethodsLine(G, r.methods_public, r.methods_protected, r.methods_private);
  WriteSizeLines(G, r);
  switch (Fmt(G)) {
    case ReportFormat::kXml: PutText(G, "</class>\n"); break;
    case ReportFormat::kCsv: break;
    default: PutText(G, "\n"); break;
  }
}

}  // namespace zav
