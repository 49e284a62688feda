// The project reports' links to the inheritance tree.
#include "quality/inheritance_tree.h"
#include "report/project_reports.h"

namespace zav {

// End of run, before the project reports: the forest is built. It is
// written here only when no project section will write it (a totals-only
// run whose letters ask for the tree's notices but not for the tree, or a
// function-list run, which writes no project sections).
void BuildProjectInheritanceTree(GlobalData& G) {
  const Switches& sw = G.sw;
  const bool in_sections =
      !sw.function_list &&
      (sw.totals_only ? (sw.totals_all || sw.totals_inheritance) : sw.inheritance);
  if (in_sections) {
    BuildInheritanceTree(G);
  } else {
    ReportInheritanceTree(G);
  }
}

// The tree's place in the project sections; written once per run.
void WriteProjectInheritanceTree(GlobalData& G) { WriteInheritanceTree(G); }

}  // namespace zav
