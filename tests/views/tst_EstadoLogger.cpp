// When a recording logger's memory runs out (each stop mode, interval and
// averaging, the half-second mode), what makes a row need attention, a
// logger's last collection with its verdict, and the order of the
// "Loggers" rows.
#include "ArquivoQvg.h"
#include "BlocoConfiguracao.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "EstadoLogger.h"
#include "Fakes.h"
#include "GravacaoTeste.h"
#include "PerfisGuardados.h"
#include "RegistroTestes.h"
#include "Registros.h"
#include "UltimaColeta.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

class tst_EstadoLogger : public QObject
{
    Q_OBJECT
private slots:
    void previsaoDaMemoria_data();
    void previsaoDaMemoria();
    void motivosDeAtencao_data();
    void motivosDeAtencao();
    void ultimaColeta_data();
    void ultimaColeta();
    void ordemDasLinhas_data();
    void ordemDasLinhas();
};

using Tipo = PrevisaoMemoria::Tipo;
Q_DECLARE_METATYPE(PrevisaoMemoria::Tipo)
using Veredito = EstadoLogger::Veredito;
Q_DECLARE_METATYPE(EstadoLogger::Veredito)

namespace {

// The recording saved from the collection, as it is on disk.
enum class Arquivo { Nenhum, Integro, Alterado };

}  // namespace

Q_DECLARE_METATYPE(Arquivo)

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

void tst_EstadoLogger::motivosDeAtencao_data()
{
    QTest::addColumn<bool>("respondeu");
    QTest::addColumn<int>("memoria");
    QTest::addColumn<int>("diasBateria");  // before now, over the rated life of 24 months; -1: unknown
    QTest::addColumn<Veredito>("veredito");
    QTest::addColumn<int>("atencoes");
    using A = EstadoLogger::Atencao;
    QTest::newRow("nada a notar") << true << 50 << -20 << Veredito::Aprovada << 0;
    QTest::newRow("memória acima de 90 %") << true << 91 << -20 << Veredito::Aprovada << int(A::Memoria);
    QTest::newRow("memória em 90 %") << true << 90 << -20 << Veredito::Aprovada << 0;
    QTest::newRow("bateria além da vida") << true << 10 << 1 << Veredito::SemColeta << int(A::Bateria);
    QTest::newRow("bateria no fim da vida") << true << 10 << 0 << Veredito::SemColeta << 0;
    QTest::newRow("bateria desconhecida") << true << 10 << -1 << Veredito::SemColeta << 0;
    QTest::newRow("última coleta reprovada")
        << true << 10 << -20 << Veredito::Reprovada << int(A::ColetaReprovada);
    QTest::newRow("coleta sem veredito") << true << 10 << -20 << Veredito::SemVeredito << 0;
    QTest::newRow("tudo junto") << true << 95 << 30 << Veredito::Reprovada
                                << int(A::Memoria | A::Bateria | A::ColetaReprovada);
    QTest::newRow("sem resposta: só isso") << false << 95 << 30 << Veredito::Reprovada << int(A::SemResposta);
}

void tst_EstadoLogger::motivosDeAtencao()
{
    QFETCH(bool, respondeu);
    QFETCH(int, memoria);
    QFETCH(int, diasBateria);
    QFETCH(Veredito, veredito);
    const QDateTime agora(QDate(2026, 12, 7), QTime(9, 30));
    EstadoLogger e;
    e.respondeu = respondeu;
    e.memoria = memoria;
    if (diasBateria >= 0)
        e.bateria = agora.addMonths(-24).addDays(-diasBateria);
    e.veredito = veredito;
    QTEST(int(EstadoLogger::avalia(e, 24, agora)), "atencoes");
}

void tst_EstadoLogger::ultimaColeta_data()
{
    QTest::addColumn<QString>("detalhes");  // of the collection's event; empty: none recorded
    QTest::addColumn<Arquivo>("arquivo");
    QTest::addColumn<bool>("excursao");  // the recording leaves 2 to 8 °C
    QTest::addColumn<Veredito>("veredito");
    QTest::addColumn<QString>("perfil");
    const QString faixa = QStringLiteral("2 a 8 °C");
    QTest::newRow("nenhuma coleta") << QString() << Arquivo::Nenhum << false << Veredito::SemColeta
                                    << QString();
    QTest::newRow("o evento traz o veredito")
        << R"({"aprovado": false, "perfil": "Vacinas"})" << Arquivo::Integro << false << Veredito::Reprovada
        << "Vacinas";
    QTest::newRow("o evento traz a aprovação") << R"({"aprovado": true, "perfil": "Vacinas"})"
                                               << Arquivo::Nenhum << true << Veredito::Aprovada << "Vacinas";
    QTest::newRow("sem veredito: o arquivo íntegro julgado")
        << "{}" << Arquivo::Integro << true << Veredito::Reprovada << faixa;
    QTest::newRow("sem veredito: o arquivo íntegro aprovado")
        << "{}" << Arquivo::Integro << false << Veredito::Aprovada << faixa;
    QTest::newRow("arquivo alterado depois do selo")
        << "{}" << Arquivo::Alterado << true << Veredito::SemVeredito << QString();
    QTest::newRow("sem arquivo nem veredito")
        << "{}" << Arquivo::Nenhum << false << Veredito::SemVeredito << QString();
}

void tst_EstadoLogger::ultimaColeta()
{
    QFETCH(QString, detalhes);
    QFETCH(Arquivo, arquivo);
    QFETCH(bool, excursao);
    constexpr qint32 Serie = 10010;
    QTemporaryDir pasta;
    Registros registros(pasta.path());
    QVERIFY(registros.disponivel());
    ConfiguracoesMemoria configuracoes;
    QVERIFY(PerfisGuardados(&configuracoes).atribui(Serie, QStringLiteral("geladeira")).ok());
    if (!detalhes.isEmpty())
        QVERIFY(registros.registra(
            { AcaoAuditoria::Coleta, Serie, QJsonDocument::fromJson(detalhes.toUtf8()).object() }));
    const ConfigRegional regional = ConfigRegional::portuguesBrasil();
    if (arquivo != Arquivo::Nenhum) {
        TAquisicao a = gravacaoTeste();
        a.NumeroSerie = Serie;
        a = comLeituras(a, 30, [excursao](int i) { return ParTeste(excursao && i == 10 ? 9.5 : 5.0, 1.0); });
        const QString caminho = pasta.filePath(QStringLiteral("coleta.qvg"));
        QVERIFY(ArquivoQvg::grava(a, caminho, regional));
        QVERIFY(registros.registraArquivo(AcaoAuditoria::Gravacao, caminho, QStringLiteral("qvg"), &a));
        if (arquivo == Arquivo::Alterado) {
            a = comLeituras(a, 1, [](int) { return ParTeste(5.0, 1.0); });
            QVERIFY(ArquivoQvg::grava(a, caminho, regional));
        }
    }
    const UltimaColeta u = UltimaColeta::de(registros, Serie, &configuracoes, Catalogo(), regional);
    QCOMPARE(u.instante.isValid(), !detalhes.isEmpty());
    QTEST(u.veredito, "veredito");
    QTEST(u.perfil, "perfil");
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
