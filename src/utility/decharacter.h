// De-character (-Dt, -Du, -Dd): rewrites source files in place, tabs
// replaced by blanks and line ends converted between CR LF and LF.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "zav/global_data.h"

namespace zav {

// Rewrites the file through a temporary file beside it ("<name>.tmp"),
// which replaces the source in one rename, with the source's permission
// bits. Returns 1 when the source was rewritten, 0 otherwise; on every
// failure the source keeps its content. `file` is closed in every case.
int DecharacterFile(GlobalData& G, FILE* file, const FileEntry& entry);

// Tab expansion state carried from line to line of one file.
struct TabExpansion {
  bool in_string = false;
  int tabs_replaced = 0;
};

// Appends `line` to `out` with every tab outside a string replaced by
// `tab_width` blanks. A double quote toggles the in-string flag unless the
// character before it is a backslash that is not itself preceded by a
// backslash.
void ExpandTabs(std::string_view line, int tab_width, TabExpansion& state,
                std::string& out);

}  // namespace zav
