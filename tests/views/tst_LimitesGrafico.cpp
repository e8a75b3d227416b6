// Alarm limits on the graph window. On the chart's pixels: a dashed line
// at the limit's value on its axis, following a zoom, left out (and the
// range not widened) when the value lies outside the axis's range, and in
// a saved picture; in the window, each channel's limits on that channel's
// axis in its colour, none with the lines switched off or the channel
// hidden. The dialog writes the limits for the logger and the lines
// follow; the summary window follows a zoom.
#include "AmbienteFalso.h"
#include "DataHora.h"
#include "GraficoLinhas.h"
#include "ImagemGrafico.h"
#include "LimitesAlarme.h"
#include "RegistroTestes.h"
#include "Registros.h"
#include "SerieLinhas.h"
#include "TFormGrafico.h"
#include "TFormResumo.h"
#include "TFrmLimitesAlarme.h"
#include "TFrmPerfis.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

class tst_LimitesGrafico : public QObject
{
    Q_OBJECT
private slots:
    void linhaTracejadaNoValorDoEixo_data();
    void linhaTracejadaNoValorDoEixo();
    void limitesNoEixoECorDoCanal_data();
    void limitesNoEixoECorDoCanal();
    void dialogoGravaParaOAquisitorERedesenha();
    void gravacaoRecusadaDizPorQue();
    void mudancaVaiParaATrilha();
    void resumoDizOVeredito_data();
    void resumoDizOVeredito();
    void resumoSegueOZoom();
    void perfilDoDialogo_data();
    void perfilDoDialogo();
};

namespace {

constexpr double kInicio = 46000.0;
constexpr double kPasso = 10.0 / 86400.0;

// How a row of the plot area shows a colour: the share of its pixels in
// that colour and the runs they make (a dashed line makes many).
struct Traco
{
    double fracao = 0.0;
    int trechos = 0;
};

Traco tracoNaLinha(const QImage &imagem, const QRect &area, int y, QRgb cor)
{
    Traco melhor;
    // The row of the value, or the one beside it after rounding.
    for (int linha = y - 1; linha <= y + 1; ++linha) {
        if (linha < 0 || linha >= imagem.height())
            continue;
        int n = 0;
        int trechos = 0;
        bool antes = false;
        for (int x = area.left() + 2; x < area.right() - 1; ++x) {
            const bool da = (imagem.pixel(x, linha) & 0xFFFFFF) == (cor & 0xFFFFFF);
            n += da ? 1 : 0;
            trechos += da && !antes ? 1 : 0;
            antes = da;
        }
        const double fracao = double(n) / std::max(1, area.width() - 3);
        if (fracao > melhor.fracao)
            melhor = { fracao, trechos };
    }
    return melhor;
}

constexpr qint32 kSerie = 4242;

// Two channels: 0 to 100 on the left (20 to 59), 0 to 1000 on the right
// (100 to 880); or only channel 2, 0 to 1000.
TAquisicao documento(bool soCanal2 = false)
{
    TAquisicao a;
    a.Titulo = QStringLiteral("Camara");
    a.NumeroSerie = kSerie;
    a.NumCanais = soCanal2 ? 1 : 2;
    a.SensorCanal1 = soCanal2 ? -1 : 9;
    a.SensorCanal2 = 9;
    a.UnidadeCanal1 = QStringLiteral("°C");
    a.UnidadeCanal2 = QStringLiteral("%");
    a.LimSupCanal1 = 100;
    a.LimSupCanal2 = 1000;
    a.defineIntervalo(60);
    a.Inicio = DataHora::codifica(2024, 6, 14, 8, 0, 0).value_or(0);
    for (int i = 0; i < 300; ++i)
        a.adicionaLeitura(20 + (i % 40), 100 + 20 * (i % 40));
    a.AjustaFim();
    return a;
}

// The limits dialog as a user answers it: channel 1's upper limit on, at 55.
TFormGrafico::Ligacoes altoDoCanal1Em55()
{
    TFormGrafico::Ligacoes ligacoes;
    ligacoes.mostraLimites = [](TFrmLimitesAlarme &d) {
        d.canais[0].ligaAlto->setChecked(true);
        d.canais[0].alto->setText(QStringLiteral("55"));
        d.OKBtn->click();
    };
    return ligacoes;
}

}  // namespace

