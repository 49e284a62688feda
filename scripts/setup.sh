#!/usr/bin/env bash
# Installs what the build and the tests need (when run as root and missing),
# then configures and builds zav in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake make libgtest-dev libpcre2-dev libxml2-utils clang libclang-rt-dev)
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

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)"
