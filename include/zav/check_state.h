// State of the quality checks of the file being analysed.
//
// Owned by src/quality/ (checks_*.cc); reset at the start of every file
// (StartFileChecks).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "zav/scope_state.h"

namespace zav {

inline constexpr int kSwitchStackDepth = 32;

// The bits of CheckState::waiting.
inline constexpr uint8_t kIfWaiting = 1;
inline constexpr uint8_t kWhileWaiting = 2;

// The keyword of notice 22 whose body may lack braces; the values index
// the keyword texts of the notice.
enum PendingKeyword : int {
  kPendingNone = 0,
  kPendingDo = 1,
  kPendingElse = 2,
  kPendingFor = 3,
  kPendingIf = 4,
  kPendingWhile = 5,
};

// Flags of the checks for one open class.
struct ClassCheckFlags {
  bool has_virtual = false;
  bool has_virtual_destructor = false;
  bool virtual_in_declaration = false;  // "virtual" seen in this member
};

struct CheckState {
  // Per open class, indexed by the scope model's class depth: a nested
  // class's flags sit above those of the classes around it, which wait
  // unchanged until it ends. Cleared when a class begins.
  std::array<ClassCheckFlags, kScopeStackDepth + 1> classes{};

  // Brace depth of each open switch body (32 levels; deeper ones counted).
  int switch_stack[kSwitchStackDepth] = {};
  int switch_depth = 0;
  bool switch_pending = false;  // "switch" seen, its "{" not yet

  bool last_was_break = false;  // the last statement was "break"
  bool in_break_statement = false;

  // Notice 22: the keyword whose body may lack braces.
  int pending_keyword = 0;  // a PendingKeyword
  int32_t pending_line = 0;
  int unbound_keyword = 0;  // the keyword pending when the line started
  int32_t unbound_line = 0;
  bool while_pending = false;  // "while" seen, its condition not yet closed
  int while_condition_level = -1;

  // Notices 4 and 5: an if or while condition is open.
  int paren_level = 0;  // "(" minus ")" seen by the checks
  // "if" (kIfWaiting) or "while" (kWhileWaiting) seen, its "(" not yet:
  // one byte, so that an "(" tests both at once.
  uint8_t waiting = 0;

  // Set when no further notice of this file can change what the run shows
  // (see NoticeNeed): the checks then do nothing and raise nothing. No
  // analysis result reads the checks' state. Beside the state of the
  // most frequent checks.
  bool quiet = false;
  int if_condition_level = -1;
  int while_cond_level = -1;

  bool friend_seen = false;
  bool friend_class = false;
  std::string friend_name;

  bool catch_seen = false;       // "catch" seen on this line
  bool const_in_statement = false;  // const (Java final) in this statement
};

}  // namespace zav
