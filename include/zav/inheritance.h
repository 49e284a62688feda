// The class inheritance forest and its totals.
//
// Owned by src/quality/ (inheritance_tree.cc builds the forest from the
// class list after the last file and walks it once per run). The project
// reports read the totals.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zav {

// Figures of the inheritance tree, gathered while it is walked: one count
// per line of the tree (a class with several parents is counted under each
// of them).
struct InheritanceTotals {
  int classes = 0;          // nodes of the tree
  int base_classes = 0;     // depth 0
  int derived_classes = 0;  // depth above 0
  int depth_sum = 0;
  int max_depth = 0;
  int children_sum = 0;
  int max_children = 0;

  double DerivedToBaseRatio() const {
    return base_classes == 0 ? 0.0 : static_cast<double>(derived_classes) / base_classes;
  }
  double AverageDepth() const {
    return classes == 0 ? 0.0 : static_cast<double>(depth_sum) / classes;
  }
  double AverageChildren() const {
    return classes == 0 ? 0.0 : static_cast<double>(children_sum) / classes;
  }
};

// One class of the forest. A class appears once here however many parents
// it has; the tree writer places it under each of them.
struct InheritanceNode {
  std::string name;
  std::string file_name;
  int32_t line = 0;
  int parents = 0;            // 1 + commas of its inheritance text outside "<...>"
  std::vector<int> children;  // node positions, ordered by name
  int placed_under = 0;       // parents of the forest it hangs under
  bool in_tree = false;       // reachable from a root
};

// A class and a parent name that names no class of the run (or closes an
// inheritance cycle, see inheritance_tree.cc).
struct LostChild {
  int node = 0;
  std::string parent;
};

struct InheritanceForest {
  std::vector<InheritanceNode> nodes;  // ordered by name
  std::vector<int> roots;              // classes without inheritance, by name
  std::vector<LostChild> lost;         // by class name, then parent name
};

struct InheritanceState {
  bool built = false;     // the forest was built from the class list
  bool reported = false;  // the tree was written (or walked) this run
  InheritanceForest forest;
  InheritanceTotals totals;
};

}  // namespace zav
