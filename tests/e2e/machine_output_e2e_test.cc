// End-to-end runs of --json, --sarif and the GNU-style long options. The
// documents are read back with Python's json module (and checked with
// jsonschema and the SARIF Multitool where they are installed); expected
// values are worked out by hand from the fixture.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "report/json_report.h"
#include "report/json_text.h"
#include "report/report_run.h"
#include "report/sarif_log.h"
#include "test_support.h"

namespace zav {
namespace {

using test::Has;
using test::RunZav;
using test::TempDir;

// Lines 1-10: one function with an "if" and a "while" (cyclomatic 3), two
// parameters and two return points (notice 27 at its closing brace, line
// 10); four lines hold only a brace, so eLOC is 10 - 4 = 6. Without
// comments it also raises notices 17 (function) and 20 (file): 3 notices.
constexpr const char* kFunction =
    "int f(int a, int b)\n{\n    if (a > b) {\n        return a;\n    }\n"
    "    while (b > 0) {\n        b = b - 1;\n    }\n    return b;\n}\n";

// A small mixed tree: C in a subdirectory, a Latin-1 file name, Java, C#.
void WriteTree(const TempDir& dir) {
  ::mkdir((dir.path() + "/src").c_str(), 0755);
  dir.Write("src/a.c", kFunction);
  dir.Write("caf\xe9.cpp", "// caf\xe9\nclass Menu {\npublic:\n  int n;\n};\n");
  dir.Write("B.java", "class B extends A {\n  void g() {\n  }\n}\n");
  dir.Write("C.cs", "namespace N {\n  class C {\n  }\n}\n");
}

// Runs python3 on `script` with the arguments in `dir`; its output.
std::string Python(const TempDir& dir, const std::string& script,
                   const std::string& args) {
  dir.Write("check.py", script);
  return test::RunCommand("cd '" + dir.path() + "' && python3 check.py " + args + " 2>&1").out;
}

class MachineOutput : public test::HarnessTest {};

TEST_F(MachineOutput, JsonMatchesItsSchemaAndTheHandWorkedFigures) {
  WriteTree(dir);
  test::RunResult r = RunZav({"--json", "-fa", "-n", "-Ojson.out", "src/a.c",
                              "caf\xe9.cpp", "B.java", "C.cs"},
                             dir.path());
  ASSERT_LT(r.exit_code, 128) << r.err;
  const std::string out = Python(dir, R"(import json, sys
try:
    import jsonschema
except ImportError:
    print("SKIP"); sys.exit()
doc = json.load(open(sys.argv[1], encoding="utf-8"))
jsonschema.validate(doc, json.load(open(sys.argv[2])))
a = doc["files"][0]
f = a["functions"][0]
print("paths", [x["path"] for x in doc["files"]])
print("a", a["lines"]["loc"], a["lines"]["eloc"], a["lines"]["lines"])
print("f", f["name"], f["params"], f["returns"], f["cyclomatic"],
      f["total_complexity"], f["first_line"], f["last_line"])
print("n27", [(n["line"], n.get("function")) for n in a["notices"] if n["number"] == 27])
print("classes", [(c["name"], c["attributes"]["public"]) for x in doc["files"] for c in x["classes"]])
print("totals", doc["totals"]["files"], doc["totals"]["lines"]["loc"])
print("exit", doc["notice_profile"]["total"])
)",
                                 "json.out " ZAV_SOURCE_DIR "/schema/zav-report.schema.json");
  if (out == "SKIP\n") GTEST_SKIP() << "python3-jsonschema is not installed";
  EXPECT_TRUE(Has(out, "paths ['src/a.c', 'caf\xc3\xa9.cpp', 'B.java', 'C.cs']")) << out;
  EXPECT_TRUE(Has(out, "a 10 6 10\n")) << out;
  EXPECT_TRUE(Has(out, "f f 2 2 3 7 1 10\n")) << out;
  EXPECT_TRUE(Has(out, "n27 [(10, 'f')]\n")) << out;
  EXPECT_TRUE(Has(out, "classes [('Menu', 1), ('B', 0), ('N.C', 0)]")) << out;
  EXPECT_TRUE(Has(out, "totals 4 22\n")) << out;  // LOC 10 + 4 + 4 + 4
  // The exit status is the notice count, as with -n.
  EXPECT_TRUE(Has(out, "exit " + std::to_string(r.exit_code) + "\n")) << out;
}

// Notice 30 comes once per tab: line 2 has one, line 5 two in a row in
// code and one in a comment. Function b's parameter text holds a quote, so
// its record is escaped; a's, written before it, is not. The first class's
// name holds a Latin-1 byte: its record, escaped, opens the list.
TEST_F(MachineOutput, JsonKeepsRepeatedNoticesAndEscapedFunctionsInOrder) {
  dir.Write("t.cpp", "int a(int x) {\n\treturn x;\n}\nvoid b(char c = '\"') { }\n"
                     "int\t\ty; /*\tz */\nclass t\xe9 { int x; };\nclass B { int y; };\n");
  test::RunResult r = RunZav({"--json", "-fa", "-n", "-Ojson.out", "t.cpp"}, dir.path());
  ASSERT_LT(r.exit_code, 128) << r.err;
  const std::string out = Python(dir, R"(import json, sys
f = json.load(open(sys.argv[1]))["files"][0]
print("tabs", [n["line"] for n in f["notices"] if n["number"] == 30])
print("functions", [(x["name"], '"' in x["parameters"]) for x in f["functions"]])
print("classes", ascii([x["name"] for x in f["classes"]]))
)",
                                 "json.out");
  EXPECT_TRUE(Has(out, "tabs [2, 5, 5, 5]\n")) << out;
  EXPECT_TRUE(Has(out, "functions [('a', False), ('b', True)]\n")) << out;
  EXPECT_TRUE(Has(out, "classes ['t\\xe9', 'B']\n")) << out;
}

