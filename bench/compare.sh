#!/usr/bin/env bash
# Byte-for-byte comparison of zav's reports before and after a change, on
# both corpora: the C and C++ headers and the JDK's Java sources.
#
#   bench/compare.sh save  REFDIR [DIR...]   write the reference reports
#   bench/compare.sh check REFDIR [DIR...]   run again, compare with REFDIR
#
#   bench/compare.sh check REF/inc /usr/include
#   bench/compare.sh check REF/jdk "$(bench/java_corpus.sh)"
#
# DIR defaults to /usr/include, /usr/src/googletest and examples/; the
# Java corpus is bench/java_corpus.sh's extraction of the JDK sources
# (openjdk-17-source), checked as a run of its own. Each run
# of the table below reads the same sorted file list; the run and build
# dates and the temporary configuration directory are masked, everything
# else must match byte for byte. `check` exits 1 on the first difference
# set and prints the first differing lines of each report that changed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

mode=${1:-}
ref=${2:-}
if [ -z "$mode" ] || [ -z "$ref" ] || { [ "$mode" != save ] && [ "$mode" != check ]; }; then
  echo "usage: bench/compare.sh save|check REFDIR [DIR...]" >&2
  exit 2
fi
shift 2
dirs=("$@")
[ ${#dirs[@]} -eq 0 ] && dirs=(/usr/include /usr/src/googletest examples)
for i in "${!dirs[@]}"; do dirs[$i]=$(realpath "${dirs[$i]}"); done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Runs from inside the work directory with relative names, so that the
# command line and configuration path in the report headers do not vary.
export ZAVCFGHOME=cfg
mkdir -p "$work/cfg"

find "${dirs[@]}" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.hh' -o -name '*.hxx' \
  -o -name '*.c' -o -name '*.cc' -o -name '*.cpp' -o -name '*.cxx' \
  -o -name '*.java' -o -name '*.cs' \) | LC_ALL=C sort > "$work/files.lst"
echo "corpus: ${dirs[*]}: $(wc -l < "$work/files.lst") files"

# name | switches (the file list is passed with -F)
runs=(
  "summary|-s"
  "verbose|-v"
  "functions|-fa"
  "full|-fa -c -n -o -v"
  "details|-fd -fm -fp -a -m -l -e"
  "totals|-Ta -fa -c -n -o -i"
  "notices|-n -Ns -Tn -Tp -Tq"
  "html|-H -fa -c -n -o -v -Ta -i"
  "csv|-C -fa -c -n -o -v -Ta"
  "xml|-X -fa -c -n -o -v -Ta -i"
  "json|--json -fa -c -n -o -v"
  "sarif|--sarif -fa -n"
)

# Masks what legitimately changes between runs: dates and the work dir.
mask() {
  sed -E -e "s#$work#WORK#g" \
    -e 's/(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) [ 0-9][0-9],? [0-9]{4}/DATE/g' \
    -e 's/(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) [ 0-9][0-9] [0-9:]{8} [0-9]{4}/DATE/g' \
    -e 's/(Mon|Tue|Wed|Thu|Fri|Sat|Sun) DATE/DATE/g'
}

mkdir -p "$ref"
status=0
for entry in "${runs[@]}"; do
  name=${entry%%|*}
  switches=${entry#*|}
  # ZAV_COMPARE_ONLY="summary full" limits the runs to those named.
  if [ -n "${ZAV_COMPARE_ONLY:-}" ] && [[ " $ZAV_COMPARE_ONLY " != *" $name "* ]]; then
    continue
  fi
  # shellcheck disable=SC2086
  (cd "$work" && nice -n 10 "$root/build/zav" $switches -Ffiles.lst -O"$name.raw" \
    > "$name.stdout" 2>&1) && rc=0 || rc=$?
  { cat "$work/$name.raw" 2>/dev/null; echo "== stdout"; cat "$work/$name.stdout"; echo "== exit $rc"; } \
    | mask > "$work/$name.out"
  if [ "$mode" = save ]; then
    mv "$work/$name.out" "$ref/$name.out"
    printf '%-8s saved   %10d bytes\n' "$name" "$(wc -c < "$ref/$name.out")"
  elif cmp -s "$work/$name.out" "$ref/$name.out"; then
    printf '%-8s same    %10d bytes\n' "$name" "$(wc -c < "$ref/$name.out")"
  else
    printf '%-8s DIFFERS\n' "$name"
    diff "$ref/$name.out" "$work/$name.out" | head -20 || true
    status=1
  fi
done
exit $status
