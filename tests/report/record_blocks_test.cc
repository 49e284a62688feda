#include "report/record_blocks.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace zav {
namespace {

FunctionRecord SampleFunction() {
  FunctionRecord f;
  f.name = "Stack::push";
  f.parameters = "(const T& v)";
  f.loc = 6;
  f.eloc = 4;
  f.lloc = 3;
  f.comments = 1;
  f.lines = 8;
  f.params = 1;
  f.returns = 1;
  f.cyclomatic = 2;
  return f;
}

const std::string kFunctionLoc =
    "  LOC 6        eLOC 4        lLOC 3        Comment 1        Lines        8\n";

std::string FunctionBlock(const std::function<void(GlobalData&)>& set,
                          const FunctionRecord& f = SampleFunction()) {
  test::Harness h;
  set(h.G());
  WriteFunctionBlock(h.G(), f);
  return h.Output();
}

TEST(FunctionBlock, HeadingComplexityAndSizeLines) {
  EXPECT_EQ(FunctionBlock([](GlobalData& G) { G.sw.complexity = true; }),
            "  Function: Stack::push\n  Parameters: (const T& v)\n"
            "  Complexity   Param 1       Return 1      Cyclo Vg 2       "
            "Total        4\n" +
                kFunctionLoc + "\n");
  FunctionRecord templated = SampleFunction();
  templated.template_text = "template <class T>";
  EXPECT_EQ(FunctionBlock([](GlobalData& G) { G.sw.functional = true; }, templated),
            "  Function: Stack::push\n  Parameters: (const T& v)\n"
            "  Template: template <class T>\n" +
                kFunctionLoc + "\n");
}

TEST(FunctionBlock, FunctionPointsAndNoticesMode) {
  EXPECT_EQ(FunctionBlock([](GlobalData& G) {
              G.sw.function_points = G.sw.notices = true;
              G.lang.flags.c = true;
              G.settings.fp_factors[kGroupC][kMeasureLoc] = 4;
            }),
            "  Function: Stack::push\n  Parameters: (const T& v)\n" +
                kFunctionLoc +
                "  Function Points         FP(LOC) 1.5     FP(eLOC) 0.0    "
                "FP(lLOC)     0.0\n");
}

TEST(FunctionBlock, NothingInTotalsOnlyOrAutomatedCsv) {
  EXPECT_EQ(FunctionBlock([](GlobalData& G) { G.sw.totals_only = true; }), "");
  EXPECT_EQ(FunctionBlock([](GlobalData& G) { G.sw.csv = G.sw.csv_detail = true; }),
            "");
}

}  // namespace
}  // namespace zav
