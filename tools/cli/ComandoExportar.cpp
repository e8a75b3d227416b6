#include "ComandoExportar.h"

#include "Ambiente.h"
#include "ArquivoQvg.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "ExportacaoTexto.h"
#include "SeamsConsole.h"

#include <QTextStream>

namespace {

int executaExportar(const QStringList &argumentos, Console &console)
{
    if (argumentos.size() != 2 || argumentos.first().startsWith(QLatin1String("--"))
        || argumentos.last().startsWith(QLatin1String("--"))) {
        console.erros << "quorvane-cli exportar: informe o arquivo .qvg e o arquivo de texto" << Qt::endl;
        return Saida::Uso;
    }
    const ConfigRegional regional = ConfigRegional::doSistema();
    const Catalogo catalogo;
    MensagensConsole mensagens(console.erros);
    Ambiente ambiente;
    ambiente.mensagens = &mensagens;
    ambiente.catalogo = &catalogo;
    ambiente.regional = &regional;
    const ArquivoQvg::Resultado r = ArquivoQvg::leArquivo(argumentos.first(), regional);
    if (r.erro != ArquivoQvg::Erro::Nenhum) {
        mensagens.aviso(catalogo.texto(r.erro == ArquivoQvg::Erro::ArquivoNaoExiste ? 235 : 234));
        return Saida::Falha;
    }
    // As a graph window holds it: Fim at the last entry, temperature limits
    // to their sensor's range.
    TAquisicao aquisicao = r.aquisicao;
    aquisicao.AjustaFim();
    aquisicao.NormalizaLimites();
    const bool ok = ExportacaoTexto::exportaFaixa(
        aquisicao, argumentos.last(), ExportacaoTexto::tudo(aquisicao), ambiente);
    return ok ? Saida::Sucesso : Saida::Falha;
}

}  // namespace

Comando ComandoExportar()
{
    return { QStringLiteral("exportar"), QStringLiteral("exporta um arquivo .qvg inteiro como texto"),
        QStringLiteral("exportar ARQUIVO.qvg SAIDA.txt"),
        QStringLiteral("Escreve o texto de exportação de toda a gravação: os parâmetros gerais, uma\n"
                       "linha em branco, a tabela de aquisições e todas as leituras."),
        executaExportar };
}
