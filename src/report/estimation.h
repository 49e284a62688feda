// The estimation analysis (-e): sizes per function, parameter, return
// point and unit of complexity over every function of the run.
#pragma once

#include "base/complexity.h"
#include "zav/global_data.h"

namespace zav {

// The sums the estimation factors are derived from.
struct EstimationBasis {
  int functions = 0;
  int loc = 0, eloc = 0, lloc = 0, comments = 0;
  int params = 0, returns = 0, cyclomatic = 0;

  int Interface() const { return InterfaceComplexity(params, returns); }
  int Complexity() const { return TotalComplexity(params, returns, cyclomatic); }
};

EstimationBasis GatherEstimationBasis(const GlobalData& G);

// size / denominator, 0 when the denominator is below 1.
double EstimationRatio(double size, double denominator);

// "Estimation Analysis": written only when the run has functions.
void WriteEstimationAnalysis(GlobalData& G);

}  // namespace zav
