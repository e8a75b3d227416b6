// Figures of the graph window for large recordings: the time from opening
// an acquisition file to the graph shown, the time of a mouse move over the
// chart (cross-hair and readouts, painted), the time of a zoom step, the
// time to place the measurement markers over the whole recording, and the
// peak memory.
//
//   bench_grafico [--capturas <folder>]
//
// With --capturas it saves pictures of a two-channel, a one-channel and a
// half-second graph window with the readouts of the mouse, and of the
// measurement strip, into the folder instead.
#include "ArquivoQvg.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "GraficoLinhas.h"
#include "NumeracaoGraficos.h"
#include "TFormGrafico.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

#include <cmath>

namespace {

TAquisicao documento(int n, int canais, double intervalo)
{
    TAquisicao a;
    a.Titulo = QStringLiteral("Forno 3 - ensaio de estufa");
    a.NumCanais = canais;
    a.SensorCanal1 = canais == 2 ? 1 : -1;  // type K
    a.SensorCanal2 = 9;  // 4-20 mA
    a.NomeCanal1 = QStringLiteral("Temp");
    a.UnidadeCanal1 = QStringLiteral("°C");
    a.NomeCanal2 = QStringLiteral("Umid");
    a.UnidadeCanal2 = QStringLiteral("%");
    a.DecimaisCanal1 = 0;
    a.DecimaisCanal2 = 1;
    a.LimInfCanal2 = 0;
    a.LimSupCanal2 = 1000;
    a.defineIntervalo(intervalo);
    a.Inicio = DataHora::codifica(2026, 3, 14, 9, 30, 0).value_or(0);
    a.reservaLeituras(n);
    for (int i = 0; i < n; ++i) {
        const double t = i * 0.002;
        const double c1 = 180 + 120 * std::sin(t) + 8 * std::sin(t * 17);
        const double c2 = 55 + 25 * std::cos(t * 0.7) + 3 * std::sin(t * 11);
        a.adicionaLeitura(canais == 2 ? c1 : 0.0, c2);
    }
    a.AjustaFim();
    return a;
}

long picoMemoriaKb()
{
    rusage uso {};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

struct Janela
{
    TFormGrafico *janela;
    double msAberta;
};

Janela abre(const QString &caminho, const Ambiente &ambiente, NumeracaoGraficos &numeracao)
{
    QElapsedTimer relogio;
    relogio.start();
    ArquivoQvg::Resultado r = ArquivoQvg::leArquivo(caminho, *ambiente.regional);
    TFormGrafico::Ligacoes ligacoes;
    ligacoes.numeracao = &numeracao;
    auto *janela = new TFormGrafico(ambiente, ligacoes);
    janela->resize(1000, 640);
    janela->setWindowTitle(QDir(caminho).dirName() + ambiente.catalogo->texto(227));
    janela->Seta_Aquisicao(std::move(r.aquisicao));
    janela->Seta_Modo_Arq(true);
    janela->show();
    janela->repaint();
    QApplication::processEvents();
    return { janela, relogio.nsecsElapsed() / 1e6 };
}

void moveMouse(GraficoLinhas *grafico, QPoint p)
{
    QMouseEvent move(
        QEvent::MouseMove, p, grafico->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(grafico, &move);
}

void clicaComShift(GraficoLinhas *grafico, QPoint p)
{
    const QPointF global = grafico->mapToGlobal(p);
    QMouseEvent aperta(
        QEvent::MouseButtonPress, p, global, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    QMouseEvent solta(QEvent::MouseButtonRelease, p, global, Qt::LeftButton, Qt::NoButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(grafico, &aperta);
    QCoreApplication::sendEvent(grafico, &solta);
}

// A mouse move: the cross-hair moved, the readouts written, and what
// changed painted.
double msMouse(TFormGrafico *janela)
{
    const QRect area = janela->TheChart->areaGrafico();
    constexpr int Aquecimento = 50;
    constexpr int Movimentos = 1000;
    QElapsedTimer relogio;
    for (int i = 0; i < Aquecimento + Movimentos; ++i) {
        if (i == Aquecimento)
            relogio.start();
        moveMouse(janela->TheChart,
            QPoint(area.left() + (i * 7) % area.width(), area.top() + (i * 3) % area.height()));
        QApplication::processEvents();
    }
    return relogio.nsecsElapsed() / 1e6 / Movimentos;
}

// Marker A at the first pixel, then (timed) marker B at the last: the
// measurement over the whole recording, its strip and the markers painted.
double msMarcadores(TFormGrafico *janela)
{
    const QRect area = janela->TheChart->areaGrafico();
    clicaComShift(janela->TheChart, QPoint(area.left() + 1, area.center().y()));
    QApplication::processEvents();
    QElapsedTimer relogio;
    relogio.start();
    clicaComShift(janela->TheChart, QPoint(area.right(), area.center().y()));
    QApplication::processEvents();
    return relogio.nsecsElapsed() / 1e6;
}

double msZoom(TFormGrafico *janela)
{
    QElapsedTimer relogio;
    relogio.start();
    janela->ZoomIn();
    janela->TheChart->repaint();
    const double ms = relogio.nsecsElapsed() / 1e6;
    janela->UndoZoom();
    return ms;
}

void mede(int n, QTemporaryDir &pasta, const Ambiente &ambiente, QTextStream &saida)
{
    const QString caminho = pasta.filePath(QStringLiteral("grande%1.qvg").arg(n));
    ArquivoQvg::grava(documento(n, 2, 10), caminho, *ambiente.regional);
    NumeracaoGraficos numeracao;
    const Janela j = abre(caminho, ambiente, numeracao);
    const double mouse = msMouse(j.janela);
    const double zoom = msZoom(j.janela);
    const double marcadores = msMarcadores(j.janela);
    saida << QStringLiteral("%1 entries: shown %2 ms, mouse move %3 ms, zoom step %4 ms, "
                            "markers over the whole recording %5 ms (entries %6 to %7), peak memory %8 MB\n")
                 .arg(n)
                 .arg(j.msAberta, 0, 'f', 1)
                 .arg(mouse, 0, 'f', 3)
                 .arg(zoom, 0, 'f', 1)
                 .arg(marcadores, 0, 'f', 2)
                 .arg(j.janela->marcadorA() + 1)
                 .arg(j.janela->marcadorB() + 1)
                 .arg(picoMemoriaKb() / 1024.0, 0, 'f', 1);
    saida.flush();
    delete j.janela;
}

// The window with the mouse at 40 % of the plot's width and, when asked,
// markers at 20 % and 70 %.
void captura(const QString &pasta, const QString &nome, TAquisicao a, const Ambiente &ambiente,
    bool marcadores = false)
{
    QTemporaryDir temp;
    const QString caminho = temp.filePath(nome + QStringLiteral(".qvg"));
    ArquivoQvg::grava(a, caminho, *ambiente.regional);
    NumeracaoGraficos numeracao;
    const Janela j = abre(caminho, ambiente, numeracao);
    const QRect area = j.janela->TheChart->areaGrafico();
    auto em = [&](double f) { return QPoint(area.left() + int(area.width() * f), area.center().y()); };
    if (marcadores) {
        clicaComShift(j.janela->TheChart, em(0.2));
        clicaComShift(j.janela->TheChart, em(0.7));
    }
    moveMouse(j.janela->TheChart, em(0.4));
    QApplication::processEvents();
    j.janela->grab().save(QDir(pasta).filePath(QStringLiteral("graph-%1.png").arg(nome)));
    delete j.janela;
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Catalogo catalogo;
    const ConfigRegional regional = ConfigRegional::portuguesBrasil();
    Ambiente ambiente;
    ambiente.catalogo = &catalogo;
    ambiente.regional = &regional;
    QTextStream saida(stdout);

    const QStringList args = app.arguments();
    const qsizetype i = args.indexOf(QStringLiteral("--capturas"));
    if (i >= 0 && i + 1 < args.size()) {
        const QString pasta = args[i + 1];
        captura(pasta, QStringLiteral("dois-canais"), documento(2000, 2, 60), ambiente);
        captura(pasta, QStringLiteral("um-canal"), documento(300, 1, 10), ambiente);
        captura(pasta, QStringLiteral("meio-segundo"), documento(120, 2, 0), ambiente);
        captura(pasta, QStringLiteral("marcadores"), documento(2000, 2, 60), ambiente, true);
        return 0;
    }
    QTemporaryDir pasta;
    mede(16384, pasta, ambiente, saida);
    mede(1000000, pasta, ambiente, saida);
    return 0;
}
