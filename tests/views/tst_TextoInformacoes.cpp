#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "GravacaoTeste.h"
#include "RegistroTestes.h"

#include "TAquisicao.h"
#include "TextoInformacoes.h"
#include <QtTest>

namespace {

TAquisicao doisCanais()
{
    TAquisicao a = gravacaoTeste();
    a.NumeroSerie = (1 << 16) | 10;
    a.Firmware = 0x113;  // only the low byte counts
    a.Capacidade = 16000;
    a.SensorCanal1 = 1;
    a.NomeCanal1 = QStringLiteral("Temp");
    a.ModoCanal1 = 1;
    a.OffsetCanal1 = -3;
    a.NomeCanal2 = QStringLiteral("Pressão");
    a.ModoCanal2 = 2;
    a.OffsetCanal2 = 12;
    a.Titulo = QStringLiteral("Forno");
    a.defineIntervalo(10);
    a.LeiturasPorAquisicao = 5;
    a.Inicio = DataHora::codifica(2000, 1, 1, 10, 0, 0).value();
    return comLeituras(a, 4, [](int i) { return ParTeste(i, i); });
}

QStringList texto(const TAquisicao &a)
{
    Catalogo catalogo;
    return Atualiza_Informacoes(a, catalogo, ConfigRegional::portuguesBrasil());
}

}  // namespace

class tst_TextoInformacoes : public QObject
{
    Q_OBJECT
private slots:
    void formataIntervalo_data();
    void formataIntervalo();
    void textoDeDoisCanais();
    void meioSegundoSemLinhasDeLeituras();
    void intervaloNegativoPeloTamanho();
    void blocosDosCanais_data();
    void blocosDosCanais();
    void offsetPorCanal_data();
    void offsetPorCanal();
    void numeroDeSerie_data();
    void numeroDeSerie();
};

void tst_TextoInformacoes::formataIntervalo_data()
{
    QTest::addColumn<double>("segundos");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("hours, minutes, seconds") << 3725.0 << "  1h  2min  5seg";
    QTest::newRow("seconds only") << 10.0 << " 10seg";
    QTest::newRow("whole minutes") << 120.0 << "  2min";
    QTest::newRow("fraction cut") << 2.5 << "  2seg";
    QTest::newRow("half a second") << 0.5 << "  0seg";
    QTest::newRow("zero") << 0.0 << "";
    QTest::newRow("whole hour") << 3600.0 << "  1h";
    QTest::newRow("hour and seconds") << 3601.0 << "  1h  1seg";
    QTest::newRow("almost a day") << 86399.0 << " 23h 59min 59seg";
    QTest::newRow("hundred hours") << 360000.0 << " 100h";
    QTest::newRow("fraction above a minute") << 90.5 << "  1min 30seg";
}

void tst_TextoInformacoes::formataIntervalo()
{
    QFETCH(double, segundos);
    QFETCH(QString, esperado);
    Catalogo catalogo;
    QCOMPARE(Formata_Intervalo(segundos, catalogo), esperado);
}

void tst_TextoInformacoes::textoDeDoisCanais()
{
    const QStringList esperado {
        QStringLiteral("Número de Série:  00010010"),
        QStringLiteral("Firmware:  1.3"),
        QStringLiteral("Capacidade Máxima de Aquisições: 16000"),
        QStringLiteral(" "),
        QStringLiteral("Canal 1: Sensor Termopar K - Temp (°C)"),
        QStringLiteral("Aquisições programadas por: Máximo"),
        QStringLiteral("Offset: -3"),
        QStringLiteral("Canal 2: Sensor 4-20mA - Pressão (bar)"),
        QStringLiteral("Aquisições programadas por: Mínimo"),
        QStringLiteral("Offset: 0,12"),
        QStringLiteral(" "),
        QStringLiteral("Dados da Aquisição"),
        QStringLiteral("Título:  Forno"),
        QStringLiteral("Intervalo entre leituras: :   2seg"),
        QStringLiteral("Nro. de leituras p/ gerar aquisição:  5"),
        QStringLiteral("Intervalo entre aquisições: 10seg."),
        QStringLiteral("Data Inicial: 01/01/2000"),
        QStringLiteral("Hora Inicial: 10:00:00"),
        QStringLiteral("Data Final: 01/01/2000"),
        QStringLiteral("Hora Final: 10:00:30"),
        QStringLiteral("Total de Aquisições: 4"),
        QStringLiteral(" "),
        QStringLiteral("Primeira aquisição: sábado, 1 de janeiro de 2000 às 10:00:00"),
        QStringLiteral("Última aquisição: sábado, 1 de janeiro de 2000 às 10:00:30"),
    };
    QCOMPARE(texto(doisCanais()), esperado);
}

void tst_TextoInformacoes::meioSegundoSemLinhasDeLeituras()
{
    TAquisicao a = doisCanais();
    a.defineIntervalo(0);
    a.adicionaLeitura(5, 5);  // 5 entries: the last one is 10:00:02 .0
    a.AjustaFim();
    const QStringList t = texto(a);
    QVERIFY(!t.join(u'\n').contains(QStringLiteral("Intervalo entre leituras")));
    QVERIFY(!t.join(u'\n').contains(QStringLiteral("Nro. de leituras")));
    QCOMPARE(t[13], QStringLiteral("Intervalo entre aquisições: 0.5 seg."));
    QCOMPARE(t[16], QStringLiteral("Data Final: 01/01/2000"));
    QCOMPARE(t[17], QStringLiteral("Hora Final: 10:00:02 .0"));
    QCOMPARE(t[20], QStringLiteral("Primeira aquisição: sábado, 1 de janeiro de 2000 às 10:00:00 .0"));
    QCOMPARE(t[21], QStringLiteral("Última aquisição: sábado, 1 de janeiro de 2000 às 10:00:02 .0"));
    a.adicionaLeitura(6, 6);
    a.AjustaFim();
    QCOMPARE(texto(a)[17], QStringLiteral("Hora Final: 10:00:02 .5"));
}

