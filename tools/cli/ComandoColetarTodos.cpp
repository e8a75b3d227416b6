#include "ComandoColetarTodos.h"

#include "Catalogo.h"
#include "ColetaTodos.h"
#include "Comando.h"
#include "Console.h"
#include "OpcoesLinha.h"
#include "ProgressoConsole.h"
#include "SessaoTarvek.h"
#include "TMSCommRoteador.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int TextoNenhumaPorta = 557;

QJsonObject json(const ColetaTodos::Resultado &r)
{
    QJsonObject o { { "porta", r.porta }, { "dispositivo", r.dispositivo }, { "serie", r.numeroSerie },
        { "titulo", r.titulo }, { "ok", r.ok() } };
    if (r.ok()) {
        o.insert("arquivo", QDir::toNativeSeparators(r.arquivo));
        o.insert("veredito", r.aprovado ? QJsonValue(*r.aprovado ? "APROVADO" : "REPROVADO") : QJsonValue());
        o.insert("perfil", r.perfil);
    } else {
        o.insert("falha", r.motivo);
    }
    return o;
}

void escreve(const QList<ColetaTodos::Resultado> &resultados, bool comoJson, const Catalogo &catalogo,
    Console &console)
{
    QJsonArray lista;
    for (const ColetaTodos::Resultado &r : resultados) {
        if (comoJson)
            lista.append(json(r));
        else if (r.ok())
            console.saida << QStringLiteral("COM%1\t%2\t%3\t%4\t%5")
                                 .arg(r.porta)
                                 .arg(r.numeroSerie, r.titulo, QDir::toNativeSeparators(r.arquivo),
                                     ColetaTodos::textoResultado(r, catalogo))
                          << Qt::endl;
        // A failure names its port, device and logger on stderr.
        if (!r.ok()) {
            const QString logger
                = r.numeroSerie.isEmpty() ? QString() : QStringLiteral(", Tarvek ") + r.numeroSerie;
            console.falha(
                QStringLiteral("COM%1 (%2%3): %4").arg(r.porta).arg(r.dispositivo, logger, r.motivo));
        }
    }
    if (comoJson)
        console.saida << QString::fromUtf8(QJsonDocument(lista).toJson());
}

}  // namespace

int executaColetarTodos(const QStringList &argumentos, Console &console)
{
    OpcoesLinha opcoes(argumentos);
    opcoes.sinal(QStringLiteral("todas"));
    const bool comoJson = opcoes.sinal(QStringLiteral("json"));
    QString pasta = opcoes.valor(QStringLiteral("pasta"));
    QString descricao = opcoes.valor(QStringLiteral("descricao"));
    const bool verboso = opcoes.sinal(QStringLiteral("verboso"));
    QString problema = opcoes.problema();
    if (problema.isEmpty() && !opcoes.sobras().isEmpty())
        problema = QStringLiteral("argumento não reconhecido: ") + opcoes.sobras().join(u' ');
    if (!problema.isEmpty()) {
        console.falha(problema);
        return Saida::Uso;
    }
    if (descricao.isEmpty())
        descricao = qEnvironmentVariable("QUORVANE_SIMULADOR");

    SessaoTarvek sessao(console, verboso);
    Ambiente ambiente = sessao.ambiente();
    ambiente.sinal = nullptr;  // the beeps of a console are silent: no pause for them either
    // The program's folder, else one in the user's home (the daily timer's
    // first run, before the program chose one).
    if (pasta.isEmpty())
        pasta = ColetaTodos::pastaGuardada(ambiente.configuracoes);
    if (pasta.isEmpty())
        pasta = QDir::home().filePath(QStringLiteral("Quorvane/Coletas"));
    TMSCommRoteador &roteador = sessao.roteador(descricao);
    ColetaTodos coleta(
        ambiente, [&roteador](int n) { return roteador.Destino(n); },
        [&roteador](const QString &destino) { return roteador.PortaAvulsa(destino); });
    ProgressoConsole progresso(console.erros);
    const QList<ColetaTodos::Resultado> resultados
        = coleta.executa(pasta, Console::errosNoTerminal() ? &progresso : nullptr);
    progresso.termina();
    if (resultados.isEmpty()) {
        console.falha(sessao.catalogo().texto(TextoNenhumaPorta));
        return Saida::Falha;
    }
    escreve(resultados, comoJson, sessao.catalogo(), console);
    const bool falhou = std::any_of(
        resultados.begin(), resultados.end(), [](const ColetaTodos::Resultado &r) { return !r.ok(); });
    return falhou ? Saida::Falha : Saida::Sucesso;
}
