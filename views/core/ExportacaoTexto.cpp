#include "ExportacaoTexto.h"

#include "Ambiente.h"
#include "Catalogo.h"
#include "IMensagens.h"
#include "Instantes.h"
#include "LinhasLeituras.h"
#include "TAquisicao.h"
#include "TextoInformacoes.h"
#include "Windows1252.h"

#include <QFile>

#include <cmath>

namespace {

constexpr qsizetype kBloco = 1 << 20;

void anexa(QByteArray &saida, const QString &linha)
{
    saida += Windows1252::codifica(linha);
    saida += "\r\n";
}

// Writes the buffer when it has grown past a block (or always, with tudo).
bool descarrega(QFile &arquivo, QByteArray &buffer, bool tudo)
{
    if (!tudo && buffer.size() < kBloco)
        return true;
    const bool ok = arquivo.write(buffer) == buffer.size();
    buffer.clear();
    return ok;
}

}  // namespace

namespace ExportacaoTexto {

Faixa faixa(const TAquisicao &a, double minimo, double maximo)
{
    // The spacing of the x values: 120 s in half-second mode. An interval
    // under one second still advances one second per entry here.
    const double intervalo = std::fabs(a.IntervaloAquisicoes());
    const qint64 passo = a.meioSegundo() ? 120 : std::max<qint64>(1, qint64(std::min(intervalo, 1e15)));
    const qint64 smin = SegundosEntre(minimo, a.Inicio);
    const qint64 smax = SegundosEntre(maximo, a.Inicio);
    Faixa f;
    // Before Inicio nothing lies; the first entry is the first to export.
    f.primeira = int(std::clamp<qint64>(smin / passo + 1, 1, qint64(a.NumLeituras()) + 1));
    f.ultima = smax < 0 ? 0 : int(std::min<qint64>(smax / passo + 1, a.NumLeituras()));
    return f;
}

bool gravaInformacoes(const QString &caminho, const QStringList &linhas)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray bytes;
    for (const QString &l : linhas)
        anexa(bytes, l);
    const bool ok = arquivo.write(bytes) == bytes.size();
    return ok && arquivo.flush();
}

bool gravaLeituras(
    const QString &caminho, const LinhasLeituras &linhas, const Catalogo &catalogo, Faixa faixa)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    QByteArray buffer;
    buffer.reserve(kBloco + 256);
    anexa(buffer, QStringLiteral(" "));
    anexa(buffer, catalogo.texto(186).trimmed());
    anexa(buffer, catalogo.texto(172) + catalogo.texto(173));
    bool ok = true;
    for (int k = faixa.primeira; ok && k <= faixa.ultima; ++k) {
        linhas.anexaEntrada(buffer, k - 1);
        buffer += "\r\n";
        ok = descarrega(arquivo, buffer, false);
    }
    ok = ok && descarrega(arquivo, buffer, true);
    return ok && arquivo.flush();
}

Faixa tudo(const TAquisicao &aquisicao)
{
    return { 1, aquisicao.NumLeituras() };
}

bool exporta(const TAquisicao &aquisicao, const QString &caminho, double minimo, double maximo,
    const Ambiente &ambiente)
{
    return exportaFaixa(aquisicao, caminho, faixa(aquisicao, minimo, maximo), ambiente);
}

bool exportaFaixa(const TAquisicao &aquisicao, const QString &caminho, Faixa f, const Ambiente &ambiente)
{
    const Catalogo &cat = *ambiente.catalogo;
    f.primeira = std::max(1, f.primeira);
    f.ultima = std::min(aquisicao.NumLeituras(), f.ultima);
    bool ok = true;
    if (!gravaInformacoes(caminho, Atualiza_Informacoes(aquisicao, cat, *ambiente.regional))) {
        ambiente.mensagens->aviso(cat.texto(171, u"FormInform"));
        ok = false;
    }
    const LinhasLeituras linhas(aquisicao, cat, *ambiente.regional);
    if (!gravaLeituras(caminho, linhas, cat, f)) {
        ambiente.mensagens->aviso(cat.texto(171, u"FormDados"));
        ok = false;
    }
    return ok;
}

}  // namespace ExportacaoTexto
