// The inheritance tree written by the zav binary for a small C++ source.
#include <gtest/gtest.h>

#include <string>

#include "report/report_run.h"
#include "test_support.h"

namespace zav {
namespace {

using test::RunZav;

// geo::Circle names its base without the namespace it shares with it,
// Square with it; QWidget is no class of the run.
const char* const kShapes =
    "// Shapes of the drawing\n"
    "namespace geo {\n"
    "class Shape {\n"
    "};\n"
    "class Circle : public Shape {\n"
    "};\n"
    "}\n"
    "class Square : public geo::Shape {\n"
    "};\n"
    "class Widget : public QWidget {\n"
    "};\n";

class InheritanceRun : public test::HarnessTest {};

TEST_F(InheritanceRun, TreeOfASmallSource) {
  dir.Write("shapes.cpp", kShapes);
  const test::RunResult r = RunZav({"-i", "shapes.cpp"}, dir.path());
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_TRUE(test::Has(r.out, "\n  + geo::Shape [D0.C2]\n"
                               "    - Square [D1.C0.P1]\n"
                               "    - geo::Circle [D1.C0.P1]\n"
                               "  Total Classes        : 3\n")) << r.out;
  EXPECT_TRUE(test::Has(r.out, "  Lost Child Node: Widget  Parent: QWidget\n"));
}

TEST_F(InheritanceRun, XmlReportIsWellFormed) {
  dir.Write("shapes.cpp", std::string(kShapes) + "class T : public Map<int, Square> {\n};\n");
  const test::RunResult r = RunZav({"-X", "-i", "-Oout.xml", "shapes.cpp"}, dir.path());
  EXPECT_EQ(r.exit_code, 0);
  const std::string report = test::ReadFile(dir.path() + "/out.xml");
  test::ExpectWellFormed(dir.path(), report);
  EXPECT_TRUE(test::Has(report, "<lost_child_node>\n<name>T</name>\n"
                                "<parent>Map&lt;int, Square&gt;</parent>\n</lost_child_node>\n"))
      << report;
}

}  // namespace
}  // namespace zav