void tst_LimitesGrafico::linhaTracejadaNoValorDoEixo_data()
{
    QTest::addColumn<int>("eixo");
    QTest::addColumn<double>("valor");
    QTest::addColumn<bool>("zoom");  // a rectangle over the upper part of the plot
    QTest::addColumn<bool>("imagem");  // read from a saved PNG
    QTest::addColumn<bool>("desenhada");
    const int esquerdo = int(EixoGrafico::Esquerdo);
    const int direito = int(EixoGrafico::Direito);
    QTest::newRow("left axis, at 25") << esquerdo << 25.0 << false << false << true;
    QTest::newRow("right axis, at 700") << direito << 700.0 << false << false << true;
    QTest::newRow("left axis, above the range: absent") << esquerdo << 150.0 << false << false << false;
    QTest::newRow("right axis, below the range: absent") << direito << -40.0 << false << false << false;
    QTest::newRow("left axis, after a zoom") << esquerdo << 80.0 << true << false << true;
    QTest::newRow("left axis, zoomed out of view: absent") << esquerdo << 25.0 << true << false << false;
    QTest::newRow("right axis, in a saved picture") << direito << 300.0 << false << true << true;
}

void tst_LimitesGrafico::linhaTracejadaNoValorDoEixo()
{
    QFETCH(int, eixo);
    QFETCH(double, valor);
    QFETCH(bool, zoom);
    QFETCH(bool, imagem);
    QFETCH(bool, desenhada);
    const auto e = EixoGrafico(eixo);
    const QColor cor(0, 128, 0);  // no series of this colour
    GraficoLinhas g;
    g.resize(800, 500);
    SerieLinhas *s1 = g.adicionaSerie(EixoGrafico::Esquerdo, Qt::red, QStringLiteral("A"));
    s1->defineFonte(
        200, [](int i) { return kInicio + i * kPasso; }, [](int i) { return 10.0 + (i % 80); });
    SerieLinhas *s2 = g.adicionaSerie(EixoGrafico::Direito, Qt::blue, QStringLiteral("B"));
    s2->defineFonte(
        200, [](int i) { return kInicio + i * kPasso; }, [](int i) { return 100.0 + 4 * (i % 200); });
    // The left axis scales itself: the line must not widen it.
    QVERIFY(g.defineFaixa(EixoGrafico::Direito, 0, 1000));
    g.defineAutomatico(EixoGrafico::Direito, false);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    g.redesenha();
    const double esquerdoMin = g.minimo(EixoGrafico::Esquerdo);
    const double esquerdoMax = g.maximo(EixoGrafico::Esquerdo);
    g.defineLinhasLimite({ { e, valor, cor, QString() } });
    g.redesenha();
    QCOMPARE(g.minimo(EixoGrafico::Esquerdo), esquerdoMin);
    QCOMPARE(g.maximo(EixoGrafico::Esquerdo), esquerdoMax);
    if (zoom) {
        const QRect area = g.areaGrafico();
        g.zoomRetangulo(QRect(area.left(), area.top(), area.width(), area.height() / 3));
        g.redesenha();
    }
    QImage figura;
    QRect area = g.areaGrafico();
    int y = int(std::lround(g.pixelDoValor(e, valor)));
    if (imagem) {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("limites.png"));
        QVERIFY(ImagemGrafico::grava(g, caminho, g.size()));
        figura = QImage(caminho);
    } else {
        figura = g.imagem().toImage();
    }
    const Traco t = tracoNaLinha(figura, area, y, cor.rgb());
    const QString onde = QStringLiteral("row %1 of %2 to %3: %4 of the row, %5 dashes")
                             .arg(y)
                             .arg(area.top())
                             .arg(area.bottom())
                             .arg(t.fracao)
                             .arg(t.trechos);
    if (!desenhada) {
        QVERIFY2(t.fracao == 0.0, qPrintable(onde));
        // Nowhere else either.
        for (int linha = area.top(); linha <= area.bottom(); ++linha)
            QVERIFY2(tracoNaLinha(figura, area, linha, cor.rgb()).fracao == 0.0, qPrintable(onde));
        return;
    }
    QVERIFY2(y > area.top() && y < area.bottom(), qPrintable(onde));
    // Dashed: more than a third of the row, less than all of it, in many
    // pieces.
    QVERIFY2(t.fracao > 0.35 && t.fracao < 0.85, qPrintable(onde));
    QVERIFY2(t.trechos >= 20, qPrintable(onde));
}

