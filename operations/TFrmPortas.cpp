#include "TFrmPortas.h"

#include "Catalogo.h"
#include "CursorEspera.h"
#include "IMensagens.h"
#include "Registros.h"
#include "TMSComm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Texto {
    Cancela = 62,
    NaoAbriu = 254,
    Caption = 327,
    Presentes = 328,
    ColunaDispositivo = 329,  // to 334, one per column
    Simulado = 335,
    DispositivoDasPortas = 336,
    Testar = 337,
    Gravar = 338,
    Encontrado = 339,
    Testando = 340,
};

constexpr int Colunas = 6;
constexpr int LarguraMaximaColuna = 200;  // pixels
constexpr int IntervaloLista = 1000;  // ms between two looks at the devices present

}  // namespace

TFrmPortas::TFrmPortas(
    const Ambiente &ambiente, AtribuicaoPortas::LeDestino destino, CriaPorta criaPorta, QWidget *parent)
    : QDialog(parent)
    , m_ambiente(ambiente)
    , m_regras(ambiente.portas, ambiente.configuracoes, std::move(destino))
    , m_criaPorta(std::move(criaPorta))
{
    setObjectName(QStringLiteral("FrmPortas"));
    setModal(true);
    criaControles();
    Language();
    preencheTabela();
    preencheEscolhas();
    for (int n = TMSComm::PrimeiraPorta; n <= TMSComm::UltimaPorta; ++n)
        ComboPorta[n - 1]->setEditText(m_regras.destino(n));
    TimerLista->start();
}

QString TFrmPortas::texto(int numero) const
{
    const QStringView janela = u"FrmPortas";
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero, janela)
                               : Catalogo::padrao(numero, janela);
}

void TFrmPortas::criaControles()
{
    LabelDispositivos = new QLabel(this);
    TabelaDispositivos = new QTableWidget(0, Colunas, this);
    TabelaDispositivos->setObjectName(QStringLiteral("TabelaDispositivos"));
    TabelaDispositivos->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TabelaDispositivos->setSelectionBehavior(QAbstractItemView::SelectRows);
    TabelaDispositivos->setSelectionMode(QAbstractItemView::SingleSelection);
    TabelaDispositivos->verticalHeader()->hide();
    TabelaDispositivos->horizontalHeader()->setStretchLastSection(true);
    TabelaDispositivos->setWordWrap(false);
    // Tab leaves the list for the ports, as it leaves any other control.
    TabelaDispositivos->setTabKeyNavigation(false);
    TabelaDispositivos->setTextElideMode(Qt::ElideMiddle);
    LabelDispositivos->setBuddy(TabelaDispositivos);

    LabelPortas = new QLabel(this);
    auto *portas = new QGridLayout;
    for (int i = 0; i < TMSComm::UltimaPorta; ++i) {
        const int n = i + 1;
        auto *rotulo = new QLabel(QStringLiteral("COM%1").arg(n), this);
        ComboPorta[i] = new QComboBox(this);
        ComboPorta[i]->setObjectName(QStringLiteral("ComboPorta%1").arg(n));
        ComboPorta[i]->setEditable(true);
        ComboPorta[i]->setInsertPolicy(QComboBox::NoInsert);
        ComboPorta[i]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        ComboPorta[i]->setMinimumContentsLength(24);
        rotulo->setBuddy(ComboPorta[i]);
        BtnTestar[i] = new QPushButton(this);
        BtnTestar[i]->setObjectName(QStringLiteral("BtnTestar%1").arg(n));
        BtnTestar[i]->setAutoDefault(false);
        portas->addWidget(rotulo, i, 0);
        portas->addWidget(ComboPorta[i], i, 1);
        portas->addWidget(BtnTestar[i], i, 2);
        connect(BtnTestar[i], &QPushButton::clicked, this, [this, n] { BtnTestarClick(n); });
    }
    portas->setColumnStretch(1, 1);

    LblResultado = new QLabel(this);
    LblResultado->setObjectName(QStringLiteral("LblResultado"));
    LblResultado->setWordWrap(true);
    LblResultado->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LblResultado->setMinimumHeight(2 * fontMetrics().lineSpacing());
    BtnGravar = new QPushButton(this);
    BtnGravar->setObjectName(QStringLiteral("BtnGravar"));
    BtnGravar->setDefault(true);
    CancelBtn = new QPushButton(this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);

    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(BtnGravar);
    botoes->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LabelDispositivos);
    layout->addWidget(TabelaDispositivos, 1);
    layout->addSpacing(6);
    layout->addWidget(LabelPortas);
    layout->addLayout(portas);
    layout->addWidget(LblResultado);
    layout->addLayout(botoes);
    resize(900, 480);

    connect(BtnGravar, &QPushButton::clicked, this, &TFrmPortas::BtnGravarClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TFrmPortas::reject);
    TimerLista = new QTimer(this);
    TimerLista->setObjectName(QStringLiteral("TimerLista"));
    TimerLista->setInterval(IntervaloLista);
    connect(TimerLista, &QTimer::timeout, this, &TFrmPortas::TimerListaTimer);
}

