// Work files and differential files: naming and writing.
//
// A work file is the baseline of one run: six header lines and one record
// per analysed file. With code differentials (-wd) every source file also
// gets a binary differential file of 13-byte line records in a directory
// beside the work file. Both are written under a temporary name and renamed
// when complete, so an interrupted run never leaves a truncated baseline.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "zav/global_data.h"

namespace zav {

// The work file's path: the configured name, or for the default
// "workfile.dat" the daily name "WorkFile_MMDDCCYY.dat" (in the "work file
// location path" when that is set), for the local time `now`.
std::string WorkFileName(const GlobalData& G, int64_t now);

// The path stored in a record: relative to the baseline top directory (or
// the current directory for a top directory of ".") when "relative work
// files" is Yes.
std::string StoredSourcePath(const GlobalData& G, const std::string& path);

// The name of a source file's differential file inside the differential
// directory, without the directory and the ".dif" extension.
std::string DifferentialFileName(const GlobalData& G, const std::string& path);

// The line fingerprint: over the characters above 31 and below 128 and the
// vertical tab (blanks and tabs left out when `ignore_white_space`), the
// sum of code / position.
double LineFingerprint(std::string_view line, bool ignore_white_space);

// The 13-byte differential record: line number and fingerprint
// little-endian around the type letter.
void EncodeLineRecord(int32_t line_number, char type, double fingerprint,
                      unsigned char out[13]);

// Opens the work file (creation switch given) and sets up the per-line hook
// of differential files and the deterministic listing. Returns false when
// the run must end with exit code 1 (the differential directory cannot be
// created).
bool StartBaselineRun(GlobalData& G);

// Writes the record of the file just analysed, when a work file is open.
void WriteWorkRecord(GlobalData& G, const FileEntry& entry);

// Opens / completes the current source file's differential file (-wd).
void OpenDifferentialFile(GlobalData& G, const std::string& source_path);
void CloseDifferentialFile(GlobalData& G);

// Closes the work file, renames it to its name and reports it.
void CompleteWorkFile(GlobalData& G);

// Drops a work file that a run ending early (-Rl) never filled: the
// temporary file goes, the earlier baseline of that name stays.
void AbandonWorkFile(GlobalData& G);

}  // namespace zav
