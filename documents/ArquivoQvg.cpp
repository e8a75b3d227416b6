#include "ArquivoQvg.h"

#include "Ambiente.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "DataHora.h"
#include "IMensagens.h"
#include "LeitorLinhas.h"
#include "NumeracaoGraficos.h"
#include "TextoDecimal.h"
#include "Windows1252.h"

#include <QFile>
#include <QSaveFile>

#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr int kCodigoArquivo = 113;

// ---- writing -------------------------------------------------------------

void linha(QByteArray &saida, std::string_view texto)
{
    saida.append(texto.data(), qsizetype(texto.size()));
    saida.append("\r\n", 2);
}

void linhaInteira(QByteArray &saida, int64_t valor)
{
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, valor);
    linha(saida, std::string_view(buf, size_t(r.ptr - buf)));
}

// A text field as it is, on one line: a line break inside it would shift
// every line after it, so it becomes a blank.
void linhaTexto(QByteArray &saida, const QString &texto)
{
    QByteArray bytes = Windows1252::codifica(texto);
    bytes.replace('\r', ' ').replace('\n', ' ');
    linha(saida, std::string_view(bytes.constData(), size_t(bytes.size())));
}

// "%.2f" with the given decimal separator.
void linhaValor(QByteArray &saida, double valor, char separador)
{
    char buf[TextoDecimal::TamanhoBuffer];
    const int n = TextoDecimal::fixo(buf, sizeof buf, valor, 2, separador);
    linha(saida, std::string_view(buf, size_t(n)));
}

void doisDigitos(char *p, int v)
{
    p[0] = char('0' + v / 10 % 10);
    p[1] = char('0' + v % 10);
}

void linhasDataHora(QByteArray &saida, double instante)
{
    const CamposDataHora c = DataHora::decodifica(instante);
    char data[10];
    doisDigitos(data, c.dia);
    data[2] = '/';
    doisDigitos(data + 3, c.mes);
    data[5] = '/';
    doisDigitos(data + 6, c.ano / 100);
    doisDigitos(data + 8, c.ano % 100);
    linha(saida, std::string_view(data, 10));
    char hora[8];
    doisDigitos(hora, c.hora);
    hora[2] = ':';
    doisDigitos(hora + 3, c.minuto);
    hora[5] = ':';
    doisDigitos(hora + 6, c.segundo);
    linha(saida, std::string_view(hora, 8));
}

int64_t parteInteira(double v)
{
    if (!std::isfinite(v))
        return 0;
    const double t = std::trunc(v);
    if (t >= 9.2e18)
        return std::numeric_limits<int64_t>::max();
    if (t <= -9.2e18)
        return std::numeric_limits<int64_t>::min();
    return int64_t(t);
}

char byteSeparador(QChar separador)
{
    return Windows1252::byteDe(separador);
}

// ---- reading -------------------------------------------------------------

// "dd/mm/yyyy": day and month of one or two digits, a four-digit year,
// blanks around allowed.
std::optional<QDate> data(std::string_view t)
{
    int campos[3] = { 0, 0, 0 };
    int digitos[3] = { 0, 0, 0 };
    size_t i = 0;
    while (i < t.size() && t[i] == ' ')
        ++i;
    for (int k = 0; k < 3; ++k) {
        if (k > 0) {
            if (i >= t.size() || t[i] != '/')
                return std::nullopt;
            ++i;
        }
        while (i < t.size() && t[i] >= '0' && t[i] <= '9' && digitos[k] < 5) {
            campos[k] = campos[k] * 10 + (t[i] - '0');
            ++digitos[k];
            ++i;
        }
    }
    while (i < t.size() && t[i] == ' ')
        ++i;
    if (i != t.size() || digitos[0] < 1 || digitos[0] > 2 || digitos[1] < 1 || digitos[1] > 2
        || digitos[2] != 4)
        return std::nullopt;
    const QDate d(campos[2], campos[1], campos[0]);
    if (!d.isValid())
        return std::nullopt;
    return d;
}

// "hh:nn:ss" (the seconds may be left out): fields of one or two digits,
// hours 0-23, minutes and seconds 0-59.
std::optional<QTime> hora(std::string_view t)
{
    int campos[3] = { 0, 0, 0 };
    int k = 0;
    size_t i = 0;
    while (i < t.size() && t[i] == ' ')
        ++i;
    for (; k < 3; ++k) {
        if (k > 0) {
            if (i >= t.size() || t[i] != ':')
                break;
            ++i;
        }
        int digitos = 0;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9' && digitos < 3) {
            campos[k] = campos[k] * 10 + (t[i] - '0');
            ++digitos;
            ++i;
        }
        if (digitos < 1 || digitos > 2)
            return std::nullopt;
    }
    while (i < t.size() && t[i] == ' ')
        ++i;
    if (k < 2 || i != t.size() || campos[0] > 23 || campos[1] > 59 || campos[2] > 59)
        return std::nullopt;
    return QTime(campos[0], campos[1], campos[2]);
}

std::optional<double> instante(std::string_view linhaData, std::string_view linhaHora)
{
    const auto d = data(linhaData);
    const auto h = hora(linhaHora);
    if (!d || !h)
        return std::nullopt;
    return DataHora::codifica(d->year(), d->month(), d->day(), h->hour(), h->minute(), h->second());
}

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
        const auto c1 = LinhaNumerica::valor(l.proxima(), separador);
        if (!c1 || l.noFim())
            return Erro::FormatoInvalido;
        const auto c2 = LinhaNumerica::valor(l.proxima(), separador);
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
    const QByteArray bytes = conteudo(aquisicao, regional);
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    if (arquivo.write(bytes) != bytes.size()) {
        arquivo.cancelWriting();
        arquivo.commit();
        return false;
    }
    return arquivo.commit();
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
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return le(QByteArray(), regional);
    const qint64 tamanho = arquivo.size();
    if (tamanho > 0) {
        if (const uchar *mapa = arquivo.map(0, tamanho)) {
            Resultado r = le(reinterpret_cast<const char *>(mapa), qsizetype(tamanho), regional);
            arquivo.unmap(const_cast<uchar *>(mapa));
            return r;
        }
    }
    return le(arquivo.readAll(), regional);
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
