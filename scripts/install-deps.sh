#!/usr/bin/env bash
# Installs, on Debian 12, whatever of the build and test tools is missing.
set -euo pipefail

packages=(cmake g++ make googletest libgtest-dev libbenchmark-dev libcli11-dev clang libclang-rt-14-dev
          g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine wine64 xvfb xauth)
[ "${1:-}" = "--native-only" ] && packages=(cmake g++ make googletest libgtest-dev libcli11-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
