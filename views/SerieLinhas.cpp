#include "SerieLinhas.h"

#include "GraficoLinhas.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <cstring>

SerieLinhas::SerieLinhas(QCPGraph *grafico, EixoGrafico horizontal, EixoGrafico vertical)
    : m_grafico(grafico)
    , m_horizontal(horizontal)
    , m_vertical(vertical)
{
    // The series reduces its points itself (amostra).
    m_grafico->setAdaptiveSampling(false);
    m_grafico->setLineStyle(QCPGraph::lsLine);
}

QString SerieLinhas::titulo() const
{
    return m_grafico->name();
}

void SerieLinhas::defineTitulo(const QString &titulo)
{
    m_grafico->setName(titulo);
}

bool SerieLinhas::visivel() const
{
    return m_grafico->visible();
}

void SerieLinhas::defineVisivel(bool visivel)
{
    m_grafico->setVisible(visivel);
    pedeRedesenho();
}

QColor SerieLinhas::cor() const
{
    return m_grafico->pen().color();
}

Qt::PenStyle SerieLinhas::estiloLinha() const
{
    return m_grafico->pen().style();
}

int SerieLinhas::larguraLinha() const
{
    return m_grafico->pen().width();
}

void SerieLinhas::defineLinha(Qt::PenStyle estilo, int largura)
{
    QPen caneta = m_grafico->pen();
    caneta.setStyle(estilo);
    caneta.setWidth(largura);
    m_grafico->setPen(caneta);
}

void SerieLinhas::pedeRedesenho()
{
    // Series are made by their chart only (GraficoLinhas::adicionaSerie).
    static_cast<GraficoLinhas *>(m_grafico->parentPlot())->pedeRedesenho();
}

void SerieLinhas::trocaFonte(
    int quantos, std::function<double(int)> x, std::function<double(int)> y, Coluna coluna)
{
    m_quantosFonte = quantos;
    m_fonteX = std::move(x);
    m_fonteY = std::move(y);
    m_colunaY = std::move(coluna);
}

void SerieLinhas::mudou()
{
    m_blocosValidos = false;
    m_blocos.clear();
    m_faixaYValida = false;
    m_amostraValida = false;
    pedeRedesenho();
}

void SerieLinhas::limpa()
{
    m_x.clear();
    m_y.clear();
    trocaFonte(-1, nullptr, nullptr, {});
    m_rotulos.clear();
    m_fonte = nullptr;
    m_grafico->data()->clear();
    mudou();
}

void SerieLinhas::reserva(int quantos)
{
    m_x.reserve(quantos);
    m_y.reserve(quantos);
    m_rotulos.reserve(quantos);
}

void SerieLinhas::adiciona(double x, double y, const QString &rotulo)
{
    if (m_quantosFonte >= 0) {
        // Points appended to a source: the series holds them from then on.
        for (int i = 0; i < m_quantosFonte; ++i) {
            m_x.append(m_fonteX(i));
            m_y.append(SerieLinhas::y(i));
        }
        trocaFonte(-1, nullptr, nullptr, {});
    }
    m_x.append(x);
    m_y.append(y);
    if (!rotulo.isEmpty() || !m_rotulos.isEmpty()) {
        m_rotulos.resize(quantidade() - 1);
        m_rotulos.append(rotulo);
    }
    mudou();
}

void SerieLinhas::defineDados(const QVector<double> &x, const QVector<double> &y)
{
    m_x = x;
    m_y = y;
    m_y.resize(m_x.size());
    trocaFonte(-1, nullptr, nullptr, {});
    m_rotulos.clear();
    mudou();
}

void SerieLinhas::defineFonte(int quantos, std::function<double(int)> x, std::function<double(int)> y)
{
    m_x.clear();
    m_y.clear();
    trocaFonte(std::max(0, quantos), std::move(x), std::move(y), {});
    m_rotulos.clear();
    mudou();
}

void SerieLinhas::defineFonte(int quantos, std::function<double(int)> x, Coluna y)
{
    m_x.clear();
    m_y.clear();
    trocaFonte(std::max(0, quantos), std::move(x), nullptr, std::move(y));
    m_rotulos.clear();
    mudou();
}

void SerieLinhas::defineFonteRotulos(std::function<QString(int)> fonte)
{
    m_fonte = std::move(fonte);
    m_rotulos.clear();
}

int SerieLinhas::quantidade() const
{
    return m_quantosFonte >= 0 ? m_quantosFonte : int(m_x.size());
}

double SerieLinhas::x(int i) const
{
    return m_quantosFonte >= 0 ? m_fonteX(i) : m_x[i];
}

QString SerieLinhas::rotulo(int i) const
{
    if (m_fonte)
        return m_fonte(i);
    return i >= 0 && i < m_rotulos.size() ? m_rotulos[i] : QString();
}

bool SerieLinhas::faixaX(double &menor, double &maior) const
{
    if (quantidade() == 0)
        return false;
    menor = x(0);
    maior = x(quantidade() - 1);
    return true;
}

bool SerieLinhas::faixaY(double &menor, double &maior) const
{
    if (!m_faixaYValida) {
        int baixo = 0;
        int alto = 0;
        double vBaixo = qQNaN();
        double vAlto = qQNaN();
        extremos(0, quantidade(), baixo, alto, vBaixo, vAlto);
        m_temFaixaY = !std::isnan(vBaixo);
        m_menorY = m_temFaixaY ? vBaixo : 0;
        m_maiorY = m_temFaixaY ? vAlto : 0;
        m_faixaYValida = true;
    }
    menor = m_menorY;
    maior = m_maiorY;
    return m_temFaixaY;
}

