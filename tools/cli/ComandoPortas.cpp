#include "ComandoPortas.h"

#include "AtribuicaoPortas.h"
#include "ConfiguracoesIni.h"
#include "ListaPortasSistema.h"
#include "OpcoesLinha.h"
#include "TMSCommRoteador.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

const QString DescricaoSimulador = QStringLiteral("Tarvek simulado (no próprio programa)");

QString hex4(int id)
{
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0'));
}

QJsonValue idJson(int id)
{
    return id < 0 ? QJsonValue() : QJsonValue(hex4(id));
}

// One of COM1 to COM4: the device it opens and what is there now.
struct Atribuicao
{
    int numero = 0;
    QString destino;
    bool padrao = false;  // no key in the settings file
    bool inicial = false;  // the port opened at start (PORTA)
    SituacaoDispositivo situacao;
};

QList<Atribuicao> atribuicoes(const IConfiguracoes &configuracoes, const IListaPortas &portas)
{
    const TMSCommRoteador roteador(&configuracoes);
    const QString inicial
        = configuracoes.le(QStringLiteral("COMUNICACAO"), QStringLiteral("PORTA"), QStringLiteral("0"))
              .trimmed();
    QList<Atribuicao> lista;
    for (int n = TMSCommRoteador::PrimeiraPorta; n <= TMSCommRoteador::UltimaPorta; ++n) {
        Atribuicao a;
        a.numero = n;
        a.destino = roteador.Destino(n);
        a.padrao = configuracoes.le(QStringLiteral("PORTAS"), QStringLiteral("COM%1").arg(n), QString())
                       .trimmed()
                       .isEmpty();
        a.inicial = inicial == QString::number(n);
        if (!TMSCommRoteador::EhSimulador(a.destino))
            a.situacao = portas.situacao(a.destino);
        lista << a;
    }
    return lista;
}

QString estado(const Atribuicao &a)
{
    if (TMSCommRoteador::EhSimulador(a.destino))
        return QStringLiteral("simulado");
    if (!a.situacao.existe)
        return QStringLiteral("não conectado");
    if (a.situacao.naoSerial)
        return QStringLiteral("não é um dispositivo serial");
    if (!a.situacao.permitido)
        return QStringLiteral("sem permissão");
    return QStringLiteral("presente");
}

void escreveTexto(
    QTextStream &s, const QList<DispositivoSerial> &dispositivos, const QList<Atribuicao> &lista)
{
    s << "Dispositivos seriais presentes:\n";
    if (dispositivos.isEmpty())
        s << "  (nenhum)\n";
    auto campo = [&s](const char *nome, const QString &valor) {
        if (!valor.isEmpty())
            s << "    " << QString::fromUtf8(nome).leftJustified(18) << valor << '\n';
    };
    for (const DispositivoSerial &d : dispositivos) {
        s << "  " << d.dispositivo << '\n';
        campo("descrição:", d.descricao);
        campo("fabricante:", d.fabricante);
        campo("número de série:", d.numeroSerie);
        campo("USB:", AtribuicaoPortas::textoUsb(d.vid, d.pid));
        campo("por id:", d.porId);
    }
    s << "  " << TMSComm::Simulador << '\n';
    campo("descrição:", DescricaoSimulador);
    s << "\nPortas (seção PORTAS do QUORVANE.INI):\n";
    for (const Atribuicao &a : lista) {
        QString linha = QStringLiteral("  COM%1  %2").arg(a.numero).arg(a.destino);
        if (!a.situacao.caminhoReal.isEmpty() && a.situacao.caminhoReal != a.destino)
            linha += QStringLiteral(" -> ") + a.situacao.caminhoReal;
        linha += QStringLiteral("  (") + estado(a) + (a.padrao ? QStringLiteral(", padrão") : QString())
            + (a.inicial ? QStringLiteral(", aberta ao iniciar") : QString()) + u')';
        s << linha << '\n';
    }
}

