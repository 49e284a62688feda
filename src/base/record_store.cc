// The compact run-wide function list and the text store behind it.
#include <algorithm>
#include <cassert>

#include "zav/records.h"
#include "zav/text_store.h"

namespace zav {
namespace {

constexpr size_t kBlockBytes = 64 * 1024;

// The empty text: a zero length prefix and the NUL.
alignas(4) constexpr char kEmptyText[sizeof(uint32_t) + 1] = {};

}  // namespace

const char* TextStore::Store(std::string_view text) {
  if (text.empty()) return kEmptyText + sizeof(uint32_t);
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
  bytes_ += need;
  return at + sizeof size;
}

void TextStore::Clear() {
  if (blocks_.size() > 1 || capacity_ != kBlockBytes) {
    blocks_.clear();
    capacity_ = 0;
  }
  used_ = 0;
  bytes_ = 0;
}

void FunctionList::push_back(const MetricRecord& r) {
  if (count_ == chunks_.size() * kFunctionsPerChunk) {
    chunks_.push_back(std::make_unique_for_overwrite<StoredFunction[]>(kFunctionsPerChunk));
  }
  StoredFunction& s = chunks_[count_ / kFunctionsPerChunk][count_ % kFunctionsPerChunk];
  ++count_;
  s.name = texts_.Store(r.name);
  s.parameters = texts_.Store(r.parameters);
  s.template_text = texts_.Store(r.template_text);
  // A file's records come one after the other: its name is stored once.
  if (file_ == nullptr || TextStore::View(file_) != r.file_name) {
    file_ = texts_.Store(r.file_name);
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
