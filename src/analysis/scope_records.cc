// Run-wide class and namespace records: a class's record found or made,
// and function and class figures rolled up into the namespaces that hold
// them.
#include <cstring>
#include <string>
#include <string_view>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "analysis/scope.h"

namespace zav {

ClassRecord* FindClass(GlobalData& G, const std::string& name) {
  RecordLists& lists = G.lists;
  const size_t* at = lists.class_index.find(name);
  return at != nullptr ? lists.ClassAt(*at) : nullptr;
}

ClassRecord* CreateClass(GlobalData& G, const std::string& name) {
  RecordLists& lists = G.lists;
  ClassRecord* added = lists.AddClass(name);
  // An unkept class needs only its name in the index.
  if (!lists.keep_classes) return added;
  ClassRecord& record = *added;
  record.kind = RecordKind::kClass;
  // Mostly the class being begun, whose name is `name` itself.
  if (G.scope.in_class && (&G.scope.cls.name == &name || G.scope.cls.name == name)) {
    record.kind = G.scope.cls.kind == ClassKind::kStruct      ? RecordKind::kStruct
                  : G.scope.cls.kind == ClassKind::kInterface ? RecordKind::kInterface
                                                              : RecordKind::kClass;
    record.nesting = G.scope.class_depth;
    record.inheritance = G.scope.cls.inheritance;
    if (lists.keep_class_texts) record.template_text = G.scope.cls.template_text;
  }
  record.name = name;
  if (lists.keep_class_texts) record.file_name = CurrentFileName(G);
  record.line = G.reader.line_number;
  return added;
}

ClassRecord* FindOrCreateClass(GlobalData& G, const std::string& name,
                               bool create) {
  if (ClassRecord* found = FindClass(G, name)) return found;
  if (!create || G.lists.namespace_index.contains(name)) return nullptr;
  return CreateClass(G, name);
}

namespace {

// Cuts `name` at its last qualifier separator, "::" or "." (whichever comes
// later); false when it has none. A name of 16 bytes or more is searched
// sixteen bytes at a time from its end.
bool CutLastQualifier(std::string_view& name) {
  const char* p = name.data();
  size_t k = name.size();
#ifdef __SSE2__
  if (k >= 16) {
    // The block at `start`; `unseen`: its bits not yet searched;
    // `colon_after`: whether the byte after the block is a ':'.
    size_t start = k - 16;
    unsigned unseen = 0xFFFF;
    bool colon_after = false;
    for (;;) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + start));
      const unsigned dots = _mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8('.')));
      const unsigned colons = _mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(':')));
      const unsigned pairs = colons & (colons >> 1 | (colon_after ? 0x8000u : 0u));
      const unsigned found = (dots | pairs) & unseen;
      if (found != 0) {
        name = name.substr(0, start + 31 - __builtin_clz(found));
        return true;
      }
      if (start == 0) return false;
      const size_t before = start >= 16 ? start - 16 : 0;
      unseen = start - before == 16 ? 0xFFFFu : (1u << (start - before)) - 1;
      colon_after = p[before + 16] == ':';
      start = before;
    }
  }
#endif
  while (k-- > 0) {
    if (p[k] == '.' || (p[k] == ':' && k + 1 < name.size() && p[k + 1] == ':')) {
      name = name.substr(0, k);
      return true;
    }
  }
  return false;
}

// Whether `a` and `b` hold the same text; names of up to 32 bytes are
// compared in two overlapping blocks without a call.
[[gnu::always_inline]] inline bool SameText(std::string_view a, std::string_view b) {
  const size_t n = a.size();
  if (n != b.size()) return false;
#ifdef __SSE2__
  if (n >= 16 && n <= 32) {
    auto block = [](const char* p) {
      return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    };
    const __m128i first = _mm_cmpeq_epi8(block(a.data()), block(b.data()));
    const __m128i last = _mm_cmpeq_epi8(block(a.data() + n - 16), block(b.data() + n - 16));
    return _mm_movemask_epi8(_mm_and_si128(first, last)) == 0xFFFF;
  }
#endif
  return a == b;
}

// The bit of NamespaceLookup::name_filter for names like `name`.
unsigned NameFilterBit(std::string_view name) {
  const unsigned last = name.empty() ? 0 : static_cast<unsigned char>(name.back());
  return (static_cast<unsigned>(name.size()) * 37 + last) & 255;
}