void TFrmPortas::Language()
{
    setWindowTitle(texto(Caption));
    LabelDispositivos->setText(texto(Presentes));
    QStringList cabecalhos;
    for (int c = 0; c < Colunas; ++c)
        cabecalhos.append(texto(ColunaDispositivo + c));
    TabelaDispositivos->setHorizontalHeaderLabels(cabecalhos);
    LabelPortas->setText(texto(DispositivoDasPortas));
    for (QPushButton *b : BtnTestar)
        b->setText(texto(Testar));
    BtnGravar->setText(texto(Gravar));
    CancelBtn->setText(texto(Cancela));
}

void TFrmPortas::preencheTabela()
{
    // The selection follows its device through a new list.
    const int atual = TabelaDispositivos->currentRow();
    const QString selecionado = atual >= 0 && TabelaDispositivos->item(atual, 0)
        ? TabelaDispositivos->item(atual, 0)->text()
        : QString();
    const QList<AtribuicaoPortas::Linha> &linhas = m_regras.linhas();
    TabelaDispositivos->setRowCount(int(linhas.size()));
    int novaLinha = -1;
    for (int i = 0; i < linhas.size(); ++i) {
        const DispositivoSerial &d = linhas[i].dispositivo;
        // The by-id column names its folder: its cells hold the names in it.
        const QString celulas[Colunas] = { d.dispositivo, linhas[i].simulador ? texto(Simulado) : d.descricao,
            d.fabricante, d.numeroSerie, linhas[i].usb(), d.porId.section(u'/', -1) };
        for (int c = 0; c < Colunas; ++c) {
            auto *item = new QTableWidgetItem(celulas[c]);
            item->setToolTip(c == Colunas - 1 ? d.porId : celulas[c]);
            TabelaDispositivos->setItem(i, c, item);
        }
        if (!selecionado.isEmpty() && d.dispositivo == selecionado)
            novaLinha = i;
    }
    if (novaLinha >= 0)
        TabelaDispositivos->selectRow(novaLinha);
    else
        TabelaDispositivos->clearSelection();
    // A long description gives up its middle rather than push the by-id
    // names out of sight; the whole text is in the cell's tip.
    TabelaDispositivos->resizeColumnsToContents();
    for (int c = 0; c < Colunas - 1; ++c)
        TabelaDispositivos->setColumnWidth(
            c, std::min(TabelaDispositivos->columnWidth(c), LarguraMaximaColuna));
}

void TFrmPortas::preencheEscolhas()
{
    QStringList opcoes;
    for (const AtribuicaoPortas::Linha &l : m_regras.linhas())
        opcoes.append(l.dispositivo.dispositivo);
    for (QComboBox *combo : ComboPorta) {
        // What the user typed or picked stays.
        const QString texto = combo->currentText();
        combo->clear();
        combo->addItems(opcoes);
        combo->setEditText(texto);
    }
}

