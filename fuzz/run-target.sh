#!/bin/sh
# Fuzzes one target for a while on a copy of its seeds.
# Usage: fuzz/run-target.sh TARGET BUILD_DIR SECONDS [SEED_FOLDER...]
# The seed folders are only read: their files are copied into
# BUILD_DIR/corpus/<target>/, which grows from run to run. An input that
# crashes is kept in BUILD_DIR/crashes/<target>/; the run's log is
# BUILD_DIR/logs/<target>.log and its figures BUILD_DIR/logs/<target>.summary.
set -eu
alvo=$1
build=$2
segundos=$3
shift 3
nome=$(basename "$alvo")
corpus="$build/corpus/$nome"
crashes="$build/crashes/$nome"
logs="$build/logs"
mkdir -p "$corpus" "$crashes" "$logs"
for pasta in "$@"; do
  [ -d "$pasta" ] || continue
  find "$pasta" -maxdepth 1 -type f ! -name '.*' ! -name '*.md' ! -name '*.qrc' | while IFS= read -r f; do
    cp "$f" "$corpus/$(sha1sum "$f" | cut -c1-40)"
  done
done
dicionario=""
fonte=$(dirname "$0")
if [ -f "$fonte/dictionaries/$nome.dict" ]; then
  dicionario="-dict=$fonte/dictionaries/$nome.dict"
fi
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
status=0
inicio=$(date +%s)
"$alvo" $dicionario -max_total_time="$segundos" -timeout=25 -print_final_stats=1 \
  -artifact_prefix="$crashes/" "$corpus" >"$logs/$nome.log" 2>&1 || status=$?
duracao=$(($(date +%s) - inicio))
execucoes=$(sed -n 's/^stat::number_of_executed_units: *//p' "$logs/$nome.log" | tail -n 1)
porSegundo=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$logs/$nome.log" | tail -n 1)
entradas=$(find "$corpus" -type f | wc -l)
resumo="$nome: ${execucoes:-?} runs in $duracao s (${porSegundo:-?}/s), corpus of $entradas inputs"
echo "$resumo" | tee "$logs/$nome.summary"
if [ "$status" -ne 0 ]; then
  tail -n 60 "$logs/$nome.log"
  echo "$nome: failed (exit $status); the input is in $crashes/:"
  ls -t "$crashes" | head -n 5
  echo "Once fixed, keep it under fuzz/regressions/$nome/."
  exit 1
fi
