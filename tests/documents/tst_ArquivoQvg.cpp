#include "AmbienteFalso.h"
#include "ArquivoQvg.h"
#include "ArquivoQvj.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "LeitorLinhas.h"
#include "LinhasTeste.h"
#include "NumeracaoGraficos.h"
#include "Real48.h"
#include "RegistroTestes.h"
#include "Windows1252.h"

#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// What the reader asks of operator new, watched while a test measures it:
// the largest single request, and a refusal of anything above a gigabyte,
// so that a reader that believes a false count fails at once instead of
// taking the machine's memory.
namespace {

std::atomic<bool> g_medindo { false };
std::atomic<std::size_t> g_maiorPedido { 0 };
constexpr std::size_t kPedidoRecusado = std::size_t(1) << 30;

void *aloca(std::size_t tamanho)
{
    if (g_medindo.load()) {
        std::size_t maior = g_maiorPedido.load();
        while (tamanho > maior && !g_maiorPedido.compare_exchange_weak(maior, tamanho)) { }
        if (tamanho > kPedidoRecusado)
            throw std::bad_alloc();
    }
    if (void *p = std::malloc(tamanho ? tamanho : 1))
        return p;
    throw std::bad_alloc();
}

// The largest request made while it lives.
class MedidaAlocacoes
{
public:
    MedidaAlocacoes()
    {
        g_maiorPedido = 0;
        g_medindo = true;
    }
    ~MedidaAlocacoes() { g_medindo = false; }
    std::size_t maiorPedido() const { return g_maiorPedido.load(); }
};

}  // namespace

void *operator new(std::size_t tamanho)
{
    return aloca(tamanho);
}

void *operator new[](std::size_t tamanho)
{
    return aloca(tamanho);
}

void operator delete(void *p) noexcept
{
    std::free(p);
}

void operator delete[](void *p) noexcept
{
    std::free(p);
}

void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}

void operator delete[](void *p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

const QString kNaoExiste = QStringLiteral("Arquivo não existe!");
const QString kFormato = QStringLiteral("Formato de arquivo inválido. Verifique sua configuração");

// A two-channel document of three entries, as a collection would give it.
TAquisicao exemplo()
{
    TAquisicao a;
    a.SensorCanal1 = 1;
    a.LimInfCanal1 = 0;
    a.LimSupCanal1 = 500;
    a.SensorCanal2 = 9;
    a.LimInfCanal2 = -100;
    a.LimSupCanal2 = 1000;
    a.NumCanais = 2;
    a.defineIntervalo(10);
    a.Inicio = DataHora::codifica(2000, 1, 2, 10, 0, 0).value();
    a.Fim = DataHora::codifica(2000, 1, 2, 10, 0, 20).value();
    a.LeiturasPorAquisicao = 5;
    a.ModoCanal1 = 1;
    a.ModoCanal2 = 2;
    a.Titulo = QStringLiteral("Forno ção");
    a.NomeCanal1 = QStringLiteral("Temp");
    a.NomeCanal2 = QStringLiteral("Pressão");
    a.UnidadeCanal1 = QStringLiteral("°C");
    a.UnidadeCanal2 = QString();
    a.adicionaLeitura(23.456, -1.5);
    a.adicionaLeitura(1.234, 0);
    a.adicionaLeitura(-0.001, 100);
    a.FimAposLeituras = 32768;
    a.Capacidade = 16000;
    a.NumeroSerie = -2;
    a.Calib35 = 7;
    a.Firmware = 0x13;
    a.DecimaisCanal1 = 1;
    a.DecimaisCanal2 = 3;
    a.OffsetCanal1 = -3;
    a.OffsetCanal2 = 12;
    return a;
}

QStringList linhasExemplo()
{
    return { QStringLiteral("1"), "0", "500", "9", "-100", "1000", "2", "10", "02/01/2000", "10:00:00",
        "02/01/2000", "10:00:20", "5", "1", "2", "Forno ção", "Temp", "Pressão", "°C", "", "3", "23,46",
        "-1,50", "1,23", "0,00", "0,00", "100,00", "32768", "16000", "-2", "7", "19", "1", "3", "-3", "12",
        "113" };
}

ArquivoQvg::Resultado le(const QStringList &linhas, QChar separador = u',')
{
    return ArquivoQvg::le(arquivo(linhas), regional(separador));
}

}  // namespace

