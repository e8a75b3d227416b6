// End to end: quorvane-cli coletar --todas over a device that is not there
// (COM1), the simulated Tarvek in the process (COM2) and
// quorvane-tarvek-sim on a pseudo-terminal (COM3): the missing one is named
// and fails the command, the two loggers after it are saved, sealed and
// judged all the same.
#include "ProcessosPty.h"
#include "RegistroTestes.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

class tst_ColetarTodosPty : public QObject
{
    Q_OBJECT

private slots:
    void coletaOsPresentesENomeiaOQueFalhou();
};

void tst_ColetarTodosPty::coletaOsPresentesENomeiaOQueFalhou()
{
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    Simulador sim;
    QVERIFY(sim.inicia({ QStringLiteral("--cenario"), QStringLiteral("circular") }));
    const QString ausente = pasta.filePath(QStringLiteral("ttyUSB-ausente"));
    QFile ini(pasta.filePath(QStringLiteral("QUORVANE.INI")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    // COM2's logger (serial 0002 26848) is judged by a shipped profile.
    ini.write(QStringLiteral("[PORTAS]\nCOM1=%2\nCOM2=simulador\nCOM3=%1\n[PERFIL_SERIE]\n157920=ambiente\n")
                  .arg(sim.dispositivo, ausente)
                  .toUtf8());
    ini.close();
    const QString coletas = pasta.filePath(QStringLiteral("coletas"));

    const Saida s = cli({ "coletar", "--todas", "--pasta", coletas, "--json" }, pasta.path());
    QCOMPARE(s.codigo, 1);
    QVERIFY2(s.erros.contains(QStringLiteral("COM1 (%1): ").arg(ausente)), qPrintable(s.erros));
    QVERIFY2(!s.erros.contains(QStringLiteral("COM2")) && !s.erros.contains(QStringLiteral("COM3")),
        qPrintable(s.erros));
    const QJsonArray lista = QJsonDocument::fromJson(s.saida.toUtf8()).array();
    QCOMPARE(lista.size(), 3);
    QStringList arquivos;
    for (int i = 1; i < 3; ++i) {
        const QJsonObject o = lista.at(i).toObject();
        QCOMPARE(o.value("porta").toInt(), i + 1);
        QVERIFY2(o.value("ok").toBool(), qPrintable(o.value("falha").toString()));
        const QString arquivo = o.value("arquivo").toString();
        const QRegularExpression nome(QRegularExpression::escape(o.value("serie").toString() + u'_'
                                          + o.value("titulo").toString() + u'_')
            + QStringLiteral(R"(\d{4}-\d\d-\d\d_\d{4}\.qvg$)"));
        QVERIFY2(nome.match(QFileInfo(arquivo).fileName()).hasMatch(), qPrintable(arquivo));
        QCOMPARE(QFileInfo(arquivo).absolutePath(), QDir(coletas).absolutePath());
        arquivos.append(arquivo);
    }
    QCOMPARE(lista.at(1).toObject().value("veredito").toString(), QStringLiteral("REPROVADO"));
    QVERIFY(lista.at(2).toObject().value("veredito").isNull());
    QCOMPARE(lista.at(0).toObject().value("ok").toBool(), false);
    QCOMPARE(QDir(coletas).entryList(QDir::Files).size(), 2);

    // Each file is sealed in the records as it was written.
    const Saida v = cli(QStringList { "verificar", "--json" } + arquivos, pasta.path());
    QCOMPARE(v.codigo, 0);
    const QJsonArray selos = QJsonDocument::fromJson(v.saida.toUtf8()).array();
    QCOMPARE(selos.size(), 2);
    for (const QJsonValue &selo : selos)
        QCOMPARE(selo.toObject().value("estado").toString(), QStringLiteral("Íntegro"));

    // Each collection's event (the last two, the records outliving a run)
    // carries its verdict when its logger has a profile.
    const Saida t = cli({ "auditoria", "--acao", "coleta", "--json" }, pasta.path());
    QCOMPARE(t.codigo, 0);
    const QJsonArray eventos = QJsonDocument::fromJson(t.saida.toUtf8()).array();
    QVERIFY(eventos.size() >= 2);
    for (qsizetype i = eventos.size() - 2; i < eventos.size(); ++i) {
        const QJsonObject d = eventos.at(i).toObject().value("detalhes").toObject();
        const bool julgada = eventos.at(i).toObject().value("serie").toInteger() == 157920;
        QCOMPARE(d.contains("aprovado"), julgada);
        if (julgada)
            QCOMPARE(d.value("aprovado"), QJsonValue(false));
        QCOMPARE(d.value("perfil").toString().isEmpty(), !julgada);
    }
}

QUORVANE_TEST_GUILESS_MAIN(tst_ColetarTodosPty)
#include "tst_ColetarTodosPty.moc"
