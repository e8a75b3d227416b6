#include "MonitorOnLine.h"

#include "BlocoCalibracao.h"
#include "BlocoConfiguracao.h"
#include "BlocoLeituras.h"
#include "BlocoNaoVolatil.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "ConversaoLeitura.h"
#include "Espera.h"
#include "FormataDataHora.h"
#include "IMensagens.h"
#include "IRelogio.h"
#include "RotinasSensor.h"
#include "TDatalogger.h"
#include "TextoDecimal.h"

#include <algorithm>
#include <cmath>

namespace {

enum Texto {
    Canal1 = 70,
    FalhaConfiguracao = 136,
    FalhaNaoVolateis = 137,
    FalhaCalibracao = 146,
    AquisicoesRealizadas = 148,
    NenhumSensor = 230,
    FalhaLeituras = 231,
};

const QStringView Janela = u"FrmMonitor";

// Axis value formats by decimal code.
const QString Formatos[4] = { QStringLiteral("####0"), QStringLiteral("###,#000.0"),
    QStringLiteral("##,##00.00"), QStringLiteral("#,###0.000") };

}  // namespace

MonitorOnLine::MonitorOnLine(TDatalogger &datalogger, const Ambiente &ambiente)
    : m_datalogger(datalogger)
    , m_ambiente(ambiente)
{
    for (Canal &c : m_canais)
        c.texto = QStringLiteral(" ");
}

QString MonitorOnLine::catalogo(int numero) const
{
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero, Janela)
                               : Catalogo::padrao(numero, Janela);
}

QChar MonitorOnLine::separador() const
{
    return m_ambiente.regional ? m_ambiente.regional->separadorDecimal : QChar(u',');
}

bool MonitorOnLine::falha(int texto)
{
    m_parado = true;
    // A lost port is said once, by whoever started the monitor, as the
    // collection does.
    if (m_ambiente.mensagens && !m_datalogger.PortaPerdida())
        m_ambiente.mensagens->aviso(catalogo(texto));
    return false;
}

bool MonitorOnLine::FormCreate()
{
    m_parado = false;
    m_contador = 0;
    QByteArray configuracao, calibracao, naoVolatil;
    if (!m_datalogger.LeConfiguracao(configuracao))
        return falha(FalhaConfiguracao);
    if (!m_datalogger.LeCalibracao(calibracao))
        return falha(FalhaCalibracao);
    if (!m_datalogger.LeNaoVolateis(naoVolatil))
        return falha(FalhaNaoVolateis);
    if (m_ambiente.sinal && m_ambiente.relogio)
        SinalSonoro(*m_ambiente.sinal, *m_ambiente.relogio);
    preenche(configuracao, calibracao, naoVolatil);
    if (canaisHabilitados() == 0)
        return falha(NenhumSensor);
    return true;
}

void MonitorOnLine::preenche(
    const QByteArray &configuracao, const QByteArray &calibracao, const QByteArray &naoVolatil)
{
    const BlocoConfiguracao c = BlocoConfiguracao::decodifica(configuracao);
    const BlocoCalibracao k = BlocoCalibracao::decodifica(calibracao);
    const BlocoNaoVolatil n = BlocoNaoVolatil::decodifica(naoVolatil);
    const int codigos[2] = { c.Sensor1, c.Sensor2 };
    const QString tags[2] = { n.Tag1, n.Tag2 };
    const QString unidades[2] = { n.Unidade1, n.Unidade2 };
    const int inferiores[2] = { n.LimiteInferior1, n.LimiteInferior2 };
    const int superiores[2] = { n.LimiteSuperior1, n.LimiteSuperior2 };
    const int offsets[2] = { n.Offset1, n.Offset2 };
    uint16_t w12 = 0;
    for (int i = 0; i < 2; ++i) {
        Canal &canal = m_canais[size_t(i)];
        canal.codigo = codigos[i];
        if (canal.habilitado())
            CoeficientesCalibracao(k.Coeficientes, canal.codigo, i + 1, canal.zero, canal.span, w12);
        canal.tag = tags[i].trimmed();
        canal.unidade = unidades[i].trimmed();
        canal.inferior = inferiores[i];
        canal.superior = superiores[i];
        canal.decimais = c.decimais(i + 1);
        canal.offset = offsets[i];
    }
    m_offsetJuncaoFria = w12;
    m_titulo = n.Titulo.trimmed();
    m_aquisicoesEfetuadas = c.AquisicoesEfetuadas;
}

int MonitorOnLine::canaisHabilitados() const
{
    return int(m_canais[0].habilitado()) + int(m_canais[1].habilitado());
}

int MonitorOnLine::canalDaSerie(int serie) const
{
    if (serie == 0)
        return m_canais[0].habilitado() ? 1 : 2;
    return 2;
}

