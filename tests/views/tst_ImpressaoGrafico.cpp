// Charts on paper: the merged chart's eight lines, landscape pages with the
// printer's orientation put back, PDFs at 300 and 1200 dpi that hold the
// chart's texts and fill the page, limits named in the legend, and a print
// the printer refuses, said, with the printer set up again for the next.
#include "AmbienteFalso.h"
#include "DataHora.h"
#include "GraficoLinhas.h"
#include "GravacaoTeste.h"
#include "ImpressaoGrafico.h"
#include "LimitesAlarme.h"
#include "PdfTeste.h"
#include "RegistroTestes.h"
#include "SerieLinhas.h"
#include "TFormGrafico.h"
#include "TFormJuncao.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <set>

namespace {

// Four two-channel entries: eight channel series.
std::vector<TNodoJuncao> oitoCanais()
{
    std::vector<TNodoJuncao> entradas;
    for (int k = 0; k < 4; ++k) {
        TNodoJuncao e;
        e.NumCanais = 2;
        e.NomeCanal1 = QStringLiteral("Forno%1").arg(k + 1);
        e.NomeCanal2 = QStringLiteral("Estufa%1").arg(k + 1);
        e.UnidadeCanal1 = QStringLiteral("°C");
        e.UnidadeCanal2 = QStringLiteral("%");
        e.IntervaloAquisicoes = 60;
        e.Inicio = DataHora::codifica(2024, 3, 5, 8, 0, 0).value();
        for (int i = 0; i <= 30; ++i)
            e.Leituras.emplace_back(100 * k + i, 50 + 10 * k - i);
        e.defineSensoresPorUnidade();
        entradas.push_back(e);
    }
    return entradas;
}

TAquisicao documento()
{
    TAquisicao a = gravacaoForno();
    a.Titulo = QStringLiteral("Forno Norte");
    a.NumeroSerie = 226848;  // limits are kept for a logger with a serial number
    a.NomeCanal1 = QStringLiteral("Temp");
    a.NomeCanal2 = QStringLiteral("Umid");
    a.LimSupCanal1 = 100;
    a.LimSupCanal2 = 100;
    return comLeiturasSemFim(a, 20, [](int i) { return ParTeste(20 + i, 50 - i); });
}

void paraPdf(QPrinter &impressora, const QString &caminho, int dpi)
{
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(caminho);
    impressora.setResolution(dpi);
    impressora.setPageSize(QPageSize(QPageSize::A4));
    impressora.setPageOrientation(QPageLayout::Portrait);
}

}  // namespace

class tst_ImpressaoGrafico : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void oitoLinhasDistintas();
    void juncaoEmPdf_data();
    void juncaoEmPdf();
    void graficoEmPdf();
    void falhaDizENaoPrendeAImpressora_data();
    void falhaDizENaoPrendeAImpressora();

private:
    std::unique_ptr<AmbienteFalso> m_amb;
    QTemporaryDir m_pasta;
};

void tst_ImpressaoGrafico::init()
{
    m_amb = std::make_unique<AmbienteFalso>();
}

void tst_ImpressaoGrafico::oitoLinhasDistintas()
{
    std::set<std::pair<int, int>> linhas;
    for (int i = 1; i <= 8; ++i) {
        const auto e = ImpressaoGrafico::estiloImpresso(i);
        linhas.insert({ int(e.estilo), e.largura });
    }
    QCOMPARE(linhas.size(), size_t(8));
    QCOMPARE(ImpressaoGrafico::estiloImpresso(1).estilo, Qt::SolidLine);
    // A graph's limits stay apart from both its channels.
    for (int canal = 1; canal <= 2; ++canal)
        QVERIFY(ImpressaoGrafico::estiloImpresso(canal).estilo != ImpressaoGrafico::EstiloLimites);
}

void tst_ImpressaoGrafico::juncaoEmPdf_data()
{
    QTest::addColumn<int>("dpi");
    QTest::newRow("300 dpi") << 300;
    QTest::newRow("1200 dpi") << 1200;
}

