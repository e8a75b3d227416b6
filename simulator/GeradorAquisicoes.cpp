#include "GeradorAquisicoes.h"

#include "BlocoLeituras.h"
#include "ConversaoLeitura.h"
#include "RotinasSensor.h"
#include "TarvekSimulado.h"

#include <cmath>

namespace {

constexpr int ContagemMaxima = 4095;

// Shown values follow the collection: (converted + offset x f) x 10^-d,
// with f 0.1 for Pt100.
double fatorOffset(int sensor)
{
    return sensor == CodigoSensor::Pt100 ? 0.1 : 1.0;
}

}  // namespace

GeradorAquisicoes::GeradorAquisicoes(const DescricaoTarvek &descricao)
    : m_d(descricao)
{
    for (int c = 0; c < 2; ++c) {
        uint16_t w12 = 0;
        int a = 0;
        int b = 0;
        if (m_d.canais[c].habilitado())
            CoeficientesCalibracao(m_d.coeficientes, m_d.canais[c].sensor, c + 1, a, b, w12);
        m_zero[c] = a;
        m_span[c] = b;
    }
    m_offsetJuncaoFria = m_d.coeficientes[12];
}

int GeradorAquisicoes::juncaoFriaDoCanal(int canal) const
{
    return EhTermopar(m_d.canais[canal].sensor) ? m_d.juncaoFria : 0;
}

double GeradorAquisicoes::valorExibido(int canal, int contagem) const
{
    const CanalDescrito &c = m_d.canais[canal];
    const double convertido = ConverteLeitura(juncaoFriaDoCanal(canal), c.sensor, m_zero[canal], contagem,
        m_span[canal], m_offsetJuncaoFria, c.limiteInferior, c.limiteSuperior);
    return (convertido + c.offset * fatorOffset(c.sensor)) * std::pow(10.0, -c.decimais);
}

int GeradorAquisicoes::contagemPara(int canal, double valor) const
{
    // The conversion rises with the count: find the first count at or
    // above the value, then take the nearer of it and the one below.
    int baixo = 0;
    int alto = ContagemMaxima + 1;
    while (baixo < alto) {
        const int meio = (baixo + alto) / 2;
        if (valorExibido(canal, meio) >= valor)
            alto = meio;
        else
            baixo = meio + 1;
    }
    if (baixo > ContagemMaxima)
        return ContagemMaxima;
    if (baixo > 0
        && std::abs(valorExibido(canal, baixo - 1) - valor) <= std::abs(valorExibido(canal, baixo) - valor))
        return baixo - 1;
    return baixo;
}

int GeradorAquisicoes::contagemDaAquisicao(int canal, int k, int n) const
{
    const CanalDescrito &c = m_d.canais[canal];
    if (!c.habilitado())
        return -1;
    const std::optional<double> v = c.aquisicoes.valor(k, n, k * m_d.periodoAquisicoes());
    if (!v)
        return -1;
    if (c.aquisicoes.bruta())
        return std::clamp(int(std::lround(*v)), 0, ContagemMaxima);
    return contagemPara(canal, *v);
}

QByteArray GeradorAquisicoes::empacota(int sensor1, int sensor2, int contagem1, int contagem2, int juncaoFria)
{
    auto poe = [](QByteArray &b, int contagem) {
        if (contagem < 0) {
            b.append(char(0xFF));
            b.append(char(0xFF));
        } else {
            b.append(char((contagem >> 8) & 0x0F));
            b.append(char(contagem & 0xFF));
        }
    };
    const bool termopar = EhTermopar(sensor1) || EhTermopar(sensor2);
    QByteArray b;
    if (sensor1 >= 128 && sensor2 >= 128) {
        const int jf = termopar ? juncaoFria : 0;
        poe(b, contagem1);
        poe(b, contagem2);
        if (contagem1 >= 0)
            b[0] = char(uint8_t(b[0]) | (jf & 0xF0));
        if (contagem2 >= 0)
            b[2] = char(uint8_t(b[2]) | ((jf & 0x0F) << 4));
        return b;
    }
    poe(b, sensor1 >= 128 ? contagem1 : contagem2);
    if (termopar)
        b.append(char(juncaoFria));
    return b;
}

GeradorAquisicoes::Memoria GeradorAquisicoes::geraMemoria() const
{
    Memoria m;
    m.imagem = QByteArray(m_d.memoria, char(0xFF));
    m.imagem.replace(
        0, TarvekSimulado::InicioAreaAquisicoes, QByteArray(TarvekSimulado::InicioAreaAquisicoes, '\0'));
    const int a = m_d.bytesPorAquisicao();
    const int area = m_d.memoria - TarvekSimulado::InicioAreaAquisicoes;
    const int capacidade = m_d.capacidade();
    if (a == 0 || capacidade == 0)
        return m;
    // A memory that stops keeps the first acquisitions; a circular one the
    // latest, written on from where the older ones were.
    const int n = m_d.circular() ? m_d.quantidade : std::min(m_d.quantidade, capacidade);
    const int mantidas = std::min(n, capacidade);
    const int primeira = n - mantidas;
    m.efetuadas = mantidas;
    m.inicioCircular = m_d.inicioCircular.value_or(int((int64_t(primeira) * a) % area)) % area;
    for (int j = 0; j < mantidas; ++j) {
        const int k = primeira + j;
        const QByteArray b = empacota(m_d.canais[0].sensor, m_d.canais[1].sensor,
            contagemDaAquisicao(0, k, n), contagemDaAquisicao(1, k, n), m_d.juncaoFria);
        const int64_t inicio = m.inicioCircular + int64_t(j) * a;
        for (int i = 0; i < b.size(); ++i)
            m.imagem[TarvekSimulado::InicioAreaAquisicoes + int((inicio + i) % area)] = b[i];
    }
    return m;
}

QByteArray GeradorAquisicoes::leiturasEm(const QDateTime &relogio, const QDateTime &ultima) const
{
    const double periodo = m_d.periodoAquisicoes();
    const double t = std::max(0, m_d.quantidade - 1) * periodo + ultima.msecsTo(relogio) / 1000.0;
    const int k = periodo > 0 ? int(t / periodo) : 0;
    BlocoLeituras l;
    int *leitura[2] = { &l.LeituraCanal1, &l.LeituraCanal2 };
    for (int c = 0; c < 2; ++c) {
        const CanalDescrito &canal = m_d.canais[c];
        if (!canal.habilitado())
            continue;
        if (canal.contagemAtual) {
            *leitura[c] = *canal.contagemAtual;
        } else if (canal.leituraAtual) {
            *leitura[c] = contagemPara(c, *canal.leituraAtual);
        } else {
            const std::optional<double> v = canal.aquisicoes.valor(k, k + 1, t);
            if (v)
                *leitura[c] = canal.aquisicoes.bruta() ? int(std::lround(*v)) : contagemPara(c, *v);
        }
    }
    l.JuncaoFria = m_d.juncaoFria;
    return l.codifica();
}
