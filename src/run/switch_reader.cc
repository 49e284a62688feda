#include "run/switch_reader.h"

#include <sys/stat.h>

#include <cstring>

namespace zav {
namespace {

// "/s" is a switch; "/usr/src/a.c" or "/tmp" are paths.
bool IsSlashSwitch(const char* arg) {
  if (arg[0] != '/' || arg[1] == '\0') return false;
  if (std::strchr(arg + 1, '/') != nullptr) return false;
  struct stat st;
  return ::stat(arg, &st) != 0;
}

}  // namespace

bool SwitchTakesValue(char letter) {
  if (letter == ':' || letter == '\0') return false;
  const char* p = std::strchr(kSwitchLetters, letter);
  return p != nullptr && p[1] == ':';
}

bool SwitchReader::StartArgument() {
  if (index_ >= argc_ || argv_[index_] == nullptr) return false;
  const char* arg = argv_[index_];
  if (std::strcmp(arg, "-") == 0 || std::strcmp(arg, "--") == 0) {
    ++index_;
    return false;
  }
  if (arg[0] == '-' || IsSlashSwitch(arg)) {
    pos_ = 1;
    return true;
  }
  return false;
}

bool SwitchReader::Next(SwitchArg& out) {
  if (ended_) return false;
  if (pos_ == 0 && !StartArgument()) {
    ended_ = true;
    return false;
  }
  const char* arg = argv_[index_];
  out = SwitchArg();
  out.argument = arg;
  out.letter = arg[pos_++];
  if (!SwitchTakesValue(out.letter)) {
    if (arg[pos_] == '\0') {
      pos_ = 0;
      ++index_;
    }
    return true;
  }
  // A value letter takes the rest of its argument, else the next argument.
  const char* rest = arg + pos_;
  pos_ = 0;
  ++index_;
  if (*rest != '\0') {
    out.value = rest;
    out.has_value = true;
  } else if (index_ < argc_ && argv_[index_] != nullptr) {
    out.value = argv_[index_++];
    out.has_value = true;
  }
  return true;
}

}  // namespace zav
