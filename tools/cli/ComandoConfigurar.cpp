#include "ComandoConfigurar.h"

#include "AjusteConfiguracao.h"
#include "BlocoNaoVolatil.h"
#include "EditorConfiguracao.h"
#include "OpcoesLinha.h"
#include "OpcoesPorta.h"
#include "SessaoTarvek.h"
#include "TDatalogger.h"
#include "TransferenciaConfiguracao.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QTextStream>

namespace {

// The settings of the file given with --de, then those of the options.
bool leAjuste(OpcoesLinha &opcoes, AjusteConfiguracao &ajuste, QString &problema)
{
    const QString arquivo = opcoes.valor(QStringLiteral("de"));
    QStringList erros;
    const AjusteConfiguracao daLinha = AjusteConfiguracao::deOpcoes(opcoes, erros);
    if (!arquivo.isEmpty()) {
        QFile f(arquivo);
        if (!f.open(QIODevice::ReadOnly)) {
            problema = QStringLiteral("%1: %2").arg(arquivo, f.errorString());
            return false;
        }
        QJsonParseError e {};
        const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &e);
        if (!doc.isObject()) {
            problema = QStringLiteral("%1: JSON inválido: %2").arg(arquivo, e.errorString());
            return false;
        }
        ajuste = AjusteConfiguracao::deJson(doc.object(), erros);
    }
    ajuste.sobrepoe(daLinha);
    if (!erros.isEmpty()) {
        problema = erros.join(QStringLiteral("; "));
        return false;
    }
    return true;
}

QString hexa(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

void mostraEstimativa(QTextStream &s, const EditorConfiguracao &e)
{
    s << e.LblBytesMem.texto << '\n';
    if (e.LblTempoEst.visivel) {
        s << e.LblMaximoLeituras.texto << '\n'
          << e.LblTempoEst.texto << '\n'
          << e.LblNroLeituras.texto << '\n';
    } else {
        s << e.LblMaximoLeituras.texto << '\n'
          << "Sem estimativa de tempo (memória circular ou datas e intervalo incompletos)\n";
    }
}

void mostraEnvio(QTextStream &s, const EnvioConfiguracao &envio)
{
    const BlocoNaoVolatil n = BlocoNaoVolatil::decodifica(envio.naoVolatil);
    s << "Configuração (bytes 0 a 20):\n  "
      << hexa(envio.configuracao.left(TDatalogger::BytesConfiguracaoEnviados)) << '\n'
      << "Não-voláteis (bytes 0 a 75):\n";
    for (int i = 0; i < 76; i += 16)
        s << "  " << hexa(envio.naoVolatil.mid(i, qMin(16, 76 - i))) << '\n';
    s << QStringLiteral("  Titulo \"%1\", Tag1 \"%2\", Tag2 \"%3\", Unidade1 \"%4\", Unidade2 \"%5\"\n")
             .arg(n.Titulo, n.Tag1, n.Tag2, n.Unidade1, n.Unidade2)
      << QStringLiteral("  Limites %1 a %2 e %3 a %4, offsets %5 e %6\n")
             .arg(n.LimiteInferior1)
             .arg(n.LimiteSuperior1)
             .arg(n.LimiteInferior2)
             .arg(n.LimiteSuperior2)
             .arg(n.Offset1)
             .arg(n.Offset2);
}

int executaConfigurar(const QStringList &argumentos, Console &console)
{
    OpcoesLinha opcoes(argumentos);
    const OpcoesPorta porta(opcoes);
    const bool enviar = opcoes.sinal(QStringLiteral("enviar"));
    AjusteConfiguracao ajuste;
    QString problema;
    leAjuste(opcoes, ajuste, problema);
    if (problema.isEmpty())
        problema = OpcoesPorta::problema(porta, opcoes);
    if (!problema.isEmpty()) {
        console.falha(problema);
        return Saida::Uso;
    }

    SessaoTarvek sessao(console, porta.verboso);
    if (!sessao.abre(porta.porta, porta.descricao))
        return Saida::Falha;
    EditorConfiguracao editor(sessao.ambiente());
    editor.LimpaCampos();
    TransferenciaConfiguracao transferencia(sessao.link(), sessao.ambiente());
    // A failed read or write has shown its message (on stderr).
    if (!transferencia.RecebeConfiguracoes(editor))
        return Saida::Falha;
    QString erro;
    if (!ajuste.aplica(editor, erro)) {
        if (!erro.isEmpty())
            console.falha(erro);
        return Saida::Falha;
    }
    // The window's validation, with its messages on stderr.
    if (editor.ValidaTudo())
        return Saida::Falha;
    const std::optional<EnvioConfiguracao> envio = editor.codifica();
    if (!envio)
        return Saida::Falha;
    mostraEstimativa(console.saida, editor);
    mostraEnvio(console.saida, *envio);
    console.saida.flush();
    if (!enviar) {
        console.erros << "Nada foi gravado no Tarvek; use --enviar para gravar." << Qt::endl;
        return Saida::Sucesso;
    }
    return transferencia.EnviaConfiguracoes(*envio) ? Saida::Sucesso : Saida::Falha;
}

}  // namespace

