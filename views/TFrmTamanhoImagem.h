#pragma once

#include <QDialog>
#include <QSize>

class Catalogo;
class QSpinBox;

// The size of a saved chart picture: width and height in pixels, starting
// at the chart's own size on screen.
class TFrmTamanhoImagem : public QDialog
{
    Q_OBJECT
public:
    TFrmTamanhoImagem(const Catalogo &catalogo, QSize inicial, QWidget *pai = nullptr);

    QSize tamanho() const;

    QSpinBox *SpinLargura = nullptr;
    QSpinBox *SpinAltura = nullptr;
};
