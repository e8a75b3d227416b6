// Times a chart picture of a large recording beside gnuplot: a
// 1,000,000-entry two-channel .qvg (or the count given as the first
// argument) drawn by `quorvane-cli grafico` into a 1600x1000 PNG, and the
// same two series drawn by gnuplot (pngcairo) from the recording's CSV
// export, one after the other in this run. Each program is timed from its
// start to its exit, reading its file included. Prints both times and
// their ratio; gnuplot is skipped when it is not installed.

#include "ArquivoQvg.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "ExportacaoCsv.h"
#include "TAquisicao.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

namespace {

TAquisicao gera(int entradas)
{
    TAquisicao a;
    a.NumCanais = 2;
    a.SensorCanal1 = 1;
    a.SensorCanal2 = 9;
    a.DecimaisCanal1 = 0;
    a.DecimaisCanal2 = 2;
    a.LimInfCanal1 = -90;
    a.LimSupCanal1 = 1370;
    a.LimSupCanal2 = 10000;
    a.defineIntervalo(1);
    a.Titulo = QStringLiteral("Ensaio longo");
    a.NomeCanal1 = QStringLiteral("Forno");
    a.NomeCanal2 = QStringLiteral("Pressão");
    a.UnidadeCanal1 = QStringLiteral("°C");
    a.UnidadeCanal2 = QStringLiteral("bar");
    a.Inicio = DataHora::codifica(2024, 6, 14, 8, 0, 0).value_or(0);
    a.reservaLeituras(entradas);
    for (int i = 0; i < entradas; ++i)
        a.adicionaLeitura(std::round((400 + 300 * std::sin(i / 5000.0) + (i % 7)) * 10) / 10,
            std::round((50 + 40 * std::cos(i / 20000.0)) * 100) / 100);
    a.AjustaFim();
    return a;
}

// Runs a program to its end; the wall time in seconds, or -1 on failure.
double cronometra(const QString &programa, const QStringList &argumentos)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer t;
    t.start();
    p.start(programa, argumentos);
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "%s falhou (%d)\n", qPrintable(programa), p.exitCode());
        return -1;
    }
    return t.nsecsElapsed() / 1e9;
}

QString scriptGnuplot(const QString &csv, const QString &png)
{
    return QStringLiteral(
        "set terminal pngcairo size 1600,1000\n"
        "set output '%2'\n"
        "set datafile separator ','\n"
        "set xdata time\n"
        "set timefmt '%Y-%m-%dT%H:%M:%S'\n"
        "set format x '%H:%M'\n"
        "set ytics nomirror\n"
        "set y2tics\n"
        "set grid\n"
        "set title 'Ensaio longo'\n"
        "plot '%1' every ::1 using 1:2 with lines lc rgb 'red' title 'Forno (°C)', \\\n"
        "     '' every ::1 using 1:3 axes x1y2 with lines lc rgb 'blue' title 'Pressão (bar)'\n")
        .arg(csv, png);
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int entradas = argc > 1 ? std::atoi(argv[1]) : 1000000;
    QTemporaryDir pasta;
    const QString qvg = pasta.filePath(QStringLiteral("longo.qvg"));
    const QString csv = pasta.filePath(QStringLiteral("longo.csv"));
    const TAquisicao a = gera(entradas);
    ExportacaoCsv::Opcoes opcoes;
    opcoes.separador = u',';
    opcoes.decimal = u'.';
    opcoes.bom = false;
    if (!ArquivoQvg::grava(a, qvg, ConfigRegional::portuguesBrasil())
        || !ExportacaoCsv::grava(a, csv, 0, a.NumLeituras() - 1, opcoes)) {
        std::fprintf(stderr, "não foi possível escrever os arquivos\n");
        return 1;
    }
    std::printf("%d entradas, 1600x1000 PNG\n", entradas);

    const double nosso = cronometra(QStringLiteral(QUORVANE_CLI),
        { QStringLiteral("grafico"), qvg, pasta.filePath(QStringLiteral("quorvane.png")),
            QStringLiteral("--largura"), QStringLiteral("1600"), QStringLiteral("--altura"),
            QStringLiteral("1000") });
    if (nosso < 0)
        return 1;
    std::printf("quorvane-cli grafico (do .qvg):  %7.3f s\n", nosso);

    const QString gnuplot = QStandardPaths::findExecutable(QStringLiteral("gnuplot"));
    if (gnuplot.isEmpty()) {
        std::printf("gnuplot não instalado (apt-get install gnuplot-nox): comparação pulada\n");
        return 0;
    }
    const QString script = pasta.filePath(QStringLiteral("grafico.gp"));
    QFile f(script);
    if (!f.open(QIODevice::WriteOnly))
        return 1;
    f.write(scriptGnuplot(csv, pasta.filePath(QStringLiteral("gnuplot.png"))).toUtf8());
    f.close();
    const double deles = cronometra(gnuplot, { script });
    if (deles < 0)
        return 1;
    std::printf("gnuplot pngcairo (do CSV):       %7.3f s\n", deles);
    std::printf("razão quorvane/gnuplot:          %7.3f (meta: 0,5 ou menos)\n", nosso / deles);
    if (argc > 2) {
        // Keeps both pictures for a look, over any kept before.
        for (const char *sufixo : { "-quorvane.png", "-gnuplot.png" })
            QFile::remove(QString::fromLocal8Bit(argv[2]) + QLatin1String(sufixo));
        QFile::copy(pasta.filePath(QStringLiteral("quorvane.png")),
            QString::fromLocal8Bit(argv[2]) + "-quorvane.png");
        QFile::copy(
            pasta.filePath(QStringLiteral("gnuplot.png")), QString::fromLocal8Bit(argv[2]) + "-gnuplot.png");
    }
    return 0;
}
