#include "LinhasLeituras.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "FormataDataHora.h"
#include "TAquisicao.h"
#include "TextoNumero.h"

namespace {

// Appends the field and pads it with blanks to the width (a longer field
// is kept whole).
void campo(QString &linha, const QString &texto, int largura)
{
    linha += texto;
    if (texto.size() < largura)
        linha += QString(largura - texto.size(), u' ');
}

void doisDigitos(QChar *p, int v)
{
    p[0] = QChar(u'0' + v / 10 % 10);
    p[1] = QChar(u'0' + v % 10);
}

} // namespace

LinhasLeituras::LinhasLeituras(const TAquisicao &aquisicao, const Catalogo &catalogo,
                               const ConfigRegional &regional)
    : m_aquisicao(aquisicao)
    , m_catalogo(catalogo)
    , m_regional(regional)
    , m_horaPadrao(regional.formatoHoraLonga.compare(u"hh:nn:ss", Qt::CaseInsensitive) == 0)
{
}

int LinhasLeituras::quantidade() const
{
    return m_aquisicao.NumLeituras() + 1;
}

QString LinhasLeituras::linha(int k) const
{
    return k == 0 ? cabecalho() : entrada(k - 1);
}

QString LinhasLeituras::cabecalho() const
{
    QString l;
    campo(l, m_catalogo.texto(189), 18);
    campo(l, m_catalogo.texto(190), 20);
    campo(l, m_catalogo.texto(191), 20);
    campo(l, m_catalogo.texto(70), 20);
    campo(l, m_catalogo.texto(71), 20);
    return l;
}

QString LinhasLeituras::entrada(int i) const
{
    QString l;
    l.reserve(96);
    campo(l, QStringLiteral("%1").arg(i + 1, 5, 10, QChar(u'0')), 22);
    if (m_aquisicao.meioSegundo()) {
        const QString texto = m_aquisicao.textoMeioSegundo(i, m_regional);
        campo(l, texto.mid(11, 11), 18);
        campo(l, texto.left(10), 15);
    } else {
        const double instante = m_aquisicao.instante(i);
        campo(l, hora(instante), 18);
        campo(l, data(instante), 15);
    }
    l += valores(i);
    return l;
}

QString LinhasLeituras::hora(double instante) const
{
    if (!m_horaPadrao)
        return FormataDataHora(u"tt", instante, m_regional);
    const CamposDataHora c = DataHora::decodifica(instante);
    QString t(8, m_regional.separadorHora);
    doisDigitos(t.data(), c.hora);
    doisDigitos(t.data() + 3, c.minuto);
    doisDigitos(t.data() + 6, c.segundo);
    return t;
}

QString LinhasLeituras::data(double instante) const
{
    const CamposDataHora c = DataHora::decodifica(instante);
    QString t(10, m_regional.separadorData);
    doisDigitos(t.data(), c.dia);
    doisDigitos(t.data() + 3, c.mes);
    doisDigitos(t.data() + 6, c.ano / 100);
    doisDigitos(t.data() + 8, c.ano % 100);
    return t;
}

// The two value columns. With one channel, the recorded channel's column
// carries its value and the other "0".
QString LinhasLeituras::valores(int i) const
{
    const TAquisicao &a = m_aquisicao;
    const TLeitura &e = a.leitura(i);
    const QChar sep = m_regional.separadorDecimal;
    QString c1, c2;
    if (a.NumCanais >= 2) {
        c1 = TextoNumero::leitura(e.Canal1(), a.SensorCanal1, a.DecimaisCanal1, sep);
        c2 = TextoNumero::leitura(e.Canal2(), a.SensorCanal2, a.DecimaisCanal2, sep);
    } else if (a.SensorCanal1 != -1) {
        c1 = TextoNumero::leitura(e.Canal1(), a.SensorCanal1, a.DecimaisCanal1, sep);
        c2 = QStringLiteral("0");
    } else {
        c1 = QStringLiteral("0");
        c2 = TextoNumero::leitura(e.Canal2(), a.SensorCanal2, a.DecimaisCanal2, sep);
    }
    QString l;
    campo(l, c1, 23);
    campo(l, c2, 15);
    return l;
}
