#include "MontagemJuncao.h"

#include "FormataDataHora.h"
#include "Instantes.h"
#include "RotinasBytes.h"

#include <cmath>
#include <limits>

namespace MontagemJuncao {

namespace {

constexpr qint64 kDia = 86400;

// base plus a count of seconds that may pass the 32-bit range.
double somaSegundos(qint64 segundos, double base)
{
    if (segundos <= std::numeric_limits<int>::max())
        return SomaSegundos(int(segundos), base);
    return base + double(segundos) / double(kDia);
}

QString unidadeDoCanal(const TNodoJuncao &e, int canal)
{
    return canal == 2 ? e.UnidadeCanal2 : e.UnidadeCanal1;
}

QString tituloDoCanal(const TNodoJuncao &e, int canal)
{
    const QString &nome = canal == 2 ? e.NomeCanal2 : e.NomeCanal1;
    return nome + u'(' + unidadeDoCanal(e, canal) + u')';
}

// The channels of an entry that show, channel 1 first.
QVector<int> canaisUsados(const TNodoJuncao &e)
{
    QVector<int> canais;
    if (e.canal1Usado())
        canais.append(1);
    if (e.canal2Usado())
        canais.append(2);
    return canais;
}

}  // namespace

Unidades VerificaExcessoUnidades(const std::vector<TNodoJuncao> &entradas)
{
    Unidades u;
    if (entradas.empty())
        return u;
    int k = 0;
    const TNodoJuncao &primeira = entradas.front();
    if (primeira.NumCanais == 1) {
        if (primeira.canal1Usado())
            u.esquerda = primeira.UnidadeCanal1;
        else if (primeira.canal2Usado())
            u.esquerda = primeira.UnidadeCanal2;
        k = 1;
    } else {
        if (primeira.canal1Usado()) {
            u.esquerda = primeira.UnidadeCanal1;
            k = 1;
        }
        if (primeira.canal2Usado() && primeira.UnidadeCanal2 != u.esquerda) {
            u.direita = primeira.UnidadeCanal2;
            ++k;
        }
    }
    for (size_t i = 1; i < entradas.size(); ++i) {
        for (int canal : canaisUsados(entradas[i])) {
            const QString unidade = unidadeDoCanal(entradas[i], canal);
            if (unidade != u.esquerda && unidade != u.direita) {
                u.direita = unidade;
                ++k;
            }
        }
    }
    u.excede = k > 2;
    return u;
}

int totalCanais(const std::vector<TNodoJuncao> &entradas)
{
    qint64 total = 0;
    for (const TNodoJuncao &e : entradas)
        total += e.NumCanais;
    return int(qMin<qint64>(total, std::numeric_limits<int>::max()));
}

Recusa verifica(int graficosAbertos, const std::vector<TNodoJuncao> &entradas, Unidades &unidades)
{
    if (graficosAbertos < 2)
        return Recusa::GraficosInsuficientes;
    unidades = VerificaExcessoUnidades(entradas);
    if (unidades.excede)
        return Recusa::UnidadesExcedem;
    if (totalCanais(entradas) > kSeriesCanais)
        return Recusa::CanaisExcedem;
    return Recusa::Nenhuma;
}

std::optional<EixoGrafico> eixoDaUnidade(const QString &unidade, const Unidades &unidades)
{
    if (unidade == unidades.esquerda)
        return EixoGrafico::Esquerdo;
    if (unidade == unidades.direita)
        return EixoGrafico::Direito;
    return std::nullopt;
}

std::vector<SerieJuncao> series(const std::vector<TNodoJuncao> &entradas, const Unidades &unidades)
{
    std::vector<SerieJuncao> s;
    int indice = 1;
    for (int i = 0; i < int(entradas.size()) && indice <= kSeriesCanais; ++i) {
        const TNodoJuncao &e = entradas[size_t(i)];
        const int primeiro = e.NumCanais == 2 ? 1 : e.canalUnico();
        s.push_back({ indice, i, primeiro, tituloDoCanal(e, primeiro),
            eixoDaUnidade(unidadeDoCanal(e, primeiro), unidades) });
        if (e.NumCanais == 2 && indice + 1 <= kSeriesCanais)
            s.push_back({ indice + 1, i, 2, tituloDoCanal(e, 2), eixoDaUnidade(e.UnidadeCanal2, unidades) });
        indice += qMax(1, e.NumCanais);
    }
    return s;
}

PontosEntrada pontos(const TNodoJuncao &e, const ConfigRegional &regional)
{
    PontosEntrada p;
    const int m = int(e.Leituras.size());
    p.x.resize(m);
    p.inicio = e.Inicio;
    p.fim = e.Inicio;
    const qint64 intervalo = qint64(std::trunc(e.IntervaloAquisicoes));
    if (intervalo > 0) {
        p.fim = somaSegundos(intervalo * qMax(0, m - 1), e.Inicio);
        p.largura = LarguraRotulo(e.Inicio, p.fim);
        for (int j = 0; j < m; ++j)
            p.x[j] = somaSegundos(intervalo * j, e.Inicio);
        return p;
    }
    p.meioSegundo = true;
    for (int j = 0; j < m; ++j)
        p.x[j] = SomaSegundos(j / 2, e.Inicio);
    if (m > 0)
        p.fim = RotuloInstante(TextoInstante(m - 1, e.Inicio, regional), regional).instante;
    return p;
}

QString PontosEntrada::rotulo(int j, const ConfigRegional &regional) const
{
    if (j < 0 || j >= x.size())
        return {};
    if (meioSegundo)
        return RotuloInstante(TextoInstante(j, inicio, regional), regional).rotulo;
    return j == 0 ? FormataDataHora(u"hh:nn:ss", x[0], regional)
                  : CompletaComEspacos(RotuloEixoTempo(x[j - 1], x[j], regional), largura);
}

qint64 passoLinhaDoTempo(double inicio, double fim)
{
    const double dias = fim - inicio;
    qint64 passo = dias < 1 ? 1 : (dias <= 30 ? 3600 : kDia);
    const double pontos = dias * double(kDia) / double(passo);
    if (pontos > kMaxPontosLinha)
        passo = kDia * qint64(std::ceil(dias / kMaxPontosLinha));
    return passo;
}

QVector<double> instantesLinhaDoTempo(double inicio, double fim)
{
    QVector<double> t;
    if (!(fim >= inicio))
        fim = inicio;
    const qint64 passo = passoLinhaDoTempo(inicio, fim);
    for (qint64 k = 0;; ++k) {
        const double instante = inicio + double(k * passo) / double(kDia);
        t.append(instante);
        if (instante > fim)
            break;
    }
    return t;
}

QString rotuloLinhaDoTempo(double instante, qint64 passo, const ConfigRegional &regional)
{
    if (passo >= kDia)
        return FormataDataHora(u"dd/mm/yyyy", instante, regional);
    if (passo >= 3600)
        return FormataDataHora(u"dd/mm/yy hh:nn", instante, regional);
    return FormataDataHora(u"hh:nn:ss", instante, regional);
}

ValorLinha valorLinhaDoTempo(const std::vector<TNodoJuncao> &entradas, const Unidades &unidades)
{
    ValorLinha v;
    if (entradas.empty())
        return v;
    const TNodoJuncao &e = entradas.front();
    const int canal = e.NumCanais == 2 ? 1 : e.canalUnico();
    if (!e.Leituras.empty())
        v.valor = e.Leituras.front().canal(canal);
    v.eixo = eixoDaUnidade(unidadeDoCanal(e, canal), unidades);
    return v;
}

}  // namespace MontagemJuncao
