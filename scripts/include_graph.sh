#!/usr/bin/env bash
# Prints which source folders include headers of which, from the
# `#include "folder/name.h"` lines under src/ and include/, one line per
# folder in run order:
#
#   run       -> files analysis ...
#
# A folder may include its own headers and those of folders below it in the
# run order (run; files, baseline, utility; analysis; quality; report; base;
# include). Every include of a folder at the same level or above, every
# folder the order does not know, and every cycle is listed on standard
# error, and the exit status is then 1.
#
#   scripts/include_graph.sh [REPO_ROOT]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# Levels from the top, separated by blanks; folders of one level by commas.
order="run files,baseline,utility analysis quality report base include"

grep -rHo --include='*.h' --include='*.cc' '^#include "[^"]*"' src include |
  LC_ALL=C sort |
  awk -v order="$order" '
    function folder_of(path,   parts) {
      split(path, parts, "/")
      return parts[1] == "include" ? "include" : parts[2]
    }
    BEGIN {
      levels = split(order, level, " ")
      for (i = 1; i <= levels; ++i) {
        n = split(level[i], names, ",")
        for (j = 1; j <= n; ++j) { rank[names[j]] = i; folders[++count] = names[j] }
      }
      bad = 0
    }
    {
      file = $0; sub(/:.*/, "", file)
      target = $0; sub(/^[^"]*"/, "", target); sub(/"$/, "", target)
      from = folder_of(file)
      if (index(target, "/") == 0) next  # a header next to the file
      to = target; sub(/\/.*/, "", to)
      if (to == "zav") to = "include"
      if (from == to) next
      if (!(from in rank) || !(to in rank)) {
        printf "unknown folder: %s includes \"%s\"\n", file, target > "/dev/stderr"
        bad = 1
        next
      }
      if (rank[to] <= rank[from]) {
        printf "include against the run order: %s includes \"%s\"\n", file, target > "/dev/stderr"
        bad = 1
      }
      edge[from, to] = 1
      seen[from] = 1
    }
    END {
      for (i = 1; i <= count; ++i) {
        f = folders[i]
        line = ""
        for (j = 1; j <= count; ++j) if ((f, folders[j]) in edge) line = line " " folders[j]
        if (line == "" && !(f in seen) && system("test -d src/" f) != 0 && f != "include") continue
        printf "%-9s ->%s\n", f, line == "" ? " (nothing)" : line
      }
      # Cycles: repeatedly drop folders that include no remaining folder or
      # that no remaining folder includes; whatever is left lies on a cycle.
      do {
        dropped = 0
        for (i = 1; i <= count; ++i) {
          f = folders[i]
          if (f in gone) continue
          outgoing = 0
          incoming = 0
          for (j = 1; j <= count; ++j) {
            if (folders[j] in gone) continue
            if ((f, folders[j]) in edge) outgoing = 1
            if ((folders[j], f) in edge) incoming = 1
          }
          if (!outgoing || !incoming) { gone[f] = 1; dropped = 1 }
        }
      } while (dropped)
      for (i = 1; i <= count; ++i) {
        if (!(folders[i] in gone)) {
          printf "on an include cycle: %s\n", folders[i] > "/dev/stderr"
          bad = 1
        }
      }
      exit bad
    }'
