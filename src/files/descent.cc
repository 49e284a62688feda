#include "files/descent.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "files/paths.h"
#include "base/output.h"
#include "base/xml_text.h"

namespace zav {
namespace {

struct DirEntry {
  std::string name;
  unsigned char type;  // d_type
};

class Descent {
 public:
  Descent(FileCollector& collector, const std::string& extensions, bool recurse)
      : collector_(collector),
        G_(collector.G()),
        extensions_(extensions),
        recurse_(recurse && !collector.G().sw.no_descent) {}

  // `shown` is the directory as named (for the exclusion test), `path` its
  // absolute form.
  void Visit(const std::string& shown, const std::string& path) {
    if (DirectoryIsExcluded(G_.settings, shown)) return;
    std::vector<DirEntry> entries;
    if (!ReadEntries(path, entries)) return;
    for (const DirEntry& entry : entries) {
      const std::string full = JoinPath(path, entry.name);
      switch (Classify(entry, full)) {
        case Kind::kDirectory:
          if (recurse_) Visit(entry.name, full);
          break;
        case Kind::kFile:
          ConsiderFile(entry.name, full);
          break;
        case Kind::kOther:
          break;
      }
    }
  }

 private:
  enum class Kind { kDirectory, kFile, kOther };

  bool ReadEntries(const std::string& path, std::vector<DirEntry>& entries) {
    DIR* dir = ::opendir(path.c_str());
    if (dir == nullptr) {
      Print(G_, "  Open Dir Error: %s : %s\n", MessageName(G_, path).c_str(),
            std::strerror(errno));
      return false;
    }
    while (const dirent* d = ::readdir(dir)) {
      if (std::strcmp(d->d_name, ".") == 0 || std::strcmp(d->d_name, "..") == 0) continue;
      entries.push_back({d->d_name, d->d_type});
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(),
              [](const DirEntry& a, const DirEntry& b) { return a.name < b.name; });
    return true;
  }

  static Kind Classify(const DirEntry& entry, const std::string& full) {
    if (entry.type == DT_DIR) return Kind::kDirectory;
    if (entry.type == DT_REG) return Kind::kFile;
    if (entry.type == DT_LNK) return LinkKind(full);
    if (entry.type != DT_UNKNOWN) return Kind::kOther;
    struct stat st;
    if (::lstat(full.c_str(), &st) != 0) return Kind::kOther;
    if (S_ISDIR(st.st_mode)) return Kind::kDirectory;
    if (S_ISREG(st.st_mode)) return Kind::kFile;
    return S_ISLNK(st.st_mode) ? LinkKind(full) : Kind::kOther;
  }

  // Only links to regular files are taken; directory links are not
  // followed.
  static Kind LinkKind(const std::string& full) {
    struct stat st;
    if (::stat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return Kind::kFile;
    return Kind::kOther;
  }

  void ConsiderFile(const std::string& name, const std::string& full) {
    if (collector_.filter().Filtered(name)) return;
    std::string extension;
    if (!NameExtension(G_, name, extension)) return;
    if (!ListHasWord(extensions_, kDescentExtensionSeparators, extension,
                     G_.settings.case_sensitive_names)) {
      return;
    }
    collector_.Append(full, extension);
    collector_.AdvanceProgress();
  }

  FileCollector& collector_;
  GlobalData& G_;
  const std::string& extensions_;
  const bool recurse_;
};

}  // namespace

void DescendDirectory(FileCollector& collector, const std::string& directory,
                      const std::string& extensions, bool recurse) {
  const bool current = directory.empty() || directory == "*" || directory == "*.*";
  const std::string top = current ? std::string(".") : directory;
  const std::string absolute = AbsolutePath(top, CurrentDirectory());
  Descent(collector, extensions, recurse).Visit(top, absolute);
}

}  // namespace zav

