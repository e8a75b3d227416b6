#include "ComandoAbrir.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DocumentoCli.h"
#include "FormataDataHora.h"
#include "IntegridadeCli.h"
#include "JuncaoCli.h"
#include "OpcoesLinha.h"

#include <QTextStream>

namespace {

void escreveCabecalho(QTextStream &s, const TAquisicao &a, const ConfigRegional &r)
{
    const auto instante = [&r](double v) { return FormataDataHora(u"dd/mm/yyyy hh:nn:ss", v, r); };
    s << "SensorCanal1: " << a.SensorCanal1 << '\n'
      << "LimInfCanal1: " << a.LimInfCanal1 << '\n'
      << "LimSupCanal1: " << a.LimSupCanal1 << '\n'
      << "SensorCanal2: " << a.SensorCanal2 << '\n'
      << "LimInfCanal2: " << a.LimInfCanal2 << '\n'
      << "LimSupCanal2: " << a.LimSupCanal2 << '\n'
      << "NumCanais: " << a.NumCanais << '\n'
      << "IntervaloAquisicoes: " << QString::number(a.IntervaloAquisicoes(), 'g', 12) << '\n'
      << "Inicio: " << instante(a.Inicio) << '\n'
      << "Fim: " << instante(a.Fim) << '\n'
      << "LeiturasPorAquisicao: " << a.LeiturasPorAquisicao << '\n'
      << "ModoCanal1: " << a.ModoCanal1 << '\n'
      << "ModoCanal2: " << a.ModoCanal2 << '\n'
      << "Titulo: " << a.Titulo << '\n'
      << "NomeCanal1: " << a.NomeCanal1 << '\n'
      << "NomeCanal2: " << a.NomeCanal2 << '\n'
      << "UnidadeCanal1: " << a.UnidadeCanal1 << '\n'
      << "UnidadeCanal2: " << a.UnidadeCanal2 << '\n'
      << "NumLeituras: " << a.NumLeituras() << '\n'
      << "FimAposLeituras: " << a.FimAposLeituras << '\n'
      << "Capacidade: " << a.Capacidade << '\n'
      << "NumeroSerie: " << a.NumeroSerie << '\n'
      << "Calib35: " << a.Calib35 << '\n'
      << "Firmware: " << a.Firmware << '\n'
      << "DecimaisCanal1: " << a.DecimaisCanal1 << '\n'
      << "DecimaisCanal2: " << a.DecimaisCanal2 << '\n'
      << "OffsetCanal1: " << a.OffsetCanal1 << '\n'
      << "OffsetCanal2: " << a.OffsetCanal2 << '\n'
      << "CodigoArquivo: " << a.CodigoArquivo << '\n';
}

int executaAbrir(const QStringList &argumentos, Console &console)
{
    OpcoesLinha opcoes(argumentos);
    const bool comoGravado = opcoes.sinal(QStringLiteral("como-gravado"));
    const QStringList arquivos = opcoes.sobras();
    QString problema = opcoes.opcaoNaoReconhecida();
    if (problema.isEmpty() && arquivos.size() != 1)
        problema = QStringLiteral("informe um arquivo .qvg ou .qvj");
    if (!problema.isEmpty()) {
        console.falha(problema);
        return Saida::Uso;
    }
    const ConfigRegional regional = ConfigRegional::doSistema();
    if (JuncaoCli::ehJuncao(arquivos.first())) {
        const auto juncao = JuncaoCli::le(arquivos.first(), regional, console);
        if (!juncao)
            return Saida::Falha;
        JuncaoCli::escreveCabecalho(console.saida, *juncao, regional);
        console.saida << "Integridade: " << IntegridadeCli::texto(arquivos.first(), Catalogo()) << '\n';
        console.saida.flush();
        return Saida::Sucesso;
    }
    const auto aquisicao = DocumentoCli::le(arquivos.first(), regional, console, !comoGravado);
    if (!aquisicao)
        return Saida::Falha;
    escreveCabecalho(console.saida, *aquisicao, regional);
    console.saida << "Integridade: " << IntegridadeCli::texto(arquivos.first(), Catalogo()) << '\n';
    console.saida.flush();
    return Saida::Sucesso;
}

}  // namespace

Comando ComandoAbrir()
{
    return { QStringLiteral("abrir"),
        QStringLiteral("lê um arquivo .qvg ou .qvj e mostra o cabeçalho como o programa o abre"),
        QStringLiteral("abrir ARQUIVO.qvg|ARQUIVO.qvj [--como-gravado]"),
        QStringLiteral("Lê o arquivo como o programa o abre e mostra os campos do cabeçalho e o\n"
                       "número de aquisições como o programa os mostra depois de abrir: Fim é o\n"
                       "instante da última aquisição e os limites de canais com termopar ou Pt100\n"
                       "são a faixa do sensor. Um arquivo recusado mostra a mensagem do programa\n"
                       "(\"quorvane-cli abrir: <mensagem>\" em stderr) e termina com o código 1.\n"
                       "Um gráfico de junção (.qvj) mostra as unidades dos dois eixos e, de cada\n"
                       "entrada, os canais, o intervalo, a faixa comum, os instantes e o número de\n"
                       "leituras.\n"
                       "\n"
                       "  --como-gravado    mostra os valores como estão no arquivo, sem esses ajustes"),
        executaAbrir };
}