TEST_F(MachineOutput, SarifResultCarriesRuleLevelLocationAndFunction) {
  WriteTree(dir);
  test::RunResult r = RunZav({"--sarif", "-fa", "src/a.c"}, dir.path());
  ASSERT_EQ(r.exit_code, 3) << r.err;  // --sarif turns quality notices on
  dir.Write("log.sarif", r.out);
  const std::string out = Python(dir, R"(import json, sys
run = json.load(open(sys.argv[1]))["runs"][0]
rules = run["tool"]["driver"]["rules"]
print("rules", len(rules), rules[26]["id"], rules[26]["shortDescription"]["text"])
res = [x for x in run["results"] if x["ruleId"] == "ZAV027"][0]
loc = res["locations"][0]
print("result", res["ruleIndex"], res["level"], res["message"]["text"])
print("where", loc["physicalLocation"]["artifactLocation"],
      loc["physicalLocation"]["region"]["startLine"], loc["logicalLocations"])
print("root", run["originalUriBaseIds"]["%SRCROOT%"]["uri"].endswith("/"))
)",
                                 "log.sarif");
  EXPECT_TRUE(Has(out, "rules 58 ZAV027 Number of function return points > 1\n")) << out;
  EXPECT_TRUE(Has(out, "result 26 warning Number of function return points > 1 "
                       "(function 'f').\n")) << out;
  EXPECT_TRUE(Has(out, "where {'uri': 'src/a.c', 'uriBaseId': '%SRCROOT%'} 10 "
                       "[{'name': 'f', 'kind': 'function'}]\n")) << out;
  EXPECT_TRUE(Has(out, "root True\n")) << out;

  // The SARIF Multitool, where scripts/setup.sh installed it.
  const std::string tool = ZAV_SOURCE_DIR "/tools/node_modules/.bin/sarif-multitool";
  if (::access(tool.c_str(), X_OK) != 0) GTEST_SKIP() << "no SARIF Multitool";
  const test::CommandResult report =
      test::RunCommand(tool + " validate " + dir.path() + "/log.sarif 2>&1");
  EXPECT_EQ(report.status, 0) << report.out;
  EXPECT_FALSE(Has(report.out, ": error ")) << report.out;
}

