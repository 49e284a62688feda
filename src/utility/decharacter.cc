#include "utility/decharacter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "report/file_reports.h"
#include "base/output.h"

namespace zav {
namespace {

// The reads of the conversion are counted as 4,096-byte line reads: a line
// longer than 4,095 characters counts once per piece. The conversion itself
// works on whole lines, so a line end cut between two pieces is still seen
// as one line end.
constexpr size_t kReadPiece = 4095;

struct FileCloser {
  void operator()(FILE* f) const {
    if (f != nullptr) std::fclose(f);
  }
};
using FileHandle = std::unique_ptr<FILE, FileCloser>;

// The growing line buffer of getline, freed at the end of the file.
struct LineBuffer {
  char* data = nullptr;
  size_t capacity = 0;
  ~LineBuffer() { std::free(data); }
};

// -Du: a line ending in CR LF ends in LF alone. Only the carriage return
// of the line end goes; one inside the line is text and stays.
void RemoveCarriageReturn(std::string& line) {
  const size_t n = line.size();
  if (n >= 2 && line[n - 1] == '\n' && line[n - 2] == '\r') {
    line.erase(n - 2, 1);
  }
}

// -Dd: a line ending in LF and holding no carriage return ends in CR LF.
void AddCarriageReturn(std::string& line) {
  if (line.empty() || line.back() != '\n') return;
  if (line.find('\r') != std::string::npos) return;
  line.insert(line.size() - 1, 1, '\r');
}

void Announce(GlobalData& G) {
  const Switches& sw = G.sw;
  if (sw.dechar_tabs) PutText(G, "  Removing Tabs '\\t' from file\n");
  if (sw.dechar_remove_cr) {
    PutText(G, "  Removing Carriage Returns '\\r' from file\n");
  } else if (sw.dechar_add_cr) {
    PutText(G, "  Adding Carriage Returns '\\r' to file\n");
  }
}

// The file the conversion replaces: the target of a symbolic link, so that
// the link stays a link. (A file with several hard links is replaced under
// the name given; its other names keep the old text.)
std::string TargetPath(const std::string& name) {
  struct stat st;
  if (lstat(name.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    char resolved[PATH_MAX];
    if (realpath(name.c_str(), resolved) != nullptr) return resolved;
  }
  return name;
}

// A fresh temporary file with the source's permission bits. A stale file
// of that name is removed first, so nothing it held can precede the new
// text, and a link planted at that name is never written through.
FileHandle CreateTemporary(const std::string& path, mode_t mode) {
  struct stat st;
  if (lstat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) unlink(path.c_str());
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                      mode & 0777);
  if (fd < 0) return nullptr;
  FILE* f = fdopen(fd, "wb");
  if (f == nullptr) {
    const int saved = errno;
    close(fd);
    errno = saved;
  }
  return FileHandle(f);
}

struct Conversion {
  int32_t lines = 0;
  TabExpansion tabs;
  size_t bytes_written = 0;
  bool write_failed = false;
  int error = 0;  // errno of the first failure
};

// Reads the source line by line and writes the converted text. Every byte
// read is written: a last line without a line end, whatever its first
// character, and NUL bytes inside a line are kept.
void Convert(GlobalData& G, FILE* source, FILE* target, Conversion& c) {
  const Switches& sw = G.sw;
  LineBuffer buffer;
  std::string line;
  ssize_t n;
  while ((n = getline(&buffer.data, &buffer.capacity, source)) > 0) {
    const char* raw = buffer.data;
    const size_t length = static_cast<size_t>(n);
    c.lines += static_cast<int32_t>((length + kReadPiece - 1) / kReadPiece);
    line.clear();
    if (sw.dechar_tabs) {
      ExpandTabs(std::string_view(raw, length), G.settings.tab_spaces, c.tabs, line);
    } else {
      line.assign(raw, length);
    }
    if (sw.dechar_remove_cr) {
      RemoveCarriageReturn(line);
    } else if (sw.dechar_add_cr) {
      AddCarriageReturn(line);
    }
    if (std::fwrite(line.data(), 1, line.size(), target) != line.size()) {
      c.write_failed = true;
      c.error = errno;
      return;
    }
    c.bytes_written += line.size();
  }
  if (std::ferror(source)) {
    c.write_failed = true;  // the new text would be incomplete
    c.error = errno;
  }
}

// Flushes the temporary file to the disk, gives it the source's owner and
// permission bits, and closes it. False (errno set) when any step fails.
bool Finish(FileHandle& target, const struct stat& source) {
  FILE* f = target.get();
  bool ok = std::fflush(f) == 0 && fsync(fileno(f)) == 0;
  // Only the superuser can hand a file to another owner; others keep theirs.
  if (ok && fchown(fileno(f), source.st_uid, source.st_gid) != 0) errno = 0;
  ok = ok && fchmod(fileno(f), source.st_mode & 07777) == 0;
  const int saved = errno;
  const bool closed = std::fclose(target.release()) == 0;
  if (ok) return closed;
  errno = saved;
  return false;
}

void UpdateFailure(GlobalData& G, const std::string& temporary, int error) {
  Print(G,
        "\n  Error: Failure to update source file.\n"
        "         Modified source in file: %s\n"
        "         %s\n\n",
        temporary.c_str(), std::strerror(error));
}

}  // namespace

void ExpandTabs(std::string_view line, int tab_width, TabExpansion& state,
                std::string& out) {
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"') {
      const bool escaped = i >= 1 && line[i - 1] == '\\' && !(i >= 2 && line[i - 2] == '\\');
      if (!escaped) state.in_string = !state.in_string;
    } else if (c == '\t' && !state.in_string) {
      out.append(static_cast<size_t>(tab_width > 0 ? tab_width : 0), ' ');
      ++state.tabs_replaced;
      continue;
    }
    out += c;
  }
}

