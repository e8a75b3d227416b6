#!/bin/sh
# Installs what is needed, builds everything and runs every test; then
# builds the widget-free layers with AddressSanitizer and
# UndefinedBehaviorSanitizer and warnings as errors, and runs their tests;
# then runs every fuzz target on its kept crash inputs and fuzzes each for
# 30 seconds (scripts/fuzz.sh).
# Usage: scripts/test.sh [--quick]   (--quick skips the sanitizer and fuzz passes)
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
JOBS=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_WERROR=ON
cmake --build build -j"$JOBS"
ctest --test-dir build --output-on-failure -j"$JOBS"

if [ "${1:-}" != "--quick" ]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DQUORVANE_CORE_ONLY=ON -DQUORVANE_SANITIZE=ON -DQUORVANE_WERROR=ON
  cmake --build build-asan -j"$JOBS"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$JOBS"
  ./scripts/fuzz.sh 30
fi
# Formatting follows .clang-format (Debian 12's clang-format).
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files '*.cpp' '*.h'
else
  find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print
fi | xargs clang-format --dry-run --Werror
echo "All tests passed."
