#include "GeometriaJanela.h"

#include "IConfiguracoes.h"

#include <algorithm>
#include <utility>

namespace {

const QString kSecao = QStringLiteral("JANELA");

std::optional<int> inteiro(const IConfiguracoes &configuracoes, const char *chave)
{
    bool ok = false;
    const int valor = configuracoes.le(kSecao, QString::fromLatin1(chave), QString()).trimmed().toInt(&ok);
    return ok ? std::optional<int>(valor) : std::nullopt;
}

}  // namespace

std::optional<GeometriaJanela> GeometriaJanela::le(const IConfiguracoes &configuracoes)
{
    const auto x = inteiro(configuracoes, "X");
    const auto y = inteiro(configuracoes, "Y");
    const auto largura = inteiro(configuracoes, "LARGURA");
    const auto altura = inteiro(configuracoes, "ALTURA");
    if (!x || !y || !largura || !altura || *largura < LarguraMinima || *altura < AlturaMinima)
        return std::nullopt;
    GeometriaJanela g;
    g.retangulo = QRect(*x, *y, *largura, *altura);
    g.maximizada
        = configuracoes.le(kSecao, QStringLiteral("MAXIMIZADA"), QString()).trimmed().toUpper() == u"TRUE";
    return g;
}

void GeometriaJanela::grava(IConfiguracoes &configuracoes) const
{
    const std::pair<QString, QString> chaves[] = {
        { QStringLiteral("X"), QString::number(retangulo.x()) },
        { QStringLiteral("Y"), QString::number(retangulo.y()) },
        { QStringLiteral("LARGURA"), QString::number(retangulo.width()) },
        { QStringLiteral("ALTURA"), QString::number(retangulo.height()) },
        { QStringLiteral("MAXIMIZADA"), maximizada ? QStringLiteral("TRUE") : QStringLiteral("FALSE") },
    };
    // The program keeps the place on its own: a write that fails is not told.
    for (const auto &[chave, valor] : chaves) {
        if (!configuracoes.grava(kSecao, chave, valor).ok())
            return;
    }
}

QRect GeometriaJanela::ajustaATela(const QRect &retangulo, const QRect &tela)
{
    if (tela.isEmpty())
        return retangulo;
    const int largura = std::min(retangulo.width(), tela.width());
    const int altura = std::min(retangulo.height(), tela.height());
    const int x = std::clamp(retangulo.x(), tela.left(), tela.left() + tela.width() - largura);
    const int y = std::clamp(retangulo.y(), tela.top(), tela.top() + tela.height() - altura);
    return QRect(x, y, largura, altura);
}
