#!/usr/bin/env bash
# zav beside the line counters and metrics tools that Debian packages.
#
#   bench/peers.sh [DIR...]     DIR defaults to /usr/include and the JDK's
#                               Java sources (bench/java_corpus.sh)
#   ROUNDS=5  CCCC_FILES=300  ZAV=build/zav   (environment, defaults shown)
#
# One interleaved run per corpus: each round runs every tool once, the
# starting tool rotating from round to round, so that load from elsewhere
# falls on all tools alike; each figure is the median of the rounds. One
# core (taskset -c 0), warm cache. Every tool reads the same sorted file
# list except sloccount, which only takes directories and is given the
# corpus directory. pmccabe reads only C and C++, so it is skipped on a
# corpus without them; cccc reads a subset (the first CCCC_FILES files of
# the list), since it crashes on whole trees, and zav -fa is run on that
# subset too for its ratio. The ratio is zav's lines per second over the
# tool's: above 1, zav is faster. The line counters are compared with
# zav -s, the metrics tools with zav -fa.
#
# Prints a Markdown table per corpus, ready to paste.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
zav=$(realpath "${ZAV:-build/zav}")
rounds=${ROUNDS:-5}
cccc_files=${CCCC_FILES:-300}
[ -x "$zav" ] || { echo "no zav binary at $zav (build first or set ZAV)" >&2; exit 2; }
for tool in cloc ohcount sloccount pmccabe cccc; do
  command -v "$tool" > /dev/null || echo "note: $tool is not installed; skipped" >&2
done

dirs=("$@")
[ ${#dirs[@]} -eq 0 ] && dirs=(/usr/include "$(bench/java_corpus.sh)")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ZAVCFGHOME="$work/cfg/"
mkdir -p "$work/cfg"

cpu=$(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //')
echo "$(date -u +%Y-%m-%d), $(nproc) cores ($cpu), one core used;" \
  "median of $rounds interleaved rounds"

# Seconds of one run of a command (its output thrown away).
seconds() {
  local start=$EPOCHREALTIME
  taskset -c 0 "$@" > /dev/null 2>&1 || true
  awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN{ printf "%.3f\n", b - a }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

lines_of() { tr '\n' '\0' < "$1" | xargs -0 cat | wc -l; }

bench_corpus() {
  local dir=$1
  find "$dir" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.hh' -o -name '*.hxx' \
    -o -name '*.c' -o -name '*.cc' -o -name '*.cpp' -o -name '*.cxx' \
    -o -name '*.java' -o -name '*.cs' \) | LC_ALL=C sort > "$work/files.lst"
  head -n "$cccc_files" "$work/files.lst" > "$work/subset.lst"
  local files lines subset_lines
  files=$(wc -l < "$work/files.lst")
  lines=$(lines_of "$work/files.lst")
  subset_lines=$(lines_of "$work/subset.lst")
  local c_files
  c_files=$(grep -c -v -E '\.(java|cs)$' "$work/files.lst" || true)
  mapfile -t names < "$work/files.lst"
  mapfile -t subset < "$work/subset.lst"

  # name | lines read | zav mode it is compared with | command
  local tools=(
    "zav -s|$lines||$zav -s -F$work/files.lst -O$work/zav.out"
    "zav -fa|$lines||$zav -fa -F$work/files.lst -O$work/zav.out"
    "zav full (-fa -c -n -o -v)|$lines||$zav -fa -c -n -o -v -F$work/files.lst -O$work/zav.out"
  )
  command -v cloc > /dev/null && tools+=("cloc|$lines|zav -s|cloc --quiet --list-file=$work/files.lst")
  command -v ohcount > /dev/null && tools+=("ohcount|$lines|zav -s|ohcount FILES")
  command -v sloccount > /dev/null && tools+=("sloccount (directory)|$lines|zav -s|sloccount --datadir $work/slocdata $dir")
  if command -v pmccabe > /dev/null && [ "$c_files" -gt 0 ]; then
    tools+=("pmccabe|$lines|zav -fa|pmccabe FILES")
  fi
  if command -v cccc > /dev/null; then
    tools+=("zav -fa, $cccc_files files|$subset_lines||$zav -fa -F$work/subset.lst -O$work/zav.out")
    tools+=("cccc, $cccc_files files|$subset_lines|zav -fa, $cccc_files files|cccc --outdir=$work/cccc SUBSET")
  fi

  cat "${names[@]}" > /dev/null  # warm the cache
  local n=${#tools[@]}
  for ((round = 0; round < rounds; ++round)); do
    for ((k = 0; k < n; ++k)); do
      local i=$(((k + round) % n))
      local cmd=${tools[$i]##*|}
      rm -rf "$work/slocdata" "$work/cccc"
      mkdir -p "$work/slocdata"
      local args=()
      read -r -a args <<< "$cmd"
      local expanded=()
      for a in "${args[@]}"; do
        case $a in
          FILES) expanded+=("${names[@]}") ;;
          SUBSET) expanded+=("${subset[@]}") ;;
          *) expanded+=("$a") ;;
        esac
      done
      seconds nice -n 10 "${expanded[@]}" >> "$work/times.$i"
    done
  done

  echo
  echo "$dir: $files files, $lines lines"
  echo
  echo "| tool | seconds | M lines/s | zav faster by |"
  echo "| --- | ---: | ---: | ---: |"
  declare -A lps=()
  for ((i = 0; i < n; ++i)); do
    local entry=${tools[$i]}
    local name=${entry%%|*}
    local rest=${entry#*|}
    local count=${rest%%|*}
    rest=${rest#*|}
    local versus=${rest%%|*}
    local secs
    secs=$(median < "$work/times.$i")
    rm -f "$work/times.$i"
    lps[$name]=$(awk -v s="$secs" -v n="$count" 'BEGIN{ if (s <= 0) s = 0.01; print n / s }')
    local ratio=""
    if [ -n "$versus" ]; then
      ratio=$(awk -v z="${lps[$versus]}" -v p="${lps[$name]}" 'BEGIN{ printf "%.1f× (%s)", z / p, "'"${versus%%,*}"'" }')
    fi
    awk -v l="$name" -v s="$secs" -v v="${lps[$name]}" -v r="$ratio" \
      'BEGIN{ printf "| %s | %.2f | %.2f | %s |\n", l, s, v / 1e6, r }'
  done
}

for d in "${dirs[@]}"; do bench_corpus "$(realpath "$d")"; done
