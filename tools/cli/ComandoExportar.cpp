#include "ComandoExportar.h"

#include "Ambiente.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DocumentoCli.h"
#include "ExportacaoTexto.h"
#include "SeamsConsole.h"

#include <QTextStream>

namespace {

int executaExportar(const QStringList &argumentos, Console &console)
{
    if (argumentos.size() != 2 || argumentos.first().startsWith(QLatin1String("--"))
        || argumentos.last().startsWith(QLatin1String("--"))) {
        console.falha(QStringLiteral("informe o arquivo .qvg e o arquivo de texto"));
        return Saida::Uso;
    }
    const ConfigRegional regional = ConfigRegional::doSistema();
    const Catalogo catalogo;
    MensagensConsole mensagens(console);
    Ambiente ambiente;
    ambiente.mensagens = &mensagens;
    ambiente.catalogo = &catalogo;
    ambiente.regional = &regional;
    const auto aquisicao = DocumentoCli::le(argumentos.first(), regional, console, true);
    if (!aquisicao)
        return Saida::Falha;
    const bool ok = ExportacaoTexto::exportaFaixa(
        *aquisicao, argumentos.last(), ExportacaoTexto::tudo(*aquisicao), ambiente);
    return ok ? Saida::Sucesso : Saida::Falha;
}

}  // namespace

Comando ComandoExportar()
{
    return { QStringLiteral("exportar"), QStringLiteral("exporta um arquivo .qvg inteiro como texto"),
        QStringLiteral("exportar ARQUIVO.qvg SAIDA.txt"),
        QStringLiteral("Escreve o texto de exportação de toda a gravação: os parâmetros gerais, uma\n"
                       "linha em branco, a tabela de aquisições e todas as leituras. Um arquivo\n"
                       "recusado ou uma falha de escrita mostra a mensagem do programa\n"
                       "(\"quorvane-cli exportar: <mensagem>\" em stderr) e termina com o código 1."),
        executaExportar };
}
