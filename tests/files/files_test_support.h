// Helpers of the file-set tests: a working directory for one scope,
// standard error captured, and argument vectors.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "test_support.h"
#include "zav/global_data.h"

namespace zav::test {

// Changes into `dir` and back to the previous directory at scope end.
class ScopedCwd {
 public:
  explicit ScopedCwd(const std::string& dir) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ~ScopedCwd() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

// Collects what is written to standard error while it lives.
class StderrCapture {
 public:
  StderrCapture() {
    std::fflush(stderr);
    saved_ = dup(2);
    std::snprintf(path_, sizeof path_, "/tmp/zavstderr.XXXXXX");
    int fd = mkstemp(path_);
    dup2(fd, 2);
    close(fd);
  }
  ~StderrCapture() {
    Restore();
    unlink(path_);
  }
  std::string Text() {
    Restore();
    std::ifstream in(path_, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }

 private:
  void Restore() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    dup2(saved_, 2);
    close(saved_);
    saved_ = -1;
  }
  int saved_ = -1;
  char path_[32];
};

// An argv for G.run: "zav" followed by `args`; the strings live here.
class Arguments {
 public:
  explicit Arguments(std::vector<std::string> args) : strings_(std::move(args)) {
    strings_.insert(strings_.begin(), "zav");
    for (std::string& s : strings_) pointers_.push_back(s.data());
    pointers_.push_back(nullptr);
  }
  void Install(GlobalData& G) {
    G.run.argc = static_cast<int>(strings_.size());
    G.run.argv = pointers_.data();
  }

 private:
  std::vector<std::string> strings_;
  std::vector<char*> pointers_;
};

// The names of the file set, in order.
inline std::vector<std::string> Names(const GlobalData& G) {
  std::vector<std::string> names;
  for (const FileEntry& e : G.files.entries) names.push_back(e.name);
  return names;
}

}  // namespace zav::test
