#!/bin/sh
# Installs what is needed, builds everything and runs every test; then
# builds the widget-free layers, their tests and the fuzz targets once with
# clang, AddressSanitizer and UndefinedBehaviorSanitizer, runs those tests
# again, replays every fuzz target's kept inputs and fuzzes each for a while
# (QUORVANE_FUZZ_SEGUNDOS, 15 seconds unless told; scripts/fuzz.sh for
# longer); then checks the formatting. Prints the time of each stage.
# Usage: scripts/test.sh [--quick]   (--quick skips the sanitizer and fuzz passes)
set -eu
cd "$(dirname "$0")/.."
JOBS=$(nproc 2>/dev/null || echo 2)
# Tests mostly wait (for another process, a pseudo-terminal, a timer):
# three at a time per core.
TESTES=$((JOBS * 3))
export QT_QPA_PLATFORM=offscreen
SEGUNDOS=${QUORVANE_FUZZ_SEGUNDOS:-15}

# Stage times, printed at the end (and on a failure, up to the stage that
# failed).
TEMPOS=$(mktemp)
trap 'echo "Stage times:"; cat "$TEMPOS"; rm -f "$TEMPOS"' EXIT
etapa_inicio=$(date +%s)
inicio=$etapa_inicio
etapa() {
  agora=$(date +%s)
  printf '  %-36s %4d s\n' "$1" $((agora - etapa_inicio)) >>"$TEMPOS"
  etapa_inicio=$agora
}

./scripts/install-deps.sh
etapa "dependencies"

# Line tables only (-g1): a stack trace names every line, and the build is
# a quarter shorter than with full debugging information.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_WERROR=ON \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" >/dev/null
cmake --build build -j"$JOBS"
etapa "build"
ctest --test-dir build --output-on-failure -j"$TESTES"
etapa "tests"

if [ "${1:-}" != "--quick" ]; then
  ./scripts/configure-san.sh "$SEGUNDOS" >/dev/null
  cmake --build build-san -j"$JOBS"
  etapa "sanitizer and fuzz build"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-san --output-on-failure -j"$TESTES" -LE fuzz
  etapa "sanitizer tests, fuzz replays"
  rm -f build-san/logs/*.summary
  ctest --test-dir build-san --output-on-failure -j"$JOBS" -L fuzz
  cat build-san/logs/*.summary
  etapa "fuzzing (${SEGUNDOS} s a target)"
fi

# Formatting follows .clang-format (Debian 12's clang-format).
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files '*.cpp' '*.h'
else
  find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print
fi | xargs clang-format --dry-run --Werror
etapa "format check"
printf '  %-36s %4d s\n' "in all" $(($(date +%s) - inicio)) >>"$TEMPOS"
echo "All tests passed."
