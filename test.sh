#!/usr/bin/env bash
# Sets up, builds, and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
ZAV_WITH_BROWSER=1 ./scripts/setup.sh
cd build
ctest --output-on-failure -j "$(nproc)"
