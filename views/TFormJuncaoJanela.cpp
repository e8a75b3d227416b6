// The merged-graph window under the mouse (cross-hair, date readout, drag
// zoom), its zoom commands, its file, the clipboard and closing.
#include "TFormJuncao.h"

#include "Catalogo.h"
#include "CursorEspera.h"
#include "GraficoLinhas.h"
#include "IDialogosArquivo.h"
#include "IMensagens.h"
#include "ImpressaoGrafico.h"
#include "LeituraCursor.h"
#include "PassosZoom.h"
#include "SeloGravacao.h"
#include "SerieLinhas.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>

void TFormJuncao::ligaGrafico()
{
    connect(ChartJuncao, &QCustomPlot::mouseMove, this, &TFormJuncao::ChartJuncaoMouseMove);
    connect(ChartJuncao, &QCustomPlot::mousePress, this, &TFormJuncao::ChartJuncaoMouseDown);
    connect(ChartJuncao, &QCustomPlot::mouseRelease, this, &TFormJuncao::ChartJuncaoMouseUp);
    connect(ChartJuncao, &GraficoLinhas::mouseSaiu, this, [this] { esqueceCruz(-1); });
    connect(ChartJuncao, &GraficoLinhas::zoomFeito, this, &TFormJuncao::ChartJuncaoZoom);
    connect(ChartJuncao, &GraficoLinhas::zoomDesfeito, this, &TFormJuncao::ChartJuncaoUndoZoom);
    connect(ChartJuncao, &GraficoLinhas::rolou, this, [this] { esqueceCruz(-2); });
    connect(ChartJuncao, &GraficoLinhas::rodou, this, [this] { esqueceCruz(-2); });
    connect(ChartJuncao, &GraficoLinhas::clicado, this, &TFormJuncao::FormAtivado);
    connect(ChartJuncao, &GraficoLinhas::duploClique, this, &TFormJuncao::FormAtivado);
}

// ---- cross-hair and readout -------------------------------------------------

void TFormJuncao::esqueceCruz(int estado)
{
    ChartJuncao->escondeCruz();
    CruzX = estado;
}

void TFormJuncao::FormAtivado()
{
    esqueceCruz(-1);
    ChartJuncao->pedeRedesenho();
}

void TFormJuncao::DrawCross(int x, int y)
{
    if (CheckBoxCross->isChecked())
        ChartJuncao->defineCruz(QPoint(x, y));
}

void TFormJuncao::ChartJuncaoMouseMove(QMouseEvent *evento)
{
    const QPoint p = evento->pos();
    esqueceCruz(-1);
    if (!ChartJuncao->areaGrafico().contains(p))
        return;
    if (CheckBoxCross->isChecked()) {
        DrawCross(p.x(), p.y());
        CruzX = p.x();
        CruzY = p.y();
    }
    const double x = ChartJuncao->valorNoPixel(EixoGrafico::Inferior, p.x());
    Label1->setText(texto(184) + ChartJuncao->textoRotulo(EixoGrafico::Inferior, x));
}

// ---- zoom ---------------------------------------------------------------------

// A drag zoom runs from the whole second under the press to the one under
// the release.
void TFormJuncao::ChartJuncaoMouseDown(QMouseEvent *evento)
{
    if (const auto t = LeituraCursor::segundosInteiros(
            ChartJuncao->valorNoPixel(EixoGrafico::Inferior, evento->pos().x())))
        InicioFaixa = *t;
}

void TFormJuncao::ChartJuncaoMouseUp(QMouseEvent *evento)
{
    if (const auto t = LeituraCursor::segundosInteiros(
            ChartJuncao->valorNoPixel(EixoGrafico::Inferior, evento->pos().x())))
        FimFaixa = *t;
}

void TFormJuncao::ChartJuncaoZoom()
{
    esqueceCruz(-1);
    ChartJuncao->defineAutomatico(EixoGrafico::Inferior, false);
    if (ChartJuncao->defineMinimo(EixoGrafico::Inferior, InicioFaixa))
        ChartJuncao->defineMaximo(EixoGrafico::Inferior, FimFaixa);
}

