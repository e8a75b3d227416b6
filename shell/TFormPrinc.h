#pragma once

#include "Ambiente.h"
#include "NumeracaoGraficos.h"
#include "TAquisicao.h"
#include "TNodoJuncao.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPair>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class Catalogo;
class IDialogosArquivo;
class JanelaAjuda;
class LinhaStatus;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QTimer;
class QToolButton;
class TDatalogger;
class TFormGrafico;
class TFormJuncao;
class TFormSplash;
class TFrmProgress;
class TFrmTamanhoImagem;
class TMSComm;

// The main window: a multiple-document frame with the menus, the speed
// buttons and the status line. It owns the logger link, opens the chosen
// port and keeps the device commands enabled only while one is open, and
// enables every other command after the child windows (UpdateMenuItems).
//
// Its code is split by subject:
//   TFormPrinc.cpp          creation, first show, close, catalogue, enabling
//   TFormPrincMenus.cpp     menus, speed buttons, status line
//   TFormPrincPorta.cpp     the "&Porta" menu and the settings file
//   TFormPrincJanela.cpp    the "&Janela" commands, help and about
//   TFormPrincTarvek.cpp    the device commands
//   TFormPrincArquivo.cpp   the file and view commands (open, save, copy,
//                           export, graph, readings, general parameters)
//   TFormPrincGrafico.cpp   the commands on a graph: zoom, formula, print
//   TFormPrincFormatos.cpp  the CSV export and the chart's picture
//   TFormPrincJuncao.cpp    the merge, merged-graph files
//   TFormPrincRegistros.cpp the records' window
//   TFormPrincLoggers.cpp   the "Loggers" window
//   TFormPrincConforto.cpp  shortcuts, recent files, dropped files, the
//                           window's place, the port field, files given
//                           on the command line
class TFormPrinc : public QMainWindow
{
    Q_OBJECT
public:
    // The environment's pointers and the port must outlive the window. The
    // catalogue is the one of the environment, which the window applies the
    // language library to. pastaPrograma is where the optional libraries
    // are looked for first (the program's folder).
    TFormPrinc(const Ambiente &ambiente, Catalogo &catalogo, TMSComm &porta, const QString &pastaPrograma,
        QWidget *parent = nullptr);
    ~TFormPrinc() override;

    // Port state: -1 none open, 1 to 4 being opened, 0 open.
    int EstadoPorta = -1;
    // Whether the formula library was found when the window was first shown.
    bool FormulaDisponivel = false;

    TDatalogger &Datalogger() { return *m_datalogger; }
    TFrmProgress *FrmProgress() const { return m_progresso; }
    const Ambiente &ambiente() const { return m_ambiente; }
    QMdiArea *mdiArea() const { return m_mdi; }
    LinhaStatus *EditStatus() const { return m_editStatus; }

    // The current graph window and the current merged window: the last one
    // of each kind that was activated. The windows set them themselves.
    QWidget *GraficoAtual() const { return m_graficoAtual; }
    QWidget *JuncaoAtual() const { return m_juncaoAtual; }
    void defineGraficoAtual(QWidget *janela) { m_graficoAtual = janela; }
    void defineJuncaoAtual(QWidget *janela) { m_juncaoAtual = janela; }

    // Titles and filters of the open and export dialogs, given at first show.
    QString FiltroAbrir, TituloAbrir, FiltroExportar, TituloExportar;

    // The enabling rules of every command but the device ones.
    void UpdateMenuItems();
    // After a device window or the about box: the active graph or merged
    // window refreshes its cursor state.
    void AtualizaCruzMouse();
    // Opens the help at a keyword ("Tarvek_Meral", ...).
    void MostraAjuda(const QString &palavraChave);

    // Graph windows (TFormPrincArquivo.cpp): a new one for a document, with
    // the name as its caption before " - Gráfico"; opening an acquisition
    // file into one; the window-number table.
    TFormGrafico *NovoGrafico(const QString &nome, TAquisicao aquisicao, bool doArquivo);
    void Abrir_Grafico(const QString &caminho);
    // Merged windows (TFormPrincJuncao.cpp): a new one for entries, and
    // opening a merged-graph file into one.
    void NovaJuncao(const std::vector<TNodoJuncao> &entradas, bool doArquivo, const QString &unidadeEsquerda,
        const QString &unidadeDireita);
    void Abrir_Juncao(const QString &caminho);
    NumeracaoGraficos &numeracaoGraficos() { return m_numeracaoGraficos; }
    // The open and save dialogs (Qt's unless a test gives its own).
    void defineDialogos(IDialogosArquivo *dialogos) { m_dialogos = dialogos; }
    IDialogosArquivo &dialogos();
    // The printer the print commands use, set up by "&Configurar
    // Impressora" (the system's default printer until then).
    QPrinter &impressora();
    // Puts a child window in the frame and shows it.
    void insereFilha(QWidget *filha);

