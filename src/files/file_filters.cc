#include "files/file_filters.h"

#include <strings.h>

#include <cctype>
#include <cstdint>
#include <cstring>

#include "analysis/language.h"

namespace zav {
namespace {

std::string Lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

bool NameExtension(const GlobalData& G, const std::string& name,
                   std::string& extension) {
  if (!FileExtension(G, name, extension)) return false;
  if (extension.empty()) return false;
  return extension.find_first_of("/\\") == std::string::npos;
}

bool IsHeaderExtension(const std::string& extension) {
  return !extension.empty() && (extension[0] == 'h' || extension[0] == 'H');
}

std::vector<std::string> SplitWords(const std::string& list,
                                    const char* separators) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < list.size()) {
    size_t j = i;
    while (j < list.size() && std::strchr(separators, list[j]) == nullptr) ++j;
    if (j > i) words.push_back(list.substr(i, j - i));
    i = j + 1;
  }
  return words;
}

bool ListHasWord(const std::string& list, const char* separators,
                 const std::string& word, bool exact) {
  if (word.empty()) return false;
  // The separators below 64 as a bit set (with the NUL, which strchr
  // finds too); any others are looked up with strchr.
  uint64_t low = 1;
  bool high = false;
  for (const char* s = separators; *s != '\0'; ++s) {
    const unsigned char c = static_cast<unsigned char>(*s);
    if (c < 64) {
      low |= uint64_t{1} << c;
    } else {
      high = true;
    }
  }
  const auto is_separator = [&](unsigned char c) {
    return c < 64 ? ((low >> c) & 1) != 0
                  : high && std::strchr(separators, static_cast<char>(c)) != nullptr;
  };
  // The words of the list as SplitWords cuts them, compared in place.
  size_t i = 0;
  while (i < list.size()) {
    size_t j = i;
    while (j < list.size() && !is_separator(static_cast<unsigned char>(list[j]))) ++j;
    const size_t n = j - i;
    if (n > 0 && n == word.size() &&
        (exact ? list.compare(i, n, word) == 0
               : strncasecmp(list.data() + i, word.c_str(), n) == 0)) {
      return true;
    }
    i = j + 1;
  }
  return false;
}

bool ExtensionIsValid(const Settings& settings, const std::string& extension) {
  if (!settings.validate_extensions) return true;
  return ListHasWord(settings.allowable_extensions, " \t,", extension,
                     settings.case_sensitive_names);
}

bool DirectoryIsExcluded(const Settings& settings, const std::string& name) {
  if (!settings.exclude_directories) return false;
  return ListHasWord(settings.excluded_directory_names, " \t,", name,
                     settings.case_sensitive_names);
}

PathFilter::PathFilter(const Settings& settings)
    : active_(settings.pattern_filter_active),
      exact_(settings.case_sensitive_names) {
  if (!active_) return;
  const std::string list =
      exact_ ? settings.pattern_filter : Lowered(settings.pattern_filter);
  patterns_ = SplitWords(list, ",\t\r\n");
}

bool PathFilter::Filtered(const std::string& path) const {
  if (!active_ || patterns_.empty()) return false;
  const std::string subject = exact_ ? path : Lowered(path);
  for (const std::string& pattern : patterns_) {
    if (subject.find(pattern) != std::string::npos) return true;
  }
  return false;
}

}  // namespace zav
