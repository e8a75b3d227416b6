#include "ArquivoQvj.h"

#include "ConfigRegional.h"
#include "ConteudoArquivo.h"
#include "GravacaoAtomica.h"
#include "LeitorLinhas.h"
#include "LinhasArquivo.h"
#include "Windows1252.h"

#include <charconv>
#include <cmath>

using namespace LinhasArquivo;

namespace {

using ArquivoQvj::Erro;

// No line of a merged-graph file is longer: texts are at most 255
// characters, numbers far shorter.
constexpr size_t kTamanhoLinha = 255;
// The fewest bytes an entry's lines can take, line ends included: five
// two-byte numbers, four empty texts, two dates "d/m/yyyy" and two times
// "h:m"; a reading's two value lines take at least four.
constexpr qsizetype kBytesEntrada = 5 * 2 + 4 * 1 + 2 * 9 + 2 * 4;
constexpr qsizetype kBytesLeitura = 4;
// Beyond about 68 years between two readings the instants leave the
// 32-bit second counts the time axis works in.
constexpr double kIntervaloMaximo = 2147483647.0;
// No logger value comes near it; a larger one would be written with more
// digits than a line of this file holds, so it is refused on reading.
constexpr double kValorMaximo = 1e12;

void escreveEntrada(QByteArray &s, const TNodoJuncao &e, char separador)
{
    linhaInteira(s, e.NumCanais);
    for (const QString *t : { &e.NomeCanal1, &e.NomeCanal2, &e.UnidadeCanal1, &e.UnidadeCanal2 })
        linhaTexto(s, *t);
    linhaInteira(s, parteInteira(e.IntervaloAquisicoes));
    linhaValor(s, e.EscalaMin, separador);
    linhaValor(s, e.EscalaMax, separador);
    linhasDataHora(s, e.Inicio);
    linhasDataHora(s, e.Fim);
    linhaInteira(s, qsizetype(e.Leituras.size()));
    for (const TLeitura &l : e.Leituras) {
        linhaValor(s, l.Canal1(), separador);
        linhaValor(s, l.Canal2(), separador);
    }
}

// Reads the lines of one file and remembers the first refusal; once there
// is one, every further read gives nothing.
class Leitor
{
public:
    Leitor(const char *dados, qsizetype tamanho, char separador)
        : m_linhas(dados, tamanho)
        , m_separador(separador)
    {
    }

    Erro erro() const { return m_erro; }
    qsizetype restante() const { return m_linhas.restante(); }
    void recusa(Erro e)
    {
        if (m_erro == Erro::Nenhum)
            m_erro = e;
    }

    std::string_view linha()
    {
        if (m_erro != Erro::Nenhum)
            return {};
        const std::string_view l = m_linhas.proxima();
        if (l.size() > kTamanhoLinha)
            recusa(Erro::FormatoInvalido);
        return l;
    }

    QString texto()
    {
        const std::string_view l = linha();
        return Windows1252::decodifica(l.data(), qsizetype(l.size()));
    }

    // A decimal integer alone on its line, blanks around allowed.
    int32_t inteiro(Erro falha)
    {
        std::string_view l = linha();
        while (!l.empty() && l.front() == ' ')
            l.remove_prefix(1);
        while (!l.empty() && l.back() == ' ')
            l.remove_suffix(1);
        if (!l.empty() && l.front() == '+')
            l.remove_prefix(1);
        int32_t v = 0;
        const auto r = std::from_chars(l.data(), l.data() + l.size(), v);
        if (l.empty() || r.ec != std::errc() || r.ptr != l.data() + l.size())
            recusa(falha);
        return m_erro == Erro::Nenhum ? v : 0;
    }

    double valor(Erro falha)
    {
        const auto v = LinhaNumerica::valor(linha(), m_separador);
        if (!v || !(std::fabs(*v) < kValorMaximo))
            recusa(falha);
        return m_erro == Erro::Nenhum ? *v : 0.0;
    }

