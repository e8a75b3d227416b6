// quorvane-cli resumo on a recording the test writes, with alarm limits
// kept in a settings file of its own: the JSON's shape and values, the
// text, and the refusal of each bad input with its message and exit code.

#include "ArquivoQvg.h"
#include "ConfigRegional.h"
#include "GravacaoTeste.h"
#include "RegistroTestes.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#ifndef QUORVANE_CLI
#error "QUORVANE_CLI must name the command-line tool"
#endif

namespace {

struct Execucao
{
    int codigo = -1;
    QByteArray saida;
    QString erros;
};

// Logger 00010010: channel 1 a Pt100 in °C, channel 2 a 4-20 mA channel in
// %UR, one entry a minute from 14/06/2024 17:03:00.
TAquisicao gravacao()
{
    TAquisicao a = gravacaoTeste();
    a.DecimaisCanal1 = 1;
    a.DecimaisCanal2 = 0;
    a.NomeCanal1 = QStringLiteral("Camara");
    a.NomeCanal2 = QStringLiteral("Umidade");
    a.UnidadeCanal2 = QStringLiteral("%UR");
    a.LimSupCanal2 = 100;
    a.NumeroSerie = 0x0001000A;
    a.Titulo = QStringLiteral("Camara 3");
    return comLeituras(a, { { 4.5, 50 }, { 8.5, 60 }, { 9.0, 70 }, { 5.0, 80 }, { 1.5, 90 }, { 4.0, 55 } });
}

// Stored: channel 1 above 8 and below 2, channel 2 above 85; another
// logger's limits that must not apply.
const char *const Configuracoes = "[COMUNICACAO]\r\nPORTA=1\r\n\r\n[LIMITES]\r\n00010010_1_ALTO=8\r\n"
                                  "00010010_1_BAIXO=2,0\r\n00010010_2_ALTO=85\r\n00020010_1_ALTO=1\r\n";

}  // namespace

class tst_ResumoCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void json_data();
    void json();
    void textoComOsLimitesGuardados();
    void entradaInvalidaERecusada_data();
    void entradaInvalidaERecusada();

private:
    Execucao executa(const QStringList &argumentos) const
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUORVANE_CONFIG_DIR"), m_pasta.path());
        env.insert(QStringLiteral("TZ"), QStringLiteral("America/Sao_Paulo"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(QUORVANE_CLI), QStringList { QStringLiteral("resumo") } + argumentos);
        Execucao e;
        if (!p.waitForFinished(30000))
            return e;
        e.codigo = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        e.saida = p.readAllStandardOutput();
        e.erros = QString::fromUtf8(p.readAllStandardError());
        return e;
    }

    // The recordings' paths for "@", "@1" and "@m" in the tables' arguments.
    QStringList argumentosCom(QStringList argumentos) const
    {
        argumentos.replaceInStrings(QRegularExpression(QStringLiteral("^@$")), m_arquivo);
        argumentos.replaceInStrings(QRegularExpression(QStringLiteral("^@1$")), m_umCanal);
        argumentos.replaceInStrings(QRegularExpression(QStringLiteral("^@m$")), m_meioSegundo);
        return argumentos;
    }

    QTemporaryDir m_pasta;
    QString m_arquivo;
    QString m_umCanal;
    QString m_meioSegundo;
};

