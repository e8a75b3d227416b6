#include "Catalogo.h"
#include "ConfigRegional.h"
#include "GravacaoTeste.h"
#include "ModeloGravacoes.h"
#include "ModeloTrilha.h"
#include "RegistroTestes.h"
#include "Registros.h"
#include "TextoRegistros.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using TextoRegistros::Integridade;

class tst_TextoRegistros : public QObject
{
    Q_OBJECT

private slots:
    void integridadeDeUmaGravacao_data();
    void integridadeDeUmaGravacao();
    void textosDaTrilha_data();
    void textosDaTrilha();
    void csvCitaOsCamposComSeparadorOuAspas();
    void detalhesLongosContinuamNaColunaImpressa();
    void trilhaLidaPorPaginasEFiltrada();
    void gravacoesVerificadasSoQuandoPedidas();

private:
    Catalogo m_catalogo;
    ConfigRegional m_regional = ConfigRegional::portuguesBrasil();
};

void tst_TextoRegistros::integridadeDeUmaGravacao_data()
{
    QTest::addColumn<QString>("shaAtual");
    QTest::addColumn<bool>("seladoDepois");
    QTest::addColumn<int>("esperado");
    QTest::addColumn<QString>("texto");
    QTest::newRow("the same bytes are whole") << "ABC" << false << int(Integridade::Integro) << "Íntegro";
    QTest::newRow("other bytes were changed")
        << "def" << false << int(Integridade::Alterado) << "Alterado depois de gravado";
    QTest::newRow("bytes of a later save replaced it")
        << "def" << true << int(Integridade::Substituido) << "Substituído por gravação posterior";
    QTest::newRow("no file is missing") << "" << false << int(Integridade::Ausente) << "Arquivo ausente";
}

void tst_TextoRegistros::integridadeDeUmaGravacao()
{
    QFETCH(QString, shaAtual);
    QFETCH(bool, seladoDepois);
    QFETCH(int, esperado);
    SeloArquivo selo;
    selo.sha256 = QStringLiteral("abc");
    const Integridade e = TextoRegistros::integridade(selo, shaAtual, seladoDepois);
    QCOMPARE(int(e), esperado);
    QTEST(TextoRegistros::textoIntegridade(e, m_catalogo), "texto");
}

void tst_TextoRegistros::textosDaTrilha_data()
{
    QTest::addColumn<QString>("acao");
    QTest::addColumn<int>("deslocamento");
    QTest::addColumn<int>("coluna");
    QTest::addColumn<QString>("esperado");
    using C = TextoRegistros::ColunaTrilha;
    QTest::newRow("an intent names its action")
        << "configuracao.intencao" << 0 << int(C::Acao) << "Configuração (intenção)";
    QTest::newRow("an outcome names its action")
        << "bateria.resultado" << 0 << int(C::Acao) << "Data da bateria (resultado)";
    QTest::newRow("a plain action") << "gravacao" << 0 << int(C::Acao) << "Gravação";
    QTest::newRow("an unknown action as stored") << "outra.coisa" << 0 << int(C::Acao) << "outra.coisa";
    QTest::newRow("the instant in the clock of its user west of UTC")
        << "coleta" << -10800 << int(C::Instante) << "01/06/2024 14:03:07 (UTC-03:00)";
    QTest::newRow("the instant east of UTC with half hours")
        << "coleta" << 19800 << int(C::Instante) << "01/06/2024 22:33:07 (UTC+05:30)";
}

void tst_TextoRegistros::textosDaTrilha()
{
    QFETCH(QString, acao);
    QFETCH(int, deslocamento);
    QFETCH(int, coluna);
    LinhaTrilha l;
    l.acao = acao;
    l.instante = QStringLiteral("2024-06-01T17:03:07.250Z");
    l.deslocamento = deslocamento;
    QTEST(TextoRegistros::textoTrilha(l, TextoRegistros::ColunaTrilha(coluna), m_catalogo, m_regional),
        "esperado");
}

void tst_TextoRegistros::csvCitaOsCamposComSeparadorOuAspas()
{
    LinhaTrilha l;
    l.id = 7;
    l.instante = QStringLiteral("2024-06-01T17:03:07.250Z");
    l.deslocamento = -10800;
    l.usuario = QStringLiteral("ana");
    l.host = QStringLiteral("lab");
    l.versao = QStringLiteral("1.0");
    l.acao = QStringLiteral("limites");
    l.serie = 1234;
    l.detalhes = QStringLiteral(R"({"a":"x;y"})");
    l.hash = QStringLiteral("ff");
    ExportacaoCsv::Opcoes opcoes;
    const QByteArray csv = TextoRegistros::csvTrilha({ l }, m_catalogo, opcoes);
    QCOMPARE(csv,
        QByteArray("\xEF\xBB\xBF#;Instante;Usuário;Host;Versão;Ação;Logger;Detalhes;SHA-256\r\n"
                   "7;2024-06-01T14:03:07.250-03:00;ana;lab;1.0;limites;00001234;\"{\"\"a\"\":\"\"x;y\"\"}\";"
                   "ff\r\n"));
}

