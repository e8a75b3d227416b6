#include "ConfigRegional.h"
#include "FormataDataHora.h"
#include "Instantes.h"
#include "RegistroTestes.h"
#include "TextoNumerico.h"

class TestInstantes : public QObject
{
    Q_OBJECT
private slots:
    void somaESubtraiSegundos_data();
    void somaESubtraiSegundos();
    void textoInstante_data();
    void textoInstante();
    void rotuloInstante_data();
    void rotuloInstante();
    void larguraRotulo_data();
    void larguraRotulo();
    void rotuloEixoTempo_data();
    void rotuloEixoTempo();
    void filtraDigito_data();
    void filtraDigito();
    void ajustaSeparadorDecimal_data();
    void ajustaSeparadorDecimal();
};

namespace {

TDateTime em(int ano, int mes, int dia, int hora, int minuto, int segundo)
{
    return *DataHora::codifica(ano, mes, dia, hora, minuto, segundo);
}

QString texto(TDateTime v)
{
    return FormataDataHora(u"dd/mm/yyyy hh:nn:ss.zzz", v, ConfigRegional::portuguesBrasil());
}

}  // namespace

void TestInstantes::somaESubtraiSegundos_data()
{
    QTest::addColumn<qint64>("segundos");
    QTest::addColumn<QString>("depois");
    QTest::addColumn<QString>("antes");
    QTest::newRow("none") << qint64(0) << "01/01/2000 10:00:00.000"
                          << "01/01/2000 10:00:00.000";
    QTest::newRow("one second") << qint64(1) << "01/01/2000 10:00:01.000"
                                << "01/01/2000 09:59:59.000";
    QTest::newRow("to midnight") << qint64(50400) << "02/01/2000 00:00:00.000"
                                 << "31/12/1999 20:00:00.000";
    QTest::newRow("one day") << qint64(86400) << "02/01/2000 10:00:00.000"
                             << "31/12/1999 10:00:00.000";
    QTest::newRow("a day, an hour, a minute, a second") << qint64(90061) << "02/01/2000 11:01:01.000"
                                                        << "31/12/1999 08:58:59.000";
    QTest::newRow("a year of half-hour samples") << qint64(17520 * 1800) << "31/12/2000 10:00:00.000"
                                                 << "01/01/1999 10:00:00.000";
    QTest::newRow("beyond an int: 2^31 s is 24855 days and 11,648 s")
        << (qint64(1) << 31) << "19/01/2068 13:14:08.000"
        << "14/12/1931 06:45:52.000";
}

void TestInstantes::somaESubtraiSegundos()
{
    QFETCH(qint64, segundos);
    QFETCH(QString, depois);
    QFETCH(QString, antes);
    const TDateTime base = em(2000, 1, 1, 10, 0, 0);
    const TDateTime soma = SomaSegundos(segundos, base);
    const TDateTime subtracao = SubtraiSegundos(segundos, base);
    QCOMPARE(texto(soma), depois);
    QCOMPARE(texto(subtracao), antes);
    QCOMPARE(SegundosEntre(soma, base), segundos);
    QCOMPARE(SegundosEntre(base, subtracao), segundos);
    QCOMPARE(SegundosEntre(subtracao, base), -segundos);
}

void TestInstantes::textoInstante_data()
{
    QTest::addColumn<int>("meiosSegundos");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("odd count") << 3 << "01/01/2000 10:00:01 .5";
    QTest::newRow("a day is carried into the date") << 172802 << "02/01/2000 10:00:01 .0";
    QTest::newRow("start") << 0 << "01/01/2000 10:00:00 .0";
    QTest::newRow("first half second") << 1 << "01/01/2000 10:00:00 .5";
    QTest::newRow("midnight") << 100800 << "02/01/2000 00:00:00 .0";
}

void TestInstantes::textoInstante()
{
    QFETCH(int, meiosSegundos);
    QFETCH(QString, esperado);
    QCOMPARE(
        TextoInstante(meiosSegundos, em(2000, 1, 1, 10, 0, 0), ConfigRegional::portuguesBrasil()), esperado);
}

