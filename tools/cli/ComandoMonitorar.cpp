#include "ComandoMonitorar.h"

#include "ConverteDataHora.h"
#include "Espera.h"
#include "GravacaoMonitor.h"
#include "IRelogio.h"
#include "MonitorOnLine.h"
#include "OpcoesLinha.h"
#include "OpcoesPorta.h"
#include "SessaoTarvek.h"

#include <QTextStream>

#include <csignal>

namespace {

volatile std::sig_atomic_t g_interrompido = 0;

extern "C" void interrompe(int)
{
    g_interrompido = 1;
}

// Waits ms of the clock, in short steps so that Ctrl-C ends the wait soon.
void aguarda(IRelogio &relogio, int ms)
{
    const int64_t fim = relogio.tickCount() + ms;
    while (!g_interrompido && relogio.tickCount() < fim)
        Espera(relogio, int(qMin<int64_t>(50, fim - relogio.tickCount())));
}

QString linhaTexto(const MonitorOnLine &monitor)
{
    QString t = monitor.textoDataHora();
    for (int s = 0; s < monitor.quantasSeries(); ++s)
        t += QStringLiteral("  ") + monitor.textoCanal(monitor.canalDaSerie(s));
    return t;
}

int monitora(MonitorOnLine &monitor, IRelogio &relogio, int segundos, Console &console)
{
    const int64_t inicio = relogio.tickCount();
    while (!g_interrompido) {
        aguarda(relogio, 1000);
        if (g_interrompido || (segundos > 0 && relogio.tickCount() - inicio > int64_t(segundos) * 1000))
            break;
        const MonitorOnLine::Passo passo = monitor.Timer1Timer();
        if (passo == MonitorOnLine::Passo::FalhaLeitura || passo == MonitorOnLine::Passo::FalhaConfiguracao)
            return Saida::Falha;
        if (passo == MonitorOnLine::Passo::Configuracao)
            console.erros << monitor.tituloEixoTempo() << Qt::endl;
    }
    return Saida::Sucesso;
}

int executaMonitorar(const QStringList &argumentos, Console &console)
{
    OpcoesLinha opcoes(argumentos);
    const OpcoesPorta porta(opcoes);
    const QString textoSegundos = opcoes.valor(QStringLiteral("segundos"));
    const bool csv = opcoes.sinal(QStringLiteral("csv"));
    QString problema = OpcoesPorta::problema(porta, opcoes);
    const std::optional<int> segundos = textoSegundos.isEmpty() ? 0 : ConverteInteiro(textoSegundos);
    if (problema.isEmpty() && (!segundos || *segundos < 0))
        problema = QStringLiteral("--segundos deve ser um número inteiro de segundos");
    if (!problema.isEmpty()) {
        console.falha(problema);
        return Saida::Uso;
    }

    SessaoTarvek sessao(console, porta.verboso);
    if (!sessao.abre(porta.porta, porta.descricao))
        return Saida::Falha;
    MonitorOnLine monitor(sessao.link(), sessao.ambiente());
    if (!monitor.FormCreate())
        return Saida::Falha;
    console.erros << monitor.tituloGrafico() << " - " << monitor.tituloEixoTempo() << Qt::endl;
    monitor.aoLer = [&](const MonitorOnLine::Leitura &leitura) {
        console.saida << (csv ? GravacaoMonitor::linha(leitura, monitor) : linhaTexto(monitor)) << Qt::endl;
    };
    // Ctrl-C ends the polling after the exchange in progress; the session
    // then closes the port.
    g_interrompido = 0;
    std::signal(SIGINT, interrompe);
    std::signal(SIGTERM, interrompe);
    const int codigo = monitora(monitor, *sessao.ambiente().relogio, *segundos, console);
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    return codigo;
}

}  // namespace

Comando ComandoMonitorar()
{
    Comando c;
    c.nome = QStringLiteral("monitorar");
    c.resumo = QStringLiteral("mostra as leituras atuais a cada segundo");
    c.uso = QStringLiteral("monitorar --porta <1-4 | dispositivo | simulador> [--segundos N] [--csv]");
    c.ajuda
        = QStringLiteral("Lê a configuração, a calibração e os não-voláteis do Tarvek e consulta-o a cada\n"
                         "segundo como a janela \"Monitor On-Line\" (duas leituras, depois a configuração):\n"
                         "uma linha por leitura com a data e a hora e o valor de cada canal habilitado, até\n"
                         "Ctrl-C ou até passarem N segundos. O número de aquisições realizadas vai para\n"
                         "stderr a cada consulta da configuração.\n"
                         "\n"
                         "  --porta <p>          1 a 4, um dispositivo serial ou simulador (como em info)\n"
                         "  --descricao <d>      para o Tarvek simulado: um cenário ou um arquivo JSON\n"
                         "  --segundos <n>       termina depois de n segundos (sem ela, só com Ctrl-C)\n"
                         "  --csv                linhas como as da gravação da janela: data e hora ISO 8601\n"
                         "                       com o fuso, depois os valores, separados por \";\"\n"
                         "  --verboso            mostra as mensagens da linha de status\n"
                         "\n"
                         "Saída 0 ao fim do tempo ou com Ctrl-C (a porta é fechada); 1 quando a comunicação\n"
                         "falhou ou nenhum sensor está habilitado; 2 para uso incorreto.");
    c.executa = executaMonitorar;
    return c;
}
