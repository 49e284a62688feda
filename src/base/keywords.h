// Lookup of the words the analyser reacts to.
//
// The line analyser scans each identifier outside comments, strings and
// character literals once and asks this table whether it is a word of
// interest; constant time per identifier.
#pragma once

#include <array>
#include <cstdint>

namespace zav {

enum class Word : uint8_t {
  kNone,
  // Counted words.
  kIf, kElse, kFor, kForeach, kWhile, kDo, kSwitch, kCase, kDefault, kBreak,
  kReturn, kGoto, kExit, kUnderscoreExit, kAbort, kMalloc, kCalloc, kAlloc,
  kFree, kNew, kDelete, kConst, kEnum, kTypedef, kUnion, kTemplate, kFriend,
  kVirtual, kInline, kImport, kUsing, kDelegate,
  // Words of the scope model, function detection and quality checks.
  kClass, kStruct, kInterface, kNamespace, kPackage, kPublic, kProtected,
  kPrivate, kOperator, kVoid, kRealloc, kContinue, kTry, kCatch, kThrow,
  kEvent, kFinal, kExtends, kImplements, kWhere, kStatic, kGet, kSet, kOr,
  kAnd, kThis, kTrue, kFalse, kAsm, kBool, kConstCast, kDynamicCast,
  kMutable, kOverload, kReinterpretCast, kStaticCast, kTypeid, kWcharT,
  kExtern,
  kCount
};

// The word spelled by s[0..length), or Word::kNone.
Word LookupWord(const char* s, int length);

// Bit n of kWordLengthsByFirst[c] (kWordLengthsBySecond[c]) is set when a
// word of n characters has c as its first (second) character.
extern const std::array<uint32_t, 256> kWordLengthsByFirst;
extern const std::array<uint32_t, 256> kWordLengthsBySecond;

// A quick filter before LookupWord: false when no word of `length`
// characters starts with `first` and `second`. Both are known before the
// identifier's end, so the answer waits only for its length. Branch-free
// but for the answer: the length is taken modulo 32, so a long identifier
// may pass the filter, and LookupWord then turns it down by its length.
inline bool CouldBeWord(unsigned char first, unsigned char second, int length) {
  return ((kWordLengthsByFirst[first] & kWordLengthsBySecond[second]) >> (length & 31) & 1) != 0;
}

// The spelling of a word ("" for kNone).
const char* WordText(Word w);

// Character classes used by the per-character loops, as lookup tables.
struct CharClassTable {
  enum : uint8_t { kIdent = 1, kIdentStart = 2 };
  uint8_t bits[256] = {};
  constexpr CharClassTable() {
    for (int c = 0; c < 256; ++c) {
      const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
      const bool digit = c >= '0' && c <= '9';
      if (letter || digit) bits[c] |= kIdent;
      if (letter) bits[c] |= kIdentStart;
    }
  }
};
inline constexpr CharClassTable kCharClass;

// A set of characters tested in constant time.
class CharSet {
 public:
  constexpr explicit CharSet(const char* chars) {
    for (; *chars != '\0'; ++chars) {
      const unsigned char c = static_cast<unsigned char>(*chars);
      bits_[c >> 6] |= uint64_t{1} << (c & 63);
    }
  }
  constexpr void Add(char ch) {
    const unsigned char c = static_cast<unsigned char>(ch);
    bits_[c >> 6] |= uint64_t{1} << (c & 63);
  }
  constexpr bool Has(char ch) const {
    const unsigned char c = static_cast<unsigned char>(ch);
    return (bits_[c >> 6] >> (c & 63)) & 1;
  }

 private:
  uint64_t bits_[4] = {0, 0, 0, 0};
};

// True when c is one of the characters of `set`; the terminating NUL of
// the set never matches.
constexpr bool InSet(char c, const char* set) {
  for (; *set != '\0'; ++set) {
    if (*set == c) return true;
  }
  return false;
}

// The blanks inside a line: a space or a tab.
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }
// White space of the line text: a blank, a carriage return or a line feed.
constexpr bool IsWhiteSpace(char c) { return IsBlank(c) || c == '\r' || c == '\n'; }

inline bool IsIdentChar(unsigned char c) {
  return (kCharClass.bits[c] & CharClassTable::kIdent) != 0;
}
inline bool IsIdentStart(unsigned char c) {
  return (kCharClass.bits[c] & CharClassTable::kIdentStart) != 0;
}

}  // namespace zav
