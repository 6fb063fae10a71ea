#!/usr/bin/env bash
# Compiles the Windows-only registry source with the MinGW-w64 cross compiler, so it cannot
# break unnoticed on a Linux CI. Compile only: the file links no Qt.
set -euo pipefail
cd "$(dirname "$0")/.."

package=g++-mingw-w64-x86-64
compiler=x86_64-w64-mingw32-g++

if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    echo "Installing $package"
    if [ "$(id -u)" -eq 0 ]; then
        sudo=()
    elif command -v sudo >/dev/null 2>&1; then
        sudo=(sudo)
    else
        echo "$package is missing and there is no sudo to install it; install it as root." >&2
        exit 1
    fi
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$package"
fi

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

"$compiler" -c -std=c++20 -Wall -Wextra -Wpedantic -Werror -I src \
    src/ui/about/registry_windows.cpp -o "$out/registry_windows.o"
echo "registry_windows.cpp compiles for Windows ($compiler)."
