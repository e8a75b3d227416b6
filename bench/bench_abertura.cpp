// What the user waits for when opening a recording: from the main window's
// open command with a file name to the event loop idle, with the graph
// window and both companion views shown and painted in the frame at the
// size the program gives a new window. Each measurement runs in a process
// of its own, so that the process's growth (peak resident memory over the
// resident memory before the command) and the first-use costs are the
// user's. The recordings are made like real ones: a type K thermocouple
// and a 4-20 mA channel, noise, single-sample spikes, flat stretches.
//
//   bench_abertura [--vezes N] [--entradas N]...
//   bench_abertura --comando | --etapas | --segunda FILE.qvg   (one run, one line)
//   bench_abertura --gera N FILE.qvg               (writes a recording)
//
// N runs (5) of each size (16,384 and 1,000,000 entries); prints the best
// run's figures and the median, then the breakdown of the best run of a
// second kind of run that makes the command's steps one by one (reading,
// graph set-up, each view) and times the events that follow by the widget
// they went to (chart, graph window, each view, frame) and by kind (paint,
// other).
#include "Ambiente.h"
#include "ArquivoQvg.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "ConfiguracoesIni.h"
#include "DataHora.h"
#include "GraficoLinhas.h"
#include "IMensagens.h"
#include "NumeracaoGraficos.h"
#include "RelogioQt.h"
#include "SinalSonoroQt.h"
#include "TFormDados.h"
#include "TFormGrafico.h"
#include "TFormInform.h"
#include "TFormPrinc.h"
#include "TMSCommRoteador.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <map>

