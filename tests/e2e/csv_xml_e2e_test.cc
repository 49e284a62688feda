// The CSV report read back by a real CSV reader, the XML report of a
// Latin-1 source checked by an XML parser; directory arguments and -l.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "report/report_run.h"
#include "test_support.h"

namespace zav {
namespace {

using test::Has;
using test::RunCommand;
using test::RunReport;
using test::TempDir;
using test::ToolAvailable;

// Prints each record as "field count|first|second|third".
constexpr const char* kCsvDump = R"(import csv, sys
with open(sys.argv[1], newline='', encoding='latin-1') as f:
    for row in csv.reader(f):
        print('%d|%s' % (len(row), '|'.join((row + ['', '', ''])[:3])))
)";

// A comma and quotes in the file name, in the parameter list and in the
// inheritance list; Latin-1 bytes in a comment and a string.
const std::string kSource =
    "// caf\xE9, \"x\"\n"
    "const char *s = \"d\xE9j\xE0, vu\";\n"
    "int add(int a, int b)\n{\n  return a + b;\n}\n"
    "class B {};\nclass C {};\n"
    "class D : public B, public C\n{\npublic:\n  int v;\n};\n";

// Prints each record as "field count|first|last".
constexpr const char* kCsvEnds = R"(import csv, sys
with open(sys.argv[1], newline='', encoding='latin-1') as f:
    for row in csv.reader(f):
        print('%d|%s|%s' % (len(row), row[0] if row else '', row[-1] if row else ''))
)";

std::string CsvDump(TempDir& dir, const std::string& csv, const char* dump = kCsvDump) {
  const std::string report = dir.Write("report.csv", csv);
  const std::string script = dir.Write("dump.py", dump);
  return RunCommand("python3 '" + script + "' '" + report + "'").out;
}

std::string CsvRecords(TempDir& dir, const std::vector<std::string>& args) {
  return CsvDump(dir, RunReport(args, dir.path()));
}

TEST(CsvReport, EveryRecordKeepsItsFieldCount) {
  if (!ToolAvailable("python3")) GTEST_SKIP() << "python3 is not installed";
  TempDir dir;
  dir.Write("a,b.cpp", kSource);
  const std::string detail = CsvRecords(dir, {"-C", "-n", "-o", "-c", "a,b.cpp"});
  EXPECT_TRUE(Has(detail, "2|ZAV Command Line|-C -n -o -c a,b.cpp|\n")) << detail;
  EXPECT_TRUE(Has(detail, "2|File|a,b.cpp|\n"));
  EXPECT_TRUE(Has(detail, "2|Parameters|(int a, int b)|\n"));
  EXPECT_TRUE(Has(detail, "2|Inheritance|B, C|\n"));
  // A verbose notice line that names the file is one field (the notice is
  // raised at the class's opening brace, line 10).
  EXPECT_TRUE(Has(detail, "1|    Notice #42: File a,b.cpp: Line 10||\n"));

  const std::string rows = CsvRecords(dir, {"-C", "-fa", "-o", "-Ta", "a,b.cpp"});
  EXPECT_TRUE(Has(rows, "20|Function| add| (int a, int b)\n")) << rows;
  EXPECT_TRUE(Has(rows, "20|File| a,b.cpp|\n"));
  EXPECT_TRUE(Has(rows, "14|Function|add|(int a, int b)\n"));
  EXPECT_TRUE(Has(rows, "21|Class|D|4\n"));
  // The averages row writes every value "%.2f", the count included.
  EXPECT_TRUE(Has(test::ReadFile(dir.path() + "/report.csv"),
                  "Avg Functions\nCount,1.00,LOC,3.00,"));
}

// A user-defined notice whose summary holds a comma, quotes and "<", whose
// message puts a source line with commas before a literal comma, loaded
// from a directory whose name holds a comma.
TEST(UserDefinedNotices, CsvFieldsAndXmlTextAreQuotedAndEscaped) {
  if (!ToolAvailable("python3") || !ToolAvailable("xmllint")) GTEST_SKIP();
  TempDir dir, home;
  const std::string cfg = home.path() + "/c,fg";
  home.Write("c,fg/zav_udqn.cfg",
             "UDQN Begin\nUDQN Identifier : 100\nactive : yes\nsources : c\n"
             "context : Code\npattern : strcpy\nsummary : Copy, \"unbounded\" <x>\n"
             "message : _LINE_, in _FILE_\nUDQN End\n");
  dir.Write("a,b.c", "void f(char *t, char *s)\n{\n  strcpy(t, s);\n}\n");
  auto csv = [&](std::vector<std::string> args) {
    args.insert(args.end(), {"-C", "-n", "a,b.c"});
    return CsvDump(dir, test::RunZav(args, dir.path(), cfg).out);
  };
  const std::string verbose = csv({});
  EXPECT_TRUE(Has(verbose, "2|UDQN File|" + cfg + "/zav_udqn.cfg|\n")) << verbose;
  EXPECT_TRUE(Has(verbose, "2|    Notice #100:   strcpy(t, s);| in a,b.c|\n"));
  EXPECT_TRUE(Has(csv({"-Ns"}), "5|Notice #| 100|Line\n"));
  EXPECT_TRUE(Has(csv({"-Nv"}), "1|a,b.c(3) : Notice #100  - Copy, \"unbounded\" <x>||\n"));

  for (const char* form : {"-Ns", "-Nv"}) {
    const std::string xml = test::RunZav({"-X", "-n", form, "a,b.c"}, dir.path(), cfg).out;
    test::ExpectWellFormed(dir.path(), xml);
    EXPECT_TRUE(Has(xml, "Copy, &quot;unbounded&quot; &lt;x&gt;")) << xml;
  }
}