const QVector<SerieLinhas::Bloco> &SerieLinhas::blocos() const
{
    if (!m_blocosValidos) {
        m_blocosValidos = true;
        m_blocos.clear();
        const int n = quantidade();
        m_blocos.reserve(n / kBloco + 1);
        double valores[kBloco];
        for (int de = 0; de < n; de += kBloco) {
            // The extreme values first (NaN fails both comparisons), then
            // the first point holding each.
            const int quantos = std::min(n - de, kBloco);
            double vBaixo = HUGE_VAL;
            double vAlto = -HUGE_VAL;
            for (int k = 0; k < quantos; ++k) {
                const double v = valores[k] = y(de + k);
                vBaixo = v < vBaixo ? v : vBaixo;
                vAlto = v > vAlto ? v : vAlto;
            }
            Bloco b { de, de };
            for (int k = quantos - 1; k >= 0; --k) {
                b.baixo = valores[k] == vBaixo ? de + k : b.baixo;
                b.alto = valores[k] == vAlto ? de + k : b.alto;
            }
            m_blocos.append(b);
        }
    }
    return m_blocos;
}

void SerieLinhas::extremos(int de, int ate, int &baixo, int &alto, double &vBaixo, double &vAlto) const
{
    const auto considera = [&](int iBaixo, double vb, int iAlto, double va) {
        if (vb < vBaixo || (std::isnan(vBaixo) && !std::isnan(vb))) {
            vBaixo = vb;
            baixo = iBaixo;
        }
        if (va > vAlto || (std::isnan(vAlto) && !std::isnan(va))) {
            vAlto = va;
            alto = iAlto;
        }
    };
    const auto pontoAPonto = [&](int a, int b) {
        for (int k = a; k < b; ++k) {
            const double v = y(k);
            considera(k, v, k, v);
        }
    };
    // Only a range of several blocks is worth the blocks.
    if (ate - de < 3 * kBloco) {
        pontoAPonto(de, ate);
        return;
    }
    const int primeiroBloco = (de + kBloco - 1) / kBloco;
    const int ultimoBloco = ate / kBloco;  // past the last whole block
    pontoAPonto(de, primeiroBloco * kBloco);
    const QVector<Bloco> &b = blocos();
    for (int k = primeiroBloco; k < ultimoBloco; ++k)
        considera(b[k].baixo, y(b[k].baixo), b[k].alto, y(b[k].alto));
    pontoAPonto(ultimoBloco * kBloco, ate);
}

// ---- what the plot draws ---------------------------------------------------------

int SerieLinhas::primeiroAPartir(double alvo) const
{
    int lo = 0;
    int hi = quantidade();
    while (lo < hi) {
        const int meio = lo + (hi - lo) / 2;
        if (x(meio) < alvo)
            lo = meio + 1;
        else
            hi = meio;
    }
    return lo;
}

void SerieLinhas::amostra(double menor, double maior, int colunas)
{
    colunas = std::max(1, colunas);
    if (m_amostraValida && m_amostraMenor == menor && m_amostraMaior == maior && m_amostraColunas == colunas)
        return;
    m_amostraValida = true;
    m_amostraMenor = menor;
    m_amostraMaior = maior;
    m_amostraColunas = colunas;
    const int n = quantidade();
    // From the last point before the range to the first one after it.
    const int inicio = std::max(0, primeiroAPartir(menor) - 1);
    const int fim = std::min(n, primeiroAPartir(std::nextafter(maior, HUGE_VAL)) + 1);
    QVector<QCPGraphData> pontos;
    auto poe = [&](int i) { pontos.append(QCPGraphData(x(i), y(i))); };
    if (fim - inicio <= 4 * colunas) {
        pontos.reserve(std::max(0, fim - inicio));
        for (int i = inicio; i < fim; ++i)
            poe(i);
        m_grafico->data()->set(pontos, true);
        return;
    }
    pontos.reserve(4 * colunas + 8);
    const double largura = (maior - menor) / colunas;
    int i = inicio;
    while (i < fim) {
        // The column of point i, and the first point past it.
        const double coluna = largura > 0 ? std::floor((x(i) - menor) / largura) : -1;
        int proximo = i + 1;
        if (coluna >= 0 && coluna < colunas)
            proximo = std::min(fim, std::max(i + 1, primeiroAPartir(menor + (coluna + 1) * largura)));
        int baixo = i;
        int alto = i;
        double vBaixo = qQNaN();
        double vAlto = qQNaN();
        extremos(i, proximo, baixo, alto, vBaixo, vAlto);
        // In the order of the points, each once. The points of a column
        // are drawn at its centre: a line from the lowest to the highest
        // point a fraction of a pixel apart would be split between two
        // columns, each drawn over part of the range only.
        const int marcas[] = { i, std::min(baixo, alto), std::max(baixo, alto), proximo - 1 };
        const bool dentro = coluna >= 0 && coluna < colunas;
        const double centro = menor + (coluna + 0.5) * largura;
        int anterior = -1;
        for (int k : marcas) {
            if (k != anterior)
                pontos.append(QCPGraphData(dentro ? centro : x(k), y(k)));
            anterior = k;
        }
        i = proximo;
    }
    m_grafico->data()->set(pontos, true);
}
