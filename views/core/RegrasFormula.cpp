#include "RegrasFormula.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "Instantes.h"
#include "LeituraCursor.h"
#include "Real48.h"
#include "TAquisicao.h"
#include "Windows1252.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace RegrasFormula {

namespace {
constexpr int kSelecione = 174;
constexpr int kParaCalculo = 175;
constexpr int kNecessario = 176;
constexpr int kCanais = 177;
constexpr int kFormula = 179;
constexpr int kAssociada = 180;

void poeReal(unsigned char (&destino)[6], double valor)
{
    const std::array<uint8_t, 6> b = Real48::paraBytes(valor);
    std::memcpy(destino, b.data(), b.size());
}
}  // namespace

TFormula formulaVazia()
{
    TFormula f;
    std::memset(&f, 0, sizeof f);
    return f;
}

QString texto(const Formulas::TTextoCurto &curto)
{
    return Windows1252::decodifica(reinterpret_cast<const char *>(curto + 1), curto[0]);
}

void defineTexto(Formulas::TTextoCurto &curto, const QString &texto)
{
    const QByteArray b = Windows1252::codifica(texto.left(255));
    curto[0] = static_cast<unsigned char>(b.size());
    std::memcpy(curto + 1, b.constData(), size_t(b.size()));
}

qint64 divisor(const TAquisicao &a)
{
    return LeituraCursor::passo(a);
}

int32_t intervaloSegundos(const TAquisicao &a)
{
    const double i = std::clamp(a.IntervaloAquisicoes(), 0.0, 2147483647.0);
    return int32_t(i);
}

Faixa faixaVisivel(const TAquisicao &a, double minimo, double maximo)
{
    const qint64 d = divisor(a);
    const qint64 n = a.NumLeituras();
    const qint64 primeira = std::max<qint64>(0, SegundosEntre(minimo, a.Inicio) / d);
    const qint64 ultima = std::min<qint64>(n - 1, SegundosEntre(maximo, a.Inicio) / d);
    Faixa f;
    if (n == 0 || ultima < primeira || primeira >= n || ultima < 0)
        return f;
    f.primeira = int(primeira);
    f.ultima = int(ultima);
    return f;
}

Verificacao verifica(const TFormula *f, bool canal1, bool canal2, const Catalogo &catalogo)
{
    Verificacao r;
    if (!f) {
        r.mensagem = catalogo.texto(kSelecione);
        return r;
    }
    r.canais = f->Canais;
    if (f->Canais < 1) {
        r.valida = true;
        return r;
    }
    const bool ambos = canal1 && canal2;
    const bool algum = canal1 || canal2;
    r.valida = algum && ((f->Canais == 1 && !ambos) || (f->Canais == 2 && ambos) || f->Canais > 2);
    if (!r.valida) {
        r.mensagem = catalogo.texto(kParaCalculo) + texto(f->Nome) + catalogo.texto(kNecessario)
            + QString::number(f->Canais) + catalogo.texto(kCanais);
        return r;
    }
    r.canais = ambos ? 3 : (canal1 ? 1 : 2);
    return r;
}

QString mensagemAssociada(const TFormula &f, const Catalogo &catalogo)
{
    return catalogo.texto(kFormula) + texto(f.Nome) + catalogo.texto(kAssociada);
}

TLeitura entrada(const TAquisicao &a, int i, int32_t canais)
{
    TLeitura e;
    std::memset(&e, 0, sizeof e);
    const auto &l = a.leitura(i);
    poeReal(e.Canal1, (canais & 1) ? l.Canal1() : 0.0);
    poeReal(e.Canal2, (canais & 2) ? l.Canal2() : 0.0);
    return e;
}

std::vector<TLeitura> entradasFaixa(const TAquisicao &a, TFormula &f, const Faixa &faixa)
{
    std::vector<TLeitura> r;
    r.reserve(size_t(faixa.quantas()));
    for (int i = faixa.primeira; i <= faixa.ultima; ++i)
        r.push_back(entrada(a, i, f.Canais));
    f.NumAquisicoes = faixa.quantas();
    f.IntervaloSegundos = intervaloSegundos(a);
    return r;
}

std::vector<TLeitura> entradaUnica(const TAquisicao &a, TFormula &f, std::optional<qint64> sob)
{
    f.NumAquisicoes = -1;
    f.IntervaloSegundos = intervaloSegundos(a);
    if (!sob || *sob < 0 || *sob >= a.NumLeituras())
        return {};
    return { entrada(a, int(*sob), f.Canais) };
}

QString textoResultado(
    const TFormula &f, std::optional<long double> resultado, const ConfigRegional &regional)
{
    QString numero
        = resultado ? QString::asprintf("%8.3f", double(*resultado)) : QString(7, u' ') + QLatin1Char('-');
    numero.replace(u'.', regional.separadorDecimal);
    return texto(f.RotuloResultado) + QStringLiteral(": ") + numero + u' ' + texto(f.UnidadeResultado);
}

}  // namespace RegrasFormula
