#!/usr/bin/env bash
# Installs what is missing, builds from scratch into build/ and runs every test; then the same
# suite again built with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/), and a
# smoke run of every fuzz target (build-fuzz/, FUZZ_SECONDS each, 60 by default).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

rm -rf build build-asan build-fuzz
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build
ctest --test-dir build --output-on-failure -j2

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUIMBO_SANITIZE=ON
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j2

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DQUIMBO_FUZZ=ON -DQUIMBO_BUILD_GUI=OFF -DBUILD_TESTING=OFF \
    -DQUIMBO_FUZZ_SECONDS="${FUZZ_SECONDS:-60}"
cmake --build build-fuzz
ctest --test-dir build-fuzz --output-on-failure -j2 -V | grep -E "ejecuciones|Test +#|tests passed|Failed|ERROR|SUMMARY|Base64" 
