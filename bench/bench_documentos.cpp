// Times the acquisition file and the text views on a large recording:
// a 1,000,000-entry two-channel .qvg is generated, then read, shown
// (general parameters and the first screen of the readings list), saved
// again and exported. Prints the times and the peak resident memory.

#include "Ambiente.h"
#include "ArquivoQvg.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "ExportacaoTexto.h"
#include "IMensagens.h"
#include "LinhasLeituras.h"
#include "TAquisicao.h"
#include "TextoInformacoes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <sys/resource.h>

namespace {

class MensagensTerminal : public IMensagens
{
public:
    void aviso(const QString &t) override { std::fprintf(stderr, "aviso: %s\n", qPrintable(t)); }
    void informacao(const QString &t) override { std::fprintf(stderr, "%s\n", qPrintable(t)); }
    bool simNao(const QString &) override { return false; }
    Resposta simNaoCancela(const QString &) override { return Resposta::Cancela; }
    void erro(const QString &t) override { std::fprintf(stderr, "erro: %s\n", qPrintable(t)); }
};

long picoMemoriaKb()
{
    rusage uso {};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

TAquisicao gera(int entradas)
{
    TAquisicao a;
    a.NumCanais = 2;
    a.SensorCanal1 = 1;
    a.SensorCanal2 = 9;
    a.DecimaisCanal1 = 0;
    a.DecimaisCanal2 = 2;
    a.LimInfCanal1 = -90;
    a.LimSupCanal1 = 1370;
    a.LimSupCanal2 = 10000;
    a.defineIntervalo(1);
    a.LeiturasPorAquisicao = 1;
    a.Titulo = QStringLiteral("Ensaio longo");
    a.NomeCanal1 = QStringLiteral("Forno");
    a.NomeCanal2 = QStringLiteral("Pressão");
    a.UnidadeCanal1 = QStringLiteral("°C");
    a.UnidadeCanal2 = QStringLiteral("bar");
    a.Inicio = DataHora::codifica(2026, 1, 1, 8, 0, 0).value();
    a.Capacidade = entradas;
    a.reservaLeituras(entradas);
    for (int i = 0; i < entradas; ++i)
        a.adicionaLeitura(std::round(400 + 300 * std::sin(i * 0.001)), 50 + 25 * std::cos(i * 0.0007));
    a.AjustaFim();
    return a;
}

double passo(QElapsedTimer &relogio)
{
    const double ms = relogio.nsecsElapsed() / 1e6;
    relogio.restart();
    return ms;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int entradas = argc > 1 ? std::atoi(argv[1]) : 1000000;
    QTemporaryDir pasta;
    const QString original = pasta.filePath(QStringLiteral("grande.qvg"));
    const QString copia = pasta.filePath(QStringLiteral("copia.qvg"));
    const QString exportado = pasta.filePath(QStringLiteral("grande.txt"));
    const ConfigRegional regional = ConfigRegional::portuguesBrasil();
    const Catalogo catalogo;
    MensagensTerminal mensagens;
    Ambiente ambiente;
    ambiente.mensagens = &mensagens;
    ambiente.catalogo = &catalogo;
    ambiente.regional = &regional;

    QElapsedTimer relogio;
    relogio.start();
    if (!ArquivoQvg::grava(gera(entradas), original, regional))
        return 1;
    const double tGera = passo(relogio);

    ArquivoQvg::Resultado lido = ArquivoQvg::leArquivo(original, regional);
    const double tLe = passo(relogio);
    if (lido.erro != ArquivoQvg::Erro::Nenhum || lido.aquisicao.NumLeituras() != entradas)
        return 1;
    TAquisicao &a = lido.aquisicao;
    a.AjustaFim();
    a.NormalizaLimites();

    const QStringList info = Atualiza_Informacoes(a, catalogo, regional);
    const double tInfo = passo(relogio);
    const LinhasLeituras linhas(a, catalogo, regional);
    QStringList tela;
    for (int k = 0; k < 60; ++k)
        tela << linhas.linha(k);
    const double tTela = passo(relogio);
    if (!ArquivoQvg::grava(a, copia, regional))
        return 1;
    const double tGrava = passo(relogio);
    if (!ExportacaoTexto::exportaFaixa(a, exportado, ExportacaoTexto::tudo(a), ambiente))
        return 1;
    const double tExporta = passo(relogio);

    std::printf("entradas                       %d\n", entradas);
    std::printf("arquivo .qvg                   %.1f MB\n", QFileInfo(original).size() / 1e6);
    std::printf("exportação                     %.1f MB\n", QFileInfo(exportado).size() / 1e6);
    std::printf("gerar e gravar o original      %8.1f ms\n", tGera);
    std::printf("ler o arquivo                  %8.1f ms\n", tLe);
    std::printf("parâmetros gerais (%d linhas)  %8.3f ms\n", int(info.size()), tInfo);
    std::printf("primeira tela da lista (60)    %8.3f ms\n", tTela);
    std::printf("gravar de novo                 %8.1f ms\n", tGrava);
    std::printf("exportar tudo                  %8.1f ms\n", tExporta);
    std::printf("pico de memória (ru_maxrss)    %8.1f MB\n", picoMemoriaKb() / 1024.0);
    return 0;
}
