// Scope model state: namespaces, packages, classes, structs and interfaces.
//
// Owned by src/analysis/ scope detection. Function detection, quality checks
// and reports read it.
#pragma once

#include <cstdint>

namespace zav {

inline constexpr int kScopeStackDepth = 32;

struct ScopeState {
  bool in_namespace = false;
  bool in_class = false;
  int class_depth = 0;
  int namespace_depth = 0;
};

}  // namespace zav
