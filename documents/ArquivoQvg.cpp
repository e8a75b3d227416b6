#include "ArquivoQvg.h"

#include "Ambiente.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "ConteudoArquivo.h"
#include "DataHora.h"
#include "GravacaoAtomica.h"
#include "IMensagens.h"
#include "LeitorLinhas.h"
#include "LinhasArquivo.h"
#include "NumeracaoGraficos.h"
#include "TextoDecimal.h"
#include "Windows1252.h"

#include <charconv>
#include <cmath>
#include <limits>

using namespace LinhasArquivo;

namespace {

constexpr int kCodigoArquivo = 113;

char byteSeparador(QChar separador)
{
    return Windows1252::byteDe(separador);
}

// ---- reading -------------------------------------------------------------

QString texto(std::string_view linha)
{
    linha = linha.substr(0, LinhaNumerica::kTamanhoLinhaTexto);
    return Windows1252::decodifica(linha.data(), qsizetype(linha.size()));
}

using ArquivoQvg::Erro;

Erro leCabecalho(LeitorLinhas &l, TAquisicao &a)
{
    using LinhaNumerica::inteiro;
    a.SensorCanal1 = inteiro(l.proxima());
    a.LimInfCanal1 = inteiro(l.proxima());
    a.LimSupCanal1 = inteiro(l.proxima());
    a.SensorCanal2 = inteiro(l.proxima());
    a.LimInfCanal2 = inteiro(l.proxima());
    a.LimSupCanal2 = inteiro(l.proxima());
    a.NumCanais = inteiro(l.proxima());
    a.defineIntervalo(LinhaNumerica::real(l.proxima()));
    const std::string_view dataInicio = l.proxima();
    const auto inicio = instante(dataInicio, l.proxima());
    if (!inicio)
        return Erro::ArquivoNaoExiste;
    a.Inicio = *inicio;
    const std::string_view dataFim = l.proxima();
    const auto fim = instante(dataFim, l.proxima());
    if (!fim)
        return Erro::ArquivoNaoExiste;
    a.Fim = *fim;
    a.LeiturasPorAquisicao = inteiro(l.proxima());
    a.ModoCanal1 = inteiro(l.proxima());
    a.ModoCanal2 = inteiro(l.proxima());
    a.Titulo = texto(l.proxima());
    a.NomeCanal1 = texto(l.proxima());
    a.NomeCanal2 = texto(l.proxima());
    a.UnidadeCanal1 = texto(l.proxima());
    a.UnidadeCanal2 = texto(l.proxima());
    return Erro::Nenhum;
}

// The entries. A count larger than the file can hold fails when the lines
// run out; room is reserved only for what the remaining bytes can hold (an
// entry takes at least four bytes: two digits and two line ends).
Erro leEntradas(LeitorLinhas &l, int32_t n, char separador, TAquisicao &a)
{
    a.reservaLeituras(int(std::min<qsizetype>(n, l.restante() / 4 + 1)));
    for (int32_t i = 0; i < n; ++i) {
        if (l.noFim())
            return Erro::FormatoInvalido;
        const auto c1 = l.proximoValor(separador);
        if (!c1 || l.noFim())
            return Erro::FormatoInvalido;
        const auto c2 = l.proximoValor(separador);
        if (!c2)
            return Erro::FormatoInvalido;
        a.adicionaLeitura(*c1, *c2);
    }
    return Erro::Nenhum;
}

void leFechamento(LeitorLinhas &l, TAquisicao &a)
{
    using LinhaNumerica::inteiro;
    a.FimAposLeituras = inteiro(l.proxima());
    a.Capacidade = inteiro(l.proxima());
    a.NumeroSerie = inteiro(l.proxima());
    a.Calib35 = inteiro(l.proxima());
    a.Firmware = inteiro(l.proxima());
    a.DecimaisCanal1 = inteiro(l.proxima());
    a.DecimaisCanal2 = inteiro(l.proxima());
    a.OffsetCanal1 = inteiro(l.proxima());
    a.OffsetCanal2 = inteiro(l.proxima());
    a.CodigoArquivo = inteiro(l.proxima());
}

}  // namespace

