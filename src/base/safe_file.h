// Writing the files the program generates (reports, listings,
// configuration) without ever harming a file that is not theirs.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdio>
#include <string>

namespace zav {

// Opens `path` for writing, creating or truncating it, but never through a
// symbolic link at that name (the open fails with ELOOP), except a link to
// a standard stream, device, FIFO or socket (-O /dev/stdout), which is
// opened as it is. Sets errno and returns null on failure.
FILE* OpenGeneratedFile(const std::string& path);

// Opens an existing file for reading (`update`: reading and writing)
// without ever blocking: a FIFO, device or socket at the name is not read
// but closed again at once, and `not_regular` is set. Null with errno set
// when the file cannot be opened.
FILE* OpenRegularFile(const std::string& path, bool update, bool& not_regular);

// The same as a descriptor, with the file's status in `info`; -1 with
// errno set when it cannot be opened.
int OpenRegularDescriptor(const std::string& path, bool update, bool& not_regular,
                          struct stat& info);

// A file written beside its final name and moved into place in one step,
// so that the name holds the old content or the new, never a part of it,
// whenever the process is stopped.
class ReplacementFile {
 public:
  ReplacementFile() = default;
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;
  ~ReplacementFile();  // discards a file that was not committed

  // Starts the new content of `path` with permission bits `mode` (before
  // the umask when `apply_umask`). False (errno set) when it cannot.
  bool Open(const std::string& path, mode_t mode, bool apply_umask);
  FILE* stream() const { return out_; }

  // Gives the new file this owner; false when that is not allowed.
  bool SetOwner(uid_t uid, gid_t gid);

  // Moves the content into place. With `replace` an existing file (or
  // link) at the name is replaced; without it the commit fails (EEXIST)
  // when the name exists. False when any write failed or the move did not
  // happen; the name is then unchanged.
  bool Commit(bool replace);

 private:
  void Discard();

  std::string path_;
  std::string temp_;  // the named temporary file, when one was needed
  FILE* out_ = nullptr;
};

// The name of the temporary file a ReplacementFile uses for `path` when the
// file system cannot create unnamed files.
std::string TemporaryNameFor(const std::string& path, long pid);

// Removes the temporary files of `path` left by processes that no longer
// run (a run killed between writing and renaming).
void RemoveStaleTemporaries(const std::string& path);

}  // namespace zav
