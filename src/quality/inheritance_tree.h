// The class inheritance tree: the forest of the run's classes arranged by
// their inheritance texts, its report, and notices 40 (depth) and 41
// (number of children).
#pragma once

#include <string>
#include <vector>

#include "zav/global_data.h"

namespace zav {

// End of run: when the inheritance tree was asked for (-i, -Ta, -Ti, -Tp,
// -Tq), builds the forest and writes the tree report. Only the first call
// of a run does anything, so the project reports may call it again in
// their section order.
void ReportInheritanceTree(GlobalData& G);

// Builds the forest in G.inheritance from the class list. The result
// depends only on the set of classes, not on their order in the list.
// A second call does nothing.
void BuildInheritanceTree(GlobalData& G);

// Writes the tree report in the active format, computing the totals and
// raising notices 40 and 41 as each class is written. Under -Tp (without
// -Ti or -Ta) the tree is walked for the totals and notices but nothing is
// written. Builds the forest first when needed; only the first call of a
// run does anything. Nothing is written when the class list or the root
// list is empty.
void WriteInheritanceTree(GlobalData& G);

// The parent names of an inheritance text: the text split at the commas
// that are not inside "<...>", each piece trimmed ("A, T<int, long>" gives
// "A" and "T<int, long>").
std::vector<std::string> SplitParents(const std::string& inheritance);

}  // namespace zav
