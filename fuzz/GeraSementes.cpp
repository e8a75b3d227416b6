// Seed generator of the fuzz targets whose inputs no test keeps as files:
// for fuzz_blocos, the blocks and the first acquisitions of every logger of
// the simulator's scenarios (and an empty and an erased one); for fuzz_qvg,
// besides the tests' files, documents written by the .qvg writer in the
// shapes a collection makes. Usage: gera_sementes <folder>; it writes
// <folder>/fuzz_blocos/ and <folder>/fuzz_qvg/.

#include "ArquivoQvg.h"
#include "CenariosTarvek.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "EntradaBlocos.h"
#include "TAquisicao.h"
#include "TarvekSimulado.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

bool grava(const QString &caminho, const QByteArray &bytes)
{
    QFile f(caminho);
    if (f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "gera_sementes: cannot write %s\n", qPrintable(caminho));
    return false;
}

QByteArray entradaBlocos(const TarvekSimulado &t)
{
    QByteArray b = t.configuracaoEm(0);
    b += t.calibracao();
    b += t.naoVolatil();
    b += t.leituras();
    Q_ASSERT(b.size() == EntradaBlocos::Aquisicoes);
    b += t.memoria().mid(TarvekSimulado::InicioAreaAquisicoes, 96);
    return b;
}

bool sementesBlocos(const QString &pasta)
{
    const QDateTime agora(QDate(2026, 12, 7), QTime(9, 30), Qt::UTC);
    bool ok = grava(pasta + QStringLiteral("/vazio.bin"), QByteArray(EntradaBlocos::Aquisicoes, '\0'));
    ok = grava(pasta + QStringLiteral("/apagado.bin"), QByteArray(EntradaBlocos::Aquisicoes + 16, char(0xFF)))
        && ok;
    for (const QString &nome : CenariosTarvek::nomes()) {
        QString erro;
        const auto d = CenariosTarvek::descricao(nome, &erro);
        const auto t = d ? CenariosTarvek::criaTarvek(*d, 0, agora, &erro) : nullptr;
        if (!t) {
            std::fprintf(stderr, "gera_sementes: %s: %s\n", qPrintable(nome), qPrintable(erro));
            return false;
        }
        ok = grava(pasta + u'/' + nome + QStringLiteral(".bin"), entradaBlocos(*t)) && ok;
    }
    return ok;
}

TAquisicao documento(int sensor1, int sensor2, int canais, double intervalo, int entradas)
{
    TAquisicao a;
    a.SensorCanal1 = sensor1;
    a.SensorCanal2 = sensor2;
    a.NumCanais = canais;
    a.LimInfCanal1 = -50;
    a.LimSupCanal1 = 760;
    a.LimInfCanal2 = 0;
    a.LimSupCanal2 = 1000;
    a.DecimaisCanal2 = 1;
    a.OffsetCanal1 = -3;
    a.defineIntervalo(intervalo);
    a.Inicio = DataHora::codifica(2026, 12, 7, 9, 30, 0).value_or(0.0);
    a.Titulo = QStringLiteral("Estufa 2 - ensaio");
    a.NomeCanal1 = QStringLiteral("Temp");
    a.UnidadeCanal1 = QStringLiteral("°C");
    a.NomeCanal2 = QStringLiteral("Umidade");
    a.UnidadeCanal2 = QStringLiteral("%");
    a.FimAposLeituras = 0x8000;
    a.Capacidade = 16000;
    a.NumeroSerie = 157920;
    a.Firmware = 0x13;
    for (int i = 0; i < entradas; ++i)
        a.adicionaLeitura(20.5 + i * 1.25, canais == 2 ? 35.0 - i * 0.5 : 0.0);
    a.AjustaFim();
    return a;
}

bool sementesQvg(const QString &pasta)
{
    const ConfigRegional regional = ConfigRegional::portuguesBrasil();
    struct Forma
    {
        const char *nome;
        TAquisicao aquisicao;
    };
    const Forma formas[] = {
        { "termopar-j.qvg", documento(0, -1, 1, 60, 6) },
        { "dois-canais.qvg", documento(1, 9, 2, 3600, 5) },
        { "meio-segundo.qvg", documento(8, 10, 2, 0, 7) },
        { "so-canal-2.qvg", documento(-1, 8, 1, 1.5, 4) },
        { "sem-entradas.qvg", documento(2, -1, 1, 10, 0) },
    };
    bool ok = true;
    for (const Forma &f : formas)
        ok = grava(pasta + u'/' + QLatin1String(f.nome), ArquivoQvg::conteudo(f.aquisicao, regional)) && ok;
    return ok;
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication aplicacao(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gera_sementes <folder>\n");
        return 2;
    }
    const QString raiz = QString::fromLocal8Bit(argv[1]);
    const QString blocos = raiz + QStringLiteral("/fuzz_blocos");
    const QString qvg = raiz + QStringLiteral("/fuzz_qvg");
    if (!QDir().mkpath(blocos) || !QDir().mkpath(qvg)) {
        std::fprintf(stderr, "gera_sementes: cannot create %s\n", argv[1]);
        return 1;
    }
    return sementesBlocos(blocos) && sementesQvg(qvg) ? 0 : 1;
}
