#!/usr/bin/env bash
# Sets up, builds, and runs zav on the bundled examples/ tree.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
cfg=$(mktemp -d)
trap 'rm -rf "$cfg"' EXIT
# Keep the configuration files of this demonstration out of the tree.
export ZAVCFGHOME="$cfg"
build/zav -fa -c -o -v -r"c,h,cpp,java,cs examples"
