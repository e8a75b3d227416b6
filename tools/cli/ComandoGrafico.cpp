#include "ComandoGrafico.h"

#include "Ambiente.h"
#include "AmbienteArquivos.h"
#include "ArquivoQvj.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "ConfiguracoesIni.h"
#include "DataHora.h"
#include "DocumentoCli.h"
#include "GraficoLinhas.h"
#include "ImagemGrafico.h"
#include "Instantes.h"
#include "JuncaoCli.h"
#include "OpcoesLinha.h"
#include "SeamsConsole.h"
#include "TFormGrafico.h"
#include "TFormJuncao.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>

#include <optional>

namespace {

struct PedidoGrafico
{
    QString arquivo;
    QString saida;
    QSize tamanho { 1200, 800 };
    std::optional<TDateTime> de;
    std::optional<TDateTime> ate;
};

// "dd/mm/yyyy hh:nn:ss" (or without the seconds, or the date alone) or
// ISO 8601 local time, "2024-06-14T17:03:00".
std::optional<TDateTime> leInstante(const QString &texto)
{
    for (const char *formato : { "dd/MM/yyyy HH:mm:ss", "dd/MM/yyyy HH:mm", "dd/MM/yyyy",
             "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-ddTHH:mm", "yyyy-MM-dd" }) {
        QDateTime d = QDateTime::fromString(texto.trimmed(), QLatin1String(formato));
        if (d.isValid())
            return DataHora::deQDateTime(d);
    }
    return std::nullopt;
}

QString leLado(OpcoesLinha &opcoes, const char *nome, int &lado)
{
    const QString texto = opcoes.valor(QLatin1String(nome));
    if (texto.isNull())
        return {};
    bool ok = false;
    lado = texto.toInt(&ok);
    if (!ok || lado < ImagemGrafico::LadoMinimo || lado > ImagemGrafico::LadoMaximo)
        return QStringLiteral("--%1 deve ser um número de %2 a %3")
            .arg(QLatin1String(nome))
            .arg(ImagemGrafico::LadoMinimo)
            .arg(ImagemGrafico::LadoMaximo);
    return {};
}

QString lePedido(const QStringList &argumentos, PedidoGrafico &p)
{
    OpcoesLinha opcoes(argumentos);
    int largura = p.tamanho.width();
    int altura = p.tamanho.height();
    QString erro = leLado(opcoes, "largura", largura);
    if (erro.isEmpty())
        erro = leLado(opcoes, "altura", altura);
    p.tamanho = QSize(largura, altura);
    for (auto [nome, destino] : { std::pair { "de", &p.de }, std::pair { "ate", &p.ate } }) {
        const QString texto = opcoes.valor(QLatin1String(nome));
        if (texto.isNull() || !erro.isEmpty())
            continue;
        *destino = leInstante(texto);
        if (!*destino)
            erro = QStringLiteral("instante inválido: ") + texto;
    }
    if (!opcoes.erro().isEmpty())
        return opcoes.erro();
    if (!erro.isEmpty())
        return erro;
    if (const QString opcao = opcoes.opcaoNaoReconhecida(); !opcao.isEmpty())
        return opcao;
    const QStringList sobras = opcoes.sobras();
    if (sobras.size() != 2)
        return QStringLiteral("informe o arquivo .qvg ou .qvj e a imagem de saída");
    p.arquivo = sobras.first();
    p.saida = sobras.last();
    return {};
}

// The x value of an instant on a graph's time axis: in half-second mode
// the points stand 120 s apart per entry from Inicio.
double xDoInstante(const TAquisicao &a, TDateTime instante)
{
    if (!a.meioSegundo())
        return instante;
    return SomaSegundos(120 * 2 * SegundosEntre(instante, a.Inicio), a.Inicio);
}

void aplicaFaixa(GraficoLinhas &grafico, const PedidoGrafico &p, const TAquisicao *aquisicao)
{
    if (!p.de && !p.ate)
        return;
    const auto x = [aquisicao](TDateTime t) { return aquisicao ? xDoInstante(*aquisicao, t) : t; };
    const double de = p.de ? x(*p.de) : grafico.minimo(EixoGrafico::Inferior);
    const double ate = p.ate ? x(*p.ate) : grafico.maximo(EixoGrafico::Inferior);
    grafico.defineFaixa(EixoGrafico::Inferior, de, ate);
}

int desenha(const PedidoGrafico &p, const Ambiente &ambiente, Console &console)
{
    const bool juncao = QFileInfo(p.arquivo).suffix().compare(u"qvj", Qt::CaseInsensitive) == 0;
    std::unique_ptr<QWidget> janela;
    GraficoLinhas *grafico = nullptr;
    std::optional<TAquisicao> aquisicao;
    if (juncao) {
        const auto r = JuncaoCli::le(p.arquivo, *ambiente.regional, console);
        if (!r)
            return Saida::Falha;
        auto j = std::make_unique<TFormJuncao>(ambiente, TFormJuncao::Ligacoes {});
        j->MontaGrafico(r->entradas, true, r->UnidadeEixoEsquerdo, r->UnidadeEixoDireito);
        grafico = j->ChartJuncao;
        janela = std::move(j);
    } else {
        aquisicao = DocumentoCli::le(p.arquivo, *ambiente.regional, console, true);
        if (!aquisicao)
            return Saida::Falha;
        auto g = std::make_unique<TFormGrafico>(ambiente, TFormGrafico::Ligacoes {});
        g->Seta_Aquisicao(*aquisicao);
        grafico = g->TheChart;
        janela = std::move(g);
    }
    aplicaFaixa(*grafico, p, aquisicao ? &*aquisicao : nullptr);
    if (!ImagemGrafico::grava(*grafico, p.saida, p.tamanho)) {
        console.falha(QStringLiteral("Erro na gravação da imagem: ") + p.saida);
        return Saida::Falha;
    }
    return Saida::Sucesso;
}

int executaGrafico(const QStringList &argumentos, Console &console)
{
    PedidoGrafico pedido;
    if (const QString erro = lePedido(argumentos, pedido); !erro.isEmpty()) {
        console.falha(erro);
        return Saida::Uso;
    }
    AmbienteArquivos seams(console);
    // The alarm limits of the recording's logger, as the program keeps them.
    ConfiguracoesIni configuracoes;
    seams.ambiente.configuracoes = &configuracoes;
    return desenha(pedido, seams.ambiente, console);
}

}  // namespace

