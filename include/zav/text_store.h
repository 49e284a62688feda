// TextStore: the texts of the run-wide records, each distinct text once.
//
// A run keeps a name, a parameter text and a file name for every function
// it reports; most of them repeat ("()", "get", the file's name for each of
// its functions). The store copies each distinct text once into 64 KB
// blocks that never move, so a stored text is a plain, stable pointer to
// its characters: the four bytes before them hold its length and a NUL
// follows them. The lookup table is the one part that grows by doubling.
//
// A run-wide table outgrows the cache, so each probe is a likely miss;
// a slot keeps the text's full hash beside its pointer, so that a probe
// reads a stored text only when the hashes agree (nearly always the text
// asked for), and growth re-places the slots from their hashes alone,
// without reaching every stored text.
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
  struct Slot {
    size_t hash = 0;
    const char* text = nullptr;  // nullptr: the slot is free
  };
  std::vector<Slot> slots_;  // open addressing
  size_t count_ = 0;
};

}  // namespace zav
