// Per-file report sections: the file header, the file's summaries, the
// end-of-file marker and the XML file enclosure, and the step of the run
// that writes them when a file has been analysed.
#pragma once

#include <cstdint>
#include <string>

#include "zav/global_data.h"

namespace zav {

// The file header. Long form: the file's name (wrapped 66/8), then its date
// and size when the time is positive and "show file date and size" is Yes;
// a row named "Total" or "Average" with time 0 is a pseudo-file and shows
// its byte count instead. Short form (`short_form`, used by lists and by
// totals-only runs): the date, then the name (wrapped 72/2); suppressed
// under -TN. In text and HTML, per-file detail mode closes the long form
// with the underscore rule unless `no_rule` is given.
void WriteFileHeader(GlobalData& G, const std::string& name, int64_t time,
                     int64_t size, bool short_form = false,
                     bool no_rule = false);

// "Total File Summary" of the file in G.file (project false), or "Total
// Project Summary" (project true) with, when `averages` is given, the
// average-per-file line over the files processed (text and HTML).
void WriteFileSummary(GlobalData& G, bool project, bool averages = false);

// "File Functional Summary": the function totals, maxima and averages of
// the file (the func_* fields of G.file). Writes nothing when the file has
// no function.
void WriteFileFunctionalSummary(GlobalData& G);

// "Memory Allocation/De-allocation Summary" of the file (or of the project
// once its totals are loaded into G.file). Writes nothing when the alloc,
// free, new and delete counts are all 0.
void WriteMemorySummary(GlobalData& G);

// "File Keywords and Metrics" (project false) or "Project Keywords and
// Metrics" (project true).
void WriteKeywordMetrics(GlobalData& G, bool project);

// The end-of-file marker, written in per-file detail mode outside
// totals-only runs: text and HTML the underscore rule and "End of File:",
// CSV "File End". XML writes nothing (the file is enclosed instead).
void WriteEndOfFile(GlobalData& G, const std::string& name);

// Whether the run writes XML file elements: XML output with file names on.
bool XmlFileElements(const GlobalData& G);

// "<file>" before a file's output, and its LOC and function-point elements
// (unless -Rl) and "</file>" after it; both only when XmlFileElements.
void WriteXmlFileOpen(GlobalData& G);
void WriteXmlFileClose(GlobalData& G);

// The per-file output of the end of a file, once its metrics and function
// points are stored: in the automated CSV mode the file's CSV function rows
// and its file row; otherwise the file's report sections (summary,
// functional summary, memory, verbose) and the end-of-file marker.
void WritePerFileOutput(GlobalData& G, const FileEntry& entry);

}  // namespace zav
