#include "TFormRegistros.h"

#include "Ambiente.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "CursorEspera.h"
#include "ExportacaoCsv.h"
#include "GravacaoAtomica.h"
#include "IDialogosArquivo.h"
#include "IMensagens.h"
#include "ImpressaoGrafico.h"
#include "ModeloGravacoes.h"
#include "ModeloTrilha.h"
#include "Registros.h"
#include "TextoInformacoes.h"
#include "TextoRegistros.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The first date of a period field: shown as "(todos)", no bound.
const QDate kSemData(1999, 12, 31);

const Catalogo &catalogoDe(const Ambiente &a)
{
    static const Catalogo padrao;
    return a.catalogo ? *a.catalogo : padrao;
}

const ConfigRegional &regionalDe(const Ambiente &a)
{
    static const ConfigRegional padrao = ConfigRegional::portuguesBrasil();
    return a.regional ? *a.regional : padrao;
}

QDate dataDe(const QDateEdit *campo)
{
    return campo->date() == kSemData ? QDate() : campo->date();
}

std::optional<qint64> serie(const QComboBox *campo)
{
    const QVariant v = campo->currentData();
    return v.isValid() ? std::optional<qint64>(v.toLongLong()) : std::nullopt;
}

}  // namespace

TFormRegistros::TFormRegistros(const Ambiente &ambiente, Ligacoes ligacoes, QWidget *parent)
    : QWidget(parent)
    , m_ambiente(ambiente)
    , m_ligacoes(std::move(ligacoes))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("FormRegistros"));
    const Catalogo &cat = catalogoDe(ambiente);
    setWindowTitle(cat.texto(414));
    auto *leiaute = new QVBoxLayout(this);
    Registros *registros = ambiente.registros;
    if (!registros || !registros->disponivel()) {
        Motivo = new QLabel(cat.texto(438).arg(registros ? registros->motivo() : QString()), this);
        Motivo->setWordWrap(true);
        Motivo->setAlignment(Qt::AlignCenter);
        leiaute->addWidget(Motivo);
        resize(520, 200);
        return;
    }
    m_gravacoes = new ModeloGravacoes(*registros->selos(), cat, regionalDe(ambiente), this);
    m_trilha = new ModeloTrilha(*registros->trilha(), cat, regionalDe(ambiente), this);
    Abas = new QTabWidget(this);
    Abas->addTab(criaGravacoes(), cat.texto(415));
    Abas->addTab(criaTrilha(), cat.texto(416));
    leiaute->addWidget(Abas);
    filtraGravacoes();
    filtraTrilha();
    resize(880, 500);
}

TFormRegistros::~TFormRegistros() = default;

QComboBox *TFormRegistros::criaLoggers(const QList<qint64> &series)
{
    auto *campo = new QComboBox(this);
    campo->addItem(catalogoDe(m_ambiente).texto(418));
    for (qint64 s : series)
        campo->addItem(TextoNumeroSerie(quint32(s)), s);
    return campo;
}

QDateEdit *TFormRegistros::criaData()
{
    auto *campo = new QDateEdit(this);
    campo->setCalendarPopup(true);
    campo->setMinimumDate(kSemData);
    campo->setSpecialValueText(catalogoDe(m_ambiente).texto(418));
    campo->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    campo->setDate(kSemData);
    return campo;
}

QTableView *TFormRegistros::criaTabela()
{
    auto *tabela = new QTableView(this);
    tabela->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabela->setSelectionMode(QAbstractItemView::SingleSelection);
    tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabela->setWordWrap(false);
    tabela->verticalHeader()->hide();
    // Every row as tall as the font: nothing measured per row.
    tabela->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabela->verticalHeader()->setDefaultSectionSize(tabela->fontMetrics().height() + 6);
    tabela->horizontalHeader()->setStretchLastSection(true);
    return tabela;
}

