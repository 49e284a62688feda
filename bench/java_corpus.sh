#!/usr/bin/env bash
# Extracts the Java sources of the JDK (Debian's openjdk-17-source, or the
# src.zip of an installed JDK) into DIR, default /work/corpus/jdk, once.
#
#   bench/java_corpus.sh [DIR]
set -euo pipefail
dir=${1:-/work/corpus/jdk}
zip=""
for z in /usr/lib/jvm/openjdk-17/lib/src.zip /usr/lib/jvm/openjdk-17/src.zip /usr/lib/jvm/java-17-openjdk-amd64/lib/src.zip; do
  [ -f "$z" ] && zip=$z && break
done
if [ -z "$zip" ]; then
  echo "no JDK src.zip: install openjdk-17-source" >&2
  exit 1
fi
if [ ! -d "$dir" ]; then
  mkdir -p "$dir"
  unzip -q -o "$zip" -d "$dir"
fi
echo "$dir"
