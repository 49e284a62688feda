// The inheritance tree written by the zav binary for a small C++ source.
#include <gtest/gtest.h>

#include <string>

#include "report/report_run.h"
#include "test_support.h"

namespace zav {
namespace {

using test::RunZav;
using test::TempDir;

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

// The text from `from` to the end of `last`.
std::string Between(const std::string& text, const std::string& from, const std::string& last) {
  const size_t begin = text.find(from);
  if (begin == std::string::npos) return "";
  const size_t end = text.find(last, begin);
  return text.substr(begin, end == std::string::npos ? std::string::npos
                                                     : end + last.size() - begin);
}

TEST(InheritanceRun, TreeOfASmallSource) {
  TempDir dir;
  dir.Write("shapes.cpp", kShapes);
  const test::RunResult r = RunZav({"-i", "shapes.cpp"}, dir.path());
  EXPECT_EQ(r.exit_code, 0);
  const std::string rule = "  " + std::string(72, '-') + "\n\n";
  EXPECT_EQ(Between(r.out, "~~ Class Inheritance Tree ~~", "QWidget\n"),
            "~~ Class Inheritance Tree ~~\n\n"
            "\n  D - Depth where base class depth = 0\n"
            "  C - Number of direct child classes\n"
            "  P - Number of direct parents, Multiple Inheritance > 1\n"
            "\n  + geo::Shape [D0.C2]\n"
            "    - Square [D1.C0.P1]\n"
            "    - geo::Circle [D1.C0.P1]\n"
            "  Total Classes        : 3\n"
            "  Total Base Classes   : 1\n"
            "  Total Derived Classes: 2\n"
            "  Derived/Based Ratio  : 2.00  \n"
            "\n  Maximum Depth of Inheritance: 1\n"
            "  Average Depth of Inheritance: 0.67  \n"
            "\n  Maximum Number of Direct Child Classes: 2\n"
            "  Average Number of Direct Child Classes: 0.67  \n"
            "\n" + rule + std::string(17, ' ') +
            "~~ Parents Not Found - Inheritance Tree ~~\n\n"
            "  Lost Child Node: Widget  Parent: QWidget\n");
}

TEST(InheritanceRun, XmlReportIsWellFormed) {
  ASSERT_TRUE(test::ToolAvailable("xmllint"))
      << "xmllint is required (Debian package libxml2-utils)";
  TempDir dir;
  dir.Write("shapes.cpp", std::string(kShapes) + "class T : public Map<int, Square> {\n};\n");
  const test::RunResult r = RunZav({"-X", "-i", "-Oout.xml", "shapes.cpp"}, dir.path());
  EXPECT_EQ(r.exit_code, 0);
  const test::CommandResult lint =
      test::RunCommand("xmllint --noout '" + dir.path() + "/out.xml' 2>&1");
  EXPECT_EQ(lint.status, 0) << lint.out;
  const test::CommandResult report = test::RunCommand("cat '" + dir.path() + "/out.xml'");
  EXPECT_NE(report.out.find("<lost_child_node>\n<name>T</name>\n"
                            "<parent>Map&lt;int, Square&gt;</parent>\n</lost_child_node>\n"),
            std::string::npos)
      << report.out;
}

}  // namespace
}  // namespace zav
