#include "AjusteOffset.h"

#include "BlocoConfiguracao.h"
#include "BlocoNaoVolatil.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "ConverteDataHora.h"
#include "Espera.h"
#include "IMensagens.h"
#include "RotinasSensor.h"
#include "TDatalogger.h"
#include "TextoLimite.h"

#include <algorithm>
#include <cmath>

namespace {

enum Texto {
    FalhaConfiguracao = 136,
    FalhaNaoVolateis = 137,
    FalhaEscrita = 232,
    Sucesso = 233,
    PassoDoOffset = 310,
    OffsetNaoNumerico = 311,
    FaixaDoOffset = 312,
};

const QStringView Janela = u"FormOffset";

}  // namespace

AjusteOffset::AjusteOffset(TDatalogger &datalogger, const Ambiente &ambiente)
    : m_datalogger(datalogger)
    , m_ambiente(ambiente)
{
}

bool AjusteOffset::falha(int numero) const
{
    // A write refused before it was sent says why in its own words.
    if (m_datalogger.EscritaRecusada()) {
        if (m_ambiente.mensagens)
            m_ambiente.mensagens->aviso(m_datalogger.TextoRecusa());
        return false;
    }
    return recusa(numero, {});
}

QChar AjusteOffset::separador() const
{
    return m_ambiente.regional ? m_ambiente.regional->separadorDecimal : QChar(u',');
}

QString AjusteOffset::textoOffset(int contagem, int codigo, int decimais, QChar separador)
{
    return GetLimValue(contagem, decimaisOffset(codigo, decimais), separador);
}

std::optional<int> AjusteOffset::contagemOffset(const QString &texto, int codigo, int decimais)
{
    if (codigo == CodigoSensor::Pt100)
        return LimWithOutComma(texto, 1);
    if (EhTermopar(codigo))
        return ConverteInteiro(texto);
    return LimWithOutComma(texto, decimais);
}

bool AjusteOffset::RecebeConfiguracoes()
{
    QByteArray configuracao, naoVolatil;
    if (!m_datalogger.LeConfiguracao(configuracao))
        return falha(FalhaConfiguracao);
    if (!m_datalogger.LeNaoVolateis(naoVolatil))
        return falha(FalhaNaoVolateis);
    if (m_ambiente.sinal && m_ambiente.relogio)
        SinalSonoro(*m_ambiente.sinal, *m_ambiente.relogio);
    preenche(configuracao, naoVolatil);
    return true;
}

void AjusteOffset::preenche(const QByteArray &configuracao, const QByteArray &naoVolatil)
{
    m_configuracao = configuracao;
    m_naoVolatil = naoVolatil;
    const BlocoConfiguracao c = BlocoConfiguracao::decodifica(configuracao);
    const BlocoNaoVolatil n = BlocoNaoVolatil::decodifica(naoVolatil);
    const int codigos[2] = { c.Sensor1, c.Sensor2 };
    const int offsets[2] = { n.Offset1, n.Offset2 };
    for (int i = 0; i < 2; ++i) {
        m_canal[i].codigo = codigos[i];
        m_canal[i].decimais = c.decimais(i + 1);
        m_canal[i].texto = textoOffset(offsets[i], codigos[i], m_canal[i].decimais, separador());
    }
}

void AjusteOffset::UpDownClick(int canal, bool acima)
{
    Canal &c = m_canal[indice(canal)];
    const std::optional<int> n = contagemOffset(c.texto, c.codigo, c.decimais);
    if (!n)
        return;
    const int novo = std::clamp(*n + (acima ? 1 : -1), Minimo, Maximo);
    c.texto = textoOffset(novo, c.codigo, c.decimais, separador());
}

int AjusteOffset::decimaisOffset(int codigo, int decimais)
{
    if (codigo == CodigoSensor::Pt100)
        return 1;
    return EhTermopar(codigo) ? 0 : decimais;
}

bool AjusteOffset::recusa(int numero, const QStringList &argumentos) const
{
    if (m_ambiente.mensagens) {
        const QString t = m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero, Janela)
                                              : Catalogo::padrao(numero, Janela);
        // In one pass, so that a typed "%2" is not taken for a place.
        m_ambiente.mensagens->aviso(argumentos.size() == 2 ? t.arg(argumentos[0], argumentos[1])
                : argumentos.size() == 1                   ? t.arg(argumentos[0])
                                                           : t);
    }
    return false;
}

bool AjusteOffset::defineTexto(int canal, const QString &texto)
{
    Canal &c = m_canal[indice(canal)];
    if (!visivel(canal))
        return false;
    const QChar s = separador();
    QString t = texto.trimmed();
    t.replace(u'.', s);
    const std::optional<double> valor = ConverteReal(t, s);
    if (!valor)
        return recusa(OffsetNaoNumerico, { texto.trimmed() });
    // Only whole steps of the channel's last shown digit: a finer value
    // would be rounded without a word.
    const int d = decimaisOffset(c.codigo, c.decimais);
    const double passos = *valor * std::pow(10.0, d);
    const double inteiro = std::round(passos);
    if (std::fabs(passos - inteiro) > 1e-6)
        return recusa(PassoDoOffset, { GetLimValue(1, d, s) });
    if (inteiro < Minimo || inteiro > Maximo)
        return recusa(FaixaDoOffset, { GetLimValue(Minimo, d, s), GetLimValue(Maximo, d, s) });
    c.texto = textoOffset(int(inteiro), c.codigo, c.decimais, s);
    return true;
}

QByteArray AjusteOffset::bloco() const
{
    BlocoNaoVolatil n = BlocoNaoVolatil::decodifica(m_naoVolatil);
    int *offsets[2] = { &n.Offset1, &n.Offset2 };
    for (int i = 0; i < 2; ++i) {
        const Canal &c = m_canal[i];
        if (c.codigo < 128)
            continue;  // a channel without sensor keeps its byte as read
        const std::optional<int> contagem = contagemOffset(c.texto, c.codigo, c.decimais);
        if (contagem)
            *offsets[i] = std::clamp(*contagem, Minimo, Maximo);
    }
    return n.atualiza(m_naoVolatil, BlocoNaoVolatil::Campo::Offsets);
}

bool AjusteOffset::BitBtnOffsetClick()
{
    const QByteArray novo = bloco();
    if (!m_datalogger.EscreveNaoVolateis(novo))
        return falha(FalhaEscrita);
    m_naoVolatil = novo;
    if (m_ambiente.sinal && m_ambiente.relogio)
        SinalSonoro(*m_ambiente.sinal, *m_ambiente.relogio);
    if (m_ambiente.mensagens)
        m_ambiente.mensagens->informacao(m_ambiente.catalogo ? m_ambiente.catalogo->texto(Sucesso, Janela)
                                                             : Catalogo::padrao(Sucesso, Janela));
    return true;
}
