#!/bin/sh
# Builds the fuzz targets of fuzz/ in build-san/ (the build the test
# command's sanitizer pass shares: clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer over the widget-free layers), runs each once on
# its kept crash inputs and its seeds, then fuzzes each for SECONDS
# (default 60) on a copy of its seeds, and prints the runs per second of
# each. An input that crashes is kept in build-san/crashes/<target>/; once
# the fault is fixed, commit it under fuzz/regressions/<target>/.
# Usage: scripts/fuzz.sh [SECONDS]
set -eu
cd "$(dirname "$0")/.."
SEGUNDOS=${1:-60}
case "$SEGUNDOS" in
  '' | *[!0-9]*) echo "usage: scripts/fuzz.sh [SECONDS]" >&2; exit 2 ;;
esac
./scripts/install-deps.sh
JOBS=$(nproc 2>/dev/null || echo 2)
inicio=$(date +%s)

./scripts/configure-san.sh "$SEGUNDOS"
cmake --build build-san -j"$JOBS"
ctest --test-dir build-san -L regressions --output-on-failure -j"$JOBS"
rm -f build-san/logs/*.summary
status=0
ctest --test-dir build-san -L fuzz --output-on-failure -j"$JOBS" || status=$?
cat build-san/logs/*.summary 2>/dev/null || true
echo "Fuzzing took $(($(date +%s) - inicio)) s in all."
exit "$status"
