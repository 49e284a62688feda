// The compact run-wide function list and the text store behind it.
#include <algorithm>
#include <cassert>

#include "zav/name_set.h"
#include "zav/records.h"
#include "zav/text_store.h"

namespace zav {
namespace {

constexpr size_t kBlockBytes = 64 * 1024;
constexpr size_t kFunctionsPerChunk = 1024;
constexpr size_t kFirstSlots = 1024;

// The empty text: a zero length prefix and the NUL.
alignas(4) constexpr char kEmptyText[sizeof(uint32_t) + 1] = {};

}  // namespace

size_t TextStore::HashOf(std::string_view text) { return NameSet::Hash(text); }

const char* TextStore::Intern(std::string_view text, size_t hash) {
  if (text.empty()) return kEmptyText + sizeof(uint32_t);
  if ((count_ + 1) * 2 > slots_.size()) {
    Rehash(slots_.empty() ? kFirstSlots : slots_.size() * 2);
  }
  const size_t mask = slots_.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    Slot& slot = slots_[i];
    if (slot.text == nullptr) {
      ++count_;
      slot.hash = hash;
      return slot.text = Append(text);
    }
    if (slot.hash == hash && View(slot.text) == text) return slot.text;
  }
}

const char* TextStore::Append(std::string_view text) {
  const size_t need = sizeof(uint32_t) + text.size() + 1;
  if (blocks_.empty() || used_ + need > capacity_) {
    // A text longer than a block gets a block of its own size.
    capacity_ = need > kBlockBytes ? need : kBlockBytes;
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(capacity_));
    used_ = 0;
  }
  char* at = blocks_.back().get() + used_;
  const auto size = static_cast<uint32_t>(text.size());
  std::memcpy(at, &size, sizeof size);
  std::memcpy(at + sizeof size, text.data(), text.size());
  at[sizeof size + text.size()] = '\0';
  used_ += need;
  return at + sizeof size;
}

void TextStore::Rehash(size_t slot_count) {
  std::vector<Slot> old(slot_count);
  old.swap(slots_);
  const size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.text == nullptr) continue;
    size_t i = slot.hash & mask;
    while (slots_[i].text != nullptr) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

void TextStore::Clear() {
  if (count_ > 0 && blocks_.size() == 1) {
    // The texts all sit in the one block: their own slots are emptied, each
    // found from its hash by its pointer (a slot emptied before it on its
    // probe path is passed over), rather than the whole table, which can be
    // far larger than one file's texts need.
    const size_t mask = slots_.size() - 1;
    const char* block = blocks_.front().get();
    for (size_t at = 0; at < used_;) {
      const char* stored = block + at + sizeof(uint32_t);
      const std::string_view text = View(stored);
      size_t i = HashOf(text) & mask;
      while (slots_[i].text != stored) i = (i + 1) & mask;
      slots_[i] = Slot{};
      at += sizeof(uint32_t) + text.size() + 1;
    }
  } else if (count_ > 0) {
    std::fill(slots_.begin(), slots_.end(), Slot{});
  }
  count_ = 0;
  if (blocks_.size() > 1 || capacity_ != kBlockBytes) {
    blocks_.clear();
    capacity_ = 0;
  }
  used_ = 0;
}

FunctionList::TextHashes FunctionList::Prefetch(const MetricRecord& r) const {
  TextHashes h;
  h.name = TextStore::HashOf(r.name);
  h.parameters = TextStore::HashOf(r.parameters);
  texts_.Prefetch(h.name);
  texts_.Prefetch(h.parameters);
  if (!r.template_text.empty()) {
    h.template_text = TextStore::HashOf(r.template_text);
    texts_.Prefetch(h.template_text);
  }
  return h;
}

void FunctionList::PrefetchTexts(const TextHashes& h) const {
  texts_.PrefetchText(h.name);
  texts_.PrefetchText(h.parameters);
  if (h.template_text != 0) texts_.PrefetchText(h.template_text);
}

void FunctionList::push_back(const MetricRecord& r) {
  TextHashes h;
  h.name = TextStore::HashOf(r.name);
  h.parameters = TextStore::HashOf(r.parameters);
  h.template_text = TextStore::HashOf(r.template_text);
  push_back(r, h);
}

void FunctionList::push_back(const MetricRecord& r, const TextHashes& hashes) {
  if (count_ == chunks_.size() * kFunctionsPerChunk) {
    chunks_.push_back(std::make_unique_for_overwrite<StoredFunction[]>(kFunctionsPerChunk));
  }
  StoredFunction& s = chunks_[count_ / kFunctionsPerChunk][count_ % kFunctionsPerChunk];
  ++count_;
  s.name = texts_.Intern(r.name, hashes.name);
  s.parameters = texts_.Intern(r.parameters, hashes.parameters);
  s.template_text = texts_.Intern(r.template_text, hashes.template_text);
  // A file's records come one after the other: its name is looked up once.
  if (file_ == nullptr || TextStore::View(file_) != r.file_name) {
    file_ = texts_.Intern(r.file_name);
  }
  s.file_name = file_;
  s.line = r.line;
  s.last_line = r.last_line;
  s.loc = r.loc;
  s.eloc = r.eloc;
  s.lloc = r.lloc;
  s.comments = r.comments;
  s.blanks = r.blanks;
  s.lines = r.lines;
  s.params = r.params;
  s.returns = r.returns;
  s.interface_complexity = r.interface_complexity;
  s.cyclomatic = r.cyclomatic;
  s.functional_complexity = r.functional_complexity;
}

const StoredFunction& FunctionList::Stored(size_t i) const {
  assert(i >= first_ && i < size());
  i -= first_;
  return chunks_[i / kFunctionsPerChunk][i % kFunctionsPerChunk];
}

void FunctionList::StartFile() {
  if (keep_all) return;
  first_ += count_;
  count_ = 0;
  texts_.Clear();
  file_ = nullptr;
  if (chunks_.size() > 1) chunks_.resize(1);
}

MetricRecord ExpandFunction(const StoredFunction& s) {
  MetricRecord r;
  ExpandFunctionInto(s, r);
  return r;
}

namespace {

// Replaces `to` with `text`: a plain append into the room `to` has (an
// assignment from a view allows for overlap, which stored texts never have).
void AssignText(std::string& to, std::string_view text) {
  to.clear();
  to.append(text);
}

}  // namespace

void ExpandFunctionInto(const StoredFunction& s, MetricRecord& r) {
  r.kind = RecordKind::kFunction;
  AssignText(r.name, TextStore::View(s.name));
  AssignText(r.parameters, TextStore::View(s.parameters));
  AssignText(r.template_text, TextStore::View(s.template_text));
  AssignText(r.file_name, TextStore::View(s.file_name));
  r.line = s.line;
  r.last_line = s.last_line;
  r.loc = s.loc;
  r.eloc = s.eloc;
  r.lloc = s.lloc;
  r.comments = s.comments;
  r.blanks = s.blanks;
  r.lines = s.lines;
  r.params = s.params;
  r.returns = s.returns;
  r.interface_complexity = s.interface_complexity;
  r.cyclomatic = s.cyclomatic;
  r.functional_complexity = s.functional_complexity;
}

}  // namespace zav
