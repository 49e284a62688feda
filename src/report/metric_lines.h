// The family of metric lines that per-file blocks and project sections are
// built from. Each writer puts one line (XML: a run of elements) in the
// active format; the callers decide whether the line belongs in the report
// (the complexity line only in complexity mode, the function-point line only
// with function points on).
#pragma once

#include "zav/global_data.h"

namespace zav {

// "  LOC %-7d  eLOC %-7d  lLOC %-7d  Comment %-7d  Lines %8d". Negative
// values are written as 0.
void WriteLocLine(GlobalData& G, int64_t loc, int64_t eloc, int64_t lloc, int64_t comments,
                  int64_t lines);

// "  Complexity   Param ... Return ... Cyclo Vg ... Total ..."; the total is
// parameters + returns + cyclomatic. XML also carries the interface
// complexity (parameters + returns).
void WriteComplexityLine(GlobalData& G, int params, int returns,
                         int cyclomatic);

// "  Function Points         FP(LOC) ... FP(eLOC) ... FP(lLOC) ...".
void WriteFunctionPointLine(GlobalData& G, double fp_loc, double fp_eloc,
                            double fp_lloc);

// "  Methods    " and "  Attributes " lines: public, protected, private and
// their sum.
void WriteMethodsLine(GlobalData& G, int publ, int prot, int priv);
void WriteAttributesLine(GlobalData& G, int publ, int prot, int priv);

// count / the function-point factor of the current file's language group
// for `measure` (SizeMeasure); 0 when the factor is not positive.
double FunctionPointsOf(const GlobalData& G, int measure, double count);

}  // namespace zav
