// The rules of the printed text reports: the lines each kind prints, the
// texts of header and footer, and how the lines fall into pages.
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "GravacaoTeste.h"
#include "LinhasLeituras.h"
#include "PerfilAlarme.h"
#include "RegistroTestes.h"
#include "RelatorioConformidade.h"
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
    void paginasConformidade_data();
    void paginasConformidade();
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

// The compliance report's day table, one row a day from 01/06/2024 (an
// entry an hour, judged by "geladeira"), after `soltas` loose lines.
void tst_RelatorioTexto::paginasConformidade_data()
{
    QTest::addColumn<int>("soltas");
    QTest::addColumn<int>("dias");
    QTest::addColumn<int>("porPagina");
    QTest::addColumn<QList<int>>("esperado");
    QTest::addColumn<QString>("linhaQuebra");  // the first row of page 2
    QTest::addColumn<bool>("continua");  // page 2 repeats the heading as a continuation
    QTest::newRow("one page: loose line, blank, heading, rows")
        << 1 << 3 << 20 << QList<int> { 7 } << QString() << false;
    QTest::newRow("a break inside the table repeats its heading")
        << 1 << 30 << 20 << QList<int> { 20, 16 } << "17/06/2024" << true;
    QTest::newRow("a heading never ends a page")
        << 17 << 3 << 20 << QList<int> { 17, 5 } << "01/06/2024" << false;
}

void tst_RelatorioTexto::paginasConformidade()
{
    QFETCH(int, soltas);
    QFETCH(int, dias);
    QFETCH(int, porPagina);
    QFETCH(QList<int>, esperado);
    QFETCH(QString, linhaQuebra);
    QFETCH(bool, continua);
    TAquisicao a = gravacaoTeste();
    a.defineIntervalo(3600);
    a.Inicio = DataHora::codifica(2024, 6, 1, 0, 0, 0).value();
    a = comLeituras(a, dias * 24, [](int i) { return ParTeste(4 + i % 24 / 4, 1); });
    const Catalogo cat;
    const ConfigRegional regional = ConfigRegional::portuguesBrasil();
    const Avaliacao av = avalia(a, *PerfisAlarme::procura(PerfisAlarme::fornecidos(), "geladeira"));
    const QList<RelatorioConformidade::Linha> linhas(soltas, { QStringLiteral("x") });
    const QList<QList<RelatorioConformidade::Linha>> paginas = RelatorioConformidade::paginas(
        linhas, RelatorioConformidade::dias(a, av, cat, regional), porPagina, QStringLiteral("(cont.)"));
    QList<int> tamanhos;
    for (const auto &p : paginas)
        tamanhos << int(p.size());
    QCOMPARE(tamanhos, esperado);
    if (paginas.size() < 2)
        return;
    QVERIFY(paginas[1].at(0).texto.startsWith(QStringLiteral("Canal 1")));
    QCOMPARE(paginas[1].at(0).texto.endsWith(QStringLiteral(" (cont.)")), continua);
    QCOMPARE(paginas[1].at(1).estilo, RelatorioConformidade::Estilo::Colunas);
    QVERIFY2(paginas[1].at(2).texto.startsWith(linhaQuebra + u'\t'), qPrintable(paginas[1].at(2).texto));
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
