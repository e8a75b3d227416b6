// The printed reports of the readings list and the general parameters:
// through the print preview (the same lines on the preview and on paper),
// onto PDF printers of 300 and 1200 dpi, with the temporary file in a
// folder of its own that is gone after the preview.
#include "AmbienteFalso.h"
#include "DataHora.h"
#include "GravacaoTeste.h"
#include "ImpressaoConformidade.h"
#include "ImpressaoGrafico.h"
#include "PdfTeste.h"
#include "PerfisGuardados.h"
#include "RegistroTestes.h"
#include "TAquisicao.h"
#include "TFormDados.h"
#include "TFormInform.h"
#include "TFormResumo.h"
#include "VistaGrafico.h"

#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

std::shared_ptr<TAquisicao> documento(int entradas)
{
    auto a = std::make_shared<TAquisicao>();
    a->Titulo = QStringLiteral("Forno Norte");
    a->NumCanais = 2;
    a->SensorCanal1 = 9;
    a->SensorCanal2 = 9;
    a->DecimaisCanal1 = 1;
    a->DecimaisCanal2 = 2;
    a->NomeCanal1 = QStringLiteral("Temp");
    a->NomeCanal2 = QStringLiteral("Umid");
    a->defineIntervalo(10);
    a->LeiturasPorAquisicao = 1;
    a->Inicio = DataHora::codifica(2000, 1, 1, 10, 0, 0).value();
    for (int i = 0; i < entradas; ++i)
        a->adicionaLeitura(20 + i, 50 - i);
    a->AjustaFim();
    return a;
}

void paraPdf(QPrinter &impressora, const QString &caminho, int dpi)
{
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(caminho);
    impressora.setResolution(dpi);
    impressora.setPageSize(QPageSize(QPageSize::A4));
    impressora.setPageOrientation(QPageLayout::Landscape);
}

// What the preview showed while it was open.
struct Previa
{
    QString titulo;
    int paginas = -1;
    QStringList temporarios;  // the files in the temporary folder
};

}  // namespace

class tst_ImpressaoRelatorio : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void leiturasEmPdf_data();
    void leiturasEmPdf();
    void informacoesSemCabecalhoDeColunas_data();
    void informacoesSemCabecalhoDeColunas();
    void falhaNoArquivoAvisaComOTextoDaVista_data();
    void falhaNoArquivoAvisaComOTextoDaVista();
    void arquivoPerdidoNaPreviaAvisa();
    void conformidadeEmPdf_data();
    void conformidadeEmPdf();
    void impressoraRecusadaNaPreviaNaoCulpaOArquivo();

private:
    ContextoVista contexto(std::shared_ptr<const TAquisicao> a);
    // Opens the preview's pages, then prints from it onto its printer.
    std::function<void(QPrintPreviewDialog &)> imprimeDaPrevia(Previa &previa);

    std::unique_ptr<AmbienteFalso> m_amb;
    QTemporaryDir m_saida;
    std::unique_ptr<QTemporaryDir> m_temporaria;
};

void tst_ImpressaoRelatorio::init()
{
    m_amb = std::make_unique<AmbienteFalso>();
    m_amb->relogio.defineDataHora(DataHora::codifica(2026, 12, 7, 9, 5, 3).value());
    // QTemporaryDir follows TMPDIR: the report's folder lands in one the
    // test can look into.
    m_temporaria = std::make_unique<QTemporaryDir>();
    qputenv("TMPDIR", m_temporaria->path().toLocal8Bit());
}

void tst_ImpressaoRelatorio::cleanup()
{
    qunsetenv("TMPDIR");
}

ContextoVista tst_ImpressaoRelatorio::contexto(std::shared_ptr<const TAquisicao> a)
{
    ContextoVista c;
    c.aquisicao = std::move(a);
    c.numeroGrafico = 1;
    c.ambiente = &m_amb->ambiente;
    return c;
}

