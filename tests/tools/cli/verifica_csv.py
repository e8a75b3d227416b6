#!/usr/bin/env python3
"""quorvane-cli exportar --formato csv read back by Python's own csv module.

Collects a scenario of the simulated Tarvek into a .qvg (or writes a .qvg
of its own), exports it as CSV and checks, independently of the program:
the byte-order mark, the header, one row per entry, every instant (the
local time of the entry and the offset the time zone of TZ gives it, the
".5" mark of half seconds, UTC with --utc) and every value against the
.qvg's own value lines.

Exit codes: 0 pass, 1 fail, 77 skipped (LibreOffice not installed).
"""
import argparse
import csv
import datetime as dt
import os
import pathlib
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET
import zoneinfo


def falha(texto):
    print("FALHA: " + texto)
    sys.exit(1)


def executa(args, **kw):
    r = subprocess.run(args, capture_output=True, text=True, **kw)
    if r.returncode != 0:
        falha("%s terminou com %d: %s" % (" ".join(args), r.returncode, r.stderr))
    return r


def le_qvg(caminho):
    """The fields the check needs, straight from the file's lines."""
    linhas = pathlib.Path(caminho).read_bytes().decode("cp1252").split("\r\n")
    n = int(linhas[20])
    data = dt.datetime.strptime(linhas[8] + " " + linhas[9], "%d/%m/%Y %H:%M:%S")
    valores = [(float(linhas[21 + 2 * i].replace(",", ".")), float(linhas[22 + 2 * i].replace(",", ".")))
               for i in range(n)]
    fim = 21 + 2 * n
    return {
        "sensores": (int(linhas[0]), int(linhas[3])),
        "canais": int(linhas[6]),
        "intervalo": int(linhas[7]),
        "inicio": data,
        "nomes": (linhas[16], linhas[17]),
        "unidades": (linhas[18], linhas[19]),
        "valores": valores,
        "decimais": (int(linhas[fim + 5]), int(linhas[fim + 6])),
    }


def escreve_qvg_troca_de_horario(caminho):
    """Two channels every 30 minutes across Sao Paulo's change of 2018-11-04."""
    n = 12
    cab = ["1", "0", "500", "9", "0", "1000", "2", "1800", "03/11/2018", "21:00:00", "04/11/2018", "02:30:00",
           "1", "0", "0", "Troca de horario", "Forno", "Linha", "°C", "bar", str(n)]
    vals = []
    for i in range(n):
        vals += ["%.2f" % (100 + i * 1.5), "%.2f" % (2 + i * 0.25)]
    fim = ["0", "10000", "1", "0", "16", "1", "2", "0", "0", "113"]
    pathlib.Path(caminho).write_bytes(("\r\n".join(cab + vals + fim) + "\r\n").encode("cp1252"))


