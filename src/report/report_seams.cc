// Stand-ins for subsystems that are connected to the project reports
// later: the inheritance tree and the user-defined quality notices. They
// are weak, so a definition elsewhere in the program takes their place.
#include "report/project_reports.h"

namespace zav {

__attribute__((weak)) void BuildProjectInheritanceTree(GlobalData& G) {}

__attribute__((weak)) void WriteProjectInheritanceTree(GlobalData& G) {}

__attribute__((weak)) int UdqnNoticeTotal(GlobalData& G) { return 0; }

__attribute__((weak)) void WriteUdqnProfileRows(GlobalData& G, int total) {}

}  // namespace zav
