#!/bin/sh
# A collection through a serial device, end to end: quorvane-tarvek-sim
# serves the scenario circular-4-bytes (a wrapped circular memory of two
# channels, one acquisition across the end of the memory) on a
# pseudo-terminal; quorvane-cli coletar writes the .qvg under the name the
# save dialog proposes; quorvane-cli abrir reads it back and exportar writes
# its text; then quorvane-cli parar stops the logger.
#   VerificaColetaPty.sh <quorvane-tarvek-sim> <quorvane-cli>
set -u
sim=$1
cli=$2

pasta=$(mktemp -d)
"$sim" --cenario circular-4-bytes >"$pasta/terminal" 2>/dev/null &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$pasta"' EXIT
# No settings file: FORCA_COLETA and DEBUG keep their defaults.
QUORVANE_CONFIG_DIR=$pasta/config
export QUORVANE_CONFIG_DIR
cd "$pasta" || exit 1

# The simulator writes the terminal's path once it serves it.
tentativas=0
while [ ! -s terminal ] && [ "$tentativas" -lt 100 ]; do
    sleep 0.1
    tentativas=$((tentativas + 1))
done
terminal=$(head -n 1 terminal)
if [ -z "$terminal" ]; then
    echo "the simulator gave no terminal"
    exit 1
fi

falha() {
    echo "$1"
    exit 1
}

# confere <description> <text> <pattern>...: every pattern matches a line.
confere() {
    descricao=$1
    texto=$2
    shift 2
    for padrao in "$@"; do
        if ! printf '%s\n' "$texto" | LC_ALL=C grep -q -- "$padrao"; then
            printf '%s\n' "$texto" | head -n 60
            falha "$descricao does not match '$padrao'"
        fi
    done
}

saida=$("$cli" coletar --porta "$terminal") || falha "quorvane-cli coletar --porta $terminal failed"
[ "$saida" = "Caldeira 1.qvg" ] || falha "coletar wrote '$saida', not the title's name"
[ -f "Caldeira 1.qvg" ] || falha "no Caldeira 1.qvg"

# The file as the graph window saves it: the thermocouple's limits at the
# range of type J, Fim at the last entry, 31 + 2 x 2007 lines.
arquivo=$(tr -d '\r' <"Caldeira 1.qvg")
[ "$(printf '%s\n' "$arquivo" | wc -l)" -eq 4045 ] || falha "Caldeira 1.qvg has not 4045 lines"
[ "$(printf '%s\n' "$arquivo" | sed -n '2p;3p;11p;12p;21p' | tr '\n' ' ')" = "-50 760 07/12/2026 09:25:00 2007 " ] \
    || falha "limits, Fim or count of Caldeira 1.qvg wrong: $(printf '%s\n' "$arquivo" | sed -n '1,21p' | tr '\n' ' ')"
# The page trace holds the last page read.
[ "$(grep -c '^Byte ' DEBUG.TXT)" -eq 2048 ] || falha "DEBUG.TXT does not hold one page"

aberto=$("$cli" abrir "Caldeira 1.qvg") || falha "quorvane-cli abrir failed"
confere "abrir" "$aberto" "^Titulo: Caldeira 1$" "^NumCanais: 2$" "^IntervaloAquisicoes: 600$" \
    "^Inicio: 23/11/2026 11:05:00$" "^Fim: 07/12/2026 09:25:00$" "^NumLeituras: 2007$" "^Capacidade: 2007$" \
    "^NumeroSerie: 70114$" "^CodigoArquivo: 113$"

"$cli" exportar "Caldeira 1.qvg" texto.txt || falha "quorvane-cli exportar failed"
# The oldest entry first; entry 1015 is the acquisition across the end of
# the memory; the latest last. The values follow the description's ramps
# (J from 30 to 270 °C, 4-20 mA from 19.5 to 0.5 bar over 3000 made).
exportado=$(tr -d '\r' <texto.txt)
confere "the export" "$exportado" "^Total de Aquisi..es: 2007$" \
    "^00001  *11:05:00  *23/11/2026  *109  *13[,.]21  *$" \
    "^01015  *12:05:00  *30/11/2026  *191  *6[,.]78  *$" \
    "^02007  *09:25:00  *07/12/2026  *270  *0[,.]50  *$"

parada=$("$cli" parar --porta "$terminal") || falha "quorvane-cli parar --porta $terminal failed"
[ "$parada" = "Aquisições finalizadas." ] || falha "parar printed '$parada'"
