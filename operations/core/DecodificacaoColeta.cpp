#include "DecodificacaoColeta.h"

#include "BlocoCalibracao.h"
#include "BlocoConfiguracao.h"
#include "BlocoNaoVolatil.h"
#include "Catalogo.h"
#include "ConversaoLeitura.h"
#include "DataHora.h"
#include "Instantes.h"
#include "Real48.h"
#include "RotinasBytes.h"
#include "RotinasSensor.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// A sensor code with bit 7 clear is no sensor at all.
int codigoUsado(int codigo)
{
    return (codigo & 0x80) != 0 ? codigo : 0;
}

// The interval between stored acquisitions in seconds, 0 in the
// half-second mode, from the interval field and the readings per
// acquisition.
double intervaloAquisicoes(int intervalo, int leiturasPorAquisicao)
{
    const int r = intervalo + 1;  // half seconds between readings
    if ((r % 7200) % 120 == 1)
        return 0.0;
    return double(r / 2) * leiturasPorAquisicao;
}

// The logger's memory image, read within its acquisition area.
class Imagem
{
public:
    Imagem(const QByteArray &bytes, int memoria)
        : m_bytes(bytes)
        , m_memoria(memoria)
        , m_area(memoria - DecodificacaoColeta::InicioArea)
    {
    }

    uint8_t operator[](int endereco) const
    {
        return endereco < m_bytes.size() ? uint8_t(m_bytes[endereco]) : 0;
    }
    int memoria() const { return m_memoria; }
    bool naArea(int endereco) const
    {
        return endereco >= DecodificacaoColeta::InicioArea && endereco < m_memoria;
    }
    // A position at or past the end continues at the area's start, as a
    // plain circular area does.
    int circular(int endereco) const
    {
        return DecodificacaoColeta::InicioArea + (endereco - DecodificacaoColeta::InicioArea) % m_area;
    }
    // Where the logger's wrap rule points (alvo) when it lands inside the
    // area; the plain circular continuation of posicao otherwise.
    int regra(int alvo, int posicao) const { return naArea(alvo) ? alvo : circular(posicao); }

private:
    const QByteArray &m_bytes;
    int m_memoria;
    int m_area;
};

struct Calibracao
{
    int zero1 = 0, span1 = 0, zero2 = 0, span2 = 0;
    int offsetJuncaoFria = 0;
};

Calibracao paresCalibracao(const DecodificacaoColeta::Plano &p, const QByteArray &calibracao)
{
    QByteArray invertido = calibracao;
    InverteWords13(invertido);
    Calibracao c;
    uint16_t w12 = 0;
    const bool doisCanais = p.cabecalho.NumCanais != 1;
    if (doisCanais || p.cabecalho.SensorCanal1 != -1)
        CoeficientesCalibracao(invertido, p.codigo1, 1, c.zero1, c.span1, w12);
    if (doisCanais || p.cabecalho.SensorCanal2 != -1)
        CoeficientesCalibracao(invertido, p.codigo2, 2, c.zero2, c.span2, w12);
    c.offsetJuncaoFria = w12;
    return c;
}

// (valor + offset x f) x 10^-decimais, f being 0.1 for Pt100, whose offset
// is kept in tenths. Worked out once per channel.
class Ajuste
{
public:
    Ajuste(int offset, int sensor, int decimais)
        : m_deslocamento(offset * (sensor == CodigoSensor::Pt100 - 128 ? 0.1L : 1.0L))
        , m_escala(std::pow(10.0L, -decimais))
    {
    }
    double operator()(double valor) const
    {
        return Real48::arredondaEstendido((valor + m_deslocamento) * m_escala);
    }

private:
    long double m_deslocamento;
    long double m_escala;
};

}  // namespace

