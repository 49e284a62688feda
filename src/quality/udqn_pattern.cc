#include "quality/udqn_pattern.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>
#include <pcre2posix.h>

#include <cctype>
#include <cstring>
#include <string_view>
#include <vector>

#include "quality/udqn_literals.h"

namespace zav {

// A compiled pattern with what every match of it needs: a shortest
// length, bytes that must occur, a first and a last code unit (each as
// both letter cases, -1 for none) and literal texts of which one must
// occur.
struct UdqnPattern {
  regex_t regex;
  uint32_t min_length = 0;
  std::string required;  // distinct bytes
  int first[2] = {-1, -1};
  int last[2] = {-1, -1};
  std::vector<std::string> literals;
};

void UdqnPatternFree::operator()(UdqnPattern* pattern) const {
  regfree(&pattern->regex);
  delete pattern;
}

namespace {

// The POSIX interface has no match-limit argument and its regexec builds
// its own match context, so the bound is written into the pattern: PCRE2
// honours a "(*LIMIT_MATCH=n)" item at the start of a pattern, and keeps
// the lowest of several such items, so a user's own lower limit still
// holds. A catastrophic pattern (nested quantifiers on a long line) then
// gives up after 200,000 backtracking steps, about 3 ms of one core,
// and the line counts as not matching. Ordinary patterns on lines of up to
// 2,047 characters stay far below the bound.
constexpr char kMatchLimit[] = "(*LIMIT_MATCH=200000)";
constexpr size_t kMatchLimitLength = sizeof kMatchLimit - 1;

void AddByte(std::string& bytes, char c) {
  if (bytes.find(c) == std::string::npos) bytes += c;
}

// Reads a required code unit from the compiled code. The library does not
// say whether the unit was compiled caseless, so a letter stands for both
// of its cases; a unit without case is a required byte too.
void RequiredUnit(UdqnPattern& pattern, uint32_t type_what, uint32_t unit_what,
                  int (&unit)[2]) {
  const auto* code = static_cast<const pcre2_code*>(pattern.regex.re_pcre2_code);
  uint32_t type = 0;
  uint32_t value = 0;
  if (pcre2_pattern_info(code, type_what, &type) != 0 || type != 1) return;
  if (pcre2_pattern_info(code, unit_what, &value) != 0 || value > 255) return;
  const int c = static_cast<int>(value);
  unit[0] = std::tolower(c);
  unit[1] = std::toupper(c);
  if (unit[0] == unit[1]) AddByte(pattern.required, static_cast<char>(c));
}

// The bytes every one of the literals holds.
std::string CommonBytes(const std::vector<std::string>& literals) {
  std::string common;
  if (literals.empty()) return common;
  for (char c : literals[0]) {
    bool everywhere = true;
    for (const std::string& literal : literals) {
      everywhere = everywhere && literal.find(c) != std::string::npos;
    }
    if (everywhere) AddByte(common, c);
  }
  return common;
}

void ReadMatchRequirements(UdqnPattern& pattern, const std::string& text, int options) {
  const auto* code = static_cast<const pcre2_code*>(pattern.regex.re_pcre2_code);
  if (pcre2_pattern_info(code, PCRE2_INFO_MINLENGTH, &pattern.min_length) != 0) {
    pattern.min_length = 0;
  }
  RequiredUnit(pattern, PCRE2_INFO_FIRSTCODETYPE, PCRE2_INFO_FIRSTCODEUNIT, pattern.first);
  RequiredUnit(pattern, PCRE2_INFO_LASTCODETYPE, PCRE2_INFO_LASTCODEUNIT, pattern.last);
  pattern.literals = RequiredLiterals(text, (options & REG_ICASE) != 0);
  for (char c : CommonBytes(pattern.literals)) AddByte(pattern.required, c);
}

bool HasUnit(const UdqnLineBytes& bytes, const int (&unit)[2]) {
  return unit[0] < 0 || bytes.Has(unit[0]) || bytes.Has(unit[1]);
}

// memmem's setup outweighs its search on lines this short; a memchr for
// the first character and a compare is faster here.
bool Contains(const char* text, int length, const std::string& literal) {
  const size_t n = literal.size();
  const char* end = text + length;
  for (const char* p = text; static_cast<size_t>(end - p) >= n; ++p) {
    p = static_cast<const char*>(std::memchr(p, literal[0], end - p - n + 1));
    if (p == nullptr) return false;
    if (std::memcmp(p + 1, literal.data() + 1, n - 1) == 0) return true;
  }
  return false;
}

std::string_view Trimmed(std::string_view s) {
  const size_t last = s.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view() : s.substr(0, last + 1);
}

}  // namespace

UdqnPatternPtr CompileUdqnPattern(const std::string& pattern, int options,
                                  std::string& result) {
  const std::string bounded = kMatchLimit + pattern;
  UdqnPatternPtr compiled(new UdqnPattern);
  const int error = regcomp(&compiled->regex, bounded.c_str(), options);
  if (error == 0) {
    result = "Successful Pattern Compile";
    ReadMatchRequirements(*compiled, pattern, options);
    return compiled;
  }
  // The error offset counts from the start of the pattern as written.
  size_t& offset = compiled->regex.re_erroffset;
  if (offset != static_cast<size_t>(-1) && offset >= kMatchLimitLength) {
    offset -= kMatchLimitLength;
  }
  char text[256];
  regerror(error, &compiled->regex, text, sizeof text);
  result = Trimmed(text);  // the library pads the offset with blanks
  // A failed regcomp keeps nothing that regfree would release.
  delete compiled.release();
  return nullptr;
}

bool MayMatchUdqnPattern(const UdqnPattern& pattern, const char* text, int length,
                         const UdqnLineBytes& bytes) {
  if (static_cast<uint32_t>(length) < pattern.min_length || !HasUnit(bytes, pattern.first) ||
      !HasUnit(bytes, pattern.last)) {
    return false;
  }
  for (char c : pattern.required) {
    if (!bytes.Has(static_cast<unsigned char>(c))) return false;
  }
  if (pattern.literals.empty()) return true;
  for (const std::string& literal : pattern.literals) {
    if (Contains(text, length, literal)) return true;
  }
  return false;
}

bool MatchUdqnPattern(const UdqnPattern& pattern, const char* text, int length,
                      int options, int& start, int& end) {
  // REG_STARTEND: the text needs no terminator, so the line buffers are
  // matched in place.
  regmatch_t match[1];
  match[0].rm_so = 0;
  match[0].rm_eo = length;
  if (regexec(&pattern.regex, text, 1, match, options | REG_STARTEND) != 0) return false;
  start = static_cast<int>(match[0].rm_so);
  end = static_cast<int>(match[0].rm_eo);
  return true;
}

}  // namespace zav
