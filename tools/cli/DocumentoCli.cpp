#include "DocumentoCli.h"

#include "ArquivoQvg.h"
#include "Catalogo.h"
#include "Console.h"
#include "JuncaoCli.h"

namespace DocumentoCli {

std::optional<TAquisicao> le(
    const QString &caminho, const ConfigRegional &regional, const Console &console, bool comoAberto)
{
    if (JuncaoCli::ehJuncao(caminho)) {
        console.falha(QStringLiteral("%1: é um gráfico de junção (.qvj); %2 lê um arquivo .qvg")
                          .arg(caminho, console.comando));
        return std::nullopt;
    }
    ArquivoQvg::Resultado r = ArquivoQvg::leArquivo(caminho, regional);
    if (r.erro != ArquivoQvg::Erro::Nenhum) {
        console.falha(recusa(caminho, r.arquivo, r.erro == ArquivoQvg::Erro::FormatoInvalido, false));
        return std::nullopt;
    }
    if (comoAberto) {
        r.aquisicao.AjustaFim();
        r.aquisicao.NormalizaLimites();
    }
    return std::move(r.aquisicao);
}

QString recusa(const QString &caminho, ConteudoArquivo::Motivo motivo, bool entradas, bool juncao)
{
    using Motivo = ConteudoArquivo::Motivo;
    QString causa;
    switch (motivo) {
    case Motivo::NaoExiste:
        causa = QStringLiteral("o arquivo não existe");
        break;
    case Motivo::NaoRegular:
        causa = QStringLiteral("não é um arquivo comum (uma pasta, um FIFO ou um dispositivo)");
        break;
    case Motivo::SemPermissao:
        causa = QStringLiteral("sem permissão de leitura");
        break;
    case Motivo::Vazio:
        causa = QStringLiteral("o arquivo está vazio");
        break;
    case Motivo::Ilegivel:
        causa = QStringLiteral("o arquivo não pôde ser lido");
        break;
    case Motivo::Nenhum:
        if (entradas)
            causa = Catalogo().texto(234);
        else if (juncao)
            causa = QStringLiteral("uma linha do cabeçalho ou de uma entrada não se lê");
        else
            causa = QStringLiteral("o cabeçalho não se lê (uma data ou hora das linhas 9 a 12)");
        break;
    }
    return QStringLiteral("%1: %2").arg(caminho, causa);
}

}  // namespace DocumentoCli
