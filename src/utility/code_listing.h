// Code listing (-p): each input file printed as a paginated listing with
// numbered lines, a centred title and a header on every page.
#pragma once

#include <cstdio>

#include "zav/global_data.h"

namespace zav {

// Before the first file: in HTML output the minimal document head (HTML
// turns page breaks off for the run); then the page layout. A page header
// longer than the line length writes an error and returns false: the run
// ends with exit code 1.
bool BeginCodeListing(GlobalData& G);

// Lists one open file. The caller closes it.
void ListFile(GlobalData& G, FILE* file, const FileEntry& entry);

}  // namespace zav
