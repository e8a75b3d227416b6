// quorvane-cli grafico in a build of the widget-free layers only.
#include "ComandoGrafico.h"

namespace {

int executaGrafico(const QStringList &, Console &console)
{
    console.falha(QStringLiteral("esta compilação não tem as janelas para desenhar gráficos"));
    return Saida::Falha;
}

}  // namespace

Comando ComandoGrafico()
{
    return { QStringLiteral("grafico"), QStringLiteral("desenha um gráfico (indisponível nesta compilação)"),
        QStringLiteral("grafico ARQUIVO.qvg|ARQUIVO.qvj SAIDA.png|svg|pdf"),
        QStringLiteral("Esta compilação do quorvane-cli não tem as janelas do programa."), executaGrafico };
}