void TestInstantes::rotuloInstante_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("comAno");
    QTest::addColumn<int>("tamanho");
    QTest::addColumn<QString>("rotulo");
    QTest::addColumn<QDateTime>("instante");
    const QDateTime instante(QDate(2000, 1, 1), QTime(10, 0, 1));
    QTest::newRow("day and month") << "01/01/2000 10:00:01 .5" << false << 255 << "10:00:01 .5 01/01"
                                   << instante;
    QTest::newRow("with the year") << "01/01/2000 10:00:01 .5" << true << 255 << "10:00:01 .5 01/01/00"
                                   << instante;
    QTest::newRow("cut to the caller's length")
        << "01/01/2000 10:00:01 .5" << false << 8 << "10:00:01" << instante;
    QTest::newRow("late in the year") << "31/12/1999 23:59:59 .0" << true << 255 << "23:59:59 .0 31/12/99"
                                      << QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59));
}

void TestInstantes::rotuloInstante()
{
    QFETCH(QString, texto);
    QFETCH(bool, comAno);
    QFETCH(int, tamanho);
    QFETCH(QString, rotulo);
    QFETCH(QDateTime, instante);
    const ConfigRegional r = ConfigRegional::portuguesBrasil();
    const InstanteRotulado lido
        = comAno ? RotuloInstanteAno(texto, r, tamanho) : RotuloInstante(texto, r, tamanho);
    QCOMPARE(lido.rotulo, rotulo);
    QCOMPARE(DataHora::paraQDateTime(lido.instante), instante);
}

void TestInstantes::larguraRotulo_data()
{
    QTest::addColumn<int>("segundos");
    QTest::addColumn<int>("largura");
    QTest::newRow("no span") << 0 << 8;
    QTest::newRow("exactly a day") << 86400 << 8;
    QTest::newRow("a day and a second") << 86401 << 11;
    QTest::newRow("exactly thirty days") << 2592000 << 11;
    QTest::newRow("thirty days and a second") << 2592001 << 14;
    QTest::newRow("exactly 365 days") << 31536000 << 14;
    QTest::newRow("more than a year") << 31536001 << 19;
}

void TestInstantes::larguraRotulo()
{
    QFETCH(int, segundos);
    QFETCH(int, largura);
    const TDateTime inicio = em(2000, 1, 1, 10, 0, 0);
    QCOMPARE(LarguraRotulo(inicio, SomaSegundos(segundos, inicio)), largura);
}

