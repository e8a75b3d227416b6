// Figures of the graph window for large recordings: the time from opening
// an acquisition file to the graph shown, the time to redraw when the
// cross-hair moves, the time of a zoom step, and the peak memory.
//
//   bench_grafico [--capturas <folder>]
//
// With --capturas it also saves pictures of a two-channel, a one-channel
// and a half-second graph window into the folder.
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

double msCruz(TFormGrafico *janela)
{
    const QRect area = janela->TheChart->areaGrafico();
    constexpr int Movimentos = 200;
    QElapsedTimer relogio;
    relogio.start();
    for (int i = 0; i < Movimentos; ++i) {
        janela->TheChart->defineCruz(
            QPoint(area.left() + (i * 7) % area.width(), area.top() + (i * 3) % area.height()));
        janela->TheChart->repaint();
    }
    return relogio.nsecsElapsed() / 1e6 / Movimentos;
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
    const double cruz = msCruz(j.janela);
    const double zoom = msZoom(j.janela);
    saida << QStringLiteral(
        "%1 entries: shown %2 ms, cross-hair move %3 ms, zoom step %4 ms, peak memory %5 MB\n")
                 .arg(n)
                 .arg(j.msAberta, 0, 'f', 1)
                 .arg(cruz, 0, 'f', 3)
                 .arg(zoom, 0, 'f', 1)
                 .arg(picoMemoriaKb() / 1024.0, 0, 'f', 1);
    saida.flush();
    delete j.janela;
}

void captura(const QString &pasta, const QString &nome, TAquisicao a, const Ambiente &ambiente)
{
    QTemporaryDir temp;
    const QString caminho = temp.filePath(nome + QStringLiteral(".qvg"));
    ArquivoQvg::grava(a, caminho, *ambiente.regional);
    NumeracaoGraficos numeracao;
    const Janela j = abre(caminho, ambiente, numeracao);
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
        return 0;
    }
    QTemporaryDir pasta;
    mede(16384, pasta, ambiente, saida);
    mede(1000000, pasta, ambiente, saida);
    return 0;
}
