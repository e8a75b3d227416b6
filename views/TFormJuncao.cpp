// The merged-graph window: creation and building the chart from the
// entries. The mouse, zoom, files and closing are in TFormJuncaoJanela.cpp.
#include "TFormJuncao.h"

#include "Catalogo.h"
#include "CursorEspera.h"
#include "FormataDataHora.h"
#include "GraficoLinhas.h"
#include "JanelaFilha.h"
#include "SerieLinhas.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kDataHora = QStringLiteral("dd/mm/yyyy hh:nn:ss");

// The nine series of the layout: the time line, then the channels.
struct SerieLayout
{
    QColor cor;
    EixoGrafico eixo;
    int texto;  // catalogue number of its default title (0: "Linha")
};
const std::array<SerieLayout, 9> kSeries { {
    { Qt::white, EixoGrafico::Esquerdo, 0 },
    { Qt::blue, EixoGrafico::Esquerdo, 70 },
    { Qt::red, EixoGrafico::Esquerdo, 71 },
    { QColor(0, 0x80, 0), EixoGrafico::Esquerdo, 121 },
    { Qt::magenta, EixoGrafico::Direito, 122 },
    { Qt::gray, EixoGrafico::Esquerdo, 123 },
    { QColor(0x80, 0, 0x40), EixoGrafico::Direito, 124 },
    { Qt::black, EixoGrafico::Direito, 125 },
    { QColor(0, 0xff, 0), EixoGrafico::Esquerdo, 126 },
} };

// The cross-hair is drawn by exclusive-or: over the white background it
// shows the inverse of its pen. Yellow would show blue, the colour of
// series 1; this pen shows orange, the colour of no series.
const QColor kCorCruz(0, 90, 255);

}  // namespace

TFormJuncao::TFormJuncao(const Ambiente &ambiente, const Ligacoes &ligacoes, QWidget *parent)
    : QWidget(parent)
    , m_ambiente(ambiente)
    , m_ligacoes(ligacoes)
{
    marcaJanela(this, TipoJanela::Juncao);
    montaJanela();
    FormCreate();
    new ObservadorAtivacao(
        this,
        [this](bool ativa) {
            emit tornouAtual(this);
            if (ativa)
                FormAtivado();
        },
        ObservadorAtivacao::QuadroFechando::Ignora);
}

TFormJuncao::~TFormJuncao() = default;

QString TFormJuncao::texto(int numero) const
{
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero, u"FormJuncao")
                               : Catalogo::padrao(numero, u"FormJuncao");
}

ConfigRegional TFormJuncao::regional() const
{
    return m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
}

void TFormJuncao::montaJanela()
{
    ChartJuncao = new GraficoLinhas(this);
    ChartJuncao->defineMargens(3, 1, 3, 1);
    ChartJuncao->defineLegendaVisivel(true);
    ChartJuncao->definePermiteRolagem(true);
    ChartJuncao->definePassosAnimacao(2);
    ChartJuncao->defineEixoVisivel(EixoGrafico::Superior, false);
    ChartJuncao->defineFormatoValor(EixoGrafico::Esquerdo, QStringLiteral("####0"));
    ChartJuncao->defineFormatoValor(EixoGrafico::Direito, QStringLiteral("####0"));
    ChartJuncao->defineFormatoDataHora(kDataHora);
    ChartJuncao->defineRegional(regional());
    criaSeries({ kSeries[0].eixo, kSeries[1].eixo, kSeries[2].eixo, kSeries[3].eixo, kSeries[4].eixo,
        kSeries[5].eixo, kSeries[6].eixo, kSeries[7].eixo, kSeries[8].eixo });

    Panel1 = new QWidget(this);
    Label1 = new QLabel(Panel1);
    Label1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    CheckBoxGrid = new QCheckBox(Panel1);
    CheckBoxGrid->setChecked(true);
    CheckBoxCross = new QCheckBox(Panel1);
    CheckBoxCross->setChecked(true);
    ChartJuncao->defineGrade(EixoGrafico::Esquerdo, true);
    ChartJuncao->defineGrade(EixoGrafico::Direito, true);
    auto *faixa = new QHBoxLayout(Panel1);
    faixa->setContentsMargins(8, 2, 8, 2);
    faixa->addWidget(Label1, 1);
    faixa->addWidget(CheckBoxGrid);
    faixa->addWidget(CheckBoxCross);

    setMinimumSize(220, 170);
    auto *principal = new QVBoxLayout(this);
    principal->setContentsMargins(0, 0, 0, 0);
    principal->setSpacing(0);
    principal->addWidget(ChartJuncao, 1);
    principal->addWidget(Panel1);

    connect(CheckBoxGrid, &QCheckBox::toggled, this, [this](bool marcado) {
        ChartJuncao->defineGrade(EixoGrafico::Esquerdo, marcado);
        ChartJuncao->defineGrade(EixoGrafico::Direito, marcado);
    });
    connect(CheckBoxCross, &QCheckBox::toggled, this, [this](bool marcado) {
        if (!marcado)
            esqueceCruz(-1);
    });
    ligaGrafico();
}

