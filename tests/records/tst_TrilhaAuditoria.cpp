#include "BancoTeste.h"
#include "RegistroTestes.h"
#include "Registros.h"

#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

AutorEventos autor()
{
    return { QStringLiteral("tecnico"), QStringLiteral("estufa-pc"), QStringLiteral("1.14") };
}

EventoAuditoria evento(int n)
{
    EventoAuditoria e { AcaoAuditoria::Bateria, 226848, {} };
    e.detalhes.insert(QStringLiteral("n"), n);
    return e;
}

// The records of a test: the SQLite file of `pasta`, or a new database on
// the test server.
struct RegistrosTeste : Registros
{
    explicit RegistrosTeste(const QString &pasta, const QString &banco = BancoTeste::novo())
        : Registros(pasta, autor(), banco)
    {
    }
};

bool sql(Registros &r, const QString &comando)
{
    return QSqlQuery(r.banco().db()).exec(comando);
}

}  // namespace

class tst_TrilhaAuditoria : public QObject
{
    Q_OBJECT

private slots:
    void adulteracaoEncontradaNaLinhaCerta_data();
    void adulteracaoEncontradaNaLinhaCerta();
    void linhaForjadaSemChaveEncontrada();
    void bancoRecusaAlterarOuExcluirLinhas();
    void programasAnexamAoMesmoTempo_data();
    void programasAnexamAoMesmoTempo();
    void servidorInalcancavelRecusaEscritas();
    void chaveNoServidorSoDoPapel();
    void esquemaAntigoMigradoSemPerderLinhas();
    void arquivoQueNaoEBancoRecusado();
    void intencaoAntesDaEscrita();
    void integridadePeloHash_data();
    void integridadePeloHash();
};

void tst_TrilhaAuditoria::adulteracaoEncontradaNaLinhaCerta_data()
{
    QTest::addColumn<QStringList>("comandos");
    QTest::addColumn<qint64>("linha");
    const QString semGatilhos = BancoTeste::postgres()
        ? QStringLiteral("ALTER TABLE trilha DISABLE TRIGGER USER;")
        : QStringLiteral("DROP TRIGGER trilha_sem_alteracao;DROP TRIGGER trilha_sem_exclusao;");
    QTest::newRow("intacta") << QStringList() << qint64(0);
    QTest::newRow("detalhes alterados")
        << (semGatilhos + "UPDATE trilha SET detalhes = '{\"n\":9}' WHERE id = 3")
               .split(u';', Qt::SkipEmptyParts)
        << qint64(3);
    QTest::newRow("linha do meio excluída")
        << (semGatilhos + "DELETE FROM trilha WHERE id = 2").split(u';', Qt::SkipEmptyParts) << qint64(2);
    QTest::newRow("última linha excluída")
        << (semGatilhos + "DELETE FROM trilha WHERE id = 5").split(u';', Qt::SkipEmptyParts) << qint64(5);
    QTest::newRow("linha inserida") << QStringList {
        QStringLiteral("INSERT INTO trilha SELECT 6, instante, deslocamento, usuario, host, versao, acao, "
                       "serie, detalhes, hash,"
                       " hash, hmac FROM trilha WHERE id = 5")
    } << qint64(6);
    QTest::newRow("data recuada") << (semGatilhos
        + "UPDATE trilha SET instante = '2020-01-01T00:00:00.000Z' WHERE id = 1")
                                         .split(u';', Qt::SkipEmptyParts)
                                  << qint64(1);
}

void tst_TrilhaAuditoria::adulteracaoEncontradaNaLinhaCerta()
{
    QFETCH(QStringList, comandos);
    QFETCH(qint64, linha);
    QTemporaryDir pasta;
    RegistrosTeste r(pasta.path());
    QVERIFY2(r.disponivel(), qPrintable(r.motivo()));
    for (int i = 1; i <= 5; ++i)
        QCOMPARE(r.registra(evento(i)), std::optional<qint64>(i));
    for (const QString &c : comandos)
        QVERIFY2(sql(r, c), qPrintable(c));
    const VerificacaoTrilha v = r.trilha()->verifica();
    QCOMPARE(v.integra, linha == 0);
    QCOMPARE(v.linha, linha);
    QCOMPARE(v.motivo.isEmpty(), linha == 0);
}

