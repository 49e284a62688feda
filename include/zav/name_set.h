// NameSet: a set of short names (macro names) with cheap insertion.
//
// Names are copied into large arena blocks and indexed by an open-addressed
// table of (hash, pointer) slots, so adding a name that is already present
// costs one hash and one probe, and a new name costs no allocation of its
// own. The analyser adds every #define name it meets.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace zav {

class NameSet {
 public:
  bool contains(std::string_view name) const {
    if (count_ == 0) return false;
    uint64_t h = Hash(name);
    for (size_t i = h & mask_;; i = (i + 1) & mask_) {
      const Slot& s = slots_[i];
      if (s.text == nullptr) return false;
      if (s.hash == h && Equal(s, name)) return true;
    }
  }

  // Adds the name; returns false when it was already present.
  bool insert(std::string_view name) {
    if ((count_ + 1) * 2 > slots_.size()) Grow();
    uint64_t h = Hash(name);
    size_t i = h & mask_;
    for (;; i = (i + 1) & mask_) {
      Slot& s = slots_[i];
      if (s.text == nullptr) break;
      if (s.hash == h && Equal(s, name)) return false;
    }
    slots_[i] = Slot{h, Store(name), static_cast<uint32_t>(name.size())};
    ++count_;
    return true;
  }

  size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }

 private:
  struct Slot {
    uint64_t hash = 0;
    const char* text = nullptr;
    uint32_t length = 0;
  };

  static uint64_t Hash(std::string_view s) {
    uint64_t h = 1469598103934665603ull;  // FNV-1a
    for (unsigned char c : s) h = (h ^ c) * 1099511628211ull;
    return h ^ (h >> 29);
  }
  static bool Equal(const Slot& s, std::string_view name) {
    return s.length == name.size() &&
           std::memcmp(s.text, name.data(), name.size()) == 0;
  }

  const char* Store(std::string_view name) {
    constexpr size_t kBlock = 64 * 1024;
    if (name.size() > kBlock / 4) {
      blocks_.emplace_back(new char[name.size()]);
      std::memcpy(blocks_.back().get(), name.data(), name.size());
      return blocks_.back().get();
    }
    if (block_used_ + name.size() > kBlock || blocks_.empty() || current_ == nullptr) {
      blocks_.emplace_back(new char[kBlock]);
      current_ = blocks_.back().get();
      block_used_ = 0;
    }
    char* p = current_ + block_used_;
    std::memcpy(p, name.data(), name.size());
    block_used_ += name.size();
    return p;
  }

  void Grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{});
    mask_ = slots_.size() - 1;
    for (const Slot& s : old) {
      if (s.text == nullptr) continue;
      size_t i = s.hash & mask_;
      while (slots_[i].text != nullptr) i = (i + 1) & mask_;
      slots_[i] = s;
    }
  }

  std::vector<Slot> slots_;
  size_t mask_ = 0;
  size_t count_ = 0;
  std::vector<std::unique_ptr<char[]>> blocks_;
  char* current_ = nullptr;
  size_t block_used_ = 0;
};

}  // namespace zav