int DecharacterFile(GlobalData& G, FILE* file, const FileEntry& entry) {
  FileHandle source(file);
  const std::string target_path = TargetPath(entry.name);
  const std::string temporary = target_path + ".tmp";
  WriteFileHeader(G, entry.name, entry.time, entry.size);
  if (G.sw.dechar_remove_cr && G.sw.dechar_add_cr) {
    PutText(G, "  Error: Cannot De-Dos and Make Dos at the same time\n");
    return 0;
  }
  Announce(G);
  struct stat source_stat {};
  if (fstat(fileno(file), &source_stat) != 0) {
    source_stat.st_mode = 0644;
    source_stat.st_uid = geteuid();
    source_stat.st_gid = getegid();
  }
  FileHandle target = CreateTemporary(temporary, source_stat.st_mode);
  if (!target) {
    Print(G, "\n  Error: Cannot open the specified file: %s\n  %s\n\n", temporary.c_str(),
          std::strerror(errno));
    return 0;
  }
  Conversion c;
  Convert(G, file, target.get(), c);
  source.reset();
  if (c.write_failed) {
    target.reset();
    UpdateFailure(G, temporary, c.error);
    return 0;
  }
  if (!Finish(target, source_stat)) {
    UpdateFailure(G, temporary, errno);
    return 0;
  }
  // An empty source gives no new text: nothing replaces it.
  if (c.bytes_written == 0) {
    UpdateFailure(G, temporary, ENODATA);
    return 0;
  }
  if (std::rename(temporary.c_str(), target_path.c_str()) != 0) {
    UpdateFailure(G, temporary, errno);
    return 0;
  }
  if (G.sw.dechar_tabs) {
    Print(G, "  Complete - Lines = %d, Tabs Replaced = %d\n", c.lines, c.tabs.tabs_replaced);
  } else {
    Print(G, "  Complete - Lines = %d\n", c.lines);
  }
  return 1;
}

}  // namespace zav
