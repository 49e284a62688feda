// The words that take a parenthesised argument but never name a function,
// and a quick filter in front of their lookup: most names are none of them.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "zav/name_set.h"

namespace zav {

// Words that take a parenthesised argument but never name a function. The
// first thirteen are the type and keyword names a macro can be confused
// with; the rest are keywords of the four languages.
inline constexpr const char* kSystemTypes[] = {
    "unsigned", "char", "short", "int", "long", "float", "double",
    "void", "signed", "while", "if", "else", "for"};
inline constexpr const char* kOtherKeywords[] = {
    "return", "switch", "sizeof", "catch", "foreach", "throw", "new",
    "delete", "typeof", "decltype", "using", "lock", "synchronized",
    "defined", "alignof", "alignas", "static_assert", "noexcept", "case",
    "do", "try", "fixed", "checked", "unchecked", "nameof", "default"};

// The length of the longest word of kSystemTypes and kOtherKeywords: a
// longer name is none of them and needs no lookup.
inline constexpr size_t kLongestRejected = [] {
  size_t n = 0;
  for (const char* word : kSystemTypes) n = std::max(n, std::char_traits<char>::length(word));
  for (const char* word : kOtherKeywords) n = std::max(n, std::char_traits<char>::length(word));
  return n;
}();

// For each length up to kLongestRejected, the first letters of the words
// of kSystemTypes and kOtherKeywords of that length (all start with "a" to
// "z"), one bit each: most names are of none of them.
inline constexpr std::array<uint32_t, kLongestRejected + 1> kRejectedStarts = [] {
  std::array<uint32_t, kLongestRejected + 1> starts{};
  auto add = [&](const char* word) {
    starts[std::char_traits<char>::length(word)] |= uint32_t{1} << (word[0] - 'a');
  };
  for (const char* word : kSystemTypes) add(word);
  for (const char* word : kOtherKeywords) add(word);
  return starts;
}();

// False for a name that is none of the words of RejectedWords().
inline bool MayBeRejected(std::string_view name) {
  if (name.empty() || name.size() > kLongestRejected) return false;
  const unsigned letter = static_cast<unsigned char>(name[0]) - 'a';
  return letter < 26 && (kRejectedStarts[name.size()] >> letter & 1) != 0;
}

// The words of kSystemTypes and kOtherKeywords, for constant-time lookup.
const NameSet& RejectedWords();

}  // namespace zav
