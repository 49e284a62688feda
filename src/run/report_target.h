// Guarding the user's files from the report file (-O).
#pragma once

#include <string>

#include "zav/global_data.h"

namespace zav {

// True when the report file `name` is an existing file with an analysable
// source extension, or the same file as one of the run's input files (a
// file argument or the -F list), so that writing it would destroy it. This
// catches `-O"$UNSET" a.c`, where the shell hands -O the source as its value.
bool ReportWouldOverwriteSource(const GlobalData& G, const std::string& name);

}  // namespace zav
