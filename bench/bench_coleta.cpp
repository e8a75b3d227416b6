// Times a collection of a full 32768-byte memory (16 pages): quorvane-cli
// coletar against quorvane-tarvek-sim --pace (19200 baud, 11 bits a byte)
// on a pseudo-terminal, beside the least time those exchanges can take:
// the waits the link prescribes plus the bytes that travel outside them.
// Then times the decoding of the largest memories alone.
//
//   bench_coleta [--vezes N] [--so-decodificacao]

#include "ArquivoQvg.h"
#include "CenariosTarvek.h"
#include "ConfigRegional.h"
#include "DecodificacaoColeta.h"
#include "TarvekSimulado.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#ifndef QUORVANE_TARVEK_SIM
#error "QUORVANE_TARVEK_SIM must name the simulator executable"
#endif
#ifndef QUORVANE_CLI
#error "QUORVANE_CLI must name the command-line tool"
#endif

namespace {

// ---- the floor ----------------------------------------------------------

// One byte on the line: 11 bits at 19200 baud.
constexpr double MsPorByte = 11.0 * 1000.0 / 19200.0;

struct Piso
{
    double esperas = 0;  // the link's fixed waits
    double linha = 0;  // bytes that travel outside them
    double total() const { return esperas + linha; }
};

// The exchanges of a collection of `paginas` pages.
Piso pisoDaColeta(int paginas)
{
    Piso p;
    const int comandos = 3 + paginas;
    // Every command starts with an activation: a wait of 10 ms, 08h, then
    // 200 ms in which its echo and F0h (3 bytes) come back.
    p.esperas += comandos * (10.0 + 200.0);
    // The block reads wait a fixed time, longer than their replies take
    // (34, 125 and 39 bytes: 20, 72 and 22 ms).
    p.esperas += 200.0 + 1000.0 + 200.0;
    // A page: 02h, 6 ms (in which its echo comes back), the page byte; the
    // wait ends when 2049 bytes are waiting: the page byte goes out, then
    // its echo and 2047 data bytes come in; then 250 ms, within which the
    // last data byte and the checksum arrive.
    p.esperas += paginas * (6.0 + 250.0);
    p.linha += paginas * 2049 * MsPorByte;
    return p;
}

// ---- the collection through the pseudo-terminal ----------------------------

struct Simulador
{
    QProcess processo;
    QString terminal;

