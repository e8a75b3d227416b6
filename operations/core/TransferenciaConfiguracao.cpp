#include "TransferenciaConfiguracao.h"

#include "Catalogo.h"
#include "EditorConfiguracao.h"
#include "Espera.h"
#include "IMensagens.h"
#include "TDatalogger.h"

namespace {

enum Texto {
    FalhaConfiguracao = 136,
    FalhaNaoVolateis = 137,
    FalhaEscritaNaoVolateis = 141,
    FalhaCalibracao = 146,
    Sucesso = 153,
    FalhaEscritaConfiguracao = 166,
};

}  // namespace

TransferenciaConfiguracao::TransferenciaConfiguracao(TDatalogger &datalogger, const Ambiente &ambiente)
    : m_datalogger(datalogger)
    , m_ambiente(ambiente)
{
}

bool TransferenciaConfiguracao::falha(int texto) const
{
    // A write refused before it was sent says why in its own words.
    if (m_datalogger.EscritaRecusada()) {
        if (m_ambiente.mensagens)
            m_ambiente.mensagens->aviso(m_datalogger.TextoRecusa());
        return false;
    }
    // A lost port is said once, by whoever opened the window.
    if (m_ambiente.mensagens && !m_datalogger.PortaPerdida()) {
        const QStringView janela = u"FrmConfig";
        m_ambiente.mensagens->aviso(m_ambiente.catalogo ? m_ambiente.catalogo->texto(texto, janela)
                                                        : Catalogo::padrao(texto, janela));
    }
    return false;
}

bool TransferenciaConfiguracao::RecebeConfiguracoes(EditorConfiguracao &editor)
{
    QByteArray configuracao, naoVolatil, calibracao;
    if (!m_datalogger.LeConfiguracao(configuracao))
        return falha(FalhaConfiguracao);
    if (!m_datalogger.LeNaoVolateis(naoVolatil))
        return falha(FalhaNaoVolateis);
    if (!m_datalogger.LeCalibracao(calibracao))
        return falha(FalhaCalibracao);
    if (m_ambiente.sinal && m_ambiente.relogio)
        SinalSonoro(*m_ambiente.sinal, *m_ambiente.relogio);
    editor.preenche(configuracao, naoVolatil, calibracao);
    return true;
}

bool TransferenciaConfiguracao::EnviaConfiguracoes(EditorConfiguracao &editor, CampoConfiguracao *foco)
{
    const std::optional<EnvioConfiguracao> envio = editor.codifica(foco);
    return envio && EnviaConfiguracoes(*envio);
}

bool TransferenciaConfiguracao::EnviaConfiguracoes(const EnvioConfiguracao &envio)
{
    if (!m_datalogger.EnviaConfiguracao(envio.configuracao))
        return falha(FalhaEscritaConfiguracao);
    if (!m_datalogger.EscreveNaoVolateis(envio.naoVolatil))
        return falha(FalhaEscritaNaoVolateis);
    if (m_ambiente.sinal && m_ambiente.relogio)
        SinalSonoro(*m_ambiente.sinal, *m_ambiente.relogio);
    if (m_ambiente.mensagens) {
        const QString texto
            = m_ambiente.catalogo ? m_ambiente.catalogo->texto(Sucesso) : Catalogo::padrao(Sucesso);
        m_ambiente.mensagens->informacao(texto);
    }
    return true;
}
