#!/bin/sh
# Configures build-san/: the widget-free layers, their tests and the fuzz
# targets, compiled once with clang, AddressSanitizer,
# UndefinedBehaviorSanitizer and the fuzzer's instrumentation, -O1 with
# assertions kept (the usual trade-off for both). The test command and
# scripts/fuzz.sh share it. Usage: scripts/configure-san.sh SECONDS
# (how long each fuzz target's CTest run fuzzes).
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
  -DQUORVANE_FUZZ=ON -DQUORVANE_WERROR=ON -DQUORVANE_FUZZ_SEGUNDOS="$1"