QWidget *TFormRegistros::criaGravacoes()
{
    const Catalogo &cat = catalogoDe(m_ambiente);
    auto *aba = new QWidget(this);
    auto *filtros = new QHBoxLayout;
    LoggerGravacoes = criaLoggers(m_ambiente.registros->selos()->series());
    DeGravacoes = criaData();
    AteGravacoes = criaData();
    filtros->addWidget(new QLabel(cat.texto(417) + u':', aba));
    filtros->addWidget(LoggerGravacoes);
    filtros->addWidget(new QLabel(cat.texto(419), aba));
    filtros->addWidget(DeGravacoes);
    filtros->addWidget(new QLabel(cat.texto(420), aba));
    filtros->addWidget(AteGravacoes);
    filtros->addStretch();
    TabelaGravacoes = criaTabela();
    TabelaGravacoes->setModel(m_gravacoes);
    for (auto [coluna, largura] :
        { std::pair { 0, 85 }, { 1, 130 }, { 2, 150 }, { 3, 150 }, { 4, 65 }, { 5, 100 }, { 6, 190 } })
        TabelaGravacoes->setColumnWidth(coluna, largura);
    auto *leiaute = new QVBoxLayout(aba);
    leiaute->addLayout(filtros);
    leiaute->addWidget(TabelaGravacoes);
    connect(LoggerGravacoes, &QComboBox::currentIndexChanged, this, &TFormRegistros::filtraGravacoes);
    connect(DeGravacoes, &QDateEdit::dateChanged, this, &TFormRegistros::filtraGravacoes);
    connect(AteGravacoes, &QDateEdit::dateChanged, this, &TFormRegistros::filtraGravacoes);
    connect(TabelaGravacoes, &QTableView::doubleClicked, this, &TFormRegistros::abreGravacao);
    return aba;
}

QWidget *TFormRegistros::criaTrilha()
{
    const Catalogo &cat = catalogoDe(m_ambiente);
    auto *aba = new QWidget(this);
    auto *filtros = new QHBoxLayout;
    LoggerTrilha = criaLoggers(m_ambiente.registros->trilha()->series());
    AcaoTrilha = new QComboBox(aba);
    AcaoTrilha->addItem(cat.texto(418));
    for (const QString &acao : TextoRegistros::acoes())
        AcaoTrilha->addItem(TextoRegistros::nomeAcao(acao, cat), acao);
    DeTrilha = criaData();
    AteTrilha = criaData();
    auto *exportar = new QPushButton(cat.texto(291), aba);
    exportar->setObjectName(QStringLiteral("BotaoExportarCsv"));
    auto *imprimir = new QPushButton(cat.texto(422), aba);
    imprimir->setObjectName(QStringLiteral("BotaoImprimir"));
    auto *verificar = new QPushButton(cat.texto(445), aba);
    verificar->setObjectName(QStringLiteral("BotaoVerificar"));
    filtros->addWidget(new QLabel(cat.texto(417) + u':', aba));
    filtros->addWidget(LoggerTrilha);
    filtros->addWidget(new QLabel(cat.texto(421) + u':', aba));
    filtros->addWidget(AcaoTrilha);
    filtros->addWidget(new QLabel(cat.texto(419), aba));
    filtros->addWidget(DeTrilha);
    filtros->addWidget(new QLabel(cat.texto(420), aba));
    filtros->addWidget(AteTrilha);
    filtros->addStretch();
    // The commands on a row of their own, under the filters and the table,
    // so that a narrow window (tiled, beside a graph) keeps every caption.
    auto *comandos = new QHBoxLayout;
    comandos->addStretch();
    comandos->addWidget(verificar);
    comandos->addWidget(exportar);
    comandos->addWidget(imprimir);
    TabelaTrilha = criaTabela();
    TabelaTrilha->setModel(m_trilha);
    for (auto [coluna, largura] :
        { std::pair { 0, 50 }, { 1, 230 }, { 2, 70 }, { 3, 70 }, { 4, 170 }, { 5, 85 } })
        TabelaTrilha->setColumnWidth(coluna, largura);
    auto *leiaute = new QVBoxLayout(aba);
    leiaute->addLayout(filtros);
    leiaute->addWidget(TabelaTrilha);
    leiaute->addLayout(comandos);
    connect(LoggerTrilha, &QComboBox::currentIndexChanged, this, &TFormRegistros::filtraTrilha);
    connect(AcaoTrilha, &QComboBox::currentIndexChanged, this, &TFormRegistros::filtraTrilha);
    connect(DeTrilha, &QDateEdit::dateChanged, this, &TFormRegistros::filtraTrilha);
    connect(AteTrilha, &QDateEdit::dateChanged, this, &TFormRegistros::filtraTrilha);
    connect(exportar, &QPushButton::clicked, this, &TFormRegistros::ExportarCsvClick);
    connect(imprimir, &QPushButton::clicked, this, &TFormRegistros::ImprimirClick);
    connect(verificar, &QPushButton::clicked, this, &TFormRegistros::VerificarClick);
    return aba;
}

