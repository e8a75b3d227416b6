#pragma once

#include "EscalaEixo.h"

#include <QColor>
#include <QString>
#include <QVector>

#include <functional>

class QCPGraph;

// One line series of a GraficoLinhas: points with an x value, a y value and
// a label text. The labels may be stored with the points or made on demand
// by a function of the point's index, which spares a large recording one
// string per point. The x values must come in order.
class SerieLinhas
{
public:
    SerieLinhas(QCPGraph *grafico, EixoGrafico horizontal, EixoGrafico vertical);

    QCPGraph *grafico() const { return m_grafico; }
    EixoGrafico eixoHorizontal() const { return m_horizontal; }
    EixoGrafico eixoVertical() const { return m_vertical; }

    QString titulo() const;
    void defineTitulo(const QString &titulo);
    bool visivel() const;
    void defineVisivel(bool visivel);
    QColor cor() const;
    // The line's style and width; the colour stays.
    Qt::PenStyle estiloLinha() const;
    int larguraLinha() const;
    void defineLinha(Qt::PenStyle estilo, int largura);

    void limpa();
    void reserva(int quantos);
    void adiciona(double x, double y, const QString &rotulo = {});
    // Replaces every point; x in order.
    void defineDados(const QVector<double> &x, const QVector<double> &y);
    // Labels made on demand; replaces the stored ones.
    void defineFonteRotulos(std::function<QString(int)> fonte);

    int quantidade() const;
    double x(int i) const;
    double y(int i) const;
    bool temRotulos() const { return bool(m_fonte) || !m_rotulos.isEmpty(); }
    QString rotulo(int i) const;

    // The ranges of the x and y values; false without points.
    bool faixaX(double &menor, double &maior) const;
    bool faixaY(double &menor, double &maior) const;

private:
    QCPGraph *m_grafico;
    EixoGrafico m_horizontal;
    EixoGrafico m_vertical;
    QVector<QString> m_rotulos;
    std::function<QString(int)> m_fonte;
    // The y range, found once after each change of the points.
    mutable bool m_faixaYValida = false;
    mutable bool m_temFaixaY = false;
    mutable double m_menorY = 0;
    mutable double m_maiorY = 0;
};
