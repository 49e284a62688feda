#include "run/run.h"

int main(int argc, char** argv) { return zav::Run(argc, argv); }

// In a sanitizer build a finding aborts the process, so that a test running
// the binary sees a signal rather than an ordinary exit status.
extern "C" const char* __asan_default_options() { return "abort_on_error=1"; }
extern "C" const char* __ubsan_default_options() {
  return "abort_on_error=1:halt_on_error=1:print_stacktrace=1";
}