DecodificacaoColeta::Plano DecodificacaoColeta::planeja(const QByteArray &configuracao,
    const QByteArray &naoVolatil, const QByteArray &calibracao, bool forcaColeta)
{
    const BlocoConfiguracao c = BlocoConfiguracao::decodifica(configuracao);
    Plano p;
    p.memoria = c.Memoria;
    if (c.Memoria > MemoriaMaxima) {
        p.falha = MemoriaGrande;
        return p;
    }
    preencheCabecalho(p, configuracao, naoVolatil, calibracao);
    if (p.cabecalho.NumCanais == 0) {
        p.falha = SemCanal;
        return p;
    }
    p.tamanho = TamanhoAquisicao(p.codigo1, p.codigo2);
    const int area = c.Memoria - InicioArea;
    // A memory whose area cannot hold one acquisition has stored nothing.
    p.capacidade = area >= p.tamanho ? area / p.tamanho : 0;
    int armazenadas = c.AquisicoesEfetuadas;
    if (p.capacidade == 0)
        armazenadas = 0;
    if (forcaColeta)
        armazenadas = p.capacidade;
    p.quantidade = armazenadas;
    if (p.quantidade == 0) {
        p.falha = SemAquisicoes;
        return p;
    }
    datas(p, configuracao);
    if (p.falha != Nenhuma)
        return p;
    p.cabecalho.Capacidade = p.capacidade;
    p.divisao = forcaColeta ? 0 : area - armazenadas * p.tamanho;
    p.inicio = InicioArea + c.InicioCircular;
    if (p.inicio >= c.Memoria)
        p.inicio = InicioArea + c.InicioCircular % area;
    p.paginas = contaPaginas(p, armazenadas, c.nuncaPara());
    return p;
}

void DecodificacaoColeta::preencheCabecalho(
    Plano &p, const QByteArray &configuracao, const QByteArray &naoVolatil, const QByteArray &calibracao)
{
    const BlocoConfiguracao c = BlocoConfiguracao::decodifica(configuracao);
    const BlocoNaoVolatil n = BlocoNaoVolatil::decodifica(naoVolatil);
    const BlocoCalibracao k = BlocoCalibracao::decodifica(calibracao);
    TAquisicao &a = p.cabecalho;
    a.NumeroSerie = int32_t(k.NumeroSerie);
    a.Calib35 = k.Reservado35;
    a.Firmware = k.Firmware;
    a.LeiturasPorAquisicao = c.LeiturasPorAquisicao;
    a.Titulo = n.Titulo;
    a.NomeCanal1 = n.Tag1;
    a.NomeCanal2 = n.Tag2;
    a.UnidadeCanal1 = n.Unidade1;
    a.UnidadeCanal2 = n.Unidade2;
    a.LimInfCanal1 = n.LimiteInferior1;
    a.LimSupCanal1 = n.LimiteSuperior1;
    a.LimInfCanal2 = n.LimiteInferior2;
    a.LimSupCanal2 = n.LimiteSuperior2;
    a.OffsetCanal1 = n.Offset1;
    a.OffsetCanal2 = n.Offset2;
    a.defineIntervalo(intervaloAquisicoes(c.Intervalo, c.LeiturasPorAquisicao));

    p.codigo1 = codigoUsado(c.Sensor1);
    p.codigo2 = codigoUsado(c.Sensor2);
    a.NumCanais = (p.codigo1 != 0 ? 1 : 0) + (p.codigo2 != 0 ? 1 : 0);
    a.ModoCanal1 = ModoDoCanal(uint8_t(c.Modos), 1);
    a.ModoCanal2 = ModoDoCanal(uint8_t(c.Modos), 2);
    a.SensorCanal1 = p.codigo1 != 0 ? (p.codigo1 & 0x0F) : -1;
    a.SensorCanal2 = p.codigo2 != 0 ? (p.codigo2 & 0x0F) : -1;
    a.DecimaisCanal1 = c.PontoDecimal & 0x03;
    a.DecimaisCanal2 = (c.PontoDecimal >> 2) & 0x03;
    a.FimAposLeituras = c.Parada;
}

void DecodificacaoColeta::datas(Plano &p, const QByteArray &configuracao)
{
    const BlocoConfiguracao c = BlocoConfiguracao::decodifica(configuracao);
    const auto fim = DataHora::codifica(c.Ano, c.Mes, c.Dia, c.Hora, c.Minuto, c.Segundo);
    if (!fim) {
        p.falha = RelogioInvalido;
        return;
    }
    TAquisicao &a = p.cabecalho;
    a.Fim = *fim;
    const qint64 desde = c.DesdeUltima;  // half seconds since the latest
    const qint64 antes = p.quantidade - 1;
    qint64 segundos
        = a.meioSegundo() ? (desde + antes) / 2 : qint64(a.IntervaloAquisicoes() * double(antes)) + desde / 2;
    // Beyond 68 years the logger's clock cannot have run: stop there.
    segundos = std::clamp<qint64>(segundos, 0, INT_MAX);
    a.Inicio = SubtraiSegundos(int(segundos), a.Fim);
    // Firmware 1.0 stamps its first acquisition a second late.
    if (TextoVersao(uint8_t(a.Firmware)) == QLatin1String("1.0")
        && DataHora::decodifica(a.Inicio).segundo == 1)
        a.Inicio = SubtraiSegundos(1, a.Inicio);
}