def instante_esperado(qvg, i, zona, utc):
    if qvg["intervalo"] == 0:
        local = qvg["inicio"] + dt.timedelta(seconds=i // 2)
        meio = i % 2 == 1
    else:
        local = qvg["inicio"] + dt.timedelta(seconds=qvg["intervalo"] * i)
        meio = False
    # fold=0: a repeated wall-clock time is its first occurrence, a skipped
    # one takes the offset in force before the change.
    # (A fixed offset then, since Python never finds a time of a gap or a
    # fold equal to one of another zone.)
    consciente = local.replace(tzinfo=dt.timezone(local.replace(tzinfo=zona, fold=0).utcoffset()))
    if meio:
        consciente += dt.timedelta(milliseconds=500)
    if utc:
        return consciente.astimezone(dt.timezone.utc)
    return consciente


def canais_usados(qvg):
    if qvg["canais"] != 1:
        return [0, 1]
    return [c for c in (0, 1) if qvg["sensores"][c] != -1]


def verifica(qvg, caminho_csv, separador, decimal, bom, utc):
    dados = pathlib.Path(caminho_csv).read_bytes()
    if dados.startswith(b"\xef\xbb\xbf") != bom:
        falha("marca de ordem de bytes %s" % ("ausente" if bom else "presente"))
    zona = zoneinfo.ZoneInfo(os.environ["TZ"])
    with open(caminho_csv, encoding="utf-8-sig", newline="") as f:
        linhas = list(csv.reader(f, delimiter=separador, strict=True))
    canais = canais_usados(qvg)
    cabecalho = ["Instante"] + ["%s (%s)" % (qvg["nomes"][c], qvg["unidades"][c]) for c in canais]
    if linhas[0] != cabecalho:
        falha("cabeçalho %r, esperado %r" % (linhas[0], cabecalho))
    corpo = linhas[1:]
    if len(corpo) != len(qvg["valores"]):
        falha("%d linhas de dados, esperadas %d" % (len(corpo), len(qvg["valores"])))
    for i, linha in enumerate(corpo):
        if len(linha) != 1 + len(canais):
            falha("linha %d com %d campos" % (i + 1, len(linha)))
        esperado = instante_esperado(qvg, i, zona, utc)
        lido = dt.datetime.fromisoformat(linha[0])
        if lido != esperado or lido.utcoffset() != esperado.utcoffset():
            falha("linha %d: instante %s, esperado %s" % (i + 1, linha[0], esperado.isoformat()))
        if utc != linha[0].endswith("Z"):
            falha("linha %d: %s" % (i + 1, linha[0]))
        if qvg["intervalo"] == 0 and (".5" in linha[0]) != (i % 2 == 1):
            falha("linha %d: marca de meio segundo em %s" % (i + 1, linha[0]))
        for k, c in enumerate(canais):
            texto = linha[1 + k]
            casas = qvg["decimais"][c]
            outro = "." if decimal == "," else ","
            if outro in texto or (casas > 0 and decimal not in texto):
                falha("linha %d: valor %r com o separador decimal errado" % (i + 1, texto))
            if casas > 0 and len(texto.split(decimal)[1]) != casas:
                falha("linha %d: valor %r sem %d casas" % (i + 1, texto, casas))
            valor = float(texto.replace(decimal, "."))
            if abs(valor - qvg["valores"][i][c]) > 0.5 * 10 ** -casas + 0.0051:
                falha("linha %d: valor %s, no .qvg %s" % (i + 1, texto, qvg["valores"][i][c]))
    return linhas


def verifica_libreoffice(pasta, caminho_csv, separador, linhas):
    soffice = shutil.which("soffice") or shutil.which("libreoffice")
    if not soffice:
        print("LibreOffice não instalado: teste pulado")
        sys.exit(77)
    perfil = pathlib.Path(pasta, "perfil-lo").absolute().as_uri()
    # Field separator, text delimiter, UTF-8, first line 1, no column
    # formats, Portuguese (Brazil) numbers.
    filtro = "CSV:%d,34,76,1,,1046" % ord(separador)
    executa([soffice, "-env:UserInstallation=" + perfil, "--headless", "--infilter=" + filtro,
             "--convert-to", "fods", "--outdir", pasta, caminho_csv], timeout=240)
    fods = pathlib.Path(pasta, pathlib.Path(caminho_csv).stem + ".fods")
    ns = {"table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
          "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
          "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0"}
    raiz = ET.parse(fods).getroot()
    linhas_lo = raiz.findall(".//table:table-row", ns)

    def celulas(linha):
        r = []
        for c in linha.findall("table:table-cell", ns):
            repete = int(c.get("{%s}number-columns-repeated" % ns["table"], "1"))
            r += [c] * min(repete, 4)
        return r

    cab = ["".join(c.itertext()) for c in celulas(linhas_lo[0])][:len(linhas[0])]
    if cab != linhas[0]:
        falha("LibreOffice lê o cabeçalho %r" % cab)
    primeira = celulas(linhas_lo[1])
    for k in range(1, len(linhas[1])):
        tipo = primeira[k].get("{%s}value-type" % ns["office"])
        valor = primeira[k].get("{%s}value" % ns["office"])
        if tipo != "float" or abs(float(valor) - float(linhas[1][k].replace(",", "."))) > 1e-9:
            falha("LibreOffice lê %r (%s) para %r" % (valor, tipo, linhas[1][k]))


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--cli", required=True)
    p.add_argument("--pasta", required=True)
    p.add_argument("--cenario", help="cenário do simulador; sem ele, a troca de horário de 2018")
    p.add_argument("--separador", default=";", help="o separador esperado")
    p.add_argument("--decimal", default=",", help="o separador decimal esperado")
    p.add_argument("--libreoffice", action="store_true")
    a = p.parse_args()

    pasta = pathlib.Path(a.pasta)
    shutil.rmtree(pasta, ignore_errors=True)
    pasta.mkdir(parents=True)
    qvg = str(pasta / "gravacao.qvg")
    if a.cenario:
        executa([a.cli, "coletar", "--porta", "simulador", "--descricao", a.cenario, "--saida", qvg],
                cwd=pasta)
    else:
        escreve_qvg_troca_de_horario(qvg)
    doc = le_qvg(qvg)

    local = str(pasta / "local.csv")
    executa([a.cli, "exportar", qvg, local, "--formato", "csv"])
    linhas = verifica(doc, local, a.separador, a.decimal, bom=True, utc=False)
    if a.libreoffice:
        verifica_libreoffice(str(pasta), local, a.separador, linhas)
        print("LibreOffice leu %d linhas" % len(linhas))
        return

    utc = str(pasta / "utc.csv")
    executa([a.cli, "exportar", qvg, utc, "--formato", "csv", "--utc", "--sem-bom"])
    verifica(doc, utc, a.separador, a.decimal, bom=False, utc=True)

    outro = str(pasta / "tab.csv")
    executa([a.cli, "exportar", qvg, outro, "--formato", "csv", "--separador", "tab", "--decimal", "."])
    verifica(doc, outro, "\t", ".", bom=True, utc=False)
    print("%d linhas verificadas, %s a %s" % (len(linhas) - 1, linhas[1][0], linhas[-1][0]))


if __name__ == "__main__":
    main()
