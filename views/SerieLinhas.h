#pragma once

#include "EscalaEixo.h"

#include <QColor>
#include <QString>
#include <QVector>

#include <cstring>
#include <functional>
#include <memory>

class QCPGraph;

// One line series of a GraficoLinhas: points with an x value, a y value and
// a label text. The points may be held by the series or read from their
// owner through functions of the index (a large recording keeps a single
// copy of its values, in its document); the labels too may be stored or
// made on demand. The x values must come in order.
//
// The chart draws only what its pixels can show: before each drawing the
// series hands the plot the points of the axis's range reduced per pixel
// column to the first, the lowest, the highest and the last point of the
// column, so that a single-point spike is drawn at full height at any
// zoom, and a million points draw as fast as a few thousand.
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
    // Replaces every point by quantos points read through x and y, which
    // must stay valid as long as the series shows them.
    void defineFonte(int quantos, std::function<double(int)> x, std::function<double(int)> y);
    // y values laid one every passo bytes from base (a field of a table of
    // records), which dono keeps alive: read without a call per point.
    struct Coluna
    {
        const char *base = nullptr;
        qsizetype passo = 0;
        std::shared_ptr<const void> dono;
    };
    void defineFonte(int quantos, std::function<double(int)> x, Coluna y);
    // Labels made on demand; replaces the stored ones.
    void defineFonteRotulos(std::function<QString(int)> fonte);

    int quantidade() const;
    double x(int i) const;
    double y(int i) const
    {
        if (m_quantosFonte < 0)
            return m_y[i];
        if (!m_colunaY.base)
            return m_fonteY(i);
        double v;
        std::memcpy(&v, m_colunaY.base + i * m_colunaY.passo, sizeof v);
        return v;
    }
    bool temRotulos() const { return bool(m_fonte) || !m_rotulos.isEmpty(); }
    QString rotulo(int i) const;

    // The ranges of the x and y values; false without points.
    bool faixaX(double &menor, double &maior) const;
    bool faixaY(double &menor, double &maior) const;

    // Gives the plot the points between the x values menor and maior (and
    // the one on each side, for the lines that leave the range) reduced to
    // at most four per pixel column, colunas columns in all.
    void amostra(double menor, double maior, int colunas);

private:
    // The lowest and the highest point of a block of kBloco points (the
    // first of equals; NaN values count as absent).
    struct Bloco
    {
        int baixo;
        int alto;
    };
    static constexpr int kBloco = 64;
    // The blocks of a series of many points, made once after each change:
    // a column then costs a look at each block it covers instead of each
    // point, and the y range a look at each block.
    const QVector<Bloco> &blocos() const;
    // The lowest and highest points of [de, ate) into baixo and alto, with
    // their values.
    void extremos(int de, int ate, int &baixo, int &alto, double &vBaixo, double &vAlto) const;
    void mudou();
    void pedeRedesenho();
    // Where the points come from: quantos points read through x and y (or
    // the column), or -1 for the stored ones.
    void trocaFonte(int quantos, std::function<double(int)> x, std::function<double(int)> y, Coluna coluna);
    // The first index whose x is at least alvo.
    int primeiroAPartir(double alvo) const;

    QCPGraph *m_grafico;
    EixoGrafico m_horizontal;
    EixoGrafico m_vertical;
    QVector<double> m_x;
    QVector<double> m_y;
    int m_quantosFonte = -1;  // -1: the points are m_x and m_y
    std::function<double(int)> m_fonteX;
    std::function<double(int)> m_fonteY;
    Coluna m_colunaY;
    QVector<QString> m_rotulos;
    std::function<QString(int)> m_fonte;
    // What the plot holds: the range and columns it was reduced for.
    bool m_amostraValida = false;
    double m_amostraMenor = 0;
    double m_amostraMaior = 0;
    int m_amostraColunas = 0;
    mutable QVector<Bloco> m_blocos;
    mutable bool m_blocosValidos = false;
    // The y range, found once after each change of the points.
    mutable bool m_faixaYValida = false;
    mutable bool m_temFaixaY = false;
    mutable double m_menorY = 0;
    mutable double m_maiorY = 0;
};
