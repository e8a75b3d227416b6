// The on-line monitor window over the simulated Tarvek, its ticks run by
// hand under virtual time: the chart as it is prepared (series, axes,
// formats, limits, the single scale), the labels, the timer kept off during
// a tick, the closing after a failed readings request, and the recording
// of every reading to a file.

#include "AmbienteFalso.h"
#include "DescricaoTarvek.h"
#include "DialogosArquivoFalsos.h"
#include "GraficoLinhas.h"
#include "RegistroTestes.h"
#include "SerieLinhas.h"
#include "TDatalogger.h"
#include "TFrmMonitor.h"
#include "TMSCommSimulado.h"
#include "TarvekSimulado.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

const char *const DoisCanais = R"({ "sensor": "4-20mA", "tag": "Vazao", "unidade": "m3/h", "decimais": 1,
    "limites": [0, 1000], "leituraAtual": 42.5 },
  { "sensor": "Termopar J", "tag": "Gas", "leituraAtual": 215 })";

struct Bancada : AmbienteFalso
{
    TarvekSimulado tarvek;
    TMSCommSimulado porta { tarvek, relogio };
    DialogosArquivoFalsos dialogos;
    std::unique_ptr<TDatalogger> link;
    std::unique_ptr<TFrmMonitor> janela;

    explicit Bancada(const QString &canais = QString::fromLatin1(DoisCanais))
    {
        const QString descricao
            = QStringLiteral(R"({ "relogio": "2026-12-07T09:30:00", "titulo": "Caldeira 2",
            "intervalo": "00:00:02", "parada": "circular", "canais": [ %1 ],
            "aquisicoes": { "quantidade": 40, "desdeUltima": 0 } })")
                  .arg(canais);
        QString erro;
        const std::optional<DescricaoTarvek> d = DescricaoTarvek::interpreta(descricao.toUtf8(), &erro);
        if (!d || !d->aplica(tarvek, relogio.tickCount(), QDateTime(QDate(2026, 12, 7), QTime(9, 30)), &erro))
            qFatal("%s", qPrintable(erro));
        configuracoes.grava(u"COMUNICACAO"_qs, u"DEBUG"_qs, u"FALSE"_qs);
        link = std::make_unique<TDatalogger>(ambiente);
        if (!link->AbreComunicacao(1, &porta, &status))
            qFatal("port did not open");
        janela = std::make_unique<TFrmMonitor>(*link, ambiente, dialogos);
    }
    bool abre()
    {
        if (!janela->FormCreate())
            return false;
        janela->show();
        return QTest::qWaitForWindowExposed(janela.get());
    }
    GraficoLinhas *grafico() const { return janela->findChild<GraficoLinhas *>(u"TheChart"_qs); }
    QString rotulo(const char *nome) const
    {
        return janela->findChild<QLabel *>(QString::fromLatin1(nome))->text();
    }
    void tick()
    {
        relogio.avanca(1000);
        janela->Timer1Timer();
    }
};

QStringList linhas(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray tudo = f.readAll();
    if (!tudo.isEmpty() && !tudo.endsWith('\n'))
        return { QStringLiteral("<cut line>") };
    return QString::fromUtf8(tudo).split(u'\n', Qt::SkipEmptyParts);
}

}  // namespace

class TestTFrmMonitor : public QObject
{
    Q_OBJECT
private slots:
    void graficoPreparadoComDoisCanais();
    void umCanalSoUmaSerie();
    void escalaUnicaNosEixos();
    void ticksComOTimerDesligadoNaTroca();
    void falhaDasLeiturasFechaAJanela();
    void gravaSeiscentasLeituras();
    void gravacaoInterrompidaSoTemLinhasInteiras();
    void gravacaoParaNoBotaoENoFechamento();
};

