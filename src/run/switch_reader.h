// Reading switches from the argument vector, one letter at a time.
#pragma once

#include <string>

namespace zav {

// The letters the program knows; a letter followed by ":" takes a value.
inline constexpr const char* kSwitchLetters =
    "AabB:cCD:dE:ef:F:h:Hik:lmnN:opM:O:P:L:S:qr:R:sT:u:vw:x:XWxy";

// One switch: its letter and, for a letter that takes one, its value.
struct SwitchArg {
  char letter = 0;
  std::string value;
  bool has_value = false;  // false when a value letter ended the arguments
  const char* argument = nullptr;  // the argument the letter was read from
};

// Reads switches from argv[1..]. A switch argument begins with "-" or with
// "/" (the latter only when it holds no further "/" and names no existing
// file or directory, so "/usr/src/a.c" stays a path). Several letters may
// share one argument ("-sn"). A value is the rest of the argument after its
// letter, or the next argument when that rest is empty. Reading ends at the
// first argument that is no switch, and at "-" or "--", which are consumed.
// A letter the program does not know comes back as itself.
class SwitchReader {
 public:
  SwitchReader(int argc, char** argv) : argc_(argc), argv_(argv) {}

  // The next switch; false when the switches have ended.
  bool Next(SwitchArg& out);

  // The index of the first argument after the switches (once Next has
  // returned false), or of the next unread argument.
  int index() const { return index_; }

 private:
  bool StartArgument();

  int argc_;
  char** argv_;
  int index_ = 1;
  size_t pos_ = 0;  // position inside argv_[index_]; 0 before its first letter
  bool ended_ = false;
};

// True when `letter` is a known switch that takes a value.
bool SwitchTakesValue(char letter);

}  // namespace zav