class tst_ArquivoQvg : public QObject
{
    Q_OBJECT
private slots:
    void gravaAsLinhasNaOrdem();
    void gravaSemEntradas();
    void gravaParteInteiraDoIntervaloELinhasDeTextoInteiras();
    void valorComDuasCasas_data();
    void valorComDuasCasas();
    void datasFixasQualquerQueSejaARegiao();
    void leAsLinhasNaOrdem();
    void leValoresComVirgulaOuPonto_data();
    void leValoresComVirgulaOuPonto();
    void valoresDoArquivoComoAConversaoGeral();
    void leLinhasNumericasComTolerancia_data();
    void leLinhasNumericasComTolerancia();
    void recusa_data();
    void recusa();
    void contagemEnormeNaoReservaOQueOArquivoNaoTem();
    void contagemNegativaEhNenhumaEntrada();
    void arquivoQueNaoSeLeEhRecusadoDeImediato_data();
    void arquivoQueNaoSeLeEhRecusadoDeImediato();
    void arquivoEnormeEhLidoAteOLimite();
    void arquivoQueAcabaNasEntradasDaZeros();
    void ultimaLinhaSeteAbreNormalmente();
    void textoLongoCortadoEm255();
    void leFimDeLinhaSoLF();
    void gravaLeEGravaDeNovoIgual();
    void limitesNormalizadosSaoGravados();
    void gravacaoQueFalhaPreservaOArquivoAnterior();
    void gravacaoEmPastaInexistenteAvisa();
    void abreMostraAsTresRecusas();
    void nomeJanelaSemPasta();
};

void tst_ArquivoQvg::gravaAsLinhasNaOrdem()
{
    const QByteArray bytes = ArquivoQvg::conteudo(exemplo(), regional(u','));
    QVERIFY(bytes.endsWith("113\r\n"));
    QVERIFY(!bytes.contains("\n\n"));
    QCOMPARE(linhasDe(bytes), linhasExemplo());
    QCOMPARE(linhasDe(bytes).size(), 31 + 2 * 3);
    // Characters are 8-bit: "ç" is one byte.
    QVERIFY(bytes.contains("Forno \xe7\xe3o\r\n"));
}

void tst_ArquivoQvg::gravaSemEntradas()
{
    TAquisicao a = exemplo();
    a.limpaLeituras();
    const QStringList linhas = linhasDe(ArquivoQvg::conteudo(a, regional(u',')));
    QCOMPARE(linhas.size(), 31);
    QCOMPARE(linhas[20], QStringLiteral("0"));
    QCOMPARE(linhas[21], QStringLiteral("32768"));
    const auto r = ArquivoQvg::le(ArquivoQvg::conteudo(a, regional(u',')), regional(u','));
    QCOMPARE(r.erro, ArquivoQvg::Erro::Nenhum);
    QCOMPARE(r.aquisicao.NumLeituras(), 0);
    QCOMPARE(r.aquisicao.Capacidade, 16000);
    QCOMPARE(r.aquisicao.CodigoArquivo, 113);
}

void tst_ArquivoQvg::gravaParteInteiraDoIntervaloELinhasDeTextoInteiras()
{
    TAquisicao a = exemplo();
    a.defineIntervalo(2.7);
    a.Titulo = QStringLiteral("linha\r\nquebrada");
    const QStringList linhas = linhasDe(ArquivoQvg::conteudo(a, regional(u',')));
    QCOMPARE(linhas[7], QStringLiteral("2"));
    QCOMPARE(linhas[15], QStringLiteral("linha  quebrada"));
    QCOMPARE(linhas.size(), 37);
}

void tst_ArquivoQvg::valorComDuasCasas_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<QChar>("separador");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("comma") << 23.456 << QChar(u',') << "23,46";
    QTest::newRow("dot") << 23.456 << QChar(u'.') << "23.46";
    QTest::newRow("three decimals cut to two") << 1.234 << QChar(u',') << "1,23";
    QTest::newRow("a half rounds away from zero") << 1.125 << QChar(u',') << "1,13";
    QTest::newRow("a negative half too") << -2.375 << QChar(u',') << "-2,38";
    QTest::newRow("below a half rounds down") << 2.674 << QChar(u',') << "2,67";
    QTest::newRow("negative") << -7.5 << QChar(u',') << "-7,50";
    QTest::newRow("tiny negative has no sign") << -0.001 << QChar(u',') << "0,00";
    QTest::newRow("whole number") << 1370.0 << QChar(u',') << "1370,00";
    QTest::newRow("no grouping") << 1234567.0 << QChar(u'.') << "1234567.00";
}

