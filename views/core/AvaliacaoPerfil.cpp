#include "AvaliacaoPerfil.h"

#include "DataHora.h"
#include "RegrasLimites.h"
#include "TAquisicao.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr double ZeroAbsoluto = 273.15;
constexpr qint64 MsPorDia = 86400000;

// A time of the rule reached: D or T, allowing for the binary digits of a
// product of entries and interval.
bool alcanca(double segundos, double limite)
{
    return segundos >= limite - 1e-9 * std::max(1.0, limite);
}

// Beyond a threshold, both as counts of the channel's last decimal place.
bool alem(double contagem, double limite, bool acima, bool inclui)
{
    if (acima)
        return inclui ? contagem >= limite : contagem > limite;
    return inclui ? contagem <= limite : contagem < limite;
}

// std::round for the counts of a recording's values (far below 2^52),
// without a library call per entry.
double contagemDe(double v, double escala)
{
    const double x = v * escala;
    return double(qint64(x + (x < 0 ? -0.5 : 0.5)));
}

// The runs of entries beyond one time rule's threshold, followed entry by entry.
struct Seguidor
{
    int resultado = 0;  // index into Avaliacao::regras
    bool acima = true;
    bool inclui = false;
    // Beyond when sinal * count >= corte (the counts are whole numbers).
    double sinal = 1.0;
    double corte = 0.0;
    int entradas = 0;
    int doDia = 0;  // entries beyond in the current day
    bool dentro = false;
    ExcursaoAlarme atual;
    std::vector<ExcursaoAlarme> corridas;

    Seguidor(int indice, bool acima_, bool inclui_, double limite)
        : resultado(indice)
        , acima(acima_)
        , inclui(inclui_)
    {
        if (acima)
            corte = inclui ? std::ceil(limite) : std::floor(limite) + 1.0;
        else {
            sinal = -1.0;
            corte = inclui ? -std::floor(limite) : 1.0 - std::ceil(limite);
        }
    }

    void entrada(int i, double v, double contagem)
    {
        if (sinal * contagem < corte) {
            if (dentro)
                corridas.push_back(atual);
            dentro = false;
            return;
        }
        ++entradas;
        ++doDia;
        if (!dentro) {
            dentro = true;
            atual = { i, i, 0.0, v, i };
        }
        atual.fim = i;
        if (acima ? v > atual.pico : v < atual.pico) {
            atual.pico = v;
            atual.entradaPico = i;
        }
    }
    void termina(double segundosPorEntrada)
    {
        if (dentro)
            corridas.push_back(atual);
        dentro = false;
        for (ExcursaoAlarme &e : corridas)
            e.segundos = (e.fim - e.inicio + 1) * segundosPorEntrada;
    }
};

// The day of each entry, from its offset in whole seconds from the start
// (as TAquisicao::instante counts it): the entry that starts the next day
// is found once a day, not looked for at every entry.
struct Calendario
{
    const TAquisicao &a;
    qint64 dia = 0;
    double proximo = 0.0;  // the offset, in seconds, at which the next day starts
    int entrada = 0;  // the first entry of the next day

    explicit Calendario(const TAquisicao &aquisicao)
        : a(aquisicao)
    {
        qint64 ms = 0;
        DataHora::divide(a.Inicio, dia, ms);
        proximo = std::ceil(double(MsPorDia - ms) / 1000.0);
        entrada = primeira();
    }
    double deslocamento(int i) const
    {
        return a.meioSegundo() ? double(i / 2) : std::trunc(std::fabs(a.IntervaloAquisicoes()) * i);
    }
    // The first entry at or after `proximo`.
    int primeira() const
    {
        const double s = a.meioSegundo() ? 0.5 : std::fabs(a.IntervaloAquisicoes());
        if (!(s > 0.0))
            return std::numeric_limits<int>::max();
        const double estimada = std::min(std::ceil(proximo / s), double(std::numeric_limits<int>::max() - 2));
        int i = std::max(0, int(estimada) - 2);
        while (deslocamento(i) < proximo)
            ++i;
        return i;
    }
    // Whether entry i starts a new day (dia then holds it).
    bool muda(int i)
    {
        if (i < entrada)
            return false;
        const double s = deslocamento(i);
        const qint64 dias = qint64(std::floor((s - proximo) / 86400.0)) + 1;
        dia += dias;
        proximo += double(dias) * 86400.0;
        entrada = primeira();
        return true;
    }
};