int DecodificacaoColeta::contaPaginas(const Plano &p, int armazenadas, bool circular)
{
    const int todas = (p.memoria + TamanhoPagina - 1) / TamanhoPagina;
    if (armazenadas > p.capacidade && circular)
        return todas;
    const qint64 ultimo = p.inicio + qint64(p.quantidade) * p.tamanho - 1;
    if (ultimo >= p.memoria)
        return todas;
    return int(ultimo / TamanhoPagina) + 1;
}

TAquisicao DecodificacaoColeta::decodifica(
    const Plano &p, const QByteArray &calibracao, const QByteArray &imagem)
{
    TAquisicao a = p.cabecalho;
    a.limpaLeituras();
    if (p.falha != Nenhuma || p.quantidade <= 0)
        return a;
    const Calibracao k = paresCalibracao(p, calibracao);
    const Imagem m(imagem, p.memoria);
    const int fim = p.memoria;
    const bool umCanal = a.NumCanais == 1;
    const bool juncaoFria = EhTermopar(p.codigo1) || EhTermopar(p.codigo2);
    const Ajuste ajusta1(a.OffsetCanal1, a.SensorCanal1, a.DecimaisCanal1);
    const Ajuste ajusta2(a.OffsetCanal2, a.SensorCanal2, a.DecimaisCanal2);
    a.reservaLeituras(p.quantidade);
    int i = p.inicio;
    for (int n = 0; n < p.quantidade; ++n) {
        double canal1 = 0.0;
        double canal2 = 0.0;
        if (umCanal) {
            const uint8_t b0 = m[i];
            const uint8_t b1 = i + 1 >= fim ? m[InicioArea] : m[i + 1];
            const bool primeiro = p.codigo1 != 0;
            const int codigo = primeiro ? p.codigo1 : p.codigo2;
            const int zero = primeiro ? k.zero1 : k.zero2;
            const int span = primeiro ? k.span1 : k.span2;
            const int inferior = primeiro ? a.LimInfCanal1 : a.LimInfCanal2;
            const int superior = primeiro ? a.LimSupCanal1 : a.LimSupCanal2;
            double valor = 0.0;
            if (EhTermopar(codigo)) {
                const uint8_t cj = i + 2 >= fim ? m[m.regra(164 - p.divisao, i + 2)] : m[i + 2];
                valor
                    = ConverteCanalCJ(b0, b1, cj, codigo, zero, span, k.offsetJuncaoFria, inferior, superior);
            } else {
                valor = ConverteCanal(b0, b1, codigo, zero, span, k.offsetJuncaoFria, inferior, superior);
            }
            (primeiro ? canal1 : canal2) = valor;
        } else {
            uint8_t b[4];
            for (int j = 0; j < 4; ++j)
                b[j] = m[i + j];
            if (i + 1 >= fim) {
                b[1] = m[InicioArea];
                b[2] = m[InicioArea + 1];
                b[3] = m[InicioArea + 2];
            } else if (i + 2 >= fim) {
                b[2] = m[InicioArea];
                b[3] = m[InicioArea + 1];
            } else if (i + 3 >= fim) {
                b[3] = m[InicioArea];
            }
            ConverteDoisCanais(canal1, canal2, juncaoFria, b[0], b[1], b[2], b[3], p.codigo1, p.codigo2,
                k.zero1, k.span1, k.zero2, k.span2, k.offsetJuncaoFria, a.LimInfCanal1, a.LimSupCanal1,
                a.LimInfCanal2, a.LimSupCanal2);
        }
        a.adicionaLeitura(ajusta1(canal1), ajusta2(canal2));
        i += p.tamanho;
        if (i >= fim)
            i = p.divisao == 0 ? InicioArea : m.regra(InicioArea + p.tamanho - p.divisao, i);
    }
    return a;
}

QString DecodificacaoColeta::textoFalha(const Plano &p, const Catalogo &catalogo)
{
    if (p.falha == MemoriaGrande)
        return catalogo.texto(MemoriaGrande).arg(p.memoria).arg(MemoriaMaxima);
    return catalogo.texto(p.falha);
}
