// The scope model: namespaces, Java packages, classes, structs and
// interfaces, their nesting, inheritance text, visibility and metrics.
#pragma once

#include <string>
#include <string_view>

#include "base/keywords.h"
#include "zav/global_data.h"

namespace zav {

// True when the scope keyword at line[start..end) stands as a whole word:
// after the line start, a blank, ";", ")", "=", "{" or "}", and before a
// blank, a line end or a comment (struct also before "{", template before
// "<", the visibility words before ":").
bool ScopeKeywordBoundary(const char* line, int start, int end, Word word);

// A namespace, package, class, struct or interface keyword at
// line[start..end).
void OnScopeKeyword(GlobalData& G, const char* line, int start, int end,
                    Word word);

// A Java "record Name(" header: a class named Name whose components (the
// parenthesised list) are its attributes.
void BeginRecordHeader(GlobalData& G, const std::string& name);

// "public", "protected" or "private" at line[start..end).
void OnVisibilityKeyword(GlobalData& G, const char* line, int start, int end,
                         Word word);

// Opens the pending namespace or class at a "{" (the caller pushes the
// brace kind returned). Returns kBlock when nothing was pending.
BraceKind OpenScopeAtBrace(GlobalData& G, const char* line, int i);

void EndNamespace(GlobalData& G);
// The closing brace of a class body at line[brace].
void EndClass(GlobalData& G, const char* line, int brace);

// A ";" directly in a class body ends a member declaration.
void EndMemberDeclaration(GlobalData& G, const char* line);

// Closes a package or namespace still open at the end of the file.
void CloseScopesAtEndOfFile(GlobalData& G);

// Adds a class's or function's metrics to the namespace record of the
// longest namespace prefix of `qualified_name`. With `count_only` only the
// entity count grows.
void AddToNamespace(GlobalData& G, std::string_view qualified_name,
                    const MetricRecord& metrics, bool is_class, bool count_only);

// As AddToNamespace for the function `f` declared directly in `scope` (a
// class or namespace name) under a name without qualifiers: rolled up into
// the namespace that `scope` or one of its qualifiers names.
void AddFunctionToNamespaceOf(GlobalData& G, const std::string& scope,
                              const MetricRecord& f, bool count_only);

// The class record of a qualified name, created when neither the class nor
// the namespace list knows it (nullptr when only the namespace list does).
ClassRecord* FindOrCreateClass(GlobalData& G, const std::string& name,
                               bool create);
// The class record of a name, or nullptr.
ClassRecord* FindClass(GlobalData& G, const std::string& name);
// A new class record under `name`, which no record has yet.
ClassRecord* CreateClass(GlobalData& G, const std::string& name);

// The file counters a class or function body measures its growth from.
void TakeSnapshot(const GlobalData& G, CounterSnapshot& s);

// The LOC, eLOC, lLOC, comment and blank lines a body added since its
// snapshot, counting the line of its closing brace. `fors` is the number of
// for headers inside it, whose semicolons are no logical lines: a function
// counts them itself, a class takes the file's count since its snapshot.
void MeasureSinceSnapshot(const GlobalData& G, const CounterSnapshot& start,
                          int32_t fors, MetricRecord& r);

// The name of the file being analysed ("" outside a run's file loop).
std::string CurrentFileName(const GlobalData& G);

// The separator of qualified names in the current file's language.
const char* QualifierSeparator(const GlobalData& G);

}  // namespace zav