void tst_ResumoCli::initTestCase()
{
    QVERIFY(m_pasta.isValid());
    m_arquivo = m_pasta.filePath(QStringLiteral("camara.qvg"));
    QVERIFY(ArquivoQvg::grava(gravacao(), m_arquivo, ConfigRegional::portuguesBrasil()));
    // The same logger recording channel 1 only.
    TAquisicao umCanal = gravacao();
    umCanal.NumCanais = 1;
    umCanal.SensorCanal2 = -1;
    m_umCanal = m_pasta.filePath(QStringLiteral("um-canal.qvg"));
    QVERIFY(ArquivoQvg::grava(umCanal, m_umCanal, ConfigRegional::portuguesBrasil()));
    TAquisicao meio = gravacao();
    meio.defineIntervalo(0);
    m_meioSegundo = m_pasta.filePath(QStringLiteral("meio-segundo.qvg"));
    QVERIFY(ArquivoQvg::grava(meio, m_meioSegundo, ConfigRegional::portuguesBrasil()));
    QFile ini(m_pasta.filePath(QStringLiteral("QUORVANE.INI")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(Configuracoes);
}

void tst_ResumoCli::json_data()
{
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QByteArray>("esperado");

    // Channel 1: mean 32.5 / 6, mean kinetic temperature 5.8286; channel 2:
    // mean 405 / 6. Statistics with one decimal more than the values.
    QTest::newRow("the whole recording with the stored limits")
        << QStringList { "@" } << QByteArray(R"({"canais": [
        {"canal": 1, "unidade": "°C", "entradas": 6,
         "minimo": {"valor": 1.5, "entrada": 5, "instante": "2024-06-14T17:07:00-03:00"},
         "maximo": {"valor": 9, "entrada": 3, "instante": "2024-06-14T17:05:00-03:00"},
         "media": 5.42, "desvio": 2.85, "tcm": 5.83,
         "acima": {"limite": 8, "entradas": 2, "segundos": 120, "excursoes": 1,
                   "maior": {"segundos": 120, "entrada": 2}},
         "abaixo": {"limite": 2, "entradas": 1, "segundos": 60, "excursoes": 1,
                    "maior": {"segundos": 60, "entrada": 5}}},
        {"canal": 2, "unidade": "%UR", "entradas": 6,
         "minimo": {"valor": 50, "entrada": 1, "instante": "2024-06-14T17:03:00-03:00"},
         "maximo": {"valor": 90, "entrada": 5, "instante": "2024-06-14T17:07:00-03:00"},
         "media": 67.5, "desvio": 15.4, "tcm": null,
         "acima": {"limite": 85, "entradas": 1, "segundos": 60, "excursoes": 1,
                   "maior": {"segundos": 60, "entrada": 5}},
         "abaixo": null}]})");
    // Entries 2 to 5: 8.5, 9, 5, 1.5 and 60, 70, 80, 90; ΔH/R 5000 gives
    // 6.2531. The limits given replace the stored ones, one by one; 8.5 is
    // not above 8,5.
    QTest::newRow("a range, limits given with a comma, another ΔH/R") << QStringList { "@", "--de", "2",
        "--ate", "5", "--alto1", "8,5", "--baixo2", "55", "--dh-r", "5000" }
                                                                      << QByteArray(R"({"canais": [
        {"canal": 1, "unidade": "°C", "entradas": 4,
         "minimo": {"valor": 1.5, "entrada": 5, "instante": "2024-06-14T17:07:00-03:00"},
         "maximo": {"valor": 9, "entrada": 3, "instante": "2024-06-14T17:05:00-03:00"},
         "media": 6, "desvio": 3.49, "tcm": 6.25,
         "acima": {"limite": 8.5, "entradas": 1, "segundos": 60, "excursoes": 1,
                   "maior": {"segundos": 60, "entrada": 3}},
         "abaixo": {"limite": 2, "entradas": 1, "segundos": 60, "excursoes": 1,
                    "maior": {"segundos": 60, "entrada": 5}}},
        {"canal": 2, "unidade": "%UR", "entradas": 4,
         "minimo": {"valor": 60, "entrada": 2, "instante": "2024-06-14T17:04:00-03:00"},
         "maximo": {"valor": 90, "entrada": 5, "instante": "2024-06-14T17:07:00-03:00"},
         "media": 75, "desvio": 12.9, "tcm": null,
         "acima": {"limite": 85, "entradas": 1, "segundos": 60, "excursoes": 1,
                   "maior": {"segundos": 60, "entrada": 5}},
         "abaixo": {"limite": 55, "entradas": 0, "segundos": 0, "excursoes": 0, "maior": null}}]})");
    // Half-second mode: entry 2 and entry 4 lie half a second after a whole
    // second, entry 3 on one.
    QTest::newRow("half-second mode: the .5 of even entries")
        << QStringList { "@m", "--de", "2", "--ate", "4" } << QByteArray(R"({"canais": [
        {"canal": 1, "unidade": "°C", "entradas": 3,
         "minimo": {"valor": 5, "entrada": 4, "instante": "2024-06-14T17:03:01.5-03:00"},
         "maximo": {"valor": 9, "entrada": 3, "instante": "2024-06-14T17:03:01-03:00"},
         "media": 7.5, "desvio": 2.18, "tcm": 7.68,
         "acima": {"limite": 8, "entradas": 2, "segundos": 1, "excursoes": 1,
                   "maior": {"segundos": 1, "entrada": 2}},
         "abaixo": {"limite": 2, "entradas": 0, "segundos": 0, "excursoes": 0, "maior": null}},
        {"canal": 2, "unidade": "%UR", "entradas": 3,
         "minimo": {"valor": 60, "entrada": 2, "instante": "2024-06-14T17:03:00.5-03:00"},
         "maximo": {"valor": 80, "entrada": 4, "instante": "2024-06-14T17:03:01.5-03:00"},
         "media": 70, "desvio": 10, "tcm": null,
         "acima": {"limite": 85, "entradas": 0, "segundos": 0, "excursoes": 0, "maior": null},
         "abaixo": null}]})");
    QTest::newRow("a channel without a sensor is absent")
        << QStringList { "@1", "--de", "6", "--ate", "6" } << QByteArray(R"({"canais": [
        {"canal": 1, "unidade": "°C", "entradas": 1,
         "minimo": {"valor": 4, "entrada": 6, "instante": "2024-06-14T17:08:00-03:00"},
         "maximo": {"valor": 4, "entrada": 6, "instante": "2024-06-14T17:08:00-03:00"},
         "media": 4, "desvio": 0, "tcm": 4,
         "acima": {"limite": 8, "entradas": 0, "segundos": 0, "excursoes": 0, "maior": null},
         "abaixo": {"limite": 2, "entradas": 0, "segundos": 0, "excursoes": 0, "maior": null}}]})");
}

