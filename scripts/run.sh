#!/bin/sh
# Installs what is needed, builds Quorvane and starts it. Without a logger
# attached, the program's port 1 is the built-in simulated Tarvek.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
JOBS=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$JOBS"
if [ -x build/shell/quorvane ]; then
  exec build/shell/quorvane "$@"
fi
# Until the main window exists: read the simulated logger from the command line.
exec build/tools/cli/quorvane-cli info --porta simulador
