#include "JuncaoCli.h"

#include "Console.h"
#include "DocumentoCli.h"
#include "FormataDataHora.h"

#include <QTextStream>

namespace JuncaoCli {

bool ehJuncao(const QString &caminho)
{
    return caminho.endsWith(QLatin1String(".qvj"), Qt::CaseInsensitive);
}

std::optional<ArquivoQvj::Juncao> le(
    const QString &caminho, const ConfigRegional &regional, const Console &console)
{
    ArquivoQvj::Resultado r = ArquivoQvj::leArquivo(caminho, regional);
    if (r.erro != ArquivoQvj::Erro::Nenhum) {
        console.falha(
            DocumentoCli::recusa(caminho, r.arquivo, r.erro == ArquivoQvj::Erro::FormatoInvalido, true));
        return std::nullopt;
    }
    return std::move(r.juncao);
}

void escreveCabecalho(QTextStream &s, const ArquivoQvj::Juncao &juncao, const ConfigRegional &regional)
{
    const auto instante
        = [&regional](double v) { return FormataDataHora(u"dd/mm/yyyy hh:nn:ss", v, regional); };
    const auto numero = [](double v) { return QString::number(v, 'g', 12); };
    s << "UnidadeEixoEsquerdo: " << juncao.UnidadeEixoEsquerdo << '\n'
      << "UnidadeEixoDireito: " << juncao.UnidadeEixoDireito << '\n'
      << "NumEntradas: " << juncao.entradas.size() << '\n';
    int n = 0;
    for (const TNodoJuncao &e : juncao.entradas) {
        s << "Entrada " << ++n << '\n'
          << "  NumCanais: " << e.NumCanais << '\n'
          << "  NomeCanal1: " << e.NomeCanal1 << '\n'
          << "  NomeCanal2: " << e.NomeCanal2 << '\n'
          << "  UnidadeCanal1: " << e.UnidadeCanal1 << '\n'
          << "  UnidadeCanal2: " << e.UnidadeCanal2 << '\n'
          << "  IntervaloAquisicoes: " << numero(e.IntervaloAquisicoes) << '\n'
          << "  EscalaMin: " << numero(e.EscalaMin) << '\n'
          << "  EscalaMax: " << numero(e.EscalaMax) << '\n'
          << "  Inicio: " << instante(e.Inicio) << '\n'
          << "  Fim: " << instante(e.Fim) << '\n'
          << "  NumLeituras: " << e.Leituras.size() << '\n';
    }
}

}  // namespace JuncaoCli
