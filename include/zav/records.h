// Records of the run-long lists: functions, classes, namespaces, notices.
//
// Function records are created by src/analysis/ function detection, class and
// namespace records by the scope model, notices by src/quality/. The project
// reports, sorting and the inheritance tree read them.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "zav/name_index.h"
#include "zav/name_set.h"
#include "zav/text_store.h"

namespace zav {

enum class RecordKind { kFunction, kClass, kStruct, kInterface, kNamespace };

// The common shape of function, class and namespace records: a name, a few
// owned texts and a row of metrics.
struct MetricRecord {
  RecordKind kind = RecordKind::kFunction;
  std::string name;
  std::string parameters;    // functions: the normalised parameter text
  std::string inheritance;   // classes: the cleaned inheritance text
  std::string template_text;
  std::string file_name;
  int32_t line = 0;
  int32_t last_line = 0;  // functions: the line of the closing brace
  int nesting = 0;  // classes: enclosing class levels

  int32_t loc = 0, eloc = 0, lloc = 0, comments = 0, blanks = 0, lines = 0;
  int32_t params = 0, returns = 0, interface_complexity = 0;
  int32_t cyclomatic = 0, functional_complexity = 0;

  double methods = 0;  // classes: +1.0 per method
  int32_t methods_public = 0, methods_protected = 0, methods_private = 0;
  int32_t attributes = 0, attributes_public = 0, attributes_protected = 0,
          attributes_private = 0;
  int32_t classes = 0;    // namespaces: classes contained
  int32_t functions = 0;  // namespaces: functions contained

  double CommentsPerEloc() const {
    return eloc == 0 ? 0.0 : static_cast<double>(comments) / eloc;
  }
};

using FunctionRecord = MetricRecord;
using ClassRecord = MetricRecord;
using NamespaceRecord = MetricRecord;

// A function record as the run-wide list keeps it: the texts point into the
// list's TextStore (the file name is shared by all of a file's records) and
// only the figures a function has are kept; the other MetricRecord fields
// are always zero or empty for a function.
//
// No member has a default: the list's chunks are allocated without being
// filled, and FunctionList::push_back sets every member.
struct StoredFunction {
  const char* name;
  const char* parameters;
  const char* template_text;
  const char* file_name;
  int32_t line, last_line;
  int32_t loc, eloc, lloc, comments, blanks, lines;
  int32_t params, returns, interface_complexity;
  int32_t cyclomatic, functional_complexity;
};
static_assert(sizeof(StoredFunction) <= 128, "a kept function record stays small");

// The full record of a kept one.
MetricRecord ExpandFunction(const StoredFunction& s);
// The same into `r`, which is expected to be a default record or one
// filled by this before: a record reused over a list keeps its strings'
// room.
void ExpandFunctionInto(const StoredFunction& s, MetricRecord& r);

// The function records of the run in order of creation. Records are kept
// in fixed chunks (no reallocation spikes as the list grows) and read back
// as full MetricRecords, by value. Indices count every record ever added;
// without keep_all, StartFile() forgets the records of the earlier files,
// for runs whose reports read only the current file's functions.
class FunctionList {
 public:
  class Iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = MetricRecord;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = MetricRecord;
    Iterator(const FunctionList* list, size_t i) : list_(list), i_(i) {}
    MetricRecord operator*() const { return (*list_)[i_]; }
    Iterator& operator++() {
      ++i_;
      return *this;
    }
    bool operator==(const Iterator& other) const { return i_ == other.i_; }

   private:
    const FunctionList* list_;
    size_t i_;
  };

  void push_back(const MetricRecord& r);
  size_t size() const { return first_ + count_; }
  bool empty() const { return size() == 0; }
  const StoredFunction& Stored(size_t i) const {
    assert(i >= first_ && i < size());
    i -= first_;
    return chunks_[i / kFunctionsPerChunk][i % kFunctionsPerChunk];
  }
  MetricRecord operator[](size_t i) const { return ExpandFunction(Stored(i)); }
  MetricRecord at(size_t i) const { return (*this)[i]; }
  Iterator begin() const { return {this, first_}; }
  Iterator end() const { return {this, size()}; }

