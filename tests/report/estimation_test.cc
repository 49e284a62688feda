#include "report/estimation.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

namespace zav {
namespace {

// A function of the given figures, with no blank lines.
FunctionRecord Function(int loc, int eloc, int lloc, int comments, int params, int returns,
                        int cyclomatic) {
  return test::Function("f", "()", loc, eloc, lloc, comments, 0, loc, params, returns, cyclomatic);
}

using test::Has;

class EstimationAnalysis : public test::HarnessTest {};

// Two functions: 30 LOC, 20 eLOC, 14 lLOC, 6 comment lines, 2 parameters,
// 2 returns and cyclomatic 4, so interface 4 and complexity 8.
TEST_F(EstimationAnalysis, BasisAndEighteenRatios) {
  G.lists.functions.push_back(Function(10, 8, 6, 2, 2, 1, 3));
  G.lists.functions.push_back(Function(20, 12, 8, 4, 0, 1, 1));
  WriteEstimationAnalysis(G);
  const std::string out = h.Output();
  EXPECT_TRUE(Has(out, "~~ Estimation Analysis ~~\n\n" + std::string(30, ' ') +
                           "Functional Basis\n"
                           "  Total Function Count ..:          2\n"
                           "  Total Function LOC ....:         30"
                           "  Total Function eLOC ...:         20\n"
                           "  Total Function lLOC ...:         14"
                           "  Total Function Comments:          6\n"
                           "  Total Func. Parameters :          2"
                           "  Total Function Returns :          2\n"
                           "  Total Cylco. Complexity:          4"
                           "  Total Function Complex.:          8\n"))
      << out;
  const char* loc[] = {"15.00", "15.00", "15.00", "7.50", "7.50", "3.75"};
  const char* eloc[] = {"10.00", "10.00", "10.00", "5.00", "5.00", "2.50"};
  const char* lloc[] = {"7.00", "7.00", "7.00", "3.50", "3.50", "1.75"};
  const char* loc_labels[] = {
      "  Lines of Code, LOC, per Function ...........................: ",
      "  Lines of Code, LOC, per Function Input Parameter ...........: ",
      "  Lines of Code, LOC, per Function Return State ..............: ",
      "  LOC per Function Interface Complexity (Parameters + Return) : ",
      "  LOC per Function Cyclomatic Complexity .....................: ",
      "  LOC per Function Complexity (Cyclomatic+Interface Complex.) : "};
  for (int i = 0; i < 6; ++i) {
    char line[128];
    std::snprintf(line, sizeof line, "%s%10s\n", loc_labels[i], loc[i]);
    EXPECT_TRUE(Has(out, line)) << line;
  }
  EXPECT_TRUE(Has(out, "  eLOC per Function Complexity (Cyclomatic+Interface "
                       "Complex.):       " + std::string(eloc[5]) + "\n"));
  EXPECT_TRUE(Has(out, "  Effective Lines of Code, eLOC, per Function Input "
                       "Parameter :      " + std::string(eloc[1]) + "\n"));
  EXPECT_TRUE(Has(out, "  Logical Lines of Code, lLOC, per Function Return "
                       "State .....:       " + std::string(lloc[2]) + "\n"));
  EXPECT_TRUE(Has(out, "  lLOC per Function Complexity (Cyclomatic+Interface "
                       "Complex.):       " + std::string(lloc[5]) + "\n"));
  EXPECT_TRUE(Has(out, std::string(27, ' ') + "lLOC Estimation Factors\n"));
}

TEST_F(EstimationAnalysis, DenominatorsBelowOneGiveZero) {
  EXPECT_EQ(EstimationRatio(12, 0), 0.0);
  EXPECT_EQ(EstimationRatio(12, 0.5), 0.0);
  EXPECT_EQ(EstimationRatio(12, 1), 12.0);
  test::Harness h;
  GlobalData& G = h.G();
  G.sw.csv = true;
  // No parameters and no returns: the per-parameter, per-return and
  // per-interface ratios are 0.00.
  G.lists.functions.push_back(Function(9, 6, 3, 0, 0, 0, 3));
  WriteEstimationAnalysis(G);
  const std::string out = h.Output();
  EXPECT_TRUE(Has(out, "LOC per Function,9.00\nLOC per Parameter,0.00\n"
                       "LOC per Return,0.00\nLOC per Interface Complexity,0.00\n"
                       "LOC per Cyclomatic Complexity,3.00\n"
                       "LOC per Function Complexity,3.00\n"))
      << out;
}

TEST_F(EstimationAnalysis, NothingWithoutFunctions) {
  WriteEstimationAnalysis(h.G());
  EXPECT_EQ(h.Output(), "");
}

}  // namespace
}  // namespace zav
