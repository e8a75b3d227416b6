#include "LeituraBlocos.h"

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

LeituraBlocos::LeituraBlocos(const Ambiente &ambiente)
    : m_ambiente(ambiente)
{
    m_ambiente.mensagens = nullptr;
    m_ambiente.observadorLogger = nullptr;
}

QString LeituraBlocos::texto(int numero) const
{
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero, Janela)
                               : Catalogo::padrao(numero, Janela);
}

QString LeituraBlocos::falha(int numero) const
{
    // The link's own error text (activation, time-out, checksum) says why.
    const QString erro = m_cor == Cor::Vermelho ? m_texto.trimmed() : QString();
    return erro.isEmpty() ? texto(numero) : texto(numero) + u' ' + erro;
}

void LeituraBlocos::cancela()
{
    m_cancelado = true;
    if (m_link)
        m_link->Interrompe();
}

LeituraBlocos::Resultado LeituraBlocos::le(TMSComm &porta, int numero, const QString &dispositivo)
{
    TDatalogger link(m_ambiente);
    m_texto.clear();
    m_cor = Cor::Preto;
    m_cancelado = false;
    if (!link.AbreComunicacao(numero, &porta, this)) {
        Resultado r;
        const QString motivo = porta.erro().trimmed();
        r.motivo = motivo.isEmpty() ? texto(NaoAbriu) : texto(NaoAbriu) + u' ' + motivo;
        return r;
    }
    Resultado r = leBlocos(link, dispositivo);
    link.FechaComunicacao();
    return r;
}

LeituraBlocos::Resultado LeituraBlocos::le(TDatalogger &link, const QString &dispositivo)
{
    m_texto.clear();
    m_cor = Cor::Preto;
    m_cancelado = false;
    return leBlocos(link, dispositivo);
}

LeituraBlocos::Resultado LeituraBlocos::leBlocos(TDatalogger &link, const QString &dispositivo)
{
    m_link = &link;
    Resultado r;
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
    if (falhou)
        return r;
    r.sucesso = true;
    r.configuracao = BlocoConfiguracao::decodifica(configuracao);
    r.naoVolatil = BlocoNaoVolatil::decodifica(naoVolatil);
    r.calibracao = BlocoCalibracao::decodifica(calibracao);
    return r;
}