    // Shows the picture-size dialog of "Salvar Imagem..." modally; exec()
    // unless a test answers it.
    std::function<int(TFrmTamanhoImagem &)> mostraTamanhoImagem;

    // Whether the command of a menu item is built. One that is not stays
    // disabled, whatever its enabling rule says.
    static bool ComandoConstruido(const QByteArray &nomeItem);

    // Port selection, as the items "COM&1" to "COM&4" do.
    void SelecionaPorta(int n);

    // TFormPrincConforto.cpp. Opens a .qvg or .qvj file as "&Abrir Arquivo"
    // does with the matching filter; false for any other extension.
    bool AbreArquivo(const QString &caminho);
    // Files to open once the window has been shown (the command line).
    void AbreNaPartida(const QStringList &caminhos) { m_arquivosIniciais = caminhos; }
    // Puts the window where it was last closed, on the given free screen
    // area; false when the settings file holds no place.
    bool RestauraGeometria(const QRect &areaTela);

    // The graph windows that are open (G of the enabling rules) and whether
    // at least two are (the merge command).
    bool VerificaGraficos() const;
    bool VerificaGraficosAbertos() const;

    // Handlers of the menu items and speed buttons (public so that the
    // windows and the tests can run a command as the user does).
    void ItemAbrirClick();
    void ItemSalvarClick();
    void ItemConfigImpClick();
    void ItemImprimirClick();
    void ItemExportarClick();
    // TFormPrincFormatos.cpp: CSV export and the chart's picture.
    void ItemExportarCsvClick();
    void ItemSalvarImagemClick();
    // TFormPrincRegistros.cpp: the window of the records, or the one open.
    void ItemRegistrosClick();
    void ItemSairClick();
    void ItemCopiarClick();
    void ItemGraficoClick();
    void ItemFaixaZoomClick();
    void ItemFormulaClick();
    void ItemZoomMaisClick();
    void ItemZoomMenosClick();
    void ItemZoom100Click();
    void ItemDadosClick();
    void ItemParametrosGeraisClick();
    // The summary window of the current graph, and the alarm-limit lines
    // of every graph window on or off (kept in the settings file).
    void ItemResumoClick();
    void ItemLimitesAlarmeClick();
    void ItemPerfisClick();
    void ItemJuncaoClick();
    void ItemBateriaClick();
    void ItemColetarDadosClick();
    void ItemConfigurarClick();
    void ItemMonitorarClick();
    void ItemPararClick();
    void SpeedButtonPararClick();
    void ItemAjusteOffsetClick();
    void ItemCom1Click() { SelecionaPorta(1); }
    void ItemCOM2Click() { SelecionaPorta(2); }
    void ItemCOM3Click() { SelecionaPorta(3); }
    void ItemCOM4Click() { SelecionaPorta(4); }
    // The "Portas..." window; what it changed is applied to the menu and to
    // the open port.
    void ItemPortasClick();
    // TFormPrincLoggers.cpp: the "Loggers" window, or the one open.
    void ItemLoggersClick();
    // "Coletar todos...": every logger of COM1 to COM4 into the folder of
    // the settings (asked for the first time), then the summary.
    void ColetarTodos();
    void ItemPastaColetasClick();
    void ItemCascataClick();
    void ItemOrganizarIconesClick();
    void ItemVerticalmenteClick();
    void ItemHorizontalmenteClick();
    void ItemRestaurarClick();
    void ItemMinimizarClick();
    void ItemFecharTodasClick();
    void ItemConteudoClick();
    void ItemSobreClick();

protected:
    void showEvent(QShowEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void dragEnterEvent(QDragEnterEvent *evento) override;
    void dropEvent(QDropEvent *evento) override;

private:
    // TFormPrinc.cpp
    void FormCreate();
    void FormShow();
    // Asks every graph and merged window, the last first, whether it may close (its
    // save question); false as soon as one refuses.
    bool FormCloseQuery();
    void FormClose();
    void Language();
    void VerificaFormulas();
    bool LePortaInicial(int *porta);
    void TimerSplashTimer();
    // Enables or disables a menu item and its speed button together.
    void habilita(const char *nomeItem, bool ativo);
    void aplicaUsoDoLink(bool emUso);
    // Holds the device commands off while a device window is open or a
    // collection runs, whatever exchanges it makes meanwhile (the monitor
    // polls every second), and gives them back when it ends.
    class DispositivoOcupado;

    // TFormPrincArquivo.cpp: the alarm-limit lines' switch, as the settings
    // file keeps it.
    bool leMostraLimites() const;
    void atualizaLimites(qint32 numeroSerie);
    void atualizaPerfis();

    // TFormPrincPreparo.cpp
    // Draws a small graph and its views out of sight, once, so that the
    // first recording opened does not wait for what is used the first time.
    void PreparaPrimeiroGrafico();

    // TFormPrincMenus.cpp
    void criaMenus();
    void criaMenuArquivo();
    void criaMenuVisualizar();
    void criaMenuTarvek();
    void criaMenuPorta();
    void criaMenuJanela();
    void criaMenuAjuda();
    void criaBarraBotoes();
    void criaLinhaStatus();
    QAction *item(QMenu *menu, const char *nome, int texto, void (TFormPrinc::*acao)());
    QToolButton *botao(
        const char *nome, const char *item, const char *icone, int dica, void (TFormPrinc::*acao)());
    void listaJanelas();

    // TFormPrincPorta.cpp
    bool AbrePorta();
    void DesabilitaPortas();
    void HabilitaBotoesComunicacao();
    // Opens port n; pedida when the user chose it, so that a failed write
    // of the port to open at start is told.
    void selecionaPorta(int n, bool pedida);
    void gravaPortaInicial(bool pedida);
    void DesabilitaBotoesComunicacao();
    void marcaPorta(int n);
    // The device a port number maps to now (empty when the port has no
    // router), and the captions of the port items that show it.
    QString destinoPorta(int n) const;
    QString escolhePastaColetas();
    void atualizaMenuPorta();

    // TFormPrincPortaPerdida.cpp
    // The link lost its port's device during an exchange: the port is left
    // as one that did not open, and the command that was running says so
    // when it ends (AvisaPortaPerdida, true when it did).
    void PortaPerdida();
    bool AvisaPortaPerdida();

    // TFormPrincJuncao.cpp
    void SalvaJuncao(TFormJuncao &juncao);

    // TFormPrincConforto.cpp
    void criaConfortos();
    void aplicaAtalhos();
    void RegistraRecente(const QString &caminho);
    void atualizaRecentes();
    void ItemRecenteClick(QString caminho);
    void atualizaCampoPorta();
    void GuardaGeometria();
    void abreArquivosIniciais();

    // TFormPrincJanela.cpp
    void ladoALado(bool vertical);
    QMdiSubWindow *filhaAtiva() const;

    Ambiente m_ambiente;
    Catalogo &m_catalogo;
    TMSComm &m_porta;
    QString m_pastaPrograma;
    std::unique_ptr<TDatalogger> m_datalogger;

    QMdiArea *m_mdi = nullptr;
    LinhaStatus *m_editStatus = nullptr;
    QTimer *m_timerSplash = nullptr;
    QMenu *m_menuPropriedades = nullptr;
    QMenu *m_menuJanela = nullptr;
    QPointer<TFormSplash> m_splash;
    TFrmProgress *m_progresso = nullptr;  // the collection's, made at start
    QPointer<JanelaAjuda> m_ajuda;
    QPointer<QWidget> m_graficoAtual;
    QPointer<QWidget> m_juncaoAtual;
    QPointer<QWidget> m_registros;  // the records' window, when open
    QPointer<QWidget> m_loggers;  // the "Loggers" window, when open
    QLabel *m_campoPorta = nullptr;  // the open port, at the right of the status line
    QList<QAction *> m_itensRecentes;  // the recent files in "&Arquivo", with their separator
    QStringList m_arquivosIniciais;
    std::unique_ptr<QPrinter> m_impressora;
    struct Comando
    {
        QAction *item = nullptr;
        QToolButton *botao = nullptr;
    };
    QHash<QByteArray, Comando> m_comandos;  // by the item's name
    // Every caption and hint with its text number, in layout order.
    QList<QPair<QAction *, int>> m_legendas;
    QList<QPair<QToolButton *, int>> m_dicas;
    bool m_mostrada = false;
    bool m_mostraLimites = true;
    bool m_comunicacaoHabilitada = false;
    bool m_dispositivoOcupado = false;
    bool m_perdaPendente = false;  // a lost port not yet told
    // Graph windows (TFormPrincArquivo.cpp).
    NumeracaoGraficos m_numeracaoGraficos;
    IDialogosArquivo *m_dialogos = nullptr;
    std::shared_ptr<IDialogosArquivo> m_dialogosQt;
};