  // Called as each file starts.
  void StartFile();

  bool keep_all = true;

 private:
  static constexpr size_t kFunctionsPerChunk = 1024;

  TextStore texts_;
  std::vector<std::unique_ptr<StoredFunction[]>> chunks_;
  size_t first_ = 0;  // index of the first record held
  size_t count_ = 0;  // records held
  const char* file_ = nullptr;  // the file name of the last record
};

// One emitted notice, kept in emission order for the notice reports.
struct QualityNotice {
  std::string file_name;
  int32_t line = 0;
  int number = 0;  // 1..58 built in, 100 and above user-defined
};

struct RecordLists {
  FunctionList functions;
  // Class records in order of creation, each allocated once (no copies as
  // the list grows). Without keep_classes the list stays empty: the index
  // still holds every class name (whether a class is known decides how
  // classes are counted), and the figures added to an unkept class go to
  // `unkept_class`, which nothing reads.
  std::deque<ClassRecord> classes;
  bool keep_classes = true;
  // Whether a class record gets its file name and template text: the
  // JSON document's class objects name neither.
  bool keep_class_texts = true;
  size_t dropped_classes = 0;  // records let go of by DropClasses
  // Records in use: the first ones of `classes`. After DropClasses the
  // list keeps the records let go of, and AddClass empties and reuses
  // them, so that a run which drops them after each file allocates no
  // record, nor room for a name, for most of its classes.
  size_t class_count = 0;
  ClassRecord unkept_class;
  std::vector<NamespaceRecord> namespaces;  // in order of creation
  // Whether the figures of functions and classes are added up into their
  // namespace records (the records themselves are always made): only the
  // namespace reports and the JSON document read them.
  bool keep_namespace_figures = true;
  // Positions in the lists by qualified name.
  NameIndex class_index;
  NameIndex namespace_index;
  NameSet macro_names;  // predefined macros and #define names

  ClassRecord* ClassAt(size_t index) {
    return index == kUnkeptClass || index < dropped_classes
               ? &unkept_class
               : &classes[index - dropped_classes];
  }
  // Enters a new class under `name` and returns its record, empty and in
  // its place (`unkept_class` without keep_classes).
  ClassRecord* AddClass(const std::string& name) {
    if (!keep_classes) {
      class_index.emplace(name, kUnkeptClass);
      return &unkept_class;
    }
    class_index.emplace(name, dropped_classes + class_count);
    if (class_count < classes.size()) return ReuseClass();
    ++class_count;
    return &classes.emplace_back();
  }
  // The first record let go of, emptied as a new record but for the room
  // of its strings.
  [[gnu::noinline]] ClassRecord* ReuseClass() {
    ClassRecord& r = classes[class_count++];
    // Every member: one added to MetricRecord is emptied here too.
    static_assert(sizeof(ClassRecord) <= 272, "ReuseClass empties every member");
    r.kind = RecordKind::kFunction;
    r.name.clear();
    r.parameters.clear();
    r.inheritance.clear();
    r.template_text.clear();
    r.file_name.clear();
    r.line = r.last_line = r.nesting = 0;
    r.loc = r.eloc = r.lloc = r.comments = r.blanks = r.lines = 0;
    r.params = r.returns = r.interface_complexity = r.cyclomatic = r.functional_complexity = 0;
    r.methods = 0;
    r.methods_public = r.methods_protected = r.methods_private = 0;
    r.attributes = r.attributes_public = r.attributes_protected = r.attributes_private = 0;
    r.classes = r.functions = 0;
    return &r;
  }
  // Lets go of the records held: their names stay in the index, and what
  // is added to them later goes to `unkept_class`. For a run that writes
  // each file's classes after the file and reads no class afterwards.
  // Only `class_count` records of `classes` are in use afterwards.
  void DropClasses() {
    dropped_classes += class_count;
    class_count = 0;
  }

  static constexpr size_t kUnkeptClass = ~size_t{0};
};

}  // namespace zav