void tst_LimitesGrafico::limitesNoEixoECorDoCanal_data()
{
    QTest::addColumn<bool>("soCanal2");
    QTest::addColumn<int>("canal");  // whose limit is set
    QTest::addColumn<double>("alto");
    QTest::addColumn<bool>("mostra");  // the lines switched on
    QTest::addColumn<bool>("canalVisivel");
    QTest::addColumn<bool>("imagem");
    QTest::addColumn<int>("eixo");  // where it is looked for
    QTest::addColumn<QColor>("cor");
    QTest::addColumn<bool>("desenhada");
    const int esquerdo = int(EixoGrafico::Esquerdo);
    const int direito = int(EixoGrafico::Direito);
    const QColor vermelho(Qt::red);
    const QColor azul(Qt::blue);
    QTest::newRow("channel 1 on the left axis, red")
        << false << 1 << 80.0 << true << true << false << esquerdo << vermelho << true;
    QTest::newRow("channel 2 on the right axis, blue")
        << false << 2 << 950.0 << true << true << false << direito << azul << true;
    QTest::newRow("channel 2 in a saved picture")
        << false << 2 << 950.0 << true << true << true << direito << azul << true;
    QTest::newRow("only channel 2: the single series' left axis, red")
        << true << 2 << 950.0 << true << true << false << esquerdo << vermelho << true;
    QTest::newRow("lines switched off")
        << false << 1 << 80.0 << false << true << false << esquerdo << vermelho << false;
    QTest::newRow("channel 2 hidden")
        << false << 2 << 950.0 << true << false << false << direito << azul << false;
    QTest::newRow("outside the channel's range")
        << false << 1 << 150.0 << true << true << false << esquerdo << vermelho << false;
}

void tst_LimitesGrafico::limitesNoEixoECorDoCanal()
{
    QFETCH(bool, soCanal2);
    QFETCH(int, canal);
    QFETCH(double, alto);
    QFETCH(bool, mostra);
    QFETCH(bool, canalVisivel);
    QFETCH(bool, imagem);
    QFETCH(int, eixo);
    QFETCH(QColor, cor);
    QFETCH(bool, desenhada);
    AmbienteFalso f;
    LimitesAlarme(&f.configuracoes).grava(kSerie, canal, { alto, std::nullopt });
    // Another logger's limit is not this graph's.
    LimitesAlarme(&f.configuracoes).grava(kSerie + 1, canal, { 60.0, std::nullopt });
    TFormGrafico janela(f.ambiente, {});
    janela.MostraLimites(mostra);
    janela.Seta_Aquisicao(documento(soCanal2));
    janela.resize(800, 500);
    janela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&janela));
    if (!canalVisivel)
        (canal == 1 ? janela.CheckBoxSerie1 : janela.CheckBoxSerie2)->setChecked(false);
    GraficoLinhas *g = janela.TheChart;
    g->redesenha();
    QImage figura = g->imagem().toImage();
    if (imagem) {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("limites.png"));
        QVERIFY(ImagemGrafico::grava(*g, caminho, g->size()));
        figura = QImage(caminho);
    }
    const QRect area = g->areaGrafico();
    const int y = int(std::lround(g->pixelDoValor(EixoGrafico(eixo), alto)));
    const Traco t = tracoNaLinha(figura, area, y, cor.rgb());
    const QString onde
        = QStringLiteral("row %1: %2 of the row, %3 dashes").arg(y).arg(t.fracao).arg(t.trechos);
    if (desenhada) {
        QVERIFY2(t.fracao > 0.35 && t.fracao < 0.85 && t.trechos >= 20, qPrintable(onde));
    } else {
        QVERIFY2(t.fracao < 0.15, qPrintable(onde));
        // The other logger's limit is nowhere either.
        const int y60 = int(std::lround(g->pixelDoValor(EixoGrafico(eixo), 60.0)));
        QVERIFY(tracoNaLinha(figura, area, y60, cor.rgb()).fracao < 0.15);
    }
}

// OK in the dialog writes the limits under the logger's serial number and
// the lines follow at once.
void tst_LimitesGrafico::dialogoGravaParaOAquisitorERedesenha()
{
    AmbienteFalso f;
    TFormGrafico::Ligacoes ligacoes;
    QStringList avisos;
    ligacoes.mostraLimites = [](TFrmLimitesAlarme &d) {
        QCOMPARE(d.canais[0].ligaAlto->isChecked(), false);
        d.canais[0].ligaAlto->setChecked(true);
        d.canais[0].alto->setText(QStringLiteral("55"));
        d.canais[1].ligaBaixo->setChecked(true);
        d.canais[1].baixo->setText(QStringLiteral("250,0"));
        d.OKBtn->click();
    };
    TFormGrafico janela(f.ambiente, ligacoes);
    janela.Seta_Aquisicao(documento());
    QVERIFY(janela.TheChart->linhasLimite().isEmpty());
    janela.ConfigLimites();
    QCOMPARE(LimitesAlarme(&f.configuracoes).le(kSerie, 1), (LimitesCanal { 55.0, std::nullopt }));
    QCOMPARE(LimitesAlarme(&f.configuracoes).le(kSerie, 2), (LimitesCanal { std::nullopt, 250.0 }));
    const auto nome = [](const SerieLinhas *s) { return QStringLiteral("Limites de ") + s->titulo(); };
    const QList<GraficoLinhas::LinhaLimite> esperadas { { EixoGrafico::Esquerdo, 55.0, QColor(Qt::red),
                                                            nome(janela.Canal1) },
        { EixoGrafico::Direito, 250.0, QColor(Qt::blue), nome(janela.Canal2) } };
    QCOMPARE(janela.TheChart->linhasLimite(), esperadas);
}