void tst_TrilhaAuditoria::linhaForjadaSemChaveEncontrada()
{
    QTemporaryDir pasta;
    RegistrosTeste r(pasta.path());
    QVERIFY2(r.registra(evento(1)), qPrintable(r.motivo()));
    // Every hash worked out as the program does; only the key is missing.
    LinhaTrilha l = r.trilha()->lista().constLast();
    l.hashAnterior = l.hash;
    l.id = 2;
    l.deslocamento = 0;
    l.usuario = QStringLiteral("u");
    l.host = QStringLiteral("h");
    l.versao = QStringLiteral("v");
    l.hash = TrilhaAuditoria::hashLinha(l);
    QSqlQuery q(r.banco().db());
    q.prepare(QStringLiteral("INSERT INTO trilha VALUES (2, ?, 0, 'u', 'h', 'v', ?, ?, ?, ?, ?, ?)"));
    for (const QVariant &v : { QVariant(l.instante), QVariant(l.acao), QVariant(*l.serie),
             QVariant(l.detalhes), QVariant(l.hashAnterior), QVariant(l.hash),
             QVariant(TrilhaAuditoria::hmacLinha("outra", l.hash)) })
        q.addBindValue(v);
    QVERIFY(q.exec());
    const VerificacaoTrilha v = r.trilha()->verifica();
    QCOMPARE(v.linha, 2);
    QVERIFY2(v.motivo.contains(QStringLiteral("chave")), qPrintable(v.motivo));
}

void tst_TrilhaAuditoria::bancoRecusaAlterarOuExcluirLinhas()
{
    QTemporaryDir pasta;
    RegistrosTeste r(pasta.path());
    QVERIFY2(r.registra(evento(1)), qPrintable(r.motivo()));
    QVERIFY(!sql(r, QStringLiteral("UPDATE trilha SET detalhes = '{}'")));
    QVERIFY(!sql(r, QStringLiteral("DELETE FROM trilha")));
    QVERIFY(r.trilha()->verifica().integra);
}

void tst_TrilhaAuditoria::programasAnexamAoMesmoTempo_data()
{
    QTest::addColumn<int>("programas");
    QTest::addColumn<int>("eventos");
    QTest::newRow("dois") << 2 << 150;
    // Several PCs on one server; on a file, the program and quorvane-cli.
    if (BancoTeste::postgres())
        QTest::newRow("quatro") << 4 << 1000;
}

void tst_TrilhaAuditoria::programasAnexamAoMesmoTempo()
{
    QFETCH(int, programas);
    QFETCH(int, eventos);
    QTemporaryDir pasta;
    const QString banco = BancoTeste::novo();
    std::vector<std::unique_ptr<QProcess>> processos;
    for (int i = 0; i < programas; ++i) {
        processos.push_back(std::make_unique<QProcess>());
        processos.back()->start(QStringLiteral(ANEXA_TRILHA),
            { pasta.path(), QString::number(eventos), QString(QChar(u'a' + i)), banco });
    }
    for (const auto &p : processos) {
        QVERIFY(p->waitForFinished(120000));
        QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
    }
    RegistrosTeste r(pasta.path(), banco);
    const VerificacaoTrilha v = r.trilha()->verifica();
    QVERIFY2(v.integra, qPrintable(v.motivo));
    QCOMPARE(v.linhas, programas * eventos);
    FiltroTrilha f;
    f.serie = eventos - 1;
    QCOMPARE(r.trilha()->lista(f).size(), programas);
}

