#include "analysis/macro_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "analysis/line_reader.h"
#include "base/safe_file.h"

namespace zav {
namespace {

std::string DefaultMacroText(const GlobalData& G) {
  return "# Zavoran Version " + G.settings.version +
         "\n# Predefined Language Macro File\n"
         "# Place each macro on a single line followed by a carriage "
         "return\n# Each line starting with a # sign denotes a comment "
         "line\n"
         "\n# Win32 macros effecting data and functions\n"
         "__declspec\n"
         "DECLSPEC_UUID\n"
         "DECLARE_MESSAGE_MAP\n"
         "afx_msg\n"
         "ATL_NO_VTABLE\n"
         "\n# gcc language extension macros effecting data and functions\n"
         "__attribute__\n"
         "\n# End of File\n";
}

// Writes the default content to the macro file: a new file where none
// exists, or in place of an empty regular file (left by a run killed
// while creating it). Anything else at the name is left alone; failures
// are silent.
void WriteDefaultMacroFile(const GlobalData& G, const std::string& text) {
  const std::string& path = G.run.macro_path;
  struct stat old;
  const bool exists = ::lstat(path.c_str(), &old) == 0;
  if (exists && !(S_ISREG(old.st_mode) && old.st_size == 0)) return;
  ReplacementFile file;
  if (!file.Open(path, exists ? old.st_mode & 07777 : 0666, !exists)) return;
  std::fwrite(text.data(), 1, text.size(), file.stream());
  file.Commit(exists);
}

// Adds the macro names of `f`, one a line; returns how many were read.
int LoadMacroNames(GlobalData& G, FILE* f) {
  int loaded = 0;
  SourceBuffer buffer;
  PieceReader reader(f, buffer);
  char* text;
  int length;
  bool at_eof;
  while (reader.Next(text, length, at_eof)) {
    if (text[0] == '#' || text[0] == ' ' || text[0] == '\0' ||
        text[0] == '\n' || text[0] == '\r') {
      continue;
    }
    int n = static_cast<int>(std::strlen(text));
    while (n > 0 && std::strchr(" \t\r\n", text[n - 1]) != nullptr) --n;
    unsigned char first = static_cast<unsigned char>(text[0]);
    if (n > 0 && first > ' ' && first < 127) {
      G.lists.macro_names.insert(std::string_view(text, n));
      ++loaded;
    }
  }
  return loaded;
}

}  // namespace

int LoadMacroFile(GlobalData& G) {
  bool not_regular = false;
  FILE* f = OpenRegularFile(G.run.macro_path, false, not_regular);
  if (f != nullptr) {
    const bool empty = std::fgetc(f) == EOF;
    std::rewind(f);
    const int loaded = empty ? 0 : LoadMacroNames(G, f);
    std::fclose(f);
    if (!empty) return loaded;
  }
  // No usable file: the default content is written for later runs and
  // applies to this one too, so every run gives the same results.
  const std::string text = DefaultMacroText(G);
  WriteDefaultMacroFile(G, text);
  FILE* defaults = ::fmemopen(const_cast<char*>(text.data()), text.size(), "rb");
  if (defaults == nullptr) return 0;
  const int loaded = LoadMacroNames(G, defaults);
  std::fclose(defaults);
  return loaded;
}

}  // namespace zav
