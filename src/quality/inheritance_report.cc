// The inheritance tree report: each root and, depth first in name order,
// its descendants, then the totals and the classes whose parents were not
// found. Notices 40 (too deep) and 41 (too many children) are raised as the
// classes are walked.
//
// The classes that no root reaches are listed under their lost entry, with
// their descendants, so that every class of the run shows somewhere. Such
// a class is taken to lie at depth 1 (below its missing base); these lines
// add nothing to the totals, but their classes are checked for notices 40
// and 41 like the others. A class placed more than once (several parents)
// raises each notice at most once.
#include <string>
#include <vector>

#include "quality/inheritance_tree.h"
#include "quality/notices.h"
#include "base/csv_field.h"
#include "report/framework.h"
#include "base/output.h"
#include "base/text_util.h"
#include "zav/notice_numbers.h"

namespace zav {
namespace {

// Depth of a class whose parents were all lost: its missing base is 0.
constexpr int kLostClassDepth = 1;

struct TreeWalk {
  GlobalData& G;
  const InheritanceForest& forest;
  bool writing = true;
  std::vector<char> raised_depth;
  std::vector<char> raised_children;
};

bool Html(const GlobalData& G) { return Fmt(G) == ReportFormat::kHtml; }

std::string NameText(const GlobalData& G, const std::string& name) {
  switch (Fmt(G)) {
    case ReportFormat::kHtml: return HtmlEscape(name);
    case ReportFormat::kXml: return XmlEscape(name);
    default: return name;
  }
}

// `text` in a font of the colour `id`; unchanged when the colour is blank.
std::string Colored(const GlobalData& G, ColorId id, const std::string& text) {
  const char* color = Color(G, id);
  if (color[0] == '\0') return text;
  return std::string("<font color=\"") + color + "\">" + text + "</font>";
}

// "D1.C2" (HTML: each figure in its colour).
std::string Figures(const GlobalData& G, int depth, int children) {
  const std::string d = "D" + std::to_string(depth);
  const std::string c = "C" + std::to_string(children);
  if (!Html(G)) return d + "." + c;
  return Colored(G, kColorInheritanceDepth, d) + "." +
         Colored(G, kColorInheritanceChild, c);
}

void WriteRootLine(GlobalData& G, const InheritanceNode& node) {
  const int children = static_cast<int>(node.children.size());
  const std::string name = NameText(G, node.name);
  switch (Fmt(G)) {
    case ReportFormat::kText:
      Print(G, "\n  + %s [%s]\n", name.c_str(), Figures(G, 0, children).c_str());
      break;
    case ReportFormat::kHtml:
      Print(G, "\n  + <b>%s</b> [%s]\n", name.c_str(), Figures(G, 0, children).c_str());
      break;
    case ReportFormat::kCsv:
      Print(G, "\n%s,[%s]\n", CsvField("'+ " + name).c_str(),
            Figures(G, 0, children).c_str());
      break;
    case ReportFormat::kXml:
      Print(G, "<class>\n<name>%s</name>\n<depth>0</depth>\n<children>%d</children>\n</class>\n",
            name.c_str(), children);
      break;
  }
}

void WriteDescendantLine(GlobalData& G, const InheritanceNode& node, int depth) {
  const int children = static_cast<int>(node.children.size());
  const std::string name = NameText(G, node.name);
  const std::string figures = Figures(G, depth, children);
  switch (Fmt(G)) {
    case ReportFormat::kText:
    case ReportFormat::kHtml:
      Print(G, "%s- %s [%s.P%d]\n", std::string(2 + 2 * depth, ' ').c_str(),
            name.c_str(), figures.c_str(), node.parents);
      break;
    case ReportFormat::kCsv:
      Print(G, "%s%s,[%s.P%d]\n", std::string(depth, ',').c_str(),
            CsvField("- " + name).c_str(),
            figures.c_str(), node.parents);
      break;
    case ReportFormat::kXml:
      Print(G,
            "<class>\n<name>%s</name>\n<depth>%d</depth>\n<children>%d</children>\n"
            "<parent>%d</parent>\n</class>\n",
            name.c_str(), depth, children, node.parents);
      break;
  }
}

// Raises a notice for a class of another file than the one analysed last.
void RaiseClassNotice(GlobalData& G, int number, const InheritanceNode& node, int limit) {
  NoticeArgs args;
  args.file_name = node.file_name.c_str();
  args.class_name = node.name.c_str();
  args.ints[0] = limit;
  RaiseRunNotice(G, number, node.line, args);
}

void CheckLimits(TreeWalk& w, int index, int depth) {
  const InheritanceNode& node = w.forest.nodes[index];
  const Settings& s = w.G.settings;
  if (depth > s.max_inheritance_depth && !w.raised_depth[index]) {
    w.raised_depth[index] = 1;
    RaiseClassNotice(w.G, kNoticeInheritanceDepth, node, s.max_inheritance_depth);
  }
  const int children = static_cast<int>(node.children.size());
  if (children > s.max_derived_children && !w.raised_children[index]) {
    w.raised_children[index] = 1;
    RaiseClassNotice(w.G, kNoticeDerivedClasses, node, s.max_derived_children);
  }
}

void AddToTotals(InheritanceTotals& t, const InheritanceNode& node, int depth) {
  const int children = static_cast<int>(node.children.size());
  ++t.classes;
  if (depth == 0) {
    ++t.base_classes;
  } else {
    ++t.derived_classes;
  }
  t.depth_sum += depth;
  if (depth > t.max_depth) t.max_depth = depth;
  t.children_sum += children;
  if (children > t.max_children) t.max_children = children;
}

// Writes (or only walks) the descendants of `top`, which lies at depth
// `top_depth`, depth first in name order. The walk keeps its own stack, so
// chains of any length are fine.
void WalkDescendants(TreeWalk& w, int top, int top_depth, bool count) {
  struct Frame {
    int node;
    size_t next_child;
  };
  std::vector<Frame> stack{{top, 0}};
  while (!stack.empty()) {
    Frame& frame = stack.back();
    const std::vector<int>& children = w.forest.nodes[frame.node].children;
    if (frame.next_child >= children.size()) {
      stack.pop_back();
      continue;
    }
    const int child = children[frame.next_child++];
    const int depth = top_depth + static_cast<int>(stack.size());
    const InheritanceNode& node = w.forest.nodes[child];
    if (count) AddToTotals(w.G.inheritance.totals, node, depth);
    if (w.writing) WriteDescendantLine(w.G, node, depth);
    CheckLimits(w, child, depth);
    stack.push_back({child, 0});
  }
}

void WriteLegend(GlobalData& G) {
  switch (Fmt(G)) {
    case ReportFormat::kText:
      PutText(G,
              "\n  D - Depth where base class depth = 0\n"
              "  C - Number of direct child classes\n"
              "  P - Number of direct parents, Multiple Inheritance > 1\n");
      break;
    case ReportFormat::kHtml:
      Print(G,
            "\n  %s - Depth where base class depth = 0\n"
            "  %s - Number of direct child classes\n"
            "  P - Number of direct parents, Multiple Inheritance &gt; 1\n",
            Colored(G, kColorInheritanceDepth, "D").c_str(),
            Colored(G, kColorInheritanceChild, "C").c_str());
      break;
    case ReportFormat::kCsv:
      PutText(G,
              "\nD - Depth where base class depth = 0\n"
              "C - Number of direct child classes\n"
              "P - Number of direct parents, Multiple Inheritance > 1\n");
      break;
    case ReportFormat::kXml:
      PutText(G,
              "<legend>\n"
              "<depth>D - Depth where base class depth = 0</depth>\n"
              "<children>C - Number of direct child classes</children>\n"
              "<parents>P - Number of direct parents, Multiple Inheritance &gt; 1</parents>\n"
              "</legend>\n");
      break;
  }
}

void WriteTitle(GlobalData& G) {
  if (Fmt(G) == ReportFormat::kCsv) {
    PutText(G, "\nClass Inheritance Tree\n");
  } else {
    WriteSectionTitle(G, "~~ Class Inheritance Tree ~~", "Class Inheritance Tree");
  }
}

void WriteTotals(GlobalData& G, const InheritanceTotals& t) {
  switch (Fmt(G)) {
    case ReportFormat::kText:
    case ReportFormat::kHtml:
      Print(G, "%s %d\n", Label(G, "  Total Classes        :").c_str(), t.classes);
      Print(G, "%s %d\n", Label(G, "  Total Base Classes   :").c_str(), t.base_classes);
      Print(G, "%s %d\n", Label(G, "  Total Derived Classes:").c_str(), t.derived_classes);
      Print(G, "%s %-6.2f\n", Label(G, "  Derived/Based Ratio  :").c_str(),
            t.DerivedToBaseRatio());
      PutText(G, "\n");
      Print(G, "%s %d\n", Label(G, "  Maximum Depth of Inheritance:").c_str(), t.max_depth);
      Print(G, "%s %-6.2f\n", Label(G, "  Average Depth of Inheritance:").c_str(),
            t.AverageDepth());
      PutText(G, "\n");
      Print(G, "%s %d\n", Label(G, "  Maximum Number of Direct Child Classes:").c_str(),
            t.max_children);
      Print(G, "%s %-6.2f\n", Label(G, "  Average Number of Direct Child Classes:").c_str(),
            t.AverageChildren());
      break;
    case ReportFormat::kCsv:
      Print(G, "Total Classes,%d\n", t.classes);
      Print(G, "Total Base Classes,%d\n", t.base_classes);
      Print(G, "Total Derived Classes,%d\n", t.derived_classes);
      Print(G, "Derived/Based Ratio,%-6.2f\n", t.DerivedToBaseRatio());
      Print(G, "Maximum Depth of Inheritance,%d\n", t.max_depth);
      Print(G, "Average Depth of Inheritance,%-6.2f\n", t.AverageDepth());
      Print(G, "Maximum Number of Direct Child Classes,%d\n", t.max_children);
      Print(G, "Average Number of Direct Child Classes,%-6.2f\n", t.AverageChildren());
      break;
    case ReportFormat::kXml:
      Print(G,
            "<totals>\n<classes>%d</classes>\n<base_classes>%d</base_classes>\n"
            "<derived_classes>%d</derived_classes>\n"
            "<derived_to_base_ratio>%.2f</derived_to_base_ratio>\n"
            "<max_depth_inheritance_tree>%d</max_depth_inheritance_tree>\n"
            "<avg_depth_inheritance_tree>%.2f</avg_depth_inheritance_tree>\n"
            "<max_number_direct_children>%d</max_number_direct_children>\n"
            "<avg_number_direct_children>%.2f</avg_number_direct_children>\n</totals>\n",
            t.classes, t.base_classes, t.derived_classes, t.DerivedToBaseRatio(),
            t.max_depth, t.AverageDepth(), t.max_children, t.AverageChildren());
      break;
  }
}

void WriteLostEntry(GlobalData& G, const InheritanceNode& node, const std::string& parent) {
  const std::string name = NameText(G, node.name);
  const std::string parent_name = NameText(G, parent);
  switch (Fmt(G)) {
    case ReportFormat::kText:
      Print(G, "  Lost Child Node: %s  Parent: %s\n", name.c_str(), parent_name.c_str());
      break;
    case ReportFormat::kHtml:
      Print(G, "  <b>Lost Child Node</b>: %s  <b>Parent</b>: %s\n", name.c_str(),
            parent_name.c_str());
      break;
    case ReportFormat::kCsv:
      Print(G, "Lost Child Node,%s,parent,%s\n", CsvField(name).c_str(),
            CsvField(parent_name).c_str());
      break;
    case ReportFormat::kXml:
      Print(G, "<lost_child_node>\n<name>%s</name>\n<parent>%s</parent>\n", name.c_str(),
            parent_name.c_str());
      break;
  }
}

// The lost entries; under the first entry of a class that hangs under no
// class of the forest, its descendants.
void WriteLostSection(TreeWalk& w) {
  GlobalData& G = w.G;
  const InheritanceForest& forest = w.forest;
  const bool xml = Fmt(G) == ReportFormat::kXml;
  if (w.writing) {
    if (xml) {
      PutText(G, "<parents_not_found_tree>\n");
    } else {
      WriteSectionTitle(G, "~~ Parents Not Found - Inheritance Tree ~~",
                        "Parents Not Found - Inheritance Tree");
    }
  }
  int previous = -1;
  for (const LostChild& lost : forest.lost) {
    const InheritanceNode& node = forest.nodes[lost.node];
    if (w.writing) WriteLostEntry(G, node, lost.parent);
    const bool detached_top = lost.node != previous && !node.in_tree && node.placed_under == 0;
    previous = lost.node;
    if (detached_top) {
      CheckLimits(w, lost.node, kLostClassDepth);
      WalkDescendants(w, lost.node, kLostClassDepth, false);
    }
    if (w.writing && xml) PutText(G, "</lost_child_node>\n");
  }
  if (w.writing && xml) PutText(G, "</parents_not_found_tree>\n");
}

// Under -Tp the tree only feeds the quality profile, unless the tree
// itself was asked for as well.
bool TreeWritten(const GlobalData& G) {
  return !G.sw.totals_profile || G.sw.totals_inheritance || G.sw.totals_all;
}

void WalkTree(TreeWalk& w) {
  GlobalData& G = w.G;
  const bool xml = Fmt(G) == ReportFormat::kXml;
  if (w.writing) {
    WriteTitle(G);
    WriteLegend(G);
    if (xml) PutText(G, "<inheritance_tree>\n");
  }
  for (int root : w.forest.roots) {
    const InheritanceNode& node = w.forest.nodes[root];
    AddToTotals(G.inheritance.totals, node, 0);
    if (w.writing) WriteRootLine(G, node);
    CheckLimits(w, root, 0);
    WalkDescendants(w, root, 0, true);
  }
  if (w.writing) {
    if (xml) PutText(G, "</inheritance_tree>\n");
    WriteTotals(G, G.inheritance.totals);
  }
  if (!w.forest.lost.empty()) WriteLostSection(w);
  if (w.writing) WriteSectionEnd(G);
}

}  // namespace

void WriteInheritanceTree(GlobalData& G) {
  InheritanceState& state = G.inheritance;
  if (state.reported) return;
  state.reported = true;
  BuildInheritanceTree(G);
  state.totals = InheritanceTotals{};
  if (G.lists.classes.empty() || state.forest.roots.empty()) return;

  const size_t n = state.forest.nodes.size();
  TreeWalk walk{G, state.forest, TreeWritten(G), std::vector<char>(n, 0),
                std::vector<char>(n, 0)};
  WalkTree(walk);
}

}  // namespace zav
