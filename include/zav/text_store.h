// TextStore: the texts of the run-wide records, copied into blocks that
// never move.
//
// A run keeps a name, a parameter text and a file name for every function
// it reports. The store copies each text given to it into 64 KB blocks, so
// a stored text is a plain, stable pointer to its characters: the four
// bytes before them hold its length and a NUL follows them.
//
// Texts are not looked up to be shared: a table of the distinct texts
// (with their hashes, at most half full) takes more room than the repeats
// it saves on C and C++ code and about as much on Java, and hashing and
// probing it cost every record. Callers share what they know repeats (a
// file's records share its name).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace zav {

class TextStore {
 public:
  // A stored copy of `text`. The empty text is a shared static one and
  // takes no room.
  const char* Store(std::string_view text);

  // The text a pointer from Store() stands for.
  static std::string_view View(const char* stored) {
    uint32_t size = 0;
    std::memcpy(&size, stored - sizeof size, sizeof size);
    return {stored, size};
  }

  // Forgets every text (the pointers given out become invalid); keeps one
  // block for the texts to come.
  void Clear();

  // Bytes taken by the texts stored since the last Clear(), with their
  // length prefixes and NULs.
  size_t bytes() const { return bytes_; }

 private:
  std::vector<std::unique_ptr<char[]>> blocks_;
  size_t used_ = 0;      // bytes taken in blocks_.back()
  size_t capacity_ = 0;  // bytes of blocks_.back()
  size_t bytes_ = 0;
};

}  // namespace zav