// A settings file that refuses the limits says so, naming the file.
void tst_LimitesGrafico::gravacaoRecusadaDizPorQue()
{
    AmbienteFalso f;
    f.configuracoes.falha = GravacaoConfiguracao::Falha::Permissao;
    TFormGrafico janela(f.ambiente, altoDoCanal1Em55());
    janela.Seta_Aquisicao(documento());
    janela.ConfigLimites();
    QCOMPARE(f.mensagens.textos().size(), 1);
    QVERIFY(f.mensagens.textos().constFirst().startsWith(
        QString::fromUtf8("As configurações não foram gravadas em QUORVANE.INI: não há permissão")));
}

// Limits changed are recorded with the logger, the channel, old and new.
void tst_LimitesGrafico::mudancaVaiParaATrilha()
{
    AmbienteFalso f;
    QTemporaryDir pasta;
    Registros registros(pasta.path());
    f.ambiente.registros = &registros;
    TFormGrafico janela(f.ambiente, altoDoCanal1Em55());
    janela.Seta_Aquisicao(documento());
    janela.ConfigLimites();
    QVERIFY2(f.mensagens.textos().isEmpty(), qPrintable(f.mensagens.textos().join(u'\n')));
    const QList<LinhaTrilha> linhas = registros.trilha()->lista();
    QCOMPARE(linhas.size(), 1);
    QCOMPARE(linhas[0].acao, AcaoAuditoria::Limites);
    QCOMPARE(linhas[0].serie, qint64(quint32(documento().NumeroSerie)));
    QVERIFY2(
        linhas[0].detalhes.contains(QStringLiteral("\"canal1\":{\"alto\":{\"antes\":null,\"depois\":55}")),
        qPrintable(linhas[0].detalhes));
    QVERIFY(!linhas[0].detalhes.contains(QStringLiteral("canal2")));
}

// "Resumo" starts with the verdict by the logger's profile (here the one its
// stored limits make), in words; none without a profile.
void tst_LimitesGrafico::resumoDizOVeredito_data()
{
    QTest::addColumn<double>("alto");
    QTest::addColumn<QString>("veredito");
    QTest::newRow("readings above the upper limit") << 50.0 << "REPROVADO";
    QTest::newRow("every reading at or below it") << 59.0 << "APROVADO";
    QTest::newRow("no limits, no profile") << 0.0 << "";
}

void tst_LimitesGrafico::resumoDizOVeredito()
{
    QFETCH(double, alto);
    QFETCH(QString, veredito);
    AmbienteFalso f;
    if (alto > 0)
        LimitesAlarme(&f.configuracoes).grava(kSerie, 1, { alto, std::nullopt });
    QPointer<TFormGrafico> janela = new TFormGrafico(f.ambiente, {});
    janela->Seta_Aquisicao(documento());
    janela->MostraResumo();
    QPointer<TFormResumo> resumo = janela->resumo();
    QVERIFY(resumo);
    QCOMPARE(resumo->LabelVeredito->isHidden(), veredito.isEmpty());
    if (!veredito.isEmpty()) {
        QVERIFY2(resumo->LabelVeredito->text().startsWith(QStringLiteral("<b>") + veredito + u'<'),
            qPrintable(resumo->LabelVeredito->text()));
        // After what it summarises: four lines and a blank one.
        QCOMPARE(resumo->linhasRelatorio().value(5), veredito);
        QCOMPARE(resumo->linhasRelatorio().value(4), QString());
    }
    delete janela;
}