void tst_TextoInformacoes::intervaloNegativoPeloTamanho()
{
    // As the instants take it: 10 s between entries, the last at 10:00:30.
    TAquisicao a = doisCanais();
    a.defineIntervalo(-10);
    a.AjustaFim();
    const QStringList t = texto(a);
    QCOMPARE(t[13], QStringLiteral("Intervalo entre leituras: :   2seg"));
    QCOMPARE(t[15], QStringLiteral("Intervalo entre aquisições: 10seg."));
    QCOMPARE(t[19], QStringLiteral("Hora Final: 10:00:30"));
}

void tst_TextoInformacoes::blocosDosCanais_data()
{
    QTest::addColumn<int>("canais");
    QTest::addColumn<int>("sensor1");
    QTest::addColumn<int>("sensor2");
    QTest::addColumn<QStringList>("blocos");  // the first line of each block
    const QString k = QStringLiteral("Canal 1: Sensor Termopar K - Temp (°C)");
    const QString nenhum1 = QStringLiteral("Canal 1:  - Temp (°C)");
    const QString ma = QStringLiteral("Canal 2: Sensor 4-20mA - Pressão (bar)");
    const QString nenhum2 = QStringLiteral("Canal 2:  - Pressão (bar)");
    QTest::newRow("two channels") << 2 << 1 << 9 << QStringList { k, ma };
    QTest::newRow("one channel recorded on channel 2") << 1 << -1 << 9 << QStringList { ma };
    QTest::newRow("one channel recorded on channel 1") << 1 << 1 << -1 << QStringList { k };
    QTest::newRow("one channel, neither recorded") << 1 << -1 << -1 << QStringList();
    QTest::newRow("0 channels count as two") << 0 << 1 << -1 << QStringList { k, nenhum2 };
    QTest::newRow("negative channels count as two")
        << -2147483647 - 1 << -1 << 9 << QStringList { nenhum1, ma };
    QTest::newRow("3 channels count as two") << 3 << -1 << -1 << QStringList { nenhum1, nenhum2 };
}

void tst_TextoInformacoes::blocosDosCanais()
{
    QFETCH(int, canais);
    QFETCH(int, sensor1);
    QFETCH(int, sensor2);
    QFETCH(QStringList, blocos);
    TAquisicao a = doisCanais();
    a.NumCanais = canais;
    a.SensorCanal1 = sensor1;
    a.SensorCanal2 = sensor2;
    const QStringList t = texto(a);
    // Three lines per block, between the blank after the identity and the
    // blank before the acquisition's data.
    QCOMPARE(t[3], QStringLiteral(" "));
    const qsizetype fim = t.indexOf(QStringLiteral(" "), 4);
    QCOMPARE(fim, 4 + 3 * blocos.size());
    QStringList primeiras;
    for (qsizetype i = 4; i < fim; i += 3)
        primeiras << t[i];
    QCOMPARE(primeiras, blocos);
}

void tst_TextoInformacoes::offsetPorCanal_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("decimais");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("Pt100 in tenths whatever the decimals") << 8 << 2 << 5 << "Offset: 0,5";
    QTest::newRow("0 decimals as an integer") << 1 << 0 << -7 << "Offset: -7";
    QTest::newRow("1 decimal") << 9 << 1 << -15 << "Offset: -1,5";
    QTest::newRow("3 decimals") << 10 << 3 << 1234 << "Offset: 1,234";
    QTest::newRow("other decimals: nothing") << 9 << 4 << 12 << "Offset: ";
}

void tst_TextoInformacoes::offsetPorCanal()
{
    QFETCH(int, sensor);
    QFETCH(int, decimais);
    QFETCH(int, offset);
    QFETCH(QString, esperado);
    TAquisicao a = doisCanais();
    a.SensorCanal1 = sensor;
    a.DecimaisCanal1 = decimais;
    a.OffsetCanal1 = offset;
    QCOMPARE(texto(a)[6], esperado);
}

void tst_TextoInformacoes::numeroDeSerie_data()
{
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("high 1, low 10") << ((1 << 16) | 10) << "Número de Série:  00010010";
    QTest::newRow("zero") << 0 << "Número de Série:  00000000";
    QTest::newRow("halves of five digits") << ((12345 << 16) | 65535) << "Número de Série:  1234565535";
    QTest::newRow("negative reads as unsigned halves") << -1 << "Número de Série:  6553565535";
}

void tst_TextoInformacoes::numeroDeSerie()
{
    QFETCH(int, numero);
    QFETCH(QString, esperado);
    TAquisicao a = doisCanais();
    a.NumeroSerie = numero;
    QCOMPARE(texto(a)[0], esperado);
}

QUORVANE_TEST_GUILESS_MAIN(tst_TextoInformacoes)
#include "tst_TextoInformacoes.moc"
