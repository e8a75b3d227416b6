// The first graph window of a run costs more than the ones after it: it is
// the first to use the chart's fonts (families looked up and their sizes
// loaded), the glyphs of its texts, the style's frames and the code of the
// chart. That cost is taken here, once, while the frame waits for its
// first command: a small graph with its two views, in frames like the
// workspace's, is drawn where nobody sees it and thrown away.
#include "TFormPrinc.h"

#include "DataHora.h"
#include "TAquisicao.h"
#include "TFormGrafico.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace {

// Two channels with names, units and a title in the texts a recording has.
TAquisicao amostra()
{
    TAquisicao a;
    a.Titulo = QStringLiteral("Aquisição");
    a.NumCanais = 2;
    a.SensorCanal1 = 1;
    a.SensorCanal2 = 9;
    a.NomeCanal1 = QStringLiteral("Canal 1");
    a.UnidadeCanal1 = QStringLiteral("°C");
    a.NomeCanal2 = QStringLiteral("Pressão");
    a.UnidadeCanal2 = QStringLiteral("bar");
    a.DecimaisCanal1 = 1;
    a.DecimaisCanal2 = 2;
    a.LimInfCanal1 = -900;
    a.LimSupCanal1 = 13700;
    a.LimSupCanal2 = 1000;
    a.Capacidade = 16384;
    a.defineIntervalo(2);
    a.Inicio = DataHora::codifica(2026, 1, 1, 0, 0, 0).value_or(0);
    for (int i = 0; i < 64; ++i)
        a.adicionaLeitura(i % 10 * 11.1, i % 7 * 1.23);
    a.Fim = a.instante(a.NumLeituras() - 1);
    return a;
}

}  // namespace

void TFormPrinc::PreparaPrimeiroGrafico()
{
    // A window already open (files named on the command line) has paid.
    if (!m_mdi->subWindowList().isEmpty())
        return;
    QList<QPointer<QMdiSubWindow>> molduras;
    TFormGrafico::Ligacoes ligacoes;
    ligacoes.insere = [&molduras, this](QWidget *vista) {
        auto *moldura = new QMdiSubWindow;
        moldura->setAttribute(Qt::WA_DontShowOnScreen);
        moldura->setWidget(vista);
        moldura->setWindowIcon(windowIcon());
        molduras.append(moldura);
    };
    auto *grafico = new TFormGrafico(m_ambiente, ligacoes);
    grafico->setWindowTitle(QStringLiteral("Gráfico"));
    grafico->Seta_Aquisicao(amostra());
    ligacoes.insere(grafico);
    grafico->Abre_Children(grafico->windowTitle());
    grafico->colocaNaArea(m_mdi->viewport()->rect(), 0);
    for (const QPointer<QMdiSubWindow> &moldura : std::as_const(molduras))
        if (moldura)
            moldura->grab();
    for (const QPointer<QMdiSubWindow> &moldura : std::as_const(molduras))
        delete moldura.data();
}
