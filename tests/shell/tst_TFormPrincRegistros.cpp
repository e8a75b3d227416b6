// "Registros...": opened from the Arquivo menu (one window at a time), the
// recordings filtered by logger, a double click opening one, the trail
// exported to CSV; without records the window says why.
#include "BancadaPrinc.h"

#include "ArquivoQvg.h"
#include "DialogosArquivoFalsos.h"
#include "ModeloGravacoes.h"
#include "ModeloTrilha.h"
#include "RegistroTestes.h"
#include "Registros.h"
#include "TFormRegistros.h"

#include <QComboBox>
#include <QLabel>
#include <QSqlQuery>
#include <QTableView>

namespace {

// Writes a recording of a logger and seals it as the program does.
void gravaSelada(Registros &registros, const QString &caminho, qint32 serie, const ConfigRegional &regional)
{
    TAquisicao a = documentoForno();
    a.NumeroSerie = serie;
    QVERIFY(ArquivoQvg::grava(a, caminho, regional));
    QVERIFY(registros.registraArquivo(AcaoAuditoria::Gravacao, caminho, QStringLiteral("qvg"), &a, false));
}

}  // namespace

class TestTFormPrincRegistros : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensFromTheMenuOnceAndFiltersByLogger();
    void doubleClickOpensTheRecording();
    void trailExportsToCsv();
    void verifyNamesTheFirstRowChanged();
    void withoutRecordsTheWindowSaysWhy();

private:
    TFormRegistros *abre();

    std::unique_ptr<QTemporaryDir> m_dados;
    std::unique_ptr<Registros> m_registros;
    DialogosArquivoFalsos m_dialogos;
    std::unique_ptr<BancadaPrinc> m_b;
};

void TestTFormPrincRegistros::init()
{
    m_dados = std::make_unique<QTemporaryDir>();
    m_registros = std::make_unique<Registros>(m_dados->path());
    m_dialogos = {};
    m_b = std::make_unique<BancadaPrinc>(QStringList {}, QString(), m_registros.get());
    m_b->princ->defineDialogos(&m_dialogos);
    m_b->princ->resize(1000, 700);
    m_b->mostra();
    m_b->mensagens.registro.clear();
    const ConfigRegional regional = ConfigRegional::portuguesBrasil();
    int k = 0;
    for (qint32 serie : { 1111, 2222, 1111 })
        gravaSelada(*m_registros, m_dados->filePath(QStringLiteral("g%1.qvg").arg(++k)), serie, regional);
}

void TestTFormPrincRegistros::cleanup()
{
    if (m_b)
        m_b->encerraSemPerguntas();
    m_b.reset();
    m_registros.reset();
    m_dados.reset();
}

TFormRegistros *TestTFormPrincRegistros::abre()
{
    QAction *item = m_b->item("ItemRegistros");
    if (!item || !item->isEnabled())
        return nullptr;
    item->trigger();
    return m_b->princ->findChild<TFormRegistros *>();
}

void TestTFormPrincRegistros::opensFromTheMenuOnceAndFiltersByLogger()
{
    TFormRegistros *janela = abre();
    QVERIFY(janela);
    QVERIFY(janela->isVisible());
    QCOMPARE(abre(), janela);
    QCOMPARE(m_b->princ->findChildren<TFormRegistros *>().size(), 1);
    QCOMPARE(janela->TabelaGravacoes->model()->rowCount(), 3);
    QCOMPARE(janela->LoggerGravacoes->count(), 3);  // "(todos)", 1111, 2222
    janela->LoggerGravacoes->setCurrentIndex(janela->LoggerGravacoes->findData(qint64(1111)));
    QCOMPARE(janela->TabelaGravacoes->model()->rowCount(), 2);
    QCOMPARE(janela->modeloGravacoes()->selo(0).serie, 1111);
    janela->LoggerGravacoes->setCurrentIndex(janela->LoggerGravacoes->findData(qint64(2222)));
    QCOMPARE(janela->TabelaGravacoes->model()->rowCount(), 1);
}

