// The language table: registration, file extensions and the current file's
// language flags.
#pragma once

#include <string>

#include "zav/global_data.h"

namespace zav {

// Registers a language with its comma/blank separated extension list and
// returns its id (the current count when the table is full).
int RegisterLanguage(GlobalData& G, const std::string& name,
                     const std::string& extensions);

// Registers the seven languages in their fixed order from the settings and
// rebuilds the allowable-extensions setting from them.
void RegisterLanguages(GlobalData& G);

// The extensions of every registered language, comma-joined in table
// order (at most 2,047 characters).
std::string JoinedExtensions(const GlobalData& G);

// Replaces the extension list of an already registered language.
void ReplaceLanguageExtensions(GlobalData& G, int id,
                               const std::string& extensions);

// The extension of a file name; false when it has none.
bool FileExtension(const GlobalData& G, const std::string& name,
                   std::string& extension);

// The id of the language listing `extension`, or -1.
int FindLanguage(const GlobalData& G, const std::string& extension);

// Sets the current file's kind and language flags; with `count`, adds one
// to the file count of its kind.
int SetFileLanguage(GlobalData& G, const std::string& name, bool count);

}  // namespace zav
