#include "AmbienteFalso.h"
#include "Catalogo.h"
#include "ExportacaoTexto.h"
#include "GravacaoTeste.h"
#include "Instantes.h"
#include "LinhasLeituras.h"
#include "RegistroTestes.h"
#include "TAquisicao.h"
#include "TextoInformacoes.h"
#include "Windows1252.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

TAquisicao documento(double intervalo, int entradas)
{
    TAquisicao a = gravacaoForno();
    a.DecimaisCanal1 = 1;
    a.DecimaisCanal2 = 1;
    a.defineIntervalo(intervalo);
    a.Titulo = QStringLiteral("Câmara");
    return comLeituras(a, entradas, [](int i) { return ParTeste(i, 2 * i); });
}

QStringList linhasDoArquivo(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList l = Windows1252::decodifica(f.readAll()).split(QStringLiteral("\r\n"));
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}

}  // namespace

class tst_ExportacaoTexto : public QObject
{
    Q_OBJECT
private slots:
    void faixaDoTempoMostrado_data();
    void faixaDoTempoMostrado();
    void exportaTudo();
    void exportaSoOZoom();
    void exportaMeioSegundo();
    void faixaForaDasEntradasNaoEscreveOCabecalhoComoLeitura();
    void exportarDuasVezesSubstitui();
    void falhaAvisaCadaParte();
};

void tst_ExportacaoTexto::faixaDoTempoMostrado_data()
{
    QTest::addColumn<double>("intervalo");
    QTest::addColumn<int>("segundosMin");  // from Inicio
    QTest::addColumn<int>("segundosMax");
    QTest::addColumn<int>("primeira");
    QTest::addColumn<int>("ultima");
    // 20 entries.
    QTest::newRow("whole graph") << 10.0 << 0 << 190 << 1 << 20;
    QTest::newRow("zoom on entries 5 to 9") << 10.0 << 40 << 80 << 5 << 9;
    QTest::newRow("zoom between points") << 10.0 << 45 << 85 << 5 << 9;
    QTest::newRow("starts a step before Inicio") << 10.0 << -10 << 30 << 1 << 4;
    QTest::newRow("starts far before Inicio") << 10.0 << -500 << 30 << 1 << 4;
    QTest::newRow("ends after the last entry") << 10.0 << 150 << 900 << 16 << 20;
    QTest::newRow("wholly before") << 10.0 << -500 << -20 << 1 << 0;
    QTest::newRow("wholly after") << 10.0 << 300 << 900 << 21 << 20;
    QTest::newRow("half-second spacing of 120 s") << 0.0 << 240 << 600 << 3 << 6;
    QTest::newRow("interval under a second never divides by zero") << 0.25 << 0 << 4 << 1 << 5;
}

void tst_ExportacaoTexto::faixaDoTempoMostrado()
{
    QFETCH(double, intervalo);
    QFETCH(int, segundosMin);
    QFETCH(int, segundosMax);
    QFETCH(int, primeira);
    QFETCH(int, ultima);
    const TAquisicao a = documento(intervalo, 20);
    const auto x = [&](int s) { return s >= 0 ? SomaSegundos(s, a.Inicio) : SubtraiSegundos(-s, a.Inicio); };
    const ExportacaoTexto::Faixa f = ExportacaoTexto::faixa(a, x(segundosMin), x(segundosMax));
    QCOMPARE(f.primeira, primeira);
    QCOMPARE(f.ultima, ultima);
}

void tst_ExportacaoTexto::exportaTudo()
{
    AmbienteFalso c;
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("saida.txt"));
    const TAquisicao a = documento(10, 3);
    QVERIFY(ExportacaoTexto::exporta(a, caminho, a.Inicio, a.Fim, c.ambiente));
    QVERIFY(c.mensagens.registro.isEmpty());
    const QStringList info = Atualiza_Informacoes(a, c.catalogo, c.regional);
    const LinhasLeituras lista(a, c.catalogo, c.regional);
    QStringList esperado = info;
    esperado << QStringLiteral(" ") << QStringLiteral("Tabela de Aquisições")
             << QStringLiteral(
                    "Num. Registro         Horário           Data           Canal 1                Canal 2")
             << lista.linha(1) << lista.linha(2) << lista.linha(3);
    const QStringList lido = linhasDoArquivo(caminho);
    QCOMPARE(lido, esperado);
    // The column heading stands over the columns of the lines.
    const QString cabecalho = lido[info.size() + 2];
    const QString primeira = lido[info.size() + 3];
    QCOMPARE(cabecalho.indexOf(QStringLiteral("Horário")), 22);
    QCOMPARE(cabecalho.indexOf(QStringLiteral("Data")), 40);
    QCOMPARE(cabecalho.indexOf(QStringLiteral("Canal 1")), 55);
    QCOMPARE(cabecalho.indexOf(QStringLiteral("Canal 2")), 78);
    QCOMPARE(primeira.indexOf(QStringLiteral("10:00:00")), 22);
    QCOMPARE(primeira.indexOf(QStringLiteral("01/01/2000")), 40);
    QVERIFY(primeira.startsWith(QStringLiteral("00001 ")));
}