void TestInstantes::rotuloEixoTempo_data()
{
    QTest::addColumn<QDateTime>("anterior");
    QTest::addColumn<QDateTime>("atual");
    QTest::addColumn<QString>("rotulo");
    auto dt
        = [](int a, int m, int d, int h, int n, int s) { return QDateTime(QDate(a, m, d), QTime(h, n, s)); };
    QTest::newRow("seconds") << dt(2000, 1, 1, 10, 0, 40) << dt(2000, 1, 1, 10, 0, 50) << "50 s";
    QTest::newRow("minute turns") << dt(2000, 1, 1, 10, 0, 50) << dt(2000, 1, 1, 10, 1, 0) << "01:00 s";
    QTest::newRow("hour turns") << dt(2000, 1, 1, 10, 59, 50) << dt(2000, 1, 1, 11, 0, 0) << "11:00:00 s";
    QTest::newRow("day turns") << dt(2000, 1, 1, 23, 59, 50) << dt(2000, 1, 2, 0, 0, 0) << "02 00:00:00 s";
    QTest::newRow("month turns") << dt(2000, 1, 31, 23, 59, 50) << dt(2000, 2, 1, 0, 0, 0)
                                 << "01/02 00:00:00 s";
    QTest::newRow("year turns") << dt(1999, 12, 31, 23, 59, 50) << dt(2000, 1, 1, 0, 0, 0)
                                << "01/01/2000 00:00:00 s";
    QTest::newRow("minutes") << dt(2000, 1, 1, 10, 0, 0) << dt(2000, 1, 1, 10, 5, 0) << "05 m";
    QTest::newRow("minutes, hour turns")
        << dt(2000, 1, 1, 10, 55, 0) << dt(2000, 1, 1, 11, 0, 0) << "11:00 m";
    QTest::newRow("minutes, day turns")
        << dt(2000, 1, 1, 23, 55, 0) << dt(2000, 1, 2, 0, 0, 0) << "02 00:00 m";
    QTest::newRow("minutes, month turns: no blank")
        << dt(2000, 1, 31, 23, 58, 0) << dt(2000, 2, 1, 0, 3, 0) << "01/02 00:03m";
    QTest::newRow("minutes, year turns: no blank")
        << dt(1999, 12, 31, 23, 58, 0) << dt(2000, 1, 1, 0, 3, 0) << "01/01/2000 00:03m";
    QTest::newRow("hours") << dt(2000, 1, 1, 10, 0, 0) << dt(2000, 1, 1, 12, 0, 0) << "12 h";
    QTest::newRow("hours, day turns") << dt(2000, 1, 1, 22, 0, 0) << dt(2000, 1, 2, 0, 0, 0) << "02 00 h";
    QTest::newRow("days") << dt(2000, 1, 1, 0, 0, 0) << dt(2000, 1, 2, 0, 0, 0) << "02";
    QTest::newRow("days, month turns") << dt(2000, 1, 31, 0, 0, 0) << dt(2000, 2, 1, 0, 0, 0) << "01/02";
    QTest::newRow("months") << dt(2000, 1, 1, 0, 0, 0) << dt(2000, 2, 1, 0, 0, 0) << "fev";
    QTest::newRow("months, year turns") << dt(1999, 12, 1, 0, 0, 0) << dt(2000, 1, 1, 0, 0, 0) << "01/2000";
    QTest::newRow("years") << dt(2000, 1, 1, 0, 0, 0) << dt(2001, 1, 1, 0, 0, 0) << "2001";
    QTest::newRow("equal instants") << dt(2000, 1, 1, 0, 0, 0) << dt(2000, 1, 1, 0, 0, 0) << "";
    QTest::newRow("going back") << dt(2000, 1, 1, 0, 0, 10) << dt(2000, 1, 1, 0, 0, 0) << "";
}

void TestInstantes::rotuloEixoTempo()
{
    QFETCH(QDateTime, anterior);
    QFETCH(QDateTime, atual);
    QFETCH(QString, rotulo);
    QCOMPARE(RotuloEixoTempo(DataHora::deQDateTime(anterior), DataHora::deQDateTime(atual),
                 ConfigRegional::portuguesBrasil()),
        rotulo);
}

void TestInstantes::filtraDigito_data()
{
    QTest::addColumn<QChar>("tecla");
    QTest::addColumn<QChar>("resultado");
    QTest::newRow("zero") << QChar(u'0') << QChar(u'0');
    QTest::newRow("nine") << QChar(u'9') << QChar(u'9');
    QTest::newRow("backspace") << QChar(8) << QChar(8);
    QTest::newRow("letter") << QChar(u'a') << QChar(0);
    QTest::newRow("minus") << QChar(u'-') << QChar(0);
    QTest::newRow("decimal comma") << QChar(u',') << QChar(0);
    QTest::newRow("Arabic-Indic digit") << QChar(0x0663) << QChar(0);
}

void TestInstantes::filtraDigito()
{
    QFETCH(QChar, tecla);
    QFETCH(QChar, resultado);
    QCOMPARE(FiltraDigito(tecla), resultado);
}

void TestInstantes::ajustaSeparadorDecimal_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QChar>("separador");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("point to comma") << "-12.5" << QChar(u',') << "-12,5";
    QTest::newRow("comma stays") << "12,5" << QChar(u',') << "12,5";
    QTest::newRow("comma to point") << "12,5" << QChar(u'.') << "12.5";
    QTest::newRow("every mark") << "1.2,3" << QChar(u',') << "1,2,3";
    QTest::newRow("other separator leaves the text") << "12.5" << QChar(u'\'') << "12.5";
}

void TestInstantes::ajustaSeparadorDecimal()
{
    QFETCH(QString, texto);
    QFETCH(QChar, separador);
    QFETCH(QString, esperado);
    ConfigRegional r;
    r.separadorDecimal = separador;
    QCOMPARE(AjustaSeparadorDecimal(texto, r), esperado);
}

QUORVANE_TEST_GUILESS_MAIN(TestInstantes)
#include "tst_Instantes.moc"
