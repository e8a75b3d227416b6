// What the user waits for when opening "Registros": from the window's
// construction to its first paint (offscreen), with a records folder of
// 100,000 events and 10,000 sealed recordings. The folder is filled through
// the records' own API (each event signed and chained as the program does),
// the recordings' files written, so that a visible row's integrity reads
// a real file. Filling takes a while; a folder given with --pasta is kept
// and used again when it is already full.
//
//   bench_registros [--pasta DIR] [--vezes N]
#include "Ambiente.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "Registros.h"
#include "TAquisicao.h"
#include "TFormRegistros.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kEventos = 100000;
constexpr int kGravacoes = 10000;

qint64 conta(Registros &r, const char *tabela)
{
    QSqlQuery q(r.banco().db());
    return q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(tabela))) && q.next()
        ? q.value(0).toLongLong()
        : 0;
}

// 10,000 recordings of 20 loggers, each saved and sealed; the rest of the
// 100,000 events configurations, collections and limits.
void preenche(Registros &r, const QString &pasta)
{
    // The bench's own connection writes without waiting for the disk: the
    // figure is the opening, not the filling.
    QSqlQuery(r.banco().db()).exec(QStringLiteral("PRAGMA synchronous=OFF"));
    QDir().mkpath(pasta + QStringLiteral("/gravacoes"));
    const qint64 selos = conta(r, "selos");
    for (qint64 k = selos; k < kGravacoes; ++k) {
        TAquisicao a;
        a.NumeroSerie = qint32(1000 + k % 20);
        a.Titulo = QStringLiteral("Câmara %1").arg(k % 20);
        a.defineIntervalo(60);
        a.Inicio = 45000 + double(k);
        for (int e = 0; e < 16; ++e)
            a.adicionaLeitura(4 + e % 3, 50);
        const QString caminho = pasta + QStringLiteral("/gravacoes/g%1.qvg").arg(k);
        QFile f(caminho);
        if (!f.open(QIODevice::WriteOnly) || f.write(QByteArray::number(k).repeated(64)) < 0)
            return;
        f.close();
        r.registraArquivo(AcaoAuditoria::Gravacao, caminho, QStringLiteral("qvg"), &a, k % 7 == 0);
    }
    for (qint64 k = conta(r, "trilha"); k < kEventos; ++k) {
        QJsonObject d;
        d.insert(QStringLiteral("campo"),
            QJsonObject {
                { QStringLiteral("antes"), int(k % 5) }, { QStringLiteral("depois"), int(k % 5 + 1) } });
        const QString acao = k % 3 == 0 ? AcaoAuditoria::Coleta
                                        : AcaoAuditoria::Configuracao + AcaoAuditoria::SufixoResultado;
        if (!r.registra({ acao, 1000 + k % 20, d }))
            return;
    }
}

// Construction to the end of the first paint of the window's table.
class FimPintura : public QObject
{
public:
    bool pintou = false;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            pintou = true;
        return QObject::eventFilter(o, e);
    }
};

double abre(const Ambiente &ambiente)
{
    QElapsedTimer t;
    t.start();
    TFormRegistros janela(ambiente, {});
    FimPintura fim;
    janela.TabelaGravacoes->viewport()->installEventFilter(&fim);
    janela.resize(1000, 600);
    janela.show();
    while (!fim.pintou)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();  // the paint's own end, and nothing pending
    const double ms = t.nsecsElapsed() / 1e6;
    janela.removeEventFilter(&fim);
    return ms;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTemporaryDir temporaria;
    const qsizetype p = args.indexOf(QStringLiteral("--pasta"));
    const QString pasta = p >= 0 && p + 1 < args.size() ? args.at(p + 1) : temporaria.path();
    const qsizetype v = args.indexOf(QStringLiteral("--vezes"));
    const int vezes = v >= 0 && v + 1 < args.size() ? std::max(1, args.at(v + 1).toInt()) : 5;

    Registros registros(pasta);
    if (!registros.disponivel()) {
        std::fprintf(stderr, "%s\n", qPrintable(registros.motivo()));
        return 1;
    }
    QElapsedTimer t;
    t.start();
    preenche(registros, pasta);
    std::printf("records: %lld events, %lld seals (filled in %.1f s)\n", conta(registros, "trilha"),
        conta(registros, "selos"), t.elapsed() / 1000.0);

    const Catalogo catalogo;
    const ConfigRegional regional = ConfigRegional::portuguesBrasil();
    Ambiente ambiente;
    ambiente.catalogo = &catalogo;
    ambiente.regional = &regional;
    ambiente.registros = &registros;
    std::vector<double> tempos;
    for (int k = 0; k < vezes; ++k)
        tempos.push_back(abre(ambiente));
    const double primeira = tempos.front();
    std::sort(tempos.begin(), tempos.end());
    std::printf("Registros window, construction to first paint: first %.1f ms, best %.1f ms, median %.1f ms "
                "(goal 200 ms)\n",
        primeira, tempos.front(), tempos[tempos.size() / 2]);
    return 0;
}
