#!/usr/bin/env bash
# Throughput benchmark of zav on a source tree.
#
#   bench/run.sh [DIR]      DIR defaults to /usr/include (C and C++ headers)
#   bench/run.sh --corpus   a deterministic generated corpus (bench/corpus/)
#
# Reports physical lines per second and peak memory for the summary run
# (zav -s), the verbose run (zav -v), the function analysis (zav -fa) and
# the full analysis
# (zav -fa -c -n -o -v), the reports written to a file,
# best of three runs each, one core, warm cache.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

if [ ! -x build/zav ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build -j "$(nproc)" >/dev/null
fi

dir=${1:-/usr/include}
if [ "$dir" = --corpus ]; then
  python3 bench/make_corpus.py bench/corpus
  dir=bench/corpus
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ZAVCFGHOME="$work"

find "$dir" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.hh' -o -name '*.hxx' \
  -o -name '*.c' -o -name '*.cc' -o -name '*.cpp' -o -name '*.cxx' \
  -o -name '*.java' -o -name '*.cs' \) | LC_ALL=C sort > "$work/files.lst"
files=$(wc -l < "$work/files.lst")
lines=$(tr '\n' '\0' < "$work/files.lst" | xargs -0 cat | wc -l)
echo "corpus: $dir, $files files, $lines lines"

mapfile -t names < "$work/files.lst"
cat "$work/files.lst" | xargs cat > /dev/null  # warm the cache

measure() {
  local label=$1; shift
  local best=""
  local rss=""
  for _ in 1 2 3; do
    # Each run writes a new report: the old one is removed and the dirty
    # pages flushed first, so that no run pays for freeing or writing back
    # the report of the run before it.
    rm -f "$work/report.txt"
    sync
    /usr/bin/time -f "%e %M" -o "$work/time" taskset -c 0 "$root/build/zav" "$@" "${names[@]}" \
      > "$work/out.txt" 2>/dev/null || true
    read -r secs kb < <(tail -n 1 "$work/time")
    if [ -z "$best" ] || awk "BEGIN{exit !($secs < $best)}"; then best=$secs; rss=$kb; fi
  done
  awk -v l="$label" -v s="$best" -v n="$lines" -v m="$rss" \
    'BEGIN{ if (s <= 0) s = 0.01; printf "%-34s %7.2f s  %6.2f M lines/s  peak %6.1f MB\n", l, s, n/s/1e6, m/1024 }'
}

measure "zav -s" -s
measure "zav -v -O report" -v -O"$work/report.txt"
measure "zav -fa -O report" -fa -O"$work/report.txt"
measure "zav -fa -c -n -o -v -O report" -fa -c -n -o -v -O"$work/report.txt"