// The summary window's range column follows a zoom and its undo; the
// whole recording's stays.
void tst_LimitesGrafico::resumoSegueOZoom()
{
    AmbienteFalso f;
    // A window of its own deletes itself when closed.
    QPointer<TFormGrafico> janela = new TFormGrafico(f.ambiente, {});
    janela->Seta_Modo_Arq(true);
    janela->Seta_Aquisicao(documento());
    janela->resize(800, 500);
    janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(janela));
    janela->setWindowTitle(QStringLiteral("camara.qvg"));
    janela->MostraResumo();
    QPointer<TFormResumo> resumo = janela->resumo();
    QVERIFY(resumo);
    // The printed summary starts with what it summarises.
    const QStringList cabecalho = resumo->linhasRelatorio().mid(0, 4);
    QCOMPARE(cabecalho,
        QStringList({ QStringLiteral("Gravação:\tCamara"), QStringLiteral("Arquivo:\tcamara.qvg"),
            QStringLiteral("Número de série:\t00004242"),
            QStringLiteral("Período:\t14/06/2024 08:00:00 a 14/06/2024 12:59:00") }));
    QTableWidget *t = resumo->Tabela;
    // The first line of channel 1's part: its count of entries.
    const auto coluna = [t](int c) { return t->item(1, c) ? t->item(1, c)->text() : QString(); };
    const QString inteira = coluna(1);
    QCOMPARE(coluna(2), inteira);
    QVERIFY2(inteira.contains(QStringLiteral("300")), qPrintable(inteira));
    // A zoom dragged over the left half of the plot.
    const QRect area = janela->TheChart->areaGrafico();
    const QPoint de = area.topLeft() + QPoint(4, 4);
    const QPoint ate = area.topLeft() + QPoint(area.width() / 2, area.height() - 4);
    QTest::mousePress(janela->TheChart, Qt::LeftButton, {}, de);
    QTest::mouseMove(janela->TheChart, ate);
    QTest::mouseRelease(janela->TheChart, Qt::LeftButton, {}, ate);
    const QString zoom = coluna(2);
    QVERIFY2(zoom != inteira, qPrintable(zoom));
    QCOMPARE(coluna(1), inteira);
    janela->UndoZoom();
    QCOMPARE(coluna(2), inteira);
    // It closes with its graph.
    janela->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!janela);
    QVERIFY(!resumo);
}

// A profile made in the dialog and assigned to the logger: the summary's
// verdict and the graph's band follow it. A settings file that refuses the
// profile says so, and the dialog keeps what was typed.
void tst_LimitesGrafico::perfilDoDialogo_data()
{
    QTest::addColumn<bool>("recusa");
    QTest::newRow("made and assigned") << false;
    QTest::newRow("the settings file refuses it") << true;
}

void tst_LimitesGrafico::perfilDoDialogo()
{
    QFETCH(bool, recusa);
    AmbienteFalso f;
    if (recusa)
        f.configuracoes.falha = GravacaoConfiguracao::Falha::Permissao;
    TFormGrafico::Ligacoes ligacoes;
    ligacoes.mostraPerfis = [recusa](TFrmPerfis &d) {
        d.NovoClick();
        d.EditNome->setText(QStringLiteral("Câmara"));
        d.EditCurto->setText(QStringLiteral("camara"));
        d.poeRegra(0, { 0, TipoRegra::Evento, true, QStringLiteral("30"), true, {}, QStringLiteral("20") });
        d.GravarClick();
        QCOMPARE(d.EditNome->text(), QStringLiteral("Câmara"));
        QCOMPARE(d.camposDaLinha(0).minutos, QStringLiteral("20"));
        QCOMPARE(d.escolhe(QStringLiteral("camara")), !recusa);
        d.AtribuirClick();
    };
    QPointer<TFormGrafico> janela = new TFormGrafico(f.ambiente, ligacoes);
    janela->Seta_Aquisicao(documento());
    janela->MostraResumo();
    QVERIFY(janela->faixaPerfil().vazia());
    janela->ConfigPerfis();
    QCOMPARE(f.mensagens.textos().size(), recusa ? 1 : 0);
    QCOMPARE(janela->resumo()->LabelVeredito->isHidden(), recusa);
    QCOMPARE(janela->faixaPerfil().faixas.size(), recusa ? 0 : 1);
    if (!recusa) {
        QVERIFY(janela->resumo()->LabelVeredito->text().startsWith(QStringLiteral("<b>REPROVADO<")));
        QCOMPARE(janela->faixaPerfil().faixas[0].alto, 30.0);
        QCOMPARE(janela->faixaPerfil().trechos.size(), 7);
    }
    delete janela;
}

QUORVANE_TEST_MAIN(tst_LimitesGrafico)
#include "tst_LimitesGrafico.moc"
