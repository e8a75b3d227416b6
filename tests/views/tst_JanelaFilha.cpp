// The activation watcher of child windows: a window of its own takes its
// activation events, a window inside another takes only the changes of the
// sub-window that holds it now.
#include "JanelaFilha.h"
#include "RegistroTestes.h"

#include <QMdiSubWindow>
#include <QtTest>

class tst_JanelaFilha : public QObject
{
    Q_OBJECT
private slots:
    void janelaPropriaTomaSuasAtivacoes();
    void segueASubJanelaQueAContem();
    void quadroFechandoPodeSerIgnorado();
};

void tst_JanelaFilha::janelaPropriaTomaSuasAtivacoes()
{
    QList<bool> avisos;
    QList<bool> avisosDentro;
    QWidget janela;
    new ObservadorAtivacao(&janela, [&](bool ativa) { avisos << ativa; });
    auto *dentro = new QWidget(&janela);
    new ObservadorAtivacao(dentro, [&](bool ativa) { avisosDentro << ativa; });
    QEvent ativa(QEvent::WindowActivate);
    QEvent desativa(QEvent::WindowDeactivate);
    // Every widget of a window hears of the window's activation.
    for (QWidget *w : { &janela, dentro }) {
        QCoreApplication::sendEvent(w, &ativa);
        QCoreApplication::sendEvent(w, &desativa);
    }
    QCOMPARE(avisos, (QList<bool> { true, false }));
    QVERIFY(avisosDentro.isEmpty());
}

void tst_JanelaFilha::segueASubJanelaQueAContem()
{
    QList<bool> avisos;
    QMdiSubWindow primeira;
    QMdiSubWindow segunda;
    auto *vista = new QWidget;
    primeira.setWidget(vista);
    new ObservadorAtivacao(vista, [&](bool ativa) { avisos << ativa; });
    emit primeira.windowStateChanged(Qt::WindowNoState, Qt::WindowActive);
    emit primeira.windowStateChanged(Qt::WindowActive, Qt::WindowActive | Qt::WindowMaximized);
    emit primeira.windowStateChanged(Qt::WindowActive | Qt::WindowMaximized, Qt::WindowMaximized);
    QCOMPARE(avisos, (QList<bool> { true, false }));

    segunda.setWidget(vista);
    avisos.clear();
    emit primeira.windowStateChanged(Qt::WindowNoState, Qt::WindowActive);
    QVERIFY(avisos.isEmpty());
    emit segunda.windowStateChanged(Qt::WindowNoState, Qt::WindowActive);
    QCOMPARE(avisos, QList<bool> { true });
}

void tst_JanelaFilha::quadroFechandoPodeSerIgnorado()
{
    QList<bool> avisa;
    QList<bool> ignora;
    QMdiSubWindow sub;
    auto *vista = new QWidget;
    sub.setWidget(vista);
    new ObservadorAtivacao(vista, [&](bool ativa) { avisa << ativa; });
    new ObservadorAtivacao(
        vista, [&](bool ativa) { ignora << ativa; }, ObservadorAtivacao::QuadroFechando::Ignora);
    // Not shown, as a frame on its way out.
    emit sub.windowStateChanged(Qt::WindowNoState, Qt::WindowActive);
    QCOMPARE(avisa, QList<bool> { true });
    QVERIFY(ignora.isEmpty());
    sub.show();
    emit sub.windowStateChanged(Qt::WindowActive, Qt::WindowNoState);
    QCOMPARE(ignora, QList<bool> { false });
}

QUORVANE_TEST_MAIN(tst_JanelaFilha)
#include "tst_JanelaFilha.moc"
