#include "TFormLoggers.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "IRelogio.h"
#include "JanelaFilha.h"
#include "TextoLoggers.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMetaMethod>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

enum Texto {
    Caption = 516,
    Atualizar = 526,
    ColetarTodos = 527,
    Lendo = 530,
};

constexpr int LarguraMaximaColuna = 260;  // pixels

}  // namespace

TFormLoggers::TFormLoggers(const Ambiente &ambiente, LeituraLoggers::LeDestino destino,
    LeituraLoggers::CriaPorta criaPorta, QWidget *parent)
    : QWidget(parent)
    , m_ambiente(ambiente)
    , m_leitura(ambiente, std::move(destino), std::move(criaPorta))
{
    setObjectName(QStringLiteral("FormLoggers"));
    setAttribute(Qt::WA_DeleteOnClose);
    marcaJanela(this, TipoJanela::Outra);
    setWindowTitle(texto(Caption));
    const Catalogo *cat = m_ambiente.catalogo;
    Tabela = new QTableWidget(0, TextoLoggers::Colunas, this);
    Tabela->setObjectName(QStringLiteral("Tabela"));
    Tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabela->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabela->verticalHeader()->hide();
    Tabela->horizontalHeader()->setStretchLastSection(true);
    Tabela->setWordWrap(false);
    Tabela->setHorizontalHeaderLabels(cat ? TextoLoggers::cabecalhos(*cat) : QStringList());
    BtnAtualizar = new QPushButton(texto(Atualizar), this);
    BtnAtualizar->setObjectName(QStringLiteral("BtnAtualizar"));
    BtnColetarTodos = new QPushButton(texto(ColetarTodos), this);
    BtnColetarTodos->setObjectName(QStringLiteral("BtnColetarTodos"));
    BtnColetarTodos->hide();
    LblSituacao = new QLabel(this);
    auto *botoes = new QHBoxLayout;
    botoes->addWidget(LblSituacao, 1);
    botoes->addWidget(BtnColetarTodos);
    botoes->addWidget(BtnAtualizar);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Tabela, 1);
    layout->addLayout(botoes);
    resize(900, 260);
    connect(BtnAtualizar, &QPushButton::clicked, this, &TFormLoggers::AtualizarClick);
    connect(BtnColetarTodos, &QPushButton::clicked, this, &TFormLoggers::coletarTodosPedido);
    m_leitura.aoLerPorta = [this](int porta, const QString &dispositivo) {
        LblSituacao->setText(texto(Lendo).arg(porta).arg(dispositivo));
    };
    TimerAtualiza = new QTimer(this);
    TimerAtualiza->setObjectName(QStringLiteral("TimerAtualiza"));
    TimerAtualiza->setInterval(LeituraLoggers::minutosAtualizacao(m_ambiente.configuracoes) * 60 * 1000);
    connect(TimerAtualiza, &QTimer::timeout, this, &TFormLoggers::TimerAtualizaTimer);
    TimerAtualiza->start();
    // The first reading once the window is shown.
    QTimer::singleShot(0, this, &TFormLoggers::AtualizarClick);
}

QString TFormLoggers::texto(int numero) const
{
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero) : Catalogo::padrao(numero);
}

void TFormLoggers::connectNotify(const QMetaMethod &sinal)
{
    if (sinal == QMetaMethod::fromSignal(&TFormLoggers::coletarTodosPedido))
        BtnColetarTodos->show();
}

void TFormLoggers::TimerAtualizaTimer()
{
    // A device window being open, its exchanges are left alone: the next
    // tick reads.
    if (!QApplication::activeModalWidget())
        AtualizarClick();
}

void TFormLoggers::AtualizarClick()
{
    if (m_lendo)
        return;
    m_lendo = true;
    BtnAtualizar->setEnabled(false);
    BtnColetarTodos->setEnabled(false);
    const QList<EstadoLogger> linhas = m_leitura.leTodas();
    m_lendo = false;
    if (m_fechaAoTerminar) {
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    LblSituacao->clear();
    BtnAtualizar->setEnabled(true);
    BtnColetarTodos->setEnabled(true);
    mostra(linhas);
}

void TFormLoggers::mostra(const QList<EstadoLogger> &linhas)
{
    if (!m_ambiente.catalogo)
        return;
    const ConfigRegional regional
        = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    const QDateTime agora
        = m_ambiente.relogio ? DataHora::paraQDateTime(m_ambiente.relogio->dataHoraAtual()) : QDateTime();
    const int vida = LeituraLoggers::vidaBateriaMeses(m_ambiente.configuracoes);
    Tabela->setRowCount(int(linhas.size()));
    for (int r = 0; r < linhas.size(); ++r) {
        const QStringList t = TextoLoggers::colunas(linhas[r], *m_ambiente.catalogo, regional, vida, agora);
        for (int c = 0; c < t.size(); ++c) {
            auto *item = new QTableWidgetItem(t[c]);
            item->setToolTip(t[c]);
            if (linhas[r].atencoes)
                item->setForeground(QColor(Qt::red));
            Tabela->setItem(r, c, item);
        }
    }
    Tabela->resizeColumnsToContents();
    // A long reason is read whole in its tooltip.
    for (int c = 0; c < Tabela->columnCount(); ++c)
        Tabela->setColumnWidth(c, std::min(Tabela->columnWidth(c), LarguraMaximaColuna));
}

void TFormLoggers::closeEvent(QCloseEvent *evento)
{
    if (!m_lendo) {
        QWidget::closeEvent(evento);
        return;
    }
    // The read stops at its next wait; the window closes when it returns.
    m_fechaAoTerminar = true;
    m_leitura.cancela();
    evento->ignore();
}
