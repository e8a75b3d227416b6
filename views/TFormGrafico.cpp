// The graph window: creation, building the graph from a document, the
// value-axis limits and the boxes of the strip. Activation, closing, saving
// and zoom are in TFormGraficoJanela.cpp.
#include "TFormGrafico.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "CursorEspera.h"
#include "DocumentoGrafico.h"
#include "EscalaEixo.h"
#include "FormatoNumero.h"
#include "GraficoLinhas.h"
#include "Instantes.h"
#include "JanelaFilha.h"
#include "SerieLinhas.h"
#include "TabelaTempo.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <cmath>

namespace {
const QString kDataHora = QStringLiteral("dd/mm/yyyy hh:nn:ss");
constexpr double kPotencias[] = { 1.0, 0.1, 0.01, 0.001 };

// A count of the channel's last decimal place as an engineering value; odd
// decimals from an edited file are taken in floating point (and may give
// no finite value).
double escalado(int32_t contagem, int32_t decimais)
{
    if (decimais >= 0 && decimais <= 3)
        return contagem * kPotencias[decimais];
    return contagem * std::pow(10.0, -double(decimais));
}
}  // namespace

TFormGrafico::TFormGrafico(const Ambiente &ambiente, const Ligacoes &ligacoes, QWidget *parent)
    : QWidget(parent)
    , m_ambiente(ambiente)
    , m_ligacoes(ligacoes)
    , m_aquisicao(std::make_shared<TAquisicao>())
{
    marcaJanela(this, TipoJanela::Grafico);
    montaJanela();
    FormCreate();
    new ObservadorAtivacao(
        this, [this](bool ativa) { ativa ? FormActivate() : FormDeactivate(); },
        ObservadorAtivacao::QuadroFechando::Ignora);
}

TFormGrafico::~TFormGrafico() = default;

QString TFormGrafico::texto(int numero) const
{
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero, u"FormGrafico")
                               : Catalogo::padrao(numero);
}

void TFormGrafico::montaJanela()
{
    TheChart = new GraficoLinhas(this);
    TheChart->defineMargens(3, 1, 1, 1);
    TheChart->defineLegendaVisivel(true);
    TheChart->definePermiteRolagem(true);
    TheChart->definePassosAnimacao(3);
    TheChart->defineEspacoRotulos(EixoGrafico::Inferior, 15);
    TheChart->defineEspacoRotulos(EixoGrafico::Esquerdo, 20);
    TheChart->defineEspacoRotulos(EixoGrafico::Direito, 20);
    TheChart->defineEixoVisivel(EixoGrafico::Superior, false);
    if (m_ambiente.regional)
        TheChart->defineRegional(*m_ambiente.regional);
    Series1
        = TheChart->adicionaSerie(EixoGrafico::Esquerdo, Qt::white, QString(), EixoGrafico::Superior, false);
    Canal1 = TheChart->adicionaSerie(EixoGrafico::Esquerdo, Qt::red, texto(70));
    Canal2 = TheChart->adicionaSerie(EixoGrafico::Direito, Qt::blue, texto(71));

    CheckBoxGrid = new QCheckBox(TheChart);
    CheckBoxGrid->setChecked(true);
    CheckBoxGrid->move(4, 4);
    CheckBoxGrid->setAutoFillBackground(true);
    TheChart->defineGrade(EixoGrafico::Esquerdo, true);
    TheChart->defineGrade(EixoGrafico::Direito, true);

    Lbl_Aquisicao = new QLabel(this);
    Lbl_data = new QLabel(this);
    CheckBoxSerie1 = new QCheckBox(this);
    CheckBoxSerie2 = new QCheckBox(this);
    CheckBoxEscala = new QCheckBox(this);
    CheckBoxCross = new QCheckBox(this);
    CheckBoxCross->setChecked(true);

    auto *esquerda = new QGridLayout;
    esquerda->addWidget(Lbl_Aquisicao, 0, 0);
    esquerda->addWidget(Lbl_data, 1, 0);
    esquerda->addWidget(CheckBoxSerie1, 0, 1);
    esquerda->addWidget(CheckBoxSerie2, 1, 1);
    esquerda->setColumnMinimumWidth(0, 220);
    auto *direita = new QVBoxLayout;
    direita->addWidget(CheckBoxEscala);
    direita->addWidget(CheckBoxCross);
    auto *faixa = new QHBoxLayout;
    faixa->setContentsMargins(8, 2, 8, 0);
    faixa->addLayout(esquerda);
    faixa->addStretch(1);
    faixa->addLayout(direita);
    // Room for the time-axis title and the strip.
    setMinimumSize(560, 360);
    auto *principal = new QVBoxLayout(this);
    principal->setContentsMargins(0, 0, 0, 4);
    principal->addWidget(TheChart, 1);
    principal->addLayout(faixa);

    connect(CheckBoxSerie1, &QCheckBox::toggled, this, &TFormGrafico::CheckBoxSerie1Click);
    connect(CheckBoxSerie2, &QCheckBox::toggled, this, &TFormGrafico::CheckBoxSerie2Click);
    connect(CheckBoxEscala, &QCheckBox::toggled, this, &TFormGrafico::CheckBoxEscalaClick);
    connect(CheckBoxGrid, &QCheckBox::toggled, this, &TFormGrafico::CheckBoxGridClick);
    connect(CheckBoxCross, &QCheckBox::toggled, this, &TFormGrafico::CheckBoxCrossClick);
    connect(TheChart, &QCustomPlot::mouseMove, this, &TFormGrafico::TheChartMouseMove);
    connect(TheChart, &GraficoLinhas::zoomFeito, this, &TFormGrafico::TheChartZoom);
    connect(TheChart, &GraficoLinhas::zoomDesfeito, this, &TFormGrafico::TheChartUndoZoom);
    connect(TheChart, &GraficoLinhas::rolou, this, [this] { CruzX = -2; });
    connect(TheChart, &GraficoLinhas::clicado, this, [this] {
        TheChart->escondeCruz();
        CruzX = -1;
    });
    connect(TheChart, &GraficoLinhas::duploClique, this, [this] {
        TheChart->escondeCruz();
        CruzX = -1;
    });
}

