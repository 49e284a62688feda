// Class lists made by hand for the inheritance tree tests.
#pragma once

#include <string>

#include "zav/global_data.h"

namespace zav::test {

// Appends a class record as the scope model would have made it.
inline void AddClass(GlobalData& G, const std::string& name,
                     const std::string& inheritance = "", int line = 1,
                     const std::string& file = "f.cpp") {
  ClassRecord r;
  r.kind = RecordKind::kClass;
  r.name = name;
  r.inheritance = inheritance;
  r.file_name = file;
  r.line = line;
  G.lists.class_index.emplace(name, G.lists.classes.size());
  G.lists.classes.push_back(r);
}

// The forest in a few words: "roots A B; A > C D; B > D; lost E<X" lists
// the roots, each class that has children with them, and the lost entries
// as class<parent.
inline std::string Shape(const InheritanceForest& f) {
  std::string out = "roots";
  for (int r : f.roots) out += " " + f.nodes[r].name;
  for (const InheritanceNode& n : f.nodes) {
    if (n.children.empty()) continue;
    out += "; " + n.name + " >";
    for (int c : n.children) out += " " + f.nodes[c].name;
  }
  if (!f.lost.empty()) {
    out += "; lost";
    for (const LostChild& l : f.lost) out += " " + f.nodes[l.node].name + "<" + l.parent;
  }
  return out;
}

}  // namespace zav::test