void TFormJuncao::FormCreate()
{
    setWindowTitle(texto(127));
    CheckBoxGrid->setText(texto(118));
    CheckBoxCross->setText(texto(117));
    Label1->setText(texto(184));
    Salvo = false;
}

// The nine series, each on the axis given (the chart's series keep the
// axis they were made on).
void TFormJuncao::criaSeries(const std::array<EixoGrafico, 9> &eixos)
{
    while (ChartJuncao->quantasSeries() > 0)
        ChartJuncao->removeSerie(ChartJuncao->serie(0));
    for (size_t i = 0; i < kSeries.size(); ++i) {
        const SerieLayout &s = kSeries[i];
        const QString titulo = s.texto ? texto(s.texto) : QStringLiteral("Linha");
        Series[i] = ChartJuncao->adicionaSerie(eixos[i], s.cor, titulo, EixoGrafico::Inferior, i > 0);
    }
}

// ---- building the chart ---------------------------------------------------

void TFormJuncao::MontaGrafico(const std::vector<TNodoJuncao> &entradas, bool doArquivo,
    const QString &unidadeEsquerda, const QString &unidadeDireita)
{
    CursorEspera espera;
    UnidadeEixoEsquerdo = unidadeEsquerda;
    UnidadeEixoDireito = unidadeDireita;
    m_entradas = entradas;
    if (!m_entradas.empty()) {
        InicioFaixa
            = std::min_element(m_entradas.begin(), m_entradas.end(), [](const auto &a, const auto &b) {
                  return a.Inicio < b.Inicio;
              })->Inicio;
        FimFaixa = std::max_element(m_entradas.begin(), m_entradas.end(), [](const auto &a, const auto &b) {
            return a.Fim < b.Fim;
        })->Fim;
    }
    MontagemJuncao::Unidades unidades;
    unidades.esquerda = unidadeEsquerda;
    unidades.direita = unidadeDireita;
    const auto plano = MontagemJuncao::series(m_entradas, unidades);
    const MontagemJuncao::ValorLinha linha = MontagemJuncao::valorLinhaDoTempo(m_entradas, unidades);
    std::array<EixoGrafico, 9> eixos {};
    for (size_t i = 0; i < kSeries.size(); ++i)
        eixos[i] = kSeries[i].eixo;
    eixos[0] = linha.eixo.value_or(eixos[0]);
    for (const auto &s : plano)
        eixos[size_t(s.indice)] = s.eixo.value_or(eixos[size_t(s.indice)]);
    criaSeries(eixos);
    LinhaDoTempo(linha.valor);

    ChartJuncao->defineFormatoDataHora(kDataHora);
    ChartJuncao->defineTituloEixo(
        EixoGrafico::Esquerdo, QStringLiteral(" (") + unidadeEsquerda + QStringLiteral(" )"));
    ChartJuncao->defineTituloEixo(
        EixoGrafico::Direito, QStringLiteral(" (") + unidadeDireita + QStringLiteral(" )"));
    ChartJuncao->defineAutomatico(EixoGrafico::Esquerdo, true);
    ChartJuncao->defineAutomatico(EixoGrafico::Direito, true);

    const ConfigRegional r = regional();
    int proxima = 1;
    for (const auto &s : plano) {
        TNodoJuncao &e = m_entradas[size_t(s.entrada)];
        const MontagemJuncao::PontosEntrada p = MontagemJuncao::pontos(e, r);
        e.Fim = p.fim;
        QVector<double> ys(p.x.size());
        for (qsizetype j = 0; j < ys.size(); ++j)
            ys[j] = e.Leituras[size_t(j)].canal(s.canal);
        SerieLinhas *serie = Series[size_t(s.indice)];
        serie->defineTitulo(s.titulo);
        serie->defineDados(p.x, ys);
        serie->defineFonteRotulos([p, r](int i) { return p.rotulo(i, r); });
        proxima = s.indice + 1;
    }
    for (size_t i = size_t(proxima); i < Series.size(); ++i) {
        Series[i]->defineVisivel(false);
        Series[i]->grafico()->removeFromLegend();
    }

    CruzX = -1;
    ChartJuncao->defineCorCruz(kCorCruz);
    ChartJuncao->escondeCruz();
    Salvo = doArquivo;
    ChartJuncao->show();
    ChartJuncao->redesenha();
    InicioFaixa = ChartJuncao->minimo(EixoGrafico::Inferior);
    FimFaixa = ChartJuncao->maximo(EixoGrafico::Inferior);
}

void TFormJuncao::LinhaDoTempo(double valor)
{
    const QVector<double> t = MontagemJuncao::instantesLinhaDoTempo(InicioFaixa, FimFaixa);
    const ConfigRegional r = regional();
    SerieLinhas *linha = Series[0];
    linha->defineDados(t, QVector<double>(t.size(), valor));
    const qint64 passo = MontagemJuncao::passoLinhaDoTempo(InicioFaixa, FimFaixa);
    linha->defineFonteRotulos(
        [t, r, passo](int i) { return MontagemJuncao::rotuloLinhaDoTempo(t.value(i), passo, r); });
}
