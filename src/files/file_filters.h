// The filters every candidate file passes: extension, path pattern and
// excluded directory names.
#pragma once

#include <string>
#include <vector>

#include "zav/global_data.h"

namespace zav {

// The extension of a file name as the languages see it (version-extended
// "@@" names included). False when the name has none: no ".", nothing
// after the last ".", or the last "." belongs to a directory ("./README").
bool NameExtension(const GlobalData& G, const std::string& name,
                   std::string& extension);

// Header files (their extension begins with "h" or "H") go before all
// other files.
bool IsHeaderExtension(const std::string& extension);

// The words of `list`, split at any of `separators`.
std::vector<std::string> SplitWords(const std::string& list,
                                    const char* separators);

// True when one of the words of `list` equals `word`; `exact` compares
// bytes, otherwise letter case is ignored.
bool ListHasWord(const std::string& list, const char* separators,
                 const std::string& word, bool exact);

// True when the extension may be processed: always when validation is off;
// otherwise when it is one of the allowable extensions (blank, tab or
// comma separated), compared by the case-sensitivity setting.
bool ExtensionIsValid(const Settings& settings, const std::string& extension);

// True when directory exclusion is on and `name` is one of the excluded
// directory names.
bool DirectoryIsExcluded(const Settings& settings, const std::string& name);

// The path pattern filter. The patterns are split at commas, tabs and line
// ends; a path is filtered when one of them occurs anywhere in it. When
// names are not case sensitive both sides are compared in lower case.
class PathFilter {
 public:
  explicit PathFilter(const Settings& settings);
  bool Filtered(const std::string& path) const;

 private:
  bool active_ = false;
  bool exact_ = false;
  std::vector<std::string> patterns_;
};

}  // namespace zav