TEST_F(MachineOutput, ReplacesNoSpecifiedFormat) {
  dir.Write("a.c", kFunction);
  for (const char* format : {"-C", "-X", "-A"}) {
    test::RunResult r = RunZav({"--json", format, "a.c"}, dir.path());
    EXPECT_EQ(r.exit_code, 1) << format;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, std::string("zav: --json cannot be combined with ") +
                         (format[1] == 'A' ? "-C" : format) + "\n");
  }
  test::RunResult r = RunZav({"-H", "--sarif", "a.c"}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "zav: --sarif cannot be combined with -H\n");
  // In either order, and the same one twice is no clash.
  EXPECT_EQ(RunZav({"--sarif", "--json", "a.c"}, dir.path()).err,
            "zav: --json cannot be combined with --sarif\n");
  EXPECT_EQ(RunZav({"--json", "--json", "a.c"}, dir.path()).exit_code, 0);
  EXPECT_EQ(RunZav({"--sarif", "-Ec", "a.c"}, dir.path()).err,
            "zav: --sarif cannot be combined with -E\n");
  EXPECT_EQ(RunZav({"-p", "--json", "a.c"}, dir.path()).err,
            "zav: --json cannot be combined with -p\n");
  EXPECT_EQ(RunZav({"--json", "-wx old.dat, new.dat"}, dir.path()).err,
            "zav: --json cannot be combined with -wx\n");
}

// The report stream of such a run is the document's: a command line error
// is told on standard error, while help asked for is still written.
TEST_F(MachineOutput, CommandLineErrorsGoToStandardError) {
  test::RunResult r = RunZav({"--json", "-Tz", "a.c"}, dir.path());
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_TRUE(Has(r.err, "  Error: Invalid or missing parameter for -T option\n")) << r.err;
  r = RunZav({"--sarif", "-Q", "a.c"}, dir.path());
  EXPECT_EQ(r.out, "");
  EXPECT_TRUE(Has(r.err, "  Error: Command line parse error, invalid option.\n"));
  EXPECT_TRUE(Has(r.err, "zav: unknown option '-Q'\n"));
  EXPECT_TRUE(Has(RunZav({"--json", "-hs"}, dir.path()).out, "ZAV Help Syntax"));
}

TEST(LongOptions, HelpVersionAndUnknownSwitches) {
  TempDir dir;
  test::RunResult version = RunZav({"--version"}, dir.path());
  EXPECT_EQ(version.exit_code, 0);
  EXPECT_EQ(version.out, "zav (Zavoran) 7.75\n");
  test::RunResult help = RunZav({"--help"}, dir.path());
  EXPECT_EQ(help.exit_code, 0);
  const std::string syntax = RunZav({"-hs"}, dir.path()).out;
  ASSERT_TRUE(Has(syntax, "ZAV Help Syntax"));
  EXPECT_EQ(help.out.substr(help.out.find("ZAV Help Syntax")),
            syntax.substr(syntax.find("ZAV Help Syntax")));
  test::RunResult unknown = RunZav({"-Q", "a.c"}, dir.path());
  EXPECT_EQ(unknown.exit_code, 1);
  EXPECT_TRUE(Has(unknown.out, "\n  Error: Command line parse error, invalid option.\n"));
  EXPECT_EQ(unknown.err, "zav: unknown option '-Q'\n");
  EXPECT_EQ(RunZav({"--jsn", "a.c"}, dir.path()).err, "zav: unknown option '--jsn'\n");
}

TEST(MachineText, ByteRuleInJsonStringsAndFileUris) {
  std::string out;
  AppendJsonString(out, "a\"\\\x01\n\xc3\xa9\xe9\xed\xa0\x80\xf0\x9f\x98\x80");
  // é kept; a lone 0xE9 becomes é; the surrogate form ED A0 80 is three
  // Latin-1 characters; the four-byte emoji is kept.
  EXPECT_EQ(out, "\"a\\\"\\\\\\u0001\\n\xc3\xa9\xc3\xa9\xc3\xad\xc2\xa0\xc2\x80"
                 "\xf0\x9f\x98\x80\"");
  // A file URI encodes the UTF-8 form of the name.
  EXPECT_EQ(FileUri("/src/sub dir/caf\xe9%.c", "/src"), "sub%20dir/caf%C3%A9%25.c");
  EXPECT_EQ(FileUri("./a.c", "/src"), "a.c");
  EXPECT_EQ(FileUri("/usr/include/stdio.h", "/src"), "file:///usr/include/stdio.h");
}

