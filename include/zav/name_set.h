// NameSet: a set of short names (macro names) with cheap insertion.
//
// The analyser adds every #define name it meets, most of them again and
// again, so insertion is the hot operation, and a run over a large header
// tree holds a hundred thousand names. The probed table is kept small: a
// slot is a 32-bit tag, the high half of the name's 64-bit hash, while
// the low half picks the slot; a second array beside it holds each slot's
// place in the arena, where the names are copied one after another, each
// after its hash and length. A repeated name touches the tags alone.
// Adding a name whose tag is found along its probe sequence is taken as
// adding it again: that needs two names to agree in the tag and in the
// slot bits, which is not expected in practice; lookups still compare the
// names.
//
// The table still outgrows the cache, so the slot an insertion needs is
// mostly far away. insert_soon() asks for that slot and queues the name;
// the queue is entered in order when it is full or when the set is next
// read (any other member), by which time the slots have arrived: whoever
// reads the set sees the names exactly as if they had been inserted at once.
//
// Most names given again come in the order they were first given (a header
// tree holds many copies of the same definitions): insert_soon() first
// compares the name with the arena entry after the one entered or found
// last, and a name equal to it is present already, found without a hash
// or a slot.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zav {

class NameSet {
 public:
  bool contains(std::string_view name) const {
    if (pending_count_ != 0) EnterPending();
    if (!MayHold(name)) return false;
    const uint64_t h = Hash(name);
    const uint32_t tag = TagOf(h);
    for (size_t i = h & mask_;; i = (i + 1) & mask_) {
      if (tags_[i] == 0) return false;
      if (tags_[i] == tag && StoredName(places_[i]) == name) return true;
    }
  }

  // Adds the name; returns false when it was already present.
  bool insert(std::string_view name) {
    if (pending_count_ != 0) EnterPending();
    return Enter(name, Hash(name));
  }

  // Adds the name by the next use of the set; the name is copied. A name
  // too long for the queue is added at once. `padded`: the name may be read
  // 32 bytes past its start.
  void insert_soon(std::string_view name, bool padded = false) {
    if (FollowsLastEntered(name, padded)) return;
    if (pending_count_ == kPendingMax || name.size() > kPendingText) {
      EnterPending();
      if (FollowsLastEntered(name, padded)) return;
    }
    if (name.size() > kPendingText) {
      Enter(name, Hash(name));
      return;
    }
    // Room for every queued name, so that no growth moves the slots asked for.
    if ((count_ + pending_count_ + 1) * 2 > tags_.size()) Grow();
    Pending& p = pending_[pending_count_++];
    p.hash = Hash(name);
    __builtin_prefetch(&tags_[p.hash & mask_]);
    p.size = static_cast<uint32_t>(name.size());
    if (padded && name.size() <= 32) {
      std::memcpy(p.text, name.data(), 32);  // a fixed copy, no call
    } else {
      std::memcpy(p.text, name.data(), name.size());
    }
  }

  size_t size() const {
    if (pending_count_ != 0) EnterPending();
    return count_;
  }
  bool empty() const { return size() == 0; }

 private:
  friend class TextStore;  // hash their texts the same way
  friend class NameIndex;

  // A filter in front of the table: one bit for each class of names of
  // the same length, first and last character, set by insert. Most names
  // asked about are not in the set, and most of those fall in a class
  // that holds none of its names: they are answered without a hash.
  static constexpr int kFilterBits = 16;
  static size_t FilterBit(std::string_view s) {
    const uint32_t key =
        s.empty() ? 0
                  : static_cast<uint32_t>(s.size()) << 16 |
                        static_cast<uint32_t>(static_cast<unsigned char>(s.front())) << 8 |
                        static_cast<unsigned char>(s.back());
    return (key * 0x9E3779B1u) >> (32 - kFilterBits);
  }
  bool MayHold(std::string_view s) const {
    const size_t bit = FilterBit(s);
    return (filter_[bit / 64] >> (bit % 64) & 1) != 0;
  }