// Baselines of a file whose name holds a comma and quotes: the
// deterministic listing, the line details and the file rows of a
// comparison.
TEST(BaselineReports, FileNamesAndSourceLinesAreQuotedAndEscaped) {
  if (!ToolAvailable("python3") || !ToolAvailable("xmllint")) GTEST_SKIP();
  TempDir dir;
  const std::string name = "a,b \"q\".c";
  dir.Write(name, "int f(int a, int b)\n{\n  return a;\n}\n");
  const std::string listing = CsvDump(
      dir, test::RunZav({"-C", "-wD", "-wFile dat det.dat", "-wcreate .", name}, dir.path()).out,
      kCsvEnds);
  EXPECT_TRUE(Has(listing, "2|File|" + name + "\n")) << listing;
  EXPECT_TRUE(Has(listing, "4|1|int f(int a, int b)\n"));
  EXPECT_TRUE(Has(listing, "1|Completed Work File: det.dat|Completed Work File: det.dat\n"));

  test::RunZav({"-wd", "-wFile dat old.dat", "-wcreate .", name}, dir.path());

  dir.Write(name, "int f(int a, int b)\n{\n  a++;\n  return a;\n}\n");
  test::RunZav({"-wd", "-wFile dat new.dat", "-wcreate .", name}, dir.path());
  const std::string diff = CsvDump(
      dir, test::RunZav({"-C", "-wd", "-wp", "-ws", "-wx old.dat, new.dat"}, dir.path()).out, kCsvEnds);
  EXPECT_TRUE(Has(diff, "1|File: " + name + "|File: " + name + "\n")) << diff;
  EXPECT_TRUE(Has(diff, "14|Dif|" + name + "\n"));
  test::ExpectWellFormed(dir.path(),
                         test::RunZav({"-X", "-wd", "-wp", "-ws", "-wx old.dat, new.dat"}, dir.path()).out);
}

TEST(XmlReport, Latin1SourceGivesWellFormedUtf8) {
  if (!ToolAvailable("xmllint")) GTEST_SKIP() << "xmllint is not installed";
  TempDir dir;
  dir.Write("caf\xE9.cpp", kSource);
  for (const char* mode : {"-n", "-Ta", "-v"}) {
    const std::string xml = RunReport({"-X", mode, "-o", "caf\xE9.cpp"}, dir.path());
    test::ExpectWellFormed(dir.path(), xml);
  }
  const std::string xml = RunReport({"-X", "-fa", "caf\xE9.cpp"}, dir.path());
  EXPECT_TRUE(Has(xml, "<name>caf\xC3\xA9.cpp</name>")) << xml;
}

TEST(DirectoryArguments, DescendedWithRWithoutDirectoryElseReported) {
  TempDir dir;
  dir.Write("one/a.c", "int a;\n");
  dir.Write("one/sub/b.h", "int b;\n");
  dir.Write("two/c.c", "int c;\n");
  dir.Write("top.c", "int t;\n");
  // Headers first, each list in descent order; two/ and top.c are not
  // named, so they are not analysed.
  test::RunResult r = test::RunZav({"-Rl", "-rc,h", "one", "top.c"}, dir.path());
  const std::string root = std::filesystem::canonical(dir.path()).string();
  EXPECT_TRUE(Has(r.out, root + "/one/sub/b.h\n" + root + "/one/a.c\n\n")) << r.out;
  EXPECT_FALSE(Has(r.out, root + "/top.c"));

  const std::string message =
      "\n  Error: Input file [one] is a directory\n"
      "         Use -r to descend directories\n";
  r = test::RunZav({"one", "top.c"}, dir.path());
  EXPECT_TRUE(Has(r.out, message));
  EXPECT_TRUE(Has(r.err, message));
  EXPECT_TRUE(Has(r.out, "~~ Project Analysis For 1 Files ~~"));
}

TEST(FunctionHeading, HtmlWithNoticesBoldsTheLabelsWithTheirColons) {
  TempDir dir;
  dir.Write("t.cpp", "template <class T>\nint f(T a)\n{\n  return 0;\n}\n");
  const std::string html = RunReport({"-H", "-n", "-fa", "t.cpp"}, dir.path());
  EXPECT_TRUE(Has(html, "  <b>Parameters:</b> <b><font color=\"#006600\">(T a)</font></b>\n"));
  EXPECT_TRUE(Has(html, "  <b>Template:</b> <b><font color=\"#006699\">template &lt;class T&gt;"));
  EXPECT_FALSE(Has(html, "<b>Parameters</b>:"));
}

TEST(FunctionList, OneLinePerFunctionBeforeTheFileEnd) {
  TempDir dir;
  dir.Write("f.c", "int f(int a, int b)\n{\n  return a;\n}\nvoid g(void) { }\n");
  const std::string out = RunReport({"-l", "f.c"}, dir.path());
  const size_t list = out.find("  Function: f(int a, int b)\n  Function: g(void)\n");
  EXPECT_NE(list, std::string::npos) << out;
  EXPECT_LT(list, out.find("End of File: f.c"));
}

}  // namespace
}  // namespace zav
