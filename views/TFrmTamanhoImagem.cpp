#include "TFrmTamanhoImagem.h"

#include "Catalogo.h"
#include "ImagemGrafico.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QStyle>

#include <algorithm>

namespace {

QSpinBox *lado(int valor, QWidget *pai)
{
    auto *s = new QSpinBox(pai);
    s->setRange(ImagemGrafico::LadoMinimo, ImagemGrafico::LadoMaximo);
    s->setValue(valor);
    return s;
}

}  // namespace

TFrmTamanhoImagem::TFrmTamanhoImagem(const Catalogo &catalogo, QSize inicial, QWidget *pai)
    : QDialog(pai)
{
    setWindowTitle(catalogo.texto(297));
    SpinLargura = lado(inicial.width(), this);
    SpinAltura = lado(inicial.height(), this);
    SpinLargura->setObjectName(QStringLiteral("SpinLargura"));
    SpinAltura->setObjectName(QStringLiteral("SpinAltura"));
    auto *botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *forma = new QFormLayout(this);
    forma->addRow(catalogo.texto(298), SpinLargura);
    forma->addRow(catalogo.texto(299), SpinAltura);
    forma->addRow(botoes);
    // The title bar holds the whole title beside its buttons: the window
    // manager's title font is about the application's, bold.
    QFont negrito = font();
    negrito.setBold(true);
    const int titulo = QFontMetrics(negrito).horizontalAdvance(windowTitle());
    const int botoesTitulo = 4 * style()->pixelMetric(QStyle::PM_TitleBarHeight);
    setMinimumWidth(std::max(sizeHint().width(), titulo + botoesTitulo));
}

QSize TFrmTamanhoImagem::tamanho() const
{
    return QSize(SpinLargura->value(), SpinAltura->value());
}