void TFormRegistros::filtraGravacoes()
{
    m_gravacoes->defineFiltro(TextoRegistros::filtroGravacoes(
        { serie(LoggerGravacoes), dataDe(DeGravacoes), dataDe(AteGravacoes), QString() }));
}

void TFormRegistros::filtraTrilha()
{
    m_trilha->defineFiltro(TextoRegistros::filtroTrilha(
        { serie(LoggerTrilha), dataDe(DeTrilha), dataDe(AteTrilha), AcaoTrilha->currentData().toString() }));
}

void TFormRegistros::abreGravacao(const QModelIndex &indice)
{
    if (indice.isValid() && m_ligacoes.abre)
        m_ligacoes.abre(m_gravacoes->selo(indice.row()).caminho);
}

void TFormRegistros::ExportarCsvClick()
{
    if (!m_trilha || !m_ligacoes.dialogos)
        return;
    const Catalogo &cat = catalogoDe(m_ambiente);
    const QString caminho = m_ligacoes.dialogos->salvar(
        this, cat.texto(294), cat.texto(293), QStringLiteral("csv"), QStringLiteral("trilha.csv"));
    if (caminho.isEmpty())
        return;
    bool ok = false;
    {
        CursorEspera espera;
        const ExportacaoCsv::Opcoes opcoes = ExportacaoCsv::opcoesRegionais(regionalDe(m_ambiente));
        ok = GravacaoAtomica::grava(caminho, TextoRegistros::csvTrilha(m_trilha->todas(), cat, opcoes));
    }
    if (!ok) {
        if (m_ambiente.mensagens)
            m_ambiente.mensagens->aviso(cat.texto(439).arg(caminho));
        return;
    }
    m_ambiente.registros->registraArquivo(AcaoAuditoria::Exportacao, caminho, QStringLiteral("csv"));
}

void TFormRegistros::ImprimirClick()
{
    if (!m_trilha || !m_ligacoes.impressora)
        return;
    const Catalogo &cat = catalogoDe(m_ambiente);
    const ConfigRegional &regional = regionalDe(m_ambiente);
    const auto grava = [this, &cat, &regional](const QString &arquivo) {
        QStringList linhas;
        for (const LinhaTrilha &l : m_trilha->todas())
            linhas << TextoRegistros::linhasImpressas(l, cat, regional);
        return RelatorioTexto::gravaInformacoes(arquivo, linhas);
    };
    const TFrmImpressao::Falha falha = TFrmImpressao::imprimeVista(m_ambiente, RelatorioTexto::Modo::Trilha,
        cat.texto(416), grava, m_ligacoes.impressora(), this, m_ligacoes.mostraPrevia);
    if (!m_ambiente.mensagens || falha == TFrmImpressao::Falha::Nenhuma)
        return;
    // A file that was not written is named; a printer that refused is said
    // in printing words.
    m_ambiente.mensagens->aviso(falha == TFrmImpressao::Falha::Arquivo
            ? cat.texto(439).arg(RelatorioTexto::nomeTemporario(RelatorioTexto::Modo::Trilha))
            : cat.texto(ImpressaoGrafico::TextoFalha));
}

// Walks the whole chain and says whether it holds, naming the first row
// that does not.
void TFormRegistros::VerificarClick()
{
    Registros *registros = m_ambiente.registros;
    if (!registros || !registros->trilha() || !m_ambiente.mensagens)
        return;
    const Catalogo &cat = catalogoDe(m_ambiente);
    CursorEspera espera;
    const VerificacaoTrilha v = registros->trilha()->verifica();
    if (v.integra)
        m_ambiente.mensagens->informacao(cat.texto(446).arg(v.linhas));
    else
        m_ambiente.mensagens->aviso(cat.texto(447).arg(v.linha).arg(v.motivo));
}
