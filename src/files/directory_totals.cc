#include "files/directory_totals.h"

#include "files/paths.h"

namespace zav {
namespace {

// True when `dir` is `path` or one of the directories above it.
bool Contains(const std::string& dir, const std::string& path) {
  if (path.compare(0, dir.size(), dir) != 0) return false;
  return path.size() == dir.size() || dir == "/" || path[dir.size()] == '/';
}

DirectoryTotal* FindDirectory(GlobalData& G, const std::string& dir) {
  DirectoryTotal* nearest = nullptr;
  for (DirectoryTotal& total : G.files.directories) {
    if (total.absolute == dir) return &total;
    if (total.recursive && Contains(total.absolute, dir) &&
        (nearest == nullptr || total.absolute.size() > nearest->absolute.size())) {
      nearest = &total;
    }
  }
  return nearest;
}

}  // namespace

void RegisterDirectory(GlobalData& G, const std::string& written, bool recursive) {
  std::string absolute = AbsolutePath(written, CurrentDirectory());
  for (DirectoryTotal& total : G.files.directories) {
    if (total.absolute == absolute) {
      total.recursive = total.recursive || recursive;
      return;
    }
  }
  DirectoryTotal total;
  total.name = written;
  total.absolute = std::move(absolute);
  total.recursive = recursive;
  G.files.directories.push_back(std::move(total));
}

void AddToDirectoryTotals(GlobalData& G, const FileEntry& entry) {
  if (G.files.directories.empty()) return;  // spares a getcwd() per file
  const std::string dir =
      AbsolutePath(DirectoryPart(entry.name), CurrentDirectory());
  DirectoryTotal* total = FindDirectory(G, dir);
  if (total == nullptr) return;
  ++total->files;
  total->loc += entry.loc;
  total->eloc += entry.eloc;
  total->lloc += entry.lloc;
  total->comments += entry.comments;
  total->lines += entry.physical_lines;
}

}  // namespace zav
