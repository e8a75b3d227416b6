// quorvane-cli: the logger and the program's files from the command line.
// Each sub-command lives in its own file and is registered below with one
// line.

#include "AplicacaoCli.h"
#include "Comando.h"
#include "ComandoAbrir.h"
#include "ComandoAuditoria.h"
#include "ComandoAvaliar.h"
#include "ComandoBateria.h"
#include "ComandoColetar.h"
#include "ComandoConfigurar.h"
#include "ComandoExportar.h"
#include "ComandoGrafico.h"
#include "ComandoInfo.h"
#include "ComandoMonitorar.h"
#include "ComandoOffset.h"
#include "ComandoParar.h"
#include "ComandoPerfis.h"
#include "ComandoPortas.h"
#include "ComandoResumo.h"
#include "ComandoStatus.h"
#include "ComandoVerificar.h"
#ifdef QUORVANE_CLI_IMPRESSAO
#include "ComandoImprimir.h"
#endif

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

QList<Comando> comandos()
{
    return {
        ComandoInfo(),
        ComandoAbrir(),
        ComandoExportar(),
        ComandoResumo(),
        ComandoAvaliar(),
        ComandoPerfis(),
        ComandoGrafico(),
        ComandoColetar(),
        ComandoParar(),
        ComandoConfigurar(),
        ComandoBateria(),
        ComandoOffset(),
        ComandoMonitorar(),
        ComandoPortas(),
        ComandoStatus(),
        ComandoAuditoria(),
        ComandoVerificar(),
#ifdef QUORVANE_CLI_IMPRESSAO
        ComandoImprimir(),
#endif
    };
}

void mostraAjudaGeral(QTextStream &s, const QList<Comando> &lista)
{
    s << "Uso: quorvane-cli <comando> [opções]\n"
         "     quorvane-cli help <comando>\n"
         "     quorvane-cli --help | --version\n\n"
         "Comandos:\n";
    for (const Comando &c : lista)
        s << "  " << c.nome.leftJustified(12) << c.resumo << '\n';
    s << "\nCada comando aceita --help, que explica as suas opções.\n";
}

void mostraAjuda(QTextStream &s, const Comando &c)
{
    s << "Uso: quorvane-cli " << c.uso << "\n\n" << c.ajuda << '\n';
}

const Comando *procura(const QList<Comando> &lista, const QString &nome)
{
    for (const Comando &c : lista)
        if (c.nome == nome)
            return &c;
    return nullptr;
}

}  // namespace

int main(int argc, char *argv[])
{
    const std::unique_ptr<QCoreApplication> aplicacao = CriaAplicacaoCli(argc, argv);
    QCoreApplication &app = *aplicacao;
    QCoreApplication::setApplicationName(QStringLiteral("quorvane-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSAO));
    QTextStream saida(stdout);
    QTextStream erros(stderr);
    Console console { saida, erros };

    const QList<Comando> lista = comandos();
    QStringList argumentos = app.arguments().mid(1);
    if (argumentos.isEmpty()) {
        mostraAjudaGeral(erros, lista);
        return Saida::Uso;
    }
    const QString primeiro = argumentos.takeFirst();
    if (primeiro == QLatin1String("--help") || primeiro == QLatin1String("-h")) {
        mostraAjudaGeral(saida, lista);
        return Saida::Sucesso;
    }
    if (primeiro == QLatin1String("--version")) {
        saida << "quorvane-cli " << QCoreApplication::applicationVersion() << '\n';
        return Saida::Sucesso;
    }
    if (primeiro == QLatin1String("help")) {
        const Comando *c = argumentos.isEmpty() ? nullptr : procura(lista, argumentos.first());
        if (c)
            mostraAjuda(saida, *c);
        else
            mostraAjudaGeral(saida, lista);
        return Saida::Sucesso;
    }
    const Comando *comando = procura(lista, primeiro);
    if (!comando) {
        erros << "quorvane-cli: comando desconhecido: " << primeiro << "\n\n";
        mostraAjudaGeral(erros, lista);
        return Saida::Uso;
    }
    if (argumentos.contains(QLatin1String("--help")) || argumentos.contains(QLatin1String("-h"))) {
        mostraAjuda(saida, *comando);
        return Saida::Sucesso;
    }
    console.comando = comando->nome;
    const int codigo = comando->executa(argumentos, console);
    saida.flush();
    erros.flush();
    return codigo;
}