void tst_ExportacaoTexto::exportaSoOZoom()
{
    AmbienteFalso c;
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("zoom.txt"));
    const TAquisicao a = documento(10, 20);
    QVERIFY(ExportacaoTexto::exporta(a, caminho, a.instante(4), a.instante(8), c.ambiente));
    const QStringList lido = linhasDoArquivo(caminho);
    const int g = Atualiza_Informacoes(a, c.catalogo, c.regional).size();
    QCOMPARE(lido.size(), g + 3 + 5);
    QVERIFY(lido[g + 3].startsWith(QStringLiteral("00005")));
    QVERIFY(lido.last().startsWith(QStringLiteral("00009")));
}

void tst_ExportacaoTexto::exportaMeioSegundo()
{
    AmbienteFalso c;
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("meio.txt"));
    const TAquisicao a = documento(0, 6);
    // The graph spreads half-second entries 120 s apart.
    QVERIFY(ExportacaoTexto::exporta(
        a, caminho, SomaSegundos(120, a.Inicio), SomaSegundos(360, a.Inicio), c.ambiente));
    const QStringList lido = linhasDoArquivo(caminho);
    const int g = Atualiza_Informacoes(a, c.catalogo, c.regional).size();
    QCOMPARE(lido.size(), g + 3 + 3);
    QCOMPARE(lido[g + 3].mid(0, 5), QStringLiteral("00002"));
    QCOMPARE(lido[g + 3].mid(22, 11), QStringLiteral("10:00:00 .5"));
    QCOMPARE(lido[g + 5].mid(22, 11), QStringLiteral("10:00:01 .5"));
}

void tst_ExportacaoTexto::faixaForaDasEntradasNaoEscreveOCabecalhoComoLeitura()
{
    AmbienteFalso c;
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("fora.txt"));
    const TAquisicao a = documento(10, 5);
    QVERIFY(ExportacaoTexto::exporta(
        a, caminho, SubtraiSegundos(10, a.Inicio), SomaSegundos(1000, a.Inicio), c.ambiente));
    const QStringList lido = linhasDoArquivo(caminho);
    const int g = Atualiza_Informacoes(a, c.catalogo, c.regional).size();
    QCOMPARE(lido.size(), g + 3 + 5);
    QCOMPARE(lido.filter(QStringLiteral("Num. Registro")).size(), 1);
    QVERIFY(lido[g + 3].startsWith(QStringLiteral("00001")));
    QVERIFY(lido.last().startsWith(QStringLiteral("00005")));
}

void tst_ExportacaoTexto::exportarDuasVezesSubstitui()
{
    AmbienteFalso c;
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("duas.txt"));
    const TAquisicao a = documento(10, 20);
    QVERIFY(ExportacaoTexto::exporta(a, caminho, a.Inicio, a.Fim, c.ambiente));
    QVERIFY(ExportacaoTexto::exporta(a, caminho, a.instante(0), a.instante(1), c.ambiente));
    const int g = Atualiza_Informacoes(a, c.catalogo, c.regional).size();
    QCOMPARE(linhasDoArquivo(caminho).size(), g + 3 + 2);
}

void tst_ExportacaoTexto::falhaAvisaCadaParte()
{
    AmbienteFalso c;
    QTemporaryDir pasta;
    const TAquisicao a = documento(10, 3);
    QVERIFY(!ExportacaoTexto::exporta(
        a, pasta.filePath(QStringLiteral("nao/existe.txt")), a.Inicio, a.Fim, c.ambiente));
    QCOMPARE(c.mensagens.textos(),
        (QStringList { QStringLiteral("Erro na gravação do arquivo de informações"),
            QStringLiteral("Erro na gravação do arquivo de aquisições") }));
}

QUORVANE_TEST_GUILESS_MAIN(tst_ExportacaoTexto)
#include "tst_ExportacaoTexto.moc"
