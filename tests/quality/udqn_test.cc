#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "quality/udqn_apply.h"
#include "quality/udqn_file.h"
#include "quality/udqn_literals.h"
#include "test_support.h"

namespace zav::test {
namespace {

// One "UDQN Begin" ... "UDQN End" block for C files, active.
std::string Def(int id, const std::string& context, const std::string& pattern,
                const std::string& more = "") {
  return "UDQN Begin\nUDQN Identifier : " + std::to_string(id) +
         "\nactive : yes\nsources : c, h\ncontext : " + context + "\npattern : " + pattern +
         "\nsummary : s" + std::to_string(id) + "\n" + more + "UDQN End\n";
}

// Loads a notice file and analyses C files with the one-line form (-Ns).
class UdqnRun {
 public:
  explicit UdqnRun(const std::string& notice_file) {
    path_ = dir_.Write("notices.cfg", notice_file);
    GlobalData& g = G();
    g.run.udqn_path = g.settings.udqn_file = path_;
    g.sw.notices = g.sw.notice_single_line = g.sw.no_config = true;
    LoadConfiguredUdqns(g);
  }
  GlobalData& G() { return h_.G(); }
  const std::string& path() const { return path_; }
  std::string Output() { return h_.Output(); }

  // Analyses one file as the run does and returns what it wrote.
  std::string Analyze(const std::string& text, const std::string& name = "a.c") {
    entry_.name = name;
    G().current_entry = &entry_;
    const size_t before = h_.Output().size();
    StartUdqnFile(G(), name);
    h_.AnalyzeFile(text, name);
    ApplyUdqnsAtFileEnd(G());
    return h_.Output().substr(before);
  }