// Numbers written digit by digit and strings checked eight bytes at a time:
// extremes, and a byte to escape inside a block of eight and in the tail.
TEST(MachineText, WriterNumbersAndEscapesAtEveryPosition) {
  test::Harness h;
  JsonWriter w;
  w.BeginObject();
  w.Int("a", 0);
  w.Int("b", -7);
  w.Int("c", 1234567890123);
  w.Int("d", INT64_MIN);
  w.Str("e", "abcdefg\"ijk");
  w.Str("f", "abcdefghij\x7f");
  w.Str("g", "01234567\x1f");
  w.Str("h", "\\");
  w.Int("i", 99);
  w.Int("j", 100);
  w.Int("k", 1000);
  w.Int("m", 1023);  // the last figure written from the table
  w.Int("n", 1024);
  w.BeginArray("l");
  ByteBuffer none;
  w.Adopt(none, 1);  // a file without notices: no pointer at all
  w.End();
  w.End();
  w.Flush(h.G().report.out);
  EXPECT_EQ(h.Output(),
            "{\"a\":0,\"b\":-7,\"c\":1234567890123,\"d\":-9223372036854775808,"
            "\"e\":\"abcdefg\\\"ijk\",\"f\":\"abcdefghij\x7f\",\"g\":\"01234567\\u001f\","
            "\"h\":\"\\\\\",\"i\":99,\"j\":100,\"k\":1000,\"m\":1023,\"n\":1024,"
            "\"l\":[]}\n");
}

// Modification times by day arithmetic: the epoch, a second before it, a
// leap day, the first of March of a century year that is not a leap year,
// and the last second of year 9999.
TEST(MachineText, ModificationTimesInUtc) {
  char text[48];
  EXPECT_EQ(IsoUtcTime(0, text), "1970-01-01T00:00:00Z");
  EXPECT_EQ(IsoUtcTime(-1, text), "1969-12-31T23:59:59Z");
  EXPECT_EQ(IsoUtcTime(946684800 + 59 * 86400, text), "2000-02-29T00:00:00Z");
  EXPECT_EQ(IsoUtcTime(4102444800 + 59 * 86400 + 3723, text), "2100-03-01T01:02:03Z");
  EXPECT_EQ(IsoUtcTime(253402300799, text), "9999-12-31T23:59:59Z");
}

// A date kept from the time before: the same day's last second, the next
// day, the day before the epoch, and back to the kept day of 2000.
TEST(MachineText, ModificationTimesShareTheirDay) {
  zav::MachineOutput M;
  char text[48];
  EXPECT_EQ(CachedIsoUtcTime(M, 946684800 + 3723, text), "2000-01-01T01:02:03Z");
  EXPECT_EQ(CachedIsoUtcTime(M, 946684800 + 86399, text), "2000-01-01T23:59:59Z");
  EXPECT_EQ(CachedIsoUtcTime(M, 946684800 + 86400, text), "2000-01-02T00:00:00Z");
  EXPECT_EQ(CachedIsoUtcTime(M, -1, text), "1969-12-31T23:59:59Z");
  EXPECT_EQ(CachedIsoUtcTime(M, -86400, text), "1969-12-31T00:00:00Z");
}

// A string is copied as it is only when every byte is printable ASCII but
// '"' and '\\': one byte to escape at any place of any length is found,
// also by the copy that tests as it goes, which writes nothing past the
// text.
TEST(MachineText, PlainTextCheckSeesEveryByte) {
  EXPECT_TRUE(IsJsonPlain(""));
  char copy[48];
  for (size_t length = 1; length <= 40; ++length) {
    std::string text(length, ' ');
    text.back() = '\x7f';
    text.front() = 'x';
    EXPECT_TRUE(IsJsonPlain(text)) << length;
    std::memset(copy, '#', sizeof copy);
    EXPECT_EQ(PutPlainJsonText(copy, text), copy + length);
    EXPECT_EQ(std::string(copy, length + 1), text + "#");
    for (size_t at = 0; at < length; ++at) {
      for (const char bad : {'"', '\\', '\x1f', '\x80', '\xff'}) {
        std::string marked(length, 'a');
        marked[at] = bad;
        EXPECT_FALSE(IsJsonPlain(marked)) << length << " " << at << " " << int{bad};
        EXPECT_EQ(PutPlainJsonText(copy, marked), nullptr) << length << " " << at;
      }
    }
  }
}

}  // namespace
}  // namespace zav
