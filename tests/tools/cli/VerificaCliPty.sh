#!/bin/sh
# quorvane-cli info through a serial device: the simulated logger served on
# a pseudo-terminal by quorvane-tarvek-sim.
#   VerificaCliPty.sh <quorvane-tarvek-sim> <quorvane-cli> <description.json>
set -u
sim=$1
cli=$2
descricao=$3

caminho=$(mktemp)
"$sim" --descricao "$descricao" >"$caminho" 2>/dev/null &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -f "$caminho"' EXIT

# The simulator writes the terminal's path once it serves it.
tentativas=0
while [ ! -s "$caminho" ] && [ "$tentativas" -lt 100 ]; do
    sleep 0.1
    tentativas=$((tentativas + 1))
done
terminal=$(head -n 1 "$caminho")
if [ -z "$terminal" ]; then
    echo "the simulator gave no terminal"
    exit 1
fi

if ! saida=$("$cli" info --porta "$terminal"); then
    echo "quorvane-cli info --porta $terminal failed"
    exit 1
fi
for padrao in "Sensor1 *129 *Termopar K" "Capacidade *10868" "NumeroSerie *123456 *000157920" \
    "LimiteInferior1 *-2000" "Firmware *16 *1[.]0" "Relogio *07/12/2026 09:30:"; do
    if ! printf '%s\n' "$saida" | grep -q -- "$padrao"; then
        echo "output does not match '$padrao':"
        printf '%s\n' "$saida"
        exit 1
    fi
done