namespace {

// ---- the recording ----------------------------------------------------------

// A small deterministic generator, the same on every machine.
class Sorteio
{
public:
    double uniforme()
    {
        m_estado = m_estado * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(m_estado >> 11) / double(1ULL << 53);
    }
    // Roughly normal, from the sum of four uniform draws.
    double ruido() { return (uniforme() + uniforme() + uniforme() + uniforme() - 2.0) * 1.7; }

private:
    uint64_t m_estado = 0x2545F4914F6CDD1DULL;
};

// An oven cycle on channel 1 (type K, one decimal): ramps, plateaus held
// exactly (the logger reads the same count), noise, and a spike now and then
// from a loose contact. Channel 2 (4-20 mA, two decimals, 0 to 10 bar): a
// pressure that follows the cycle, flat at 0 while the process is off, with
// its own noise and spikes.
TAquisicao gravacao(int n)
{
    TAquisicao a;
    a.Titulo = QStringLiteral("Forno 3 - ciclo de tratamento");
    a.NumCanais = 2;
    a.SensorCanal1 = 1;
    a.SensorCanal2 = 9;
    a.NomeCanal1 = QStringLiteral("Forno");
    a.UnidadeCanal1 = QStringLiteral("°C");
    a.NomeCanal2 = QStringLiteral("Pressão");
    a.UnidadeCanal2 = QStringLiteral("bar");
    a.DecimaisCanal1 = 1;
    a.DecimaisCanal2 = 2;
    a.LimInfCanal1 = -900;
    a.LimSupCanal1 = 13700;
    a.LimInfCanal2 = 0;
    a.LimSupCanal2 = 1000;
    a.Capacidade = 16384;
    a.NumeroSerie = (3 << 16) | 1207;
    a.Firmware = 0x14;
    a.defineIntervalo(2);
    a.Inicio = DataHora::codifica(2026, 3, 2, 7, 0, 0).value_or(0);
    a.reservaLeituras(n);
    Sorteio s;
    const int ciclo = std::max(64, std::min(n, 20000));
    for (int i = 0; i < n; ++i) {
        const double fase = double(i % ciclo) / ciclo;
        double temp;
        double pressao;
        if (fase < 0.25) {
            temp = 25 + fase / 0.25 * 825;
            pressao = 2 + fase * 20;
        } else if (fase < 0.6) {
            temp = 850;
            pressao = 7;
        } else if (fase < 0.85) {
            temp = 850 - (fase - 0.6) / 0.25 * 825;
            pressao = 7 - (fase - 0.6) * 28;
        } else {
            temp = 25;
            pressao = 0;
        }
        const bool plano = fase >= 0.35 && fase < 0.45;  // held exactly
        if (!plano) {
            temp += s.ruido() * 1.5;
            if (pressao > 0)
                pressao += s.ruido() * 0.05;
        }
        if (s.uniforme() < 2e-4)
            temp += 300 + s.uniforme() * 500;
        if (s.uniforme() < 1e-4)
            pressao = 9.5 + s.uniforme() * 0.5;
        a.adicionaLeitura(std::round(temp * 10) / 10, std::round(std::max(0.0, pressao) * 100) / 100);
    }
    a.AjustaFim();
    return a;
}

// ---- figures of this process -------------------------------------------------

long statusKb(const char *campo)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray chave = QByteArray(campo) + ':';
    for (const QByteArray &linha : f.readAll().split('\n')) {
        if (linha.startsWith(chave))
            return linha.mid(chave.size()).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// The peak from now on (the kernel's high-water mark put back to the
// present resident size).
void zeraPico()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

double cpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// ---- events by widget ---------------------------------------------------------

enum Grupo { Grafico, JanelaGrafico, Informacoes, Leituras, Quadro, Grupos };
const char *const kNomesGrupos[] = { "chart", "graph window", "general parameters", "readings", "frame" };

Grupo grupoDe(QObject *o)
{
    for (; o; o = o->parent()) {
        if (qobject_cast<GraficoLinhas *>(o))
            return Grafico;
        if (qobject_cast<TFormGrafico *>(o))
            return JanelaGrafico;
        if (qobject_cast<TFormInform *>(o))
            return Informacoes;
        if (qobject_cast<TFormDados *>(o))
            return Leituras;
    }
    return Quadro;
}

// The time spent in each event, without the events sent from inside it, by
// the widget it went to and whether it was a paint event.
class Aplicacao : public QApplication
{
public:
    using QApplication::QApplication;
    bool contando = false;
    std::array<std::array<double, 2>, Grupos> ms {};
    std::array<int, Grupos> pinturas {};

    bool notify(QObject *o, QEvent *e) override
    {
        if (!contando)
            return QApplication::notify(o, e);
        const bool pintura = e->type() == QEvent::Paint;
        const Grupo g = grupoDe(o);
        QElapsedTimer t;
        t.start();
        const double dentroAntes = m_dentro;
        m_dentro = 0;
        const bool r = QApplication::notify(o, e);
        const double total = t.nsecsElapsed() / 1e6;
        ms[g][pintura] += total - m_dentro;
        pinturas[g] += pintura;
        m_dentro = dentroAntes + total;
        return r;
    }

private:
    double m_dentro = 0;
};

// Runs the events until none is waiting.
void ateOcioso()
{
    QAbstractEventDispatcher *d = QAbstractEventDispatcher::instance();
    for (int vazias = 0; vazias < 2;)
        vazias = d->processEvents(QEventLoop::AllEvents) ? 0 : vazias + 1;
}

class MensagensMudas : public IMensagens
{
public:
    void aviso(const QString &) override { }
    void informacao(const QString &) override { }
    bool simNao(const QString &) override { return false; }
    Resposta simNaoCancela(const QString &) override { return Resposta::Nao; }
    void erro(const QString &t) override { std::fprintf(stderr, "erro: %s\n", qPrintable(t)); }
};

// ---- one measurement (a process of its own) -----------------------------------

// The main window as the program makes it, shown, with its first-show
// steps done and the splash put off.
struct Programa
{
    QTemporaryDir pasta;
    MensagensMudas mensagens;
    RelogioQt relogio;
    SinalSonoroQt sinal;
    Catalogo catalogo;
    ConfigRegional regional = ConfigRegional::portuguesBrasil();
    ConfiguracoesIni configuracoes { pasta.filePath(QStringLiteral("QUORVANE.INI")) };
    TMSCommRoteador porta { &configuracoes };
    std::unique_ptr<TFormPrinc> princ;

    Programa()
    {
        Ambiente ambiente;
        ambiente.mensagens = &mensagens;
        ambiente.relogio = &relogio;
        ambiente.sinal = &sinal;
        ambiente.configuracoes = &configuracoes;
        ambiente.catalogo = &catalogo;
        ambiente.regional = &regional;
        princ = std::make_unique<TFormPrinc>(ambiente, catalogo, porta, pasta.path());
        princ->show();
        ateOcioso();
        if (auto *splash = princ->findChild<QTimer *>(QStringLiteral("TimerSplash")))
            splash->stop();
        ateOcioso();
    }
};

void imprimeEventos(const Aplicacao &app)
{
    for (int g = 0; g < Grupos; ++g)
        std::printf(" paint.%d=%.2f outros.%d=%.2f pinturas.%d=%d", g, app.ms[g][1], g, app.ms[g][0], g,
            app.pinturas[g]);
}

// The command as the user gives it; with segunda, the second time in the
// same program (the first opening's windows closed): what the first use of
// fonts, styles and caches costs is then left out.
int medeComando(Aplicacao &app, const QString &arquivo, bool segunda = false)
{
    Programa p;
    if (segunda) {
        p.princ->Abrir_Grafico(arquivo);
        ateOcioso();
        p.princ->mdiArea()->closeAllSubWindows();
        ateOcioso();
    }
    const long antes = statusKb("VmRSS");
    zeraPico();
    const double cpu0 = cpuMs();
    QElapsedTimer relogio;
    relogio.start();
    app.contando = true;
    p.princ->Abrir_Grafico(arquivo);
    const double comando = relogio.nsecsElapsed() / 1e6;
    ateOcioso();
    const double total = relogio.nsecsElapsed() / 1e6;
    app.contando = false;
    const double cpu = cpuMs() - cpu0;
    const long pico = statusKb("VmHWM");
    std::printf(
        "total=%.2f cpu=%.2f comando=%.2f crescimento=%.1f", total, cpu, comando, (pico - antes) / 1024.0);
    imprimeEventos(app);
    std::printf("\n");
    return app.pinturas[Grafico] && app.pinturas[Informacoes] && app.pinturas[Leituras] ? 0 : 1;
}

// The command's steps one by one, as the main window makes them.
int medeEtapas(Aplicacao &app, const QString &arquivo)
{
    Programa p;
    TFormPrinc &princ = *p.princ;
    const long antes = statusKb("VmRSS");
    zeraPico();
    auto mb = [antes](const char *campo) { return (statusKb(campo) - antes) / 1024.0; };
    QElapsedTimer relogio;
    relogio.start();
    app.contando = true;
    TAquisicao aquisicao;
    if (!ArquivoQvg::abre(arquivo, princ.numeracaoGraficos(), princ.ambiente(), aquisicao))
        return 1;
    const double leitura = relogio.nsecsElapsed() / 1e6;
    const double memLeitura = mb("VmHWM");
    TFormGrafico::Ligacoes ligacoes;
    ligacoes.numeracao = &princ.numeracaoGraficos();
    ligacoes.insere = [&princ](QWidget *vista) { princ.insereFilha(vista); };
    auto *grafico = new TFormGrafico(princ.ambiente(), ligacoes);
    const QString nome = ArquivoQvg::nomeJanela(arquivo);
    grafico->setWindowTitle(nome + p.catalogo.texto(227));
    grafico->Seta_Aquisicao(std::move(aquisicao));
    grafico->Seta_Modo_Arq(true);
    princ.insereFilha(grafico);
    const double montagem = relogio.nsecsElapsed() / 1e6;
    const double memMontagem = mb("VmHWM");
    grafico->Abre_Children(nome);
    grafico->colocaNaArea(princ.mdiArea()->viewport()->rect(), 0);
    princ.UpdateMenuItems();
    const double vistas = relogio.nsecsElapsed() / 1e6;
    const double memVistas = mb("VmHWM");
    app.ms = {};
    app.pinturas = {};
    ateOcioso();
    const double total = relogio.nsecsElapsed() / 1e6;
    app.contando = false;
    std::printf("leitura=%.2f montagem=%.2f vistas=%.2f eventos=%.2f total=%.2f", leitura, montagem - leitura,
        vistas - montagem, total - vistas, total);
    std::printf(" mem.leitura=%.1f mem.montagem=%.1f mem.vistas=%.1f mem.eventos=%.1f mem.final=%.1f",
        memLeitura, memMontagem, memVistas, mb("VmHWM"), mb("VmRSS"));
    imprimeEventos(app);
    std::printf("\n");
    return 0;
}

// ---- the runs --------------------------------------------------------------------

using Figuras = std::map<QString, double>;

Figuras executa(const QString &modo, const QString &arquivo)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(), { modo, arquivo });
    p.waitForFinished(-1);
    Figuras f;
    const QByteArray saida = p.readAllStandardOutput().trimmed();
    for (const QByteArray &par : saida.split(' ')) {
        const qsizetype igual = par.indexOf('=');
        if (igual > 0)
            f[QString::fromLatin1(par.left(igual))] = par.mid(igual + 1).toDouble();
    }
    if (p.exitCode() != 0 || f.empty())
        std::fprintf(stderr, "a run failed: %s\n", saida.constData());
    return f;
}

