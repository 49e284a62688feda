#include "zav/name_index.h"

#include <stdexcept>

#include "zav/name_set.h"

namespace zav {

const size_t* NameIndex::find(std::string_view name) const {
  if (slots_.empty()) return nullptr;
  const uint64_t h = NameSet::Hash(name);
  const uint32_t tag = static_cast<uint32_t>(h >> 32);
  const size_t mask = slots_.size() - 1;
  for (size_t i = h & mask; slots_[i].entry != 0; i = (i + 1) & mask) {
    if (slots_[i].tag != tag) continue;
    const Entry& e = entries_[slots_[i].entry - 1];
    if (e.name == name) return &e.position;
  }
  return nullptr;
}

size_t NameIndex::at(std::string_view name) const {
  const size_t* position = find(name);
  if (position == nullptr) throw std::out_of_range("NameIndex::at");
  return *position;
}

bool NameIndex::emplace(std::string_view name, size_t position) {
  if ((entries_.size() + 1) * 2 > slots_.size()) Grow();
  const uint64_t h = NameSet::Hash(name);
  const uint32_t tag = static_cast<uint32_t>(h >> 32);
  const size_t mask = slots_.size() - 1;
  size_t i = h & mask;
  for (; slots_[i].entry != 0; i = (i + 1) & mask) {
    if (slots_[i].tag == tag && entries_[slots_[i].entry - 1].name == name) return false;
  }
  slots_[i] = {tag, static_cast<uint32_t>(entries_.size() + 1)};
  entries_.push_back({std::string(name), position, h});
  return true;
}

void NameIndex::Grow() {
  // A slot keeps only half the hash: the entries' whole hashes place them
  // again, read in their order rather than in the old table's.
  slots_.assign(slots_.empty() ? 64 : slots_.size() * 2, Slot{});
  const size_t mask = slots_.size() - 1;
  uint32_t entry = 0;
  for (const Entry& e : entries_) {
    const uint64_t h = e.hash;
    size_t i = h & mask;
    while (slots_[i].entry != 0) i = (i + 1) & mask;
    slots_[i] = {static_cast<uint32_t>(h >> 32), ++entry};
  }
}

}  // namespace zav