 private:
  TempDir dir_;
  Harness h_;
  FileEntry entry_;
  std::string path_;
};

class Udqn : public test::HarnessTest {};

TEST_F(Udqn, FlagsChainDefinitionsOverLinesAndResetPerFile) {
  // 100 (silent) arms flag 3 on "lock"; 101 fires on "unlock" only while
  // it is armed and disarms it; 102 fires on "free" only while unarmed.
  UdqnRun run(Def(100, "Line", "^lock", "set flags : 3, 0, 2000\nsilent flag : yes\n") +
              Def(101, "Line", "unlock", "check flags : 3\nclear flags : 3\n") +
              Def(102, "Line", "free", "!check flags : 3\n"));
  EXPECT_EQ(run.Analyze("unlock();\nfree(p);\nlock();\nfree(q);\nx();\nunlock();\n"
                        "unlock();\nlock();\n"),
            "  Notice # 102: Line 2, s102\n  Notice # 101: Line 6, s101\n");
  EXPECT_EQ(run.G().file.quality_notice_count, 2);  // the silent one counts nothing
  // The second file starts unarmed although the first ended armed.
  EXPECT_EQ(run.Analyze("unlock();\n"), "");
  EXPECT_EQ(UdqnTotal(run.G()), 2);
  EXPECT_EQ(run.G().notices.total_emitted, 2);
  EXPECT_EQ(run.G().udqn.definitions[0].set_flags, (std::vector<int16_t>{3}));
}

TEST_F(Udqn, EachContextReadsItsPartOfTheLine) {
  UdqnRun run(Def(100, "Line", "foo") + Def(101, "Code", "foo") + Def(102, "Comment", "foo") +
              Def(103, "String", "foo") + Def(104, "Everything", "foo") +
              "UDQN Begin\nudqn id : 105\nactive : yes\ncontext : Line\npattern : foo\n"
              "UDQN End\n");
  EXPECT_EQ(run.Analyze("x = y; // foo\ns = \"foo\";\nfoo();\n"),
            "  Notice # 100: Line 1, s100\n  Notice # 102: Line 1, s102\n"
            "  Notice # 100: Line 2, s100\n  Notice # 103: Line 2, s103\n"
            "  Notice # 100: Line 3, s100\n  Notice # 101: Line 3, s101\n");
  // Sources name extensions without regard to case; other files are left alone.
  EXPECT_EQ(run.Analyze("foo();\n", "B.H"),
            "  Notice # 100: Line 1, s100\n  Notice # 101: Line 1, s101\n");
  EXPECT_EQ(run.Analyze("foo();\n", "b.java"), "");
}

TEST_F(Udqn, EndOfFileDefinitionsReportOnceOnTheLastLine) {
  UdqnRun run(Def(110, "Line", "eof", "emit eof flag : on\n"));
  EXPECT_EQ(run.Analyze("a;\neof;\nb;\n"), "  Notice # 110: Line 3, s110\n");
  EXPECT_EQ(run.Analyze("c;\n"), "  Notice # 110: Line 1, s110\n");
}

TEST_F(Udqn, IdErrorsAndBlockMarkers) {
  UdqnRun run("UDQN Begin:\nudqn id : 50\nUDQN End:\n"
              "UDQN Begin\nudqn id : 50\nUDQN End\n"
              "UDQN Begin\nudqn id : 120\n");  // never ended: dropped
  const std::string tail = "         Please correct UDQN file " + run.path() +
                           "\n         to create unique UDQN Ids.\n\n";
  EXPECT_EQ(run.Output(), "  Error: UDQN Identifiers 50 cannot be less than 100.\n" + tail +
                              "  Error: Duplicate UDQN Identifier 50\n" + tail);
  ASSERT_EQ(run.G().udqn.definitions.size(), 2u);
  EXPECT_EQ(run.G().udqn.definitions[0].id, 50);
  EXPECT_EQ(run.G().udqn.definitions[1].id, 0);
}

TEST_F(Udqn, MessagesNameTheLineAndItsScope) {
  UdqnMessageValues v{"a.c", "x < y;", 7, "f", "K"};
  const std::string m = "_FILE_(_LINE#_): _LINE_\\nin _FUNC_ of _CLASS_ & _X_";
  EXPECT_EQ(ExpandUdqnMessage(m, v, false), "a.c(7): x < y;\n           in f of K & _X_");
  EXPECT_EQ(ExpandUdqnMessage(m, v, true),
            "<b>a.c</b>(<b>7</b>): <b>x &lt; y;</b>\n           in <b>f</b> of <b>K</b> "
            "&amp; _X_");
  UdqnRun run(Def(100, "Code", "gets", "message : _FILE_ _LINE#_: _LINE_\n"));
  run.G().sw.notice_single_line = false;
  EXPECT_EQ(run.Analyze("\n  gets(b); \r\n"), "\n    Notice #100: a.c 2:   gets(b); \n");
}

TEST_F(Udqn, PatternsAreCompiledTestedAndBounded) {
  UdqnRun run(Def(100, "Line", "a", "string : xay\nactive : no\n") +
              Def(101, "Line", "a", "string : x\nactive : no\n") +
              Def(102, "Line", "f(oo", "string : foo\n") +
              Def(103, "Line", "^(a+)+$", "string : aaaa\n"));
  const auto& d = run.G().udqn.definitions;
  EXPECT_EQ(d[0].compile_result, "Successful Pattern Compile");
  EXPECT_EQ(d[0].test_result, "Expression Match: Start[2] End[2] Span[1]");
  EXPECT_EQ(d[1].test_result, "No Match");
  EXPECT_NE(d[2].compile_result.find("offset 4"), std::string::npos) << d[2].compile_result;
  EXPECT_EQ(d[2].test_result, "Pattern Compile Error");
  EXPECT_EQ(d[3].test_result, "Expression Match: Start[1] End[4] Span[4]");
  // Nested quantifiers on a long line that almost matches: the match limit
  // ends the search, the line counts as not matching, the run goes on.
  run.G().settings.notice_enabled[1] = false;  // the line is long
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(run.Analyze(std::string(2000, 'a') + "b\nf(oo\nb\n"), "");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(Udqn, MissingFilesAreReportedOnlyWhenNamed) {
  LoadUdqnFile(h.G(), "/nonexistent/zav_udqn.cfg", false);
  EXPECT_EQ(h.Output(), "");
  LoadUdqnFile(h.G(), "/nonexistent/n.cfg", true);
  EXPECT_EQ(h.Output(),
            "\n  Error: Problem opening User Defined Quality Notice file:\n"
            "         /nonexistent/n.cfg\n         For modification, "
            "No such file or directory\n\n");
}

TEST_F(Udqn, RunCountsThemInTheProfileAndExitStatus) {
  dir.Write("zav_udqn.cfg", "include : more.cfg\n");
  dir.Write("more.cfg", Def(100, "Code", "gets", "summary : gets used\n"));
  const std::string source = dir.Write("a.c", "/* c */\nint f(void) {\n  /* c */\n  gets(b);\n  gets(c);\n}\n");
  RunResult r = RunZav({"-Tp", "-xNOCOMMAND", source}, dir.path(), dir.path());
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.out, "  UDQN File   : " + dir.path() + "/zav_udqn.cfg\n"
                         "  UDQN Inc. File: " + dir.path() + "/more.cfg\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "  100       2  100.00  gets used\n")) << r.out;
}

}  // namespace
}  // namespace zav::test

namespace zav::test {
namespace {

TEST(UdqnLiterals, EveryMatchHoldsOneOfThem) {
  using V = std::vector<std::string>;
  EXPECT_EQ(RequiredLiterals("\\bgets\\s*\\(", false), V{"gets"});
  EXPECT_EQ(RequiredLiterals("^\\s*#\\s*pragma\\s+once", false), V{"pragma"});
  EXPECT_EQ(RequiredLiterals("\\b(malloc|calloc)\\s*\\(", false), (V{"malloc", "calloc"}));
  EXPECT_EQ(RequiredLiterals("abc?d", false), V{"ab"});   // c may be absent
  EXPECT_EQ(RequiredLiterals("x+yz{0,2}", false), V{"x"});
  EXPECT_EQ(RequiredLiterals("a\\.b(cd)?", false), V{"a.b"});
  EXPECT_EQ(RequiredLiterals("foo|bar", false), V{});
  EXPECT_EQ(RequiredLiterals("(?i)gets", false), V{});
  EXPECT_EQ(RequiredLiterals("gets", true), V{});
  EXPECT_EQ(RequiredLiterals("[gets]+x", false), V{"x"});
}

}  // namespace
}  // namespace zav::test