void TestTFrmMonitor::graficoPreparadoComDoisCanais()
{
    Bancada b;
    QVERIFY(b.abre());
    GraficoLinhas *g = b.grafico();
    QCOMPARE(g->titulo(), u"Caldeira 2"_qs);
    QCOMPARE(g->quantasSeries(), 2);
    QCOMPARE(g->serie(0)->titulo(), u"Vazao"_qs);
    QCOMPARE(g->serie(0)->cor(), QColor(Qt::red));
    QCOMPARE(g->serie(0)->eixoVertical(), EixoGrafico::Esquerdo);
    QCOMPARE(g->serie(1)->titulo(), u"Gas"_qs);
    QCOMPARE(g->serie(1)->eixoVertical(), EixoGrafico::Direito);
    QCOMPARE(g->tituloEixo(EixoGrafico::Esquerdo), u"Vazao (m3/h )"_qs);
    QCOMPARE(g->tituloEixo(EixoGrafico::Direito), u"Gas (°C )"_qs);
    QCOMPARE(g->formatoValor(EixoGrafico::Esquerdo), u"###,#000.0"_qs);
    QCOMPARE(g->formatoValor(EixoGrafico::Direito), u"####0"_qs);
    QCOMPARE(g->tituloEixo(EixoGrafico::Inferior), u"Aquisições realizadas: 40"_qs);
    QCOMPARE(g->formatoDataHora(), u"hh:nn:ss"_qs);
    QVERIFY(b.janela->timer()->isActive());
    QCOMPARE(b.janela->timer()->interval(), 1000);
    QCOMPARE(b.rotulo("Label2"), u" "_qs);
    b.tick();
    QCOMPARE(g->serie(0)->quantidade(), 1);
    // (the three reads and the signal took the first seconds)
    QCOMPARE(b.rotulo("Label1"), u"07/12/2026 09:30:04"_qs);
    QVERIFY2(b.rotulo("Label2").startsWith(u"Vazao: 42,"_qs), qPrintable(b.rotulo("Label2")));
    QVERIFY2(b.rotulo("Label3").startsWith(u"Gas: 21"_qs), qPrintable(b.rotulo("Label3")));
}

void TestTFrmMonitor::umCanalSoUmaSerie()
{
    Bancada b(
        u"{ \"sensor\": \"Nenhum\" }, { \"sensor\": \"4-20mA\", \"decimais\": 2, \"limites\": [0, 9999] }"_qs);
    QVERIFY(b.abre());
    GraficoLinhas *g = b.grafico();
    QCOMPARE(g->quantasSeries(), 1);
    QCOMPARE(g->serie(0)->titulo(), u"Canal 2"_qs);
    QCOMPARE(g->serie(0)->eixoVertical(), EixoGrafico::Esquerdo);
    QCOMPARE(g->minimo(EixoGrafico::Esquerdo), 0.0);
    QCOMPARE(g->maximo(EixoGrafico::Esquerdo), 99.99);
    QCOMPARE(g->formatoValor(EixoGrafico::Esquerdo), u"##,##00.00"_qs);
    for (int i = 0; i < 18; ++i)
        b.tick();
    QCOMPARE(g->serie(0)->quantidade(), 10);
    QVERIFY(b.rotulo("Label3").startsWith(u"Canal 2: "_qs));
    QCOMPARE(b.rotulo("Label3").section(u',', 1).size(), 2);
}

void TestTFrmMonitor::escalaUnicaNosEixos()
{
    Bancada b;
    QVERIFY(b.abre());
    GraficoLinhas *g = b.grafico();
    QCOMPARE(g->minimo(EixoGrafico::Esquerdo), 0.0);
    QCOMPARE(g->maximo(EixoGrafico::Esquerdo), 100.0);
    QCOMPARE(g->minimo(EixoGrafico::Direito), -50.0);
    QCOMPARE(g->maximo(EixoGrafico::Direito), 760.0);
    auto *escala = b.janela->findChild<QCheckBox *>(u"CheckBoxEscala"_qs);
    QCOMPARE(escala->text(), u"Escala única"_qs);
    escala->click();
    QCOMPARE(g->minimo(EixoGrafico::Esquerdo), -50.0);
    QCOMPARE(g->maximo(EixoGrafico::Esquerdo), 760.0);
    QCOMPARE(g->minimo(EixoGrafico::Direito), -50.0);
    QCOMPARE(g->maximo(EixoGrafico::Direito), 760.0);
    escala->click();
    QCOMPARE(g->maximo(EixoGrafico::Esquerdo), 100.0);
}

void TestTFrmMonitor::ticksComOTimerDesligadoNaTroca()
{
    Bancada b;
    QVERIFY(b.abre());
    bool ligadoNaTroca = false;
    b.relogio.aoProcessarMensagens = [&] { ligadoNaTroca = ligadoNaTroca || b.janela->timer()->isActive(); };
    QStringList titulos;
    for (int i = 0; i < 9; ++i) {
        b.tick();
        QVERIFY(b.janela->timer()->isActive());
        titulos << b.grafico()->tituloEixo(EixoGrafico::Inferior);
    }
    QVERIFY(!ligadoNaTroca);
    QCOMPARE(b.grafico()->serie(0)->quantidade(), 6);
    QVERIFY(titulos.at(2) != titulos.at(1));
    QCOMPARE(titulos.at(4), titulos.at(3));
}

void TestTFrmMonitor::falhaDasLeiturasFechaAJanela()
{
    Bancada b;
    QVERIFY(b.abre());
    b.tick();
    b.tarvek.injetaFalha({ FalhaSimulada::Tipo::Silencio, -1, 0x03 });
    b.tick();
    QVERIFY(!b.janela->isVisible());
    QVERIFY(!b.janela->timer()->isActive());
    QCOMPARE(b.mensagens.textos().last(), u"Falhou leitura dos valores analógicos."_qs);
}

