#include "GravacaoConfiguracao.h"

#include "Catalogo.h"

#include <QDir>

namespace {

enum Texto {
    NaoGravou = 374,
    NaoLe = 375,
    SemPasta = 376,
    SemPermissao = 377,
    FalhaEscrita = 378,
    ValorInvalido = 379,
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
