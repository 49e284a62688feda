// Lookup of the words the analyser reacts to.
//
// The line analyser scans each identifier outside comments, strings and
// character literals once and asks this table whether it is a word of
// interest; constant time per identifier.
#pragma once

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
  kCount
};

// The word spelled by s[0..length), or Word::kNone.
Word LookupWord(const char* s, int length);

// The spelling of a word ("" for kNone).
const char* WordText(Word w);

// Character classes used by the per-character loops.
inline bool IsIdentChar(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         (c >= '0' && c <= '9') || c == '_';
}
inline bool IsIdentStart(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

}  // namespace zav
