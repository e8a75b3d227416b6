#include "FormataDataHora.h"

#include "ConfigRegional.h"

namespace {

// Formats inside formats (the regional ones named by t, c, ddddd) are
// expanded one level deep only, so that a format naming itself ends.
constexpr int kNivelMaximo = 2;

class Formatador
{
public:
    Formatador(TDateTime valor, const ConfigRegional &regional)
        : m_campos(DataHora::decodifica(valor))
        , m_regional(regional)
    {
    }

    void formata(QStringView padrao, int nivel);
    QString saida;

private:
    void numero(int valor, int digitos) { saida += QString::number(valor).rightJustified(digitos, u'0'); }
    void nome(const QStringList &nomes, int indice) { saida += nomes.value(indice); }
    void sub(const QString &formato, int nivel)
    {
        if (nivel < kNivelMaximo)
            formata(formato, nivel + 1);
    }
    void token(QChar letra, int n, int nivel);
    void dia(int n, int nivel);
    void mes(int n);

    CamposDataHora m_campos;
    const ConfigRegional &m_regional;
};

void Formatador::formata(QStringView padrao, int nivel)
{
    QChar ultimaLetra;
    qsizetype i = 0;
    while (i < padrao.size()) {
        const QChar c = padrao.at(i);
        if (c == u'"' || c == u'\'') {
            qsizetype fim = padrao.indexOf(c, i + 1);
            if (fim < 0)
                fim = padrao.size();
            saida += padrao.mid(i + 1, fim - i - 1);
            i = fim + 1;
            continue;
        }
        qsizetype n = 1;
        while (i + n < padrao.size() && padrao.at(i + n) == c)
            ++n;
        QChar letra = c.toUpper();
        const bool ehLetra = letra >= u'A' && letra <= u'Z';
        if (ehLetra) {
            if (letra == u'M' && ultimaLetra == u'H')
                letra = u'N';
            ultimaLetra = letra;
        }
        if (ehLetra && QStringView(u"YMDHNSZTC").contains(letra)) {
            token(letra, int(n), nivel);
            i += n;
        } else {
            saida += c == u'/' ? m_regional.separadorData : (c == u':' ? m_regional.separadorHora : c);
            ++i;
        }
    }
}

void Formatador::token(QChar letra, int n, int nivel)
{
    switch (letra.unicode()) {
    case u'Y':
        if (n <= 2)
            numero(m_campos.ano % 100, 2);
        else
            numero(m_campos.ano, 4);
        break;
    case u'M':
        mes(n);
        break;
    case u'D':
        dia(n, nivel);
        break;
    case u'H':
        numero(m_campos.hora, n >= 2 ? 2 : 1);
        break;
    case u'N':
        numero(m_campos.minuto, n >= 2 ? 2 : 1);
        break;
    case u'S':
        numero(m_campos.segundo, n >= 2 ? 2 : 1);
        break;
    case u'Z':
        numero(m_campos.milissegundo, n >= 3 ? 3 : 1);
        break;
    case u'T':
        sub(n == 1 ? m_regional.formatoHoraCurta : m_regional.formatoHoraLonga, nivel);
        break;
    case u'C':
        for (int vez = 0; vez < n; ++vez) {
            sub(m_regional.formatoDataCurta, nivel);
            if (m_campos.hora || m_campos.minuto || m_campos.segundo || m_campos.milissegundo) {
                saida += u' ';
                sub(m_regional.formatoHoraLonga, nivel);
            }
        }
        break;
    default:
        break;
    }
}

void Formatador::mes(int n)
{
    if (n <= 2)
        numero(m_campos.mes, n);
    else
        nome(n == 3 ? m_regional.mesesCurtos : m_regional.mesesLongos, m_campos.mes - 1);
}

void Formatador::dia(int n, int nivel)
{
    switch (n) {
    case 1:
    case 2:
        numero(m_campos.dia, n);
        break;
    case 3:
        nome(m_regional.diasCurtos, m_campos.diaDaSemana - 1);
        break;
    case 4:
        nome(m_regional.diasLongos, m_campos.diaDaSemana - 1);
        break;
    case 5:
        sub(m_regional.formatoDataCurta, nivel);
        break;
    default:
        sub(m_regional.formatoDataLonga, nivel);
        break;
    }
}

}  // namespace

QString FormataDataHora(QStringView padrao, TDateTime valor, const ConfigRegional &regional)
{
    Formatador f(valor, regional);
    f.formata(padrao, 0);
    return f.saida;
}