void tst_TrilhaAuditoria::servidorInalcancavelRecusaEscritas()
{
    QTemporaryDir pasta;
    RegistrosTeste r(pasta.path(), BancoTeste::inalcancavel(pasta.path()));
    QVERIFY(!r.disponivel());
    QVERIFY2(r.motivo().contains(u"servidor"_qs), qPrintable(r.motivo()));
    const auto escrita = [](QJsonObject &) { return true; };
    QVERIFY(!r.escreveNoLogger({ AcaoAuditoria::Offset, 1, {} }, escrita).enviado);
    QVERIFY(!r.erro().isEmpty());
    QCOMPARE(r.integridade(pasta.path()).tipo, EstadoIntegridade::SemRegistro);
}

void tst_TrilhaAuditoria::chaveNoServidorSoDoPapel()
{
    if (!BancoTeste::postgres())
        QSKIP("a server's own");
    QTemporaryDir pasta;
    const QString banco = BancoTeste::novo();
    RegistrosTeste r(pasta.path(), banco);
    QVERIFY2(r.registra(evento(1)), qPrintable(r.motivo()));
    QVERIFY(!QFile::exists(pasta.filePath(u"chave"_qs)));
    // Another PC, with the same role: the same key.
    QTemporaryDir outraPasta;
    RegistrosTeste outro(outraPasta.path(), banco);
    QVERIFY(outro.registra(evento(2)));
    QVERIFY(r.trilha()->verifica().integra);
    // Another role of the same server reads no key.
    const QString papel = r.banco().db().databaseName() + u"_outro"_qs;
    QVERIFY(sql(r, u"CREATE ROLE %1 LOGIN"_qs.arg(papel)));
    QSqlDatabase db = QSqlDatabase::cloneDatabase(r.banco().db(), papel);
    db.setUserName(papel);
    QVERIFY(db.open());
    QSqlQuery q(db);
    QVERIFY(!q.exec(u"SELECT valor FROM chave"_qs));
    QVERIFY2(q.lastError().text().contains(u"permission denied"_qs), qPrintable(q.lastError().text()));
}

void tst_TrilhaAuditoria::esquemaAntigoMigradoSemPerderLinhas()
{
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("registros.db"));
    const EnderecoBanco servidor = EnderecoBanco::interpreta(BancoTeste::novo());
    const auto abre = [&](BancoRegistros &b, int versao) {
        return servidor.local() ? b.abre(arquivo, versao) : b.abre(servidor, versao);
    };
    {
        BancoRegistros antigo;
        QVERIFY(abre(antigo, 1));
        QCOMPARE(antigo.versao(), 1);
        QVERIFY(QSqlQuery(antigo.db())
                    .exec(QStringLiteral("INSERT INTO trilha VALUES (1, 'x', 0, 'u', 'h', 'v', 'coleta', 7, "
                                         "'{}', '', 'h1', 'm1')")));
    }
    BancoRegistros novo;
    QVERIFY2(abre(novo, BancoRegistros::VersaoAtual), qPrintable(novo.erro()));
    QCOMPARE(novo.versao(), BancoRegistros::VersaoAtual);
    QSqlQuery q(novo.db());
    QVERIFY(q.exec(QStringLiteral("SELECT count(*) FROM trilha")) && q.next());
    QCOMPARE(q.value(0).toInt(), 1);
    QVERIFY(q.exec(QStringLiteral("SELECT count(*) FROM selos")) && q.next());
}