double segundosPorEntrada(const TAquisicao &a)
{
    return a.meioSegundo() ? 0.5 : std::fabs(a.IntervaloAquisicoes());
}

bool aplica(const RegraAlarme &r, const TAquisicao &a, int canal)
{
    const bool celsius = unidadeCelsius(canal == 2 ? a.UnidadeCanal2 : a.UnidadeCanal1);
    if (r.canal != 0 && r.canal != canal)
        return false;
    return (r.canal != 0 && r.tipo != TipoRegra::Tcm) || celsius;
}

void fechaDia(DiaCanal &d, double soma, const std::vector<Seguidor> &seguidores, double porEntrada)
{
    d.media = soma / d.entradas;
    for (const Seguidor &s : seguidores)
        d.segundosAlem.append(s.doDia * porEntrada);
}

void resultadoTempo(ResultadoRegra &r, const Seguidor &s)
{
    r.entradas = s.entradas;
    double total = 0.0;
    double maior = 0.0;
    for (const ExcursaoAlarme &e : s.corridas) {
        total += e.segundos;
        maior = std::max(maior, e.segundos);
    }
    switch (r.regra.tipo) {
    case TipoRegra::Evento:
        r.segundos = maior;
        r.aprovada = !alcanca(maior, r.regra.segundos);
        for (const ExcursaoAlarme &e : s.corridas) {
            if (alcanca(e.segundos, r.regra.segundos))
                r.excursoes.append(e);
        }
        return;
    case TipoRegra::Acumulado:
    case TipoRegra::Instante:
        r.segundos = total;
        r.aprovada
            = r.regra.tipo == TipoRegra::Instante ? s.entradas == 0 : !alcanca(total, r.regra.segundos);
        if (!r.aprovada)
            r.excursoes = QList<ExcursaoAlarme>(s.corridas.begin(), s.corridas.end());
        return;
    case TipoRegra::Tcm:
        break;
    }
}

// Each entry's exp(-(ΔH/R)/T), relative to the channel's highest value so
// that none underflows, with the value at the channel's decimals: as the
// values are counts of those, a table of the counts between the lowest and
// the highest spares an exponential per entry. False when an entry lies at
// or below absolute zero.
bool termos(std::vector<double> &t, const TAquisicao &a, int canal, double minimo, double maximo,
    double deltaHSobreR, double &xMaximo)
{
    const int n = a.NumLeituras();
    const TLeitura *l = a.Leituras().data();
    const double escala = std::pow(10.0, RegrasLimites::casas(a, canal));
    if (!(minimo + ZeroAbsoluto > 0.0))
        return false;
    const double base = std::round(minimo * escala);
    const double topo = std::round(maximo * escala);
    xMaximo = -deltaHSobreR / (topo / escala + ZeroAbsoluto);
    const auto termo = [&](double contagem) {
        return std::exp(-deltaHSobreR / (contagem / escala + ZeroAbsoluto) - xMaximo);
    };
    t.resize(static_cast<size_t>(n));
    constexpr double TabelaMaxima = 1 << 16;
    if (topo - base >= TabelaMaxima) {
        for (int i = 0; i < n; ++i)
            t[size_t(i)] = termo(std::round(l[i].canal(canal) * escala));
        return true;
    }
    std::vector<double> tabela(static_cast<size_t>(topo - base) + 1);
    for (size_t k = 0; k < tabela.size(); ++k)
        tabela[k] = termo(base + double(k));
    for (int i = 0; i < n; ++i)
        t[size_t(i)] = tabela[size_t(contagemDe(l[i].canal(canal), escala) - base)];
    return true;
}

