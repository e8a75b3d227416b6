// Fuzz target: the logger's four parameter blocks as they come off the line,
// decoded, with their derived quantities and texts, each encoded back and
// decoded again to the same record; then the packed acquisitions that
// follow them converted with the sensors of the configuration block, the
// calibration words of the calibration block and the limits of the
// non-volatile block, through each of the three packings; and the
// collection's plan and walk over a memory image made of those bytes.

#include "ConversaoLeitura.h"
#include "DecodificacaoColeta.h"
#include "EntradaBlocos.h"
#include "RotinasSensor.h"

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void exige(bool condicao, const char *o_que)
{
    if (!condicao) {
        std::fprintf(stderr, "fuzz_blocos: %s\n", o_que);
        std::abort();
    }
}

// The bytes from inicio, at most n of them, in an array of their own size
// (so that a read past a short block is seen by the sanitizer).
QByteArray parte(const uint8_t *dados, size_t tamanho, int inicio, int n = -1)
{
    if (size_t(inicio) >= tamanho)
        return {};
    const size_t resto = tamanho - size_t(inicio);
    const size_t quantos = n < 0 ? resto : std::min(resto, size_t(n));
    return QByteArray(reinterpret_cast<const char *>(dados) + inicio, qsizetype(quantos));
}

BlocoConfiguracao configuracao(const QByteArray &b)
{
    const BlocoConfiguracao c = BlocoConfiguracao::decodifica(b);
    exige(BlocoConfiguracao::decodifica(c.codificaCompleto()) == c, "configuration does not round-trip");
    (void)c.relogio();
    (void)c.textoIntervalo();
    (void)c.decimais(1);
    (void)c.decimais(2);
    (void)c.bytesPorAquisicao();
    (void)c.bytesMemoria();
    (void)c.capacidade();
    const int carga = c.cargaBateria();
    exige(carga >= 0 && carga <= 100, "battery charge outside 0-100");
    return c;
}

BlocoCalibracao calibracao(const QByteArray &b)
{
    const BlocoCalibracao c = BlocoCalibracao::decodifica(b);
    exige(BlocoCalibracao::decodifica(c.codifica()) == c, "calibration does not round-trip");
    (void)c.textoNumeroSerie();
    (void)c.textoFirmware();
    (void)c.maximoLeiturasPorAquisicao();
    return c;
}

BlocoNaoVolatil naoVolatil(const QByteArray &b)
{
    using C = BlocoNaoVolatil::Campo;
    const BlocoNaoVolatil n = BlocoNaoVolatil::decodifica(b);
    const QByteArray escrito = n.atualiza(b, C::Textos | C::Limites | C::Offsets | C::DataBateria);
    exige(escrito.size() == BlocoNaoVolatil::Tamanho, "non-volatile block written at another size");
    QByteArray reservado = b.mid(76, 42);
    reservado.append(QByteArray(42 - reservado.size(), '\0'));
    exige(escrito.mid(76, 42) == reservado, "non-volatile bytes 76 to 117 not kept");
    exige(BlocoNaoVolatil::decodifica(escrito) == n, "non-volatile block does not round-trip");
    (void)n.dataBateria();
    return n;
}

void leituras(const QByteArray &b)
{
    const BlocoLeituras l = BlocoLeituras::decodifica(b);
    exige(BlocoLeituras::decodifica(l.codifica()) == l, "current readings do not round-trip");
}

struct Canal
{
    int codigo = 0;
    int zero = 0;
    int span = 0;
    int inferior = 0;
    int superior = 0;
};

