#include "DescricaoTarvek.h"

#include "BlocoCalibracao.h"
#include "BlocoConfiguracao.h"
#include "BlocoNaoVolatil.h"
#include "Bytes.h"
#include "GeradorAquisicoes.h"
#include "LeitorDescricao.h"
#include "TarvekSimulado.h"

#include <QtMath>

#include <cmath>
#include <memory>

std::optional<double> FormaOnda::valor(int k, int n, double t) const
{
    switch (tipo) {
    case Tipo::Nenhuma:
        return std::nullopt;
    case Tipo::Constante:
        return minimo;
    case Tipo::Seno: {
        const double meio = (minimo + maximo) / 2;
        const double amplitude = (maximo - minimo) / 2;
        return meio + amplitude * std::sin(2 * M_PI * (t + fase) / (periodo > 0 ? periodo : 1));
    }
    case Tipo::Rampa:
        return n <= 1 ? minimo : minimo + (maximo - minimo) * k / (n - 1);
    case Tipo::Valores:
    case Tipo::Contagens:
        if (lista.isEmpty() || k < 0)
            return std::nullopt;
        return lista.at(k % lista.size());
    }
    return std::nullopt;
}

std::optional<DescricaoTarvek> DescricaoTarvek::interpreta(const QByteArray &json, QString *erro)
{
    return LeitorDescricao(json).le(erro);
}

double DescricaoTarvek::periodoAquisicoes() const
{
    if (intervalo == 0)
        return 0.5;
    return ((intervalo + 1) / 2) * double(leiturasPorAquisicao);
}

int DescricaoTarvek::bytesPorAquisicao() const
{
    if (!canais[0].habilitado() && !canais[1].habilitado())
        return 0;
    return TamanhoAquisicao(canais[0].sensor, canais[1].sensor);
}

int DescricaoTarvek::capacidade() const
{
    const int a = bytesPorAquisicao();
    return a == 0 ? 0 : std::max(0, memoria - TarvekSimulado::InicioAreaAquisicoes) / a;
}

DescricaoTarvek DescricaoTarvek::padrao()
{
    DescricaoTarvek d;
    d.modelo = 2;
    d.numeroSerie = 157920;
    d.firmware = 0x13;
    d.titulo = QStringLiteral("Estufa 2 - ensaio");
    d.intervalo = 60 * 2 - 1;
    d.leiturasPorAquisicao = 1;
    CanalDescrito &c1 = d.canais[0];
    c1.sensor = 128;  // thermocouple J
    c1.tag = QStringLiteral("Estufa");
    c1.unidade = QStringLiteral("°C");
    c1.limiteInferior = -50;
    c1.limiteSuperior = 760;
    c1.aquisicoes.tipo = FormaOnda::Tipo::Seno;
    c1.aquisicoes.minimo = 20;
    c1.aquisicoes.maximo = 80;
    c1.aquisicoes.periodo = 4 * 3600;
    CanalDescrito &c2 = d.canais[1];
    c2.sensor = 137;  // 4-20 mA
    c2.tag = QStringLiteral("Umidade");
    c2.unidade = QStringLiteral("%");
    c2.decimais = 1;
    c2.limiteInferior = 0;
    c2.limiteSuperior = 1000;
    c2.aquisicoes.tipo = FormaOnda::Tipo::Rampa;
    c2.aquisicoes.minimo = 35;
    c2.aquisicoes.maximo = 65;
    d.quantidade = 300;
    d.desdeUltima = 40;
    d.bateria = 9000;
    d.trocaBateria = QDateTime(QDate(2026, 3, 2), QTime(14, 30));
    return d;
}

