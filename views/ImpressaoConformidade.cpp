#include "ImpressaoConformidade.h"

#include "Ambiente.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "FaixaPerfil.h"
#include "IRelogio.h"
#include "ImpressaoGrafico.h"
#include "Procedencia.h"
#include "RegrasLimites.h"
#include "RelatorioTexto.h"
#include "TAquisicao.h"
#include "TextoNumero.h"
#include "TextoResumo.h"

#include <QPainter>
#include <QPainterPath>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <limits>

using RelatorioConformidade::Linha;

namespace ImpressaoConformidade {

namespace {

constexpr double kRecuo = 8;  // text inside the boxes, report units
constexpr double kAlturaCaixa = 60;  // the framed title box
constexpr int kTitulo = 500;
constexpr int kFaixa = 513;
constexpr int kExcursao = 514;
const QColor kCorFaixa(214, 238, 214);
const QColor kCorExcursao(200, 0, 0);

QFont fonte(double pontos, bool negrito = false)
{
    QFont f;
    f.setFamilies({ QStringLiteral("Arial") });
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(pontos);
    f.setBold(negrito);
    return f;
}

QRectF escalado(double x, double y, double largura, double altura, double escala)
{
    return QRectF(x * escala, y * escala, largura * escala, altura * escala);
}

// The text in the box, its font made smaller until the text fits the
// width, so that nothing is cut.
void cabeNaCaixa(QPainter &pintor, const QRectF &caixa, int alinhamento, const QString &texto)
{
    const QFont antes = pintor.font();
    QFont f = antes;
    while (f.pointSizeF() > 5 && QFontMetricsF(f, pintor.device()).horizontalAdvance(texto) > caixa.width())
        f.setPointSizeF(f.pointSizeF() - 0.5);
    pintor.setFont(f);
    pintor.drawText(caixa, alinhamento | Qt::TextSingleLine, texto);
    pintor.setFont(antes);
}

void desenhaLinha(QPainter &pintor, const Linha &linha, double y, double escala, double largura)
{
    const QList<double> tabs = RelatorioConformidade::tabulacoes(linha.tabs);
    const QStringList partes = linha.texto.split(u'\t');
    pintor.setFont(fonte(9, linha.estilo != RelatorioConformidade::Estilo::Texto));
    for (qsizetype k = 0; k < partes.size(); ++k) {
        const double x = k == 0 ? kRecuo : tabs.value(k - 1, largura);
        const double fim = k < tabs.size() && k + 1 < partes.size() ? tabs.at(k) - 4 : largura - kRecuo;
        cabeNaCaixa(pintor,
            escalado(x, y, std::max(1.0, fim - x), RelatorioConformidade::kAlturaLinha, escala),
            Qt::AlignLeft | Qt::AlignVCenter, partes.at(k));
    }
}

double desenhaLinhas(QPainter &pintor, const QList<Linha> &linhas, double y, double escala, double largura)
{
    for (const Linha &l : linhas) {
        desenhaLinha(pintor, l, y, escala, largura);
        y += RelatorioConformidade::kAlturaLinha;
    }
    return y;
}

void desenhaMoldura(QPainter &pintor, int pagina, double escala, double largura, double altura,
    const QString &dataHora, const Catalogo &cat)
{
    pintor.setPen(QPen(Qt::black, std::max(1.0, escala)));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawRect(escalado(0, 0, largura, kAlturaCaixa, escala));
    const QRectF texto = escalado(kRecuo, 0, largura - 2 * kRecuo, kAlturaCaixa, escala);
    pintor.setFont(fonte(10));
    pintor.drawText(texto, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, dataHora);
    pintor.setFont(fonte(13, true));
    const double data = QFontMetricsF(fonte(10), pintor.device()).horizontalAdvance(dataHora);
    cabeNaCaixa(pintor, texto.adjusted(0, 0, -data - kRecuo * escala, 0), Qt::AlignLeft | Qt::AlignVCenter,
        cat.texto(kTitulo));

    const double rodape = altura - RelatorioTexto::kAlturaRodape;
    const QRectF caixa = escalado(0, rodape + 5, largura, RelatorioTexto::kAlturaRodape - 5, escala);
    pintor.drawRect(caixa);
    pintor.setFont(fonte(10));
    pintor.drawText(caixa.adjusted(kRecuo * escala, 0, -kRecuo * escala, 0),
        Qt::AlignRight | Qt::AlignVCenter, RelatorioTexto::rodape(pagina, cat));
}

void desenhaVeredito(
    QPainter &pintor, const RelatorioConformidade::PrimeiraPagina &p, double y, double escala, double largura)
{
    const QRectF faixa = escalado(0, y, largura, RelatorioConformidade::kAlturaVeredito - 4, escala);
    pintor.save();
    pintor.setBrush(p.aprovado ? QColor(223, 240, 216) : QColor(248, 215, 215));
    pintor.setPen(QPen(p.aprovado ? QColor(11, 77, 11) : QColor(122, 0, 0), 2 * escala));
    pintor.drawRect(faixa);
    pintor.setFont(fonte(26, true));
    cabeNaCaixa(pintor, faixa, Qt::AlignCenter, p.veredito);
    pintor.restore();
}

// The channels the profile judged, each once, in order.
QList<int> canaisJulgados(const Avaliacao &av)
{
    QList<int> r;
    for (const ResultadoRegra &res : av.regras)
        if (!r.contains(res.canal))
            r.append(res.canal);
    if (r.isEmpty())
        r.append(1);
    return r;
}

struct Escala
{
    QRectF area;
    double minimo = 0.0;
    double maximo = 1.0;
    double passo = 0.25;  // between the value axis' labels
    int entradas = 1;
    double x(int entrada) const
    {
        return area.left() + area.width() * (entradas > 1 ? double(entrada) / (entradas - 1) : 0.5);
    }
    double y(double v) const { return area.bottom() - area.height() * (v - minimo) / (maximo - minimo); }
};

// The band the profile allows on the first judged channel: from the
// highest threshold of a rule below to the lowest of a rule above (the
// chart's edge where a side has none), with its thresholds dashed.
void desenhaFaixa(
    QPainter &pintor, const Escala &e, const TAquisicao &a, const Avaliacao &av, int canal, double escala)
{
    // The band is the graph's (FaixaPerfil); every threshold of a reading
    // is drawn, not only the band's edges.
    QList<double> limiares;
    for (const ResultadoRegra &res : av.regras)
        if (res.canal == canal && res.regra.tipo != TipoRegra::Tcm)
            limiares << res.regra.limite;
    const FaixaPerfil::Geometria geometria = FaixaPerfil::calcula(a, av);
    const auto faixa = std::find_if(geometria.faixas.cbegin(), geometria.faixas.cend(),
        [canal](const FaixaPerfil::Faixa &f) { return f.canal == canal; });
    if (limiares.isEmpty() || faixa == geometria.faixas.cend())
        return;
    const double baixo = std::max(e.minimo, faixa->baixo.value_or(e.minimo));
    const double alto = std::min(e.maximo, faixa->alto.value_or(e.maximo));
    pintor.save();
    if (baixo < alto) {
        pintor.setPen(Qt::NoPen);
        pintor.setBrush(kCorFaixa);
        pintor.drawRect(QRectF(QPointF(e.area.left(), e.y(alto)), QPointF(e.area.right(), e.y(baixo))));
    }
    pintor.setPen(QPen(QColor(0, 110, 0), escala, Qt::DashLine));
    for (const double l : std::as_const(limiares))
        pintor.drawLine(QLineF(e.area.left(), e.y(l), e.area.right(), e.y(l)));
    pintor.restore();
}

// A channel's readings, as the lowest and highest of each bucket of
// entries a device pixel wide.
QPainterPath caminho(const TAquisicao &a, int canal, const Escala &e, int primeira, int ultima)
{
    QPainterPath p;
    const int colunas = std::max(1, int(e.area.width()));
    const int passo = std::max(1, (ultima - primeira + 1) / colunas);
    for (int i = primeira; i <= ultima; i += passo) {
        double menor = std::numeric_limits<double>::max();
        double maior = std::numeric_limits<double>::lowest();
        for (int k = i; k < std::min(ultima + 1, i + passo); ++k) {
            menor = std::min(menor, a.Leituras()[size_t(k)].canal(canal));
            maior = std::max(maior, a.Leituras()[size_t(k)].canal(canal));
        }
        const QPointF ponto(e.x(i), e.y(maior));
        if (p.elementCount() == 0)
            p.moveTo(ponto);
        else
            p.lineTo(ponto);
        if (menor != maior)
            p.lineTo(e.x(i), e.y(menor));
    }
    return p;
}

// The value axis from a multiple of a round step (1, 2, 2,5 or 5 times a
// power of ten) below the lowest value to one above the highest, about
// four steps in all.
void arredonda(Escala &e, double minimo, double maximo)
{
    const double bruto = (maximo - minimo) / 4;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    double passo = 10 * potencia;
    for (const double m : { 1.0, 2.0, 2.5, 5.0 })
        if (m * potencia >= bruto) {
            passo = m * potencia;
            break;
        }
    e.passo = passo;
    e.minimo = std::floor(minimo / passo) * passo;
    e.maximo = std::ceil(maximo / passo) * passo;
}

void desenhaEixos(QPainter &pintor, const Escala &e, const TAquisicao &a, int canal, double escala,
    const ConfigRegional &regional)
{
    pintor.setPen(QPen(Qt::black, escala));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawRect(e.area);
    pintor.setFont(fonte(7));
    int casas = RegrasLimites::casas(a, canal);
    while (casas < 3
        && std::abs(e.passo * std::pow(10.0, casas) - std::round(e.passo * std::pow(10.0, casas))) > 1e-6)
        ++casas;
    const int rotulos = int(std::lround((e.maximo - e.minimo) / e.passo));
    for (int k = 0; k <= rotulos; ++k) {
        const double v = e.minimo + e.passo * k;
        const QRectF caixa(e.area.left() - 58 * escala, e.y(v) - 7 * escala, 54 * escala, 14 * escala);
        cabeNaCaixa(pintor, caixa, Qt::AlignRight | Qt::AlignVCenter,
            TextoNumero::fixo(v, casas, regional.separadorDecimal));
    }
    const int n = a.NumLeituras();
    for (int k = 0; k <= 3; ++k) {
        const int entrada = (n - 1) * k / 3;
        const double x = e.x(entrada);
        const int alinhamento = k == 0 ? Qt::AlignLeft : (k == 3 ? Qt::AlignRight : Qt::AlignHCenter);
        const double largura = 130 * escala;
        const double esquerda = k == 0 ? x : (k == 3 ? x - largura : x - largura / 2);
        cabeNaCaixa(pintor, QRectF(esquerda, e.area.bottom() + 2 * escala, largura, 14 * escala),
            alinhamento | Qt::AlignTop, TextoResumo::instante(a, entrada, regional));
    }
}

void desenhaLegenda(
    QPainter &pintor, const QRectF &area, double escala, const QStringList &canais, const Catalogo &cat)
{
    pintor.setFont(fonte(7));
    double x = area.left();
    const double y = area.top() + 6 * escala;
    const auto item = [&](const QString &texto, const std::function<void(const QRectF &)> &simbolo) {
        simbolo(QRectF(x, y - 4 * escala, 18 * escala, 8 * escala));
        const double largura = QFontMetricsF(pintor.font(), pintor.device()).horizontalAdvance(texto);
        pintor.drawText(QRectF(x + 22 * escala, y - 7 * escala, largura + 2, 14 * escala),
            Qt::AlignLeft | Qt::AlignVCenter, texto);
        x += 22 * escala + largura + 14 * escala;
    };
    for (qsizetype k = 0; k < canais.size(); ++k)
        item(canais[k], [&](const QRectF &r) {
            pintor.setPen(QPen(Qt::black, escala, k == 0 ? Qt::SolidLine : Qt::DashLine));
            pintor.drawLine(QLineF(r.left(), r.center().y(), r.right(), r.center().y()));
        });
    item(cat.texto(kFaixa), [&](const QRectF &r) { pintor.fillRect(r, kCorFaixa); });
    item(cat.texto(kExcursao), [&](const QRectF &r) {
        pintor.setPen(QPen(kCorExcursao, 3 * escala));
        pintor.drawLine(QLineF(r.left(), r.center().y(), r.right(), r.center().y()));
    });
    pintor.setPen(QPen(Qt::black, escala));
}

}  // namespace

void desenhaGrafico(
    QPainter &pintor, const QRectF &area, double escala, const Dados &dados, const Ambiente &ambiente)
{
    const TAquisicao &a = *dados.aquisicao;
    const Avaliacao &av = *dados.avaliacao;
    const Catalogo cat = ambiente.catalogo ? *ambiente.catalogo : Catalogo();
    const ConfigRegional regional
        = ambiente.regional ? *ambiente.regional : ConfigRegional::portuguesBrasil();
    const int n = a.NumLeituras();
    const QList<int> canais = canaisJulgados(av);
    Escala e;
    e.area = area.adjusted(64 * escala, 18 * escala, -10 * escala, -18 * escala);
    e.entradas = n;
    e.minimo = std::numeric_limits<double>::max();
    e.maximo = std::numeric_limits<double>::lowest();
    for (const int c : canais)
        for (int i = 0; i < n; ++i) {
            e.minimo = std::min(e.minimo, a.Leituras()[size_t(i)].canal(c));
            e.maximo = std::max(e.maximo, a.Leituras()[size_t(i)].canal(c));
        }
    for (const ResultadoRegra &res : av.regras)
        if (res.regra.tipo != TipoRegra::Tcm) {
            e.minimo = std::min(e.minimo, res.regra.limite);
            e.maximo = std::max(e.maximo, res.regra.limite);
        }
    if (n == 0 || !(e.maximo > e.minimo)) {
        e.minimo = (n == 0 ? 0.0 : e.minimo) - 1;
        e.maximo = e.minimo + 2;
    }
    const double folga = (e.maximo - e.minimo) * 0.05;
    arredonda(e, e.minimo - folga, e.maximo + folga);

    pintor.save();
    desenhaFaixa(pintor, e, a, av, canais.first(), escala);
    pintor.setClipRect(e.area);
    pintor.setBrush(Qt::NoBrush);
    QStringList legendas;
    for (qsizetype k = 0; k < canais.size() && n > 0; ++k) {
        pintor.setPen(QPen(Qt::black, escala, k == 0 ? Qt::SolidLine : Qt::DashLine));
        pintor.drawPath(caminho(a, canais[k], e, 0, n - 1));
        legendas << TextoResumo::titulo(a, canais[k], cat);
    }
    pintor.setPen(QPen(kCorExcursao, 3 * escala));
    for (const ResultadoRegra &res : av.regras)
        for (const ExcursaoAlarme &x : res.excursoes) {
            const QPainterPath p = caminho(a, res.canal, e, x.inicio, x.fim);
            if (x.inicio == x.fim)
                pintor.drawLine(
                    QLineF(e.x(x.inicio) - 2 * escala, e.y(x.pico), e.x(x.inicio) + 2 * escala, e.y(x.pico)));
            else
                pintor.drawPath(p);
        }
    pintor.setClipping(false);
    desenhaEixos(pintor, e, a, canais.first(), escala, regional);
    desenhaLegenda(pintor, area.adjusted(64 * escala, 0, 0, 0), escala, legendas, cat);
    pintor.restore();
}

bool imprime(QPrinter &impressora, const Ambiente &ambiente, const Dados &dados)
{
    QPainter pintor;
    if (!ImpressaoGrafico::comeca(pintor, impressora))
        return false;
    const bool ok = desenha(pintor, impressora, ambiente, dados);
    return pintor.end() && ok;
}

bool desenha(QPainter &pintor, QPrinter &impressora, const Ambiente &ambiente, const Dados &dados)
{
    const QRect area = impressora.pageLayout().paintRectPixels(impressora.resolution());
    const double escala = impressora.resolution() / RelatorioTexto::kUnidadesPorPolegada;
    const double largura = area.width() / escala;
    const double altura = area.height() / escala;
    const Catalogo cat = ambiente.catalogo ? *ambiente.catalogo : Catalogo();
    const ConfigRegional regional
        = ambiente.regional ? *ambiente.regional : ConfigRegional::portuguesBrasil();
    const TDateTime agora = ambiente.relogio ? ambiente.relogio->dataHoraAtual() : 0.0;
    const QString dataHora = ambiente.relogio ? RelatorioTexto::dataHora(agora, regional) : QString();
    const Procedencia procedencia
        = Procedencia::de(ambiente.registros, dados.arquivo, DataHora::paraQDateTime(agora));
    const double cabecalho = RelatorioTexto::alturaCabecalho(RelatorioTexto::Modo::Informacoes);
    const RelatorioConformidade::Relatorio r = RelatorioConformidade::monta(
        *dados.aquisicao, *dados.avaliacao, dados.arquivo, procedencia, cat, regional, altura, cabecalho);

    pintor.save();
    desenhaMoldura(pintor, 1, escala, largura, altura, dataHora, cat);
    double y = cabecalho;
    desenhaVeredito(pintor, r.primeira, y, escala, largura);
    y += RelatorioConformidade::kAlturaVeredito + RelatorioConformidade::kEspaco;
    pintor.setPen(Qt::black);
    y = desenhaLinhas(pintor, r.primeira.acima, y, escala, largura) + RelatorioConformidade::kEspaco;
    desenhaGrafico(
        pintor, escalado(0, y, largura, r.primeira.alturaGrafico, escala), escala, dados, ambiente);
    y += r.primeira.alturaGrafico + RelatorioConformidade::kEspaco;
    pintor.setPen(Qt::black);
    desenhaLinhas(pintor, r.primeira.abaixo, y, escala, largura);
    pintor.restore();

    for (qsizetype k = 0; k < r.seguintes.size(); ++k) {
        if (!impressora.newPage())
            return false;
        pintor.save();
        desenhaMoldura(pintor, int(k) + 2, escala, largura, altura, dataHora, cat);
        pintor.setPen(Qt::black);
        desenhaLinhas(pintor, r.seguintes[k], cabecalho, escala, largura);
        pintor.restore();
    }
    return true;
}

}  // namespace ImpressaoConformidade