void TFormGrafico::FormCreate()
{
    CheckBoxEscala->setText(texto(116));
    CheckBoxCross->setText(texto(117));
    CheckBoxGrid->setText(texto(118));
    CheckBoxGrid->adjustSize();
    Canal1->defineTitulo(texto(70));
    Canal2->defineTitulo(texto(71));
    TheChart->hide();
    Salvo = false;
    TheChart->defineTituloEixo(EixoGrafico::Superior, QString());
    Lbl_Aquisicao->setText(texto(183));
    Lbl_data->setText(texto(184));
    for (QCheckBox *c : { CheckBoxSerie1, CheckBoxSerie2 }) {
        const QSignalBlocker quieto(c);
        c->setChecked(false);
        c->setText(QString());
        c->hide();
    }
}

// ---- building the graph -------------------------------------------------

void TFormGrafico::Seta_Aquisicao(TAquisicao aquisicao)
{
    CursorEspera espera;
    m_aquisicao = std::make_shared<TAquisicao>(std::move(aquisicao));
    const TAquisicao &a = *m_aquisicao;
    TheChart->defineAutomatico(EixoGrafico::Esquerdo, true);
    TheChart->defineFormatoValor(EixoGrafico::Esquerdo,
        FormatoNumero::padraoDecimais(a.DecimaisCanal1, TheChart->formatoValor(EixoGrafico::Esquerdo)));
    TheChart->defineAutomatico(EixoGrafico::Direito, true);
    TheChart->defineFormatoValor(EixoGrafico::Direito,
        FormatoNumero::padraoDecimais(a.DecimaisCanal2, TheChart->formatoValor(EixoGrafico::Direito)));
    TheChart->defineFormatoDataHora(kDataHora);
    if (a.umCanal() && Canal2) {
        TheChart->removeSerie(Canal2);
        Canal2 = nullptr;
    }
    DocumentoGrafico::ajusta(*m_aquisicao);
    preencheSeries();
    const ConfigRegional regional
        = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    const Catalogo catalogo = m_ambiente.catalogo ? *m_ambiente.catalogo : Catalogo();
    TheChart->defineTituloEixo(EixoGrafico::Inferior, TabelaTempo::tituloEixo(a, catalogo, regional));

    CruzX = -1;
    CorCruz = QColor(255, 255, 0);
    TheChart->defineCorCruz(CorCruz);
    TheChart->escondeCruz();
    CruzAtiva = CheckBoxCross->isChecked();
    DefineLimitesEixos();
    TheChart->defineTitulo(a.Titulo);
    TempoMin = TheChart->minimo(EixoGrafico::Inferior);
    TempoMax = TheChart->maximo(EixoGrafico::Inferior);
    TheChart->show();
    TheChart->redesenha();
}

