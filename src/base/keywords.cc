#include "base/keywords.h"

#include <bit>
#include <cstring>

namespace zav {
namespace {

struct Entry {
  const char* text;
  Word word;
};

constexpr Entry kWords[] = {
    {"if", Word::kIf},
    {"else", Word::kElse},
    {"for", Word::kFor},
    {"foreach", Word::kForeach},
    {"while", Word::kWhile},
    {"do", Word::kDo},
    {"switch", Word::kSwitch},
    {"case", Word::kCase},
    {"default", Word::kDefault},
    {"break", Word::kBreak},
    {"return", Word::kReturn},
    {"goto", Word::kGoto},
    {"exit", Word::kExit},
    {"_exit", Word::kUnderscoreExit},
    {"abort", Word::kAbort},
    {"malloc", Word::kMalloc},
    {"calloc", Word::kCalloc},
    {"alloc", Word::kAlloc},
    {"free", Word::kFree},
    {"new", Word::kNew},
    {"delete", Word::kDelete},
    {"const", Word::kConst},
    {"enum", Word::kEnum},
    {"typedef", Word::kTypedef},
    {"union", Word::kUnion},
    {"template", Word::kTemplate},
    {"friend", Word::kFriend},
    {"virtual", Word::kVirtual},
    {"inline", Word::kInline},
    {"import", Word::kImport},
    {"using", Word::kUsing},
    {"delegate", Word::kDelegate},
    {"class", Word::kClass},
    {"struct", Word::kStruct},
    {"interface", Word::kInterface},
    {"namespace", Word::kNamespace},
    {"package", Word::kPackage},
    {"public", Word::kPublic},
    {"protected", Word::kProtected},
    {"private", Word::kPrivate},
    {"operator", Word::kOperator},
    {"void", Word::kVoid},
    {"realloc", Word::kRealloc},
    {"continue", Word::kContinue},
    {"try", Word::kTry},
    {"catch", Word::kCatch},
    {"throw", Word::kThrow},
    {"event", Word::kEvent},
    {"final", Word::kFinal},
    {"extends", Word::kExtends},
    {"implements", Word::kImplements},
    {"where", Word::kWhere},
    {"static", Word::kStatic},
    {"get", Word::kGet},
    {"set", Word::kSet},
    {"or", Word::kOr},
    {"and", Word::kAnd},
    {"this", Word::kThis},
    {"true", Word::kTrue},
    {"false", Word::kFalse},
    {"asm", Word::kAsm},
    {"bool", Word::kBool},
    {"const_cast", Word::kConstCast},
    {"dynamic_cast", Word::kDynamicCast},
    {"mutable", Word::kMutable},
    {"overload", Word::kOverload},
    {"reinterpret_cast", Word::kReinterpretCast},
    {"static_cast", Word::kStaticCast},
    {"typeid", Word::kTypeid},
    {"wchar_t", Word::kWcharT},
    {"extern", Word::kExtern},
};

constexpr int kMaxWordLength = 16;
static_assert(kMaxWordLength < 32, "CouldBeWord tests one bit of 32 by length");
constexpr int kTableBits = 8;
constexpr int kTableSize = 1 << kTableBits;  // well above the word count

// A word of 2 to 16 characters is known by its length and two machine
// words of its text: for 8 or more characters the first and the last
// eight (overlapping), for 4 to 7 the first and the last four, for 2 or 3
// the first, middle and last character. Together they cover every
// character, so equal keys mean equal texts; the loads stay inside the
// text.
struct Key {
  uint64_t head = 0, tail = 0;
};

// `n` bytes from p as a number, in the machine's byte order (as memcpy
// would load them; usable at compile time).
constexpr uint64_t Bytes(const char* p, int n) {
  uint64_t v = 0;
  for (int k = 0; k < n; ++k) {
    const int shift = std::endian::native == std::endian::little ? 8 * k : 8 * (n - 1 - k);
    v |= uint64_t{static_cast<unsigned char>(p[k])} << shift;
  }
  return v;
}

template <int N>
uint64_t Load(const char* p) {
  if constexpr (N == 8) {
    uint64_t v;
    std::memcpy(&v, p, 8);
    return v;
  } else {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
  }
}

constexpr Key KeyOf(const char* s, int length) {
  if (length >= 8) return {Bytes(s, 8), Bytes(s + length - 8, 8)};
  if (length >= 4) return {Bytes(s, 4), Bytes(s + length - 4, 4)};
  return {Bytes(s, 1) | Bytes(s + length / 2, 1) << 8, Bytes(s + length - 1, 1)};
}

// KeyOf with machine loads, for the lookups.
Key LoadKey(const char* s, int length) {
  if (length >= 8) return {Load<8>(s), Load<8>(s + length - 8)};
  if (length >= 4) return {Load<4>(s), Load<4>(s + length - 4)};
  return {static_cast<unsigned char>(s[0]) |
              uint64_t{static_cast<unsigned char>(s[length / 2])} << 8,
          static_cast<unsigned char>(s[length - 1])};
}

constexpr unsigned Hash(const Key& key, int length) {
  const uint64_t h = (key.head ^ (key.tail * 0x9E3779B97F4A7C15ull) ^ static_cast<uint64_t>(length)) *
                     0xC2B2AE3D27D4EB4Full;
  return static_cast<unsigned>(h >> (64 - kTableBits));
}

struct Slot {
  Key key;
  uint8_t length = 0;  // 0: empty
  Word word = Word::kNone;
};

// Open-addressed table of the words by their keys.
struct Table {
  Slot slot[kTableSize] = {};
  constexpr Table() {
    for (const Entry& e : kWords) {
      int length = 0;
      while (e.text[length] != '\0') ++length;
      const Key key = KeyOf(e.text, length);
      unsigned h = Hash(key, length);
      while (slot[h].length != 0) h = (h + 1) & (kTableSize - 1);
      slot[h] = {key, static_cast<uint8_t>(length), e.word};
    }
  }
};

constexpr Table kTable;

// By the character at `position` (0: the first, 1: the second).
constexpr std::array<uint32_t, 256> WordLengths(int position) {
  std::array<uint32_t, 256> bits{};
  for (const Entry& e : kWords) {
    int length = 0;
    while (e.text[length] != '\0') ++length;
    bits[static_cast<unsigned char>(e.text[position])] |= uint32_t{1} << length;
  }
  return bits;
}

}  // namespace

constinit const std::array<uint32_t, 256> kWordLengthsByFirst = WordLengths(0);
constinit const std::array<uint32_t, 256> kWordLengthsBySecond = WordLengths(1);

Word LookupWord(const char* s, int length) {
  if (length < 2 || length > kMaxWordLength) return Word::kNone;
  const Key key = LoadKey(s, length);
  for (unsigned h = Hash(key, length);; h = (h + 1) & (kTableSize - 1)) {
    const Slot& slot = kTable.slot[h];
    if (slot.length == 0) return Word::kNone;
    if (slot.length == length && slot.key.head == key.head && slot.key.tail == key.tail) {
      return slot.word;
    }
  }
}

const char* WordText(Word w) {
  for (const Entry& e : kWords) {
    if (e.word == w) return e.text;
  }
  return "";
}

}  // namespace zav
