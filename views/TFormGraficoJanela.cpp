// The graph window's life in the frame: activation, the companion views,
// saving, export, copy, size and closing. The zoom commands are in
// TFormGraficoZoom.cpp, the mouse in TFormGraficoCursor.cpp.
#include "TFormGrafico.h"

#include "ArquivoQvg.h"
#include "ArranjoGrafico.h"
#include "Catalogo.h"
#include "CursorEspera.h"
#include "ExportacaoTexto.h"
#include "GraficoLinhas.h"
#include "IDialogosArquivo.h"
#include "IMensagens.h"
#include "IRelogio.h"
#include "ImpressaoGrafico.h"
#include "NomeArquivoGrafico.h"
#include "NumeracaoGraficos.h"
#include "Procedencia.h"
#include "Registros.h"
#include "SeloGravacao.h"
#include "SerieLinhas.h"
#include "TFormDados.h"
#include "TFormInform.h"
#include "TFormResumo.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QStyle>

// ---- activation ---------------------------------------------------------

void TFormGrafico::FormActivate()
{
    emit tornouAtual(this);
    FormAtivado();
}

void TFormGrafico::FormDeactivate()
{
    emit tornouAtual(this);
    TheChart->pedeRedesenho();
}

void TFormGrafico::FormAtivado()
{
    esqueceCruz(-1);
    TheChart->pedeRedesenho();
}

// ---- size ---------------------------------------------------------------------

void TFormGrafico::resizeEvent(QResizeEvent *evento)
{
    QWidget::resizeEvent(evento);
    FormResize();
}

void TFormGrafico::FormResize()
{
    // The strip's text shrinks with the chart's in a small window.
    const double escala = std::clamp(std::min(width() / 560.0, height() / 420.0), 0.75, 1.0);
    QFont f = font();
    f.setPointSizeF(font().pointSizeF() * escala);
    m_faixa->setFont(f);
    TheChart->pedeRedesenho();
}

// ---- companion views ----------------------------------------------------------

ContextoVista TFormGrafico::contexto() const
{
    ContextoVista c;
    c.aquisicao = m_aquisicao;
    c.numeroGrafico = m_numero;
    c.ambiente = &m_ambiente;
    c.insere = m_ligacoes.insere;
    c.aoAtivar = m_ligacoes.vistaAtivada;
    return c;
}

void TFormGrafico::Abre_Children(const QString &nome)
{
    emit tornouAtual(this);
    if (m_ligacoes.numeracao)
        m_numero = m_ligacoes.numeracao->registra(this);
    const ContextoVista c = contexto();
    m_inform = TFormInform::Abre_Inform(nome, c);
    m_inform->mostraIntegridade(m_integridade);
    m_dados = TFormDados::Abre_Dados(nome, c);
}

void TFormGrafico::MostraInformacoes()
{
    const bool aberta = m_inform;
    TFormInform::MostraInformacoes(m_inform, windowTitle(), contexto());
    if (!aberta && m_inform)
        m_inform->mostraIntegridade(m_integridade);
}

void TFormGrafico::MostraLeituras()
{
    TFormDados::MostraLeituras(m_dados, windowTitle(), contexto());
}

void TFormGrafico::colocaNaArea(const QRect &area, int ordem)
{
    const int passo = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const ArranjoGrafico::Arranjo r = ArranjoGrafico::calcula(area, ordem, passo);
    const std::pair<QWidget *, QRect> janelas[]
        = { { this, r.grafico }, { m_inform.data(), r.informacoes }, { m_dados.data(), r.leituras } };
    for (const auto &[janela, lugar] : janelas) {
        if (!janela)
            continue;
        auto *sub = qobject_cast<QMdiSubWindow *>(janela->parentWidget());
        (sub ? static_cast<QWidget *>(sub) : janela)->setGeometry(lugar);
    }
}

// ---- files and clipboard ------------------------------------------------------

bool TFormGrafico::Grava_Arquivo(const QString &caminho)
{
    Salvo = ArquivoQvg::salva(*m_aquisicao, caminho, m_ambiente);
    if (!Salvo)
        return false;
    // A file not recorded is still saved: the user was told why.
    SeloGravacao::registra(
        m_ambiente, AcaoAuditoria::Gravacao, caminho, QStringLiteral("qvg"), m_aquisicao.get());
    defineArquivo(caminho);
    emit gravou(caminho);
    return true;
}

bool TFormGrafico::Grava_Arquivo_Exportar(const QString &caminho)
{
    if (!ExportacaoTexto::exporta(*m_aquisicao, caminho, TheChart->minimo(EixoGrafico::Inferior),
            TheChart->maximo(EixoGrafico::Inferior), m_ambiente))
        return false;
    SeloGravacao::registra(
        m_ambiente, AcaoAuditoria::Exportacao, caminho, QStringLiteral("txt"), m_aquisicao.get());
    return true;
}

void TFormGrafico::defineArquivo(const QString &caminho)
{
    m_arquivo = caminho;
    atualizaIntegridade();
}

