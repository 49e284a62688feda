#include "base/keywords.h"

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
constexpr int kTableSize = 512;  // power of two, well above the word count

constexpr unsigned Hash(const char* s, int length) {
  unsigned h = static_cast<unsigned>(length) * 31u;
  h = h * 131u + static_cast<unsigned char>(s[0]);
  h = h * 131u + static_cast<unsigned char>(s[length - 1]);
  if (length > 2) h = h * 131u + static_cast<unsigned char>(s[length / 2]);
  return h & (kTableSize - 1);
}

// Open-addressed table of indexes into kWords (+1; 0 is empty).
struct Table {
  unsigned char slot[kTableSize] = {};
  constexpr Table() {
    for (unsigned i = 0; i < sizeof(kWords) / sizeof(kWords[0]); ++i) {
      int length = 0;
      while (kWords[i].text[length] != '\0') ++length;
      unsigned h = Hash(kWords[i].text, length);
      while (slot[h] != 0) h = (h + 1) & (kTableSize - 1);
      slot[h] = static_cast<unsigned char>(i + 1);
    }
  }
};

constexpr Table kTable;

// `last`: by the last character instead of the first.
constexpr std::array<uint32_t, 128> WordLengths(bool last) {
  std::array<uint32_t, 128> bits{};
  for (const Entry& e : kWords) {
    int length = 0;
    while (e.text[length] != '\0') ++length;
    bits[static_cast<unsigned char>(e.text[last ? length - 1 : 0])] |= uint32_t{1} << length;
  }
  return bits;
}

}  // namespace

constinit const std::array<uint32_t, 128> kWordLengthsByFirst = WordLengths(false);
constinit const std::array<uint32_t, 128> kWordLengthsByLast = WordLengths(true);

Word LookupWord(const char* s, int length) {
  if (length < 2 || length > kMaxWordLength) return Word::kNone;
  // Every word starts with a lower-case letter or "_".
  if ((s[0] < 'a' || s[0] > 'z') && s[0] != '_') return Word::kNone;
  unsigned h = Hash(s, length);
  while (kTable.slot[h] != 0) {
    const Entry& e = kWords[kTable.slot[h] - 1];
    int k = 0;
    while (k < length && e.text[k] == s[k]) ++k;
    if (k == length && e.text[length] == '\0') return e.word;
    h = (h + 1) & (kTableSize - 1);
  }
  return Word::kNone;
}

const char* WordText(Word w) {
  for (const Entry& e : kWords) {
    if (e.word == w) return e.text;
  }
  return "";
}

}  // namespace zav
