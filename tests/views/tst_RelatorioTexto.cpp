// The rules of the printed text reports: the lines each kind prints, the
// texts of header and footer, and how the lines fall into pages.
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "GravacaoTeste.h"
#include "LinhasLeituras.h"
#include "RegistroTestes.h"
#include "RelatorioTexto.h"
#include "TAquisicao.h"

#include <QTemporaryDir>
#include <QtTest>

using RelatorioTexto::Modo;

namespace {

TAquisicao documento(int entradas)
{
    TAquisicao a = gravacaoForno();
    a.DecimaisCanal1 = 1;
    a.DecimaisCanal2 = 2;
    return comLeiturasSemFim(a, entradas, [](int i) { return ParTeste(20 + i, 50 - i); });
}

QStringList linhasDe(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return { QStringLiteral("<sem arquivo>") };
    QStringList l = QString::fromUtf8(f.readAll()).split(u'\n');
    if (l.last().isEmpty())
        l.removeLast();
    return l;
}

// The page sizes a report of `total` lines gets.
QList<int> paginas(int total, int porPagina)
{
    int dadas = 0;
    RelatorioTexto::Paginacao p(
        [&dadas, total](QString &linha) {
            if (dadas == total)
                return false;
            linha = QString::number(++dadas);
            return true;
        },
        porPagina);
    QList<int> tamanhos;
    QStringList linhas;
    int esperada = 1;
    while (p.proxima(linhas)) {
        if (!linhas.isEmpty() && linhas.first() != QString::number(esperada))
            return { -1 };
        esperada += int(linhas.size());
        tamanhos << int(linhas.size());
        if (tamanhos.size() > 1000)
            break;
    }
    return tamanhos;
}

}  // namespace

class tst_RelatorioTexto : public QObject
{
    Q_OBJECT
private slots:
    void paginacao_data();
    void paginacao();
    void linhasPorPaginaCarta_data();
    void linhasPorPaginaCarta();
    void cabecalhoERodapePorTipo();
    void leiturasSemOCabecalhoDaLista_data();
    void leiturasSemOCabecalhoDaLista();
    void informacoesLinhaALinha();
};

void tst_RelatorioTexto::paginacao_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("porPagina");
    QTest::addColumn<QList<int>>("esperado");
    QTest::newRow("nothing: header and footer alone") << 0 << 42 << QList<int> { 0 };
    QTest::newRow("one line") << 1 << 42 << QList<int> { 1 };
    QTest::newRow("exactly one page") << 42 << 42 << QList<int> { 42 };
    QTest::newRow("one over") << 43 << 42 << QList<int> { 42, 1 };
    QTest::newRow("exactly two pages") << 84 << 42 << QList<int> { 42, 42 };
    QTest::newRow("one line a page") << 3 << 1 << QList<int> { 1, 1, 1 };
}

void tst_RelatorioTexto::paginacao()
{
    QFETCH(int, total);
    QFETCH(int, porPagina);
    QFETCH(QList<int>, esperado);
    QCOMPARE(paginas(total, porPagina), esperado);
}

void tst_RelatorioTexto::linhasPorPaginaCarta_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<double>("alturaUtil");
    QTest::addColumn<int>("esperado");
    // Letter is 11 inches tall; 10 mm margins above and below.
    const double carta = 11 * 96 - 2 * 10 / 25.4 * 96;
    QTest::newRow("readings on Letter") << int(Modo::Leituras) << carta << 42;
    QTest::newRow("general parameters on Letter") << int(Modo::Informacoes) << carta << 43;
    QTest::newRow("just one line") << int(Modo::Leituras) << 150.0 << 1;
    QTest::newRow("never less than one") << int(Modo::Leituras) << 100.0 << 1;
    QTest::newRow("three lines") << int(Modo::Informacoes) << 165.0 << 3;
}

void tst_RelatorioTexto::linhasPorPaginaCarta()
{
    QFETCH(int, modo);
    QFETCH(double, alturaUtil);
    QFETCH(int, esperado);
    QCOMPARE(RelatorioTexto::linhasPorPagina(Modo(modo), alturaUtil), esperado);
}

void tst_RelatorioTexto::cabecalhoERodapePorTipo()
{
    Catalogo catalogo;
    QCOMPARE(RelatorioTexto::alturaCabecalho(Modo::Leituras), 90.0);
    QCOMPARE(RelatorioTexto::alturaCabecalho(Modo::Informacoes), 65.0);
    QCOMPARE(RelatorioTexto::cabecalhoColunas(Modo::Leituras, catalogo),
        QStringLiteral("Num. Registro   Horário           Data              Canal 1          Canal 2"));
    QVERIFY(RelatorioTexto::cabecalhoColunas(Modo::Informacoes, catalogo).isEmpty());
    QCOMPARE(RelatorioTexto::nomeTemporario(Modo::Leituras), QStringLiteral("Temp2.txt"));
    QCOMPARE(RelatorioTexto::nomeTemporario(Modo::Informacoes), QStringLiteral("Temp1.txt"));
    QCOMPARE(RelatorioTexto::rodape(12, catalogo), QStringLiteral("Página:  12"));
    catalogo.substitui(120, QStringLiteral("Page: "));
    QCOMPARE(RelatorioTexto::rodape(3, catalogo), QStringLiteral("Page: 3"));
    const TDateTime agora = DataHora::codifica(2026, 12, 7, 9, 5, 3).value();
    QCOMPARE(RelatorioTexto::dataHora(agora, ConfigRegional::portuguesBrasil()),
        QStringLiteral("07/12/2026 09:05:03"));
}

void tst_RelatorioTexto::leiturasSemOCabecalhoDaLista_data()
{
    QTest::addColumn<int>("entradas");
    QTest::newRow("only the heading") << 0;
    QTest::newRow("one entry") << 1;
    QTest::newRow("three entries") << 3;
}

void tst_RelatorioTexto::leiturasSemOCabecalhoDaLista()
{
    QFETCH(int, entradas);
    const TAquisicao a = documento(entradas);
    Catalogo catalogo;
    const ConfigRegional regional = ConfigRegional::portuguesBrasil();
    LinhasLeituras lista(a, catalogo, regional);
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(RelatorioTexto::nomeTemporario(Modo::Leituras));
    QVERIFY(RelatorioTexto::gravaLeituras(arquivo, lista));
    QStringList esperado;
    for (int k = 1; k <= entradas; ++k)
        esperado << lista.linha(k);
    QCOMPARE(linhasDe(arquivo), esperado);
    QVERIFY(!RelatorioTexto::gravaLeituras(pasta.filePath(QStringLiteral("nao/existe.txt")), lista));
}

void tst_RelatorioTexto::informacoesLinhaALinha()
{
    const QStringList texto { QStringLiteral("Número de Série:  00010010"), QStringLiteral(" "),
        QStringLiteral("Título:  Forno"), QString() };
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(RelatorioTexto::nomeTemporario(Modo::Informacoes));
    QVERIFY(RelatorioTexto::gravaInformacoes(arquivo, texto));
    QCOMPARE(linhasDe(arquivo), texto);
}

QUORVANE_TEST_GUILESS_MAIN(tst_RelatorioTexto)
#include "tst_RelatorioTexto.moc"
