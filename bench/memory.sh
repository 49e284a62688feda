#!/usr/bin/env bash
# Peak memory of zav against the number of files read.
#
#   bench/memory.sh [DIR]        DIR defaults to the JDK's Java sources
#                                (bench/java_corpus.sh extracts them)
#   ZAV=path/to/zav bench/memory.sh   measures another binary
#
# Reads the first quarter, the first half and all of the sorted file list
# and prints the peak resident set (/usr/bin/time %M) of the summary run
# (-s), the function run (-fa) and the full analysis (-fa -c -n -o -v,
# written to a file) as a Markdown table, with the growth per file from a
# quarter to all of the list. Memory does not depend on the machine's load,
# so one run of each is enough.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
zav=${ZAV:-$root/build/zav}
[ -x "$zav" ] || { echo "no zav binary at $zav (build first or set ZAV)" >&2; exit 2; }

dir=${1:-}
[ -z "$dir" ] && dir=$(bench/java_corpus.sh)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ZAVCFGHOME="$work/cfg/"
mkdir -p "$work/cfg"

find "$dir" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.hh' -o -name '*.hxx' \
  -o -name '*.c' -o -name '*.cc' -o -name '*.cpp' -o -name '*.cxx' \
  -o -name '*.java' -o -name '*.cs' \) | LC_ALL=C sort > "$work/all.lst"
total=$(wc -l < "$work/all.lst")
quarter=$((total / 4))
half=$((total / 2))
head -n "$quarter" "$work/all.lst" > "$work/quarter.lst"
head -n "$half" "$work/all.lst" > "$work/half.lst"
cp "$work/all.lst" "$work/whole.lst"

# Peak resident set in KB of one run over one list.
peak() {
  local list=$1; shift
  /usr/bin/time -f %M -o "$work/time" nice -n 10 "$zav" "$@" -F"$work/$list.lst" \
    -O"$work/report.out" > /dev/null 2>&1 || true
  tail -n 1 "$work/time"
}

echo "$dir, $total files; zav: $zav"
echo
echo "| run | 1/4 ($quarter files) | 1/2 ($half files) | all ($total files) | growth per file |"
echo "| --- | ---: | ---: | ---: | ---: |"
modes=("-s|-s" "-fa|-fa" "full|-fa -c -n -o -v")
for entry in "${modes[@]}"; do
  label=${entry%%|*}
  switches=${entry#*|}
  # shellcheck disable=SC2086
  q=$(peak quarter $switches)
  # shellcheck disable=SC2086
  h=$(peak half $switches)
  # shellcheck disable=SC2086
  a=$(peak whole $switches)
  awk -v l="$label" -v q="$q" -v h="$h" -v a="$a" -v n="$((total - quarter))" \
    'BEGIN{ printf "| %s | %.1f MB | %.1f MB | %.1f MB | %.2f KB |\n",
            l, q/1024, h/1024, a/1024, (a-q)/n }'
done