// The runs of a mode, best (least total time) first.
std::vector<Figuras> corridas(const QString &modo, const QString &arquivo, int vezes)
{
    std::vector<Figuras> todas;
    for (int i = 0; i < vezes; ++i)
        todas.push_back(executa(modo, arquivo));
    std::sort(todas.begin(), todas.end(), [](const Figuras &a, const Figuras &b) {
        return a.at(QStringLiteral("total")) < b.at(QStringLiteral("total"));
    });
    return todas;
}

double valor(const Figuras &f, const QString &chave)
{
    const auto it = f.find(chave);
    return it == f.end() ? 0.0 : it->second;
}

void relataEventos(const Figuras &f)
{
    std::printf("  events after the steps, by widget (paint / other, ms):");
    for (int g = 0; g < Grupos; ++g)
        std::printf("%s %s %.1f / %.1f", g ? "," : "", kNomesGrupos[g],
            valor(f, QStringLiteral("paint.%1").arg(g)), valor(f, QStringLiteral("outros.%1").arg(g)));
    std::printf("\n");
}

void mede(int n, const QTemporaryDir &pasta, int vezes)
{
    const QString arquivo = pasta.filePath(QStringLiteral("gravacao%1.qvg").arg(n));
    ArquivoQvg::grava(gravacao(n), arquivo, ConfigRegional::portuguesBrasil());
    const auto comando = corridas(QStringLiteral("--comando"), arquivo, vezes);
    const Figuras &b = comando.front();
    std::vector<double> crescimentos;
    for (const Figuras &f : comando)
        crescimentos.push_back(valor(f, QStringLiteral("crescimento")));
    std::sort(crescimentos.begin(), crescimentos.end());
    std::printf(
        "%d entries (%.1f MB file), best of %d: ready in %.1f ms wall (median %.1f), %.1f ms processor, "
        "the command %.1f ms and its events %.1f ms; process growth %.1f MB (least %.1f, most %.1f)\n",
        n, QFileInfo(arquivo).size() / 1048576.0, vezes, valor(b, QStringLiteral("total")),
        valor(comando[comando.size() / 2], QStringLiteral("total")), valor(b, QStringLiteral("cpu")),
        valor(b, QStringLiteral("comando")),
        valor(b, QStringLiteral("total")) - valor(b, QStringLiteral("comando")),
        valor(b, QStringLiteral("crescimento")), crescimentos.front(), crescimentos.back());
    const auto etapas = corridas(QStringLiteral("--etapas"), arquivo, vezes);
    const Figuras &e = etapas.front();
    std::printf("  step by step, best of %d: reading %.1f ms, graph set-up %.1f ms, views made %.1f ms, "
                "events to idle %.1f ms, total %.1f ms\n",
        vezes, valor(e, QStringLiteral("leitura")), valor(e, QStringLiteral("montagem")),
        valor(e, QStringLiteral("vistas")), valor(e, QStringLiteral("eventos")),
        valor(e, QStringLiteral("total")));
    std::printf(
        "  process growth at its peak after reading %.1f MB, after the graph set-up %.1f MB, after the "
        "views %.1f MB, at idle %.1f MB (resident then %.1f MB)\n",
        valor(e, QStringLiteral("mem.leitura")), valor(e, QStringLiteral("mem.montagem")),
        valor(e, QStringLiteral("mem.vistas")), valor(e, QStringLiteral("mem.eventos")),
        valor(e, QStringLiteral("mem.final")));
    relataEventos(e);
    const auto segunda = corridas(QStringLiteral("--segunda"), arquivo, vezes);
    std::printf("  the second opening in the same program, best of %d: ready in %.1f ms wall, %.1f ms "
                "processor\n",
        vezes, valor(segunda.front(), QStringLiteral("total")),
        valor(segunda.front(), QStringLiteral("cpu")));
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char **argv)
{
    Aplicacao app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QStringLiteral("--comando"))
        return medeComando(app, args[2]);
    if (args.size() == 3 && args[1] == QStringLiteral("--segunda"))
        return medeComando(app, args[2], true);
    if (args.size() == 3 && args[1] == QStringLiteral("--etapas"))
        return medeEtapas(app, args[2]);
    if (args.size() == 4 && args[1] == QStringLiteral("--gera"))
        return ArquivoQvg::grava(gravacao(args[2].toInt()), args[3], ConfigRegional::portuguesBrasil()) ? 0
                                                                                                        : 1;

    int vezes = 5;
    std::vector<int> tamanhos;
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QStringLiteral("--vezes"))
            vezes = std::max(1, args[i + 1].toInt());
        else if (args[i] == QStringLiteral("--entradas"))
            tamanhos.push_back(args[i + 1].toInt());
    }
    if (tamanhos.empty())
        tamanhos = { 16384, 1000000 };
    QTemporaryDir pasta;
    for (int n : tamanhos)
        mede(n, pasta, vezes);
    return 0;
}