namespace {

QByteArray blocoCalibracao(const DescricaoTarvek &d)
{
    BlocoCalibracao c;
    c.Coeficientes = d.coeficientes;
    c.Modelo = d.modelo;
    c.NumeroSerie = d.numeroSerie;
    c.NaoInterpretados = d.naoInterpretados;
    c.Reservado35 = d.reservado35;
    c.Firmware = d.firmware;
    return c.codifica();
}

QByteArray blocoConfiguracao(const DescricaoTarvek &d, const GeradorAquisicoes::Memoria &m)
{
    BlocoConfiguracao c;
    c.Sensor1 = d.canais[0].sensor;
    c.Sensor2 = d.canais[1].sensor;
    c.Intervalo = d.intervalo;
    c.AtrasoInicio = d.atrasoInicio;
    c.Parada = d.parada;
    c.LeiturasPorAquisicao = d.leiturasPorAquisicao;
    c.Modos = CodificaModos(d.canais[0].modo, d.canais[1].modo);
    c.Medidas = NumeroDeMedidas(d.canais[0].sensor, d.canais[1].sensor);
    c.defineDecimais(d.canais[0].decimais, d.canais[1].decimais);
    c.Memoria = d.memoriaDeclarada.value_or(d.memoria);
    c.AquisicoesEfetuadas = d.aquisicoesEfetuadas.value_or(m.efetuadas);
    c.InicioCircular = m.inicioCircular;
    c.DesdeUltima = d.desdeUltima;
    c.Bateria = d.bateria;
    return c.codificaCompleto();
}

QByteArray blocoNaoVolatil(const DescricaoTarvek &d)
{
    QByteArray base(BlocoNaoVolatil::Tamanho, '\0');
    base.replace(76, 42, d.naoVolatilReservado.leftJustified(42, '\0', true));
    BlocoNaoVolatil n;
    n.Titulo = d.titulo;
    n.Tag1 = d.canais[0].tag;
    n.Tag2 = d.canais[1].tag;
    n.Unidade1 = d.canais[0].unidade;
    n.Unidade2 = d.canais[1].unidade;
    n.LimiteInferior1 = d.canais[0].limiteInferior;
    n.LimiteSuperior1 = d.canais[0].limiteSuperior;
    n.LimiteInferior2 = d.canais[1].limiteInferior;
    n.LimiteSuperior2 = d.canais[1].limiteSuperior;
    n.Offset1 = d.canais[0].offset;
    n.Offset2 = d.canais[1].offset;
    if (d.trocaBateria.isValid())
        n.defineDataBateria(d.trocaBateria);
    using C = BlocoNaoVolatil::Campo;
    return n.atualiza(base, C::Textos | C::Limites | C::Offsets | C::DataBateria);
}

}  // namespace

bool DescricaoTarvek::aplica(
    TarvekSimulado &tarvek, int64_t instanteMs, const QDateTime &agora, QString *erro) const
{
    if (memoria <= TarvekSimulado::InicioAreaAquisicoes || memoria > TarvekSimulado::MemoriaMaxima) {
        if (erro)
            *erro = QStringLiteral("memória de %1 bytes: deve ter de 163 a 32768").arg(memoria);
        return false;
    }
    const GeradorAquisicoes::Memoria m = GeradorAquisicoes(*this).geraMemoria();
    QByteArray imagem = m.imagem;
    for (const Remendo &r : remendosMemoria) {
        if (r.endereco < 0 || r.endereco + r.bytes.size() > imagem.size()) {
            if (erro)
                *erro = QStringLiteral("bytes fora da memória no endereço %1").arg(r.endereco);
            return false;
        }
        imagem.replace(r.endereco, r.bytes.size(), r.bytes);
    }
    tarvek.defineMemoria(imagem);
    tarvek.defineCalibracao(blocos.value(QStringLiteral("calibracao"), blocoCalibracao(*this)));
    tarvek.defineNaoVolatil(blocos.value(QStringLiteral("naoVolatil"), blocoNaoVolatil(*this)));

    const QDateTime r = relogio.value_or(agora);
    QDateTime ultima(r.date(), r.time(), Qt::UTC);
    ultima = ultima.addMSecs(-int64_t(desdeUltima) * 500);
    const QByteArray configuracao = blocos.value(QStringLiteral("configuracao"), blocoConfiguracao(*this, m));
    tarvek.defineConfiguracao(configuracao);
    tarvek.defineMemoriaDeclarada(Bytes::be16(configuracao, 21));
    tarvek.defineRelogio(r, instanteMs);
    tarvek.defineDesdeUltima(Bytes::be24(configuracao, 27));
    if (blocos.contains(QStringLiteral("leituras"))) {
        tarvek.defineLeituras(blocos.value(QStringLiteral("leituras")));
        tarvek.defineGeradorLeituras({});
    } else {
        auto copia = std::make_shared<DescricaoTarvek>(*this);
        tarvek.defineGeradorLeituras([copia, ultima](const QDateTime &agoraNoTarvek) {
            return GeradorAquisicoes(*copia).leiturasEm(agoraNoTarvek, ultima);
        });
    }
    tarvek.defineAquisicaoContinua(
        [copia = std::make_shared<DescricaoTarvek>(*this)](int k) {
            const GeradorAquisicoes g(*copia);
            const int n = std::max(copia->quantidade, k + 1);
            return std::array<int, 2> { g.contagemDaAquisicao(0, k, n), g.contagemDaAquisicao(1, k, n) };
        },
        quantidade, juncaoFria);
    tarvek.defineAquisicoesEncerradas(encerradas);
    tarvek.limpaFalhas();
    for (const FalhaSimulada &f : falhas)
        tarvek.injetaFalha(f);
    tarvek.defineCadencia(cadencia);
    tarvek.defineLatencia(latenciaMs);
    return true;
}
