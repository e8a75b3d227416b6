#include "Instantes.h"

#include "ConfigRegional.h"
#include "ConverteDataHora.h"
#include "FormataDataHora.h"

namespace {

constexpr qint64 kDia = 86400;
constexpr qint64 kTrintaDias = 2592000;
constexpr qint64 kAno = 31536000;

// base moved by whole seconds, days and time of day applied separately.
TDateTime desloca(bool paraTras, quint64 magnitude, TDateTime base)
{
    const double dias = double(magnitude / kDia);
    const double hora = double((magnitude % kDia) * 1000) / DataHora::MilissegundosPorDia;
    return paraTras ? base - dias - hora : base + dias + hora;
}

// The magnitude of a count, the most negative one included.
quint64 valorAbsoluto(qint64 segundos)
{
    return segundos < 0 ? 0 - quint64(segundos) : quint64(segundos);
}

InstanteRotulado rotulo(
    const QString &texto, const ConfigRegional &regional, int tamanhoMaximo, QStringView formatoData)
{
    InstanteRotulado r;
    r.instante = ConverteDataHora(QStringView(texto).left(19), regional).value_or(0.0);
    r.rotulo = texto.mid(11, 11) + FormataDataHora(formatoData, r.instante, regional);
    r.rotulo.truncate(qMax(tamanhoMaximo, 0));
    return r;
}

// One row of the axis-label table: the base pattern and, for minute, hour,
// day, month and year, the pattern used when that field of the two
// instants differs (null: not checked).
struct LinhaRotulo
{
    qint64 ate;  // spacings below this value use the row
    const char16_t *base;
    const char16_t *sufixoBase;
    const char16_t *campo[5];
    const char16_t *sufixo[5];
};

constexpr LinhaRotulo kLinhas[] = {
    { 60, u"ss", u" s", { u"nn:ss", u"hh:nn:ss", u"dd hh:nn:ss", u"dd/mm hh:nn:ss", u"dd/mm/yyyy hh:nn:ss" },
        { u" s", u" s", u" s", u" s", u" s" } },
    { 3600, u"nn", u" m", { nullptr, u"hh:nn", u"dd hh:nn", u"dd/mm hh:nn", u"dd/mm/yyyy hh:nn" },
        { nullptr, u" m", u" m", u"m", u"m" } },
    { kDia, u"hh", u" h", { nullptr, nullptr, u"dd hh", u"dd/mm hh", u"dd/mm/yyyy hh" },
        { nullptr, nullptr, u" h", u" h", u" h" } },
    { kTrintaDias, u"dd", u"", { nullptr, nullptr, nullptr, u"dd/mm", u"dd/mm/yyyy" },
        { nullptr, nullptr, nullptr, u"", u"" } },
    { kAno, u"mmm", u"", { nullptr, nullptr, nullptr, nullptr, u"mm/yyyy" },
        { nullptr, nullptr, nullptr, nullptr, u"" } },
    { 0, u"yyyy", u"", {}, {} },
};

}  // namespace

TDateTime SomaSegundos(qint64 segundos, TDateTime base)
{
    return desloca(segundos < 0, valorAbsoluto(segundos), base);
}

TDateTime SubtraiSegundos(qint64 segundos, TDateTime base)
{
    return desloca(segundos > 0, valorAbsoluto(segundos), base);
}

qint64 SegundosEntre(TDateTime a, TDateTime b)
{
    qint64 diasA = 0;
    qint64 msA = 0;
    qint64 diasB = 0;
    qint64 msB = 0;
    DataHora::divide(a, diasA, msA);
    DataHora::divide(b, diasB, msB);
    return (msA - msB) / 1000 + (diasA - diasB) * kDia;
}

QString TextoInstante(int meiosSegundos, TDateTime base, const ConfigRegional &regional)
{
    const TDateTime instante = SomaSegundos(meiosSegundos / 2, base);
    return FormataDataHora(u"dd/mm/yyyy hh:nn:ss", instante, regional)
        + (meiosSegundos % 2 != 0 ? QStringLiteral(" .5") : QStringLiteral(" .0"));
}

InstanteRotulado RotuloInstante(const QString &texto, const ConfigRegional &regional, int tamanhoMaximo)
{
    return rotulo(texto, regional, tamanhoMaximo, u" dd/mm");
}

InstanteRotulado RotuloInstanteAno(const QString &texto, const ConfigRegional &regional, int tamanhoMaximo)
{
    return rotulo(texto, regional, tamanhoMaximo, u" dd/mm/yy");
}

int LarguraRotulo(TDateTime inicio, TDateTime fim)
{
    const qint64 d = SegundosEntre(fim, inicio);
    int largura = 8;
    if (d > kDia)
        largura += 3;
    if (d > kTrintaDias)
        largura += 3;
    if (d > kAno)
        largura += 5;
    return largura;
}

QString RotuloEixoTempo(TDateTime anterior, TDateTime atual, const ConfigRegional &regional)
{
    const qint64 d = SegundosEntre(atual, anterior);
    if (d <= 0)
        return {};
    const LinhaRotulo *linha = kLinhas;
    while (linha->ate != 0 && d >= linha->ate)
        ++linha;
    const CamposDataHora a = DataHora::decodifica(anterior);
    const CamposDataHora b = DataHora::decodifica(atual);
    const bool difere[5]
        = { a.minuto != b.minuto, a.hora != b.hora, a.dia != b.dia, a.mes != b.mes, a.ano != b.ano };
    const char16_t *formato = linha->base;
    const char16_t *sufixo = linha->sufixoBase;
    for (int i = 0; i < 5; ++i) {
        if (linha->campo[i] && difere[i]) {
            formato = linha->campo[i];
            sufixo = linha->sufixo[i];
        }
    }
    return FormataDataHora(formato, atual, regional) + QString::fromUtf16(sufixo);
}
