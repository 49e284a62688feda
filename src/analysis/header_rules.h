// Text rules of function headers met in real code: what may stand between
// a parameter list and its body, when a new header replaces a pending one,
// K&R parameter declarations and Java record headers.
#pragma once

#include <string>
#include <string_view>

#include "zav/global_data.h"

namespace zav {

// The identifier ending right before line[end] (blanks skipped); its first
// position goes to *start.
std::string_view WordBefore(const char* line, int end, int* start = nullptr);

// The first position of the run of name characters (letters, digits, "_")
// that ends right before line[end]; `end` itself when there is none.
int NameRunStart(const char* line, int end);

// Qualifiers, exception specifications and attribute words, which may stand
// between a parameter list and the body.
bool IsHeaderQualifier(std::string_view word);

// The collected text of a pending header after its parameter list.
std::string_view HeaderTail(const FunctionState& F);

bool StartsInitialiserList(std::string_view tail);

// A "(" on a later line than a pending header that has not met its body
// starts a new header that replaces it.
bool NewHeaderReplaces(const GlobalData& G, const char* line, int paren);

// The K&R declaration that ends the header text declares a parameter.
bool DeclaresAParameter(const FunctionState& F);

// "record Name(" in a Java file: Name (with its type parameters), else "".
std::string RecordName(const char* line, int paren);

}  // namespace zav
