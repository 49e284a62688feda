// The two complexity figures every report derives from a function's (or a
// total's) parameters, return points and cyclomatic complexity.
#pragma once

namespace zav {

// Interface complexity: parameters plus return points.
constexpr auto InterfaceComplexity(auto params, auto returns) { return params + returns; }

// Total (functional) complexity: the interface complexity plus the
// cyclomatic complexity.
constexpr auto TotalComplexity(auto params, auto returns, auto cyclomatic) {
  return InterfaceComplexity(params, returns) + cyclomatic;
}

}  // namespace zav