// The worst window of each mean kinetic temperature rule.
void janelas(QList<ResultadoRegra> &resultados, const std::vector<int> &indices, const TAquisicao &a,
    int canal, double minimo, double maximo, double deltaHSobreR)
{
    const int n = a.NumLeituras();
    std::vector<double> termos;
    double xMaximo = 0.0;
    const bool valida = ::termos(termos, a, canal, minimo, maximo, deltaHSobreR, xMaximo);
    const int casas = RegrasLimites::casasEstatistica(a, canal);
    for (int indice : indices) {
        ResultadoRegra &r = resultados[indice];
        if (!valida) {
            r.aprovada = false;
            continue;
        }
        const double segundos = PerfisAlarme::segundosJanela(r.regra.janela);
        const qint64 k
            = segundos > 0.0 ? std::max<qint64>(1, std::llround(segundos / segundosPorEntrada(a))) : n;
        const int largura = int(std::min<qint64>(k, n));
        double soma = 0.0;
        for (int i = 0; i < largura; ++i)
            soma += termos[size_t(i)];
        double pior = soma;
        int inicio = 0;
        for (int i = 1; i + largura <= n; ++i) {
            soma += termos[size_t(i + largura - 1)] - termos[size_t(i - 1)];
            if (r.regra.acima ? soma > pior : soma < pior) {
                pior = soma;
                inicio = i;
            }
        }
        const double tcm = deltaHSobreR / -(std::log(pior / largura) + xMaximo) - ZeroAbsoluto;
        r.janela = JanelaPior { inicio, inicio + largura - 1, tcm };
        const double m = RegrasLimites::contagemLimite(r.regra.limite, casas);
        r.aprovada = !alem(std::round(tcm * std::pow(10.0, casas)), m, r.regra.acima, r.regra.incluiLimite);
    }
}

void avaliaCanal(Avaliacao &av, const TAquisicao &a, int canal, double deltaHSobreR)
{
    std::vector<Seguidor> seguidores;
    std::vector<int> tcm;
    const int casas = RegrasLimites::casas(a, canal);
    for (const RegraAlarme &regra : std::as_const(av.perfil.regras)) {
        if (!aplica(regra, a, canal))
            continue;
        const int indice = int(av.regras.size());
        ResultadoRegra resultado;
        resultado.regra = regra;
        resultado.canal = canal;
        av.regras.append(resultado);
        if (regra.tipo == TipoRegra::Tcm)
            tcm.push_back(indice);
        else
            seguidores.emplace_back(
                indice, regra.acima, regra.incluiLimite, RegrasLimites::contagemLimite(regra.limite, casas));
    }
    const int n = a.NumLeituras();
    const double porEntrada = segundosPorEntrada(a);
    const double escala = std::pow(10.0, casas);
    const TLeitura *l = a.Leituras().data();
    Calendario calendario(a);
    DiaCanal dia { canal, calendario.dia, 0, 0, l[0].canal(canal), l[0].canal(canal), 0.0, {} };
    double soma = 0.0;
    double minimo = l[0].canal(canal);
    double maximo = l[0].canal(canal);
    for (int i = 0; i < n; ++i) {
        const double v = l[i].canal(canal);
        if (calendario.muda(i) && dia.entradas > 0) {
            fechaDia(dia, soma, seguidores, porEntrada);
            av.dias.append(dia);
            dia = { canal, calendario.dia, i, 0, v, v, 0.0, {} };
            soma = 0.0;
            for (Seguidor &s : seguidores)
                s.doDia = 0;
        }
        ++dia.entradas;
        soma += v;
        dia.minimo = std::min(dia.minimo, v);
        dia.maximo = std::max(dia.maximo, v);
        minimo = std::min(minimo, v);
        maximo = std::max(maximo, v);
        const double contagem = contagemDe(v, escala);
        for (Seguidor &s : seguidores)
            s.entrada(i, v, contagem);
    }
    fechaDia(dia, soma, seguidores, porEntrada);
    av.dias.append(dia);
    for (Seguidor &s : seguidores) {
        s.termina(porEntrada);
        resultadoTempo(av.regras[s.resultado], s);
    }
    if (!tcm.empty())
        janelas(av.regras, tcm, a, canal, minimo, maximo, deltaHSobreR);
}

}  // namespace

Avaliacao avalia(const TAquisicao &a, const PerfilAlarme &perfil, double deltaHSobreR)
{
    Avaliacao av;
    av.perfil = perfil;
    if (a.NumLeituras() == 0)
        return av;
    for (int canal = 1; canal <= 2; ++canal) {
        if (canalComSensor(a, canal))
            avaliaCanal(av, a, canal, deltaHSobreR);
    }
    for (const ResultadoRegra &r : std::as_const(av.regras))
        av.aprovado = av.aprovado && r.aprovada;
    return av;
}
