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
    SemResposta = 381,
    Cancelado = 382,
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

void TestePorta::cancela()
{
    m_cancelado = true;
    if (m_link)
        m_link->Interrompe();
}

TestePorta::Resultado TestePorta::testa(TMSComm &porta, int numero, const QString &dispositivo)
{
    Ambiente semCaixas = m_ambiente;
    semCaixas.mensagens = nullptr;
    TDatalogger link(semCaixas);
    m_texto.clear();
    m_cor = Cor::Preto;
    m_cancelado = false;
    Resultado r;
    if (!link.AbreComunicacao(numero, &porta, this)) {
        const QString motivo = porta.erro().trimmed();
        r.motivo = motivo.isEmpty() ? texto(NaoAbriu) : texto(NaoAbriu) + u' ' + motivo;
        return r;
    }
    m_link = &link;
    QByteArray configuracao, naoVolatil, calibracao;
    if (!link.LeConfiguracao(configuracao))
        r.motivo = falha(FalhaConfiguracao);
    else if (!link.LeNaoVolateis(naoVolatil))
        r.motivo = falha(FalhaNaoVolateis);
    else if (!link.LeCalibracao(calibracao))
        r.motivo = falha(FalhaCalibracao);
    m_link = nullptr;
    const bool falhou = !r.motivo.isEmpty();
    r.cancelado = falhou && m_cancelado;
    r.semResposta = falhou && !r.cancelado && !link.Ativou() && !link.PortaPerdida();
    if (r.cancelado)
        r.motivo = texto(Cancelado).arg(dispositivo);
    else if (r.semResposta)
        r.motivo = texto(SemResposta).arg(dispositivo);
    link.FechaComunicacao();
    if (!r.motivo.isEmpty())
        return r;
    r.sucesso = true;
    r.numeroSerie = BlocoCalibracao::decodifica(calibracao).textoNumeroSerie();
    r.titulo = BlocoNaoVolatil::decodifica(naoVolatil).Titulo;
    return r;
}