QString MonitorOnLine::tituloSerie(int serie) const
{
    const int n = canalDaSerie(serie);
    const Canal &c = canal(n);
    return c.tag.isEmpty() ? catalogo(Canal1 + n - 1) : c.tag;
}

QString MonitorOnLine::tituloEixo(int serie) const
{
    return tituloSerie(serie) + QStringLiteral(" (") + canal(canalDaSerie(serie)).unidade
        + QStringLiteral(" )");
}

QString MonitorOnLine::formatoEixo(int serie) const
{
    return Formatos[std::clamp(canal(canalDaSerie(serie)).decimais, 0, 3)];
}

QString MonitorOnLine::tituloEixoTempo() const
{
    return catalogo(AquisicoesRealizadas) + QString::number(m_aquisicoesEfetuadas);
}

MonitorOnLine::Limites MonitorOnLine::limitesCanal(int n) const
{
    const Canal &c = canal(n);
    int inferior = c.inferior, superior = c.superior;
    if (const std::optional<Faixa> faixa = FaixaSensor(c.codigo)) {
        inferior = faixa->baixo;
        superior = faixa->alto;
    }
    // Divided rather than multiplied by 10^-d, so that 9999 with two
    // decimals is exactly 99.99.
    const double escala = std::pow(10.0, c.decimais);
    return { inferior / escala, superior / escala };
}

MonitorOnLine::Limites MonitorOnLine::limitesEixo(int serie, bool escalaUnica) const
{
    const Limites proprio = limitesCanal(canalDaSerie(serie));
    if (!escalaUnica || quantasSeries() < 2)
        return proprio;
    const Limites l1 = limitesCanal(1), l2 = limitesCanal(2);
    return { std::min(l1.inferior, l2.inferior), std::max(l1.superior, l2.superior) };
}

double MonitorOnLine::valor(int n, const BlocoLeituras &leituras) const
{
    const Canal &c = canal(n);
    const int bruto = n == 1 ? leituras.LeituraCanal1 : leituras.LeituraCanal2;
    double v = ConverteLeitura(
        leituras.JuncaoFria, c.codigo, c.zero, bruto, c.span, m_offsetJuncaoFria, c.inferior, c.superior);
    v += c.codigo == CodigoSensor::Pt100 ? c.offset * 0.1 : c.offset;
    return v * std::pow(10.0, -c.decimais);
}

QString MonitorOnLine::textoCanal(int n) const
{
    return canal(n).texto;
}

void MonitorOnLine::Adiciona(int serie, double v, TDateTime instante)
{
    QList<QPointF> &pontos = m_pontos[size_t(serie)];
    if (pontos.size() >= PontosPorSerie)
        pontos.removeFirst();
    pontos.append(QPointF(instante, v));
    Canal &c = m_canais[size_t(canalDaSerie(serie) - 1)];
    char buf[TextoDecimal::TamanhoBuffer];
    const int tamanho = TextoDecimal::leitura(buf, sizeof buf, v, c.codigo & 0x0F, c.decimais, '.');
    QString numero = QString::fromLatin1(buf, tamanho);
    numero.replace(u'.', separador());
    c.texto = tituloSerie(serie) + QStringLiteral(": ") + numero;
}

bool MonitorOnLine::le()
{
    QByteArray bloco;
    if (!m_datalogger.LeLeituras(bloco))
        return falha(FalhaLeituras);
    const BlocoLeituras leituras = BlocoLeituras::decodifica(bloco);
    const TDateTime agora = m_ambiente.relogio ? m_ambiente.relogio->dataHoraAtual() : DataHora::agora();
    const ConfigRegional regional
        = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    m_textoDataHora = FormataDataHora(QStringLiteral("dd/mm/yyyy hh:nn:ss"), agora, regional);
    m_ultima = Leitura { agora, {} };
    for (int serie = 0; serie < quantasSeries(); ++serie) {
        const int n = canalDaSerie(serie);
        const double v = valor(n, leituras);
        Adiciona(serie, v, agora);
        m_ultima.valores.append({ n, v });
    }
    if (aoLer)
        aoLer(m_ultima);
    return true;
}

MonitorOnLine::Passo MonitorOnLine::Timer1Timer()
{
    if (m_parado)
        return Passo::Parado;
    if (++m_contador < 3)
        return le() ? Passo::Leitura : Passo::FalhaLeitura;
    m_contador = 0;
    QByteArray configuracao;
    if (!m_datalogger.LeConfiguracao(configuracao)) {
        falha(FalhaConfiguracao);
        return Passo::FalhaConfiguracao;
    }
    m_aquisicoesEfetuadas = BlocoConfiguracao::decodifica(configuracao).AquisicoesEfetuadas;
    return Passo::Configuracao;
}