void tst_ResumoCli::json()
{
    QFETCH(QStringList, argumentos);
    QFETCH(QByteArray, esperado);

    const Execucao e = executa(argumentosCom(argumentos) << QStringLiteral("--json"));
    QVERIFY2(e.codigo == 0, qPrintable(e.erros));
    QCOMPARE(e.erros, QString());
    QJsonParseError erro;
    QJsonObject saida = QJsonDocument::fromJson(e.saida, &erro).object();
    QVERIFY2(erro.error == QJsonParseError::NoError, e.saida.constData());
    // A file the records never saw: its integrity beside the summary.
    QCOMPARE(saida.take(QStringLiteral("integridade")).toObject().value(QStringLiteral("estado")).toString(),
        QStringLiteral("Sem registro"));
    // The verdict by the stored limits has its own tests (TestesPerfis).
    QCOMPARE(saida.take(QStringLiteral("avaliacao"))[QStringLiteral("curto")].toString(),
        QStringLiteral("limites"));
    const QJsonDocument referencia = QJsonDocument::fromJson(esperado, &erro);
    QVERIFY2(erro.error == QJsonParseError::NoError, qPrintable(erro.errorString()));
    QCOMPARE(QJsonDocument(saida), referencia);
}

void tst_ResumoCli::textoComOsLimitesGuardados()
{
    const Execucao e = executa({ m_arquivo });
    QCOMPARE(e.codigo, 0);
    const QString texto = QString::fromUtf8(e.saida);
    for (const char *linha :
        { "^Canal 1: Camara \\(°C\\)$", "^  Mínimo: +1,5 °C \\(entrada 00005, 14/06/2024 17:07:00\\)$",
            "^  Temperatura cinética média: +5,83 °C$",
            "^  Maior excursão acima: +0:02:00 \\(entrada 00002, 14/06/2024 17:04:00\\)$",
            "^Canal 2: Umidade \\(%UR\\)$", "^  Limite superior: +85 %UR$" }) {
        const QRegularExpression padrao(QString::fromUtf8(linha), QRegularExpression::MultilineOption);
        QVERIFY2(padrao.match(texto).hasMatch(), qPrintable(linha + QStringLiteral("\n") + texto));
    }
}

