// The profile dialog's rules: a rule's fields read or refused, and a
// profile refused for its name, short name or rules.
#include "Catalogo.h"
#include "EditorPerfil.h"
#include "RegistroTestes.h"

#include <QtTest>

class tst_EditorPerfil : public QObject
{
    Q_OBJECT
private slots:
    void regra_data();
    void regra();
    void confere_data();
    void confere();
};

void tst_EditorPerfil::regra_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("limite");
    QTest::addColumn<QString>("horas");
    QTest::addColumn<QString>("minutos");
    QTest::addColumn<int>("recusa");  // the catalogue's refusal; 0 when read
    QTest::addColumn<double>("valor");
    QTest::addColumn<double>("segundos");

    const int evento = int(TipoRegra::Evento);
    const int instante = int(TipoRegra::Instante);
    QTest::newRow("decimal comma") << instante << " 8,5 "
                                   << ""
                                   << "" << 0 << 8.5 << 0.0;
    QTest::newRow("negative threshold") << instante << "-0,5"
                                        << ""
                                        << "" << 0 << -0.5 << 0.0;
    QTest::newRow("no threshold") << instante << ""
                                  << ""
                                  << "" << 493 << 0.0 << 0.0;
    QTest::newRow("threshold not a number") << instante << "8 °C"
                                            << ""
                                            << "" << 493 << 0.0 << 0.0;
    QTest::newRow("hours and minutes") << int(TipoRegra::Acumulado) << "30"
                                       << "10"
                                       << "30" << 0 << 30.0 << 37800.0;
    QTest::newRow("half an hour") << evento << "45"
                                  << "0,5"
                                  << "" << 0 << 45.0 << 1800.0;
    QTest::newRow("negative duration") << evento << "45"
                                       << "-1"
                                       << "" << 494 << 0.0 << 0.0;
    QTest::newRow("minutes not a number") << evento << "45"
                                          << "1"
                                          << "x" << 494 << 0.0 << 0.0;
    QTest::newRow("an event with no duration") << evento << "45"
                                               << "0"
                                               << "" << 495 << 0.0 << 0.0;
    QTest::newRow("cumulative with no duration") << int(TipoRegra::Acumulado) << "45"
                                                 << ""
                                                 << "" << 495 << 0.0 << 0.0;
}

void tst_EditorPerfil::regra()
{
    QFETCH(int, tipo);
    QFETCH(QString, limite);
    QFETCH(QString, horas);
    QFETCH(QString, minutos);
    QFETCH(int, recusa);
    QFETCH(double, valor);
    QFETCH(double, segundos);

    const Catalogo catalogo;
    EditorPerfil::CamposRegra c;
    c.tipo = TipoRegra(tipo);
    c.limite = limite;
    c.horas = horas;
    c.minutos = minutos;
    QString erro;
    const auto r = EditorPerfil::regra(c, 3, u',', catalogo, erro);
    QCOMPARE(r.has_value(), recusa == 0);
    if (recusa) {
        QVERIFY2(erro.startsWith(catalogo.texto(recusa).arg(3).left(14)), qPrintable(erro));
        return;
    }
    QVERIFY(erro.isEmpty());
    QCOMPARE(r->limite, valor);
    QCOMPARE(r->segundos, segundos);
}

void tst_EditorPerfil::confere_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("curto");
    QTest::addColumn<bool>("novo");
    QTest::addColumn<bool>("comRegra");
    QTest::addColumn<int>("recusa");

    QTest::newRow("taken") << "Câmara fria"
                           << "camara_fria-2" << true << true << 0;
    QTest::newRow("editing the user's own") << "Meu"
                                            << "meu" << false << true << 0;
    QTest::newRow("no name") << "  "
                             << "meu2" << true << true << 492;
    QTest::newRow("blank in the short name") << "Meu"
                                             << "meu perfil" << true << true << 490;
    QTest::newRow("comma in the short name") << "Meu"
                                             << "a,b" << true << true << 490;
    QTest::newRow("no short name") << "Meu"
                                   << "" << true << true << 490;
    QTest::newRow("a shipped one's") << "Meu"
                                     << "Geladeira" << false << true << 491;
    QTest::newRow("the limits' one") << "Meu"
                                     << "limites" << true << true << 491;
    QTest::newRow("the user's, for a new one") << "Meu"
                                               << "MEU" << true << true << 491;
    QTest::newRow("no rule") << "Meu"
                             << "meu3" << true << false << 496;
}

void tst_EditorPerfil::confere()
{
    QFETCH(QString, nome);
    QFETCH(QString, curto);
    QFETCH(bool, novo);
    QFETCH(bool, comRegra);
    QFETCH(int, recusa);

    const Catalogo catalogo;
    QList<PerfilAlarme> perfis = PerfisAlarme::fornecidos();
    perfis.append({ QStringLiteral("Meu"), QStringLiteral("meu"), false, { RegraAlarme {} } });
    const PerfilAlarme p { nome, curto, false,
        comRegra ? QList<RegraAlarme> { RegraAlarme {} } : QList<RegraAlarme> {} };
    const QString erro = EditorPerfil::confere(p, perfis, novo, catalogo);
    const QString esperado = recusa ? catalogo.texto(recusa) : QString();
    QCOMPARE(erro, esperado.contains(u'%') ? esperado.arg(curto) : esperado);
}

QUORVANE_TEST_GUILESS_MAIN(tst_EditorPerfil)
#include "tst_EditorPerfil.moc"
