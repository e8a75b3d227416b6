#include "FormatoNumero.h"

#include <QStringList>

#include <cmath>

namespace FormatoNumero {

namespace {

struct Padrao
{
    int digitosMinimos = 1;  // of the integer part
    int decimaisMinimos = 0;
    int decimaisMaximos = 0;
    bool milhares = false;
};

Padrao analisa(const QString &padrao)
{
    Padrao p;
    const qsizetype ponto = padrao.indexOf(u'.');
    const QString inteira = ponto < 0 ? padrao : padrao.left(ponto);
    int digitos = 0;
    int primeiroZero = -1;
    for (QChar c : inteira) {
        if (c == u',')
            p.milhares = true;
        else if (c == u'0' || c == u'#') {
            if (c == u'0' && primeiroZero < 0)
                primeiroZero = digitos;
            ++digitos;
        }
    }
    p.digitosMinimos = primeiroZero < 0 ? 0 : digitos - primeiroZero;
    if (ponto >= 0) {
        for (QChar c : padrao.mid(ponto + 1)) {
            if (c == u'0') {
                ++p.decimaisMaximos;
                p.decimaisMinimos = p.decimaisMaximos;
            } else if (c == u'#') {
                ++p.decimaisMaximos;
            }
        }
    }
    return p;
}

QString agrupa(const QString &digitos, QChar separador)
{
    QString r;
    const qsizetype n = digitos.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            r += separador;
        r += digitos[i];
    }
    return r;
}

}  // namespace

QString formata(const QString &padrao, double valor, QChar separadorDecimal, QChar separadorMilhar)
{
    if (!std::isfinite(valor))
        return QString::number(valor);
    const Padrao p = analisa(padrao);
    // Half away from zero, as the rounding of the shown digits.
    const double escala = std::pow(10.0, p.decimaisMaximos);
    const double arredondado = std::round(std::fabs(valor) * escala) / escala;
    QString texto = QString::number(arredondado, 'f', p.decimaisMaximos);
    QString inteira = texto.section(u'.', 0, 0);
    QString fracao = texto.section(u'.', 1);
    while (fracao.size() > p.decimaisMinimos && fracao.endsWith(u'0'))
        fracao.chop(1);
    if (inteira == u"0" && p.digitosMinimos == 0)
        inteira.clear();
    while (inteira.size() < p.digitosMinimos)
        inteira.prepend(u'0');
    if (p.milhares)
        inteira = agrupa(inteira, separadorMilhar);
    QString r = inteira;
    if (!fracao.isEmpty())
        r += separadorDecimal + fracao;
    if (r.isEmpty())
        r = QStringLiteral("0");
    if (valor < 0 && arredondado != 0.0)
        r.prepend(u'-');
    return r;
}

int casasDecimais(const QString &padrao)
{
    return analisa(padrao).decimaisMaximos;
}

QString padraoDecimais(int casas, const QString &atual)
{
    switch (casas) {
    case 0:
        return QStringLiteral("####0");
    case 1:
        return QStringLiteral("###,#000.0");
    case 2:
        return QStringLiteral("##,##00.00");
    case 3:
        return QStringLiteral("#,###0.000");
    default:
        return atual;
    }
}

QChar separadorMilharPara(QChar separadorDecimal)
{
    return separadorDecimal == u',' ? QChar(u'.') : QChar(u',');
}

}  // namespace FormatoNumero