void tst_ResumoCli::entradaInvalidaERecusada_data()
{
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<int>("codigo");
    QTest::addColumn<QString>("mensagem");

    QTest::newRow("a file that does not open") << QStringList { "nao-existe.qvg" } << 1
                                               << "quorvane-cli resumo: nao-existe.qvg: o arquivo não existe";
    QTest::newRow("a device, refused before it is read")
        << QStringList { "/dev/zero" } << 1
        << "quorvane-cli resumo: /dev/zero: não é um arquivo comum (uma pasta, um FIFO ou um dispositivo)";
    QTest::newRow("a merged graph") << QStringList { "juncao.qvj" } << 1
                                    << "quorvane-cli resumo: juncao.qvj: é um gráfico de junção (.qvj); "
                                       "resumo lê um arquivo .qvg";
    QTest::newRow("a limit that is not a number") << QStringList { "@", "--baixo2",
        "dez" } << 2 << "quorvane-cli resumo: o limite de --baixo2 não é um número: \"dez\"";
    QTest::newRow("inf is not a number") << QStringList { "@", "--alto1",
        "inf" } << 2 << "quorvane-cli resumo: o limite de --alto1 não é um número: \"inf\"";
    const QString acima = QStringLiteral("O limite superior deverá estar acima do limite inferior.");
    QTest::newRow("an upper limit below the lower") << QStringList { "@", "--alto2", "10", "--baixo2", "20" }
                                                    << 2 << "quorvane-cli resumo: Canal 2: " + acima;
    QTest::newRow("an upper limit equal to the lower") << QStringList { "@", "--alto2", "20", "--baixo2",
        "20" } << 2 << "quorvane-cli resumo: Canal 2: " + acima;
    QTest::newRow("an upper limit below the stored lower")
        << QStringList { "@", "--alto1", "1,5" } << 2
        << "quorvane-cli resumo: Canal 1: " + acima + " Os valores vêm do arquivo de configurações @INI.";
    QTest::newRow("finer than the channel")
        << QStringList { "@", "--alto1", "8,55" } << 2
        << "quorvane-cli resumo: Canal 1: Valor inválido para o limite. O limite \"8,55\" deverá ter no "
           "máximo 1 casas decimais.";
    QTest::newRow("a limit for a channel without a sensor") << QStringList { "@1", "--alto2",
        "80" } << 2 << "quorvane-cli resumo: o canal 2 não tem sensor nesta gravação";
    QTest::newRow("--de after --ate") << QStringList { "@", "--de", "4", "--ate", "3" } << 2
                                      << "quorvane-cli resumo: --de 4 vem depois de --ate 3";
    QTest::newRow("a range before the first entry") << QStringList { "@", "--de", "0", "--ate",
        "3" } << 2 << "quorvane-cli resumo: a faixa 0 a 3 está fora da gravação, que tem as entradas 1 a 6";
    QTest::newRow("a range past the last entry") << QStringList { "@", "--de", "2", "--ate",
        "7" } << 2 << "quorvane-cli resumo: a faixa 2 a 7 está fora da gravação, que tem as entradas 1 a 6";
    QTest::newRow("an entry that is not a number") << QStringList { "@", "--de",
        "um" } << 2 << "quorvane-cli resumo: --de deve ser um número de entrada: \"um\"";
    QTest::newRow("ΔH/R of 0") << QStringList { "@", "--dh-r",
        "0" } << 2 << "quorvane-cli resumo: --dh-r deve ser um número positivo (em kelvin): \"0\"";
    QTest::newRow("ΔH/R below 0") << QStringList { "@", "--dh-r",
        "-83,14" } << 2 << "quorvane-cli resumo: --dh-r deve ser um número positivo (em kelvin): \"-83,14\"";
    QTest::newRow("an option given twice") << QStringList { "@", "--de", "5", "--de", "6" } << 2
                                           << "quorvane-cli resumo: a opção --de foi dada duas vezes";
    QTest::newRow("an option it does not know") << QStringList { "@", "--alto3", "5" } << 2
                                                << "quorvane-cli resumo: argumento não reconhecido: --alto3";
}

void tst_ResumoCli::entradaInvalidaERecusada()
{
    QFETCH(QStringList, argumentos);
    QFETCH(int, codigo);
    QFETCH(QString, mensagem);

    const Execucao e = executa(argumentosCom(argumentos));
    QCOMPARE(e.codigo, codigo);
    mensagem.replace(QStringLiteral("@INI"), m_pasta.filePath(QStringLiteral("QUORVANE.INI")));
    QCOMPARE(e.erros, mensagem + u'\n');
    QCOMPARE(e.saida, QByteArray());
}

QUORVANE_TEST_GUILESS_MAIN(tst_ResumoCli)
#include "tst_ResumoCli.moc"
