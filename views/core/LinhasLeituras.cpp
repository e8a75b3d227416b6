#include "LinhasLeituras.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "FormataDataHora.h"
#include "Instantes.h"
#include "TAquisicao.h"
#include "TextoDecimal.h"
#include "Windows1252.h"

#include <charconv>

namespace {

// Appends blanks until the field that starts at inicio has the width (a
// longer field is kept whole).
void completa(QByteArray &s, qsizetype inicio, int largura)
{
    const qsizetype falta = inicio + largura - s.size();
    if (falta > 0)
        s.append(falta, ' ');
}

void campo(QString &linha, const QString &texto, int largura)
{
    linha += texto;
    if (texto.size() < largura)
        linha += QString(largura - texto.size(), u' ');
}

void doisDigitos(char *p, int v)
{
    p[0] = char('0' + v / 10 % 10);
    p[1] = char('0' + v % 10);
}

void anexaData(QByteArray &s, const CamposDataHora &c, char separador)
{
    char t[10];
    doisDigitos(t, c.dia);
    t[2] = separador;
    doisDigitos(t + 3, c.mes);
    t[5] = separador;
    doisDigitos(t + 6, c.ano / 100);
    doisDigitos(t + 8, c.ano % 100);
    s.append(t, 10);
}

void anexaHora(QByteArray &s, const CamposDataHora &c, char separador)
{
    char t[8];
    doisDigitos(t, c.hora);
    t[2] = separador;
    doisDigitos(t + 3, c.minuto);
    t[5] = separador;
    doisDigitos(t + 6, c.segundo);
    s.append(t, 8);
}

// "%.5d"
void anexaNumero(QByteArray &s, int n)
{
    char t[16];
    const auto r = std::to_chars(t, t + sizeof t, n);
    const qsizetype digitos = r.ptr - t;
    if (digitos < 5)
        s.append(5 - digitos, '0');
    s.append(t, digitos);
}

}  // namespace

LinhasLeituras::LinhasLeituras(
    const TAquisicao &aquisicao, const Catalogo &catalogo, const ConfigRegional &regional)
    : m_aquisicao(aquisicao)
    , m_catalogo(catalogo)
    , m_regional(regional)
    , m_horaPadrao(regional.formatoHoraLonga.compare(u"hh:nn:ss", Qt::CaseInsensitive) == 0)
    , m_sepDecimal(Windows1252::byteDe(regional.separadorDecimal))
    , m_sepData(Windows1252::byteDe(regional.separadorData))
    , m_sepHora(Windows1252::byteDe(regional.separadorHora))
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
    QByteArray bytes;
    bytes.reserve(100);
    anexaEntrada(bytes, i);
    return Windows1252::decodifica(bytes);
}

void LinhasLeituras::anexaEntrada(QByteArray &s, int i) const
{
    const qsizetype inicio = s.size();
    anexaNumero(s, i + 1);
    completa(s, inicio, 22);
    anexaHoraData(s, i);
    anexaValores(s, i);
}

// The time to width 18 and the date to width 15. In half-second mode the
// time carries its ".0" or ".5" mark.
void LinhasLeituras::anexaHoraData(QByteArray &s, int i) const
{
    const bool meio = m_aquisicao.meioSegundo();
    const double instante = meio ? SomaSegundos(i / 2, m_aquisicao.Inicio) : m_aquisicao.instante(i);
    const CamposDataHora c = DataHora::decodifica(instante);
    qsizetype inicio = s.size();
    if (meio || m_horaPadrao)
        anexaHora(s, c, m_sepHora);
    else
        s += Windows1252::codifica(FormataDataHora(u"tt", instante, m_regional));
    if (meio)
        s.append(i % 2 != 0 ? " .5" : " .0");
    completa(s, inicio, 18);
    inicio = s.size();
    anexaData(s, c, m_sepData);
    completa(s, inicio, 15);
}

// The two value columns, to widths 23 and 15. With one channel, the
// recorded channel's column carries its value and the other "0".
void LinhasLeituras::anexaValores(QByteArray &s, int i) const
{
    const TAquisicao &a = m_aquisicao;
    const TLeitura &e = a.leitura(i);
    char buf[TextoDecimal::TamanhoBuffer];
    const auto valor = [&](int canal) {
        const int n = canal == 1 ? TextoDecimal::leitura(
                          buf, sizeof buf, e.Canal1(), a.SensorCanal1, a.DecimaisCanal1, m_sepDecimal)
                                 : TextoDecimal::leitura(buf, sizeof buf, e.Canal2(), a.SensorCanal2,
                                     a.DecimaisCanal2, m_sepDecimal);
        s.append(buf, n);
    };
    const bool doisCanais = !a.umCanal();
    const bool noCanal1 = a.SensorCanal1 != -1;
    qsizetype inicio = s.size();
    if (doisCanais || noCanal1)
        valor(1);
    else
        s.append('0');
    completa(s, inicio, 23);
    inicio = s.size();
    if (doisCanais || !noCanal1)
        valor(2);
    else
        s.append('0');
    completa(s, inicio, 15);
}
