// The zoom-range dialog's rules without its window: the checks in their
// order with their messages, the hidden second row, the spin buttons and
// their bounds, the values returned; and the time range the graph hands to
// the dialog and takes back from it in half-second mode.
#include "AmbienteFalso.h"
#include "DataHora.h"
#include "FaixaZoom.h"
#include "RegistroTestes.h"

#include "TAquisicao.h"
#include "TabelaTempo.h"
#include <QtTest>

using FaixaZoom::Campo;
using FaixaZoom::Giro;

Q_DECLARE_METATYPE(FaixaZoom::Campo)
Q_DECLARE_METATYPE(FaixaZoom::Giro)

namespace {

// A valid range: 01/01/2000 10:00:00 to 02/01/2000 12:00:00, 0 to 100
// and 20 to 80.
FaixaZoom::Campos campos()
{
    FaixaZoom::Campos c;
    c.dataInicial = QStringLiteral("01/01/2000");
    c.horaInicial = QStringLiteral("10:00:00");
    c.dataFinal = QStringLiteral("02/01/2000");
    c.horaFinal = QStringLiteral("12:00:00");
    c.valorDe = QStringLiteral("0,00");
    c.valorAte = QStringLiteral("100,00");
    c.valor2De = QStringLiteral("20");
    c.valor2Ate = QStringLiteral("80");
    return c;
}

// "campo=texto;campo=texto" applied to the fields.
FaixaZoom::Campos alterados(const QString &mudancas)
{
    FaixaZoom::Campos c = campos();
    for (const QString &m : mudancas.split(u';', Qt::SkipEmptyParts)) {
        const QString nome = m.section(u'=', 0, 0);
        const QString valor = m.section(u'=', 1);
        QString *alvo = nome == u"di" ? &c.dataInicial
            : nome == u"hi"           ? &c.horaInicial
            : nome == u"df"           ? &c.dataFinal
            : nome == u"hf"           ? &c.horaFinal
            : nome == u"v1"           ? &c.valorDe
            : nome == u"v2"           ? &c.valorAte
            : nome == u"w1"           ? &c.valor2De
                                      : &c.valor2Ate;
        *alvo = valor;
    }
    return c;
}

TAquisicao meioSegundo(int n)
{
    TAquisicao a;
    a.defineIntervalo(0);
    a.Inicio = DataHora::codifica(2000, 1, 1, 10, 0, 0).value_or(0);
    for (int i = 0; i < n; ++i)
        a.adicionaLeitura(i, i);
    a.AjustaFim();
    return a;
}

TDateTime aos(int segundos)
{
    return DataHora::codifica(2000, 1, 1, 10, 0, 0).value_or(0) + segundos / 86400.0;
}

}  // namespace

class tst_FaixaZoom : public QObject
{
    Q_OBJECT
private slots:
    void verificacoesNaOrdem_data();
    void verificacoesNaOrdem();
    void valoresDevolvidos();
    void botoesDeGiro_data();
    void botoesDeGiro();
    void camposPreenchidos();
    void faixaParaODialogo_data();
    void faixaParaODialogo();
    void faixaParaOEixo_data();
    void faixaParaOEixo();
};