void TestTFormPrincRegistros::doubleClickOpensTheRecording()
{
    TFormRegistros *janela = abre();
    QVERIFY(janela);
    QCOMPARE(m_b->janelas(TipoJanela::Grafico), 0);
    QTableView *tabela = janela->TabelaGravacoes;
    QVERIFY(QTest::qWaitForWindowExposed(tabela));
    const QModelIndex indice = tabela->model()->index(1, 1);
    const QPoint ponto = tabela->visualRect(indice).center();
    QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {}, ponto);
    QTest::mouseDClick(tabela->viewport(), Qt::LeftButton, {}, ponto);
    QTRY_COMPARE(m_b->janelas(TipoJanela::Grafico), 1);
    QCOMPARE(m_b->mensagens.textos(), QStringList());
    QVERIFY(m_b->princ->GraficoAtual()->windowTitle().contains(
        QFileInfo(janela->modeloGravacoes()->selo(1).caminho).completeBaseName()));
}

void TestTFormPrincRegistros::trailExportsToCsv()
{
    TFormRegistros *janela = abre();
    QVERIFY(janela);
    janela->LoggerTrilha->setCurrentIndex(janela->LoggerTrilha->findData(qint64(2222)));
    QCOMPARE(janela->TabelaTrilha->model()->rowCount(), 1);
    const QString caminho = m_dados->filePath(QStringLiteral("trilha.csv"));
    m_dialogos.respostasSalvar.enqueue(caminho);
    janela->ExportarCsvClick();
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> linhas = f.readAll().split('\n');
    QCOMPARE(linhas.size(), 3);  // heading, the event, the end of the last line
    QVERIFY(linhas[0].startsWith("\xEF\xBB\xBF#;Instante;"));
    const QList<QByteArray> campos = linhas[1].split(';');
    QCOMPARE(campos[0], QByteArray::number(janela->modeloTrilha()->linha(0).id));
    QCOMPARE(campos[5], QByteArray("gravacao"));
    QCOMPARE(campos[6], QByteArray("00002222"));  // as the general parameters show it
    QCOMPARE(campos.last(), janela->modeloTrilha()->linha(0).hash.toLatin1() + '\r');
    // The export is itself a written file the records know.
    QCOMPARE(m_registros->integridade(caminho).tipo, EstadoIntegridade::Integro);
}

void TestTFormPrincRegistros::verifyNamesTheFirstRowChanged()
{
    TFormRegistros *janela = abre();
    QVERIFY(janela);
    janela->VerificarClick();
    QCOMPARE(m_b->mensagens.registro.size(), 1);
    QCOMPARE(m_b->mensagens.registro[0].tipo, MensagemRegistrada::Tipo::Informacao);
    QVERIFY(m_b->mensagens.registro[0].texto.contains(QStringLiteral(": 3 linhas")));
    // Changed outside the program, past the database's own refusal.
    QSqlQuery q(m_registros->banco().db());
    QVERIFY(q.exec(QStringLiteral("DROP TRIGGER trilha_sem_alteracao")));
    QVERIFY(q.exec(QStringLiteral("UPDATE trilha SET usuario = 'outro' WHERE id = 2")));
    janela->VerificarClick();
    QCOMPARE(m_b->mensagens.registro.size(), 2);
    QCOMPARE(m_b->mensagens.registro[1].tipo, MensagemRegistrada::Tipo::Aviso);
    QVERIFY2(m_b->mensagens.registro[1].texto.contains(QStringLiteral("na linha 2:")),
        qPrintable(m_b->mensagens.registro[1].texto));
}

void TestTFormPrincRegistros::withoutRecordsTheWindowSaysWhy()
{
    QTemporaryDir pasta;
    QFile naoBanco(pasta.filePath(QStringLiteral("registros.db")));
    QVERIFY(naoBanco.open(QIODevice::WriteOnly));
    naoBanco.write(QByteArray(4096, 'x'));
    naoBanco.close();
    Registros quebrados(pasta.path());
    QVERIFY(!quebrados.disponivel());
    m_b->encerraSemPerguntas();
    m_b = std::make_unique<BancadaPrinc>(QStringList {}, QString(), &quebrados);
    m_b->mostra();
    TFormRegistros *janela = abre();
    QVERIFY(janela);
    QVERIFY(!janela->Abas);
    QVERIFY(janela->Motivo);
    QVERIFY(janela->Motivo->text().contains(quebrados.motivo()));
    m_b->encerraSemPerguntas();
    m_b.reset();
}

QUORVANE_TEST_MAIN(TestTFormPrincRegistros)
#include "tst_TFormPrincRegistros.moc"