Comando ComandoConfigurar()
{
    Comando c;
    c.nome = QStringLiteral("configurar");
    c.resumo = QStringLiteral("prepara e grava a configuração do Tarvek");
    c.uso = QStringLiteral(
        "configurar --porta <1-4 | dispositivo | simulador> [--de <arquivo.json>] [opções] [--enviar]");
    c.ajuda = QStringLiteral(
        "Lê a configuração do Tarvek, aplica as opções dadas com as regras da janela de\n"
        "configuração, valida como ela (as mesmas mensagens), mostra a estimativa e os\n"
        "bytes que seriam gravados e, só com --enviar, grava a configuração (acertando o\n"
        "relógio do Tarvek pelo do computador) e os não-voláteis.\n"
        "\n"
        "  --porta <p>          1 a 4, um dispositivo serial ou simulador (como em info)\n"
        "  --descricao <d>      para o Tarvek simulado: um cenário ou um arquivo JSON\n"
        "  --de <arquivo.json>  toma a configuração de outro Tarvek, no formato que\n"
        "                       quorvane-cli info --json mostra (sensores, ponto decimal,\n"
        "                       limites, textos, modos, intervalo, leituras e parada; o\n"
        "                       início é sempre imediato e os offsets são os deste Tarvek);\n"
        "                       as opções abaixo têm precedência\n"
        "  --titulo <t>         título (até 30 caracteres)\n"
        "  --tag1, --tag2 <t>   tag de cada canal (até 10)\n"
        "  --sensor1, --sensor2 <s>  Nenhum, Termopar J (ou J), K, T, E, N, R, S, B, Pt100,\n"
        "                       4-20mA, 0-50mV; um sensor novo repõe limites e offset\n"
        "  --decimal1, --decimal2 <d>  ponto decimal de 4-20mA e 0-50mV: 0 a 3 (0000, 000,0,\n"
        "                       00,00, 0,000)\n"
        "  --inferior1, --superior1, --inferior2, --superior2 <v>  limites de 4-20mA e\n"
        "                       0-50mV como se digitam na janela (12,5 ou 12.5)\n"
        "  --unidade1, --unidade2 <u>  unidade de 4-20mA e 0-50mV (até 8)\n"
        "  --modo1, --modo2 <m> media, maximo ou minimo\n"
        "  --leituras <n>       leituras por aquisição (1 a 250; 127 no firmware 1.0)\n"
        "  --intervalo <i>      hh:mm:ss entre leituras, ou 0.5 (uma leitura a cada 0,5 s)\n"
        "  --inicio <i>         agora, ou \"dd/mm/aaaa hh:mm:ss\" (até 60 dias)\n"
        "  --fim <f>            cheia (memória cheia), nunca (memória circular), um número\n"
        "                       de aquisições, ou \"dd/mm/aaaa hh:mm:ss\"\n"
        "  --enviar             grava no Tarvek; sem ela nada é gravado\n"
        "  --verboso            mostra as mensagens da linha de status\n"
        "\n"
        "Saída 0 quando tudo foi aceito (e gravado, com --enviar); 1 quando a comunicação\n"
        "falhou ou um valor foi recusado (a mensagem vai para stderr); 2 para uso incorreto.");
    c.executa = executaConfigurar;
    return c;
}
