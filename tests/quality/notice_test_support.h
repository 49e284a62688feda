// A harness for raising notices by hand and reading what they wrote.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "quality/notices.h"
#include "test_support.h"

namespace zav::test {

// Passes when `text` begins with `head`.
inline ::testing::AssertionResult BeginsWith(const std::string& text,
                                             const std::string& head) {
  if (text.compare(0, head.size(), head) == 0) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "the text\n" << text << "\ndoes not begin with\n" << head;
}

class NoticeHarness {
 public:
  explicit NoticeHarness(const std::string& file_name = "src/a.cpp") {
    entry_.name = file_name;
    h_.G().current_entry = &entry_;
  }
  GlobalData& G() { return h_.G(); }
  Harness& harness() { return h_; }

  // Raises one notice and returns what it wrote.
  std::string Raise(int number, int32_t line, const NoticeArgs& args = {}) {
    const size_t before = h_.Output().size();
    RaiseNotice(h_.G(), number, line, args);
    return h_.Output().substr(before);
  }

  // Analyses `text` as the current file and returns what it wrote.
  std::string Analyze(const std::string& text) {
    const size_t before = h_.Output().size();
    h_.AnalyzeFile(text, entry_.name);
    return h_.Output().substr(before);
  }

 private:
  Harness h_;
  FileEntry entry_;
};

}  // namespace zav::test
