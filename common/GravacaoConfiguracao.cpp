#include "GravacaoConfiguracao.h"

#include "Catalogo.h"

#include <QDir>

namespace {

enum Texto {
    NaoGravou = 390,
    NaoLe = 391,
    SemPasta = 392,
    SemPermissao = 393,
    FalhaEscrita = 394,
    ValorInvalido = 395,
};

QString texto(const Catalogo *catalogo, int numero)
{
    return catalogo ? catalogo->texto(numero) : Catalogo::padrao(numero);
}

}  // namespace

QString GravacaoConfiguracao::mensagem(const Catalogo *catalogo) const
{
    int motivo = 0;
    switch (falha) {
    case Falha::Nenhuma:
        return {};
    case Falha::Leitura:
        motivo = NaoLe;
        break;
    case Falha::Pasta:
        motivo = SemPasta;
        break;
    case Falha::Permissao:
        motivo = SemPermissao;
        break;
    case Falha::Escrita:
        motivo = FalhaEscrita;
        break;
    case Falha::Valor:
        motivo = ValorInvalido;
        break;
    }
    return texto(catalogo, NaoGravou).arg(QDir::toNativeSeparators(arquivo), texto(catalogo, motivo));
}
