#include "files/file_set.h"

#include <sys/stat.h>

#include "analysis/language.h"

namespace zav {

int BuildFileSet(GlobalData& G, int first_file_argument) {
  std::vector<FileEntry> headers, sources;
  for (int i = first_file_argument; i < G.run.argc; ++i) {
    FileEntry entry;
    entry.name = G.run.argv[i];
    std::string extension;
    if (!FileExtension(G, entry.name, extension)) continue;
    struct stat st;
    if (::stat(entry.name.c_str(), &st) == 0) {
      entry.time = st.st_mtime;
      entry.size = st.st_size;
    }
    bool header = !extension.empty() && (extension[0] == 'h' || extension[0] == 'H');
    (header ? headers : sources).push_back(std::move(entry));
  }
  G.files.entries = std::move(headers);
  for (FileEntry& e : sources) G.files.entries.push_back(std::move(e));
  return static_cast<int>(G.files.entries.size());
}

}  // namespace zav
