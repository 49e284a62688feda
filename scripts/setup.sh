#!/usr/bin/env bash
# Installs what the build and the tests need (when run as root and missing),
# then configures and builds in build/: the target named by the first
# argument (./run.sh builds only "zav"), else everything, tests included.
set -euo pipefail
cd "$(dirname "$0")/.."
target="${1:-}"

packages=(g++ cmake make libgtest-dev libpcre2-dev libxml2-utils)
# The tests validate the JSON report against its schema, and build again
# with clang's sanitizers and libFuzzer.
if [ -z "$target" ]; then packages+=(python3-jsonschema clang libclang-rt-dev); fi
if [ "${ZAV_WITH_BROWSER:-0}" = 1 ]; then packages+=(chromium); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" = 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y "${missing[@]}" >/dev/null 2>&1 || {
      apt-get update >/dev/null 2>&1
      apt-get install -y "${missing[@]}" >/dev/null
    }
  else
    echo "Missing packages (run as root to install): ${missing[*]}" >&2
  fi
fi

# The tests validate the SARIF log with the SARIF Multitool when npm is
# present: it goes into tools/ (ignored by git).
if [ -z "$target" ] && command -v npm >/dev/null &&
   [ ! -x tools/node_modules/.bin/sarif-multitool ]; then
  npm install --prefix tools --no-audit --no-fund @microsoft/sarif-multitool \
      >/dev/null 2>&1 || echo "Note: the SARIF Multitool could not be installed" >&2
fi
if [ -d tools/node_modules/@microsoft/sarif-multitool-linux ]; then
  chmod u+x tools/node_modules/@microsoft/sarif-multitool-linux/Sarif.Multitool
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)" ${target:+--target "$target"}
