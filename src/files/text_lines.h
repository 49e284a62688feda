// Reading list and project files line by line in 2,047-character pieces.
#pragma once

#include <cstdio>
#include <string>

namespace zav {

inline constexpr int kListLineMax = 2048;  // buffer size: 2,047 characters

// Reads the next piece of a line (up to and including its line feed, at
// most 2,047 characters) into `line`; false at end of file.
inline bool ReadLinePiece(std::FILE* file, std::string& line) {
  char buffer[kListLineMax];
  if (std::fgets(buffer, sizeof buffer, file) == nullptr) return false;
  line.assign(buffer);
  return true;
}

// `line` without its trailing carriage returns and line feeds.
inline std::string WithoutLineEnd(std::string line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  return line;
}

}  // namespace zav
