// The blocks the per-file report writes when a function or a class ends.
// The function detection and the scope model call these; the headings and
// metric lines are written in the active format.
#pragma once

#include <string>
#include <string_view>

#include "zav/global_data.h"

namespace zav {

// The LOC line of a function or class and, with -fp, its function points.
void WriteSizeLines(GlobalData& G, const MetricRecord& r);

// The heading lines of a function: "Function: %s", "Parameters: %s" and,
// when the record has one, "Template: %s". HTML shows the texts escaped in
// the function, parameter and template colours; XML opens a `function`
// element (closed by WriteFunctionBlock) with `name`, `parameters` and
// `template`.
void WriteFunctionHeading(GlobalData& G, const FunctionRecord& function);
// The same from the three texts.
void WriteFunctionHeading(GlobalData& G, std::string_view name, std::string_view parameters,
                          std::string_view template_text);

// The function block of the per-file report, written when a function ends:
// the heading, the complexity line (complexity mode), the LOC line and the
// function-point line (function points on), then an empty line. With
// quality notices on the empty line is left out: the caller closes the
// block with the "Function End" scope marker instead.
//
// Writes nothing in totals-only runs and in the automated CSV mode (the
// end-of-file step writes the function rows there, see csv_rows.h).
void WriteFunctionBlock(GlobalData& G, const FunctionRecord& function);

// The heading line of a class, struct or interface at its end, `label`
// being "Class", "Struct", "Interface", "Nested Class", "Nested Struct" or
// "Nested Interface": text "\n  %s: %s\n", HTML the bold label and the name
// in the class colour (struct with template: struct colour), CSV
// "%s,%s\n"; then "Template: %s" when templated. XML opens a `class`
// element (closed by WriteClassBlock) with `type`, `name` and `template`.
void WriteClassHeading(GlobalData& G, const std::string& label,
                       const ClassRecord& record);

// "  Inheritance: %s\n" (wrapped 58/15), HTML in the inheritance colour,
// CSV "Inheritance,%s\n", XML "<inheritance>%s</inheritance>\n". Nothing
// when the record has no inheritance text.
void WriteInheritanceLine(GlobalData& G, const ClassRecord& record);
// The inheritance line of a class with the inheritance text given.
void WriteInheritanceLine(GlobalData& G, const std::string& inheritance);

// The class block written when a class, struct or interface ends in class
// metrics mode: the heading, the inheritance line, the attributes line,
// the methods line, the LOC line and the function-point line, then (except
// in CSV) an empty line. Writes nothing in totals-only runs.
void WriteClassBlock(GlobalData& G, const std::string& label,
                     const ClassRecord& record);

}  // namespace zav
