// "Coletar todos" without a port: the name of each recording, a name that
// is taken, and which ports are collected.
#include "ColetaTodos.h"
#include "Fakes.h"
#include "RegistroTestes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_ColetaTodos : public QObject
{
    Q_OBJECT

private slots:
    void nomeArquivo_data();
    void nomeArquivo();
    void nomeOcupadoGanhaSufixo();
    void portasColetadas_data();
    void portasColetadas();
};

void tst_ColetaTodos::nomeArquivo_data()
{
    QTest::addColumn<QString>("serie");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("plain") << "00010005"
                           << "Camara 1"
                           << "00010005_Camara 1_2025-03-07_0905.qvg";
    QTest::newRow("accents kept") << "00010005"
                                  << "Câmara fria"
                                  << "00010005_Câmara fria_2025-03-07_0905.qvg";
    QTest::newRow("every forbidden character") << "00010005"
                                               << "a/b\\c:d*e?f\"g<h>i|j"
                                               << "00010005_a_b_c_d_e_f_g_h_i_j_2025-03-07_0905.qvg";
    QTest::newRow("control characters") << "00010005"
                                        << "a\tb\nc\x7f"
                                        << "00010005_a_b_c__2025-03-07_0905.qvg";
    QTest::newRow("trailing dots and blanks") << "00010005"
                                              << " Sala A. . "
                                              << "00010005_Sala A_2025-03-07_0905.qvg";
    QTest::newRow("no title") << "00010005"
                              << ""
                              << "00010005__2025-03-07_0905.qvg";
}

void tst_ColetaTodos::nomeArquivo()
{
    QFETCH(QString, serie);
    QFETCH(QString, titulo);
    QFETCH(QString, esperado);
    const QDateTime instante(QDate(2025, 3, 7), QTime(9, 5, 59));
    QCOMPARE(ColetaTodos::nomeArquivo(serie, titulo, instante), esperado);
}

void tst_ColetaTodos::nomeOcupadoGanhaSufixo()
{
    QTemporaryDir pasta;
    QVERIFY(pasta.isValid());
    const QString nome = QStringLiteral("00010005_Sala_2025-03-07_0905.qvg");
    QCOMPARE(ColetaTodos::caminhoLivre(pasta.path(), nome), pasta.filePath(nome));
    for (const QString &ocupado : { nome, QStringLiteral("00010005_Sala_2025-03-07_0905 (2).qvg") }) {
        QFile f(pasta.filePath(ocupado));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QCOMPARE(ColetaTodos::caminhoLivre(pasta.path(), nome),
        pasta.filePath(QStringLiteral("00010005_Sala_2025-03-07_0905 (3).qvg")));
}

void tst_ColetaTodos::portasColetadas_data()
{
    QTest::addColumn<QStringList>("atribuidas");  // COM1..COM4 of section PORTAS, "" when not set
    QTest::addColumn<QStringList>("presentes");  // the system's serial devices
    QTest::addColumn<QList<int>>("esperadas");
    QTest::newRow("assigned, present or not")
        << QStringList { "simulador", "/dev/ttyUSB7", "", "" } << QStringList {} << QList<int> { 1, 2 };
    QTest::newRow("a default device present")
        << QStringList { "", "", "", "" } << QStringList { "/dev/ttyUSB0" } << QList<int> { 3 };
    QTest::newRow("a device once") << QStringList { "/dev/ttyACM0", "", "/dev/ttyACM0", "simulador" }
                                   << QStringList {} << QList<int> { 1, 4 };
    QTest::newRow("none") << QStringList { "", "", "", "" } << QStringList { "/dev/ttyACM3" }
                          << QList<int> {};
}

void tst_ColetaTodos::portasColetadas()
{
    QFETCH(QStringList, atribuidas);
    QFETCH(QStringList, presentes);
    QFETCH(QList<int>, esperadas);
    ConfiguracoesMemoria configuracoes;
    ListaPortasFalsa lista;
    for (const QString &d : presentes)
        lista.presentes.append({ d, {}, {}, {}, -1, -1, {} });
    static const QStringList padroes { "/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0", "/dev/ttyUSB1" };
    for (int i = 0; i < 4; ++i) {
        if (!atribuidas.at(i).isEmpty())
            configuracoes.valores.insert(QStringLiteral("PORTAS/COM%1").arg(i + 1), atribuidas.at(i));
    }
    Ambiente ambiente;
    ambiente.configuracoes = &configuracoes;
    ambiente.portas = &lista;
    const ColetaTodos coleta(ambiente,
        [&](int n) { return configuracoes.le("PORTAS", QStringLiteral("COM%1").arg(n), padroes.at(n - 1)); },
        {});
    QCOMPARE(coleta.portas(), esperadas);
}

QUORVANE_TEST_GUILESS_MAIN(tst_ColetaTodos)
#include "tst_ColetaTodos.moc"
