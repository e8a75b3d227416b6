#!/bin/sh
# A throwaway PostgreSQL server for the tests of the records on a server:
# a new cluster in DIR, listening only on a Unix socket in DIR, trusting
# whoever connects through it, run by an unprivileged user (the server
# refuses to run as root: root runs it as `postgres`, or as a system user
# made for it). `inicia` prints how long the start took; `para` stops the
# server and removes DIR.
# Usage: scripts/postgres-teste.sh inicia DIR | para DIR
set -eu
[ $# -eq 2 ] || { echo "usage: $0 inicia|para DIR" >&2; exit 2; }
acao=$1 pasta=$2

# The newest server installed (Debian keeps each version's programs apart).
bin=""
for d in /usr/lib/postgresql/*/bin; do
  [ -x "$d/initdb" ] && [ -x "$d/pg_ctl" ] && bin=$d
done
if [ -z "$bin" ] && command -v initdb >/dev/null 2>&1 && command -v pg_ctl >/dev/null 2>&1; then
  bin=$(dirname "$(command -v initdb)")
fi
if [ -z "$bin" ]; then
  echo "The PostgreSQL server (initdb, pg_ctl) is not installed, so the records tests on PostgreSQL cannot run:" \
    "install package postgresql (scripts/install-deps.sh does)." >&2
  exit 1
fi

usuario=$(id -un)
if [ "$(id -u)" -eq 0 ]; then
  usuario=postgres
  id -u "$usuario" >/dev/null 2>&1 || usuario=quorvane-teste
  id -u "$usuario" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$usuario"
fi
como() {
  if [ "$(id -un)" = "$usuario" ]; then "$@"; else runuser -u "$usuario" -- "$@"; fi
}

para() {
  if [ -f "$pasta/dados/postmaster.pid" ]; then
    como "$bin/pg_ctl" -D "$pasta/dados" -m immediate -w stop >/dev/null 2>&1 || true
  fi
  rm -rf "$pasta"
}

case $acao in
inicia)
  para
  inicio=$(date +%s%N)
  mkdir -p "$pasta"
  chown "$usuario" "$pasta"
  chmod 700 "$pasta"
  como "$bin/initdb" -D "$pasta/dados" -U postgres -A trust -E UTF8 --locale=C --no-sync >"$pasta/initdb.log" 2>&1 \
    || { cat "$pasta/initdb.log" >&2; exit 1; }
  cat >>"$pasta/dados/postgresql.conf" <<FIM
listen_addresses = ''
unix_socket_directories = '$pasta'
fsync = off
synchronous_commit = off
FIM
  como "$bin/pg_ctl" -D "$pasta/dados" -l "$pasta/servidor.log" -w -t 15 start >/dev/null \
    || { cat "$pasta/servidor.log" >&2; exit 1; }
  fim=$(date +%s%N)
  echo "PostgreSQL test server ready in $(((fim - inicio) / 1000000)) ms, socket in $pasta"
  ;;
para) para ;;
*) echo "usage: $0 inicia|para DIR" >&2; exit 2 ;;
esac