Comando ComandoGrafico()
{
    return { QStringLiteral("grafico"), QStringLiteral("desenha um gráfico em PNG, SVG ou PDF"),
        QStringLiteral("grafico ARQUIVO.qvg|ARQUIVO.qvj SAIDA.png|svg|pdf [--largura N] [--altura N]\n"
                       "         [--de INSTANTE] [--ate INSTANTE]"),
        QStringLiteral("Desenha a gravação (.qvg) ou a junção de gráficos (.qvj) com o gráfico do\n"
                       "programa, sem tela, e o grava pela extensão da saída: .svg e .pdf como\n"
                       "vetores, qualquer outra (.png) como imagem. Os limites de alarme que o\n"
                       "programa guarda para o aquisitor da gravação saem tracejados.\n\n"
                       "  --largura N, --altura N   o tamanho em pixels (1200 por 800; de 16 a 10000)\n"
                       "  --de INSTANTE             o início do eixo do tempo\n"
                       "  --ate INSTANTE            o fim do eixo do tempo\n"
                       "Um instante é \"dd/mm/aaaa hh:nn:ss\" ou \"aaaa-mm-ddThh:nn:ss\", hora local;\n"
                       "sem --de e --ate, o gráfico mostra a gravação inteira."),
        executaGrafico };
}
