// When a recording logger's memory runs out (each stop mode, interval and
// averaging, the half-second mode) and the order of the "Loggers" rows.
#include "BlocoConfiguracao.h"
#include "EstadoLogger.h"
#include "RegistroTestes.h"

#include <QtTest>

class tst_EstadoLogger : public QObject
{
    Q_OBJECT
private slots:
    void previsaoDaMemoria_data();
    void previsaoDaMemoria();
    void ordemDasLinhas_data();
    void ordemDasLinhas();
};

using Tipo = PrevisaoMemoria::Tipo;
Q_DECLARE_METATYPE(PrevisaoMemoria::Tipo)

void tst_EstadoLogger::previsaoDaMemoria_data()
{
    QTest::addColumn<int>("intervalo");  // as stored: half seconds minus 1
    QTest::addColumn<int>("leituras");  // averaged into each acquisition
    QTest::addColumn<int>("parada");  // -1: the memory's capacity plus one
    QTest::addColumn<int>("faltam");  // acquisitions until the stop
    QTest::addColumn<int>("desdeUltima");  // half seconds
    QTest::addColumn<Tipo>("tipo");
    QTest::addColumn<qint64>("segundos");
    const int nunca = BlocoConfiguracao::ParadaNunca;
    QTest::newRow("cheia, 1 s") << 1 << 1 << -1 << 10 << 0 << Tipo::Enche << qint64(10);
    QTest::newRow("cheia, parte do intervalo passou") << 1 << 1 << -1 << 10 << 1 << Tipo::Enche << qint64(10);
    QTest::newRow("cheia, 1 h com média de 4")
        << 7199 << 4 << -1 << 2 << 1000 << Tipo::Enche << qint64(28300);
    QTest::newRow("meio segundo") << 0 << 1 << -1 << 10 << 0 << Tipo::Enche << qint64(5);
    QTest::newRow("meio segundo, média de 3") << 0 << 3 << -1 << 7 << 0 << Tipo::Enche << qint64(11);
    QTest::newRow("para após a contagem") << 119 << 1 << 100 << 10 << 0 << Tipo::Para << qint64(600);
    QTest::newRow("nunca para: sobrescreve") << 3 << 1 << nunca << 5 << 0 << Tipo::Sobrescreve << qint64(10);
    QTest::newRow("já sobrescreve") << 3 << 1 << nunca << 0 << 0 << Tipo::Sobrescreve << qint64(0);
    QTest::newRow("cheia: parada") << 1 << 1 << -1 << 0 << 0 << Tipo::Nenhuma << qint64(0);
    QTest::newRow("parada pelo usuário") << 1 << 1 << -1 << 10 << 3600 << Tipo::Nenhuma << qint64(0);
}

void tst_EstadoLogger::previsaoDaMemoria()
{
    QFETCH(int, intervalo);
    QFETCH(int, leituras);
    QFETCH(int, parada);
    QFETCH(int, faltam);
    QFETCH(int, desdeUltima);
    BlocoConfiguracao c;
    c.Sensor1 = 129;
    c.Sensor2 = 127;
    c.Memoria = 32768;
    c.Intervalo = intervalo;
    c.LeiturasPorAquisicao = leituras;
    c.Parada = parada < 0 ? c.capacidade() + 1 : parada;
    c.AquisicoesEfetuadas = std::min(c.Parada, c.capacidade()) - faltam;
    c.DesdeUltima = desdeUltima;
    const PrevisaoMemoria p = PrevisaoMemoria::de(c);
    QTEST(p.tipo, "tipo");
    QTEST(p.segundos, "segundos");
}

// Each row: its port and whether it needs attention ("2!" does).
void tst_EstadoLogger::ordemDasLinhas_data()
{
    QTest::addColumn<QString>("linhas");
    QTest::addColumn<QString>("ordem");
    QTest::newRow("nenhuma pede atenção") << "3 1 2"
                                          << "1 2 3";
    QTest::newRow("as que pedem atenção primeiro") << "1 2! 3 4!"
                                                   << "2 4 1 3";
    QTest::newRow("todas pedem atenção") << "4! 1!"
                                         << "1 4";
}

void tst_EstadoLogger::ordemDasLinhas()
{
    QFETCH(QString, linhas);
    QList<EstadoLogger> lista;
    for (const QString &l : linhas.split(u' ')) {
        EstadoLogger e;
        e.porta = QStringView(l).left(1).toInt();
        if (l.endsWith(u'!'))
            e.atencoes = EstadoLogger::Atencao::SemResposta;
        lista << e;
    }
    ordenaLoggers(lista);
    QStringList ordem;
    for (const EstadoLogger &e : lista)
        ordem << QString::number(e.porta);
    QTEST(ordem.join(u' '), "ordem");
}

QUORVANE_TEST_GUILESS_MAIN(tst_EstadoLogger)
#include "tst_EstadoLogger.moc"
