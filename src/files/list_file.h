// List-file input (-F): a plain list of files and directories, or an IDE
// workspace, solution or project converted into one.
#pragma once

#include <string>

#include "files/collector.h"
#include "zav/global_data.h"

namespace zav {

// Opens the -F list for binary reading into G.files.list_file. On failure
// writes the error to the report stream and returns false (the run then
// ends with -1).
bool OpenListFile(GlobalData& G);

// Reads the open list into the collector. A list named *.dsw, *.sln or
// *.dsp (extension compared exactly) is first converted into zavlist.lst,
// which is then read instead when the conversion found any file.
void ReadListFile(FileCollector& collector);

// Replaces %NAME% by the value of the environment variable NAME, pair after
// pair from the left. A line without a complete pair is returned
// unchanged; an unknown variable is reported and leaves the rest of the
// line as it is.
std::string ExpandListLine(GlobalData& G, const std::string& line);

// A directory line: "-r h,cpp /proj/src" (mode, extension list,
// directory). The directory runs to the end of the line and may hold
// blanks; quotation marks around the extension list and directory are
// accepted.
struct DirectoryLine {
  std::string mode;
  std::string extensions;
  std::string directory;
  bool Recursive() const { return mode == "-r" || mode == "-R"; }
};

// Splits a directory line (already trimmed); false when a part is missing.
bool ParseDirectoryLine(const std::string& line, DirectoryLine& parsed);

}  // namespace zav
