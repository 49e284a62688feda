// Languages: the extension table, the current file's language flags and the
// per-language totals.
//
// Owned by src/analysis/ (language.cc registers the table, sets the flags
// per file and files the per-language totals). Reports read the totals.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "zav/settings.h"

namespace zav {

// Position of a language in the table registered at start; -1 for an
// extension that no language lists.
enum LanguageKind : int {
  kLangUnknown = -1,
  kLangOther = 0,
  kLangC = 1,
  kLangCHeader = 2,
  kLangCpp = 3,
  kLangCppHeader = 4,
  kLangJava = 5,
  kLangCSharp = 6,
  kLangKindCount = 7
};

inline constexpr int kMaxLanguages = 1024;
inline constexpr int kMaxExtensionsPerLanguage = 81;
inline constexpr size_t kLanguageNameMax = 40;

struct LanguageEntry {
  int id = 0;
  std::string name;
  std::vector<std::string> extensions;
};

// The flags that the analyser tests; never the kind itself.
struct LanguageFlags {
  bool c = false;
  bool cpp = false;
  bool java = false;
  bool csharp = false;
  bool header = false;
  bool other = false;

  // The language group (a LanguageGroup of settings.h) of the file, chosen
  // in the order header, C, C++, Java, C#, other.
  int Group() const {
    if (header) return kGroupHeader;
    if (c) return kGroupC;
    if (cpp) return kGroupCpp;
    if (java) return kGroupJava;
    if (csharp) return kGroupCSharp;
    return kGroupOther;
  }
};

// Line sums of one language group (see LanguageGroup in settings.h).
struct LanguageLines {
  int64_t loc = 0, eloc = 0, lloc = 0, comments = 0, blanks = 0, lines = 0;
};

struct LanguageState {
  std::vector<LanguageEntry> table;  // index == id
  int count = -1;                    // id of the last entry
  int current_kind = kLangUnknown;   // kind of the file being analysed
  LanguageFlags flags;               // flags of the file being analysed

  // Per-language file counts, by LanguageKind 0..6.
  std::array<int32_t, kLangKindCount> file_counts{};
  // Line sums per language group (header, C, C++, Java, C#, Other).
  std::array<LanguageLines, 6> group_lines{};
};

}  // namespace zav