void tst_TrilhaAuditoria::arquivoQueNaoEBancoRecusado()
{
    if (BancoTeste::postgres())
        QSKIP("a file's own");
    QTemporaryDir pasta;
    QFile f(pasta.filePath(QStringLiteral("registros.db")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    RegistrosTeste r(pasta.path());
    QVERIFY(!r.disponivel());
    QVERIFY(r.motivo().contains(QStringLiteral("registros.db")));
    QCOMPARE(f.size(), 4096);  // left as it was, for whoever recovers it
}

void tst_TrilhaAuditoria::intencaoAntesDaEscrita()
{
    QTemporaryDir pasta;
    RegistrosTeste r(pasta.path());
    int escritas = 0;
    const auto escrita = [&](QJsonObject &resultado) {
        ++escritas;
        resultado.insert(QStringLiteral("novo"), 5);
        // The intent is in the trail before a byte is sent.
        return r.trilha()->lista().size() == 1;
    };
    const Registros::Escrita ok = r.escreveNoLogger({ AcaoAuditoria::Offset, 1, {} }, escrita);
    QVERIFY(ok.enviado && ok.ok);
    const QList<LinhaTrilha> linhas = r.trilha()->lista();
    QCOMPARE(linhas.size(), 2);
    QCOMPARE(linhas[0].acao, QStringLiteral("offset.intencao"));
    QCOMPARE(linhas[1].acao, QStringLiteral("offset.resultado"));
    QVERIFY(linhas[1].detalhes.contains(QStringLiteral("\"novo\":5")));

    // A trail that cannot be written: nothing is sent.
    QFile bloqueio(pasta.filePath(QStringLiteral("arquivo")));
    QVERIFY(bloqueio.open(QIODevice::WriteOnly));
    bloqueio.close();
    RegistrosTeste semTrilha(bloqueio.fileName() + QStringLiteral("/dados"),
        BancoTeste::postgres() ? BancoTeste::inalcancavel(pasta.path()) : QString());
    const Registros::Escrita recusada = semTrilha.escreveNoLogger({ AcaoAuditoria::Offset, 1, {} }, escrita);
    QVERIFY(!recusada.enviado && !recusada.ok);
    QCOMPARE(escritas, 1);
    QVERIFY(!semTrilha.erro().isEmpty());
}

void tst_TrilhaAuditoria::integridadePeloHash_data()
{
    QTest::addColumn<QString>("mudanca");
    QTest::addColumn<int>("estado");
    QTest::newRow("como gravado") << "" << int(EstadoIntegridade::Integro);
    QTest::newRow("um byte mudado") << "altera" << int(EstadoIntegridade::Alterado);
    QTest::newRow("movido") << "move" << int(EstadoIntegridade::Integro);
    QTest::newRow("outro arquivo") << "outro" << int(EstadoIntegridade::SemRegistro);
}

void tst_TrilhaAuditoria::integridadePeloHash()
{
    QFETCH(QString, mudanca);
    QFETCH(int, estado);
    QTemporaryDir pasta;
    RegistrosTeste r(pasta.path());
    QString caminho = pasta.filePath(QStringLiteral("ensaio.qvg"));
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Estufa\r\n41,40\r\n");
    f.close();
    QVERIFY(r.registraArquivo(AcaoAuditoria::Gravacao, caminho, QStringLiteral("qvg")));
    if (mudanca == QLatin1String("altera")) {
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.seek(9);
        f.write("5");
        f.close();
    } else if (mudanca == QLatin1String("move")) {
        const QString outro = pasta.filePath(QStringLiteral("copia.qvg"));
        QVERIFY(QFile::rename(caminho, outro));
        caminho = outro;
    } else if (mudanca == QLatin1String("outro")) {
        caminho = pasta.filePath(QStringLiteral("outro.qvg"));
        QFile g(caminho);
        QVERIFY(g.open(QIODevice::WriteOnly));
        g.write("x");
    }
    const EstadoIntegridade e = r.integridade(caminho);
    QCOMPARE(int(e.tipo), estado);
    if (e.tipo == EstadoIntegridade::Integro)
        QCOMPARE(e.selo->usuario, QStringLiteral("tecnico"));
}

QUORVANE_TEST_GUILESS_MAIN(tst_TrilhaAuditoria)
#include "tst_TrilhaAuditoria.moc"
