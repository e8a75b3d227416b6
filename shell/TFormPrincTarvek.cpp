// The device commands of the "&Tarvek" menu. Each runs only while a port is
// open and no other command is using the link (the items are disabled
// otherwise, and the link refuses a second command).
//
// The device windows read the logger while they are made and are shown
// modally only when every read succeeded.
#include "TFormPrinc.h"

#include "Catalogo.h"
#include "ColetaDados.h"
#include "ColetaTodos.h"
#include "CursorEspera.h"
#include "Espera.h"
#include "IDialogosArquivo.h"
#include "IMensagens.h"
#include "TDatalogger.h"
#include "TFormLoggers.h"
#include "TFormOffset.h"
#include "TFrmBateria.h"
#include "TFrmColetaTodos.h"
#include "TFrmConfig.h"
#include "TFrmMonitor.h"
#include "TFrmProgress.h"
#include "TMSComm.h"

#include <QApplication>
#include <QLabel>

namespace {

constexpr int TextoAguardando = 392;  // "Aguardando o Tarvek..."
constexpr int TextoAguardandoPorta = 544;  // "%1 (%2): aguardando o Tarvek..."
constexpr int TextoColetandoLogger = 545;  // "%1, Tarvek %2: coletando aquisições..."
constexpr int TextoNenhumaPorta = 557;

// The collection's pages on the progress window.
class ProgressoColeta : public ColetaDados::Observador
{
public:
    explicit ProgressoColeta(TFrmProgress &janela)
        : m_janela(janela)
    {
    }
    void iniciaPaginas(int total) override { m_janela.mostra(total); }
    void paginaLida(int lidas) override { m_janela.definePosicao(lidas); }
    void paginasCompletas() override { m_janela.atualiza(); }

private:
    TFrmProgress &m_janela;
};

// Each logger of "Coletar todos" on the progress window: its port while it
// wakes, then its serial number over its pages.
class ProgressoTodos : public ColetaTodos::Observador
{
public:
    ProgressoTodos(TFrmProgress &janela, const Catalogo &catalogo)
        : m_janela(janela)
        , m_catalogo(catalogo)
    {
    }
    void iniciaPorta(int porta, const QString &dispositivo) override
    {
        m_porta = QStringLiteral("COM%1").arg(porta);
        m_rotulo = m_catalogo.texto(TextoAguardandoPorta).arg(m_porta, dispositivo);
        m_janela.mostraEspera(m_rotulo);
    }
    void identificado(const QString &numeroSerie, const QString &) override
    {
        m_rotulo = m_catalogo.texto(TextoColetandoLogger).arg(m_porta, numeroSerie);
        m_janela.Label()->setText(m_rotulo);
        m_janela.atualiza();
    }
    void iniciaPaginas(int total) override { m_janela.mostra(total, m_rotulo); }
    void paginaLida(int lidas) override { m_janela.definePosicao(lidas); }
    void paginasCompletas() override { m_janela.atualiza(); }

private:
    TFrmProgress &m_janela;
    const Catalogo &m_catalogo;
    QString m_porta;
    QString m_rotulo;
};

}  // namespace

class TFormPrinc::DispositivoOcupado
{
public:
    explicit DispositivoOcupado(TFormPrinc &janela)
        : m_janela(janela)
    {
        m_janela.m_dispositivoOcupado = true;
        m_janela.aplicaUsoDoLink(true);
    }
    ~DispositivoOcupado()
    {
        m_janela.m_dispositivoOcupado = false;
        m_janela.aplicaUsoDoLink(m_janela.m_datalogger->EmUso());
    }
    DispositivoOcupado(const DispositivoOcupado &) = delete;
    DispositivoOcupado &operator=(const DispositivoOcupado &) = delete;

private:
    TFormPrinc &m_janela;
};

void TFormPrinc::ItemBateriaClick()
{
    if (EstadoPorta != 0 || m_datalogger->EmUso())
        return;
    {
        const DispositivoOcupado ocupado(*this);
        TFrmBateria janela(*m_datalogger, m_ambiente, this);
        janela.aoPedirAjuda = [this](const QString &palavraChave) { MostraAjuda(palavraChave); };
        if (janela.FormCreate())
            janela.exec();
    }
    AvisaPortaPerdida();
    AtualizaCruzMouse();
}

void TFormPrinc::ItemColetarDadosClick()
{
    if (EstadoPorta != 0 || m_datalogger->EmUso() || m_dispositivoOcupado)
        return;
    if (m_numeracaoGraficos.esgotado()) {
        m_ambiente.mensagens->aviso(m_catalogo.texto(236));
        return;
    }
    ColetaDados::Resultado resultado;
    {
        const DispositivoOcupado ocupado(*this);
        CursorEspera espera;
        // Busy at once: the logger takes seconds to wake before its pages.
        m_progresso->mostraEspera(m_catalogo.texto(TextoAguardando));
        ProgressoColeta progresso(*m_progresso);
        resultado = ColetaDados(*m_datalogger, m_ambiente).executa(&progresso);
    }
    // The progress window goes before any message, so that it never stands
    // on top of the warning.
    m_progresso->hide();
    if (!resultado.ok()) {
        if (!AvisaPortaPerdida())
            m_ambiente.mensagens->aviso(resultado.mensagem);
        return;
    }
    TAquisicao aquisicao = std::move(*resultado.aquisicao);
    const QString titulo = aquisicao.Titulo;
    NovoGrafico(titulo, std::move(aquisicao), false);
    AtualizaCruzMouse();
}

