#include "SerieLinhas.h"

#include <qcustomplot.h>

SerieLinhas::SerieLinhas(QCPGraph *grafico, EixoGrafico horizontal, EixoGrafico vertical)
    : m_grafico(grafico)
    , m_horizontal(horizontal)
    , m_vertical(vertical)
{
    m_grafico->setAdaptiveSampling(true);
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
    m_grafico->parentPlot()->replot(QCustomPlot::rpQueuedReplot);
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

void SerieLinhas::limpa()
{
    m_grafico->data()->clear();
    m_rotulos.clear();
    m_fonte = nullptr;
    m_faixaYValida = false;
}

void SerieLinhas::reserva(int quantos)
{
    m_rotulos.reserve(quantos);
}

void SerieLinhas::adiciona(double x, double y, const QString &rotulo)
{
    m_grafico->addData(x, y);
    if (!rotulo.isEmpty() || !m_rotulos.isEmpty()) {
        m_rotulos.resize(quantidade() - 1);
        m_rotulos.append(rotulo);
    }
    m_faixaYValida = false;
}

void SerieLinhas::defineDados(const QVector<double> &x, const QVector<double> &y)
{
    m_grafico->setData(x, y, true);
    m_rotulos.clear();
    m_faixaYValida = false;
    m_grafico->parentPlot()->replot(QCustomPlot::rpQueuedReplot);
}

void SerieLinhas::defineFonteRotulos(std::function<QString(int)> fonte)
{
    m_fonte = std::move(fonte);
    m_rotulos.clear();
}

int SerieLinhas::quantidade() const
{
    return m_grafico->data()->size();
}

double SerieLinhas::x(int i) const
{
    return (m_grafico->data()->constBegin() + i)->key;
}

double SerieLinhas::y(int i) const
{
    return (m_grafico->data()->constBegin() + i)->value;
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
        bool achou = false;
        const QCPRange r = m_grafico->data()->valueRange(achou);
        m_temFaixaY = achou;
        m_menorY = r.lower;
        m_maiorY = r.upper;
        m_faixaYValida = true;
    }
    menor = m_menorY;
    maior = m_maiorY;
    return m_temFaixaY;
}
