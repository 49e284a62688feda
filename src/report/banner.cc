#include "report/banner.h"

namespace zav {

// The report framework is not built yet; these write nothing.
void WriteBanner(GlobalData& G) {}
void WriteDocumentHead(GlobalData& G) {}
void WriteModeTitle(GlobalData& G) {}
void WriteReportEnd(GlobalData& G) {}

}  // namespace zav
