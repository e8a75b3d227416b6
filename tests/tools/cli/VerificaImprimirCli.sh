#!/bin/sh
# quorvane-cli imprimir without a screen (no DISPLAY, no QT_QPA_PLATFORM):
# the PDF's page count and sizes (the chart on a landscape page, the
# reports on upright Letter pages) and its text, nothing on stderr.
#   VerificaImprimirCli.sh <quorvane-cli> <file> <option or -> <pages> <regex>...
# The option may be several, separated by blanks. The settings file is the
# one named by INI_TESTE (the alarm limits the chart and the summary show),
# or none. With RETRATO set, page 1 is upright Letter too (the compliance
# report). Exits 77 (skipped) without poppler-utils.
set -u
cli=$1
arquivo=$2
opcao=$3
paginas=$4
shift 4

for ferramenta in pdftotext pdfinfo; do
    command -v "$ferramenta" >/dev/null 2>&1 || { echo "poppler-utils not installed"; exit 77; }
done

pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
if [ -n "${INI_TESTE:-}" ]; then
    cp "$INI_TESTE" "$pasta/QUORVANE.INI" || exit 1
fi
export QUORVANE_CONFIG_DIR="$pasta"
falha() {
    echo "$1"
    exit 1
}

if [ "$opcao" = "-" ]; then
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$cli" imprimir "$arquivo" --pdf "$pasta/saida.pdf" \
        2>"$pasta/erros" || falha "quorvane-cli imprimir failed: $(cat "$pasta/erros")"
else
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$cli" imprimir "$arquivo" --pdf "$pasta/saida.pdf" \
        $opcao 2>"$pasta/erros" || falha "quorvane-cli imprimir failed: $(cat "$pasta/erros")"
fi
[ -s "$pasta/erros" ] && falha "stderr not empty: $(cat "$pasta/erros")"

obtidas=$(pdfinfo "$pasta/saida.pdf" | sed -n 's/^Pages: *//p')
[ "$obtidas" = "$paginas" ] || falha "$obtidas pages, expected $paginas"
pdfinfo -f 1 -l "$paginas" "$pasta/saida.pdf" | sed -n 's/^Page *\([0-9]*\) size: *\([0-9.]*\) x \([0-9.]*\).*/\1 \2 \3/p' \
    >"$pasta/tamanhos"
while read -r pagina largura altura; do
    if [ "$pagina" = 1 ] && [ -z "${RETRATO:-}" ]; then
        awk -v l="$largura" -v a="$altura" 'BEGIN { exit !(l > a) }' || falha "page 1 is not landscape"
    else
        [ "$largura $altura" = "612 792" ] || falha "page $pagina is $largura x $altura, not upright Letter"
    fi
done <"$pasta/tamanhos"

pdftotext -layout "$pasta/saida.pdf" "$pasta/texto.txt"
for padrao in "$@"; do
    grep -Eq "$padrao" "$pasta/texto.txt" || falha "no text matches '$padrao':
$(cat "$pasta/texto.txt")"
done
exit 0
