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
  const char* Intern(std::string_view text) { return Intern(text, HashOf(text)); }
  // The same with the text's HashOf() given.
  const char* Intern(std::string_view text, size_t hash);

  // The hash a text is filed under.
  static size_t HashOf(std::string_view text);

  // A run-wide table outgrows the cache, and a lookup waits first for its
  // slot, then (when the text is there) for the stored text. A caller that
  // knows its texts some work ahead of interning them asks for the slot
  // with Prefetch() and, some work later, for the text the slot holds with
  // PrefetchText(), so that Intern() finds both in the cache.
  void Prefetch(size_t hash) const {
    if (!slots_.empty()) __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
  }
  void PrefetchText(size_t hash) const {
    if (slots_.empty()) return;
    const Slot& slot = slots_[hash & (slots_.size() - 1)];
    if (slot.hash == hash && slot.text != nullptr) __builtin_prefetch(slot.text - sizeof(uint32_t));
  }

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
