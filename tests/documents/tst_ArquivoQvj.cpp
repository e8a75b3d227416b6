#include "ArquivoQvj.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "LinhasTeste.h"
#include "RegistroTestes.h"
#include "Windows1252.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

using ArquivoQvj::Erro;

double instante(int dia, int hora, int minuto, int segundo)
{
    return DataHora::codifica(2024, 3, dia, hora, minuto, segundo).value();
}

// Two entries: a two-channel one in °C and a half-second one-channel one in %.
ArquivoQvj::Juncao exemplo()
{
    ArquivoQvj::Juncao j;
    j.UnidadeEixoEsquerdo = QStringLiteral("°C");
    j.UnidadeEixoDireito = QStringLiteral("%");
    TNodoJuncao a;
    a.NomeCanal1 = QStringLiteral("Forno A");
    a.NomeCanal2 = QStringLiteral("Forno ção");
    a.UnidadeCanal1 = QStringLiteral("°C");
    a.UnidadeCanal2 = QStringLiteral("°C");
    a.IntervaloAquisicoes = 10;
    a.NumCanais = 2;
    a.SensorCanal1 = 0;
    a.SensorCanal2 = 0;
    a.Inicio = instante(5, 8, 0, 0);
    a.Fim = instante(5, 8, 0, 20);
    a.EscalaMin = -12.5;
    a.EscalaMax = 250;
    a.Leituras = { TLeitura(23.456, -1.5), TLeitura(1.234, 0), TLeitura(-0.001, 100) };
    TNodoJuncao b;
    b.NomeCanal1 = QStringLiteral("Umidade");
    b.UnidadeCanal1 = QStringLiteral("%");
    b.IntervaloAquisicoes = 0;
    b.NumCanais = 1;
    b.SensorCanal1 = 0;
    b.Inicio = instante(6, 23, 59, 59);
    b.Fim = instante(7, 0, 0, 1);
    b.EscalaMin = 0;
    b.EscalaMax = 100;
    b.Leituras = { TLeitura(45.5, 0), TLeitura(46, 0) };
    j.entradas = { a, b };
    return j;
}

QStringList linhasExemplo()
{
    return { QStringLiteral("°C"), "%", "2", "2", "Forno A", "Forno ção", "°C", "°C", "10", "-12,50",
        "250,00", "05/03/2024", "08:00:00", "05/03/2024", "08:00:20", "3", "23,46", "-1,50", "1,23", "0,00",
        "0,00", "100,00", "1", "Umidade", "", "%", "", "0", "0,00", "100,00", "06/03/2024", "23:59:59",
        "07/03/2024", "00:00:01", "2", "45,50", "0,00", "46,00", "0,00" };
}

ArquivoQvj::Resultado le(const QStringList &linhas, QChar separador = u',')
{
    return ArquivoQvj::le(arquivo(linhas), regional(separador));
}

}  // namespace

class tst_ArquivoQvj : public QObject
{
    Q_OBJECT

private slots:
    void gravaAsLinhasNaOrdem();
    void gravaELeDeVolta();
    void separadoresTrocados_data();
    void separadoresTrocados();
    void sensoresPelasUnidades_data();
    void sensoresPelasUnidades();
    void entradaSemLeituras();
    void recusa_data();
    void recusa();
    void contagensEnormesRecusadasSemDemora_data();
    void contagensEnormesRecusadasSemDemora();
    void gravacaoQueFalhaPreservaOArquivoAnterior();
    void arquivoInexistente();
    void arquivosDeExemploNasDuasRegioes_data();
    void arquivosDeExemploNasDuasRegioes();
};

void tst_ArquivoQvj::gravaAsLinhasNaOrdem()
{
    QCOMPARE(ArquivoQvj::conteudo(exemplo(), regional(u',')), arquivo(linhasExemplo()));
}

