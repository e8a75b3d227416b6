#include "TFormPrinc.h"

#include "BibliotecaExterna.h"
#include "BibliotecaFormulas.h"
#include "BibliotecaIdioma.h"
#include "Catalogo.h"
#include "IConfiguracoes.h"
#include "IMensagens.h"
#include "JanelaAjuda.h"
#include "JanelaFilha.h"
#include "LinhaStatus.h"
#include "TDatalogger.h"
#include "TFormSplash.h"
#include "TFrmProgress.h"
#include "TMSComm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QTimer>
#include <QToolButton>

// The bundled icons and help: a static library's resources are registered
// by hand (outside any namespace, as the macro declares a global function).
static void iniciaRecursos()
{
    Q_INIT_RESOURCE(quorvane);
}

namespace {

// StrToInt's rules: optional leading blanks, an optional sign and decimal
// digits, or "$" and hexadecimal digits; nothing after them.
bool converteInteiro(const QString &texto, int *valor)
{
    QString t = texto;
    while (!t.isEmpty() && t.front().isSpace())
        t.remove(0, 1);
    bool ok = false;
    if (t.startsWith(u'$'))
        *valor = t.mid(1).toInt(&ok, 16);
    else if (!t.isEmpty() && t.back().isDigit())
        *valor = t.toInt(&ok, 10);
    return ok && !t.contains(u' ');
}

}  // namespace

TFormPrinc::TFormPrinc(const Ambiente &ambiente, Catalogo &catalogo, TMSComm &porta,
    const QString &pastaPrograma, QWidget *parent)
    : QMainWindow(parent)
    , m_ambiente(ambiente)
    , m_catalogo(catalogo)
    , m_porta(porta)
    , m_pastaPrograma(pastaPrograma)
{
    iniciaRecursos();
    m_ambiente.catalogo = &m_catalogo;
    setObjectName(QStringLiteral("FormPrinc"));
    setWindowTitle(QStringLiteral("Quorvane"));
    setWindowIcon(QIcon(QStringLiteral(":/icones/quorvane.svg")));
    resize(900, 640);

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("AreaFilhas"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    m_mostraLimites = leMostraLimites();
    criaMenus();
    criaBarraBotoes();
    criaLinhaStatus();
    criaConfortos();

    m_timerSplash = new QTimer(this);
    m_timerSplash->setObjectName(QStringLiteral("TimerSplash"));
    m_timerSplash->setSingleShot(true);
    m_timerSplash->setInterval(1000);
    connect(m_timerSplash, &QTimer::timeout, this, &TFormPrinc::TimerSplashTimer);

    FormCreate();
}

TFormPrinc::~TFormPrinc()
{
    // The children close while the frame goes away: nothing may reach this
    // half-destroyed window then.
    m_mdi->disconnect(this);
    m_mdi->viewport()->removeEventFilter(this);
    qApp->disconnect(this);
    if (m_datalogger)
        m_datalogger->aoMudarUso = nullptr;
    if (m_datalogger)
        m_datalogger->aoPerderPorta = nullptr;
}

void TFormPrinc::FormCreate()
{
    m_datalogger = std::make_unique<TDatalogger>(m_ambiente);
    m_datalogger->aoMudarUso = [this](bool emUso) { aplicaUsoDoLink(emUso); };
    m_datalogger->aoPerderPorta = [this] { PortaPerdida(); };
    m_progresso = new TFrmProgress(m_catalogo, this);
    EstadoPorta = -1;
    DesabilitaBotoesComunicacao();
    habilita("ItemConfigImp", true);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &TFormPrinc::UpdateMenuItems);
    // Children come and go inside the area's viewport.
    m_mdi->viewport()->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState estado) {
        if (estado == Qt::ApplicationActive)
            AtualizaCruzMouse();
    });
    UpdateMenuItems();
}

void TFormPrinc::showEvent(QShowEvent *evento)
{
    QMainWindow::showEvent(evento);
    if (!m_mostrada) {
        m_mostrada = true;
        // Once the frame is on the screen, so that its first messages
        // appear over it.
        QMetaObject::invokeMethod(this, &TFormPrinc::FormShow, Qt::QueuedConnection);
    }
}

void TFormPrinc::FormShow()
{
    m_timerSplash->stop();
    VerificaFormulas();
    Language();
    m_timerSplash->start();
    QMetaObject::invokeMethod(this, &TFormPrinc::PreparaPrimeiroGrafico, Qt::QueuedConnection);
    int porta = 0;
    if (LePortaInicial(&porta)) {
        if (TMSComm::PortaValida(porta))
            selecionaPorta(porta, false);
        FiltroAbrir = m_catalogo.texto(267);
        TituloAbrir = m_catalogo.texto(268);
        FiltroExportar = m_catalogo.texto(271);
        TituloExportar = m_catalogo.texto(272);
    }
    abreArquivosIniciais();
}

void TFormPrinc::VerificaFormulas()
{
    BibliotecaFormulas formulas(m_pastaPrograma);
    FormulaDisponivel = formulas.carregada();
    if (!FormulaDisponivel && m_ambiente.mensagens)
        m_ambiente.mensagens->aviso(BibliotecaFormulas::mensagemAusente(m_catalogo));
}

bool TFormPrinc::LePortaInicial(int *porta)
{
    if (!m_ambiente.configuracoes)
        return true;
    const QString valor = m_ambiente.configuracoes->le(
        QStringLiteral("COMUNICACAO"), QStringLiteral("PORTA"), QStringLiteral("0"));
    if (converteInteiro(valor, porta))
        return true;
    if (m_ambiente.mensagens)
        m_ambiente.mensagens->erro(QStringLiteral("'%1' não é um valor inteiro válido.").arg(valor));
    return false;
}