void tst_FaixaZoom::verificacoesNaOrdem_data()
{
    QTest::addColumn<QString>("mudancas");
    QTest::addColumn<int>("faixas");
    QTest::addColumn<Campo>("foco");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("valid") << "" << 2 << Campo::Nenhum << "";
    QTest::newRow("blank start date")
        << "di=  /  /    " << 2 << Campo::DataInicial << "Data informada deve ser numérica.";
    QTest::newRow("blank end time") << "hf=  :  :  " << 2 << Campo::HoraFinal
                                    << "Hora informada deve ser numérica.";
    QTest::newRow("dates before times: both wrong")
        << "hi=25:00:00;df=31/02/2000" << 2 << Campo::HoraInicial << "Hora inválida.";
    QTest::newRow("blank maximum value") << "v2=" << 2 << Campo::ValorAte << "Valor deve ser informado.";
    QTest::newRow("values before dates")
        << "v1=x;di=02/01/2000;df=01/01/2000" << 2 << Campo::ValorDe << "Valor deve ser informado.";
    QTest::newRow("start date after end date")
        << "di=03/01/2000" << 2 << Campo::DataInicial
        << "Data da aquisição inicial deve ser inferior a data da aquisição final.";
    QTest::newRow("equal instants")
        << "df=01/01/2000;hf=10:00:00" << 2 << Campo::HoraInicial
        << "Horário da aquisição inicial deve ser inferior ao horário da aquisição final.";
    QTest::newRow("one second later passes") << "df=01/01/2000;hf=10:00:01" << 2 << Campo::Nenhum << "";
    QTest::newRow("end time earlier on the same day")
        << "df=01/01/2000;hf=09:00:00" << 2 << Campo::HoraInicial
        << "Horário da aquisição inicial deve ser inferior ao horário da aquisição final.";
    QTest::newRow("equal values") << "v1=100" << 2 << Campo::ValorDe
                                  << "Valor inicial deve ser inferior ao valor final.";
    QTest::newRow("second row equal values")
        << "w1=80" << 2 << Campo::Valor2De << "Valor inicial deve ser inferior ao valor final.";
    QTest::newRow("second row blank") << "w2=" << 2 << Campo::Valor2Ate << "Valor deve ser informado.";
    QTest::newRow("one range: second row not checked") << "w1=x;w2=" << 1 << Campo::Nenhum << "";
    QTest::newRow("negative and decimal values") << "v1=-12.5;v2=-3,25" << 1 << Campo::Nenhum << "";
}

void tst_FaixaZoom::verificacoesNaOrdem()
{
    QFETCH(QString, mudancas);
    QFETCH(int, faixas);
    QFETCH(Campo, foco);
    QFETCH(QString, mensagem);
    AmbienteFalso f;
    const FaixaZoom::Campos c = alterados(mudancas);
    Campo obtido = FaixaZoom::validaCampos(c, f.ambiente);
    if (obtido == Campo::Nenhum)
        obtido = FaixaZoom::validaCoordenadas(c, faixas, faixas > 1, f.ambiente);
    QCOMPARE(obtido, foco);
    QCOMPARE(f.mensagens.textos(), mensagem.isEmpty() ? QStringList() : QStringList { mensagem });
}

void tst_FaixaZoom::valoresDevolvidos()
{
    const ConfigRegional r = ConfigRegional::portuguesBrasil();
    const FaixaZoom::Resultado dois = FaixaZoom::resultado(alterados("v1=-12,5"), 2, r);
    QCOMPARE(dois.dataInicial, DataHora::codificaData(2000, 1, 1).value_or(-1));
    QCOMPARE(dois.horaInicial, DataHora::codificaHora(10, 0, 0).value_or(-1));
    QCOMPARE(dois.dataFinal, DataHora::codificaData(2000, 1, 2).value_or(-1));
    QCOMPARE(dois.horaFinal, DataHora::codificaHora(12, 0, 0).value_or(-1));
    QCOMPARE(dois.min1, -12.5);
    QCOMPARE(dois.max1, 100.0);
    QCOMPARE(dois.min2, 20.0);
    QCOMPARE(dois.max2, 80.0);
    // With one range the second row is not returned.
    const FaixaZoom::Resultado um = FaixaZoom::resultado(campos(), 1, r);
    QCOMPARE(um.min2, 0.0);
    QCOMPARE(um.max2, 0.0);
}