std::function<void(QPrintPreviewDialog &)> tst_ImpressaoRelatorio::imprimeDaPrevia(Previa &previa)
{
    const QString pasta = m_temporaria->path();
    return [&previa, pasta](QPrintPreviewDialog &dialogo) {
        previa.titulo = dialogo.windowTitle();
        auto *pagina = dialogo.findChild<QPrintPreviewWidget *>();
        if (!pagina)
            return;
        pagina->updatePreview();
        previa.paginas = pagina->pageCount();
        QDirIterator it(pasta, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            previa.temporarios << QFileInfo(it.next()).fileName();
        pagina->print();
    };
}

void tst_ImpressaoRelatorio::leiturasEmPdf_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("entradas");
    QTest::addColumn<int>("paginas");
    QTest::newRow("only the heading, 300 dpi") << 300 << 0 << 1;
    QTest::newRow("only the heading, 1200 dpi") << 1200 << 0 << 1;
    QTest::newRow("three pages, 300 dpi") << 300 << 100 << 3;
    QTest::newRow("three pages, 1200 dpi") << 1200 << 100 << 3;
}

// Letter pages of 42 readings: the header with the title, the date and
// time and the column heading, the lines, the page number at the foot.
void tst_ImpressaoRelatorio::leiturasEmPdf()
{
    if (!PdfTeste::ferramentas())
        QSKIP("poppler-utils (pdftotext, pdftoppm) not installed");
    QFETCH(int, dpi);
    QFETCH(int, entradas);
    QFETCH(int, paginas);
    std::unique_ptr<TFormDados> vista(
        TFormDados::Abre_Dados(QStringLiteral("Forno"), contexto(documento(entradas))));
    const QString pdf = m_saida.filePath(QStringLiteral("leituras-%1-%2.pdf").arg(dpi).arg(entradas));
    QPrinter impressora(QPrinter::HighResolution);
    paraPdf(impressora, pdf, dpi);
    Previa previa;
    QVERIFY(vista->Print(impressora, imprimeDaPrevia(previa)));

    QCOMPARE(previa.titulo, QStringLiteral("Tabela de Aquisições"));
    QCOMPARE(previa.paginas, paginas);
    QCOMPARE(previa.temporarios, QStringList { QStringLiteral("Temp2.txt") });
    QVERIFY(QDir(m_temporaria->path()).isEmpty());
    QCOMPARE(impressora.pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(impressora.pageLayout().pageSize().id(), QPageSize::A4);
    QVERIFY(m_amb->mensagens.registro.isEmpty());

    const QString texto = PdfTeste::texto(pdf);
    QCOMPARE(PdfTeste::paginas(pdf), paginas);
    const QStringList folhas = texto.split(u'\f', Qt::SkipEmptyParts);
    for (int p = 0; p < paginas; ++p) {
        const QString &folha = folhas.value(p);
        for (const QString &t : { QStringLiteral("Tabela de Aquisições"),
                 QStringLiteral("07/12/2026 09:05:03"), QStringLiteral("Num. Registro"),
                 QStringLiteral("Canal 2"), QStringLiteral("Página: %1").arg(p + 1) })
            QVERIFY2(folha.contains(t), qPrintable(QStringLiteral("page %1: %2").arg(p + 1).arg(t)));
    }
    QCOMPARE(texto.count(
                 QRegularExpression(QStringLiteral("^\\s*\\d{5}\\s"), QRegularExpression::MultilineOption)),
        entradas);
    if (entradas) {
        QVERIFY(folhas.value(0).contains(QStringLiteral("00042")));
        QVERIFY(!folhas.value(0).contains(QStringLiteral("00043")));
        QVERIFY(folhas.value(2).contains(QStringLiteral("00100")));
        QVERIFY(texto.contains(
            QRegularExpression(QStringLiteral("00001\\s+10:00:00\\s+01/01/2000\\s+20,0\\s+50,00"))));
    }
    // A Letter page, upright; header box at the top, footer box at the foot.
    const QImage folha = PdfTeste::pagina(pdf, paginas, 40);
    QVERIFY(std::abs(double(folha.width()) / folha.height() - 8.5 / 11) < 0.01);
    const QRect ocupado = PdfTeste::ocupado(folha);
    QVERIFY(ocupado.top() < folha.height() / 15);
    QVERIFY(ocupado.bottom() > folha.height() * 14 / 15);
    QVERIFY(ocupado.width() > folha.width() * 9 / 10);
}

void tst_ImpressaoRelatorio::conformidadeEmPdf_data()
{
    QTest::addColumn<bool>("doResumo");  // through the summary's preview (Letter), else straight
    QTest::addColumn<int>("tamanho");
    QTest::addColumn<int>("excursoes");
    QTest::addColumn<QStringList>("pagina2");
    QTest::newRow("summary's preview on Letter, one excursion")
        << true << int(QPageSize::Letter) << 1
        << QStringList { "Tabela diária", "Canal 1: Temp (°C)", "Página: 2" };
    QTest::newRow("A4, one excursion") << false << int(QPageSize::A4) << 1 << QStringList { "Tabela diária" };
    QTest::newRow("Letter, the excursions that leave the chart no room go on")
        << false << int(QPageSize::Letter) << 30
        << QStringList { "Excursões que reprovam uma regra (continuação)", "Tabela diária", "Página: 2" };
}

// A recording that leaves "geladeira" (an hour at 9,5 °C every two hours,
// 5,0 °C otherwise, an entry every 10 minutes for three days): the verdict,
// the rules, the excursions, the provenance and the chart's band on page 1,
// the day table after them.
void tst_ImpressaoRelatorio::conformidadeEmPdf()
{
    if (!PdfTeste::ferramentas())
        QSKIP("poppler-utils (pdftotext, pdftoppm) not installed");
    QFETCH(bool, doResumo);
    QFETCH(int, tamanho);
    QFETCH(int, excursoes);
    QFETCH(QStringList, pagina2);
    TAquisicao base = gravacaoTeste();
    base.Titulo = QStringLiteral("Câmara 3");
    base.NomeCanal1 = QStringLiteral("Temp");
    base.NumeroSerie = 10010;
    base.defineIntervalo(600);
    const auto a = std::make_shared<TAquisicao>(comLeituras(base, 432, [excursoes](int i) {
        return ParTeste(i >= 20 && (i - 20) % 12 < 6 && (i - 20) / 12 < excursoes ? 9.5 : 5.0, 1.0);
    }));
    QVERIFY(PerfisGuardados(&m_amb->configuracoes).atribui(10010, QStringLiteral("geladeira")).ok());
    const QString pdf
        = m_saida.filePath(QStringLiteral("conformidade-%1-%2.pdf").arg(tamanho).arg(excursoes));
    QPrinter impressora(QPrinter::HighResolution);
    paraPdf(impressora, pdf, 300);
    std::unique_ptr<TFormResumo> vista(TFormResumo::Abre_Resumo(QStringLiteral("Câmara"), contexto(a)));
    vista->Atualiza(*a, {}, 0, a->NumLeituras() - 1);
    QVERIFY(vista->temVeredito());
    if (doResumo) {
        Previa previa;
        QVERIFY(vista->ImprimeConformidade(impressora, QString(), imprimeDaPrevia(previa)));
        QCOMPARE(previa.titulo, QStringLiteral("Relatório de conformidade"));
    } else {
        impressora.setPageSize(QPageSize(QPageSize::PageSizeId(tamanho)));
        impressora.setPageOrientation(QPageLayout::Portrait);
        const Avaliacao av = avalia(*a, *PerfisAlarme::procura(PerfisAlarme::fornecidos(), "geladeira"));
        QVERIFY(ImpressaoConformidade::imprime(impressora, m_amb->ambiente, { a.get(), &av, QString() }));
    }
    QVERIFY(m_amb->mensagens.registro.isEmpty());
    QCOMPARE(PdfTeste::paginas(pdf), 2);
    const QStringList folhas = PdfTeste::texto(pdf).split(u'\f', Qt::SkipEmptyParts);
    for (const QString &t :
        { QStringLiteral("REPROVADO"), QStringLiteral("Câmara 3"), QStringLiteral("000010010"),
            QStringLiteral("14/06/2024 17:03:00 a 17/06/2024 16:53:00"), QStringLiteral(": 2 a 8 °C"),
            QStringLiteral("1. Canal 1: acima de 8,0 °C em qualquer leitura — falha"),
            QStringLiteral("Faixa permitida"), QStringLiteral("Excursões que reprovam uma regra"),
            QStringLiteral("Instante do pico"), QStringLiteral("Procedência"), QStringLiteral("Assinatura"),
            QStringLiteral("Página: 1") })
        QVERIFY2(folhas.value(0).contains(t), qPrintable(t));
    QVERIFY(folhas.value(0).contains(QRegularExpression(QStringLiteral(
        "1 +14/06/2024 20:23:00 +14/06/2024 21:13:00 +1:00:00 +9,5 °C +14/06/2024 20:23:00"))));
    for (const QString &t : pagina2)
        QVERIFY2(folhas.value(1).contains(t), qPrintable(t));
    // Letter, with the PDF printer's own margins, has room for 20 under the chart.
    QCOMPARE(folhas.value(0).contains(QStringLiteral("Mais %1 na página seguinte.").arg(excursoes - 20)),
        excursoes > 20);
    QVERIFY(folhas.value(1).contains(QRegularExpression(QStringLiteral("17/06/2024 +5,0 °C +(5,0|9,5) °C"))));
    QVERIFY(PdfTeste::temCor(PdfTeste::pagina(pdf, 1, 40), qRgb(214, 238, 214)));
}

void tst_ImpressaoRelatorio::informacoesSemCabecalhoDeColunas_data()
{
    QTest::addColumn<int>("dpi");
    QTest::newRow("300 dpi") << 300;
    QTest::newRow("1200 dpi") << 1200;
}

void tst_ImpressaoRelatorio::informacoesSemCabecalhoDeColunas()
{
    if (!PdfTeste::ferramentas())
        QSKIP("poppler-utils (pdftotext, pdftoppm) not installed");
    QFETCH(int, dpi);
    std::unique_ptr<TFormInform> vista(
        TFormInform::Abre_Inform(QStringLiteral("Forno"), contexto(documento(5))));
    const QString pdf = m_saida.filePath(QStringLiteral("informacoes-%1.pdf").arg(dpi));
    QPrinter impressora(QPrinter::HighResolution);
    paraPdf(impressora, pdf, dpi);
    Previa previa;
    QVERIFY(vista->Print(impressora, imprimeDaPrevia(previa)));
    QCOMPARE(previa.titulo, QStringLiteral("Informações Gerais"));
    QCOMPARE(previa.paginas, 1);
    QCOMPARE(previa.temporarios, QStringList { QStringLiteral("Temp1.txt") });
    QVERIFY(QDir(m_temporaria->path()).isEmpty());

    const QString texto = PdfTeste::texto(pdf);
    QCOMPARE(PdfTeste::paginas(pdf), 1);
    for (const QString &t : { QStringLiteral("Informações Gerais"), QStringLiteral("07/12/2026 09:05:03"),
             QStringLiteral("Firmware:"), QStringLiteral("Forno Norte"),
             QStringLiteral("Total de Aquisições: 5"), QStringLiteral("Página: 1") })
        QVERIFY2(texto.contains(t), qPrintable(t));
    for (const QString &t : { QStringLiteral("Num. Registro"), QStringLiteral("Horário") })
        QVERIFY2(!texto.contains(t), qPrintable(t));
    // The text starts right under the title box: the first line is the
    // second text line of the page.
    const QStringList linhas = texto.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(linhas.value(1).contains(QStringLiteral("Número de Série:")));
}

void tst_ImpressaoRelatorio::falhaNoArquivoAvisaComOTextoDaVista_data()
{
    QTest::addColumn<bool>("leituras");
    QTest::addColumn<QString>("aviso");
    QTest::newRow("readings") << true << "Erro na gravação do arquivo de aquisições";
    QTest::newRow("general parameters") << false << "Erro na gravação do arquivo de informações";
}

// The temporary folder cannot be made: the view's own save error, no preview.
void tst_ImpressaoRelatorio::falhaNoArquivoAvisaComOTextoDaVista()
{
    QFETCH(bool, leituras);
    QFETCH(QString, aviso);
    // A file where the folder should be made.
    const QString arquivo = m_temporaria->filePath(QStringLiteral("arquivo"));
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    qputenv("TMPDIR", arquivo.toLocal8Bit());
    QPrinter impressora;
    paraPdf(impressora, m_saida.filePath(QStringLiteral("falha.pdf")), 300);
    bool mostrou = false;
    const auto mostra = [&mostrou](QPrintPreviewDialog &) { mostrou = true; };
    bool ok = true;
    if (leituras) {
        std::unique_ptr<TFormDados> vista(
            TFormDados::Abre_Dados(QStringLiteral("Forno"), contexto(documento(3))));
        ok = vista->Print(impressora, mostra);
    } else {
        std::unique_ptr<TFormInform> vista(
            TFormInform::Abre_Inform(QStringLiteral("Forno"), contexto(documento(3))));
        ok = vista->Print(impressora, mostra);
    }
    QVERIFY(!ok);
    QVERIFY(!mostrou);
    QCOMPARE(m_amb->mensagens.textos(), QStringList { aviso });
}

// The report reads its file again on every run: one that cannot is a
// failure of the print, with the view's save error.
void tst_ImpressaoRelatorio::arquivoPerdidoNaPreviaAvisa()
{
    std::unique_ptr<TFormDados> vista(
        TFormDados::Abre_Dados(QStringLiteral("Forno"), contexto(documento(3))));
    QPrinter impressora;
    paraPdf(impressora, m_saida.filePath(QStringLiteral("perdido.pdf")), 300);
    const QString pasta = m_temporaria->path();
    const auto mostra = [pasta](QPrintPreviewDialog &dialogo) {
        QDirIterator it(pasta, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            QFile::remove(it.next());
        if (auto *pagina = dialogo.findChild<QPrintPreviewWidget *>())
            pagina->updatePreview();
    };
    QVERIFY(!vista->Print(impressora, mostra));
    QCOMPARE(m_amb->mensagens.textos(),
        QStringList { QStringLiteral("Erro na gravação do arquivo de aquisições") });
}

// Printed from the preview on a printer that refuses it: the printing
// words, not the view's save error; the printer takes a set-up afterwards.
void tst_ImpressaoRelatorio::impressoraRecusadaNaPreviaNaoCulpaOArquivo()
{
    std::unique_ptr<TFormInform> vista(
        TFormInform::Abre_Inform(QStringLiteral("Forno"), contexto(documento(3))));
    QPrinter impressora;
    impressora.setOutputFormat(QPrinter::PdfFormat);
    Previa previa;
    QVERIFY(!vista->Print(impressora, imprimeDaPrevia(previa)));
    QCOMPARE(previa.paginas, 1);
    QCOMPARE(m_amb->mensagens.textos(), QStringList { m_amb->catalogo.texto(ImpressaoGrafico::TextoFalha) });
    const QString pdf = m_saida.filePath(QStringLiteral("depois.pdf"));
    impressora.setOutputFileName(pdf);
    QCOMPARE(impressora.outputFileName(), pdf);
}

QUORVANE_TEST_MAIN(tst_ImpressaoRelatorio)
#include "tst_ImpressaoRelatorio.moc"
