#include "RelatorioTexto.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "FormataDataHora.h"
#include "LinhasLeituras.h"
#include "TextoRegistros.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace RelatorioTexto {

namespace {

bool grava(const QString &caminho, int quantas, const std::function<QString(int)> &linha)
{
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray bloco;
    for (int k = 0; k < quantas; ++k) {
        bloco += linha(k).toUtf8();
        bloco += '\n';
        if (bloco.size() > (1 << 16)) {
            if (f.write(bloco) != bloco.size())
                return false;
            bloco.clear();
        }
    }
    return f.write(bloco) == bloco.size() && f.flush();
}

}  // namespace

double alturaCabecalho(Modo modo)
{
    return modo == Modo::Leituras || modo == Modo::Trilha ? 90 : 65;
}

QString nomeTemporario(Modo modo)
{
    switch (modo) {
    case Modo::Leituras:
        return QStringLiteral("Temp2.txt");
    case Modo::Resumo:
        return QStringLiteral("Temp3.txt");
    case Modo::Trilha:
        return QStringLiteral("Temp4.txt");
    case Modo::Informacoes:
        break;
    }
    return QStringLiteral("Temp1.txt");
}

QString cabecalhoColunas(Modo modo, const Catalogo &catalogo)
{
    if (modo == Modo::Trilha)
        return TextoRegistros::cabecalhoImpressao(catalogo);
    return modo == Modo::Leituras ? catalogo.texto(119) : QString();
}

QList<double> tabulacoes(Modo modo)
{
    // The trail: row, instant with its offset, user, action, logger, details.
    if (modo == Modo::Trilha)
        return { 40, 215, 290, 410, 460 };
    return { 260 };
}

QString rodape(int pagina, const Catalogo &catalogo)
{
    return catalogo.texto(120) + QString::number(pagina);
}

QString dataHora(TDateTime agora, const ConfigRegional &regional)
{
    return FormataDataHora(regional.formatoDataCurta, agora, regional) + u' '
        + FormataDataHora(regional.formatoHoraLonga, agora, regional);
}

bool gravaLeituras(const QString &caminho, const LinhasLeituras &linhas)
{
    const int n = std::max(0, linhas.quantidade() - 1);
    return grava(caminho, n, [&linhas](int k) { return linhas.linha(k + 1); });
}

bool gravaInformacoes(const QString &caminho, const QStringList &linhas)
{
    return grava(caminho, int(linhas.size()), [&linhas](int k) { return linhas.at(k); });
}

int linhasPorPagina(Modo modo, double alturaUtil)
{
    const double livre = alturaUtil - alturaCabecalho(modo) - kAlturaRodape;
    return std::max(1, int(std::floor(livre / kAlturaLinha)));
}

Paginacao::Paginacao(Fonte fonte, int linhasPorPagina)
    : m_fonte(std::move(fonte))
    , m_porPagina(std::max(1, linhasPorPagina))
{
}

bool Paginacao::proxima(QStringList &linhas)
{
    linhas.clear();
    if (m_pagina == 0)
        m_temSeguinte = m_fonte(m_seguinte);
    else if (!m_temSeguinte)
        return false;
    while (m_temSeguinte && linhas.size() < m_porPagina) {
        linhas << m_seguinte;
        m_temSeguinte = m_fonte(m_seguinte);
    }
    ++m_pagina;
    return true;
}

}  // namespace RelatorioTexto
