// What the scope model and function detection write while a file is
// analysed: scope markers, namespace and class announcements, function
// lines and blocks, macro listings and the end-of-file NOTICE texts.
#pragma once

#include <cstdint>
#include <string>

#include "zav/global_data.h"

namespace zav {

// A 72-character dashed line with the label and line number centred in it.
void WriteScopeMarker(GlobalData& G, const char* label, int32_t line);

// "Namespace Begin: name" and its package, nested and end forms.
void AnnounceNamespace(GlobalData& G, bool begin, bool package, bool nested,
                       const std::string& name);

// The begin of the current class (G.scope.cls) when quality notices are on.
void AnnounceClassBegin(GlobalData& G);

// The end of the current class: with quality notices the end marker, else
// the class line; then the class metrics. `span` holds this occurrence's
// figures.
void AnnounceClassEnd(GlobalData& G, const MetricRecord& span);

// The begin marker and heading of the function that just opened.
void AnnounceFunctionBegin(GlobalData& G);

// The function's lines and metrics at its end.
void WriteFunctionEnd(GlobalData& G, const FunctionRecord& record);

// "Class Method Public   :%6d | %s%s" and the data-member form (-fm).
void ListClassMethod(GlobalData& G, int visibility, int32_t line,
                     const std::string& prefix, const std::string& name);
void ListClassData(GlobalData& G, int visibility, int32_t line,
                   const char* text);

// Function-like macros (-m).
void AnnounceMacroBegin(GlobalData& G, const std::string& name);
void AnnounceMacroEnd(GlobalData& G, const std::string& name);

// The end-of-file NOTICE texts for unequal braces and an open function.
void WriteEndOfFileNotices(GlobalData& G);

// The function names of the file just analysed (-l).
void WriteFileFunctionList(GlobalData& G, size_t first_record);

}  // namespace zav
