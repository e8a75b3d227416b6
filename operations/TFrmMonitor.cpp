#include "TFrmMonitor.h"

#include "Catalogo.h"
#include "CursorEspera.h"
#include "GraficoLinhas.h"
#include "IDialogosArquivo.h"
#include "IMensagens.h"
#include "SerieLinhas.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

enum Texto {
    TextoCanal1 = 70,
    EscalaUnica = 116,
    Caption = 128,
    TextoGravar = 301,
    TituloGravar = 302,
    FiltroGravar = 303,
    FalhaGravar = 304,
    PararGravar = 390,
    GravandoEm = 391,
};

const QColor AzulEscuro(0, 0, 128);

}  // namespace

TFrmMonitor::TFrmMonitor(
    TDatalogger &datalogger, const Ambiente &ambiente, IDialogosArquivo &dialogos, QWidget *parent)
    : QDialog(parent)
    , m_monitor(datalogger, ambiente)
    , m_ambiente(ambiente)
    , m_dialogos(dialogos)
{
    setObjectName(QStringLiteral("FrmMonitor"));
    setModal(true);
    criaControles();
    Language();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TFrmMonitor::Timer1Timer);
    m_monitor.aoLer = [this](const MonitorOnLine::Leitura &leitura) {
        if (m_gravacao.gravando() && !m_gravacao.grava(leitura, m_monitor))
            mostraGravacao();
    };
}

TFrmMonitor::~TFrmMonitor() = default;

QString TFrmMonitor::texto(int numero) const
{
    const QStringView janela = u"FrmMonitor";
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero, janela)
                               : Catalogo::padrao(numero, janela);
}

void TFrmMonitor::criaControles()
{
    TheChart = new GraficoLinhas(this);
    TheChart->setObjectName(QStringLiteral("TheChart"));
    TheChart->definePermiteZoom(false);
    TheChart->definePermiteRolagem(false);
    TheChart->defineLegendaVisivel(true);
    TheChart->defineEixoVisivel(EixoGrafico::Superior, false);
    TheChart->defineFormatoDataHora(QStringLiteral("hh:nn:ss"));
    if (m_ambiente.regional)
        TheChart->defineRegional(*m_ambiente.regional);
    TheChart->setMinimumSize(560, 320);
    Canal1 = TheChart->adicionaSerie(EixoGrafico::Esquerdo, Qt::red, texto(TextoCanal1));
    Canal2 = TheChart->adicionaSerie(EixoGrafico::Direito, AzulEscuro, texto(TextoCanal1 + 1));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    CheckBoxEscala = new QCheckBox(this);
    CheckBoxEscala->setObjectName(QStringLiteral("CheckBoxEscala"));
    BtnGravar = new QPushButton(this);
    BtnGravar->setObjectName(QStringLiteral("BtnGravar"));
    BtnGravar->setCheckable(true);
    LabelGravacao = new QLabel(this);
    LabelGravacao->setObjectName(QStringLiteral("LabelGravacao"));
    LabelGravacao->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *textos = new QHBoxLayout;
    textos->addWidget(Label1);
    textos->addSpacing(16);
    textos->addWidget(Label2);
    textos->addSpacing(16);
    textos->addWidget(Label3);
    textos->addStretch(1);
    auto *baixo = new QHBoxLayout;
    baixo->addWidget(CheckBoxEscala);
    baixo->addStretch(1);
    baixo->addWidget(LabelGravacao);
    baixo->addWidget(BtnGravar);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(textos);
    layout->addWidget(TheChart, 1);
    layout->addLayout(baixo);

    connect(CheckBoxEscala, &QCheckBox::clicked, this, &TFrmMonitor::CheckBoxEscalaClick);
    connect(BtnGravar, &QPushButton::clicked, this, &TFrmMonitor::BtnGravarClick);
}

void TFrmMonitor::Language()
{
    setWindowTitle(texto(Caption));
    CheckBoxEscala->setText(texto(EscalaUnica));
    mostraGravacao();
}

void TFrmMonitor::mostraGravacao()
{
    const bool gravando = m_gravacao.gravando();
    BtnGravar->setChecked(gravando);
    BtnGravar->setText(texto(gravando ? PararGravar : TextoGravar));
    const QString caminho = gravando ? m_gravacao.caminho() : QString();
    LabelGravacao->setText(gravando ? texto(GravandoEm).arg(QFileInfo(caminho).fileName()) : QString());
    LabelGravacao->setToolTip(caminho);
}

bool TFrmMonitor::FormCreate()
{
    CursorEspera espera;
    if (!m_monitor.FormCreate())
        return false;
    TheChart->defineTituloEixo(EixoGrafico::Inferior, m_monitor.tituloEixoTempo());
    return true;
}

