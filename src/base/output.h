// Writing to the report stream.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "zav/global_data.h"

namespace zav {

// Makes the file `path`, opened for binary writing (never through a
// symbolic link at that name), the report stream (-O).
// When it cannot be opened the report stream returns to standard output and
// false comes back, errno telling why. A file opened before is closed.
bool OpenReportFile(GlobalData& G, const std::string& path);

// Flushes the report stream at the end of the run and closes it when it is
// a file opened by OpenReportFile; the stream is standard output afterwards.
// A failed write or close of the file is reported on standard error and
// sets G.report.write_failed (the run then exits with 1).
void CloseReportStream(GlobalData& G);

// Leaves the report file, before anything is written to it, without a
// buffer of the C library: the JSON and SARIF documents are built in large
// pieces by their own writers, which a buffer would only copy again.
void UnbufferReportFile(GlobalData& G);

// printf to the report stream.
void Print(GlobalData& G, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// Writes text unchanged to the report stream.
void PutText(GlobalData& G, std::string_view text);

// Writes the pieces joined as one text, as PutText would: for the labelled
// lines written for every function and class, where a printf format would
// be taken apart again each time. A piece made from a C string ends at its
// first NUL, as "%s" would end it.
void PutJoined(GlobalData& G, std::initializer_list<std::string_view> pieces);

}  // namespace zav