void TFormGrafico::preencheSeries()
{
    const TAquisicao &a = *m_aquisicao;
    if (a.umCanal()) {
        // One series on the left axis carries the recorded channel.
        int canal = 0;
        if (a.SensorCanal1 != -1) {
            canal = 1;
            if (!a.NomeCanal1.isEmpty())
                Canal1->defineTitulo(a.NomeCanal1);
            TheChart->defineTituloEixo(
                EixoGrafico::Esquerdo, TabelaTempo::tituloCanal(a.NomeCanal1, a.UnidadeCanal1));
            CheckBoxSerie1->setChecked(true);
            CheckBoxSerie1->show();
        }
        if (a.SensorCanal2 != -1) {
            canal = 2;
            Canal1->defineTitulo(a.NomeCanal2.isEmpty() ? texto(71) : a.NomeCanal2);
            TheChart->defineTituloEixo(
                EixoGrafico::Esquerdo, TabelaTempo::tituloCanal(a.NomeCanal2, a.UnidadeCanal2));
            CheckBoxSerie2->setChecked(true);
            CheckBoxSerie2->show();
        }
        preencheSerie(Canal1, canal, true);
        return;
    }
    CheckBoxSerie1->setChecked(true);
    CheckBoxSerie1->show();
    if (!a.NomeCanal1.isEmpty())
        Canal1->defineTitulo(a.NomeCanal1);
    TheChart->defineTituloEixo(
        EixoGrafico::Esquerdo, TabelaTempo::tituloCanal(a.NomeCanal1, a.UnidadeCanal1));
    preencheSerie(Canal1, 1, true);
    if (Canal2) {
        CheckBoxSerie2->setChecked(true);
        CheckBoxSerie2->show();
        if (!a.NomeCanal2.isEmpty())
            Canal2->defineTitulo(a.NomeCanal2);
        TheChart->defineTituloEixo(
            EixoGrafico::Direito, TabelaTempo::tituloCanal(a.NomeCanal2, a.UnidadeCanal2));
        preencheSerie(Canal2, 2, false);
    }
}

// One point per entry. The labels are made when the axis asks for them,
// from the document the window keeps.
void TFormGrafico::preencheSerie(SerieLinhas *serie, int canal, bool primeira)
{
    const TAquisicao &a = *m_aquisicao;
    if (canal == 0) {
        serie->limpa();
        return;
    }
    const int n = a.NumLeituras();
    QVector<double> xs(n);
    QVector<double> ys(n);
    for (int i = 0; i < n; ++i) {
        xs[i] = TabelaTempo::x(a, i);
        ys[i] = a.leitura(i).canal(canal);
    }
    serie->defineDados(xs, ys);
    const int largura = LarguraRotulo(a.Inicio, a.Fim);
    const auto qual = primeira ? TabelaTempo::Serie::Primeira : TabelaTempo::Serie::Segunda;
    const ConfigRegional regional
        = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    std::shared_ptr<const TAquisicao> doc = m_aquisicao;
    serie->defineFonteRotulos([doc, qual, largura, regional](
                                  int i) { return TabelaTempo::rotulo(*doc, qual, i, largura, regional); });
}

// ---- value-axis limits ----------------------------------------------------