void TFormPrinc::ItemConfigurarClick()
{
    if (EstadoPorta != 0 || m_datalogger->EmUso())
        return;
    {
        // The window reads the logger first and is shown only when every
        // read succeeded.
        const DispositivoOcupado ocupado(*this);
        TFrmConfig janela(*m_datalogger, m_ambiente, this);
        janela.aoPedirAjuda = [this](const QString &palavraChave) { MostraAjuda(palavraChave); };
        if (janela.FormCreate())
            janela.exec();
    }
    AvisaPortaPerdida();
    AtualizaCruzMouse();
}

void TFormPrinc::ItemMonitorarClick()
{
    if (EstadoPorta != 0 || m_datalogger->EmUso())
        return;
    {
        const DispositivoOcupado ocupado(*this);
        TFrmMonitor janela(*m_datalogger, m_ambiente, dialogos(), this);
        if (janela.FormCreate())
            janela.exec();
    }
    AvisaPortaPerdida();
    AtualizaCruzMouse();
}

void TFormPrinc::ItemAjusteOffsetClick()
{
    if (EstadoPorta != 0 || m_datalogger->EmUso())
        return;
    {
        const DispositivoOcupado ocupado(*this);
        TFormOffset janela(*m_datalogger, m_ambiente, this);
        if (janela.FormCreate())
            janela.exec();
    }
    AvisaPortaPerdida();
    AtualizaCruzMouse();
}

void TFormPrinc::ItemPararClick()
{
    if (EstadoPorta != 0 || m_datalogger->EmUso())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = m_datalogger->FimAquisicoes();
    QApplication::restoreOverrideCursor();
    if (ok) {
        if (m_ambiente.sinal && m_ambiente.relogio)
            SinalSonoro(*m_ambiente.sinal, *m_ambiente.relogio);
        m_ambiente.mensagens->informacao(m_catalogo.texto(241));
        AtualizaCruzMouse();
    } else if (m_datalogger->EscritaRecusada()) {
        m_ambiente.mensagens->aviso(m_datalogger->TextoRecusa());
    } else if (!AvisaPortaPerdida()) {
        m_ambiente.mensagens->aviso(m_catalogo.texto(240));
    }
}

void TFormPrinc::SpeedButtonPararClick()
{
    ItemPararClick();
    AtualizaCruzMouse();
}

QString TFormPrinc::escolhePastaColetas()
{
    const QString pasta
        = dialogos().pasta(this, m_catalogo.texto(543), ColetaTodos::pastaGuardada(m_ambiente.configuracoes));
    if (pasta.isEmpty())
        return pasta;
    const GravacaoConfiguracao g = ColetaTodos::guardaPasta(m_ambiente.configuracoes, pasta);
    if (!g.ok())
        m_ambiente.mensagens->aviso(g.mensagem(m_ambiente.catalogo));
    return pasta;
}

void TFormPrinc::ItemPastaColetasClick()
{
    escolhePastaColetas();
}

void TFormPrinc::ColetarTodos()
{
    // The "Loggers" window reading its ports holds them: its button waits.
    auto *loggers = qobject_cast<TFormLoggers *>(m_loggers.data());
    if (m_datalogger->EmUso() || m_dispositivoOcupado || (loggers && loggers->lendo()))
        return;
    ColetaTodos coleta(
        m_ambiente, [this](int n) { return destinoPorta(n); },
        [this](const QString &destino) { return m_porta.PortaAvulsa(destino); });
    const QList<int> portas = coleta.portas();
    if (portas.isEmpty()) {
        m_ambiente.mensagens->aviso(m_catalogo.texto(TextoNenhumaPorta));
        return;
    }
    QString pasta = ColetaTodos::pastaGuardada(m_ambiente.configuracoes);
    if (pasta.isEmpty() && (pasta = escolhePastaColetas()).isEmpty())
        return;
    // A device this window holds open is collected on a port of its own:
    // it is closed meanwhile (the simulated Tarvek is a new one each time).
    int aberta = 0;
    if (EstadoPorta == 0) {
        const QString destino = destinoPorta(m_porta.CommPort());
        const bool coletada
            = std::any_of(portas.begin(), portas.end(), [&](int n) { return destinoPorta(n) == destino; });
        if (coletada && !TMSComm::EhSimulador(destino)) {
            aberta = m_porta.CommPort();
            m_datalogger->FechaComunicacao();
            DesabilitaPortas();
            atualizaCampoPorta();
        }
    }
    QList<ColetaTodos::Resultado> resultados;
    {
        const DispositivoOcupado ocupado(*this);
        CursorEspera espera;
        ProgressoTodos progresso(*m_progresso, m_catalogo);
        resultados = coleta.executa(pasta, &progresso);
    }
    m_progresso->hide();
    if (aberta)
        selecionaPorta(aberta, false);
    TFrmColetaTodos resumo(m_catalogo, resultados, pasta, this);
    resumo.exec();
    AtualizaCruzMouse();
    // Its rows' last collections are these now.
    if ((loggers = qobject_cast<TFormLoggers *>(m_loggers.data())))
        loggers->AtualizarClick();
}
