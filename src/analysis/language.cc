#include "analysis/language.h"

#include <strings.h>

#include <cstdio>
#include <cstring>

#include "base/output.h"

namespace zav {
namespace {

std::vector<std::string> SplitExtensions(const std::string& list) {
  std::vector<std::string> pieces;
  size_t i = 0;
  while (i < list.size()) {
    while (i < list.size() && std::strchr(" \t,", list[i]) != nullptr) ++i;
    size_t j = i;
    while (j < list.size() && std::strchr(" \t,", list[j]) == nullptr) ++j;
    if (j > i) pieces.push_back(list.substr(i, j - i));
    i = j;
  }
  return pieces;
}

void StoreExtensions(GlobalData& G, LanguageEntry& entry,
                     const std::string& list) {
  entry.extensions.clear();
  for (std::string& piece : SplitExtensions(list)) {
    if (static_cast<int>(entry.extensions.size()) >= kMaxExtensionsPerLanguage) {
      PutText(G, "\n  Error: Max ULPI extensions reached\n");
      continue;
    }
    entry.extensions.push_back(std::move(piece));
  }
}

}  // namespace

int RegisterLanguage(GlobalData& G, const std::string& name,
                     const std::string& extensions) {
  LanguageState& lang = G.lang;
  ++lang.count;
  if (lang.count >= kMaxLanguages) {
    PutText(G, "\n  Error: Max Universal Language PlugIn reached\n");
    return lang.count;
  }
  LanguageEntry entry;
  entry.id = lang.count;
  entry.name = name.substr(0, kLanguageNameMax);
  StoreExtensions(G, entry, extensions);
  lang.table.push_back(std::move(entry));
  return lang.count;
}

void RegisterLanguages(GlobalData& G) {
  const Settings& s = G.settings;
  RegisterLanguage(G, "Other", s.other_extensions);
  RegisterLanguage(G, "C", s.c_extensions);
  RegisterLanguage(G, "C Header", s.c_header_extensions);
  RegisterLanguage(G, "C++", s.cpp_extensions);
  RegisterLanguage(G, "C++ Header", s.cpp_header_extensions);
  RegisterLanguage(G, "Java", s.java_extensions);
  RegisterLanguage(G, "C#", s.csharp_extensions);

  // The accepted extensions are the union of the registered lists.
  G.settings.allowable_extensions = JoinedExtensions(G);
}

std::string JoinedExtensions(const GlobalData& G) {
  std::string joined;
  for (const LanguageEntry& entry : G.lang.table) {
    for (const std::string& ext : entry.extensions) {
      if (joined.size() + ext.size() + 1 > kTextMax) break;
      if (!joined.empty()) joined.push_back(',');
      joined += ext;
    }
  }
  return joined;
}

void ReplaceLanguageExtensions(GlobalData& G, int id,
                               const std::string& extensions) {
  if (id < 0 || id >= static_cast<int>(G.lang.table.size())) return;
  StoreExtensions(G, G.lang.table[id], extensions);
}

bool FileExtension(const GlobalData& G, const std::string& name,
                   std::string& extension) {
  extension.clear();
  // A version-extended name "file.c@@/main/3": the extension stands
  // between the last "." before the last "@@" and that pair.
  size_t at = name.rfind("@@");
  bool found = false;
  if (at != std::string::npos) {
    size_t dot = name.rfind('.', at == 0 ? 0 : at - 1);
    if (dot != std::string::npos && dot < at) {
      std::string between = name.substr(dot + 1, at - dot - 1);
      if (between.find_first_of("/\\") == std::string::npos) {
        extension = between;
        found = true;
      }
    }
  }
  if (!found) {
    size_t dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    extension = name.substr(dot + 1, 254);
  }
  if (G.sw.debug) {
    std::printf("*** Debug: File Extension: %s\n\n", extension.c_str());
  }
  return true;
}

int FindLanguage(const GlobalData& G, const std::string& extension) {
  const bool exact = G.settings.case_sensitive_names;
  for (const LanguageEntry& entry : G.lang.table) {
    for (const std::string& ext : entry.extensions) {
      bool equal = exact ? ext == extension
                         : strcasecmp(ext.c_str(), extension.c_str()) == 0;
      if (equal) return entry.id;
    }
  }
  return kLangUnknown;
}

int SetFileLanguage(GlobalData& G, const std::string& name, bool count) {
  LanguageState& lang = G.lang;
  lang.flags = LanguageFlags{};
  std::string extension;
  if (!FileExtension(G, name, extension)) return lang.current_kind;
  int kind = FindLanguage(G, extension);
  lang.current_kind = kind;
  LanguageFlags& f = lang.flags;
  switch (kind) {
    case kLangUnknown:
      return kind;
    case kLangC:
      f.c = true;
      break;
    case kLangCHeader:
      f.header = true;
      if (G.settings.TreatCHeadersAsCpp()) {
        f.cpp = true;
      } else {
        f.c = true;
      }
      break;
    case kLangCpp:
      f.cpp = true;
      break;
    case kLangCppHeader:
      f.header = true;
      f.cpp = true;
      break;
    case kLangJava:
      f.java = true;
      break;
    case kLangCSharp:
      f.csharp = true;
      break;
    default:
      f.other = true;
      break;
  }
  if (count) {
    int slot = (kind >= kLangC && kind <= kLangCSharp) ? kind : kLangOther;
    ++lang.file_counts[slot];
  }
  return kind;
}

}  // namespace zav
