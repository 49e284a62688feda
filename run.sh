#!/usr/bin/env bash
# Sets up, builds, and runs zav on the bundled examples/ tree.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
cfg=$(mktemp -d)
trap 'rm -rf "$cfg"' EXIT
# Keep the configuration files of this demonstration out of the tree.
export ZAVCFGHOME="$cfg"
find examples -type f | sort | xargs build/zav -v
