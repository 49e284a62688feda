// Ordering of the project lists by the sort key of -k, and the "Sorted By"
// line that names the key under a section title.
#pragma once

#include <vector>

#include "zav/global_data.h"

namespace zav {

// The report label of a sort key ("Name", "LOC", ... "File Size"); empty
// for key 0 and keys outside 1..10.
const char* SortKeyLabel(int key);

// Under a section title, when a key other than 0 is active: text "Sorted
// By: <label> - Ascending" centred; HTML the same in the header colour
// without the colon; CSV the text line; XML `sort_mode` and
// `sort_direction`.
void WriteSortLine(GlobalData& G);

// Orders function, class or namespace records by the active key: 1 by name
// (byte-wise, letter case significant), 2 to 5 by their own LOC, eLOC,
// lLOC or cyclomatic complexity, ascending or descending (-kd). Records
// with equal keys keep their collection order; other keys leave the list
// as collected.
void SortRecords(const GlobalData& G, std::vector<const MetricRecord*>& records);
void SortRecords(const GlobalData& G, std::vector<const StoredFunction*>& records);

// The analysed files of the file set in the order of the file detail list:
// each file in turn is inserted before the first listed file it does not
// sort after (ascending: whose key is not smaller; descending: not
// greater), so equal keys list the later file first. Keys 0 and 6 keep
// the processing order.
std::vector<const FileEntry*> FileDetailOrder(const GlobalData& G);

}  // namespace zav
