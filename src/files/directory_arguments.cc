#include "files/directory_arguments.h"

#include <sys/stat.h>

#include <cstdio>
#include <string_view>

#include "files/descent.h"
#include "base/output.h"
#include "base/xml_text.h"

namespace zav {
namespace {

bool IsDirectory(const char* name) {
  struct stat st;
  return ::stat(name, &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

bool DescendDirectoryArguments(GlobalData& G, FileCollector& collector,
                               int first_file_argument) {
  bool any = false;
  for (int i = first_file_argument; i < G.run.argc; ++i) {
    const char* name = G.run.argv[i];
    if (name == nullptr || !IsDirectory(name)) continue;
    DescendDirectory(collector, name, G.settings.allowable_extensions, true);
    any = true;
  }
  return any;
}

bool RejectDirectoryArgument(GlobalData& G, const char* name) {
  // "." and ".." stay what they always were: names without an extension,
  // passed over silently.
  const std::string_view shown(name);
  if (shown == "." || shown == ".." || !IsDirectory(name)) return false;
  static constexpr const char* kMessage =
      "\n  Error: Input file [%s] is a directory\n"
      "         Use -r to descend directories\n";
  Print(G, kMessage, MessageName(G, name).c_str());
  std::fprintf(stderr, kMessage, name);
  return true;
}

}  // namespace zav
