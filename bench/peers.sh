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
# corpus without them, and it stops the whole run at the first file it
# cannot parse: it is given the files it reads to the end on their own
# (found before the timing). cccc crashes on whole trees: it reads a
# subset, the first CCCC_FILES files of the list that it parses on their
# own, and zav -fa is run on that subset too. The ratio is zav's lines per second over the
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

# The first $3 (default: all) files of list $2 that the command $1 reads
# to the end on its own.
parsed_alone() {
  local tool=$1 list=$2 limit=${3:-0} found=0 f
  while IFS= read -r f; do
    rm -rf "$work/probe"
    # shellcheck disable=SC2086
    if (cd "$work" && timeout 20 $tool "$f" > /dev/null 2>&1); then
      echo "$f"
      found=$((found + 1))
      if [ "$found" -eq "$limit" ]; then break; fi
    fi
  done < "$list"
  return 0
}

bench_corpus() {
  local dir=$1
  find "$dir" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.hh' -o -name '*.hxx' \
    -o -name '*.c' -o -name '*.cc' -o -name '*.cpp' -o -name '*.cxx' \
    -o -name '*.java' -o -name '*.cs' \) | LC_ALL=C sort > "$work/files.lst"
  local files
  files=$(wc -l < "$work/files.lst")
  local c_files
  c_files=$(grep -c -v -E '\.(java|cs)$' "$work/files.lst" || true)

  # name | file list | zav run it is compared with | command
  # (FILES stands for the names of the file list)
  local tools=(
    "zav -s|files||$zav -s -F$work/files.lst -O$work/zav.out"
    "zav -fa|files||$zav -fa -F$work/files.lst -O$work/zav.out"
    "zav full (-fa -c -n -o -v)|files||$zav -fa -c -n -o -v -F$work/files.lst -O$work/zav.out"
  )
  command -v cloc > /dev/null && tools+=("cloc|files|zav -s|cloc --quiet --list-file=$work/files.lst")
  command -v ohcount > /dev/null && tools+=("ohcount|files|zav -s|ohcount FILES")
  command -v sloccount > /dev/null && tools+=("sloccount (the directory)|files|zav -s|sloccount --datadir $work/slocdata $dir")
  if command -v pmccabe > /dev/null && [ "$c_files" -gt 0 ]; then
    parsed_alone pmccabe "$work/files.lst" > "$work/pmccabe.lst"
    tools+=("pmccabe|pmccabe|zav -fa|pmccabe FILES")
  fi
  if command -v cccc > /dev/null; then
    parsed_alone "cccc --outdir=$work/probe" "$work/files.lst" "$cccc_files" > "$work/cccc.lst"
    tools+=("zav -fa (cccc's files)|cccc||$zav -fa -F$work/cccc.lst -O$work/zav.out")
    tools+=("cccc|cccc|zav -fa (cccc's files)|cccc --outdir=$work/cccc FILES")
  fi

  cat "$work/files.lst" | tr '\n' '\0' | xargs -0 cat > /dev/null  # warm the cache
  local n=${#tools[@]}
  for ((round = 0; round < rounds; ++round)); do
    for ((k = 0; k < n; ++k)); do
      local i=$(((k + round) % n))
      local entry=${tools[$i]}
      local rest=${entry#*|}
      local list=${rest%%|*}
      local cmd=${entry##*|}
      # Every tool starts from the same state: no output of an earlier run
      # left to free, no dirty pages of it left to write back.
      rm -rf "$work/slocdata" "$work/cccc" "$work/zav.out"
      sync
      mkdir -p "$work/slocdata"
      local args=() expanded=() names=()
      mapfile -t names < "$work/$list.lst"
      read -r -a args <<< "$cmd"
      for a in "${args[@]}"; do
        if [ "$a" = FILES ]; then expanded+=("${names[@]}"); else expanded+=("$a"); fi
      done
      seconds nice -n 10 "${expanded[@]}" >> "$work/times.$i"
    done
  done

  echo
  echo "$dir: $files files, $(lines_of "$work/files.lst") lines"
  echo
  echo "| tool | files read | seconds | M lines/s | zav faster by |"
  echo "| --- | ---: | ---: | ---: | ---: |"
  declare -A lps=()
  for ((i = 0; i < n; ++i)); do
    local entry=${tools[$i]}
    local name=${entry%%|*}
    local rest=${entry#*|}
    local list=${rest%%|*}
    rest=${rest#*|}
    local versus=${rest%%|*}
    local secs count read_files
    secs=$(median < "$work/times.$i")
    rm -f "$work/times.$i"
    count=$(lines_of "$work/$list.lst")
    read_files=$(wc -l < "$work/$list.lst")
    lps[$name]=$(awk -v s="$secs" -v n="$count" 'BEGIN{ if (s <= 0) s = 0.001; print n / s }')
    local ratio=""
    if [ -n "$versus" ]; then
      ratio=$(awk -v z="${lps[$versus]}" -v p="${lps[$name]}" -v v="${versus% (*}" \
        'BEGIN{ printf "%.1f× (%s)", z / p, v }')
    fi
    awk -v l="$name" -v f="$read_files" -v s="$secs" -v v="${lps[$name]}" -v r="$ratio" \
      'BEGIN{ printf "| %s | %d | %.2f | %.2f | %s |\n", l, f, s, v / 1e6, r }'
  done
}

for d in "${dirs[@]}"; do bench_corpus "$(realpath "$d")"; done