// Units, names, instants to the second, values to two decimals; the
// half-second entry's interval comes back as 0 and a fraction is dropped.
void tst_ArquivoQvj::gravaELeDeVolta()
{
    ArquivoQvj::Juncao j = exemplo();
    j.entradas[0].IntervaloAquisicoes = 10.7;
    j.entradas[0].Inicio += 0.4 / DataHora::SegundosPorDia;
    const auto r = ArquivoQvj::le(ArquivoQvj::conteudo(j, regional(u',')), regional(u','));
    QCOMPARE(r.erro, Erro::Nenhum);
    ArquivoQvj::Juncao esperada = exemplo();
    esperada.entradas[0].Leituras = { TLeitura(23.46, -1.5), TLeitura(1.23, 0), TLeitura(0, 100) };
    QCOMPARE(r.juncao.UnidadeEixoEsquerdo, esperada.UnidadeEixoEsquerdo);
    QCOMPARE(r.juncao.UnidadeEixoDireito, esperada.UnidadeEixoDireito);
    QCOMPARE(r.juncao.entradas.size(), size_t(2));
    for (size_t i = 0; i < 2; ++i) {
        const TNodoJuncao &lido = r.juncao.entradas[i];
        const TNodoJuncao &e = esperada.entradas[i];
        QCOMPARE(lido.NomeCanal1, e.NomeCanal1);
        QCOMPARE(lido.NomeCanal2, e.NomeCanal2);
        QCOMPARE(lido.UnidadeCanal1, e.UnidadeCanal1);
        QCOMPARE(lido.UnidadeCanal2, e.UnidadeCanal2);
        QCOMPARE(lido.IntervaloAquisicoes, e.IntervaloAquisicoes);
        QCOMPARE(lido.NumCanais, e.NumCanais);
        QCOMPARE(DataHora::decodifica(lido.Inicio).segundo, DataHora::decodifica(e.Inicio).segundo);
        QCOMPARE(
            qRound64(lido.Inicio * DataHora::SegundosPorDia), qRound64(e.Inicio * DataHora::SegundosPorDia));
        QCOMPARE(qRound64(lido.Fim * DataHora::SegundosPorDia), qRound64(e.Fim * DataHora::SegundosPorDia));
        QCOMPARE(lido.EscalaMin, e.EscalaMin);
        QCOMPARE(lido.EscalaMax, e.EscalaMax);
        QCOMPARE(lido.Leituras, e.Leituras);
    }
}

void tst_ArquivoQvj::separadoresTrocados_data()
{
    QTest::addColumn<QChar>("escrita");
    QTest::addColumn<QChar>("leitura");
    QTest::newRow("vírgula lida com ponto") << QChar(u',') << QChar(u'.');
    QTest::newRow("ponto lido com vírgula") << QChar(u'.') << QChar(u',');
}

void tst_ArquivoQvj::separadoresTrocados()
{
    QFETCH(QChar, escrita);
    QFETCH(QChar, leitura);
    const QByteArray bytes = ArquivoQvj::conteudo(exemplo(), regional(escrita));
    QVERIFY(bytes.contains(escrita == u',' ? "23,46" : "23.46"));
    const auto r = ArquivoQvj::le(bytes, regional(leitura));
    QCOMPARE(r.erro, Erro::Nenhum);
    QCOMPARE(r.juncao.entradas[0].Leituras[0], TLeitura(23.46, -1.5));
    QCOMPARE(r.juncao.entradas[0].EscalaMin, -12.5);
}

void tst_ArquivoQvj::sensoresPelasUnidades_data()
{
    QTest::addColumn<int>("canais");
    QTest::addColumn<QString>("unidade1");
    QTest::addColumn<QString>("unidade2");
    QTest::addColumn<bool>("usa1");
    QTest::addColumn<bool>("usa2");
    QTest::newRow("dois canais") << 2 << "°C"
                                 << "" << true << true;
    QTest::newRow("um canal com unidade no 1") << 1 << "°C"
                                               << "%" << true << false;
    QTest::newRow("um canal com unidade só no 2") << 1 << ""
                                                  << "%" << false << true;
    QTest::newRow("um canal sem unidades") << 1 << ""
                                           << "" << true << false;
}

void tst_ArquivoQvj::sensoresPelasUnidades()
{
    QFETCH(int, canais);
    QFETCH(QString, unidade1);
    QFETCH(QString, unidade2);
    QFETCH(bool, usa1);
    QFETCH(bool, usa2);
    QStringList linhas = linhasExemplo().mid(0, 22);
    linhas[2] = QStringLiteral("1");
    linhas[3] = QString::number(canais);
    linhas[6] = unidade1;
    linhas[7] = unidade2;
    const auto r = le(linhas);
    QCOMPARE(r.erro, Erro::Nenhum);
    QCOMPARE(r.juncao.entradas[0].canal1Usado(), usa1);
    QCOMPARE(r.juncao.entradas[0].canal2Usado(), usa2);
}

void tst_ArquivoQvj::entradaSemLeituras()
{
    QStringList linhas = linhasExemplo().mid(0, 16);
    linhas[15] = QStringLiteral("0");
    linhas[2] = QStringLiteral("1");
    const auto r = le(linhas);
    QCOMPARE(r.erro, Erro::Nenhum);
    QVERIFY(r.juncao.entradas[0].Leituras.empty());
}