void tst_FaixaZoom::botoesDeGiro_data()
{
    QTest::addColumn<QString>("mudancas");
    QTest::addColumn<Giro>("botao");
    QTest::addColumn<bool>("sobe");
    QTest::addColumn<QString>("esperado");  // the changed fields, as mudancas; "" nothing changes
    QTest::newRow("start date up") << "" << Giro::DataIni << true << "di=02/01/2000";
    QTest::newRow("start date up at the end date") << "di=02/01/2000" << Giro::DataIni << true << "";
    QTest::newRow("start date down") << "" << Giro::DataIni << false << "di=31/12/1999";
    QTest::newRow("end date down at the start date")
        << "df=01/01/2000;hf=11:00:00" << Giro::DataFinal << false << "";
    QTest::newRow("end date down") << "" << Giro::DataFinal << false << "df=01/01/2000";
    QTest::newRow("end date up across the month")
        << "df=31/01/2000" << Giro::DataFinal << true << "df=01/02/2000";
    QTest::newRow("start time up one second") << "" << Giro::HoraIni << true << "hi=10:00:01";
    QTest::newRow("start time down one second") << "" << Giro::HoraIni << false << "hi=09:59:59";
    QTest::newRow("end time up") << "hf=10:00:00" << Giro::HoraFinal << true << "hf=10:00:01";
    QTest::newRow("end time down") << "hf=10:00:00" << Giro::HoraFinal << false << "hf=09:59:59";
    QTest::newRow("start time up stops a second before the end")
        << "df=01/01/2000;hf=10:00:01" << Giro::HoraIni << true << "";
    QTest::newRow("start time up two seconds before the end")
        << "df=01/01/2000;hf=10:00:02" << Giro::HoraIni << true << "hi=10:00:01";
    QTest::newRow("end time down reaches the start")
        << "df=01/01/2000;hf=10:00:01" << Giro::HoraFinal << false << "hf=10:00:00";
    QTest::newRow("end time down at the start")
        << "df=01/01/2000;hf=10:00:00" << Giro::HoraFinal << false << "";
    QTest::newRow("midnight wraps, the date stays")
        << "hi=00:00:00" << Giro::HoraIni << false << "hi=23:59:59";
    QTest::newRow("unreadable time: nothing") << "hi=1a:00:00" << Giro::HoraIni << true << "";
    QTest::newRow("minimum up") << "v1=98" << Giro::ValorMin << true << "v1=99";
    QTest::newRow("minimum up one below the maximum") << "v1=99" << Giro::ValorMin << true << "";
    QTest::newRow("minimum down keeps a fraction") << "v1=0,5" << Giro::ValorMin << false << "v1=-0,5";
    QTest::newRow("maximum down one above the minimum") << "v2=1" << Giro::ValorMax << false << "";
    QTest::newRow("maximum up") << "" << Giro::ValorMax << true << "v2=101";
    QTest::newRow("second minimum up") << "" << Giro::ValorMin2 << true << "w1=21";
    QTest::newRow("second maximum down to one above") << "w2=22" << Giro::ValorMax2 << false << "w2=21";
    QTest::newRow("unreadable value: nothing") << "v2=abc" << Giro::ValorMin << true << "";
}

void tst_FaixaZoom::botoesDeGiro()
{
    QFETCH(QString, mudancas);
    QFETCH(Giro, botao);
    QFETCH(bool, sobe);
    QFETCH(QString, esperado);
    FaixaZoom::Campos c = alterados(mudancas);
    const bool aplicado = FaixaZoom::gira(c, botao, sobe, ConfigRegional::portuguesBrasil());
    QCOMPARE(aplicado, !esperado.isEmpty());
    const FaixaZoom::Campos e = alterados(mudancas + u';' + esperado);
    QCOMPARE(c.dataInicial, e.dataInicial);
    QCOMPARE(c.horaInicial, e.horaInicial);
    QCOMPARE(c.dataFinal, e.dataFinal);
    QCOMPARE(c.horaFinal, e.horaFinal);
    QCOMPARE(c.valorDe, e.valorDe);
    QCOMPARE(c.valorAte, e.valorAte);
    QCOMPARE(c.valor2De, e.valor2De);
    QCOMPARE(c.valor2Ate, e.valor2Ate);
}

