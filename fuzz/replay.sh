#!/bin/sh
# Runs a fuzz target once on every input of the given folders (its kept
# crash inputs and its seeds): each must go through without a report.
# Usage: fuzz/replay.sh TARGET [FOLDER...]   (missing folders are skipped)
set -eu
alvo=$1
shift
lista=$(mktemp)
trap 'rm -f "$lista"' EXIT
for pasta in "$@"; do
  if [ -d "$pasta" ]; then
    find "$pasta" -maxdepth 1 -type f ! -name '.*' ! -name '*.md' ! -name '*.qrc' >>"$lista"
  fi
done
n=$(wc -l <"$lista")
echo "$(basename "$alvo"): replaying $n inputs"
[ "$n" -gt 0 ] || exit 0
# libFuzzer runs each file given on its command line once, then exits.
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
xargs -d '\n' "$alvo" -timeout=25 <"$lista"
