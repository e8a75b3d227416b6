#include "AmbienteFalso.h"
#include "Catalogo.h"
#include "RegistroTestes.h"
#include "Validacao.h"

class TestValidacao : public QObject
{
    Q_OBJECT
private slots:
    void oneWarningPerRefusal_data();
    void oneWarningPerRefusal();
    void replacedTextsAreShown();
    void worksWithoutMessagesOrCatalogue();
};

namespace {

enum class Rotina { Data, DataFutura, Hora, HoraMinuto, Intervalo };

// 7 December 2026, 15:30.
const TDateTime kAgora = *DataHora::codifica(2026, 12, 7, 15, 30, 0);

bool valida(Rotina rotina, const QString &texto, const Ambiente &ambiente)
{
    switch (rotina) {
    case Rotina::Data:
        return ValidaData(texto, ambiente);
    case Rotina::DataFutura:
        return ValidaDataFutura(texto, ambiente, kAgora);
    case Rotina::Hora:
        return ValidaHora(texto, ambiente);
    case Rotina::HoraMinuto:
        return ValidaHoraMinuto(texto, ambiente);
    case Rotina::Intervalo:
        return ValidaIntervalo(texto, ambiente);
    }
    return false;
}

}  // namespace

Q_DECLARE_METATYPE(Rotina)

void TestValidacao::oneWarningPerRefusal_data()
{
    QTest::addColumn<Rotina>("rotina");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("mensagem");  // text number, 0 when accepted

    QTest::newRow("date") << Rotina::Data << "29/02/2000" << 0;
    QTest::newRow("date not in the calendar") << Rotina::Data << "31/02/2000" << 247;
    QTest::newRow("date with a letter") << Rotina::Data << "3a/01/2000" << 248;
    QTest::newRow("empty date mask") << Rotina::Data << "  /  /    " << 248;
    QTest::newRow("date cut short") << Rotina::Data << "01/01/" << 247;
    QTest::newRow("empty date") << Rotina::Data << "" << 248;
    QTest::newRow("month 13") << Rotina::Data << "01/13/2000" << 247;

    QTest::newRow("today is the future") << Rotina::DataFutura << "07/12/2026" << 0;
    QTest::newRow("tomorrow") << Rotina::DataFutura << "08/12/2026" << 0;
    QTest::newRow("yesterday") << Rotina::DataFutura << "06/12/2026" << 246;
    QTest::newRow("last year") << Rotina::DataFutura << "31/12/2025" << 246;
    QTest::newRow("future date not in the calendar") << Rotina::DataFutura << "31/02/2027" << 247;
    QTest::newRow("future date with a letter") << Rotina::DataFutura << "01/0x/2027" << 248;

    QTest::newRow("time") << Rotina::Hora << "23:59:59" << 0;
    QTest::newRow("second 60") << Rotina::Hora << "12:00:60" << 252;
    QTest::newRow("hour 24") << Rotina::Hora << "24:00:00" << 252;
    QTest::newRow("empty time mask") << Rotina::Hora << "  :  :  " << 253;

    QTest::newRow("last minute of the day") << Rotina::HoraMinuto << "23:59" << 0;
    QTest::newRow("midnight") << Rotina::HoraMinuto << "00:00" << 0;
    QTest::newRow("24:00") << Rotina::HoraMinuto << "24:00" << 252;
    QTest::newRow("minute 60") << Rotina::HoraMinuto << "10:60" << 252;
    QTest::newRow("half-typed hour") << Rotina::HoraMinuto << "2 :00" << 253;

    QTest::newRow("one second") << Rotina::Intervalo << "00:00:01" << 0;
    QTest::newRow("longest interval") << Rotina::Intervalo << "23:59:59" << 0;
    QTest::newRow("all zero") << Rotina::Intervalo << "00:00:00" << 249;
    QTest::newRow("sixty minutes") << Rotina::Intervalo << "00:60:00" << 250;
    QTest::newRow("interval with a letter") << Rotina::Intervalo << "0a:00:00" << 251;
    QTest::newRow("empty interval mask") << Rotina::Intervalo << "  :  :  " << 251;
}

void TestValidacao::oneWarningPerRefusal()
{
    QFETCH(Rotina, rotina);
    QFETCH(QString, texto);
    QFETCH(int, mensagem);
    AmbienteFalso f;

    QCOMPARE(valida(rotina, texto, f.ambiente), mensagem == 0);
    if (mensagem == 0) {
        QVERIFY(f.mensagens.registro.isEmpty());
    } else {
        QCOMPARE(f.mensagens.registro.size(), 1);
        QCOMPARE(f.mensagens.registro.first().tipo, MensagemRegistrada::Tipo::Aviso);
        QCOMPARE(f.mensagens.registro.first().texto, Catalogo::padrao(mensagem));
    }
}

void TestValidacao::replacedTextsAreShown()
{
    AmbienteFalso f;
    f.catalogo.substitui(247, QStringLiteral("Invalid date."));
    QVERIFY(!ValidaData(QStringLiteral("30/02/2001"), f.ambiente));
    QCOMPARE(f.mensagens.textos(), QStringList { QStringLiteral("Invalid date.") });
}

void TestValidacao::worksWithoutMessagesOrCatalogue()
{
    const Ambiente vazio;
    QVERIFY(!ValidaIntervalo(QStringLiteral("00:00:00"), vazio));
    QVERIFY(ValidaData(QStringLiteral("01/01/2000"), vazio));
}

QUORVANE_TEST_GUILESS_MAIN(TestValidacao)
#include "tst_Validacao.moc"
