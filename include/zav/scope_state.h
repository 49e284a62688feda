// Scope model state: namespaces, packages, classes, structs and interfaces,
// and the stack of what every open brace belongs to.
//
// Owned by src/analysis/ (scope.cc, structure.cc). Function detection,
// quality checks and reports read it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "zav/lexical_state.h"

namespace zav {

struct MetricRecord;

inline constexpr int kScopeStackDepth = 32;
inline constexpr int kBraceStackDepth = 256;

// What an open brace belongs to.
enum class BraceKind : uint8_t {
  kBlock,        // any other block
  kTransparent,  // extern "C" { ... }: its content stays at file scope
  kNamespace,
  kClass,
  kFunction,
  kEnum,         // a Java enum body: methods inside belong to the enclosing class
  kInitializer,  // a braced initialiser of a data member
};

enum class ClassKind : uint8_t { kClass, kStruct, kInterface };

// File counter snapshots taken when a class or function body opens.
struct CounterSnapshot {
  int32_t loc = 0, comments = 0, blanks = 0, spaces = 0, characters = 0;
  int32_t braceline = 0, parenline = 0, semicolons = 0, fors = 0, line = 0;
};

// The state of one open class; the class stack saves it for nested classes.
struct ClassFrame {
  std::string name;         // qualified name
  std::string inheritance;  // cleaned inheritance text
  std::string template_text;
  ClassKind kind = ClassKind::kClass;
  bool in_class = false;
  bool record = false;  // a Java record: "Name {" in it is its compact constructor
  int32_t start_line = 0;
  CounterSnapshot start;
  int methods[3] = {0, 0, 0};     // public, protected, private
  int attributes[3] = {0, 0, 0};  // public, protected, private
  int visibility = 2;             // 0 public, 1 protected, 2 private
  bool typedef_named = false;  // "typedef struct { ... } Name;"
  // Complexity of the methods defined in this occurrence of the class body.
  int32_t params = 0, returns = 0, cyclomatic = 0;
  int32_t min_class_loc = 0, max_class_loc = 0;  // of nested classes
  // The run-wide record of `name` when one was found or made as the body
  // opened (records never move), so that it is not looked up again.
  MetricRecord* class_record = nullptr;
};

struct NamespaceFrame {
  std::string name;
  bool anonymous = false;
};

struct ScopeState {
  // Namespaces and packages.
  std::string namespace_name;  // qualified name of the innermost one
  int namespace_depth = 0;     // enclosing namespaces of the innermost one
  bool in_namespace = false;
  bool in_package = false;     // Java package, open to the end of the file
  bool namespace_anonymous = false;
  std::array<NamespaceFrame, kScopeStackDepth> namespace_stack;
  int namespace_overflow = 0;  // levels beyond the stack, not tracked

  // The current class.
  ClassFrame cls;
  int class_depth = 0;  // enclosing classes of the current class
  bool in_class = false;
  std::array<ClassFrame, kScopeStackDepth> class_stack;
  int class_overflow = 0;  // nested classes beyond the stack, not tracked

  // A class keyword was seen and its body has not opened yet.
  bool class_pending = false;
  ClassKind pending_kind = ClassKind::kClass;
  bool name_incomplete = false;
  int32_t pending_line = 0;
  int pending_comments = 0;  // comment lines directly before the keyword
  bool pending_typedef = false;  // the keyword follows "typedef"
  TextBuffer class_header;  // text after the keyword up to "{"

  // A namespace keyword was seen and its body has not opened yet.
  bool namespace_pending = false;
  std::string pending_namespace;

  // The template header ("template <...>") being read and the last one.
  bool template_open = false;
  int template_angle_depth = 0;
  TextBuffer template_header;
  std::string template_text;  // for the next class or function
  // template_text is still to be made from template_header (most template
  // headers are never asked for: a ";" forgets them).
  bool template_unread = false;

  // The member declaration being read directly in a class body.
  TextBuffer member_text;
  bool collect_member = false;  // directly in a class body

  // What every open brace belongs to; beyond the depth braces are counted.
  std::array<BraceKind, kBraceStackDepth> braces;
  int brace_depth = 0;
  int brace_overflow = 0;

  // Java "static {" initialiser blocks and C# "where" clauses.
  bool static_seen = false;
  bool where_clause = false;

  // A Java "enum" keyword whose body has not opened yet; its constants
  // (up to the first ";" of the body) are being read; a Java record header.
  bool enum_pending = false;
  bool enum_constants = false;
  bool record_pending = false;

  // Brace depths at each open #if and at its #else, to undo a line written
  // twice in alternative branches ("#if A / f(a) { / #else / f(b) { / #endif").
  struct Conditional {
    int at_if = 0;
    int at_else = -1;  // -1: no #else yet
  };
  std::array<Conditional, kScopeStackDepth> conditionals;
  int conditional_depth = 0;  // beyond the array: not tracked

  // The namespace record that the functions of `scope` last rolled up
  // into (-1: none), valid while the namespace list has `namespaces` records
  // (0: not valid; the namespace list is not empty when it is asked).
  // `qualified`: the record was found for a qualifier of `scope`, not for
  // `scope` itself, so it is also the answer for `scope` with its last part
  // cut off (the look-up for a class named `scope`).
  struct NamespaceLookup {
    std::string scope;
    size_t namespaces = 0;
    long record = -1;
    bool qualified = false;
    // A filter in front of the namespace index: one bit per class of names
    // of the same length and last character, set for the first `filtered`
    // namespace records (kept across files, as the records are).
    std::array<uint64_t, 4> name_filter{};
    size_t filtered = 0;
  };
  NamespaceLookup last_namespace_lookup;

  // Class LOC extremes of the file.
  int32_t min_class_loc = 0, max_class_loc = 0;
  bool class_loc_seen = false;

  // Back to the state of a new file. The stacks keep their old frames: a
  // frame is written when it is pushed.
  void Reset() {
    namespace_name.clear();
    namespace_depth = 0;
    in_namespace = in_package = namespace_anonymous = false;
    namespace_overflow = 0;
    cls = ClassFrame{};
    class_depth = 0;
    in_class = false;
    class_pending = false;
    pending_kind = ClassKind::kClass;
    name_incomplete = false;
    pending_line = 0;
    pending_comments = 0;
    pending_typedef = false;
    class_header.Clear();
    namespace_pending = false;
    pending_namespace.clear();
    template_open = false;
    template_angle_depth = 0;
    template_header.Clear();
    template_text.clear();
    template_unread = false;
    member_text.Clear();
    collect_member = false;
    brace_depth = 0;
    brace_overflow = 0;
    static_seen = where_clause = false;
    enum_pending = enum_constants = record_pending = false;
    conditional_depth = 0;
    min_class_loc = max_class_loc = 0;
    class_loc_seen = false;
    last_namespace_lookup.namespaces = 0;  // looked up again in each file
  }
};

}  // namespace zav