void tst_ArquivoQvg::valorComDuasCasas()
{
    QFETCH(double, valor);
    QFETCH(QChar, separador);
    QFETCH(QString, esperado);
    TAquisicao a = exemplo();
    a.limpaLeituras();
    a.adicionaLeitura(valor, 0);
    const QStringList linhas = linhasDe(ArquivoQvg::conteudo(a, regional(separador)));
    QCOMPARE(linhas[21], esperado);
}

void tst_ArquivoQvg::datasFixasQualquerQueSejaARegiao()
{
    ConfigRegional outra = regional(u'.');
    outra.separadorData = u'-';
    outra.separadorHora = u'.';
    outra.formatoDataCurta = QStringLiteral("yyyy-mm-dd");
    const QByteArray bytes = ArquivoQvg::conteudo(exemplo(), outra);
    const QStringList linhas = linhasDe(bytes);
    QCOMPARE(linhas.mid(8, 4), (QStringList { "02/01/2000", "10:00:00", "02/01/2000", "10:00:20" }));
    const auto r = ArquivoQvg::le(bytes, outra);
    QCOMPARE(r.erro, ArquivoQvg::Erro::Nenhum);
    QCOMPARE(r.aquisicao.Inicio, exemplo().Inicio);
    QCOMPARE(r.aquisicao.Fim, exemplo().Fim);
    // One-digit day, month and hour fields, and a time without seconds.
    QStringList curtas = linhasExemplo();
    curtas[8] = QStringLiteral("2/1/2000");
    curtas[9] = QStringLiteral("9:05");
    QCOMPARE(le(curtas).aquisicao.Inicio, DataHora::codifica(2000, 1, 2, 9, 5, 0).value());
}

void tst_ArquivoQvg::leAsLinhasNaOrdem()
{
    const auto r = le(linhasExemplo());
    QCOMPARE(r.erro, ArquivoQvg::Erro::Nenhum);
    const TAquisicao &a = r.aquisicao;
    QCOMPARE(a.SensorCanal1, 1);
    QCOMPARE(a.LimSupCanal1, 500);
    QCOMPARE(a.SensorCanal2, 9);
    QCOMPARE(a.LimInfCanal2, -100);
    QCOMPARE(a.NumCanais, 2);
    QCOMPARE(a.IntervaloAquisicoes(), 10.0);
    QCOMPARE(a.Inicio, DataHora::codifica(2000, 1, 2, 10, 0, 0).value());
    QCOMPARE(a.Fim, DataHora::codifica(2000, 1, 2, 10, 0, 20).value());
    QCOMPARE(a.LeiturasPorAquisicao, 5);
    QCOMPARE(a.ModoCanal2, 2);
    QCOMPARE(a.Titulo, QStringLiteral("Forno ção"));
    QCOMPARE(a.UnidadeCanal1, QStringLiteral("°C"));
    QCOMPARE(a.UnidadeCanal2, QString());
    QCOMPARE(a.NumLeituras(), 3);
    QCOMPARE(a.leitura(0).Canal1(), Real48::arredonda(23.46));
    QCOMPARE(a.leitura(2).Canal2(), 100.0);
    QCOMPARE(a.NumeroSerie, -2);
    QCOMPARE(a.Firmware, 19);
    QCOMPARE(a.OffsetCanal1, -3);
    QCOMPARE(a.CodigoArquivo, 113);
}