// Without records (most tests) nothing is shown: "Sem registro" would say
// what is not known.
void TFormGrafico::atualizaIntegridade()
{
    Registros *registros = m_ambiente.registros;
    if (m_arquivo.isEmpty() || !registros || !registros->disponivel()) {
        m_integridade.clear();
        LabelIntegridade->hide();
    } else {
        const Catalogo catalogo = m_ambiente.catalogo ? *m_ambiente.catalogo : Catalogo();
        const EstadoIntegridade estado = registros->integridade(m_arquivo);
        m_integridade = SeloGravacao::linhas(estado, catalogo);
        const QString cor = estado.tipo == EstadoIntegridade::Integro ? QStringLiteral("#006400")
            : estado.tipo == EstadoIntegridade::Alterado              ? QStringLiteral("#b00000")
                                                                      : QStringLiteral("#555555");
        LabelIntegridade->setStyleSheet(QStringLiteral("color: %1").arg(cor));
        LabelIntegridade->setText(
            catalogo.texto(400) + QStringLiteral(": ") + SeloGravacao::descricao(estado, catalogo));
        LabelIntegridade->setToolTip(LabelIntegridade->text());
        LabelIntegridade->show();
    }
    if (m_inform)
        m_inform->mostraIntegridade(m_integridade);
}

void TFormGrafico::CopyToClipboard()
{
    CursorEspera espera;
    TheChart->copiaParaAreaTransferencia();
}

TNodoJuncao TFormGrafico::PreencheNodoJuncao() const
{
    return TNodoJuncao::deAquisicao(*m_aquisicao);
}

bool TFormGrafico::PrintGrafico(QPrinter &impressora)
{
    bool ok = false;
    {
        CursorEspera espera;
        noPapel(true);
        ok = ImpressaoGrafico::imprime(*TheChart, impressora);
        noPapel(false);
    }
    if (!ok && m_ambiente.mensagens)
        m_ambiente.mensagens->aviso(texto(ImpressaoGrafico::TextoFalha));
    return ok;
}

void TFormGrafico::PrintGrafico(QPrinter &impressora, QPainter &pintor)
{
    CursorEspera espera;
    noPapel(true);
    ImpressaoGrafico::desenha(*TheChart, pintor, impressora);
    noPapel(false);
}

void TFormGrafico::noPapel(bool papel)
{
    if (Canal2)
        Canal2->defineLinha(papel ? ImpressaoGrafico::estiloImpresso(2).estilo : Qt::SolidLine, 1);
    TheChart->defineLimitesNoPapel(papel ? ImpressaoGrafico::EstiloLimites : Qt::NoPen);
}

void TFormGrafico::PrintDados(QPrinter &impressora)
{
    if (m_dados)
        m_dados->Print(impressora, m_ligacoes.mostraPrevia);
}

void TFormGrafico::PrintInform(QPrinter &impressora)
{
    if (!m_inform)
        return;
    const Catalogo catalogo = m_ambiente.catalogo ? *m_ambiente.catalogo : Catalogo();
    const QDateTime agora = m_ambiente.relogio ? DataHora::paraQDateTime(m_ambiente.relogio->dataHoraAtual())
                                               : QDateTime::currentDateTime();
    m_inform->Print(impressora, m_ligacoes.mostraPrevia,
        Procedencia::de(m_ambiente.registros, m_arquivo, agora).linhas(catalogo));
}

QString TFormGrafico::nomeParaSalvar() const
{
    return NomeArquivoGrafico::nomeProposto(windowTitle(), int(texto(227).size()));
}

QString TFormGrafico::perguntaSalvar() const
{
    const QString nome = windowTitle().left(qMax<qsizetype>(0, windowTitle().size() - texto(227).size()));
    return texto(226) + nome + QStringLiteral("\" ?");
}

// ---- closing --------------------------------------------------------------------

bool TFormGrafico::FormCloseQuery()
{
    if (!Salvo) {
        const auto resposta = m_ambiente.mensagens ? m_ambiente.mensagens->simNaoCancela(perguntaSalvar())
                                                   : IMensagens::Resposta::Nao;
        if (resposta == IMensagens::Resposta::Cancela)
            return false;
        // A save that was asked for and did not happen (the dialog
        // cancelled, or the file not written) keeps the window and its
        // document: closing it then would lose a collection.
        if (resposta == IMensagens::Resposta::Sim && m_ligacoes.dialogos) {
            const QString caminho = m_ligacoes.dialogos->salvar(
                this, texto(270), texto(269), QStringLiteral("qvg"), nomeParaSalvar());
            if (caminho.isEmpty() || !Grava_Arquivo(caminho))
                return false;
        }
    }
    if (m_ligacoes.numeracao)
        m_ligacoes.numeracao->ReorganizaVetorGrafico(this);
    return true;
}

void TFormGrafico::FormClose()
{
    m_fechada = true;
    for (QWidget *vista : { static_cast<QWidget *>(m_inform.data()), static_cast<QWidget *>(m_dados.data()),
             static_cast<QWidget *>(m_resumo.data()) }) {
        if (!vista)
            continue;
        auto *sub = qobject_cast<QMdiSubWindow *>(vista->parentWidget());
        sub ? sub->close() : vista->close();
    }
    emit fechou(this);
}

void TFormGrafico::closeEvent(QCloseEvent *evento)
{
    if (m_fechada) {
        evento->accept();
        return;
    }
    if (!FormCloseQuery()) {
        evento->ignore();
        return;
    }
    FormClose();
    evento->accept();
    if (!qobject_cast<QMdiSubWindow *>(parentWidget()))
        deleteLater();
}
