#include "analysis/macro_file.h"

#include <cstdio>
#include <cstring>

#include "analysis/line_reader.h"

namespace zav {
namespace {

void CreateMacroFile(const GlobalData& G) {
  FILE* f = std::fopen(G.run.macro_path.c_str(), "w+b");
  if (f == nullptr) return;  // silently skipped
  std::fprintf(f,
               "# Zavoran Version %s\n# Predefined Language Macro File\n"
               "# Place each macro on a single line followed by a carriage "
               "return\n# Each line starting with a # sign denotes a comment "
               "line\n",
               G.settings.version.c_str());
  std::fputs("\n# Win32 macros effecting data and functions\n", f);
  std::fputs("__declspec\n", f);
  std::fputs("DECLSPEC_UUID\n", f);
  std::fputs("DECLARE_MESSAGE_MAP\n", f);
  std::fputs("afx_msg\n", f);
  std::fputs("ATL_NO_VTABLE\n", f);
  std::fputs("\n# gcc language extension macros effecting data and functions\n",
             f);
  std::fputs("__attribute__\n", f);
  std::fputs("\n# End of File\n", f);
  std::fclose(f);
}

}  // namespace

int LoadMacroFile(GlobalData& G) {
  FILE* f = std::fopen(G.run.macro_path.c_str(), "rb");
  if (f == nullptr) {
    CreateMacroFile(G);
    return 0;
  }
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
  std::fclose(f);
  return loaded;
}

}  // namespace zav
