// Records of the run-long lists: functions, classes, namespaces, notices.
//
// Function records are created by src/analysis/ function detection, class and
// namespace records by the scope model, notices by src/quality/. The project
// reports, sorting and the inheritance tree read them.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "zav/name_set.h"

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

// One emitted notice, kept in emission order for the notice reports.
struct QualityNotice {
  std::string file_name;
  int32_t line = 0;
  int number = 0;  // 1..58 built in, 100 and above user-defined
};

struct RecordLists {
  std::vector<FunctionRecord> functions;
  std::vector<ClassRecord> classes;         // in order of creation
  std::vector<NamespaceRecord> namespaces;  // in order of creation
  // Positions in the lists by qualified name.
  std::unordered_map<std::string, size_t> class_index;
  std::unordered_map<std::string, size_t> namespace_index;
  NameSet macro_names;  // predefined macros and #define names
};

}  // namespace zav
