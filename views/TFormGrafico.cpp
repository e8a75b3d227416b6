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
#include <QToolButton>
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
                               : Catalogo::padrao(numero, u"FormGrafico");
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

    montaFaixa();
    montaMedicao();
    // Small enough for tiled windows: the chart shrinks its fonts instead.
    setMinimumSize(200, 130);
    auto *principal = new QVBoxLayout(this);
    principal->setContentsMargins(0, 0, 0, 4);
    principal->setSpacing(0);
    principal->addWidget(TheChart, 1);
    principal->addWidget(PainelMedicao);
    principal->addWidget(m_faixa);
    LabelIntegridade = new QLabel(this);
    LabelIntegridade->setObjectName(QStringLiteral("LabelIntegridade"));
    LabelIntegridade->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    LabelIntegridade->setContentsMargins(8, 2, 8, 0);
    LabelIntegridade->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long state (who saved it, when, from which logger) takes a second
    // line instead of being cut.
    LabelIntegridade->setWordWrap(true);
    LabelIntegridade->hide();
    principal->addWidget(LabelIntegridade);

    connect(CheckBoxSerie1, &QCheckBox::toggled, this, &TFormGrafico::CheckBoxSerie1Click);
    connect(CheckBoxSerie2, &QCheckBox::toggled, this, &TFormGrafico::CheckBoxSerie2Click);
    connect(CheckBoxEscala, &QCheckBox::toggled, this, &TFormGrafico::CheckBoxEscalaClick);
    connect(CheckBoxGrid, &QCheckBox::toggled, this, &TFormGrafico::CheckBoxGridClick);
    connect(CheckBoxCross, &QCheckBox::toggled, this, &TFormGrafico::CheckBoxCrossClick);
    ligaGrafico();
}

// The strip under the chart: the readouts and channel boxes on the left,
// "Escala única" and "Cruz" on the right. The readouts share the room they
// have whatever their texts, so the strip neither jumps as the mouse moves
// nor holds the window wide.
void TFormGrafico::montaFaixa()
{
    m_faixa = new QWidget(this);
    Lbl_Aquisicao = new QLabel(m_faixa);
    Lbl_data = new QLabel(m_faixa);
    CheckBoxSerie1 = new QCheckBox(m_faixa);
    CheckBoxSerie2 = new QCheckBox(m_faixa);
    CheckBoxEscala = new QCheckBox(m_faixa);
    CheckBoxCross = new QCheckBox(m_faixa);
    CheckBoxCross->setChecked(true);
    for (QWidget *w :
        std::initializer_list<QWidget *> { Lbl_Aquisicao, Lbl_data, CheckBoxSerie1, CheckBoxSerie2 })
        w->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto *esquerda = new QGridLayout;
    esquerda->setVerticalSpacing(0);
    esquerda->addWidget(Lbl_Aquisicao, 0, 0);
    esquerda->addWidget(Lbl_data, 1, 0);
    esquerda->addWidget(CheckBoxSerie1, 0, 1);
    esquerda->addWidget(CheckBoxSerie2, 1, 1);
    esquerda->setColumnStretch(0, 5);
    esquerda->setColumnStretch(1, 4);
    auto *direita = new QVBoxLayout;
    direita->setSpacing(0);
    direita->addWidget(CheckBoxEscala);
    direita->addWidget(CheckBoxCross);
    auto *faixa = new QHBoxLayout(m_faixa);
    faixa->setContentsMargins(8, 2, 8, 0);
    faixa->addLayout(esquerda, 1);
    faixa->addLayout(direita);
}

// The measurement strip, hidden until a marker is placed.
void TFormGrafico::montaMedicao()
{
    PainelMedicao = new QWidget(this);
    PainelMedicao->setObjectName(QStringLiteral("PainelMedicao"));
    PainelMedicao->setAutoFillBackground(true);
    QPalette p = PainelMedicao->palette();
    p.setColor(QPalette::Window, QColor(232, 244, 232));
    PainelMedicao->setPalette(p);
    LabelMedicao = new QLabel(PainelMedicao);
    LabelMedicao->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelMedicao->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(11);
    LabelMedicao->setFont(f);
    // Room for the three lines from the first marker on: placing the second
    // changes the text only, not the chart's size.
    LabelMedicao->setFixedHeight(QFontMetrics(f).lineSpacing() * 3 + 2);
    BotaoFechaMedicao = new QToolButton(PainelMedicao);
    BotaoFechaMedicao->setText(QStringLiteral("×"));
    BotaoFechaMedicao->setAutoRaise(true);
    auto *l = new QHBoxLayout(PainelMedicao);
    l->setContentsMargins(8, 2, 2, 2);
    l->addWidget(LabelMedicao, 1);
    l->addWidget(BotaoFechaMedicao, 0, Qt::AlignTop);
    PainelMedicao->hide();
    connect(BotaoFechaMedicao, &QToolButton::clicked, this, &TFormGrafico::limpaMarcadores);
}

void TFormGrafico::FormCreate()
{
    CheckBoxEscala->setText(texto(116));
    CheckBoxCross->setText(texto(117));
    CheckBoxGrid->setText(texto(118));
    CheckBoxGrid->adjustSize();
    TheChart->defineFolgaTitulo(QSize(CheckBoxGrid->width() + 4, CheckBoxGrid->height()));
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
    // With every channel hidden, or no entries, the time axis keeps the
    // document's range (and the export follows it).
    const int n = a.NumLeituras();
    TheChart->defineFaixaSemDados(
        EixoGrafico::Inferior, TabelaTempo::x(a, 0), TabelaTempo::x(a, qMax(0, n - 1)));
    const ConfigRegional regional
        = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    const Catalogo catalogo = m_ambiente.catalogo ? *m_ambiente.catalogo : Catalogo();
    TheChart->defineTituloEixo(EixoGrafico::Inferior, TabelaTempo::tituloEixo(a, catalogo, regional));

    CruzX = -1;
    CorCruz = QColor(255, 255, 255);
    TheChart->defineCorCruz(CorCruz);
    TheChart->escondeCruz();
    CruzAtiva = CheckBoxCross->isChecked();
    DefineLimitesEixos();
    TheChart->defineTitulo(a.Titulo);
    AtualizaLimites();
    TempoMin = TheChart->minimo(EixoGrafico::Inferior);
    TempoMax = TheChart->maximo(EixoGrafico::Inferior);
    TheChart->show();
    TheChart->pedeRedesenho();
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
    // The points are read from the document the window keeps.
    std::shared_ptr<const TAquisicao> doc = m_aquisicao;
    SerieLinhas::Coluna valores;
    valores.base = reinterpret_cast<const char *>(a.Leituras().data()) + TLeitura::deslocamentoCanal(canal);
    valores.passo = sizeof(TLeitura);
    valores.dono = doc;
    serie->defineFonte(
        a.NumLeituras(), [doc](int i) { return TabelaTempo::x(*doc, i); }, std::move(valores));
    const int largura = LarguraRotulo(a.Inicio, a.Fim);
    const auto qual = primeira ? TabelaTempo::Serie::Primeira : TabelaTempo::Serie::Segunda;
    const ConfigRegional regional
        = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
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
    desenhaLimites();
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
    desenhaLimites();
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
