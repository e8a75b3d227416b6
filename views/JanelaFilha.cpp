#include "JanelaFilha.h"

#include <QMdiSubWindow>
#include <QVariant>
#include <QWidget>

namespace {
constexpr char kPropriedade[] = "quorvaneTipoJanela";
}

void marcaJanela(QWidget *janela, TipoJanela tipo)
{
    janela->setProperty(kPropriedade, int(tipo));
}

TipoJanela tipoJanela(const QWidget *janela)
{
    if (!janela)
        return TipoJanela::Outra;
    if (const auto *sub = qobject_cast<const QMdiSubWindow *>(janela); sub && sub->widget())
        janela = sub->widget();
    const QVariant v = janela->property(kPropriedade);
    return v.isValid() ? TipoJanela(v.toInt()) : TipoJanela::Outra;
}
