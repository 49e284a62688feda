#!/usr/bin/env bash
# Runs the libFuzzer target for a given time (default 600 s), one job, at low
# priority. Findings are written to fuzz/findings/; new corpus entries go to
# fuzz/work_corpus/ (the checked-in seeds in fuzz/corpus/ are only read).
#   scripts/fuzz.sh [seconds] [extra libFuzzer flags...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
build=${ZAV_FUZZ_BUILD:-build-fuzz}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DZAV_SANITIZE=ON -DZAV_FUZZ=ON -DZAV_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target zav_fuzz
mkdir -p fuzz/findings fuzz/work_corpus
exec nice -n 15 "$build/zav_fuzz" -max_total_time="$seconds" -jobs=1 -workers=1 \
  -dict=fuzz/zav.dict -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix=fuzz/findings/ "$@" fuzz/work_corpus fuzz/corpus
