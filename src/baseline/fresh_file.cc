#include "baseline/fresh_file.h"

#include <fcntl.h>
#include <unistd.h>

namespace zav {

std::FILE* OpenFresh(const std::string& path) {
  ::unlink(path.c_str());
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return nullptr;
  std::FILE* f = ::fdopen(fd, "wb");
  if (f == nullptr) ::close(fd);
  return f;
}

bool FinishFresh(std::FILE* f, const std::string& temp, const std::string& path) {
  const bool written = std::ferror(f) == 0;
  const bool closed = std::fclose(f) == 0;
  if (written && closed && std::rename(temp.c_str(), path.c_str()) == 0) return true;
  ::unlink(temp.c_str());
  return false;
}

}  // namespace zav
