// Building the inheritance forest from the run's class list.
//
// The forest is worked out from the whole set of classes at once, so it is
// the same whatever order the classes were found in:
//
//   1. The classes are taken in name order; a name seen a second time is
//      reported as a duplicate and skipped, and names ending in ":" or "."
//      are left out.
//   2. Each parent name of a class is resolved against the classes of the
//      run (see ResolveParent). A class without inheritance text is a
//      root. A parent that names no class of the run makes a lost entry
//      ("Parents Not Found").
//   3. Inheritance cycles (class A : B, class B : A) are broken: the
//      classes are searched depth first along their parents, in name
//      order, and a parent that leads back to a class still being searched
//      is treated as not found. Such a cycle cannot reach a base class, so
//      its classes are listed with the lost ones instead of hanging the
//      build.
//   4. Every class hangs under each parent that was resolved: a class with
//      several parents has a place under each of them.
//
// Classes that no root reaches (all their lines of descent end in a lost
// parent) keep their children; the report lists them with their lost
// entry.
#include "quality/inheritance_tree.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

#include "base/keywords.h"
#include "base/line_text.h"
#include "report/framework.h"
#include "base/output.h"
#include "base/text_util.h"

namespace zav {
namespace {

using NodeIndex = std::unordered_map<std::string, int>;

bool LeftOut(const std::string& name) {
  return name.empty() || name.back() == ':' || name.back() == '.';
}

std::string Trimmed(std::string text) {
  LeftTrim(text);
  RightTrim(text);
  return text;
}

// "virtual Base" names Base: a virtual base is looked up by its name.
std::string WithoutVirtual(std::string name) {
  static constexpr std::string_view kVirtual = "virtual";
  while (name.compare(0, kVirtual.size(), kVirtual) == 0 &&
         name.size() > kVirtual.size() &&
         IsBlank(name[kVirtual.size()])) {
    name = Trimmed(name.substr(kVirtual.size()));
  }
  return name;
}

// The qualifiers of a class name, innermost first: "a::b::C" gives "a::b::"
// and "a::"; "p.q.C" gives "p.q." and "p.".
std::vector<std::string> Qualifiers(const std::string& name) {
  std::vector<std::string> out;
  size_t end = name.size();
  while (end > 0) {
    const size_t colon = name.rfind(':', end - 1);
    const size_t dot = name.rfind('.', end - 1);
    size_t sep = colon;
    if (sep == std::string::npos || (dot != std::string::npos && dot > sep)) sep = dot;
    if (sep == std::string::npos) break;
    out.push_back(name.substr(0, sep + 1));
    size_t before = sep;
    if (name[sep] == ':') {
      while (before > 0 && name[before - 1] == ':') --before;
    }
    end = before;
  }
  return out;
}

// Looks a parent name up among the classes of the run, seen from the
// class `child`:
//   - "::X" names the global X;
//   - otherwise the name is tried in the class's own qualifier, then in
//     each enclosing one outwards (as a C++ or Java compiler would look it
//     up from inside the class), then as "::" + name, then as written.
// A class never resolves to itself. Returns the node or -1.
int ResolveName(const NodeIndex& index, const std::string& child,
                const std::string& name) {
  std::vector<std::string> candidates;
  if (name.compare(0, 2, "::") == 0) {
    candidates.push_back(name.substr(2));
  } else {
    for (const std::string& q : Qualifiers(child)) candidates.push_back(q + name);
    candidates.push_back("::" + name);
  }
  candidates.push_back(name);
  for (const std::string& candidate : candidates) {
    if (candidate == child) continue;
    auto it = index.find(candidate);
    if (it != index.end()) return it->second;
  }
  return -1;
}

// A parent with template arguments ("Base<int>") that is not itself a
// class of the run is looked up by its template's name ("Base").
int ResolveParent(const NodeIndex& index, const std::string& child,
                  const std::string& parent) {
  int found = ResolveName(index, child, parent);
  const size_t angle = parent.find('<');
  if (found < 0 && angle != std::string::npos && angle > 0) {
    found = ResolveName(index, child, Trimmed(parent.substr(0, angle)));
  }
  return found;
}

void WriteDuplicateRoot(GlobalData& G, const ClassRecord& record) {
  const char* format = "  Error: Duplicate Root Node: %s - Inheritance %s\n";
  switch (Fmt(G)) {
    case ReportFormat::kHtml:
      Print(G, format, HtmlEscape(record.name).c_str(),
            HtmlEscape(record.inheritance).c_str());
      break;
    case ReportFormat::kXml:
      Print(G, format, XmlEscape(record.name).c_str(),
            XmlEscape(record.inheritance).c_str());
      break;
    default:
      Print(G, format, record.name.c_str(), record.inheritance.c_str());
      break;
  }
}

// The classes of the forest in name order; duplicates are reported.
std::vector<const ClassRecord*> SortedClasses(GlobalData& G) {
  std::vector<const ClassRecord*> sorted;
  for (const ClassRecord& record : G.lists.classes) {
    if (!LeftOut(record.name)) sorted.push_back(&record);
  }
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const ClassRecord* a, const ClassRecord* b) { return a->name < b->name; });
  std::vector<const ClassRecord*> unique;
  for (const ClassRecord* record : sorted) {
    if (!unique.empty() && unique.back()->name == record->name) {
      WriteDuplicateRoot(G, *record);
      continue;
    }
    unique.push_back(record);
  }
  return unique;
}

