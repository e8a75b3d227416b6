#include "LinhaStatus.h"
#include "RegistroTestes.h"

#include <QTimer>

class TestLinhaStatus : public QObject
{
    Q_OBJECT
private slots:
    void textIsClearedSixSecondsAfterItsLastChange_data();
    void textIsClearedSixSecondsAfterItsLastChange();
    void everyTextRestartsTheCountdown();
};

void TestLinhaStatus::textIsClearedSixSecondsAfterItsLastChange_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("vermelho");
    QTest::newRow("red error") << QString::fromUtf8("Erro de timeout na reflexão!") << true;
    QTest::newRow("black progress") << QString::fromUtf8("Tentando comunicação...") << false;
}

void TestLinhaStatus::textIsClearedSixSecondsAfterItsLastChange()
{
    QFETCH(QString, texto);
    QFETCH(bool, vermelho);
    LinhaStatus linha;
    linha.defineCor(vermelho ? ILinhaStatus::Cor::Vermelho : ILinhaStatus::Cor::Preto);
    linha.defineTexto(texto);
    QTimer *timer = linha.TimerStatus();
    QCOMPARE(timer->interval(), 6000);
    QVERIFY(timer->isActive());
    QCOMPARE(linha.text(), texto);
    QMetaObject::invokeMethod(timer, "timeout");
    QCOMPARE(linha.text(), QString());
    QCOMPARE(linha.cor(), ILinhaStatus::Cor::Preto);
    QCOMPARE(linha.palette().color(QPalette::Text), QColor(Qt::black));
}

void TestLinhaStatus::everyTextRestartsTheCountdown()
{
    LinhaStatus linha;
    QTimer *timer = linha.TimerStatus();
    timer->stop();
    linha.defineTexto(QStringLiteral("a"));
    QVERIFY(timer->isActive());
    timer->stop();
    // The same text again counts as a change (the link repeats its
    // progress text on every retry).
    linha.defineTexto(QStringLiteral("a"));
    QVERIFY(timer->isActive());
    QVERIFY(timer->remainingTime() > 5000);
}

QUORVANE_TEST_MAIN(TestLinhaStatus)
#include "tst_LinhaStatus.moc"
