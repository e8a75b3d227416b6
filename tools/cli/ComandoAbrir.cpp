#include "ComandoAbrir.h"

#include "ArquivoQvg.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "FormataDataHora.h"

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
    if (argumentos.size() != 1 || argumentos.first().startsWith(QLatin1String("--"))) {
        console.erros << "quorvane-cli abrir: informe um arquivo .qvg" << Qt::endl;
        return Saida::Uso;
    }
    const ConfigRegional regional = ConfigRegional::doSistema();
    const Catalogo catalogo;
    const ArquivoQvg::Resultado r = ArquivoQvg::leArquivo(argumentos.first(), regional);
    switch (r.erro) {
    case ArquivoQvg::Erro::ArquivoNaoExiste:
        console.erros << catalogo.texto(235) << Qt::endl;
        return Saida::Falha;
    case ArquivoQvg::Erro::FormatoInvalido:
        console.erros << catalogo.texto(234) << Qt::endl;
        return Saida::Falha;
    case ArquivoQvg::Erro::Nenhum:
        break;
    }
    escreveCabecalho(console.saida, r.aquisicao, regional);
    console.saida.flush();
    return Saida::Sucesso;
}

}  // namespace

Comando ComandoAbrir()
{
    return { QStringLiteral("abrir"),
        QStringLiteral("lê um arquivo de aquisição (.qvg) e mostra o cabeçalho"),
        QStringLiteral("abrir ARQUIVO.qvg"),
        QStringLiteral("Lê o arquivo como o programa o abre e mostra os campos do cabeçalho e o\n"
                       "número de aquisições. Um arquivo recusado mostra a mensagem do programa e\n"
                       "termina com o código 1."),
        executaAbrir };
}
