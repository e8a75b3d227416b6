// Acquisition files holding values that only an edited or damaged file
// holds, opened as the program opens them: read, taken by the graph window
// (Fim, the temperature limits, the common scale, the x value and label of
// each point) and laid out by the views' text builders, the export and the
// saving included. In the sanitizer build a value that reaches undefined
// behaviour on the way stops the test.
#include "AmbienteFalso.h"
#include "ArquivoQvg.h"
#include "ExportacaoTexto.h"
#include "Instantes.h"
#include "LinhasLeituras.h"
#include "RegistroTestes.h"
#include "TAquisicao.h"
#include "TabelaTempo.h"
#include "TextoInformacoes.h"
#include "Windows1252.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// A two-channel file of three entries: K thermocouple and 4-20 mA, 10 s.
QStringList linhasBase()
{
    return { QStringLiteral("1"), "0", "500", "9", "-100", "1000", "2", "10", "02/01/2000", "10:00:00",
        "02/01/2000", "10:00:20", "5", "1", "2", "Forno", "Temp", "Pressão", "°C", "bar", "3", "23,46",
        "-1,50", "1,23", "0,00", "0,00", "100,00", "32768", "16000", "65546", "7", "19", "1", "3", "-3", "12",
        "113" };
}

// The line numbers (0-based) of a three-entry file.
enum Linha {
    Sensor1 = 0,
    LimInf1 = 1,
    LimSup1 = 2,
    Sensor2 = 3,
    LimInf2 = 4,
    LimSup2 = 5,
    Canais = 6,
    Intervalo = 7,
    LeiturasPorAquisicao = 12,
    Modo1 = 13,
    Modo2 = 14,
    Quantas = 20,
    PrimeiroValor = 21,
    FimApos = 27,
    Capacidade = 28,
    Serie = 29,
    Firmware = 31,
    Decimais1 = 32,
    Decimais2 = 33,
    Offset1 = 34,
    Offset2 = 35,
};

QByteArray arquivo(const QStringList &linhas)
{
    QByteArray b;
    for (const QString &l : linhas)
        b += Windows1252::codifica(l) + "\r\n";
    return b;
}

QStringList comAlteracoes(const QStringList &alteracoes)
{
    QStringList linhas = linhasBase();
    for (const QString &a : alteracoes) {
        const qsizetype dois = a.indexOf(u':');
        linhas[a.left(dois).toInt()] = a.mid(dois + 1);
    }
    return linhas;
}

// Everything the program shows of a document it has opened, as one text:
// the general parameters, the readings list's heading and its first and
// last lines, the time axis's title and the labels of its first and last
// points, the export of the last two entries and, with salva, the file it
// would save.
QString abreComoOPrograma(TAquisicao a, AmbienteFalso &falsos, bool salva = true)
{
    a.AjustaFim();
    a.NormalizaLimites();
    const EscalaComum escala = DefineMaxMin(a);
    QStringList texto = Atualiza_Informacoes(a, falsos.catalogo, falsos.regional);
    const LinhasLeituras linhas(a, falsos.catalogo, falsos.regional);
    texto << linhas.cabecalho();
    const int n = a.NumLeituras();
    const int ultima = std::max(0, n - 1);
    if (n > 0)
        texto << linhas.entrada(0) << linhas.entrada(ultima);
    texto << TabelaTempo::tituloEixo(a, falsos.catalogo, falsos.regional)
          << TabelaTempo::tituloCanal(a.NomeCanal1, a.UnidadeCanal1);
    const int largura = LarguraRotulo(a.Inicio, a.Fim);
    for (int i : { 0, std::min(1, ultima), ultima }) {
        for (auto serie : { TabelaTempo::Serie::Primeira, TabelaTempo::Serie::Segunda })
            texto << TabelaTempo::rotulo(a, serie, i, largura, falsos.regional);
    }
    const double x0 = TabelaTempo::x(a, 0);
    const double xn = TabelaTempo::x(a, ultima);
    const ExportacaoTexto::Faixa tudo = ExportacaoTexto::faixa(a, x0, xn);
    texto << QStringLiteral("faixa %1 %2 escala %3 %4")
                 .arg(tudo.primeira)
                 .arg(tudo.ultima)
                 .arg(QString::number(escala.EscalaMin, 'f', 3), QString::number(escala.EscalaMax, 'f', 3));
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("exportado.txt"));
    if (!ExportacaoTexto::exportaFaixa(a, caminho, { std::max(1, n - 1), n }, falsos.ambiente))
        return QStringLiteral("export failed");
    if (!salva)
        return texto.join(u'\n');
    const QByteArray salvo = ArquivoQvg::conteudo(a, falsos.regional);
    if (ArquivoQvg::le(salvo, falsos.regional).erro != ArquivoQvg::Erro::Nenhum)
        return QStringLiteral("the saved file does not read back");
    texto << Windows1252::decodifica(salvo).split(QStringLiteral("\r\n"));
    return texto.join(u'\n');
}

}  // namespace