// Every 4 bytes of acquisitions go through the three packings with both
// channels' settings.
void converteAquisicoes(const QByteArray &bytes, const Canal &c1, const Canal &c2, int offsetJuncaoFria)
{
    constexpr int Maximo = 1024;  // acquisitions; a longer input adds nothing new
    const auto b = [&](int i) { return uint8_t(i < bytes.size() ? bytes[i] : 0); };
    for (int i = 0; i < bytes.size() && i < Maximo * 4; i += 4) {
        const double v1 = ConverteCanal(
            b(i), b(i + 1), c1.codigo, c1.zero, c1.span, offsetJuncaoFria, c1.inferior, c1.superior);
        const double v2 = ConverteCanalCJ(b(i), b(i + 1), b(i + 2), c2.codigo, c2.zero, c2.span,
            offsetJuncaoFria, c2.inferior, c2.superior);
        double v3 = 0;
        double v4 = 0;
        ConverteDoisCanais(v3, v4, EhTermopar(c1.codigo) || EhTermopar(c2.codigo), b(i), b(i + 1), b(i + 2),
            b(i + 3), c1.codigo, c2.codigo, c1.zero, c1.span, c2.zero, c2.span, offsetJuncaoFria, c1.inferior,
            c1.superior, c2.inferior, c2.superior);
        exige(std::isfinite(v1) && std::isfinite(v2) && std::isfinite(v3) && std::isfinite(v4),
            "a conversion is not a finite number");
    }
}

// The collection over an image that holds the acquisition bytes from
// address 162 on (a shorter image reads as zeros past its end).
void coleta(const QByteArray &configuracao, const QByteArray &naoVolatil, const QByteArray &calibracao,
    const QByteArray &aquisicoes)
{
    for (const bool forca : { false, true }) {
        DecodificacaoColeta::Plano p
            = DecodificacaoColeta::planeja(configuracao, naoVolatil, calibracao, forca);
        if (p.falha != DecodificacaoColeta::Nenhuma)
            continue;
        // A small memory wraps within a thousand acquisitions; more only
        // slow the search down.
        p.quantidade = std::min(p.quantidade, 1000);
        exige(p.paginas >= 1 && p.paginas <= DecodificacaoColeta::MaximoPaginas, "pages outside 1 to 16");
        exige(p.inicio >= DecodificacaoColeta::InicioArea && p.inicio < p.memoria, "start outside the area");
        QByteArray imagem(DecodificacaoColeta::InicioArea, '\xFF');
        imagem.append(aquisicoes.left(DecodificacaoColeta::MemoriaMaxima - DecodificacaoColeta::InicioArea));
        const TAquisicao a = DecodificacaoColeta::decodifica(p, calibracao, imagem.left(p.paginas * 2048));
        exige(a.NumLeituras() == p.quantidade, "not every acquisition decoded");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    using namespace EntradaBlocos;
    const BlocoConfiguracao cfg
        = configuracao(parte(dados, tamanho, Configuracao, BlocoConfiguracao::Tamanho));
    const BlocoCalibracao cal = calibracao(parte(dados, tamanho, Calibracao, BlocoCalibracao::Tamanho));
    const BlocoNaoVolatil nv = naoVolatil(parte(dados, tamanho, NaoVolatil, BlocoNaoVolatil::Tamanho));
    leituras(parte(dados, tamanho, Leituras, BlocoLeituras::Tamanho));

    Canal c1 { cfg.Sensor1, 0, 0, nv.LimiteInferior1, nv.LimiteSuperior1 };
    Canal c2 { cfg.Sensor2, 0, 0, nv.LimiteInferior2, nv.LimiteSuperior2 };
    uint16_t w12 = 0;
    CoeficientesCalibracao(cal.Coeficientes, c1.codigo, 1, c1.zero, c1.span, w12);
    CoeficientesCalibracao(cal.Coeficientes, c2.codigo, 2, c2.zero, c2.span, w12);
    converteAquisicoes(parte(dados, tamanho, Aquisicoes), c1, c2, w12);
    coleta(parte(dados, tamanho, Configuracao, BlocoConfiguracao::Tamanho),
        parte(dados, tamanho, NaoVolatil, BlocoNaoVolatil::Tamanho),
        parte(dados, tamanho, Calibracao, BlocoCalibracao::Tamanho), parte(dados, tamanho, Aquisicoes));
    return 0;
}