void TFrmMonitor::showEvent(QShowEvent *evento)
{
    QDialog::showEvent(evento);
    if (m_montado)
        return;
    m_montado = true;
    Label1->setText(QStringLiteral(" "));
    Label2->setText(QStringLiteral(" "));
    Label3->setText(QStringLiteral(" "));
    MontaGrafico();
    if (!m_monitor.parado())
        Timer1->start();
}

void TFrmMonitor::MontaGrafico()
{
    TheChart->defineTitulo(m_monitor.tituloGrafico());
    if (m_monitor.quantasSeries() == 1 && Canal2) {
        TheChart->removeSerie(Canal2);
        Canal2 = nullptr;
    }
    SerieLinhas *series[2] = { Canal1, Canal2 };
    const EixoGrafico eixos[2] = { EixoGrafico::Esquerdo, EixoGrafico::Direito };
    for (int s = 0; s < m_monitor.quantasSeries(); ++s) {
        series[s]->defineTitulo(m_monitor.tituloSerie(s));
        TheChart->defineTituloEixo(eixos[s], m_monitor.tituloEixo(s));
        TheChart->defineFormatoValor(eixos[s], m_monitor.formatoEixo(s));
    }
    Limpa();
    DefineLimitesEixos();
    TheChart->redesenha();
}

void TFrmMonitor::DefineLimitesEixos()
{
    Verifica_Escala();
}

void TFrmMonitor::Verifica_Escala()
{
    const bool unica = CheckBoxEscala->isChecked();
    const EixoGrafico eixos[2] = { EixoGrafico::Esquerdo, EixoGrafico::Direito };
    bool ok = true;
    for (int s = 0; s < m_monitor.quantasSeries(); ++s) {
        const MonitorOnLine::Limites l = m_monitor.limitesEixo(s, unica);
        ok = ok && TheChart->defineFaixa(eixos[s], l.inferior, l.superior);
    }
    if (!ok) {
        TheChart->defineAutomatico(EixoGrafico::Esquerdo, true);
        TheChart->defineAutomatico(EixoGrafico::Direito, true);
    }
}

void TFrmMonitor::CheckBoxEscalaClick()
{
    if (m_monitor.quantasSeries() < 2)
        return;
    Verifica_Escala();
    TheChart->redesenha();
}

void TFrmMonitor::Limpa()
{
    for (SerieLinhas *s : { Canal1, Canal2 })
        if (s)
            s->limpa();
}

void TFrmMonitor::mostraPontos()
{
    SerieLinhas *series[2] = { Canal1, Canal2 };
    for (int s = 0; s < m_monitor.quantasSeries(); ++s) {
        QVector<double> x, y;
        for (const QPointF &p : m_monitor.pontos(s)) {
            x.append(p.x());
            y.append(p.y());
        }
        series[s]->defineDados(x, y);
    }
    Label1->setText(m_monitor.textoDataHora());
    Label2->setText(m_monitor.textoCanal(1));
    Label3->setText(m_monitor.textoCanal(2));
    TheChart->redesenha();
}

void TFrmMonitor::Timer1Timer()
{
    // Off while the tick talks to the logger, so that ticks never overlap.
    Timer1->stop();
    switch (m_monitor.Timer1Timer()) {
    case MonitorOnLine::Passo::Leitura:
        mostraPontos();
        Timer1->start();
        break;
    case MonitorOnLine::Passo::Configuracao:
        TheChart->defineTituloEixo(EixoGrafico::Inferior, m_monitor.tituloEixoTempo());
        TheChart->redesenha();
        Timer1->start();
        break;
    case MonitorOnLine::Passo::FalhaLeitura:
        close();
        break;
    case MonitorOnLine::Passo::FalhaConfiguracao:
    case MonitorOnLine::Passo::Parado:
        break;
    }
}

void TFrmMonitor::BtnGravarClick()
{
    if (m_gravacao.gravando()) {
        m_gravacao.fecha();
        mostraGravacao();
        return;
    }
    const QString caminho
        = m_dialogos.salvar(this, texto(TituloGravar), texto(FiltroGravar), QStringLiteral("csv"), {});
    if (caminho.isEmpty() || !m_gravacao.abre(caminho)) {
        if (!caminho.isEmpty() && m_ambiente.mensagens)
            m_ambiente.mensagens->aviso(texto(FalhaGravar).arg(caminho));
        mostraGravacao();
        return;
    }
    mostraGravacao();
}

void TFrmMonitor::done(int resultado)
{
    // The window closing stops the polling and the recording.
    Timer1->stop();
    m_monitor.para();
    m_gravacao.fecha();
    mostraGravacao();
    QDialog::done(resultado);
}