void tst_ArquivoQvg::leValoresComVirgulaOuPonto_data()
{
    QTest::addColumn<QString>("linha");
    QTest::addColumn<QChar>("separador");
    QTest::addColumn<double>("valor");
    QTest::newRow("comma file, comma system") << "23,46" << QChar(u',') << 23.46;
    QTest::newRow("comma file, dot system") << "23,46" << QChar(u'.') << 23.46;
    QTest::newRow("dot file, comma system") << "23.46" << QChar(u',') << 23.46;
    QTest::newRow("dot file, dot system") << "23.46" << QChar(u'.') << 23.46;
    QTest::newRow("negative with blanks") << "  -0,5 " << QChar(u',') << -0.5;
    QTest::newRow("whole number") << "17" << QChar(u',') << 17.0;
    QTest::newRow("exponent") << "1,5E3" << QChar(u',') << 1500.0;
    QTest::newRow("255 characters read like any other")
        << QStringLiteral("2,5") + QString(252, u'0') << QChar(u',') << 2.5;
    QTest::newRow("blanks count among the 255")
        << QString(251, u' ') + QStringLiteral("-0,25") << QChar(u',') << -0.2;
    QTest::newRow("past the 255th character skipped")
        << QString(251, u' ') + QStringLiteral("12,5") + QString(40, u'x') << QChar(u',') << 12.5;
}

void tst_ArquivoQvg::leValoresComVirgulaOuPonto()
{
    QFETCH(QString, linha);
    QFETCH(QChar, separador);
    QFETCH(double, valor);
    QStringList linhas = linhasExemplo();
    linhas[21] = linha;
    const auto r = le(linhas, separador);
    QCOMPARE(r.erro, ArquivoQvg::Erro::Nenhum);
    QCOMPARE(r.aquisicao.leitura(0).Canal1(), Real48::arredonda(valor));
}

// The entries' values, of up to 17 digits with up to 8 decimals under each
// kind of separator, are the doubles the general conversion gives, to the
// last bit (the usual short form takes a quicker way).
void tst_ArquivoQvg::valoresDoArquivoComoAConversaoGeral()
{
    QRandomGenerator aleatorio(17);
    for (const char separador : { ',', '.', ';' }) {
        for (int k = 0; k < 20000; ++k) {
            const int digitos = 1 + k % 17;
            const int casas = std::min(digitos, int(aleatorio.bounded(9)));
            std::string texto = k % 3 == 0 ? "-" : (k % 7 == 0 ? "+" : "");
            for (int d = 0; d < digitos; ++d) {
                if (d == digitos - casas)
                    texto += separador == ';' ? ';' : (k % 2 ? ',' : '.');
                texto += char('0' + aleatorio.bounded(10));
            }
            std::string comPonto = texto;
            std::replace_if(
                comPonto.begin(), comPonto.end(), [](char c) { return c == ',' || c == ';'; }, '.');
            double esperado = 0;
            std::from_chars(
                comPonto.c_str() + (comPonto[0] == '+'), comPonto.c_str() + comPonto.size(), esperado);
            const auto lido = LinhaNumerica::valor(texto, separador);
            QVERIFY2(lido && std::memcmp(&*lido, &esperado, sizeof esperado) == 0, texto.c_str());
            // Read from a file's lines, with each kind of line end (and a
            // blank, the general way): the value, then the next line.
            const char *const fins[] = { "\r\n", "\n", "\r", " \r\n" };
            const std::string linhas = texto + fins[k % 4] + "7\r\n";
            LeitorLinhas leitor(linhas.data(), qsizetype(linhas.size()));
            const auto doArquivo = leitor.proximoValor(separador);
            QVERIFY2(doArquivo && std::memcmp(&*doArquivo, &esperado, sizeof esperado) == 0, linhas.c_str());
            QCOMPARE(leitor.proxima(), std::string_view("7"));
            // Under another regional separator a point is no separator.
            if (separador == ';' && casas > 0) {
                LeitorLinhas comPontoNoArquivo(comPonto.data(), qsizetype(comPonto.size()));
                QVERIFY2(!comPontoNoArquivo.proximoValor(separador), comPonto.c_str());
            }
        }
    }
}