  // Eight bytes a step: each step is a bijection of the state for a given
  // word, so names of one length that differ in one word never collide;
  // the length seeds the state, and the tail is padded with zeros.
  static uint64_t Hash(std::string_view s) {
    constexpr uint64_t kMul = 0x9E3779B97F4A7C15ull;
    const char* p = s.data();
    size_t n = s.size();
    uint64_t h = 1469598103934665603ull ^ (n * 0xC2B2AE3D27D4EB4Full);
    for (; n >= 8; n -= 8, p += 8) {
      uint64_t w;
      std::memcpy(&w, p, 8);
      h = (h ^ w) * kMul;
      h ^= h >> 32;
    }
    if (n > 0) {
      uint64_t w = 0;
      if (n >= 4) {
        uint32_t a, b;
        std::memcpy(&a, p, 4);
        std::memcpy(&b, p + n - 4, 4);  // overlaps the first four when n < 8
        w = (static_cast<uint64_t>(b) << 32) | a;
      } else {
        w = static_cast<unsigned char>(p[0]) |
            static_cast<uint64_t>(static_cast<unsigned char>(p[n / 2])) << 8 |
            static_cast<uint64_t>(static_cast<unsigned char>(p[n - 1])) << 16;
      }
      h = (h ^ w) * kMul;
    }
    h ^= h >> 31;
    h *= kMul;
    h ^= h >> 29;
    return h == 0 ? 1 : h;  // 0 marks an empty slot
  }

  // The high half of a hash; 0 marks an empty slot.
  static uint32_t TagOf(uint64_t h) {
    const auto tag = static_cast<uint32_t>(h >> 32);
    return tag == 0 ? 1 : tag;
  }

  bool Enter(std::string_view name, uint64_t h) const {
    if ((count_ + 1) * 2 > tags_.size()) Grow();
    const uint32_t tag = TagOf(h);
    size_t i = h & mask_;
    for (; tags_[i] != 0; i = (i + 1) & mask_) {
      if (tags_[i] == tag) {
        last_slot_ = i;
        return false;
      }
    }
    last_slot_ = kStoredLast;
    tags_[i] = tag;
    const size_t bit = FilterBit(name);
    filter_[bit / 64] |= uint64_t{1} << (bit % 64);
    places_[i] = Store(name, h);
    ++count_;
    return true;
  }

  // Kept out of line: it runs once for each insert_soon(), and the
  // members that call it are inlined where the set is read.
  [[gnu::noinline]] void EnterPending() const {
    if (pending_count_ == 0) return;
    for (size_t k = 0; k < pending_count_; ++k) {
      Enter(std::string_view(pending_[k].text, pending_[k].size), pending_[k].hash);
    }
    pending_count_ = 0;
    // The entry after the last name's: the arena's end after a new name.
    if (last_slot_ == kStoredLast) {
      next_place_ = arena_.size();
    } else {
      const uint32_t place = places_[last_slot_];
      next_place_ = place + kEntryHead + StoredName(place).size();
    }
  }

  // The name equals the arena entry at next_place_, which it then passes.
  bool FollowsLastEntered(std::string_view name, bool padded) {
    if (next_place_ >= arena_.size()) return false;
    const std::string_view stored = StoredName(static_cast<uint32_t>(next_place_));
    if (stored.size() != name.size()) return false;
    // Most names are short: up to 32 characters are compared in two fixed
    // steps where both texts may be read that far.
    const bool same = padded && name.size() <= 32 &&
                              stored.data() + 32 <= arena_.data() + arena_.size()
                          ? SameFirst(stored.data(), name.data(), name.size())
                          : stored == name;
    if (!same) return false;
    next_place_ += kEntryHead + stored.size();
    // The entries that the next names of the run will be compared with.
    __builtin_prefetch(arena_.data() + std::min(next_place_ + 64, arena_.size() - 1));
    return true;
  }

