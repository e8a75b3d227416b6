#!/bin/sh
# Installs what is needed, builds Quorvane and starts it.
#
# On the first run (no settings file yet) it writes one in which COM1 is
# opened at start: an attached USB serial adapter if there is one (COM2 is
# then the simulated Tarvek), otherwise the built-in simulated Tarvek, so
# that the program talks to a logger at once. An existing settings file is
# never touched.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
JOBS=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Only what is run: the program, its two tools and its two libraries (the
# tests and benchmarks are the test command's).
cmake --build build -j"$JOBS" --target quorvane quorvane-cli quorvane-tarvek-sim \
  quorvane_formulas quorvane_idioma_ingles

PASTA="${QUORVANE_CONFIG_DIR:-${XDG_CONFIG_HOME:-$HOME/.config}/Quorvane}"
INI="$PASTA/QUORVANE.INI"
if [ ! -e "$INI" ]; then
  mkdir -p "$PASTA"
  LOGGER=""
  for d in /dev/ttyUSB0 /dev/ttyACM0; do
    if [ -e "$d" ]; then LOGGER="$d"; break; fi
  done
  if [ -n "$LOGGER" ]; then
    # A USB serial adapter is attached: offer it as COM1, keep COM2 simulated.
    printf '[COMUNICACAO]\r\nPORTA=1\r\n\r\n[PORTAS]\r\nCOM1=%s\r\nCOM2=simulador\r\n' "$LOGGER" > "$INI"
    echo "run.sh: first run: $INI created; COM1 is $LOGGER, COM2 the simulated Tarvek."
  else
    printf '[COMUNICACAO]\r\nPORTA=1\r\n\r\n[PORTAS]\r\nCOM1=simulador\r\n' > "$INI"
    echo "run.sh: first run: $INI created; no logger found, COM1 is the simulated Tarvek" \
         "(set COM1 in section PORTAS to a device such as /dev/ttyUSB0 for a real one)."
  fi
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  # No desktop session (a bare server, a container): run on a virtual screen.
  echo "run.sh: no display found; starting Quorvane on a virtual X screen (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x800x24" build/shell/quorvane "$@"
fi
exec build/shell/quorvane "$@"