void tst_FaixaZoom::camposPreenchidos()
{
    FaixaZoom::Valores v;
    v.inicio = aos(0);
    v.fim = aos(86400 + 7200 + 5);
    v.min1 = -5;
    v.max1 = 1234.567;
    v.min2 = 20;
    v.max2 = 80;
    const ConfigRegional r = ConfigRegional::portuguesBrasil();
    const FaixaZoom::Campos dois = FaixaZoom::preenche(v, 2, r);
    QCOMPARE(dois.dataInicial, QStringLiteral("01/01/2000"));
    QCOMPARE(dois.horaInicial, QStringLiteral("10:00:00"));
    QCOMPARE(dois.dataFinal, QStringLiteral("02/01/2000"));
    QCOMPARE(dois.horaFinal, QStringLiteral("12:00:05"));
    QCOMPARE(dois.valorDe, QStringLiteral("-5,00"));
    QCOMPARE(dois.valorAte, QStringLiteral("1234,57"));
    QCOMPARE(dois.valor2Ate, QStringLiteral("80,00"));
    QVERIFY(FaixaZoom::preenche(v, 1, r).valor2De.isEmpty());
}

void tst_FaixaZoom::faixaParaODialogo_data()
{
    QTest::addColumn<double>("intervalo");
    QTest::addColumn<int>("minimo");  // axis, seconds after Inicio
    QTest::addColumn<int>("maximo");
    QTest::addColumn<int>("esperadoMin");  // seconds after Inicio
    QTest::addColumn<int>("esperadoMax");
    QTest::newRow("with an interval: the axis's range") << 10.0 << 35 << 95 << 35 << 95;
    // Entry i lies at 120 i s on the axis and at i / 2 s in truth.
    QTest::newRow("half-second: entries under the ends") << 0.0 << 2 * 120 + 30 << 7 * 120 + 100 << 1 << 3;
    QTest::newRow("half-second: before Inicio gives the first entry") << 0.0 << -500 << 360 << 0 << 1;
    QTest::newRow("half-second: past the last gives the last entry") << 0.0 << 0 << 99999 << 0 << 4;
}

void tst_FaixaZoom::faixaParaODialogo()
{
    QFETCH(double, intervalo);
    QFETCH(int, minimo);
    QFETCH(int, maximo);
    QFETCH(int, esperadoMin);
    QFETCH(int, esperadoMax);
    TAquisicao a = meioSegundo(10);
    a.defineIntervalo(intervalo);
    const FaixaZoom::FaixaTempo f = FaixaZoom::paraDialogo(a, aos(minimo), aos(maximo));
    QCOMPARE(qRound((f.minimo - a.Inicio) * 86400), esperadoMin);
    QCOMPARE(qRound((f.maximo - a.Inicio) * 86400), esperadoMax);
}

void tst_FaixaZoom::faixaParaOEixo_data()
{
    QTest::addColumn<int>("inicio");  // seconds after Inicio
    QTest::addColumn<int>("fim");
    QTest::addColumn<int>("primeira");  // entries whose x values bound the axis
    QTest::addColumn<int>("ultima");
    QTest::newRow("half-second: the entries at the instants") << 1 << 3 << 2 << 6;
    QTest::newRow("half-second: before Inicio gives the first entry") << -30 << 3 << 0 << 6;
    QTest::newRow("half-second: past the last entry: everything") << 1 << 60 << 0 << 9;
}

void tst_FaixaZoom::faixaParaOEixo()
{
    QFETCH(int, inicio);
    QFETCH(int, fim);
    QFETCH(int, primeira);
    QFETCH(int, ultima);
    const TAquisicao a = meioSegundo(10);
    const FaixaZoom::FaixaTempo f = FaixaZoom::paraEixo(a, aos(inicio), aos(fim));
    QCOMPARE(f.minimo, TabelaTempo::x(a, primeira));
    QCOMPARE(f.maximo, TabelaTempo::x(a, ultima));
    // With an interval the instants themselves.
    TAquisicao b = a;
    b.defineIntervalo(10);
    const FaixaZoom::FaixaTempo g = FaixaZoom::paraEixo(b, aos(inicio), aos(fim));
    QCOMPARE(g.minimo, aos(inicio));
    QCOMPARE(g.maximo, aos(fim));
}

QUORVANE_TEST_GUILESS_MAIN(tst_FaixaZoom)
#include "tst_FaixaZoom.moc"
