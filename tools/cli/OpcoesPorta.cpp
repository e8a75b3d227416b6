#include "OpcoesPorta.h"

#include "OpcoesLinha.h"
#include "SessaoTarvek.h"

OpcoesPorta::OpcoesPorta(OpcoesLinha &opcoes)
    : porta(opcoes.valor(QStringLiteral("porta")))
    , descricao(opcoes.valor(QStringLiteral("descricao")))
    , verboso(opcoes.sinal(QStringLiteral("verboso")))
{
    // Without --descricao, the simulated Tarvek the program would use.
    if (descricao.isEmpty())
        descricao = qEnvironmentVariable("QUORVANE_SIMULADOR");
}

QString OpcoesPorta::problema(const OpcoesPorta &p, const OpcoesLinha &opcoes)
{
    if (const QString problema = opcoes.problema(); !problema.isEmpty())
        return problema;
    if (!opcoes.sobras().isEmpty())
        return QStringLiteral("argumento não reconhecido: ") + opcoes.sobras().join(u' ');
    if (p.porta.isEmpty())
        return QStringLiteral("informe --porta");
    if (!SessaoTarvek::portaValida(p.porta))
        return QStringLiteral("a porta deve ser 1 a 4, um dispositivo serial ou simulador");
    return {};
}