void tst_ArquivoQvj::recusa_data()
{
    QTest::addColumn<int>("linha");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<Erro>("erro");
    const Erro naoExiste = Erro::ArquivoNaoExiste;
    const Erro formato = Erro::FormatoInvalido;
    QTest::newRow("número de entradas") << 2 << "abc" << naoExiste;
    QTest::newRow("número de canais") << 3 << "dois" << naoExiste;
    QTest::newRow("intervalo") << 8 << "x" << naoExiste;
    QTest::newRow("escala mínima") << 9 << "" << naoExiste;
    QTest::newRow("escala máxima") << 10 << "1,2,3" << naoExiste;
    QTest::newRow("data do início") << 11 << "abc" << naoExiste;
    QTest::newRow("hora do fim") << 14 << "25:00:00" << naoExiste;
    QTest::newRow("número de leituras") << 15 << "três" << formato;
    QTest::newRow("valor do canal 1") << 16 << "abc" << formato;
    QTest::newRow("valor do canal 2 da segunda entrada") << 38 << "" << formato;
    QTest::newRow("mais leituras que linhas") << 34 << "3" << formato;
    QTest::newRow("linha longa") << 4 << QString(256, u'a') << formato;
    QTest::newRow("três canais") << 3 << "3" << formato;
    QTest::newRow("nenhuma entrada") << 2 << "0" << formato;
    QTest::newRow("mais entradas que canais") << 2 << "9" << formato;
    QTest::newRow("intervalo negativo") << 8 << "-1" << formato;
}

void tst_ArquivoQvj::recusa()
{
    QFETCH(int, linha);
    QFETCH(QString, texto);
    QFETCH(Erro, erro);
    QStringList linhas = linhasExemplo();
    linhas[linha] = texto;
    const auto r = le(linhas);
    QCOMPARE(r.erro, erro);
    QVERIFY(r.juncao.entradas.empty());
}

void tst_ArquivoQvj::contagensEnormesRecusadasSemDemora_data()
{
    QTest::addColumn<int>("linha");
    QTest::newRow("leituras") << 15;
    QTest::newRow("leituras da segunda entrada") << 34;
}

void tst_ArquivoQvj::contagensEnormesRecusadasSemDemora()
{
    QFETCH(int, linha);
    QStringList linhas = linhasExemplo();
    linhas[linha] = QStringLiteral("2147483647");
    QElapsedTimer relogio;
    relogio.start();
    QCOMPARE(le(linhas).erro, Erro::FormatoInvalido);
    QVERIFY2(relogio.elapsed() < 200, "a false count must not be allocated for");
}

void tst_ArquivoQvj::gravacaoQueFalhaPreservaOArquivoAnterior()
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("antiga.qvj"));
    const ConfigRegional r = regional(u',');
    QVERIFY(ArquivoQvj::grava(exemplo(), caminho, r));
    const QByteArray antes = conteudoDe(caminho);

    // A file-size limit makes the larger file fail half-way, as a full disk would.
    ArquivoQvj::Juncao grande = exemplo();
    grande.entradas[0].Leituras.resize(20000, TLeitura(1, 2));
    rlimit anterior {};
    getrlimit(RLIMIT_FSIZE, &anterior);
    const auto sinalAnterior = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = anterior;
    limite.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &limite);
    const bool gravou = ArquivoQvj::grava(grande, caminho, r);
    setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, sinalAnterior);

    QVERIFY(!gravou);
    QCOMPARE(conteudoDe(caminho), antes);
    QCOMPARE(QDir(pasta.path()).entryList(QDir::Files), QStringList { QStringLiteral("antiga.qvj") });
}

void tst_ArquivoQvj::arquivoInexistente()
{
    QTemporaryDir pasta;
    const auto r = ArquivoQvj::leArquivo(pasta.filePath(QStringLiteral("nada.qvj")), regional(u','));
    QCOMPARE(r.erro, Erro::ArquivoNaoExiste);
}

void tst_ArquivoQvj::arquivosDeExemploNasDuasRegioes_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QChar>("separador");
    for (const char *nome : { "qvj/tres-gravacoes.qvj", "qvj/tres-gravacoes-ponto.qvj" }) {
        QTest::addRow("%s lido com vírgula", nome) << QString::fromLatin1(nome) << QChar(u',');
        QTest::addRow("%s lido com ponto", nome) << QString::fromLatin1(nome) << QChar(u'.');
    }
}

// The files the fuzzing starts from: three recordings, a one-channel one on
// channel 2 and a half-second one.
void tst_ArquivoQvj::arquivosDeExemploNasDuasRegioes()
{
    QFETCH(QString, nome);
    QFETCH(QChar, separador);
    const QString caminho = QFINDTESTDATA(nome);
    QVERIFY(!caminho.isEmpty());
    const auto r = ArquivoQvj::leArquivo(caminho, regional(separador));
    QCOMPARE(r.erro, Erro::Nenhum);
    QCOMPARE(r.juncao.entradas.size(), size_t(3));
    const TNodoJuncao &umidade = r.juncao.entradas[2];
    QCOMPARE(umidade.canalUnico(), 2);
    QCOMPARE(umidade.IntervaloAquisicoes, 0.0);
    QCOMPARE(umidade.Leituras[1].Canal2(), 56.5);
    QCOMPARE(r.juncao.entradas[0].Leituras[1], TLeitura(41, 43));
}

QUORVANE_TEST_GUILESS_MAIN(tst_ArquivoQvj)
#include "tst_ArquivoQvj.moc"
