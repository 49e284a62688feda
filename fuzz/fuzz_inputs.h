// How a fuzz input becomes a run: the first byte picks the switch set and
// the source file's extension, the remaining bytes are the file. Shared by
// the fuzz target and the regression test that replays kept inputs.
#pragma once

#include <string>
#include <vector>

namespace zav::fuzz {

// The main switch sets, alone and together.
inline const std::vector<std::vector<std::string>>& SwitchSets() {
  static const std::vector<std::vector<std::string>> sets = {
      {"-fa", "-n", "-v"},
      {"-c"},
      {"-o", "-fm"},
      {"-m", "-a"},
      {"-d"},
      {"-fa", "-c", "-n", "-o", "-v", "-fm", "-m", "-a", "-d"},
      {"-fm"},
      {"-n", "-v", "-fa", "-H"},
      // The machine-readable documents; twelve sets keep the kept inputs'
      // selectors meaning what they meant with eight.
      {"--json", "-fa", "-c", "-n", "-o", "-v"},
      {"--sarif", "-fa", "-c", "-o"},
      {"-X", "-fa", "-c", "-n", "-o", "-v", "-Ta"},
      {"--json", "-s", "-k"},
  };
  return sets;
}

inline const std::vector<std::string>& SwitchesFor(unsigned char selector) {
  return SwitchSets()[selector % SwitchSets().size()];
}

inline std::string ExtensionFor(unsigned char selector) {
  static const char* const extensions[] = {".c", ".cpp", ".h", ".cs", ".java"};
  return extensions[(selector / SwitchSets().size()) % 5];
}

}  // namespace zav::fuzz