class tst_DocumentosMalformados : public QObject
{
    Q_OBJECT
private slots:
    void abreSemComportamentoIndefinido_data();
    void abreSemComportamentoIndefinido();
    void meioSegundoAlemDe17895697Entradas();
};

void tst_DocumentosMalformados::abreSemComportamentoIndefinido_data()
{
    const QString maximo = QStringLiteral("2147483647");
    const QString minimo = QStringLiteral("-2147483648");
    auto em = [](int linha, const QString &texto) { return QStringLiteral("%1:%2").arg(linha).arg(texto); };
    QTest::addColumn<QStringList>("alteracoes");  // "line:text"
    QTest::addColumn<bool>("abre");
    QTest::addColumn<QStringList>("mostra");  // texts the program shows

    QTest::newRow("sensor line 2147483647: no sensor name, limits kept")
        << QStringList { em(Sensor1, maximo) } << true
        << QStringList { "Canal 1:  - Temp (°C)", "\n0\n500\n9\n" };
    QTest::newRow("sensor line -2147483648")
        << QStringList { em(Sensor2, minimo) } << true
        << QStringList { "Canal 2:  - Pressão (bar)", "\n-100\n1000\n2\n" };
    QTest::newRow("decimals -2147483648: no offset, no value text")
        << QStringList { em(Decimais2, minimo) } << true << QStringList { "\nOffset: \n", "\n-3\n12\n113" };
    QTest::newRow("decimals 2147483647")
        << QStringList { em(Decimais2, maximo) } << true << QStringList { "\nOffset: \n" };
    QTest::newRow("limits at both ends of 32 bits, 3 decimals")
        << QStringList { em(LimInf2, minimo), em(LimSup2, maximo) } << true
        << QStringList { "\n-2147483648\n2147483647\n2\n", "escala -2147483.648 2147483.647" };
    QTest::newRow("limits at the ends with decimals -2147483648") << QStringList { em(LimInf2, minimo),
        em(LimSup2, maximo), em(Decimais2, minimo) } << true << QStringList { "escala -inf inf" };
    QTest::newRow("Pt100 limits at the ends are normalised") << QStringList { em(Sensor1, "8"),
        em(LimInf1, minimo), em(LimSup1, maximo) } << true << QStringList { "8\n-200\n320\n" };
    QTest::newRow("negative interval shown by its size")
        << QStringList { em(Intervalo, "-10") } << true
        << QStringList { "Intervalo entre aquisições: 10seg.", "Intervalo entre leituras: :   2seg",
               "Hora Final: 10:00:20", "00003                 10:00:20", "\n-10\n02/01/2000\n" };
    QTest::newRow("enormous interval")
        << QStringList { em(Intervalo, "1e300") } << true << QStringList { "Total de Aquisições: 3" };
    QTest::newRow("enormous negative interval")
        << QStringList { em(Intervalo, "-1e300") } << true << QStringList { "Total de Aquisições: 3" };
    QTest::newRow("interval beyond a double is the largest")
        << QStringList { em(Intervalo, "1e999") } << true << QStringList { "\n9223372036854775807\n" };
    QTest::newRow("interval below a double is the half-second mode")
        << QStringList { em(Intervalo, "-1e-999") } << true
        << QStringList { "Intervalo entre aquisições: 0.5 seg." };
    QTest::newRow("enormous interval from the calendar's last second")
        << QStringList { em(Intervalo, "1e300"), em(8, "31/12/9999"), em(9, "23:59:59") } << true
        << QStringList { "Data Final: 31/12/9999" };
    QTest::newRow("NumCanais 0 counts as two channels") << QStringList { em(Canais, "0"),
        em(Sensor2, "-1") } << true << QStringList { "Canal 2:  - Pressão (bar)", "-1,500" };
    QTest::newRow("NumCanais -2147483648 counts as two channels") << QStringList { em(Canais, minimo),
        em(Sensor1, "-1") } << true << QStringList { "Canal 1:  - Temp (°C)" };
    QTest::newRow("NumCanais 2147483647")
        << QStringList { em(Canais, maximo) } << true << QStringList { "Canal 2: Sensor 4-20mA" };
    QTest::newRow("no readings per acquisition") << QStringList { em(LeiturasPorAquisicao, "0") } << true
                                                 << QStringList { "Nro. de leituras p/ gerar aquisição:  0" };
    QTest::newRow("readings per acquisition -2147483648") << QStringList { em(LeiturasPorAquisicao, minimo) }
                                                          << true << QStringList { "Total de Aquisições: 3" };
    QTest::newRow("modes at the ends") << QStringList { em(Modo1, maximo), em(Modo2, minimo) } << true
                                       << QStringList { "Temp (°C)\n\nOffset" };
    QTest::newRow("identity and counters at the ends") << QStringList {
        em(Serie, minimo), em(Firmware, minimo), em(Capacidade, maximo), em(FimApos, minimo)
    } << true << QStringList { "Número de Série:  327680000", "Capacidade Máxima de Aquisições: 2147483647" };
    QTest::newRow("offsets at the ends") << QStringList { em(Offset1, minimo), em(Offset2, maximo) } << true
                                         << QStringList { "Offset: -214748364,8", "Offset: 2147483,647" };
    QTest::newRow("entry of 255 characters read like any other")
        << QStringList { em(PrimeiroValor, QStringLiteral("2,5") + QString(252, u'0')) } << true
        << QStringList { "\n2,50\n" };
    QTest::newRow("entry longer than 255 characters read to its 255th")
        << QStringList { em(PrimeiroValor, QString(251, u' ') + QStringLiteral("12,5") + QString(50, u'x')) }
        << true << QStringList { "\n12,50\n" };
    QTest::newRow("entry at the 48-bit real's end") << QStringList { em(PrimeiroValor, "-1,7e38"),
        em(PrimeiroValor + 1, "1e-300") } << true << QStringList { "Total de Aquisições: 3" };
    QTest::newRow("entry beyond a double refused")
        << QStringList { em(PrimeiroValor, "1e999") } << false << QStringList();
    QTest::newRow("count 2147483647 refused")
        << QStringList { em(Quantas, maximo) } << false << QStringList();
    QTest::newRow("count -2147483648 is no entry")
        << QStringList { em(Quantas, minimo) } << true << QStringList { "Total de Aquisições: 0" };
}

