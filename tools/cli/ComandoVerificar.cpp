#include "ComandoVerificar.h"

#include "Catalogo.h"
#include "ConfiguracoesIni.h"
#include "OpcoesLinha.h"
#include "Registros.h"
#include "SeloGravacao.h"
#include "TextoInformacoes.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

// The state in the catalogue's words, as the windows give it.
QString nomeEstado(EstadoIntegridade::Tipo t)
{
    return SeloGravacao::nome(t, Catalogo());
}

QString detalhe(const EstadoIntegridade &e, const QString &arquivo)
{
    if (!e.selo)
        return {};
    const SeloArquivo &s = *e.selo;
    QString t = QStringLiteral("gravado em %1 por %2").arg(s.instante, s.usuario);
    if (s.serie)
        t += QStringLiteral(", logger %1").arg(TextoNumeroSerie(quint32(*s.serie)));
    if (e.tipo == EstadoIntegridade::Alterado)
        t = QStringLiteral("o último selo deste caminho foi ") + t;
    else if (s.caminho != QFileInfo(arquivo).absoluteFilePath())
        t += QStringLiteral(" como %1").arg(s.caminho);
    return t;
}

int executaVerificar(const QStringList &argumentos, Console &console)
{
    OpcoesLinha opcoes(argumentos);
    const bool emJson = opcoes.sinal(QStringLiteral("json"));
    QString problema = opcoes.problema();
    const QStringList arquivos = opcoes.sobras();
    if (problema.isEmpty() && arquivos.isEmpty())
        problema = QStringLiteral("falta o arquivo a verificar");
    if (!problema.isEmpty()) {
        console.falha(problema);
        return Saida::Uso;
    }
    Registros registros { ConfiguracoesIni() };
    if (!registros.disponivel()) {
        console.falha(QStringLiteral("os registros não puderam ser abertos: %1").arg(registros.motivo()));
        return Saida::Falha;
    }
    int saida = Saida::Sucesso;
    QJsonArray lista;
    for (const QString &arquivo : arquivos) {
        if (!QFileInfo(arquivo).isFile()) {
            console.falha(QStringLiteral("%1: não é um arquivo que se possa ler").arg(arquivo));
            saida = Saida::Falha;
            continue;
        }
        const EstadoIntegridade e = registros.integridade(arquivo);
        if (e.tipo == EstadoIntegridade::Alterado)
            saida = Saida::Falha;
        if (emJson) {
            QJsonObject o;
            o.insert(QStringLiteral("arquivo"), arquivo);
            o.insert(QStringLiteral("sha256"), SelosArquivo::sha256Arquivo(arquivo));
            o.insert(QStringLiteral("estado"), nomeEstado(e.tipo));
            o.insert(QStringLiteral("gravado"), e.selo ? QJsonValue(e.selo->instante) : QJsonValue());
            o.insert(QStringLiteral("usuario"), e.selo ? QJsonValue(e.selo->usuario) : QJsonValue());
            o.insert(QStringLiteral("serie"),
                e.selo && e.selo->serie ? QJsonValue(double(*e.selo->serie)) : QJsonValue());
            lista.append(o);
        } else {
            const QString d = detalhe(e, arquivo);
            console.saida << arquivo << ": " << nomeEstado(e.tipo)
                          << (d.isEmpty() ? QString() : " (" + d + ')') << '\n';
        }
    }
    if (emJson)
        console.saida << QJsonDocument(lista).toJson(QJsonDocument::Indented);
    return saida;
}

}  // namespace

Comando ComandoVerificar()
{
    Comando c;
    c.nome = QStringLiteral("verificar");
    c.resumo = QStringLiteral("diz se cada arquivo é o que o programa gravou");
    c.uso = QStringLiteral("verificar [--json] ARQUIVO...");
    c.ajuda
        = QStringLiteral("Procura cada arquivo nos registros desta instalação pelo SHA-256 dos seus bytes:\n"
                         "  Íntegro                      idêntico a um arquivo gravado pelo programa (mesmo\n"
                         "                               que movido ou renomeado depois)\n"
                         "  Alterado depois de gravado   um arquivo com esse caminho foi gravado com outro\n"
                         "                               conteúdo\n"
                         "  Sem registro                 o programa não gravou este conteúdo\n"
                         "\n"
                         "  --json            o mesmo em JSON\n"
                         "\n"
                         "Saída 0; 1 quando algum arquivo foi alterado ou não pôde ser lido; 2 para uso\n"
                         "incorreto.");
    c.executa = executaVerificar;
    return c;
}