namespace ArquivoQvg {

QByteArray conteudo(const TAquisicao &a, const ConfigRegional &regional)
{
    const char separador = byteSeparador(regional.separadorDecimal);
    QByteArray s;
    s.reserve(400 + qsizetype(a.NumLeituras()) * 24);
    for (int64_t v : { a.SensorCanal1, a.LimInfCanal1, a.LimSupCanal1, a.SensorCanal2, a.LimInfCanal2,
             a.LimSupCanal2, a.NumCanais })
        linhaInteira(s, v);
    linhaInteira(s, parteInteira(a.IntervaloAquisicoes()));
    linhasDataHora(s, a.Inicio);
    linhasDataHora(s, a.Fim);
    for (int64_t v : { a.LeiturasPorAquisicao, a.ModoCanal1, a.ModoCanal2 })
        linhaInteira(s, v);
    for (const QString *t : { &a.Titulo, &a.NomeCanal1, &a.NomeCanal2, &a.UnidadeCanal1, &a.UnidadeCanal2 })
        linhaTexto(s, *t);
    linhaInteira(s, a.NumLeituras());
    for (const TLeitura &e : a.Leituras()) {
        linhaValor(s, e.Canal1(), separador);
        linhaValor(s, e.Canal2(), separador);
    }
    for (int64_t v : { a.FimAposLeituras, a.Capacidade, a.NumeroSerie, a.Calib35, a.Firmware,
             a.DecimaisCanal1, a.DecimaisCanal2, a.OffsetCanal1, a.OffsetCanal2 })
        linhaInteira(s, v);
    linhaInteira(s, kCodigoArquivo);
    return s;
}

bool grava(const TAquisicao &aquisicao, const QString &caminho, const ConfigRegional &regional)
{
    return GravacaoAtomica::grava(caminho, conteudo(aquisicao, regional));
}

Resultado le(const char *dados, qsizetype tamanho, const ConfigRegional &regional)
{
    Resultado r;
    LeitorLinhas l(dados, tamanho);
    r.erro = leCabecalho(l, r.aquisicao);
    if (r.erro != Erro::Nenhum)
        return r;
    const int32_t n = std::max<int32_t>(0, LinhaNumerica::inteiro(l.proxima()));
    r.erro = leEntradas(l, n, byteSeparador(regional.separadorDecimal), r.aquisicao);
    if (r.erro != Erro::Nenhum) {
        r.aquisicao.limpaLeituras();
        return r;
    }
    leFechamento(l, r.aquisicao);
    return r;
}

Resultado le(const QByteArray &conteudo, const ConfigRegional &regional)
{
    return le(conteudo.constData(), conteudo.size(), regional);
}

Resultado leArquivo(const QString &caminho, const ConfigRegional &regional)
{
    return ConteudoArquivo::le<Resultado>(
        caminho, [&](const char *dados, qsizetype n) { return le(dados, n, regional); },
        Erro::ArquivoNaoExiste);
}

QString nomeJanela(const QString &caminho)
{
    const qsizetype barra = std::max(caminho.lastIndexOf(u'\\'), caminho.lastIndexOf(u'/'));
    return caminho.mid(barra + 1);
}

bool abre(const QString &caminho, const NumeracaoGraficos &numeracao, const Ambiente &ambiente,
    TAquisicao &aquisicao)
{
    const Catalogo &cat = *ambiente.catalogo;
    if (numeracao.esgotado()) {
        ambiente.mensagens->aviso(cat.texto(236));
        return false;
    }
    Resultado r = leArquivo(caminho, *ambiente.regional);
    switch (r.erro) {
    case Erro::ArquivoNaoExiste:
        ambiente.mensagens->aviso(cat.texto(235));
        return false;
    case Erro::FormatoInvalido:
        ambiente.mensagens->aviso(cat.texto(234));
        return false;
    case Erro::Nenhum:
        break;
    }
    aquisicao = std::move(r.aquisicao);
    return true;
}

bool salva(const TAquisicao &aquisicao, const QString &caminho, const Ambiente &ambiente)
{
    if (grava(aquisicao, caminho, *ambiente.regional))
        return true;
    ambiente.mensagens->aviso(ambiente.catalogo->texto(171, u"FormGrafico"));
    return false;
}

}  // namespace ArquivoQvg
