#include "TextoInformacoes.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "FormataDataHora.h"
#include "RotinasBytes.h"
#include "TAquisicao.h"
#include "TextoNumero.h"

#include <cmath>
#include <limits>

namespace {

constexpr QStringView kGrafico = u"FormGrafico";

int64_t parteInteira(double v)
{
    if (!std::isfinite(v))
        return 0;
    return int64_t(std::clamp(std::trunc(v), -9.0e18, 9.0e18));
}

QString doisDigitos(int64_t v)
{
    return QStringLiteral("%1").arg(v, 2);
}

struct Canal
{
    int numero;
    int sensor;
    int modo;
    int decimais;
    int32_t offset;
    QString nome;
    QString unidade;
};

Canal canal(const TAquisicao &a, int numero)
{
    if (numero == 1)
        return { 1, a.SensorCanal1, a.ModoCanal1, a.DecimaisCanal1, a.OffsetCanal1, a.NomeCanal1,
            a.UnidadeCanal1 };
    return { 2, a.SensorCanal2, a.ModoCanal2, a.DecimaisCanal2, a.OffsetCanal2, a.NomeCanal2,
        a.UnidadeCanal2 };
}

void blocoCanal(QStringList &l, const Canal &c, const Catalogo &cat, const ConfigRegional &regional)
{
    const QString sensor = (c.sensor >= 0 && c.sensor <= 10) ? cat.texto(215 + c.sensor) : QString();
    l << cat.texto(c.numero == 1 ? 196 : 197) + sensor + QStringLiteral(" - ") + c.nome + QStringLiteral(" (")
            + c.unidade + u')';
    l << ((c.modo >= 0 && c.modo <= 2) ? cat.texto(212 + c.modo) : QString());
    l << cat.texto(266) + TextoNumero::offset(c.offset, c.sensor, c.decimais, regional.separadorDecimal);
}

// The time of an instant: the long time format, or in half-second mode the
// time with its ".0"/".5" mark.
QString horaDe(const TAquisicao &a, double instante, int entrada, const ConfigRegional &regional)
{
    if (a.meioSegundo())
        return a.textoMeioSegundo(entrada, regional).mid(11, 11);
    return FormataDataHora(u"tt", instante, regional);
}

QString dataPorExtenso(
    const TAquisicao &a, double instante, int entrada, const Catalogo &cat, const ConfigRegional &regional)
{
    return FormataDataHora(cat.texto(206), instante, regional) + cat.texto(207)
        + FormataDataHora(u"yyyy", instante, regional) + cat.texto(208)
        + horaDe(a, instante, entrada, regional);
}

void identidade(QStringList &l, const TAquisicao &a, const Catalogo &cat)
{
    l << cat.texto(149, kGrafico) + TextoNumeroSerie(a);
    l << cat.texto(150, kGrafico) + TextoVersao(uint8_t(a.Firmware & 0xFF));
    l << cat.texto(195) + QString::number(a.Capacidade);
}

void intervalos(QStringList &l, const TAquisicao &a, const Catalogo &cat)
{
    // A negative interval (an edited file) is taken by size, as the instants
    // of the entries take it.
    const double intervalo = std::fabs(a.IntervaloAquisicoes());
    if (intervalo == 0.0) {
        l << cat.texto(199);
        return;
    }
    l << cat.texto(69, kGrafico) + QStringLiteral(": ")
            + Formata_Intervalo(intervalo / double(a.LeiturasPorAquisicao), cat);
    l << cat.texto(89, kGrafico) + u' ' + QString::number(a.LeiturasPorAquisicao);
    l << cat.texto(200) + Formata_Intervalo(intervalo, cat) + u'.';
}

void tempos(QStringList &l, const TAquisicao &a, const Catalogo &cat, const ConfigRegional &regional)
{
    const int ultima = std::max(0, a.NumLeituras() - 1);
    l << cat.texto(201) + FormataDataHora(u"dd/mm/yyyy", a.Inicio, regional);
    l << cat.texto(202) + FormataDataHora(u"tt", a.Inicio, regional);
    l << cat.texto(203) + FormataDataHora(u"dd/mm/yyyy", a.Fim, regional);
    l << cat.texto(204) + horaDe(a, a.Fim, ultima, regional);
    l << cat.texto(205) + QString::number(a.NumLeituras());
    l << QStringLiteral(" ");
    l << cat.texto(181) + dataPorExtenso(a, a.Inicio, 0, cat, regional);
    l << cat.texto(182) + dataPorExtenso(a, a.Fim, ultima, cat, regional);
}

}  // namespace

QString TextoNumeroSerie(const TAquisicao &a)
{
    return TextoNumeroSerie(quint32(a.NumeroSerie));
}

QString TextoNumeroSerie(quint32 serie)
{
    return QStringLiteral("%1%2")
        .arg(serie >> 16, 4, 10, QChar(u'0'))
        .arg(serie & 0xFFFF, 4, 10, QChar(u'0'));
}

QString Formata_Intervalo(double segundos, const Catalogo &catalogo)
{
    QString texto;
    double s = segundos;
    if (s >= 3600) {
        texto = u' ' + doisDigitos(parteInteira(s / 3600)) + catalogo.texto(192);
        s = double(parteInteira(s) % 3600);
    }
    if (s >= 60) {
        texto += u' ' + doisDigitos(parteInteira(s / 60)) + catalogo.texto(193);
        s = double(parteInteira(s) % 60);
    }
    if (s != 0)
        texto += u' ' + doisDigitos(parteInteira(s)) + catalogo.texto(194);
    return texto;
}

QStringList Atualiza_Informacoes(const TAquisicao &a, const Catalogo &cat, const ConfigRegional &regional)
{
    QStringList l;
    identidade(l, a, cat);
    l << QStringLiteral(" ");
    const bool doisCanais = !a.umCanal();
    if (doisCanais || a.SensorCanal1 != -1)
        blocoCanal(l, canal(a, 1), cat, regional);
    if (doisCanais || a.SensorCanal2 != -1)
        blocoCanal(l, canal(a, 2), cat, regional);
    l << QStringLiteral(" ");
    l << cat.texto(198);
    l << cat.texto(65, kGrafico) + u' ' + a.Titulo;
    intervalos(l, a, cat);
    tempos(l, a, cat, regional);
    return l;
}
