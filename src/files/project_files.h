// Converting IDE workspaces, solutions and projects into a plain file list.
#pragma once

#include <string>

#include "zav/global_data.h"

namespace zav {

// The plain list written by a conversion, in the current working directory.
inline constexpr const char* kListingName = "zavlist.lst";

// Each conversion writes kListingName: the absolute paths of the project
// members whose extension is one of `extensions` (compared ignoring letter
// case) and which are not excluded from the build, one per line. It
// returns the number of paths written (0 when nothing was found or an
// error was reported).
//
// Paths inside these files may use "\" (they are written on Windows).
// Projects named by a workspace or solution are taken relative to the
// workspace's or solution's directory, members relative to their
// project's directory.

// A workspace (.dsw) naming .dsp projects.
int ConvertWorkspace(GlobalData& G, const std::string& name,
                     const std::string& extensions);

// A solution (.sln) naming XML (.vcproj) projects.
int ConvertSolution(GlobalData& G, const std::string& name,
                    const std::string& extensions);

// A single .dsp project.
int ConvertDspProject(GlobalData& G, const std::string& name,
                      const std::string& extensions);

}  // namespace zav