    double instante()
    {
        const std::string_view data = linha();
        const auto v = LinhasArquivo::instante(data, linha());
        if (!v)
            recusa(Erro::ArquivoNaoExiste);
        return v.value_or(0.0);
    }

private:
    LeitorLinhas m_linhas;
    char m_separador;
    Erro m_erro = Erro::Nenhum;
};

void leLeituras(Leitor &l, TNodoJuncao &e)
{
    const int32_t m = l.inteiro(Erro::FormatoInvalido);
    // A count the remaining bytes cannot hold is refused before any room
    // is made for it.
    if (m < 0 || m > l.restante() / kBytesLeitura + 1)
        l.recusa(Erro::FormatoInvalido);
    if (l.erro() != Erro::Nenhum)
        return;
    e.Leituras.reserve(size_t(m));
    for (int32_t i = 0; i < m && l.erro() == Erro::Nenhum; ++i) {
        const double c1 = l.valor(Erro::FormatoInvalido);
        const double c2 = l.valor(Erro::FormatoInvalido);
        e.Leituras.emplace_back(c1, c2);
    }
}

TNodoJuncao leEntrada(Leitor &l)
{
    TNodoJuncao e;
    e.NumCanais = l.inteiro(Erro::ArquivoNaoExiste);
    if (l.erro() == Erro::Nenhum && e.NumCanais != 1 && e.NumCanais != 2)
        l.recusa(Erro::FormatoInvalido);
    e.NomeCanal1 = l.texto();
    e.NomeCanal2 = l.texto();
    e.UnidadeCanal1 = l.texto();
    e.UnidadeCanal2 = l.texto();
    const double intervalo = l.valor(Erro::ArquivoNaoExiste);
    if (intervalo < 0.0 || intervalo > kIntervaloMaximo)
        l.recusa(Erro::FormatoInvalido);
    e.IntervaloAquisicoes = std::trunc(intervalo);
    e.EscalaMin = l.valor(Erro::ArquivoNaoExiste);
    e.EscalaMax = l.valor(Erro::ArquivoNaoExiste);
    e.Inicio = l.instante();
    e.Fim = l.instante();
    leLeituras(l, e);
    e.defineSensoresPorUnidade();
    return e;
}

}  // namespace

namespace ArquivoQvj {

QByteArray conteudo(const Juncao &juncao, const ConfigRegional &regional)
{
    const char separador = Windows1252::byteDe(regional.separadorDecimal);
    QByteArray s;
    linhaTexto(s, juncao.UnidadeEixoEsquerdo);
    linhaTexto(s, juncao.UnidadeEixoDireito);
    linhaInteira(s, qsizetype(juncao.entradas.size()));
    for (const TNodoJuncao &e : juncao.entradas)
        escreveEntrada(s, e, separador);
    return s;
}

bool grava(const Juncao &juncao, const QString &caminho, const ConfigRegional &regional)
{
    return GravacaoAtomica::grava(caminho, conteudo(juncao, regional));
}

Resultado le(const char *dados, qsizetype tamanho, const ConfigRegional &regional)
{
    Resultado r;
    Leitor l(dados, tamanho, Windows1252::byteDe(regional.separadorDecimal));
    r.juncao.UnidadeEixoEsquerdo = l.texto();
    r.juncao.UnidadeEixoDireito = l.texto();
    const int32_t n = l.inteiro(Erro::ArquivoNaoExiste);
    // At least one entry, and no more than the chart has channels for.
    if (l.erro() == Erro::Nenhum && (n < 1 || n > kMaxCanais || n > l.restante() / kBytesEntrada + 1))
        l.recusa(Erro::FormatoInvalido);
    int canais = 0;
    for (int32_t i = 0; i < n && l.erro() == Erro::Nenhum; ++i) {
        r.juncao.entradas.push_back(leEntrada(l));
        canais += r.juncao.entradas.back().NumCanais;
        if (canais > kMaxCanais)
            l.recusa(Erro::FormatoInvalido);
    }
    r.erro = l.erro();
    if (r.erro != Erro::Nenhum)
        r.juncao = Juncao();
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

}  // namespace ArquivoQvj
