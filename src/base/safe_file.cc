#include "base/safe_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace zav {
namespace {

std::string DirectoryOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// An unnamed file in the directory of `path`: nothing is left behind when
// the process dies before the commit. -1 when the file system has none.
int OpenUnnamed(const std::string& path, mode_t mode) {
#ifdef O_TMPFILE
  return ::open(DirectoryOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
#else
  errno = EOPNOTSUPP;
  return -1;
#endif
}

// Gives the unnamed file open as `out` the name `name`; fails when the
// name exists.
bool LinkUnnamed(FILE* out, const std::string& name) {
  const std::string proc = "/proc/self/fd/" + std::to_string(::fileno(out));
  return ::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// A link is written through only when it names a standard stream
// (/dev/stdout, /dev/stderr, /dev/fd/N: the stream the user's shell set
// up) or leads to a device, FIFO or socket: neither is a file of the
// user's that a report could replace.
bool WritesThroughLink(const std::string& path) {
  if (path == "/dev/stdout" || path == "/dev/stderr" || path.rfind("/dev/fd/", 0) == 0) {
    return true;
  }
  struct stat target;
  return ::stat(path.c_str(), &target) == 0 && !S_ISREG(target.st_mode) &&
         !S_ISDIR(target.st_mode);
}

}  // namespace

FILE* OpenGeneratedFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0 && errno == ELOOP && WritesThroughLink(path)) {
    fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);  // no create, no truncation
  }
  if (fd < 0) return nullptr;
  FILE* out = ::fdopen(fd, "wb");
  if (out == nullptr) {
    const int error = errno;
    ::close(fd);
    errno = error;
  }
  return out;
}

int OpenRegularDescriptor(const std::string& path, bool update, bool& not_regular,
                          struct stat& info) {
  not_regular = false;
  // O_NOCTTY: a terminal named by mistake does not become the process's.
  int fd = ::open(path.c_str(),
                  (update ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return -1;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    not_regular = true;
    ::close(fd);
    errno = EINVAL;
    return -1;
  }
  // O_NONBLOCK only kept the open itself from waiting on a FIFO or device;
  // reads and writes of a regular file never block, so the flag can stay.
  return fd;
}

FILE* OpenRegularFile(const std::string& path, bool update, bool& not_regular) {
  struct stat info;
  const int fd = OpenRegularDescriptor(path, update, not_regular, info);
  if (fd < 0) return nullptr;
  FILE* file = ::fdopen(fd, update ? "r+b" : "rb");
  if (file == nullptr) ::close(fd);
  return file;
}

std::string TemporaryNameFor(const std::string& path, long pid) {
  return path + "." + std::to_string(pid) + ".tmp";
}

ReplacementFile::~ReplacementFile() { Discard(); }

void ReplacementFile::Discard() {
  if (out_ != nullptr) std::fclose(out_);
  out_ = nullptr;
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
}

bool ReplacementFile::Open(const std::string& path, mode_t mode, bool apply_umask) {
  Discard();
  path_ = path;
  int fd = OpenUnnamed(path, mode);
  if (fd < 0) {
    temp_ = TemporaryNameFor(path, static_cast<long>(::getpid()));
    fd = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) {
      temp_.clear();
      return false;
    }
  }
  if (!apply_umask) ::fchmod(fd, mode);
  out_ = ::fdopen(fd, "wb");
  if (out_ == nullptr) {
    ::close(fd);
    Discard();
    return false;
  }
  return true;
}

bool ReplacementFile::SetOwner(uid_t uid, gid_t gid) {
  return out_ != nullptr && ::fchown(::fileno(out_), uid, gid) == 0;
}

bool ReplacementFile::Commit(bool replace) {
  if (out_ == nullptr) return false;
  bool ok = std::fflush(out_) == 0 && std::ferror(out_) == 0 && ::fsync(::fileno(out_)) == 0;
  if (ok && temp_.empty()) {
    if (!replace) {
      ok = LinkUnnamed(out_, path_);
    } else {
      // The name to rename from exists only for the moment of the move.
      temp_ = TemporaryNameFor(path_, static_cast<long>(::getpid()));
      ok = LinkUnnamed(out_, temp_);
      if (!ok) temp_.clear();
    }
  }
  const int close_result = std::fclose(out_);
  out_ = nullptr;
  ok = ok && close_result == 0;
  if (ok && !temp_.empty()) {
    if (replace) {
      ok = std::rename(temp_.c_str(), path_.c_str()) == 0;
    } else {
      ok = ::link(temp_.c_str(), path_.c_str()) == 0;
    }
  }
  const int error = errno;
  Discard();
  errno = error;
  return ok;
}

void RemoveStaleTemporaries(const std::string& path) {
  const std::string prefix = BaseNameOf(path) + ".";
  DIR* dir = ::opendir(DirectoryOf(path).c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.size() <= prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - 4, 4, ".tmp") != 0) {
      continue;
    }
    const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - 4);
    if (digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 9) continue;
    const long pid = std::atol(digits.c_str());
    if (pid <= 0 || pid == static_cast<long>(::getpid())) continue;
    if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;  // still running
    ::unlink((DirectoryOf(path) + "/" + name).c_str());
  }
  ::closedir(dir);
}

}  // namespace zav
