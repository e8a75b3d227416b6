#include "TestePorta.h"

#include "BlocoCalibracao.h"
#include "BlocoNaoVolatil.h"
#include "Catalogo.h"
#include "TDatalogger.h"
#include "TMSComm.h"

namespace {

enum Texto {
    FalhaConfiguracao = 136,
    FalhaNaoVolateis = 137,
    FalhaCalibracao = 146,
    NaoAbriu = 254,
};

// The read failures are worded as the configuration window words them.
const QStringView Janela = u"FrmConfig";

}  // namespace

TestePorta::TestePorta(const Ambiente &ambiente)
    : m_ambiente(ambiente)
{
}

QString TestePorta::texto(int numero) const
{
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero, Janela)
                               : Catalogo::padrao(numero, Janela);
}

QString TestePorta::falha(int numero) const
{
    // The link's own error text (activation, time-out, checksum) says why.
    const QString erro = m_cor == Cor::Vermelho ? m_texto.trimmed() : QString();
    return erro.isEmpty() ? texto(numero) : texto(numero) + u' ' + erro;
}

TestePorta::Resultado TestePorta::testa(TMSComm &porta, int numero)
{
    Ambiente semCaixas = m_ambiente;
    semCaixas.mensagens = nullptr;
    TDatalogger link(semCaixas);
    m_texto.clear();
    m_cor = Cor::Preto;
    Resultado r;
    if (!link.AbreComunicacao(numero, &porta, this)) {
        const QString motivo = porta.erro().trimmed();
        r.motivo = motivo.isEmpty() ? texto(NaoAbriu) : texto(NaoAbriu) + u' ' + motivo;
        return r;
    }
    QByteArray configuracao, naoVolatil, calibracao;
    if (!link.LeConfiguracao(configuracao))
        r.motivo = falha(FalhaConfiguracao);
    else if (!link.LeNaoVolateis(naoVolatil))
        r.motivo = falha(FalhaNaoVolateis);
    else if (!link.LeCalibracao(calibracao))
        r.motivo = falha(FalhaCalibracao);
    link.FechaComunicacao();
    if (!r.motivo.isEmpty())
        return r;
    r.sucesso = true;
    r.numeroSerie = BlocoCalibracao::decodifica(calibracao).textoNumeroSerie();
    r.titulo = BlocoNaoVolatil::decodifica(naoVolatil).Titulo;
    return r;
}