void TestTFrmMonitor::gravaSeiscentasLeituras()
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(u"leituras.csv"_qs);
    Bancada b;
    QVERIFY(b.abre());
    b.dialogos.respostasSalvar.enqueue(caminho);
    b.janela->BtnGravarClick();
    QVERIFY(b.janela->gravacao().gravando());
    int leituras = 0;
    while (leituras < 600) {
        b.tick();
        if (b.janela->monitor().contador() != 0)
            ++leituras;
    }
    b.janela->close();
    const QStringList l = linhas(caminho);
    QCOMPARE(l.size(), 600);
    QVERIFY2(l.first().startsWith(u"2026-12-07T09:30:04"_qs), qPrintable(l.first()));
    for (const QString &linha : l)
        QVERIFY2(QRegularExpression(
                     u"^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d;\\d+\\.\\d;\\d+$"_qs)
                     .match(linha)
                     .hasMatch(),
            qPrintable(linha));
}

void TestTFrmMonitor::gravacaoInterrompidaSoTemLinhasInteiras()
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(u"leituras.csv"_qs);
    Bancada b;
    QVERIFY(b.abre());
    b.dialogos.respostasSalvar.enqueue(caminho);
    b.janela->BtnGravarClick();
    for (int i = 0; i < 30; ++i)
        b.tick();
    // What another program (or the disk after a crash) sees now, the file
    // still open: every reading made so far, each on a whole line.
    QCOMPARE(linhas(caminho).size(), 20);
    // The cable is pulled: the window closes and the file keeps its lines.
    b.tarvek.injetaFalha({ FalhaSimulada::Tipo::Silencio, -1 });
    b.tick();
    QVERIFY(!b.janela->isVisible());
    QCOMPARE(linhas(caminho).size(), 20);
}

void TestTFrmMonitor::gravacaoParaNoBotaoENoFechamento()
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(u"leituras.csv"_qs);
    Bancada b;
    QVERIFY(b.abre());
    auto *botao = b.janela->findChild<QPushButton *>(u"BtnGravar"_qs);
    QCOMPARE(botao->text(), u"Gravar..."_qs);
    b.dialogos.respostasSalvar.enqueue(caminho);
    botao->click();
    QVERIFY(botao->isChecked());
    // While it records, the button says how to stop and the file is named.
    QCOMPARE(botao->text(), u"Parar Gravação"_qs);
    QCOMPARE(b.rotulo("LabelGravacao"), u"Gravando em leituras.csv"_qs);
    b.tick();
    botao->click();
    QVERIFY(!botao->isChecked());
    QVERIFY(!b.janela->gravacao().gravando());
    QCOMPARE(botao->text(), u"Gravar..."_qs);
    QCOMPARE(b.rotulo("LabelGravacao"), QString());
    b.tick();
    QCOMPARE(linhas(caminho).size(), 1);
    // A cancelled file question records nothing.
    botao->click();
    QVERIFY(!botao->isChecked());
    QVERIFY(!b.janela->gravacao().gravando());
    // Again into the same file: lines are appended; closing stops it.
    b.dialogos.respostasSalvar.enqueue(caminho);
    botao->click();
    b.tick();  // a configuration tick: no line
    b.tick();
    b.janela->reject();
    QVERIFY(!b.janela->gravacao().gravando());
    QCOMPARE(linhas(caminho).size(), 2);
    // Its texts are the catalogue's, which a language library replaces.
    for (const auto &[numero, texto] : { std::pair { 301, u"Record..."_qs }, { 302, u"Record"_qs },
             { 303, u"Text (*.csv)|*.csv"_qs }, { 304, u"Could not write to %1."_qs } })
        b.catalogo.substitui(numero, texto);
    TFrmMonitor outra(*b.link, b.ambiente, b.dialogos);
    QCOMPARE(outra.findChild<QPushButton *>(u"BtnGravar"_qs)->text(), u"Record..."_qs);
    const QString semPasta = pasta.filePath(u"nenhuma/leituras.csv"_qs);
    b.dialogos.respostasSalvar.enqueue(semPasta);
    outra.BtnGravarClick();
    QCOMPARE(b.dialogos.pedidos.last().titulo, u"Record"_qs);
    QCOMPARE(b.dialogos.pedidos.last().filtro, u"Text (*.csv)|*.csv"_qs);
    QCOMPARE(b.mensagens.textos().last(), u"Could not write to %1."_qs.arg(semPasta));
}

QUORVANE_TEST_MAIN(TestTFrmMonitor)
#include "tst_TFrmMonitor.moc"
