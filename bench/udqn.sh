#!/usr/bin/env bash
# Cost of user-defined quality notices on the full analysis.
#
#   bench/udqn.sh [DIR] [ROUNDS]   DIR defaults to /usr/include, ROUNDS to 5
#
# Runs zav -fa -c -n -o -v -O report over the tree without a notice file
# and with the ten definitions of bench/udqn_sample.cfg (every context,
# flag chains, an end-of-file definition), the two alternating so that a
# busy shared machine slows both alike, and reports the ratio of their
# median CPU times (user + system).
#
# Measured 2026-12-06 on /usr/include (7,573 C and C++ headers) on a
# shared 2-core machine, 5 interleaved rounds, 11,220 notices written:
#   median CPU without notices 1.51 s, with the ten 2.17 s: ratio 1.44.
# Most lines never reach the matcher: a line lacking a byte or literal text
# that every match needs is passed over, and only lines that could match a
# code, comment or string definition are split into those parts. A
# definition whose pattern can match nearly any line does reach the matcher
# on every line: adding "[ \t]$" (trailing blanks) to the ten raised the
# ratio to about 1.9, and "[ \t]+$" costs about as much again.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
dir=${1:-/usr/include}
rounds=${2:-5}

if [ ! -x build/zav ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build -j 2 >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/plain" "$work/udqn"
cp bench/udqn_sample.cfg "$work/udqn/zav_udqn.cfg"

find "$dir" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.hh' -o -name '*.hxx' \
  -o -name '*.c' -o -name '*.cc' -o -name '*.cpp' -o -name '*.cxx' \
  -o -name '*.java' -o -name '*.cs' \) | LC_ALL=C sort > "$work/files.lst"
mapfile -t names < "$work/files.lst"
echo "corpus: $dir, ${#names[@]} files"
cat "$work/files.lst" | xargs cat > /dev/null  # warm the cache

# CPU seconds of one full analysis with ZAVCFGHOME=$1.
run() {
  ZAVCFGHOME="$1/" /usr/bin/time -f "%U %S" -o "$work/time" \
    "$root/build/zav" -fa -c -n -o -v -O"$work/report.txt" "${names[@]}" >/dev/null 2>&1 || true
  # The last line: zav's exit status (the notice count) adds a line before.
  tail -n 1 "$work/time" | awk '{ printf "%.2f\n", $1 + $2 }'
}

run "$work/plain" > /dev/null  # creates zav.cfg in both directories
run "$work/udqn" > /dev/null
echo "user-defined notices written: $(grep -c 'Notice #1[0-9][0-9]' "$work/report.txt" || true)"
: > "$work/plain.t"
: > "$work/udqn.t"
for ((i = 1; i <= rounds; i++)); do
  run "$work/plain" >> "$work/plain.t"
  run "$work/udqn" >> "$work/udqn.t"
  echo "round $i: without $(tail -n 1 "$work/plain.t") s, with $(tail -n 1 "$work/udqn.t") s"
done
median() {
  sort -n "$1" | awk '{ v[NR] = $1 } END { if (NR % 2) m = v[(NR + 1) / 2]; else m = (v[NR / 2] + v[NR / 2 + 1]) / 2; print m }'
}
base=$(median "$work/plain.t")
udqn=$(median "$work/udqn.t")
awk -v b="$base" -v u="$udqn" 'BEGIN { printf "median CPU: without %.2f s, with %.2f s, ratio %.2f\n", b, u, u / b }'
