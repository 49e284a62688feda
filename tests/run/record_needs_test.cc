// Which run-wide records a run keeps: only those a project section of the
// run will read at its end.
#include "run/record_needs.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "files/files_test_support.h"
#include "run/command_line.h"
#include "test_support.h"

namespace zav {
namespace {

class RecordNeedsTest : public test::HarnessTest {
 protected:
  void Decide(std::vector<std::string> args) {
    G.sw = Switches();
    args.push_back("a.c");
    argv_.emplace(std::move(args));
    argv_->Install(G);
    ParseCommandLine(G.run.argc, G.run.argv, G);
    KeepReportedRecords(G);
  }

  std::optional<test::Arguments> argv_;
};

// An XML run is a totals-only run: its project sections follow the -T
// letters, so -fa and -o alone keep nothing for the end of the run.
TEST_F(RecordNeedsTest, TotalsOnlyRunsKeepWhatTheirLettersWrite) {
  Decide({"-X", "-fa", "-o"});
  EXPECT_FALSE(G.lists.functions.keep_all);
  EXPECT_FALSE(G.lists.keep_classes);
  EXPECT_FALSE(G.lists.keep_namespace_figures);

  Decide({"-X", "-fa", "-o", "-Tf"});
  EXPECT_TRUE(G.lists.functions.keep_all);
  EXPECT_FALSE(G.lists.keep_classes);

  Decide({"-X", "-fa", "-o", "-To"});
  EXPECT_FALSE(G.lists.functions.keep_all);
  EXPECT_TRUE(G.lists.keep_classes && G.lists.keep_namespace_figures);

  // The estimation and the inheritance tree are written in any mode.
  Decide({"-X", "-fa", "-e"});
  EXPECT_TRUE(G.lists.functions.keep_all);
  Decide({"-X", "-o", "-i"});
  EXPECT_TRUE(G.lists.keep_classes);
  EXPECT_FALSE(G.lists.keep_namespace_figures);
}

TEST_F(RecordNeedsTest, ReportSwitchesDecideInRunsWithPerFileReports) {
  Decide({"-fa"});
  EXPECT_TRUE(G.lists.functions.keep_all);
  EXPECT_FALSE(G.lists.keep_classes);
  Decide({"-o"});
  EXPECT_TRUE(G.lists.keep_classes && G.lists.keep_namespace_figures);
  Decide({"-s"});
  EXPECT_FALSE(G.lists.functions.keep_all);
}

}  // namespace
}  // namespace zav
