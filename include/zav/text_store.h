// TextStore: the texts of the run-wide records, each distinct text once.
//
// A run keeps a name, a parameter text and a file name for every function
// it reports; most of them repeat ("()", "get", the file's name for each of
// its functions). The store copies each distinct text once into 64 KB
// blocks that never move, so a stored text is a plain, stable pointer to
// its characters: the four bytes before them hold its length and a NUL
// follows them. The lookup table holds only those pointers (8 bytes a
// slot) and is the one part that grows by doubling.
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
  // The stored copy of `text`: equal texts give the same pointer. The empty
  // text is a shared static one and takes no room.
  const char* Intern(std::string_view text);

  // The text a pointer from Intern() stands for.
  static std::string_view View(const char* stored) {
    uint32_t size = 0;
    std::memcpy(&size, stored - sizeof size, sizeof size);
    return {stored, size};
  }

  // Forgets every text (the pointers given out become invalid); keeps one
  // block for the texts to come.
  void Clear();

  size_t distinct() const { return count_; }

 private:
  const char* Append(std::string_view text);
  void Rehash(size_t slot_count);
  static size_t HashOf(std::string_view text);

  std::vector<std::unique_ptr<char[]>> blocks_;
  size_t used_ = 0;      // bytes taken in blocks_.back()
  size_t capacity_ = 0;  // bytes of blocks_.back()
  std::vector<const char*> slots_;  // open addressing; nullptr is free
  size_t count_ = 0;
};

}  // namespace zav
