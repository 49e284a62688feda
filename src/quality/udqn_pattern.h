// The compiled patterns of user-defined notices: PCRE2 through its POSIX
// interface, bounded against runaway matching, with a cheap test that
// spares most source lines the matcher.
#pragma once

#include <cstdint>
#include <string>

#include "zav/udqn_state.h"

namespace zav {

// Compiles `pattern` with the options given (REG_ICASE ...). On failure
// the pointer stays null and `result` holds the library's error text; on
// success it holds "Successful Pattern Compile".
UdqnPatternPtr CompileUdqnPattern(const std::string& pattern, int options,
                                  std::string& result);

// False when `text` (`length` bytes, whose bytes are marked in `bytes`) cannot hold
// a match: it is too short or lacks a character or literal text that every
// match contains. True says only that regexec must decide.
bool MayMatchUdqnPattern(const UdqnPattern& pattern, const char* text, int length,
                         const UdqnLineBytes& bytes);

// Matches `text` (`length` bytes, no terminator needed) with the execution
// options `options` (REG_NOTBOL ...). True on a match, with its byte
// offsets; a failing match (such as one that reached the match limit)
// counts as no match.
bool MatchUdqnPattern(const UdqnPattern& pattern, const char* text, int length,
                      int options, int& start, int& end);

}  // namespace zav
