#!/usr/bin/env python3
"""quorvane-cli grafico checked from outside the program: a PNG of the
asked size (read from its own header) whose pixels hold both series' colours,
an SVG that parses with both series' strokes, a one-page PDF, a merged
graph, a time range, and the refusals with their exit codes."""
import argparse
import json
import os
import pathlib
import struct
import subprocess
import sys
import xml.etree.ElementTree as ET
import zlib


def falha(texto):
    print("FALHA: " + texto)
    sys.exit(1)


def executa(cli, *args, codigo=0):
    r = subprocess.run([cli, "grafico", *args], capture_output=True, text=True)
    if r.returncode != codigo:
        falha("grafico %s terminou com %d: %s" % (" ".join(args), r.returncode, r.stderr))
    return r


def le_png(caminho):
    """Width, height and the RGB rows of an 8-bit RGB or RGBA PNG."""
    dados = pathlib.Path(caminho).read_bytes()
    if dados[:8] != b"\x89PNG\r\n\x1a\n":
        falha("%s não é PNG" % caminho)
    pos, idat = 8, b""
    while pos < len(dados):
        tam, tipo = struct.unpack(">I4s", dados[pos:pos + 8])
        corpo = dados[pos + 8:pos + 8 + tam]
        if tipo == b"IHDR":
            largura, altura, bits, cor = struct.unpack(">IIBB", corpo[:10])
        elif tipo == b"IDAT":
            idat += corpo
        pos += 12 + tam
    if bits != 8 or cor not in (2, 6):
        falha("PNG de %d bits, tipo de cor %d" % (bits, cor))
    bpp = 3 if cor == 2 else 4
    cru = zlib.decompress(idat)
    linhas, anterior, passo = [], bytearray(largura * bpp), largura * bpp
    for y in range(altura):
        filtro = cru[y * (passo + 1)]
        linha = bytearray(cru[y * (passo + 1) + 1:(y + 1) * (passo + 1)])
        for i in range(passo):
            a = linha[i - bpp] if i >= bpp else 0
            b = anterior[i]
            c = anterior[i - bpp] if i >= bpp else 0
            if filtro == 1:
                linha[i] = (linha[i] + a) & 255
            elif filtro == 2:
                linha[i] = (linha[i] + b) & 255
            elif filtro == 3:
                linha[i] = (linha[i] + (a + b) // 2) & 255
            elif filtro == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                linha[i] = (linha[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        linhas.append(linha)
        anterior = linha
    return largura, altura, [[tuple(l[x * bpp:x * bpp + 3]) for x in range(largura)] for l in linhas]


def conta(pixels, cor):
    return sum(1 for linha in pixels for p in linha if p == cor)


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--cli", required=True)
    p.add_argument("--pasta", required=True)
    p.add_argument("--qvj", required=True)
    a = p.parse_args()
    pasta = pathlib.Path(a.pasta)
    pasta.mkdir(parents=True, exist_ok=True)
    qvg = str(pasta / "gravacao.qvg")
    subprocess.run([a.cli, "coletar", "--porta", "simulador", "--descricao", "j-4a20ma", "--saida", qvg],
                   cwd=pasta, check=True, capture_output=True)

    png = str(pasta / "grafico.png")
    executa(a.cli, qvg, png, "--largura", "640", "--altura", "400")
    largura, altura, pixels = le_png(png)
    if (largura, altura) != (640, 400):
        falha("PNG de %dx%d" % (largura, altura))
    vermelho, azul = conta(pixels, (255, 0, 0)), conta(pixels, (0, 0, 255))
    if vermelho < 300 or azul < 300:
        falha("séries não desenhadas: %d pixels vermelhos, %d azuis" % (vermelho, azul))

    # The last tenth of the recording: channel 2's ramp ends low, so blue
    # fills fewer rows than over the whole recording.
    faixa = str(pasta / "faixa.png")
    executa(a.cli, qvg, faixa, "--largura", "640", "--altura", "400", "--de", "07/12/2026 08:30:00")
    _, _, px = le_png(faixa)
    linhas_azuis = [y for y, linha in enumerate(px) if (0, 0, 255) in linha]
    linhas_todas = [y for y, linha in enumerate(pixels) if (0, 0, 255) in linha]
    if not linhas_azuis or len(linhas_azuis) >= len(linhas_todas) / 2:
        falha("a faixa não estreitou o eixo do tempo (%d de %d linhas)" % (len(linhas_azuis), len(linhas_todas)))

    svg = str(pasta / "grafico.svg")
    executa(a.cli, qvg, svg, "--largura", "900", "--altura", "600")
    raiz = ET.parse(svg).getroot()
    if raiz.get("viewBox") != "0 0 900 600":
        falha("viewBox %r" % raiz.get("viewBox"))
    tracos = {e.get("stroke") for e in raiz.iter() if e.get("stroke")}
    if not {"#ff0000", "#0000ff"} <= tracos:
        falha("traços do SVG: %r" % tracos)

    # The alarm limits kept for the logger are drawn dashed in the channel's
    # colour; without a settings file there are none.
    def tracejados(caminho):
        return [e for e in ET.parse(caminho).getroot().iter()
                if e.get("stroke") == "#ff0000" and e.get("stroke-dasharray") not in (None, "none")]
    if tracejados(svg):
        falha("linha de limite sem limite guardado")
    resumo = subprocess.run([a.cli, "resumo", qvg, "--json"], capture_output=True, text=True, check=True)
    media = json.loads(resumo.stdout)["canais"][0]["media"]
    config = pasta / "config"
    config.mkdir(exist_ok=True)
    # Logger 0002-26848 (157920), at a whole value the channel's decimals take.
    (config / "QUORVANE.INI").write_bytes(b"[LIMITES_SERIE]\r\n157920_1_ALTO=%d\r\n" % round(media))
    com_limite = str(pasta / "limite.svg")
    r = subprocess.run([a.cli, "grafico", qvg, com_limite, "--largura", "900", "--altura", "600"],
                       capture_output=True, text=True, env=dict(os.environ, QUORVANE_CONFIG_DIR=str(config)))
    if r.returncode != 0 or not tracejados(com_limite):
        falha("o limite guardado não foi desenhado: %s" % r.stderr)

    pdf = str(pasta / "grafico.pdf")
    executa(a.cli, qvg, pdf)
    conteudo = pathlib.Path(pdf).read_bytes()
    if not conteudo.startswith(b"%PDF-") or b"/MediaBox [0 0 1200.000000 800.000000]" not in conteudo:
        falha("PDF sem a página de 1200 por 800")

    juncao = str(pasta / "juncao.png")
    executa(a.cli, a.qvj, juncao, "--largura", "500", "--altura", "300")
    largura, altura, px = le_png(juncao)
    if (largura, altura) != (500, 300) or conta(px, (255, 0, 0)) < 100:
        falha("junção não desenhada")

    executa(a.cli, qvg, str(pasta / "x.png"), "--largura", "5", codigo=2)
    executa(a.cli, qvg, str(pasta / "x.png"), "--de", "ontem", codigo=2)
    executa(a.cli, str(pasta / "nao-existe.qvg"), str(pasta / "x.png"), codigo=1)
    executa(a.cli, qvg, str(pasta / "nao-existe" / "x.png"), codigo=1)
    print("PNG, SVG, PDF e junção verificados")


if __name__ == "__main__":
    main()