// A portrait printer prints the merged chart on a landscape page and is
// portrait again afterwards; the window's lines are solid again.
void tst_ImpressaoGrafico::juncaoEmPdf()
{
    if (!PdfTeste::ferramentas())
        QSKIP("poppler-utils (pdftotext, pdftoppm) not installed");
    QFETCH(int, dpi);
    TFormJuncao janela(m_amb->ambiente, {});
    janela.resize(800, 500);
    janela.MontaGrafico(oitoCanais(), true, QStringLiteral("°C"), QStringLiteral("%"));
    janela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&janela));
    const QString pdf = m_pasta.filePath(QStringLiteral("juncao-%1.pdf").arg(dpi));
    QPrinter impressora(QPrinter::HighResolution);
    paraPdf(impressora, pdf, dpi);
    janela.PrintGrafico(impressora);

    QCOMPARE(impressora.pageLayout().orientation(), QPageLayout::Portrait);
    for (int i = 1; i <= 8; ++i) {
        QCOMPARE(janela.Series[size_t(i)]->estiloLinha(), Qt::SolidLine);
        QCOMPARE(janela.Series[size_t(i)]->larguraLinha(), 1);
    }
    const QString texto = PdfTeste::texto(pdf);
    for (const QString &t : { QStringLiteral("Forno1(°C)"), QStringLiteral("Estufa4(%)"),
             QStringLiteral("(°C )"), QStringLiteral("08:00:00") })
        QVERIFY2(texto.contains(t), qPrintable(t));
    QCOMPARE(PdfTeste::paginas(pdf), 1);
    const QImage pagina = PdfTeste::pagina(pdf);
    QVERIFY(pagina.width() > pagina.height());
    const QRect ocupado = PdfTeste::ocupado(pagina);
    QVERIFY(ocupado.width() > pagina.width() * 9 / 10);
    QVERIFY(ocupado.height() > pagina.height() * 8 / 10);
    QVERIFY(PdfTeste::temCor(pagina, qRgb(0, 0, 255)));
}

void tst_ImpressaoGrafico::graficoEmPdf()
{
    if (!PdfTeste::ferramentas())
        QSKIP("poppler-utils (pdftotext, pdftoppm) not installed");
    LimitesAlarme(&m_amb->configuracoes).grava(documento().NumeroSerie, 2, { 40.0, 35.0 });
    TFormGrafico janela(m_amb->ambiente, {});
    janela.resize(800, 500);
    janela.Seta_Aquisicao(documento());
    janela.Seta_Modo_Arq(true);
    janela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&janela));
    const QString pdf = m_pasta.filePath(QStringLiteral("grafico.pdf"));
    QPrinter impressora(QPrinter::HighResolution);
    paraPdf(impressora, pdf, 1200);
    QVERIFY(janela.PrintGrafico(impressora));
    QCOMPARE(impressora.pageLayout().orientation(), QPageLayout::Portrait);
    QCOMPARE(janela.Canal2->estiloLinha(), Qt::SolidLine);
    QVERIFY(janela.TheChart->estiloLimites() != ImpressaoGrafico::EstiloLimites);
    const QString texto = PdfTeste::texto(pdf);
    QVERIFY(texto.contains(QStringLiteral("Forno Norte")));
    QVERIFY(texto.contains(QStringLiteral("Temp")));
    QVERIFY2(texto.contains(QStringLiteral("Limites de Umid")), qPrintable(texto));
    const QImage pagina = PdfTeste::pagina(pdf);
    QVERIFY(pagina.width() > pagina.height());
    QVERIFY(PdfTeste::ocupado(pagina).width() > pagina.width() * 9 / 10);
}

void tst_ImpressaoGrafico::falhaDizENaoPrendeAImpressora_data()
{
    QTest::addColumn<QString>("recusado");
    QTest::newRow("no printer chosen") << QString();
    // Under a regular file, where no one (root included) can write.
    QTest::newRow("a file that cannot be written") << QStringLiteral("arquivo.txt/saida.pdf");
}

// A print the printer refuses is said in the printing words; the set-up
// chosen next is taken, and the next print is made.
void tst_ImpressaoGrafico::falhaDizENaoPrendeAImpressora()
{
    QFETCH(QString, recusado);
    QFile arquivo(m_pasta.filePath(QStringLiteral("arquivo.txt")));
    QVERIFY(arquivo.open(QIODevice::WriteOnly));
    arquivo.close();
    TFormGrafico janela(m_amb->ambiente, {});
    janela.resize(800, 500);
    janela.Seta_Aquisicao(documento());
    janela.Seta_Modo_Arq(true);
    janela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&janela));
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(recusado.isEmpty() ? QString() : m_pasta.filePath(recusado));
    QVERIFY(!janela.PrintGrafico(impressora));
    QCOMPARE(m_amb->mensagens.textos(), QStringList { m_amb->catalogo.texto(ImpressaoGrafico::TextoFalha) });
    QVERIFY(impressora.printerState() != QPrinter::Active);
    QCOMPARE(janela.Canal2->estiloLinha(), Qt::SolidLine);

    const QString pdf = m_pasta.filePath(QStringLiteral("depois.pdf"));
    impressora.setOutputFileName(pdf);
    QCOMPARE(impressora.outputFileName(), pdf);
    QVERIFY(janela.PrintGrafico(impressora));
    QVERIFY(QFileInfo(pdf).size() > 0);
    QCOMPARE(m_amb->mensagens.textos().size(), 1);
}

QUORVANE_TEST_MAIN(tst_ImpressaoGrafico)
#include "tst_ImpressaoGrafico.moc"