// The axis (0 left, 1 right) to a channel's range, manual: minimum, then
// maximum. False when the chart refused one of them.
bool TFormGrafico::defineEscalaCanal(int eixo, int canal)
{
    const TAquisicao &a = *m_aquisicao;
    const EixoGrafico e = eixo == 0 ? EixoGrafico::Esquerdo : EixoGrafico::Direito;
    const double minimo = canal == 1 ? escalado(a.LimInfCanal1, a.DecimaisCanal1)
                                     : escalado(a.LimInfCanal2, a.DecimaisCanal2);
    const double maximo = canal == 1 ? escalado(a.LimSupCanal1, a.DecimaisCanal1)
                                     : escalado(a.LimSupCanal2, a.DecimaisCanal2);
    TheChart->defineAutomatico(e, false);
    return TheChart->defineMinimo(e, minimo) && TheChart->defineMaximo(e, maximo);
}

void TFormGrafico::DefineLimitesEixos()
{
    m_aquisicao->NormalizaLimites();
    const TAquisicao &a = *m_aquisicao;
    bool aceito = true;
    if (a.umCanal()) {
        if (a.SensorCanal1 != -1)
            aceito = defineEscalaCanal(0, 1) && aceito;
        if (a.SensorCanal2 != -1)
            aceito = defineEscalaCanal(0, 2) && aceito;
    } else {
        aceito = defineEscalaCanal(0, 1);
        aceito = defineEscalaCanal(1, 2) && aceito;
    }
    if (!aceito) {
        TheChart->defineAutomatico(EixoGrafico::Esquerdo, true);
        TheChart->defineAutomatico(EixoGrafico::Direito, true);
    }
}

void TFormGrafico::VerificaEscala()
{
    if (m_aquisicao->umCanal())
        return;
    const EscalaComum comum = DefineMaxMin(*m_aquisicao);
    EscalaMin = comum.EscalaMin;
    EscalaMax = comum.EscalaMax;
    if (CheckBoxEscala->isChecked()) {
        // Set in the order that the chart does not refuse.
        TheChart->defineFaixa(EixoGrafico::Esquerdo, EscalaMin, EscalaMax);
        TheChart->defineFaixa(EixoGrafico::Direito, EscalaMin, EscalaMax);
    } else {
        const TAquisicao &a = *m_aquisicao;
        TheChart->defineFaixa(EixoGrafico::Esquerdo, escalado(a.LimInfCanal1, a.DecimaisCanal1),
            escalado(a.LimSupCanal1, a.DecimaisCanal1));
        TheChart->defineFaixa(EixoGrafico::Direito, escalado(a.LimInfCanal2, a.DecimaisCanal2),
            escalado(a.LimSupCanal2, a.DecimaisCanal2));
    }
}

// ---- the boxes of the strip -------------------------------------------------

void TFormGrafico::CheckBoxSerie1Click()
{
    CursorEspera espera;
    Canal1->defineVisivel(CheckBoxSerie1->isChecked());
    CheckBoxSerie1->setText(m_aquisicao->NomeCanal1 + QStringLiteral(": "));
    const QMargins m = TheChart->margens();
    TheChart->defineMargens(CheckBoxSerie1->isChecked() ? 4 : 8, m.top(), m.right(), m.bottom());
}

void TFormGrafico::CheckBoxSerie2Click()
{
    CursorEspera espera;
    SerieLinhas *serie = m_aquisicao->umCanal() ? Canal1 : Canal2;
    if (serie)
        serie->defineVisivel(CheckBoxSerie2->isChecked());
    CheckBoxSerie2->setText(m_aquisicao->NomeCanal2 + QStringLiteral(": "));
    const QMargins m = TheChart->margens();
    TheChart->defineMargens(m.left(), m.top(), CheckBoxSerie2->isChecked() ? 3 : 5, m.bottom());
}

void TFormGrafico::CheckBoxEscalaClick()
{
    CursorEspera espera;
    VerificaEscala();
}

void TFormGrafico::CheckBoxGridClick()
{
    CursorEspera espera;
    TheChart->defineGrade(EixoGrafico::Esquerdo, CheckBoxGrid->isChecked());
    TheChart->defineGrade(EixoGrafico::Direito, CheckBoxGrid->isChecked());
}

void TFormGrafico::CheckBoxCrossClick()
{
    CruzAtiva = CheckBoxCross->isChecked();
    if (!CruzAtiva) {
        TheChart->escondeCruz();
        CruzX = -1;
    }
}
