#!/usr/bin/env bash
# Sets up, builds, and runs every test through CTest; then builds again with
# AddressSanitizer and UndefinedBehaviorSanitizer (clang, with the fuzz
# target) in build-san/ and runs the whole suite there too.
set -euo pipefail
cd "$(dirname "$0")"
ZAV_WITH_BROWSER=1 ./scripts/setup.sh
(cd build && ctest --output-on-failure -j "$(nproc)")

cmake -S . -B build-san -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DZAV_SANITIZE=ON -DZAV_FUZZ=ON >/dev/null
cmake --build build-san -j "$(nproc)"
cd build-san
ctest --output-on-failure -j "$(nproc)"