  // a[0..n) equals b[0..n), n <= 32; both may be read 32 bytes.
  static bool SameFirst(const char* a, const char* b, size_t n) {
#if defined(__SSE2__)
    auto equal16 = [](const char* x, const char* y) {
      return static_cast<uint32_t>(_mm_movemask_epi8(
          _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(x)),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(y)))));
    };
    const uint64_t equal = equal16(a, b) | static_cast<uint64_t>(equal16(a + 16, b + 16)) << 16;
    const uint64_t wanted = (uint64_t{1} << n) - 1;
    return (equal & wanted) == wanted;
#else
    return std::memcmp(a, b, n) == 0;
#endif
  }

  // An arena entry: the name's hash, its length, then its characters.
  static constexpr size_t kEntryHead = sizeof(uint64_t) + sizeof(uint32_t);

  std::string_view StoredName(uint32_t place) const {
    const char* entry = arena_.data() + place;
    uint32_t size;
    std::memcpy(&size, entry + sizeof(uint64_t), sizeof size);
    return {entry + kEntryHead, size};
  }

  // Appends `name` with its hash to the arena; returns where it starts.
  // The names of a run are short and few enough for 32-bit places.
  uint32_t Store(std::string_view name, uint64_t h) const {
    const size_t place = arena_.size();
    const auto size = static_cast<uint32_t>(name.size());
    arena_.resize(place + kEntryHead + name.size());
    char* entry = arena_.data() + place;
    std::memcpy(entry, &h, sizeof h);
    std::memcpy(entry + sizeof h, &size, sizeof size);
    std::memcpy(entry + kEntryHead, name.data(), name.size());
    return static_cast<uint32_t>(place);
  }

  // Doubles the table. The names are placed again from the arena, read in
  // the order they were stored, so that the growth reads memory in order.
  void Grow() const {
    const size_t size = tags_.empty() ? (1u << 14) : tags_.size() * 2;
    tags_.assign(size, 0);
    places_.resize(size);
    mask_ = size - 1;
    for (size_t place = 0; place < arena_.size();) {
      const char* entry = arena_.data() + place;
      uint64_t h;
      uint32_t name_size;
      std::memcpy(&h, entry, sizeof h);
      std::memcpy(&name_size, entry + sizeof h, sizeof name_size);
      size_t i = h & mask_;
      while (tags_[i] != 0) i = (i + 1) & mask_;
      tags_[i] = TagOf(h);
      places_[i] = static_cast<uint32_t>(place);
      place += kEntryHead + name_size;
    }
  }

  // Mutable: a name given to insert_soon() is entered by whichever member
  // runs next, reading ones included; the set's contents, as any caller
  // can see them, do not change there.
  mutable uint64_t filter_[(1 << kFilterBits) / 64] = {};
  mutable std::vector<uint32_t> tags_;
  mutable std::vector<uint32_t> places_;  // the arena entry of each slot
  mutable size_t mask_ = 0;
  mutable size_t count_ = 0;
  mutable std::vector<char> arena_;
  // Names given to insert_soon() and not yet entered, oldest first. One
  // name queued hid little of the wait for its slot in runs over large
  // header trees (the next #define is often the next line); eight hide most.
  static constexpr size_t kPendingText = 52;  // a slot of 64 bytes
  struct Pending {
    uint64_t hash = 0;
    uint32_t size = 0;
    char text[kPendingText];
  };
  static constexpr size_t kPendingMax = 8;
  Pending pending_[kPendingMax];
  mutable size_t pending_count_ = 0;
  // The slot of the name Enter() found present last, or kStoredLast when
  // it stored the name; next_place_: the arena entry that a name given
  // again in the order first given would equal (the arena's size: none).
  static constexpr size_t kStoredLast = ~size_t{0};
  mutable size_t last_slot_ = kStoredLast;
  mutable size_t next_place_ = 0;
};

}  // namespace zav
