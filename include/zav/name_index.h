// NameIndex: a position in a record list for each qualified name.
//
// Open addressing over one array of 8-byte slots: 32 bits of a name's hash
// beside the number of its entry (0 marks a free slot), so a probe reads
// one cache line and compares names only where those bits agree. Entries
// are kept in the order they were added. Names are asked for as
// string_view: no string is built to look one up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace zav {

class NameIndex {
 public:
  // The position entered under `name`; nullptr when there is none.
  const size_t* find(std::string_view name) const;
  bool contains(std::string_view name) const { return find(name) != nullptr; }
  // The position under a name that is present (std::out_of_range if not).
  size_t at(std::string_view name) const;
  // Enters `name` at `position` unless the name is present, whose position
  // then stays; returns whether it was entered.
  bool emplace(std::string_view name, size_t position);

  size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }

 private:
  struct Slot {
    uint32_t tag = 0;    // the high half of the name's hash
    uint32_t entry = 0;  // 1 + the entry's index; 0 when the slot is free
  };
  struct Entry {
    std::string name;
    size_t position;
    uint64_t hash;  // the name's whole hash: a growing table hashes no name again
  };
  void Grow();

  std::vector<Slot> slots_;  // a power of two, at most half taken
  std::deque<Entry> entries_;  // no copy of all entries as they grow
};

}  // namespace zav