// Parent edges of each node (-1 for none), with the lost entries of the
// names that resolve to no class.
struct ParentEdges {
  std::vector<std::vector<int>> of;
  std::vector<bool> has_parent_names;
};

ParentEdges ResolveAllParents(const std::vector<const ClassRecord*>& classes,
                              const NodeIndex& index, InheritanceForest& forest) {
  ParentEdges edges;
  edges.of.resize(classes.size());
  edges.has_parent_names.resize(classes.size(), false);
  for (size_t i = 0; i < classes.size(); ++i) {
    const ClassRecord& record = *classes[i];
    const std::vector<std::string> parents = SplitParents(record.inheritance);
    forest.nodes[i].parents = static_cast<int>(parents.size());
    for (const std::string& written : parents) {
      const std::string parent = WithoutVirtual(written);
      if (parent.empty()) continue;
      edges.has_parent_names[i] = true;
      const int found = ResolveParent(index, record.name, parent);
      if (found < 0) {
        forest.lost.push_back(LostChild{static_cast<int>(i), parent});
      } else if (std::find(edges.of[i].begin(), edges.of[i].end(), found) ==
                 edges.of[i].end()) {
        edges.of[i].push_back(found);
      }
    }
  }
  return edges;
}

// Depth-first search along the parent edges, classes in name order; an
// edge back to a class still on the search path closes a cycle and is
// dropped (its parent is listed as not found). Uses its own stack, so a
// chain of any length is fine.
void BreakCycles(ParentEdges& edges, InheritanceForest& forest) {
  enum : char { kNew, kOnPath, kDone };
  const size_t n = edges.of.size();
  std::vector<char> state(n, kNew);
  std::vector<std::pair<int, size_t>> path;  // node, next parent edge
  for (size_t start = 0; start < n; ++start) {
    if (state[start] != kNew) continue;
    state[start] = kOnPath;
    path.emplace_back(static_cast<int>(start), 0);
    while (!path.empty()) {
      const int node = path.back().first;
      const size_t next = path.back().second;
      std::vector<int>& parents = edges.of[node];
      if (next >= parents.size()) {
        state[node] = kDone;
        path.pop_back();
        continue;
      }
      ++path.back().second;
      const int parent = parents[next];
      if (parent < 0) continue;
      if (state[parent] == kOnPath) {
        forest.lost.push_back(LostChild{node, forest.nodes[parent].name});
        parents[next] = -1;
      } else if (state[parent] == kNew) {
        state[parent] = kOnPath;
        path.emplace_back(parent, 0);
      }
    }
  }
}

// Marks the classes a root reaches.
void MarkTree(InheritanceForest& forest) {
  std::vector<int> pending(forest.roots.rbegin(), forest.roots.rend());
  while (!pending.empty()) {
    const int node = pending.back();
    pending.pop_back();
    if (forest.nodes[node].in_tree) continue;
    forest.nodes[node].in_tree = true;
    for (int child : forest.nodes[node].children) pending.push_back(child);
  }
}

void SortLost(InheritanceForest& forest) {
  auto key = [](const LostChild& l) { return std::tie(l.node, l.parent); };
  std::sort(forest.lost.begin(), forest.lost.end(),
            [&](const LostChild& a, const LostChild& b) { return key(a) < key(b); });
  forest.lost.erase(
      std::unique(forest.lost.begin(), forest.lost.end(),
                  [&](const LostChild& a, const LostChild& b) { return key(a) == key(b); }),
      forest.lost.end());
}

}  // namespace

std::vector<std::string> SplitParents(const std::string& inheritance) {
  std::vector<std::string> parents;
  if (Trimmed(inheritance).empty()) return parents;
  int angle = 0;
  std::string piece;
  for (char c : inheritance) {
    if (c == '<') ++angle;
    if (c == '>' && angle > 0) --angle;
    if (c == ',' && angle == 0) {
      parents.push_back(Trimmed(piece));
      piece.clear();
      continue;
    }
    piece.push_back(c);
  }
  parents.push_back(Trimmed(piece));
  return parents;
}

void BuildInheritanceTree(GlobalData& G) {
  InheritanceState& state = G.inheritance;
  if (state.built) return;
  state.built = true;
  InheritanceForest& forest = state.forest;
  forest = InheritanceForest{};

  const std::vector<const ClassRecord*> classes = SortedClasses(G);
  NodeIndex index;
  forest.nodes.resize(classes.size());
  for (size_t i = 0; i < classes.size(); ++i) {
    InheritanceNode& node = forest.nodes[i];
    node.name = classes[i]->name;
    node.file_name = classes[i]->file_name;
    node.line = classes[i]->line;
    index.emplace(node.name, static_cast<int>(i));
  }

  ParentEdges edges = ResolveAllParents(classes, index, forest);
  BreakCycles(edges, forest);
  for (size_t i = 0; i < classes.size(); ++i) {
    if (!edges.has_parent_names[i]) {
      forest.roots.push_back(static_cast<int>(i));
      continue;
    }
    // Children are added in name order, so every child list is sorted.
    for (int parent : edges.of[i]) {
      if (parent < 0) continue;
      forest.nodes[parent].children.push_back(static_cast<int>(i));
      ++forest.nodes[i].placed_under;
    }
  }
  MarkTree(forest);
  SortLost(forest);
}

void ReportInheritanceTree(GlobalData& G) {
  if (!G.sw.inheritance && !G.sw.totals_all) return;
  WriteInheritanceTree(G);
}

}  // namespace zav
