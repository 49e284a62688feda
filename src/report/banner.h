// The report banner (document prolog), the mode title and the report end.
#pragma once

#include "zav/global_data.h"

namespace zav {

// The maker's web site shown in the banner's version line.
inline constexpr const char* kMakerSiteName = "www.zavoran.example";
inline constexpr const char* kMakerSiteUrl = "http://www.zavoran.example/";

// Writes the document prolog and banner of the active format, followed by
// what every banner carries after it (differential configuration path,
// report title). Text and HTML honour -xNOHEADER, -xNOCONFIG and
// -xNOCOMMAND; CSV and XML honour only the last two for their lines.
//
// With `syntax_error` the banner is followed by the command-line syntax
// error block (in HTML also the document end); the caller then ends the run
// with exit code 0.
void WriteBanner(GlobalData& G, bool syntax_error = false);

// Defined by the quality subsystem: loads the user-defined notices, when
// quality notices are on, and announces their files. WriteBanner calls it
// after the differential configuration line.
void LoadUdqnsWithBanner(GlobalData& G);

// The CSV or XML document head: the banner of those formats. Writes nothing
// in text and HTML output, whose banner is written at start-up.
void WriteDocumentHead(GlobalData& G);

// The title of the per-file report mode, written once after the banner.
void WriteModeTitle(GlobalData& G);

// The heading of the project reports: text the hyphen rule and "~~ Project
// Analysis For N Files ~~" centred; HTML the rule and "~~ Total Metrics For
// N Files ~~" with N in the total colour; CSV "\nProject,N,Files"; nothing
// in XML.
void WriteProjectBanner(GlobalData& G, int files);

// Closes the report at the end of a run: the HTML and XML document ends and,
// when the report header is active, the header line in every format.
void WriteReportEnd(GlobalData& G);

}  // namespace zav
