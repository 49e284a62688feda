// Replays the inputs the fuzzer once broke the program with: each must run
// to its end (no crash, no abort, no sanitizer report).
#include <gtest/gtest.h>

#include <filesystem>

#include "../fuzz/fuzz_inputs.h"
#include "test_support.h"

namespace zav {
namespace {

TEST(FuzzRegression, KeptInputsRunToTheEnd) {
  int replayed = 0;
  for (const auto& item : std::filesystem::directory_iterator(ZAV_SOURCE_DIR "/fuzz/regressions")) {
    const std::string bytes = test::ReadFile(item.path().string());
    if (bytes.empty()) continue;
    test::TempDir dir;
    const unsigned char selector = static_cast<unsigned char>(bytes[0]);
    const std::string name = "input" + fuzz::ExtensionFor(selector);
    dir.Write(name, bytes.substr(1));
    std::vector<std::string> args = fuzz::SwitchesFor(selector);
    args.push_back(name);
    test::RunResult r = test::RunZav(args, dir.path());
    EXPECT_GE(r.exit_code, 0) << item.path();
    EXPECT_FALSE(test::Has(r.err, "Sanitizer") || test::Has(r.err, "runtime error")) << r.err;
    ++replayed;
  }
  EXPECT_GT(replayed, 0);
}

}  // namespace
}  // namespace zav
