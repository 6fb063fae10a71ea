#!/usr/bin/env bash
# Compiles the Windows-only registry source with the MinGW-w64 cross compiler, so it cannot
# break unnoticed on a Linux CI. Compile only: the file links no Qt.
set -euo pipefail
cd "$(dirname "$0")/.."

package=g++-mingw-w64-x86-64
compiler=x86_64-w64-mingw32-g++

scripts/ensure-packages.sh "$package"

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

"$compiler" -c -std=c++20 -Wall -Wextra -Wpedantic -Werror -I src \
    src/widgets/about/registry_windows.cpp -o "$out/registry_windows.o"
echo "registry_windows.cpp compiles for Windows ($compiler)."
