#!/usr/bin/env bash
# Speed of baselines: creating the work files (with differential files, -wd)
# of two releases of a source tree and comparing them line by line.
#
#   bench/baseline_diff.sh OLD_TREE NEW_TREE   two trees of the same project
#   bench/baseline_diff.sh --glibc             builds the two glibc trees
#                                              described in bench/baselines.md
#
# Each round creates the older baseline, the newer one, and writes their
# differential report (-wd -wx); the figures are the best of five rounds per
# step, wall-clock and CPU (user + system) seconds, one process at a time.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
zav="$root/build/zav"

make_glibc_trees() {
  # glibc 2.36 as Debian ships it (the release plus the stable-branch
  # updates of debian/patches/git-updates.diff) and the plain 2.36 release,
  # got back by reversing that patch. Seven directories, about 250k lines
  # of C each.
  local top=$1 dirs="elf posix stdlib stdio-common resolv libio nss"
  mkdir -p "$top"
  if [ ! -d "$top/new" ]; then
    tar xJf /usr/src/glibc/glibc-2.36.tar.xz -C "$top"
    cp -a "$top/glibc-2.36" "$top/glibc-2.36-release"
    (cd "$top/glibc-2.36-release" &&
      patch -R -p1 -s -f --no-backup-if-mismatch \
        < /usr/src/glibc/debian/patches/git-updates.diff >/dev/null || true)
    mkdir -p "$top/old" "$top/new"
    for d in $dirs; do
      cp -a "$top/glibc-2.36-release/$d" "$top/old/"
      cp -a "$top/glibc-2.36/$d" "$top/new/"
    done
    rm -rf "$top/glibc-2.36" "$top/glibc-2.36-release"
  fi
}

if [ "${1:-}" = --glibc ]; then
  make_glibc_trees "${TMPDIR:-/tmp}/zav-baseline-bench"
  old="${TMPDIR:-/tmp}/zav-baseline-bench/old"
  new="${TMPDIR:-/tmp}/zav-baseline-bench/new"
else
  old=$(cd "$1" && pwd)
  new=$(cd "$2" && pwd)
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ZAVCFGHOME="$work"
for t in "$old" "$new"; do
  echo "$t: $(find "$t" -name '*.[ch]' | wc -l) files," \
       "$(find "$t" -name '*.[ch]' -print0 | xargs -0 cat | wc -l) lines"
  find "$t" -name '*.[ch]' -print0 | xargs -0 cat > /dev/null  # warm the cache
done

# Runs the command, appending "wall cpu" to the file named first.
timed() {
  local out=$1; shift
  /usr/bin/time -f "%e %U %S" -o "$work/t" "$@" > /dev/null
  awk '{printf "%s %.2f\n", $1, $2 + $3}' "$work/t" >> "$out"
}

for round in 1 2 3 4 5; do
  rm -rf "$work/w" && mkdir "$work/w"
  (cd "$old" && timed "$work/old.t" "$zav" -wd "-wFile dat $work/w/old.dat" "-wcreate ." -rc,h)
  (cd "$new" && timed "$work/new.t" "$zav" -wd "-wFile dat $work/w/new.dat" "-wcreate ." -rc,h)
  (cd "$work/w" && timed "$work/diff.t" "$zav" -wd "-wx old.dat, new.dat")
done
(cd "$work/w" && "$zav" -wd "-wx old.dat, new.dat" |
  sed -n '/Differential Profile/,/^  Equ/p')

best() { sort -n -k"$2" "$work/$1.t" | head -1 | awk -v k="$2" '{print $k}'; }
printf '%-22s %8s %8s\n' step wall cpu
total_wall=0 total_cpu=0
for step in old new diff; do
  w=$(best $step 1) c=$(best $step 2)
  printf '%-22s %8s %8s\n' "$step" "$w" "$c"
  total_wall=$(echo "$total_wall + $w" | bc) total_cpu=$(echo "$total_cpu + $c" | bc)
done
printf '%-22s %8s %8s\n' "total (best of 5)" "$total_wall" "$total_cpu"