void TFormJuncao::ChartJuncaoUndoZoom()
{
    esqueceCruz(-2);
    ChartJuncao->defineAutomatico(EixoGrafico::Inferior, true);
    InicioFaixa = ChartJuncao->minimo(EixoGrafico::Inferior);
    FimFaixa = ChartJuncao->maximo(EixoGrafico::Inferior);
}

// One second off each end of the time axis and 50 off each end of the left
// axis, and of the right axis when it has a unit of its own; a step the
// chart refuses ends the zoom there.
void TFormJuncao::aplicaPassosZoom(bool aproxima)
{
    CursorEspera espera;
    ChartJuncao->aplicaPassosZoom(PassosZoom::passos(aproxima, UnidadeEixoEsquerdo != UnidadeEixoDireito));
    esqueceCruz(-2);
    ChartJuncao->redesenha();
}

void TFormJuncao::ZoomIn()
{
    aplicaPassosZoom(true);
}

void TFormJuncao::ZoomOut()
{
    aplicaPassosZoom(false);
}

void TFormJuncao::UndoZoom()
{
    CursorEspera espera;
    ChartJuncao->desfazZoom();
}

// ---- file and clipboard ---------------------------------------------------------

ArquivoQvj::Juncao TFormJuncao::juncao() const
{
    return { UnidadeEixoEsquerdo, UnidadeEixoDireito, m_entradas };
}

QString TFormJuncao::nomeParaSalvar() const
{
    return windowTitle();
}

bool TFormJuncao::Grava_Arquivo(const QString &caminho)
{
    Salvo = ArquivoQvj::grava(juncao(), caminho, regional());
    if (!Salvo && m_ambiente.mensagens)
        m_ambiente.mensagens->aviso(texto(171));
    if (!Salvo)
        return false;
    SeloGravacao::registra(m_ambiente, AcaoAuditoria::Gravacao, caminho, QStringLiteral("qvj"));
    emit gravou(caminho);
    return true;
}

void TFormJuncao::CopyToClipboard()
{
    CursorEspera espera;
    ChartJuncao->copiaParaAreaTransferencia();
}

bool TFormJuncao::PrintGrafico(QPrinter &impressora)
{
    bool ok = false;
    {
        CursorEspera espera;
        for (int i = 2; i <= MontagemJuncao::kSeriesCanais; ++i) {
            const ImpressaoGrafico::EstiloLinha e = ImpressaoGrafico::estiloImpresso(i);
            Series[size_t(i)]->defineLinha(e.estilo, e.largura);
        }
        ok = ImpressaoGrafico::imprime(*ChartJuncao, impressora);
        for (int i = 2; i <= MontagemJuncao::kSeriesCanais; ++i)
            Series[size_t(i)]->defineLinha(Qt::SolidLine, 1);
        ChartJuncao->pedeRedesenho();
    }
    if (!ok && m_ambiente.mensagens)
        m_ambiente.mensagens->aviso(texto(ImpressaoGrafico::TextoFalha));
    return ok;
}

// ---- closing --------------------------------------------------------------------

// A merge of open windows asks to be saved. Yes with a cancelled dialog or
// a failed write keeps the window: closing it then would lose the merge.
bool TFormJuncao::FormCloseQuery()
{
    if (Salvo)
        return true;
    const auto resposta
        = m_ambiente.mensagens ? m_ambiente.mensagens->simNaoCancela(texto(229)) : IMensagens::Resposta::Nao;
    if (resposta == IMensagens::Resposta::Cancela)
        return false;
    if (resposta == IMensagens::Resposta::Sim && m_ligacoes.dialogos) {
        const QString caminho = m_ligacoes.dialogos->salvar(
            this, texto(274), texto(273), QStringLiteral("qvj"), nomeParaSalvar());
        if (caminho.isEmpty())
            return false;
        CursorEspera espera;
        return Grava_Arquivo(caminho);
    }
    return true;
}

void TFormJuncao::closeEvent(QCloseEvent *evento)
{
    if (!m_fechada && !FormCloseQuery()) {
        evento->ignore();
        return;
    }
    m_fechada = true;
    emit fechou(this);
    evento->accept();
}