void tst_DocumentosMalformados::abreSemComportamentoIndefinido()
{
    QFETCH(QStringList, alteracoes);
    QFETCH(bool, abre);
    QFETCH(QStringList, mostra);
    AmbienteFalso falsos;
    const ArquivoQvg::Resultado r = ArquivoQvg::le(arquivo(comAlteracoes(alteracoes)), falsos.regional);
    QCOMPARE(r.erro == ArquivoQvg::Erro::Nenhum, abre);
    if (!abre)
        return;
    const QString texto = abreComoOPrograma(r.aquisicao, falsos);
    for (const QString &m : mostra)
        QVERIFY2(texto.contains(m), qPrintable(m + QStringLiteral(" not in:\n") + texto));
    QCOMPARE(falsos.mensagens.textos(), QStringList());
}

// A half-second document whose x values (120 s per entry) pass the range
// of an int: 120 x 17,895,697 is the last that fits. The header is read
// from a file; the entries, which would make a file of over 100 MB, are
// added as the reader adds them.
void tst_DocumentosMalformados::meioSegundoAlemDe17895697Entradas()
{
    constexpr int n = 17895699;
    QStringList linhas = linhasBase();
    linhas[Intervalo] = QStringLiteral("0");
    linhas[Quantas] = QStringLiteral("0");
    linhas = linhas.mid(0, PrimeiroValor) + linhas.mid(FimApos);
    AmbienteFalso falsos;
    const ArquivoQvg::Resultado r = ArquivoQvg::le(arquivo(linhas), falsos.regional);
    QCOMPARE(r.erro, ArquivoQvg::Erro::Nenhum);
    TAquisicao a = r.aquisicao;
    a.reservaLeituras(n);
    for (int i = 0; i < n; ++i)
        a.adicionaLeitura(0.5, -0.5);
    // The last entry's x lies 120 s x 17,895,698 after Inicio.
    const double x = TabelaTempo::x(a, n - 1);
    QCOMPARE(qRound64((x - a.Inicio) * 86400), 120 * qint64(n - 1));
    const QString texto = abreComoOPrograma(std::move(a), falsos, false);
    for (const char *mostra : { "Hora Final: 23:30:49 .0", "Total de Aquisições: 17895699",
             "17895699              23:30:49 .0       14/04/2000     0,5" })
        QVERIFY2(texto.contains(QString::fromUtf8(mostra)), qPrintable(texto));
}

QUORVANE_TEST_GUILESS_MAIN(tst_DocumentosMalformados)
#include "tst_DocumentosMalformados.moc"
