// User-defined quality notices: the definitions read from the notice file,
// the compile and match options collected while reading it, and the flag
// cells that chain definitions over several lines of one source file.
//
// Owned by src/quality/. The analyser reads `wants_split_texts` and
// `line_pass`; the reports read the counts through src/quality/.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zav {

inline constexpr int kUdqnFirstId = 100;
inline constexpr int kUdqnFlagCells = 2000;  // flag numbers 1..1999
inline constexpr size_t kUdqnMaxSources = 64;
inline constexpr size_t kUdqnMaxFlags = 32;  // per flag list

enum class UdqnContext : uint8_t { kUnset, kLine, kCode, kComment, kString };

// A compiled pattern; defined in src/quality/ so that only the matcher
// sees the regular-expression library.
struct UdqnPattern;
struct UdqnPatternFree {
  void operator()(UdqnPattern* pattern) const;
};
using UdqnPatternPtr = std::unique_ptr<UdqnPattern, UdqnPatternFree>;

// The byte values present in the current line: c is present when
// stamp[c] equals id. Marking a new line only bumps id, so nothing is
// cleared per line.
struct UdqnLineBytes {
  std::array<uint32_t, 256> stamp{};
  uint32_t id = 0;

  void Mark(const char* text, int length) {
    if (++id == 0) {  // wrapped: old stamps could read as present
      stamp.fill(0);
      id = 1;
    }
    for (int i = 0; i < length; ++i) stamp[static_cast<unsigned char>(text[i])] = id;
  }
  bool Has(int c) const { return stamp[c] == id; }
};

struct UdqnDefinition {
  int id = 0;
  bool active = false;
  UdqnContext context = UdqnContext::kUnset;
  std::vector<std::string> sources;  // extensions, at most 64
  std::string pattern;               // as written
  UdqnPatternPtr compiled;           // null when the pattern did not compile
  std::string compile_result;
  std::string example;               // the "string" key
  std::string test_result;
  std::string message;
  std::string summary;
  std::vector<int16_t> set_flags, check_flags, not_check_flags, clear_flags;
  bool emit_eof = false;
  bool silent = false;
  int32_t count = 0;  // matches in the run
  int match_start = -1, match_end = -1;

  // Per file: the definition applies to the current file's extension.
  bool applies = false;
  // Per line: the line passed the definition's quick test.
  bool may_match = false;
};

struct UdqnState {
  bool loaded = false;  // loading happens at most once per run
  std::vector<UdqnDefinition> definitions;  // file order
  int compile_options = 0;  // REG_ICASE, REG_NEWLINE, REG_NOSUB ...
  int exec_options = 0;     // REG_NOTBOL, REG_NOTEOL
  std::string main_file;    // the file loaded first; includes are relative to it
  int include_depth = 0;    // notice files being read

  // The definition being read between "UDQN Begin" and "UDQN End".
  bool in_block = false;
  UdqnDefinition pending;

  // Per source file.
  std::array<bool, kUdqnFlagCells> flags{};
  std::vector<UdqnDefinition*> line_definitions;  // apply to this file's lines
  std::vector<UdqnDefinition*> eof_definitions;   // tested once at its end
  UdqnLineBytes line_bytes;                       // of the line being read

  // Read by the line analyser: some definition is active (the line pass
  // runs) and some reads the code, comment or string text of a line.
  bool line_pass = false;
  bool wants_split_texts = false;
};

}  // namespace zav