void tst_TextoRegistros::detalhesLongosContinuamNaColunaImpressa()
{
    LinhaTrilha l;
    l.id = 3;
    l.instante = QStringLiteral("2024-06-01T17:03:07.000Z");
    l.usuario = QStringLiteral("ana");
    l.acao = QStringLiteral("coleta");
    l.detalhes = QStringLiteral("abcdefghij");
    const QStringList linhas = TextoRegistros::linhasImpressas(l, m_catalogo, m_regional, 4);
    QCOMPARE(linhas,
        QStringList({ "3\t01/06/2024 17:03:07 (UTC+00:00)\tana\tColeta\t—\tabcd", "\t\t\t\t\tefgh",
            "\t\t\t\t\tij" }));
}

void tst_TextoRegistros::trilhaLidaPorPaginasEFiltrada()
{
    QTemporaryDir pasta;
    Registros registros(pasta.path());
    QVERIFY(registros.disponivel());
    for (int k = 0; k < 450; ++k)
        QVERIFY(registros.registra({ AcaoAuditoria::Coleta, 100 + k % 3, {} }));
    ModeloTrilha modelo(*registros.trilha(), m_catalogo, m_regional);
    modelo.defineFiltro({});
    QCOMPARE(modelo.rowCount(), ModeloTrilha::Pagina);
    QCOMPARE(modelo.linha(0).id, 450);  // the newest first
    QVERIFY(modelo.canFetchMore({}));
    modelo.fetchMore({});
    modelo.fetchMore({});
    QCOMPARE(modelo.rowCount(), 450);
    QCOMPARE(modelo.linha(449).id, 1);
    QVERIFY(!modelo.canFetchMore({}));

    modelo.defineFiltro(TextoRegistros::filtroTrilha({ 101, {}, {}, AcaoAuditoria::Coleta }));
    modelo.fetchMore({});
    QCOMPARE(modelo.rowCount(), 150);
    QCOMPARE(modelo.todas().size(), 150);
    QCOMPARE(modelo.linha(0).serie, 101);
    modelo.defineFiltro(TextoRegistros::filtroTrilha({ {}, {}, {}, AcaoAuditoria::Parada }));
    QCOMPARE(modelo.rowCount(), 0);
}

void tst_TextoRegistros::gravacoesVerificadasSoQuandoPedidas()
{
    QTemporaryDir pasta;
    Registros registros(pasta.path());
    TAquisicao a = gravacaoTeste();
    a.adicionaLeitura(1, 2);
    const QStringList nomes = { "inteira.qvg", "alterada.qvg", "ausente.qvg" };
    for (const QString &nome : nomes) {
        QFile f(pasta.filePath(nome));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(nome.toUtf8());
        f.close();
        QVERIFY(registros.registraArquivo(AcaoAuditoria::Gravacao, f.fileName(), QStringLiteral("qvg"), &a));
    }
    QFile alterada(pasta.filePath(nomes[1]));
    QVERIFY(alterada.open(QIODevice::Append));
    alterada.write("!");
    alterada.close();
    QVERIFY(QFile::remove(pasta.filePath(nomes[2])));

    ModeloGravacoes modelo(*registros.selos(), m_catalogo, m_regional);
    modelo.defineFiltro(TextoRegistros::filtroGravacoes({}));
    QCOMPARE(modelo.rowCount(), 3);
    const int coluna = int(TextoRegistros::ColunaGravacao::Integridade);
    QSignalSpy mudou(&modelo, &QAbstractItemModel::dataChanged);
    QCOMPARE(modelo.index(2, coluna).data().toString(), QStringLiteral("Verificando..."));
    QTRY_COMPARE(int(modelo.integridade(2)), int(Integridade::Integro));
    // Rows not asked for are not read.
    QCOMPARE(int(modelo.integridade(1)), int(Integridade::Verificando));
    QCOMPARE(mudou.size(), 1);
    modelo.index(1, coluna).data();
    modelo.index(0, coluna).data();
    QTRY_COMPARE(int(modelo.integridade(0)), int(Integridade::Ausente));
    QTRY_COMPARE(int(modelo.integridade(1)), int(Integridade::Alterado));
}

QUORVANE_TEST_GUILESS_MAIN(tst_TextoRegistros)
#include "tst_TextoRegistros.moc"
