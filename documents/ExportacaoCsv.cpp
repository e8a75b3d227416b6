#include "ExportacaoCsv.h"

#include "ConfigRegional.h"
#include "GravacaoAtomica.h"
#include "InstanteIso.h"
#include "TAquisicao.h"
#include "TextoDecimal.h"

#include <QList>

#include <algorithm>

namespace ExportacaoCsv {

namespace {

bool precisaAspas(const QByteArray &campo, char separador)
{
    return std::any_of(campo.begin(), campo.end(),
        [separador](char c) { return c == separador || c == '"' || c == '\r' || c == '\n'; });
}

}  // namespace

void acrescentaCampo(QByteArray &saida, const QByteArray &campo, char separador)
{
    if (!precisaAspas(campo, separador)) {
        saida += campo;
        return;
    }
    saida += '"';
    for (char c : campo) {
        if (c == '"')
            saida += '"';
        saida += c;
    }
    saida += '"';
}

namespace {

QByteArray tituloCanal(const TAquisicao &a, int canal)
{
    QString nome = (canal == 1 ? a.NomeCanal1 : a.NomeCanal2).trimmed();
    const QString unidade = (canal == 1 ? a.UnidadeCanal1 : a.UnidadeCanal2).trimmed();
    if (nome.isEmpty())
        nome = QStringLiteral("Canal %1").arg(canal);
    if (!unidade.isEmpty())
        nome += QStringLiteral(" (") + unidade + u')';
    return nome.toUtf8();
}

char umByte(QChar c, char padrao)
{
    return c.unicode() > 0 && c.unicode() < 128 ? char(c.unicode()) : padrao;
}

}  // namespace

Opcoes opcoesRegionais(const ConfigRegional &regional)
{
    Opcoes o;
    if (regional.separadorDecimal == u',') {
        o.separador = u';';
        o.decimal = u',';
    } else {
        o.separador = u',';
        o.decimal = u'.';
    }
    return o;
}

QList<int> canaisUsados(const TAquisicao &a)
{
    if (!a.umCanal())
        return { 1, 2 };
    QList<int> canais;
    if (a.SensorCanal1 != -1)
        canais.append(1);
    if (a.SensorCanal2 != -1)
        canais.append(2);
    return canais;
}

QByteArray conteudo(const TAquisicao &a, int primeira, int ultima, const Opcoes &opcoes)
{
    const char sep = umByte(opcoes.separador, ';');
    const char dec = umByte(opcoes.decimal, ',');
    const QList<int> canais = canaisUsados(a);
    primeira = std::max(primeira, 0);
    ultima = std::min(ultima, a.NumLeituras() - 1);

    QByteArray s;
    if (ultima >= primeira)
        s.reserve(qsizetype(ultima - primeira + 1) * (30 + 12 * canais.size()) + 100);
    if (opcoes.bom)
        s += "\xEF\xBB\xBF";
    acrescentaCampo(s, QByteArrayLiteral("Instante"), sep);
    for (int canal : canais) {
        s += sep;
        acrescentaCampo(s, tituloCanal(a, canal), sep);
    }
    s += "\r\n";

    InstanteIso instantes(opcoes.zona, opcoes.utc);
    char buf[TextoDecimal::TamanhoBuffer];
    const bool meio = a.meioSegundo();
    for (int i = primeira; i <= ultima; ++i) {
        instantes.acrescenta(s, a.instante(i), meio && i % 2 == 1);
        const TLeitura &e = a.leitura(i);
        for (int canal : canais) {
            s += sep;
            const int n = canal == 1
                ? TextoDecimal::leitura(buf, sizeof buf, e.Canal1(), a.SensorCanal1, a.DecimaisCanal1, dec)
                : TextoDecimal::leitura(buf, sizeof buf, e.Canal2(), a.SensorCanal2, a.DecimaisCanal2, dec);
            acrescentaCampo(s, QByteArray::fromRawData(buf, n), sep);
        }
        s += "\r\n";
    }
    return s;
}

bool grava(
    const TAquisicao &aquisicao, const QString &caminho, int primeira, int ultima, const Opcoes &opcoes)
{
    return GravacaoAtomica::grava(caminho, conteudo(aquisicao, primeira, ultima, opcoes));
}

}  // namespace ExportacaoCsv