void tst_ArquivoQvg::leLinhasNumericasComTolerancia_data()
{
    QTest::addColumn<int>("linha");  // 0-based
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("valor");
    QTest::newRow("letters give 0") << 1 << "abc" << 0.0;
    QTest::newRow("empty gives 0") << 1 << "" << 0.0;
    QTest::newRow("valid beginning") << 1 << "12abc" << 12.0;
    QTest::newRow("blanks then number then rest") << 1 << "  -40 graus" << -40.0;
    QTest::newRow("plus sign") << 1 << "+7" << 7.0;
    QTest::newRow("decimal in an integer line") << 1 << "3,9" << 3.0;
    QTest::newRow("too large held to 32 bits") << 1 << "99999999999" << 2147483647.0;
    QTest::newRow("interval with a fraction") << 7 << "2.5" << 2.5;
    QTest::newRow("interval with a comma stops there") << 7 << "2,5" << 2.0;
    QTest::newRow("interval of letters") << 7 << "x" << 0.0;
    QTest::newRow("interval beyond a double is the largest") << 7 << "1e999" << Real48::maximo();
    QTest::newRow("negative interval beyond a double") << 7 << "-12.5e400 s" << -Real48::maximo();
    QTest::newRow("interval below a double is 0") << 7 << "0.001e-999" << 0.0;
    QTest::newRow("closing line") << 36 << "7 sete" << 7.0;
}

void tst_ArquivoQvg::leLinhasNumericasComTolerancia()
{
    QFETCH(int, linha);
    QFETCH(QString, texto);
    QFETCH(double, valor);
    QStringList linhas = linhasExemplo();
    linhas[linha] = texto;
    const auto r = le(linhas);
    QCOMPARE(r.erro, ArquivoQvg::Erro::Nenhum);
    const TAquisicao &a = r.aquisicao;
    const double lido = linha == 1 ? a.LimInfCanal1 : linha == 7 ? a.IntervaloAquisicoes() : a.CodigoArquivo;
    QCOMPARE(lido, valor);
}

void tst_ArquivoQvg::recusa_data()
{
    QTest::addColumn<int>("linha");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("cortaEm");  // lines kept, -1 all
    QTest::addColumn<int>("erro");
    const int naoExiste = int(ArquivoQvg::Erro::ArquivoNaoExiste);
    const int formato = int(ArquivoQvg::Erro::FormatoInvalido);
    QTest::newRow("start date of letters") << 8 << "abc" << -1 << naoExiste;
    QTest::newRow("start date not in the calendar") << 8 << "31/02/2000" << -1 << naoExiste;
    QTest::newRow("start time out of range") << 9 << "24:00:00" << -1 << naoExiste;
    QTest::newRow("end date empty") << 10 << "" << -1 << naoExiste;
    QTest::newRow("end time of letters") << 11 << "xx" << -1 << naoExiste;
    QTest::newRow("empty file") << 0 << "1" << 0 << naoExiste;
    QTest::newRow("file ends in the header") << 0 << "1" << 10 << naoExiste;
    QTest::newRow("first entry of letters") << 21 << "abc" << -1 << formato;
    QTest::newRow("entry empty") << 24 << "" << -1 << formato;
    QTest::newRow("entry with two separators") << 22 << "1,2,3" << -1 << formato;
    QTest::newRow("entry with trailing letters") << 22 << "1,5x" << -1 << formato;
    QTest::newRow("fewer entry lines than announced") << 0 << "1" << 25 << formato;
    QTest::newRow("file ends after a channel 1 value") << 0 << "1" << 26 << formato;
}

void tst_ArquivoQvg::recusa()
{
    QFETCH(int, linha);
    QFETCH(QString, texto);
    QFETCH(int, cortaEm);
    QFETCH(int, erro);
    QStringList linhas = linhasExemplo();
    linhas[linha] = texto;
    if (cortaEm >= 0)
        linhas = linhas.mid(0, cortaEm);
    const auto r = le(linhas);
    QCOMPARE(int(r.erro), erro);
    QCOMPARE(r.aquisicao.NumLeituras(), 0);
}

void tst_ArquivoQvg::contagemEnormeNaoReservaOQueOArquivoNaoTem()
{
    // 2^31 - 1 entries announced (32 GB of them), three lines given: room
    // is made for what the file's bytes can hold, never for the count.
    QStringList linhas = linhasExemplo();
    linhas[20] = QStringLiteral("2147483647");
    linhas.append(QStringList(3, QStringLiteral("1,00")));
    QCOMPARE(linhas.size(), 40);
    const QByteArray bytes = arquivo(linhas);
    ArquivoQvg::Resultado r;
    std::size_t maior = 0;
    {
        MedidaAlocacoes medida;
        try {
            r = ArquivoQvg::le(bytes, regional(u','));
        } catch (const std::bad_alloc &) {
            r.erro = ArquivoQvg::Erro::Nenhum;  // refused above a gigabyte: the size tells below
        }
        maior = medida.maiorPedido();
    }
    QVERIFY2(maior <= std::size_t(bytes.size()) * sizeof(TLeitura),
        qPrintable(QStringLiteral("%1 bytes asked for at once").arg(maior)));
    QCOMPARE(r.erro, ArquivoQvg::Erro::FormatoInvalido);
}

