#!/usr/bin/env bash
# Installs what is missing, builds from scratch into build/ and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
rm -rf build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build
ctest --test-dir build --output-on-failure -j2
