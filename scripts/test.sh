#!/bin/sh
# Installs what is needed, builds everything and runs every test; then
# builds the widget-free layers, their tests and the fuzz targets once with
# clang, AddressSanitizer and UndefinedBehaviorSanitizer, runs those tests
# again, replays every fuzz target's kept inputs and fuzzes each for a while
# (QUORVANE_FUZZ_SEGUNDOS, 15 seconds unless told; scripts/fuzz.sh for
# longer); then checks the formatting. Prints the time of each stage.
#
# Tests mostly wait (for another process, a pseudo-terminal), so they run
# several per core, and while they wait the machine does the next stage's
# work at a lower priority: the sanitizer build while the tests run, the
# fuzzing while the sanitizer tests run.
# Usage: scripts/test.sh [--quick]   (--quick skips the sanitizer and fuzz passes)
set -eu
cd "$(dirname "$0")/.."
JOBS=$(nproc 2>/dev/null || echo 2)
TESTES=$((JOBS * 3))
export QT_QPA_PLATFORM=offscreen
SEGUNDOS=${QUORVANE_FUZZ_SEGUNDOS:-15}

# Stage times, printed at the end, and on a failure up to the stage that
# failed.
TEMPOS=$(mktemp)
trap 'echo "Stage times:"; cat "$TEMPOS"; rm -f "$TEMPOS"' EXIT
inicio=$(date +%s)
etapa_inicio=$inicio
anota() {  # anota NAME SECONDS
  printf '  %-44s %4d s\n' "$1" "$2" >>"$TEMPOS"
}
etapa() {
  agora=$(date +%s)
  anota "$1" $((agora - etapa_inicio))
  etapa_inicio=$agora
}
# em_fundo LOG NAME COMMAND...: runs COMMAND in the background at a lower
# priority, its output in LOG; espera_fundo waits for it and fails if it did.
em_fundo() {
  log=$1 nome=$2
  shift 2
  (
    t0=$(date +%s)
    status=0
    nice -n 19 "$@" >"$log" 2>&1 || status=$?
    echo "$status $(($(date +%s) - t0))" >"$log.fim"
  ) &
  fundo=$!
  fundo_log=$log
  fundo_nome=$nome
}
espera_fundo() {
  wait "$fundo" || true
  read -r status fundo_duracao <"$fundo_log.fim"
  if [ "$status" -ne 0 ]; then
    tail -n 80 "$fundo_log"
    echo "$fundo_nome failed; its whole output is in $fundo_log"
    exit 1
  fi
}

./scripts/install-deps.sh
etapa "dependencies"

# Line tables only (-g1): a stack trace names every line, and the build is
# a quarter shorter than with full debugging information.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_WERROR=ON \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" >/dev/null
cmake --build build -j"$JOBS"
etapa "build"

rapido=""
[ "${1:-}" = "--quick" ] && rapido=1
if [ -z "$rapido" ]; then
  ./scripts/configure-san.sh "$SEGUNDOS" >/dev/null
  em_fundo build-san/build.log "sanitizer and fuzz build" cmake --build build-san -j"$JOBS"
fi
ctest --test-dir build --output-on-failure -j"$TESTES"
if [ -z "$rapido" ]; then
  espera_fundo
  etapa "tests, and alongside:"
  anota "  $fundo_nome" "$fundo_duracao"
else
  etapa "tests"
fi

if [ -z "$rapido" ]; then
  rm -f build-san/logs/*.summary
  em_fundo build-san/fuzz.log "fuzzing (${SEGUNDOS} s a target)" ctest --test-dir build-san --output-on-failure -j"$JOBS" -L fuzz
  export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
  falhou=0
  ctest --test-dir build-san --output-on-failure -j"$TESTES" -LE fuzz >build-san/testes.log 2>&1 || falhou=1
  cat build-san/testes.log
  espera_fundo
  cat build-san/logs/*.summary
  # The pseudo-terminal tests run on the real clock: under the sanitizers,
  # with the fuzzing beside them, an exchange may time out. What failed
  # without a sanitizer's finding runs once more, one at a time, on the
  # quiet machine; a finding fails the stage at once.
  if [ "$falhou" -ne 0 ]; then
    if grep -q -e 'Sanitizer' -e 'runtime error:' build-san/testes.log; then
      exit 1
    fi
    echo "Running the failed sanitizer tests again, one at a time:"
    ctest --test-dir build-san --output-on-failure --rerun-failed -j1
  fi
  etapa "sanitizer tests and fuzz replays, and alongside:"
  anota "  $fundo_nome" "$fundo_duracao"
fi

# Formatting follows .clang-format (Debian 12's clang-format).
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files '*.cpp' '*.h'
else
  find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print
fi | xargs clang-format --dry-run --Werror
etapa "format check"
anota "in all" $(($(date +%s) - inicio))
echo "All tests passed."