    bool inicia(const QStringList &argumentos)
    {
        processo.start(QStringLiteral(QUORVANE_TARVEK_SIM), argumentos);
        if (!processo.waitForStarted(5000))
            return false;
        while (!processo.canReadLine() && processo.waitForReadyRead(5000)) { }
        terminal = QString::fromLocal8Bit(processo.readLine()).trimmed();
        return !terminal.isEmpty();
    }
    ~Simulador()
    {
        if (processo.state() != QProcess::NotRunning) {
            processo.terminate();
            if (!processo.waitForFinished(5000))
                processo.kill();
        }
    }
};

// One quorvane-cli coletar, in ms; negative when it failed.
double coletaUmaVez(const QString &terminal, int *entradas)
{
    QTemporaryDir pasta;
    QProcess cli;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QUORVANE_CONFIG_DIR"), pasta.filePath(QStringLiteral("config")));
    cli.setProcessEnvironment(ambiente);
    cli.setWorkingDirectory(pasta.path());
    const QString arquivo = pasta.filePath(QStringLiteral("cheia.qvg"));
    QElapsedTimer relogio;
    relogio.start();
    cli.start(QStringLiteral(QUORVANE_CLI),
        { QStringLiteral("coletar"), QStringLiteral("--porta"), terminal, QStringLiteral("--saida"),
            arquivo });
    if (!cli.waitForFinished(120'000) || cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0) {
        std::fprintf(stderr, "quorvane-cli coletar falhou:\n%s\n", cli.readAllStandardError().constData());
        return -1;
    }
    const double ms = double(relogio.nsecsElapsed()) / 1e6;
    *entradas = ArquivoQvg::leArquivo(arquivo, ConfigRegional::portuguesBrasil()).aquisicao.NumLeituras();
    return ms;
}

bool medeColeta(int vezes)
{
    Simulador sim;
    if (!sim.inicia(
            { QStringLiteral("--cenario"), QStringLiteral("memoria-cheia"), QStringLiteral("--pace") })) {
        std::fprintf(stderr, "o simulador não abriu um terminal: %s\n",
            sim.processo.readAllStandardError().constData());
        return false;
    }
    const Piso piso = pisoDaColeta(DecodificacaoColeta::MaximoPaginas);
    std::printf("Coleta de uma memória cheia de 32768 bytes (16 páginas), 19200 baud, 11 bits por byte\n");
    std::printf("  piso do protocolo                    %9.1f ms  (esperas %.0f ms + linha %.1f ms)\n",
        piso.total(), piso.esperas, piso.linha);
    std::vector<double> tempos;
    for (int i = 0; i < vezes; ++i) {
        int entradas = 0;
        const double ms = coletaUmaVez(sim.terminal, &entradas);
        if (ms < 0)
            return false;
        tempos.push_back(ms);
        std::printf("  quorvane-cli coletar (%d entradas)  %9.1f ms  (+%.1f ms, %+.2f%%)\n", entradas, ms,
            ms - piso.total(), 100.0 * (ms - piso.total()) / piso.total());
    }
    if (vezes > 1) {
        const double melhor = *std::min_element(tempos.begin(), tempos.end());
        std::printf("  melhor                               %9.1f ms  (%+.2f%%)\n", melhor,
            100.0 * (melhor - piso.total()) / piso.total());
    }
    return true;
}

// ---- the decoding alone -----------------------------------------------------

// The time this thread has run, unlike the wall clock not lengthened by
// other programs sharing the processor.
double msDeCpu()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Memoria
{
    QByteArray configuracao, naoVolatil, calibracao, imagem;
};

// The scenario memoria-cheia with the given sensors, its memory full.
Memoria memoriaCheia(int sensor1, int sensor2)
{
    QString erro;
    DescricaoTarvek d = *CenariosTarvek::descricao(QStringLiteral("memoria-cheia"), &erro);
    d.canais[0].sensor = sensor1;
    d.canais[1].sensor = sensor2;
    d.quantidade = d.capacidade();
    d.parada = d.capacidade();
    const std::unique_ptr<TarvekSimulado> t = CenariosTarvek::criaTarvek(d, 0, QDateTime(), &erro);
    if (!t)
        qFatal("%s", qPrintable(erro));
    return { t->configuracaoEm(0), t->naoVolatil(), t->calibracao(), t->memoria() };
}

void medeDecodificacao(const char *nome, int sensor1, int sensor2)
{
    const Memoria m = memoriaCheia(sensor1, sensor2);
    const DecodificacaoColeta::Plano plano
        = DecodificacaoColeta::planeja(m.configuracao, m.naoVolatil, m.calibracao, false);
    std::vector<double> tempos;
    std::vector<double> cpu;
    int entradas = 0;
    for (int i = 0; i < 200; ++i) {
        const double cpuAntes = msDeCpu();
        QElapsedTimer relogio;
        relogio.start();
        const TAquisicao a = DecodificacaoColeta::decodifica(plano, m.calibracao, m.imagem);
        tempos.push_back(double(relogio.nsecsElapsed()) / 1e6);
        cpu.push_back(msDeCpu() - cpuAntes);
        entradas = a.NumLeituras();
    }
    std::sort(tempos.begin(), tempos.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("  %-22s %6d entradas  mediana %6.3f ms (CPU %6.3f ms)  mínimo %6.3f ms\n", nome, entradas,
        tempos[tempos.size() / 2], cpu[cpu.size() / 2], tempos.front());
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype i = args.indexOf(QStringLiteral("--vezes"));
    const int vezes = i > 0 && i + 1 < args.size() ? std::max(1, args[i + 1].toInt()) : 1;
    if (!args.contains(QStringLiteral("--so-decodificacao")) && !medeColeta(vezes))
        return 1;
    std::printf("Decodificação da memória de 32768 bytes (200 vezes)\n");
    medeDecodificacao("dois canais, 4 bytes", CodigoSensor::TermoparJ + 4, CodigoSensor::Corrente4a20mA);
    medeDecodificacao("termopar, 3 bytes", CodigoSensor::TermoparJ + 1, 0);
    medeDecodificacao("4-20 mA, 2 bytes", CodigoSensor::Corrente4a20mA, 0);
    return 0;
}
