#!/usr/bin/env bash
# Kills runs with SIGKILL while they create or upgrade their configuration
# files, and checks after each kill that every configuration file holds its
# old content or its complete new content, never a part; a later run that
# is not killed leaves no temporary file behind.
#   scripts/kill_loop.sh [rounds (default 300)] [zav binary (default build/zav)]
set -u
rounds=${1:-300}
zav=${2:-build/zav}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

old_cfg=$'ZAV CFG Version: 6.10\nMaximum Line Length : 120\n'
printf 'int f()\n{\n  return 1;\n}\n' > "$work/a.c"

run() { ZAVCFGHOME="$1" exec "$zav" -s "$work/a.c" >/dev/null 2>&1; }

# Uninterrupted runs give the new contents (the files name their own
# directory, so every round uses the same one).
dir="$work/round"
mkdir "$work/ref_new" "$work/ref_up"
for mode in new up; do
  rm -rf "$dir"; mkdir "$dir"
  [ "$mode" = up ] && printf '%s' "$old_cfg" > "$dir/zav.cfg"
  (run "$dir")
  cp "$dir"/*.cfg "$work/ref_$mode/"
done

failures=0
fail() { echo "kill_loop: round $1: $2" >&2; failures=$((failures + 1)); }

same() { [ -e "$1" ] && cmp -s "$1" "$2"; }

for ((i = 1; i <= rounds; i++)); do
  rm -rf "$dir"; mkdir "$dir"
  mode=new
  if ((i % 2)); then mode=up; printf '%s' "$old_cfg" > "$dir/zav.cfg"; fi
  (run "$dir") &
  pid=$!  # zav itself: run execs it
  # A delay of 0 to about 3 ms: the kill lands before, during or after the
  # configuration is written.
  ((RANDOM % 4)) && sleep "0.00$((RANDOM % 4))$((RANDOM % 10))"
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null

  cfg="$dir/zav.cfg"
  if [ "$mode" = up ]; then
    [ "$(cat "$cfg")" = "${old_cfg%$'\n'}" ] || same "$cfg" "$work/ref_up/zav.cfg" ||
      fail "$i" "upgraded zav.cfg is neither old nor new"
  else
    [ ! -e "$cfg" ] || same "$cfg" "$work/ref_new/zav.cfg" || fail "$i" "new zav.cfg is partial"
  fi
  macro="$dir/zav_macro.cfg"
  [ ! -e "$macro" ] || same "$macro" "$work/ref_new/zav_macro.cfg" ||
    fail "$i" "zav_macro.cfg is partial"

  # The next run completes the files and leaves no temporary file.
  (run "$dir")
  same "$cfg" "$work/ref_$mode/zav.cfg" || fail "$i" "zav.cfg not completed by the next run"
  if compgen -G "$dir/*.tmp" >/dev/null; then fail "$i" "temporary file left: $(ls "$dir")"; fi
done

echo "kill_loop: $rounds rounds, $failures failures"
[ "$failures" = 0 ]