QJsonDocument json(const QList<DispositivoSerial> &dispositivos, const QList<Atribuicao> &lista)
{
    QJsonArray presentes;
    for (const DispositivoSerial &d : dispositivos) {
        presentes.append(QJsonObject { { "dispositivo", d.dispositivo }, { "descricao", d.descricao },
            { "fabricante", d.fabricante }, { "numeroSerie", d.numeroSerie }, { "vid", idJson(d.vid) },
            { "pid", idJson(d.pid) }, { "porId", d.porId.isEmpty() ? QJsonValue() : QJsonValue(d.porId) },
            { "simulado", false } });
    }
    // The simulator has every key of a device, null where it has nothing.
    presentes.append(QJsonObject { { "dispositivo", QString(TMSComm::Simulador) },
        { "descricao", DescricaoSimulador }, { "fabricante", QJsonValue() }, { "numeroSerie", QJsonValue() },
        { "vid", QJsonValue() }, { "pid", QJsonValue() }, { "porId", QJsonValue() }, { "simulado", true } });
    QJsonArray portas;
    for (const Atribuicao &a : lista) {
        QJsonObject p { { "porta", QStringLiteral("COM%1").arg(a.numero) }, { "numero", a.numero },
            { "destino", a.destino }, { "padrao", a.padrao }, { "inicial", a.inicial },
            { "estado", estado(a) } };
        if (!TMSCommRoteador::EhSimulador(a.destino)) {
            p.insert("existe", a.situacao.existe);
            p.insert("caminhoReal",
                a.situacao.caminhoReal.isEmpty() ? QJsonValue() : QJsonValue(a.situacao.caminhoReal));
            p.insert("grupo", a.situacao.grupo.isEmpty() ? QJsonValue() : QJsonValue(a.situacao.grupo));
            p.insert("permitido", a.situacao.permitido);
        }
        portas.append(p);
    }
    return QJsonDocument(QJsonObject { { "dispositivos", presentes }, { "portas", portas } });
}

int executaPortas(const QStringList &argumentos, Console &console)
{
    OpcoesLinha opcoes(argumentos);
    const bool comoJson = opcoes.sinal(QStringLiteral("json"));
    if (!opcoes.erro().isEmpty() || !opcoes.sobras().isEmpty()) {
        // A repeated --json is named as such, like any other command's.
        const QString repetida = opcoes.opcaoNaoReconhecida();
        console.falha(!opcoes.erro().isEmpty() ? opcoes.erro()
                : !repetida.isEmpty()
                ? repetida
                : QStringLiteral("argumento não reconhecido: ") + opcoes.sobras().join(u' '));
        return Saida::Uso;
    }
    const ConfiguracoesIni configuracoes;
    const ListaPortasSistema portas;
    const QList<DispositivoSerial> dispositivos = portas.dispositivos();
    const QList<Atribuicao> lista = atribuicoes(configuracoes, portas);
    if (comoJson)
        console.saida << QString::fromUtf8(json(dispositivos, lista).toJson(QJsonDocument::Indented));
    else
        escreveTexto(console.saida, dispositivos, lista);
    console.saida.flush();
    return Saida::Sucesso;
}

}  // namespace

Comando ComandoPortas()
{
    Comando c;
    c.nome = QStringLiteral("portas");
    c.resumo = QStringLiteral("lista os dispositivos seriais e o de cada porta COM1 a COM4");
    c.uso = QStringLiteral("portas [--json]");
    c.ajuda
        = QStringLiteral("Lista os dispositivos seriais presentes, com descrição, fabricante, número de\n"
                         "série, identificadores USB (fabricante:produto, em hexadecimal) e o nome estável\n"
                         "em /dev/serial/by-id quando houver, e o Tarvek simulado (\"simulador\"). Depois,\n"
                         "o dispositivo que cada porta COM1 a COM4 abre (seção PORTAS do QUORVANE.INI, ou\n"
                         "o padrão quando a chave falta) e o estado dele agora: presente, não conectado,\n"
                         "não é um dispositivo serial, sem permissão ou simulado; a porta que o programa\n"
                         "abre ao iniciar (PORTA) vem marcada.\n"
                         "\n"
                         "  --json            mostra o mesmo em JSON: \"dispositivos\" e \"portas\"\n"
                         "\n"
                         "Saída 0; 2 para uso incorreto.");
    c.executa = executaPortas;
    return c;
}