void TFrmPortas::TimerListaTimer()
{
    if (!m_regras.atualizaLista())
        return;
    preencheTabela();
    preencheEscolhas();
}

void TFrmPortas::habilitaControles(bool ativos)
{
    for (QComboBox *c : ComboPorta)
        c->setEnabled(ativos);
    for (QPushButton *b : BtnTestar)
        b->setEnabled(ativos);
    BtnGravar->setEnabled(ativos);
    // "Cancela" stays on: during a test it stops the test.
}

void TFrmPortas::BtnTestarClick(int porta)
{
    if (m_testando || !TMSComm::PortaValida(porta))
        return;
    QString destino = ComboPorta[porta - 1]->currentText().trimmed();
    if (destino.isEmpty())
        destino = m_regras.destino(porta);
    m_testando = true;
    habilitaControles(false);
    LblResultado->setText(texto(Testando).arg(destino));
    const QString aberto = dispositivoAberto ? dispositivoAberto() : QString();
    const bool liberou = !aberto.isEmpty() && m_regras.mesmoDispositivo(aberto, destino) && fechaAberto;
    if (liberou)
        fechaAberto();
    {
        CursorEspera espera;
        std::unique_ptr<TMSComm> comm = m_criaPorta ? m_criaPorta(destino) : nullptr;
        m_resultado = {};
        if (comm) {
            TestePorta teste(m_ambiente);
            m_teste = &teste;
            m_resultado = teste.testa(*comm, porta, destino);
            m_teste = nullptr;
        } else {
            m_resultado.motivo = texto(NaoAbriu);
        }
    }
    if (liberou && reabreAberto)
        reabreAberto();
    m_testando = false;
    habilitaControles(true);
    // The reasons of a silent device and of a cancel name it already.
    const bool nomeia = m_resultado.semResposta || m_resultado.cancelado;
    LblResultado->setText(m_resultado.sucesso
            ? texto(Encontrado).arg(destino, m_resultado.numeroSerie, m_resultado.titulo)
            : (nomeia ? QString() : destino + QStringLiteral(": ")) + m_resultado.motivo);
}

// The ports given another device go to the trail; a trail that cannot be
// written leaves them kept and says so.
void TFrmPortas::registraPortas(
    const QList<int> &gravadas, const QStringList &antes, const QStringList &depois)
{
    if (gravadas.isEmpty() || !m_ambiente.registros)
        return;
    EventoAuditoria e { AcaoAuditoria::Portas, std::nullopt, {} };
    for (const int n : gravadas)
        e.detalhes.insert(QStringLiteral("COM%1").arg(n), antesDepois(antes[n - 1], depois[n - 1]));
    if (!m_ambiente.registros->registra(e) && m_ambiente.mensagens)
        m_ambiente.mensagens->aviso(m_ambiente.catalogo->texto(444).arg(m_ambiente.registros->erro()));
}

void TFrmPortas::BtnGravarClick()
{
    if (m_testando)
        return;
    // Each port's device before, and as it is written.
    QStringList antes;
    QStringList depois;
    for (int n = TMSComm::PrimeiraPorta; n <= TMSComm::UltimaPorta; ++n) {
        const QString escolha = ComboPorta[n - 1]->currentText().trimmed();
        if (!escolha.isEmpty())
            m_regras.escolhe(n, escolha);
        antes << m_regras.gravado(n);
        depois << m_regras.valorGravado(escolha);
    }
    GravacaoConfiguracao falha;
    const QList<int> gravadas = m_regras.grava(&falha);
    m_gravadas += gravadas;
    registraPortas(gravadas, antes, depois);
    if (!falha.ok()) {
        // The window stays open with the choices, to try again or cancel.
        if (m_ambiente.mensagens)
            m_ambiente.mensagens->aviso(falha.mensagem(m_ambiente.catalogo));
        return;
    }
    accept();
}

void TFrmPortas::reject()
{
    if (!m_testando)
        QDialog::reject();
    else if (m_teste)
        m_teste->cancela();
}
