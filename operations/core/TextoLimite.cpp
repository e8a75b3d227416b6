#include "TextoLimite.h"

#include "ConverteDataHora.h"
#include "TextoNumerico.h"

#include <cmath>

int PosDec(QStringView texto)
{
    qsizetype p = texto.indexOf(u',');
    if (p < 0)
        p = texto.indexOf(u'.');
    return int(p + 1);
}

QString GetLimValue(int contagem, int decimais, QChar separador)
{
    if (decimais <= 0)
        return QString::number(contagem);
    const double valor = contagem / std::pow(10.0, decimais);
    QString texto = QString::number(valor, 'f', decimais);
    texto.replace(u'.', separador);
    return texto;
}

std::optional<int> LimWithOutComma(QStringView texto, int decimais)
{
    const int p = PosDec(texto);
    if (p == 0)
        return ConverteInteiro(texto);
    const QStringView fracao = texto.mid(p).left(qMax(0, decimais));
    // The digits after the comma stand for tenths, hundredths, thousandths:
    // a short fraction is completed with zeros, as the box shows it.
    QString inteiro = texto.left(p - 1).toString() + fracao.toString();
    inteiro += QString(qMax(0, decimais) - fracao.size(), u'0');
    return ConverteInteiro(inteiro);
}

std::optional<double> ConverteReal(QStringView texto, QChar separador)
{
    return LeNumero(texto, separador);
}

int IntDigits(double valor)
{
    const double inteiro = std::trunc(valor);
    if (inteiro == 0)
        return 1;
    const QString texto = QString::number(std::fabs(inteiro), 'f', 0);
    return int(texto.size());
}
