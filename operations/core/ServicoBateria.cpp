#include "ServicoBateria.h"

#include "BlocoConfiguracao.h"
#include "BlocoNaoVolatil.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "ConverteDataHora.h"
#include "Espera.h"
#include "IMensagens.h"
#include "TDatalogger.h"
#include "Validacao.h"

namespace {

enum Texto {
    FalhaConfiguracao = 136,
    FalhaNaoVolateis = 137,
    Restam = 138,
    DaCarga = 139,
    ErroData = 140,
    FalhaEscrita = 141,
    Sucesso = 142,
    AnoForaDoByte = 313,
};

const QStringView Janela = u"FrmBateria";

QString texto(const Ambiente &ambiente, int numero)
{
    return ambiente.catalogo ? ambiente.catalogo->texto(numero, Janela) : Catalogo::padrao(numero, Janela);
}

// Two characters for the masked fields; a value of more digits does not
// fit them.
QString doisDigitos(int valor)
{
    return valor > 9 ? QString::number(valor) : QStringLiteral("0") + QString::number(valor);
}

int numero(const QString &texto, int inicio, int tamanho)
{
    return ConverteInteiro(QStringView(texto).mid(inicio, tamanho)).value_or(0);
}

}  // namespace

ServicoBateria::ServicoBateria(TDatalogger &datalogger, const Ambiente &ambiente)
    : m_datalogger(datalogger)
    , m_ambiente(ambiente)
{
}

bool ServicoBateria::falha(int numero) const
{
    if (m_ambiente.mensagens) {
        // A write refused before it was sent says why in its own words.
        m_ambiente.mensagens->aviso(
            m_datalogger.EscritaRecusada() ? m_datalogger.TextoRecusa() : texto(m_ambiente, numero));
    }
    return false;
}

bool ServicoBateria::RecebeConfiguracoes()
{
    if (!m_datalogger.LeConfiguracao(m_configuracao))
        return falha(FalhaConfiguracao);
    if (!m_datalogger.LeNaoVolateis(m_naoVolatil))
        return falha(FalhaNaoVolateis);
    if (m_ambiente.sinal && m_ambiente.relogio)
        SinalSonoro(*m_ambiente.sinal, *m_ambiente.relogio);
    return true;
}

ServicoBateria::Textos ServicoBateria::textos(
    const QByteArray &configuracao, const QByteArray &naoVolatil, const Ambiente &ambiente)
{
    const BlocoNaoVolatil n = BlocoNaoVolatil::decodifica(naoVolatil);
    const ConfigRegional regional
        = ambiente.regional ? *ambiente.regional : ConfigRegional::portuguesBrasil();
    Textos t;
    const QString hora = doisDigitos(n.HoraBateria), minuto = doisDigitos(n.MinutoBateria);
    const QString dia = doisDigitos(n.DiaBateria), mes = doisDigitos(n.MesBateria);
    t.dataValida = hora.size() == 2 && minuto.size() == 2 && dia.size() == 2 && mes.size() == 2;
    if (t.dataValida) {
        t.data = dia + regional.separadorData + mes + regional.separadorData + QString::number(n.AnoBateria);
        t.hora = hora + regional.separadorHora + minuto;
    }
    t.carga = BlocoConfiguracao::decodifica(configuracao).cargaBateria();
    // The number is always written, 0 included.
    t.consumo = texto(ambiente, Restam) + QString::number(t.carga) + texto(ambiente, DaCarga);
    return t;
}

ServicoBateria::Textos ServicoBateria::mostra() const
{
    const Textos t = textos(m_configuracao, m_naoVolatil, m_ambiente);
    if (!t.dataValida && m_ambiente.mensagens)
        m_ambiente.mensagens->aviso(texto(m_ambiente, ErroData));
    return t;
}

bool ServicoBateria::ValidaTudo(const QString &data, const QString &hora, int *campoRecusado) const
{
    if (!ValidaData(data, m_ambiente)) {
        if (campoRecusado)
            *campoRecusado = 0;
        return false;
    }
    // A year that the logger's byte cannot give back would read back as
    // another year.
    const int ano = numero(data, 6, 4);
    if (ano < BlocoNaoVolatil::AnoBateriaMinimo || ano > BlocoNaoVolatil::AnoBateriaMaximo) {
        if (m_ambiente.mensagens)
            m_ambiente.mensagens->aviso(texto(m_ambiente, AnoForaDoByte)
                                            .arg(BlocoNaoVolatil::AnoBateriaMinimo)
                                            .arg(BlocoNaoVolatil::AnoBateriaMaximo));
        if (campoRecusado)
            *campoRecusado = 0;
        return false;
    }
    if (!ValidaHoraMinuto(hora, m_ambiente)) {
        if (campoRecusado)
            *campoRecusado = 1;
        return false;
    }
    return true;
}

QByteArray ServicoBateria::comDataBateria(
    const QByteArray &naoVolatil, const QString &data, const QString &hora)
{
    BlocoNaoVolatil n;
    n.HoraBateria = numero(hora, 0, 2);
    n.MinutoBateria = numero(hora, 3, 2);
    n.DiaBateria = numero(data, 0, 2);
    n.MesBateria = numero(data, 3, 2);
    // Stored as one byte counted from 1998 (atualiza keeps the low 8 bits).
    n.AnoBateria = numero(data, 6, 4);
    return n.atualiza(naoVolatil, BlocoNaoVolatil::Campo::DataBateria);
}

QByteArray ServicoBateria::bloco(const QString &data, const QString &hora) const
{
    return comDataBateria(m_naoVolatil, data, hora);
}

bool ServicoBateria::grava(const QString &data, const QString &hora)
{
    const QByteArray novo = bloco(data, hora);
    if (!m_datalogger.EscreveNaoVolateis(novo))
        return falha(FalhaEscrita);
    m_naoVolatil = novo;
    if (m_ambiente.sinal && m_ambiente.relogio)
        SinalSonoro(*m_ambiente.sinal, *m_ambiente.relogio);
    if (m_ambiente.mensagens)
        m_ambiente.mensagens->informacao(texto(m_ambiente, Sucesso));
    return true;
}