void tst_ArquivoQvg::arquivoQueNaoSeLeEhRecusadoDeImediato_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<int>("motivo");
    using M = ConteudoArquivo::Motivo;
    QTest::newRow("a FIFO with no writer") << "fifo" << int(M::NaoRegular);
    QTest::newRow("an endless device") << "/dev/zero" << int(M::NaoRegular);
    QTest::newRow("a folder") << "pasta" << int(M::NaoRegular);
    QTest::newRow("an empty file") << "vazio" << int(M::Vazio);
    QTest::newRow("nothing there") << "falta" << int(M::NaoExiste);
}

void tst_ArquivoQvg::arquivoQueNaoSeLeEhRecusadoDeImediato()
{
    QFETCH(QString, tipo);
    QFETCH(int, motivo);
    QTemporaryDir pasta;
    const QString caminho = tipo.startsWith(u'/') ? tipo : pasta.filePath(tipo);
    if (tipo == u"fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(caminho).constData(), 0600), 0);
    else if (tipo == u"pasta")
        QVERIFY(QDir(pasta.path()).mkdir(tipo));
    else if (tipo == u"vazio")
        QVERIFY(QFile(caminho).open(QIODevice::WriteOnly));
    // A reader that waits on the FIFO is let go every five seconds (the
    // write end opened and closed) so that it fails here instead of hanging.
    QSemaphore lido;
    std::unique_ptr<QThread> guarda(QThread::create([&lido, caminho, tipo] {
        while (!lido.tryAcquire(1, 5000))
            if (tipo == u"fifo")
                ::close(::open(QFile::encodeName(caminho).constData(), O_WRONLY | O_NONBLOCK));
    }));
    guarda->start();
    QElapsedTimer tempo;
    tempo.start();
    const ArquivoQvg::Resultado qvg = ArquivoQvg::leArquivo(caminho, regional(u','));
    const ArquivoQvj::Resultado qvj = ArquivoQvj::leArquivo(caminho, regional(u','));
    const qint64 ms = tempo.elapsed();
    lido.release();
    guarda->wait();
    QVERIFY2(ms < 4000, qPrintable(QStringLiteral("%1 ms").arg(ms)));
    QCOMPARE(qvg.erro, ArquivoQvg::Erro::ArquivoNaoExiste);
    QCOMPARE(int(qvg.arquivo), motivo);
    QCOMPARE(qvj.erro, ArquivoQvj::Erro::ArquivoNaoExiste);
    QCOMPARE(int(qvj.arquivo), motivo);
}

void tst_ArquivoQvg::arquivoEnormeEhLidoAteOLimite()
{
    // A gigabyte (sparse) after a header announcing 2^31 - 1 entries: the
    // reader takes the first 16 MiB and sizes what it makes by them.
    QTemporaryDir pasta;
    QStringList linhas = linhasExemplo().mid(0, 21);
    linhas[20] = QStringLiteral("2147483647");
    QFile f(pasta.filePath(QStringLiteral("enorme.qvg")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(arquivo(linhas));
    QVERIFY(f.resize(qint64(1) << 30));
    f.close();
    ArquivoQvg::Resultado r;
    MedidaAlocacoes medida;
    try {
        r = ArquivoQvg::leArquivo(f.fileName(), regional(u','));
    } catch (const std::bad_alloc &) {
    }  // refused above a gigabyte: the size tells below
    const std::size_t maior = medida.maiorPedido();
    QVERIFY2(maior <= std::size_t(ConteudoArquivo::kTamanhoMaximo) * sizeof(TLeitura),
        qPrintable(QStringLiteral("%1 bytes asked for at once").arg(maior)));
    QCOMPARE(r.erro, ArquivoQvg::Erro::FormatoInvalido);
}

void tst_ArquivoQvg::contagemNegativaEhNenhumaEntrada()
{
    QStringList linhas = linhasExemplo().mid(0, 21);
    linhas[20] = QStringLiteral("-5");
    linhas << "1"
           << "2"
           << "3"
           << "4"
           << "5"
           << "6"
           << "7"
           << "8"
           << "9"
           << "10";
    const auto r = le(linhas);
    QCOMPARE(r.erro, ArquivoQvg::Erro::Nenhum);
    QCOMPARE(r.aquisicao.NumLeituras(), 0);
    QCOMPARE(r.aquisicao.FimAposLeituras, 1);
    QCOMPARE(r.aquisicao.CodigoArquivo, 10);
}

void tst_ArquivoQvg::arquivoQueAcabaNasEntradasDaZeros()
{
    const auto r = le(linhasExemplo().mid(0, 27));
    QCOMPARE(r.erro, ArquivoQvg::Erro::Nenhum);
    const TAquisicao &a = r.aquisicao;
    QCOMPARE(a.NumLeituras(), 3);
    for (int v : { a.FimAposLeituras, a.Capacidade, a.NumeroSerie, a.Calib35, a.Firmware, a.DecimaisCanal1,
             a.DecimaisCanal2, a.OffsetCanal1, a.OffsetCanal2, a.CodigoArquivo })
        QCOMPARE(v, 0);
}

void tst_ArquivoQvg::ultimaLinhaSeteAbreNormalmente()
{
    QStringList linhas = linhasExemplo();
    linhas.last() = QStringLiteral("7");
    linhas << "anything after the last line"
           << "is ignored";
    const auto r = le(linhas);
    QCOMPARE(r.erro, ArquivoQvg::Erro::Nenhum);
    QCOMPARE(r.aquisicao.CodigoArquivo, 7);
    QCOMPARE(r.aquisicao.NumLeituras(), 3);
}

void tst_ArquivoQvg::textoLongoCortadoEm255()
{
    QStringList linhas = linhasExemplo();
    linhas[15] = QString(300, u'x');
    const auto r = le(linhas);
    QCOMPARE(r.erro, ArquivoQvg::Erro::Nenhum);
    QCOMPARE(r.aquisicao.Titulo, QString(255, u'x'));
    QCOMPARE(r.aquisicao.NomeCanal1, QStringLiteral("Temp"));
}

void tst_ArquivoQvg::leFimDeLinhaSoLF()
{
    QByteArray bytes = arquivo(linhasExemplo());
    bytes.replace("\r\n", "\n");
    const auto r = ArquivoQvg::le(bytes, regional(u','));
    QCOMPARE(r.erro, ArquivoQvg::Erro::Nenhum);
    QCOMPARE(r.aquisicao.NumLeituras(), 3);
    QCOMPARE(r.aquisicao.CodigoArquivo, 113);
}

void tst_ArquivoQvg::gravaLeEGravaDeNovoIgual()
{
    QTemporaryDir pasta;
    const QString um = pasta.filePath(QStringLiteral("um.qvg"));
    const QString dois = pasta.filePath(QStringLiteral("dois.qvg"));
    const ConfigRegional r = regional(u',');
    QVERIFY(ArquivoQvg::grava(exemplo(), um, r));
    const auto lido = ArquivoQvg::leArquivo(um, r);
    QCOMPARE(lido.erro, ArquivoQvg::Erro::Nenhum);
    QVERIFY(ArquivoQvg::grava(lido.aquisicao, dois, r));
    QCOMPARE(conteudoDe(dois), conteudoDe(um));
    // Read back: the header as it was, values to two decimals.
    const TAquisicao &a = lido.aquisicao;
    QCOMPARE(a.Titulo, exemplo().Titulo);
    QCOMPARE(a.leitura(1).Canal1(), Real48::arredonda(1.23));
    QCOMPARE(a.CodigoArquivo, 113);
}

void tst_ArquivoQvg::limitesNormalizadosSaoGravados()
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("k.qvg"));
    TAquisicao a = exemplo();
    a.NormalizaLimites();  // as the graph window does when it takes the document
    QVERIFY(ArquivoQvg::grava(a, caminho, regional(u',')));
    const auto lido = ArquivoQvg::leArquivo(caminho, regional(u','));
    QCOMPARE(lido.aquisicao.LimInfCanal1, -90);
    QCOMPARE(lido.aquisicao.LimSupCanal1, 1370);
    QCOMPARE(lido.aquisicao.LimInfCanal2, -100);  // 4-20 mA keeps its limits
    QCOMPARE(linhasDe(conteudoDe(caminho))[2], QStringLiteral("1370"));
}

void tst_ArquivoQvg::gravacaoQueFalhaPreservaOArquivoAnterior()
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("antigo.qvg"));
    const ConfigRegional r = regional(u',');
    QVERIFY(ArquivoQvg::grava(exemplo(), caminho, r));
    const QByteArray antes = conteudoDe(caminho);

    // A file-size limit makes the new, larger file fail half-way, as a full
    // disk would.
    TAquisicao grande = exemplo();
    for (int i = 0; i < 20000; ++i)
        grande.adicionaLeitura(i, i);
    rlimit anterior {};
    getrlimit(RLIMIT_FSIZE, &anterior);
    const auto sinalAnterior = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = anterior;
    limite.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &limite);
    const bool gravou = ArquivoQvg::grava(grande, caminho, r);
    setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, sinalAnterior);

    QVERIFY(!gravou);
    QCOMPARE(conteudoDe(caminho), antes);
    QCOMPARE(QDir(pasta.path()).entryList(QDir::Files), QStringList { QStringLiteral("antigo.qvg") });
}