// Whether a namespace record may be named `name`: false only when none is.
// The filter takes in the records added since it was last asked.
bool MayNameNamespace(ScopeState::NamespaceLookup& lookup, const RecordLists& lists,
                      std::string_view name) {
  const std::vector<NamespaceRecord>& records = lists.namespaces;
  if (lookup.filtered != records.size()) {
    if (lookup.filtered > records.size()) {  // a new list: start again
      lookup.name_filter = {};
      lookup.filtered = 0;
    }
    for (; lookup.filtered < records.size(); ++lookup.filtered) {
      const unsigned bit = NameFilterBit(records[lookup.filtered].name);
      lookup.name_filter[bit >> 6] |= uint64_t{1} << (bit & 63);
    }
  }
  const unsigned bit = NameFilterBit(name);
  return (lookup.name_filter[bit >> 6] >> (bit & 63) & 1) != 0;
}

// The namespace record named by `prefix` or, failing that, by the longest
// of its qualifiers; -1 when none is. `prefix` is cut as it goes;
// `qualified` tells whether the record is one of a qualifier.
long InnermostNamespace(GlobalData& G, std::string_view prefix, bool& qualified) {
  const RecordLists& lists = G.lists;
  ScopeState::NamespaceLookup& lookup = G.scope.last_namespace_lookup;
  qualified = false;
  do {
    if (!MayNameNamespace(lookup, lists, prefix) || prefix.empty() || prefix == "Anonymous") {
      continue;
    }
    // The namespace added last, as a class's namespace often is, needs no
    // look-up (the index holds each name once).
    if (SameText(lists.namespaces.back().name, prefix)) {
      return static_cast<long>(lists.namespaces.size() - 1);
    }
    const size_t* at = lists.namespace_index.find(prefix);
    if (at != nullptr) return static_cast<long>(*at);
  } while ((qualified = CutLastQualifier(prefix)));
  return -1;
}

void AddToNamespaceRecord(NamespaceRecord& r, const MetricRecord& m, bool is_class,
                          bool count_only) {
  if (is_class) {
    ++r.classes;
  } else {
    ++r.functions;
  }
  if (count_only) return;
  r.loc += m.loc;
  r.eloc += m.eloc;
  r.lloc += m.lloc;
  r.comments += m.comments;
  r.blanks += m.blanks;
  r.lines += m.lines;
  r.params += m.params;
  r.returns += m.returns;
  r.interface_complexity += m.interface_complexity;
  r.cyclomatic += m.cyclomatic;
  r.functional_complexity += m.functional_complexity;
  r.methods += m.methods;
  r.methods_public += m.methods_public;
  r.methods_protected += m.methods_protected;
  r.methods_private += m.methods_private;
  r.attributes += m.attributes;
  r.attributes_public += m.attributes_public;
  r.attributes_protected += m.attributes_protected;
  r.attributes_private += m.attributes_private;
}

}  // namespace

void AddToNamespace(GlobalData& G, std::string_view qualified_name,
                    const MetricRecord& m, bool is_class, bool count_only) {
  RecordLists& lists = G.lists;
  // No prefix can name a record without one; nothing reads the figures
  // without keep_namespace_figures.
  if (lists.namespace_index.empty() || !lists.keep_namespace_figures) return;
  // A class whose methods were rolled up last: their look-up began with
  // the class's name and, not finding it, went on with its qualifiers, as
  // the look-up for the class goes.
  const ScopeState::NamespaceLookup& last = G.scope.last_namespace_lookup;
  long record;
  if (last.namespaces == lists.namespaces.size() && last.qualified &&
      SameText(last.scope, qualified_name)) {
    record = last.record;
  } else {
    if (!CutLastQualifier(qualified_name)) return;
    bool qualified;
    record = InnermostNamespace(G, qualified_name, qualified);
  }
  if (record >= 0) AddToNamespaceRecord(lists.namespaces[record], m, is_class, count_only);
}

namespace {

// The look-up of AddFunctionToNamespaceOf when its last answer does not
// hold.
[[gnu::noinline]] void LookUpNamespaceOf(GlobalData& G, const std::string& scope) {
  ScopeState::NamespaceLookup& last = G.scope.last_namespace_lookup;
  last.scope = scope;
  last.namespaces = G.lists.namespaces.size();
  last.record = InnermostNamespace(G, scope, last.qualified);
}

}  // namespace

void AddFunctionToNamespaceOf(GlobalData& G, const std::string& scope,
                              const MetricRecord& f, bool count_only) {
  RecordLists& lists = G.lists;
  if (lists.namespace_index.empty() || !lists.keep_namespace_figures) return;
  // The methods of a class, or the functions of a namespace, mostly follow
  // one another: the last answer holds while no namespace has been added.
  const ScopeState::NamespaceLookup& last = G.scope.last_namespace_lookup;
  if (last.namespaces != lists.namespaces.size() || !SameText(last.scope, scope)) {
    LookUpNamespaceOf(G, scope);
  }
  if (last.record >= 0) AddToNamespaceRecord(lists.namespaces[last.record], f, false, count_only);
}

}  // namespace zav