void TFormPrinc::Language()
{
    BibliotecaIdioma::aplica(m_catalogo, m_pastaPrograma);
    for (const auto &[acao, numero] : std::as_const(m_legendas))
        acao->setText(m_catalogo.texto(numero));
    for (const auto &[botao, numero] : std::as_const(m_dicas))
        botao->setToolTip(m_catalogo.texto(numero));
}

void TFormPrinc::TimerSplashTimer()
{
    m_timerSplash->stop();
    if (!m_splash)
        m_splash = new TFormSplash(m_catalogo, m_pastaPrograma, this);
    m_splash->mostra();
}

void TFormPrinc::closeEvent(QCloseEvent *evento)
{
    if (!FormCloseQuery()) {
        evento->ignore();
        return;
    }
    FormClose();
    QMainWindow::closeEvent(evento);
}

bool TFormPrinc::FormCloseQuery()
{
    // A device command in progress ends first (a collection would otherwise
    // lose its pages); its own window stays on top meanwhile.
    if (m_datalogger->EmUso())
        return false;
    const QList<QMdiSubWindow *> filhas = m_mdi->subWindowList(QMdiArea::CreationOrder);
    QList<QPointer<QMdiSubWindow>> graficos;
    for (QMdiSubWindow *sub : filhas) {
        const TipoJanela tipo = tipoJanela(sub);
        if (tipo == TipoJanela::Grafico || tipo == TipoJanela::Juncao)
            graficos.append(sub);
    }
    for (auto it = graficos.crbegin(); it != graficos.crend(); ++it) {
        if (*it && !(*it)->close())
            return false;
    }
    return true;
}

void TFormPrinc::FormClose()
{
    GuardaGeometria();
    m_editStatus->TimerStatus()->stop();
    m_timerSplash->stop();
    if (EstadoPorta == 0) {
        m_datalogger->FechaComunicacao();
        EstadoPorta = -1;
    }
    disconnect(m_mdi, &QMdiArea::subWindowActivated, this, &TFormPrinc::UpdateMenuItems);
    if (m_splash)
        m_splash->close();
    if (m_ajuda)
        m_ajuda->close();
}

bool TFormPrinc::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == m_mdi->viewport()
        && (evento->type() == QEvent::ChildAdded || evento->type() == QEvent::ChildRemoved))
        QTimer::singleShot(0, this, &TFormPrinc::UpdateMenuItems);
    return QMainWindow::eventFilter(objeto, evento);
}

bool TFormPrinc::ComandoConstruido(const QByteArray &nomeItem)
{
    static const QList<QByteArray> porConstruir {};
    return !porConstruir.contains(nomeItem);
}

void TFormPrinc::habilita(const char *nomeItem, bool ativo)
{
    ativo = ativo && ComandoConstruido(nomeItem);
    const Comando c = m_comandos.value(nomeItem);
    if (c.item)
        c.item->setEnabled(ativo);
    if (c.botao)
        c.botao->setEnabled(ativo);
}

bool TFormPrinc::VerificaGraficos() const
{
    const auto filhas = m_mdi->subWindowList();
    return std::any_of(
        filhas.begin(), filhas.end(), [](QMdiSubWindow *f) { return tipoJanela(f) == TipoJanela::Grafico; });
}

bool TFormPrinc::VerificaGraficosAbertos() const
{
    const auto filhas = m_mdi->subWindowList();
    return std::count_if(filhas.begin(), filhas.end(), [](QMdiSubWindow *f) {
        return tipoJanela(f) == TipoJanela::Grafico;
    }) >= 2;
}

void TFormPrinc::UpdateMenuItems()
{
    const TipoJanela ativa = tipoJanela(filhaAtiva());
    const bool G = VerificaGraficos();
    const bool J = ativa == TipoJanela::Juncao;
    const bool L
        = ativa == TipoJanela::Dados || ativa == TipoJanela::Informacoes || ativa == TipoJanela::Resumo;
    for (const char *nome :
        { "ItemSalvar", "ItemImprimir", "ItemZoomMais", "ItemZoomMenos", "ItemZoom100", "ItemSalvarImagem" })
        habilita(nome, G || J);
    habilita("ItemCopiar", (G || J) && !L);
    for (const char *nome : { "ItemExportar", "ItemExportarCsv", "ItemGrafico", "ItemDados",
             "ItemParametrosGerais", "ItemFaixaZoom", "ItemResumo" })
        habilita(nome, G && !J);
    habilita("ItemLimitesAlarme", G);
    habilita("ItemPerfis", G && !J);
    habilita("ItemFormula", G && !J && FormulaDisponivel);
    m_menuPropriedades->menuAction()->setEnabled(G);
    habilita("ItemJuncao", VerificaGraficosAbertos());
    const bool filhas = !m_mdi->subWindowList().isEmpty();
    for (const char *nome : { "ItemCascata", "ItemOrganizarIcones", "ItemMinimizar", "ItemVerticalmente",
             "ItemHorizontalmente", "ItemRestaurar", "ItemFecharTodas" })
        habilita(nome, filhas);
}

void TFormPrinc::aplicaUsoDoLink(bool emUso)
{
    // While a command runs (and lets window messages through) no other
    // device command may start: they come back when it ends.
    const bool ativo = m_comunicacaoHabilitada && !emUso && !m_dispositivoOcupado;
    for (const char *nome : { "ItemAjusteOffset", "ItemBateria", "ItemConfigurar", "ItemParar",
             "ItemColetarDados", "ItemMonitorar" })
        habilita(nome, ativo);
    // "Portas..." may close and reopen the port: not while it is in use.
    habilita("ItemPortas", !emUso && !m_dispositivoOcupado);
    habilita("ItemColetarTodos", !emUso && !m_dispositivoOcupado);
}