void tst_ArquivoQvg::gravacaoEmPastaInexistenteAvisa()
{
    QTemporaryDir pasta;
    AmbienteFalso falsos;
    falsos.regional = regional(u',');
    QVERIFY(!ArquivoQvg::salva(exemplo(), pasta.filePath(QStringLiteral("nao/existe.qvg")), falsos.ambiente));
    QCOMPARE(falsos.mensagens.textos(), QStringList { QStringLiteral("Erro na gravação do arquivo") });
    QCOMPARE(falsos.mensagens.registro.front().tipo, MensagemRegistrada::Tipo::Aviso);
    QVERIFY(ArquivoQvg::salva(exemplo(), pasta.filePath(QStringLiteral("existe.qvg")), falsos.ambiente));
    QCOMPARE(falsos.mensagens.registro.size(), 1);
}

void tst_ArquivoQvg::abreMostraAsTresRecusas()
{
    QTemporaryDir pasta;
    AmbienteFalso falsos;
    falsos.regional = regional(u',');
    NumeracaoGraficos numeracao;
    const QString bom = pasta.filePath(QStringLiteral("bom.qvg"));
    QVERIFY(ArquivoQvg::grava(exemplo(), bom, falsos.regional));
    const QString ruim = pasta.filePath(QStringLiteral("ruim.qvg"));
    QStringList linhas = linhasExemplo();
    linhas[23] = QStringLiteral("?");
    QFile f(ruim);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(arquivo(linhas));
    f.close();

    TAquisicao a;
    QVERIFY(ArquivoQvg::abre(bom, numeracao, falsos.ambiente, a));
    QCOMPARE(a.NumLeituras(), 3);
    QVERIFY(!ArquivoQvg::abre(pasta.filePath(QStringLiteral("falta.qvg")), numeracao, falsos.ambiente, a));
    QVERIFY(!ArquivoQvg::abre(ruim, numeracao, falsos.ambiente, a));
    QObject janela;
    for (int i = 0; i < NumeracaoGraficos::Limite; ++i)
        numeracao.registra(&janela);
    QVERIFY(!ArquivoQvg::abre(bom, numeracao, falsos.ambiente, a));
    QCOMPARE(falsos.mensagens.textos(),
        (QStringList {
            kNaoExiste, kFormato, QStringLiteral("Memória não disponível. Reinicialize o Quorvane.") }));
}

void tst_ArquivoQvg::nomeJanelaSemPasta()
{
    QCOMPARE(ArquivoQvg::nomeJanela(QStringLiteral("c:\\dados\\forno.qvg")), QStringLiteral("forno.qvg"));
    QCOMPARE(ArquivoQvg::nomeJanela(QStringLiteral("dados/forno.qvg")), QStringLiteral("forno.qvg"));
    QCOMPARE(ArquivoQvg::nomeJanela(QStringLiteral("forno.qvg")), QStringLiteral("forno.qvg"));
}

QUORVANE_TEST_GUILESS_MAIN(tst_ArquivoQvg)
#include "tst_ArquivoQvg.moc"
