// Writing to the report stream.
#pragma once

#include <string>
#include <string_view>

#include "zav/global_data.h"

namespace zav {

// printf to the report stream.
void Print(GlobalData& G, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// Writes text unchanged to the report stream.
void PutText(GlobalData& G, std::string_view text);

// The text with "<", ">" and "&" written as HTML entities, a double quote
// as "&quot;" and an apostrophe as "&#39;".
std::string HtmlEscape(std::string_view text);

}  // namespace zav
