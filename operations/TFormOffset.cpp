#include "TFormOffset.h"

#include "Catalogo.h"
#include "CursorEspera.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

enum Texto {
    Caption = 129,
    OffsetCanal1 = 130,
    AlteraOffset = 132,
    Cancela = 62,
};

}  // namespace

TFormOffset::TFormOffset(TDatalogger &datalogger, const Ambiente &ambiente, QWidget *parent)
    : QDialog(parent)
    , m_ajuste(datalogger, ambiente)
    , m_ambiente(ambiente)
{
    setObjectName(QStringLiteral("FormOffset"));
    setModal(true);
    auto *grade = new QGridLayout;
    for (int n = 1; n <= 2; ++n) {
        m_canal[n - 1] = criaCanal(n);
        grade->addWidget(m_canal[n - 1].LblOffs, n - 1, 0);
        grade->addWidget(m_canal[n - 1].Edit, n - 1, 1);
        grade->addWidget(m_canal[n - 1].UpDown, n - 1, 2);
    }
    BitBtnOffset = new QPushButton(this);
    BitBtnOffset->setObjectName(QStringLiteral("BitBtnOffset"));
    BitBtnOffset->setDefault(true);
    BitBtnCancel = new QPushButton(this);
    BitBtnCancel->setObjectName(QStringLiteral("BitBtnCancel"));
    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(BitBtnOffset);
    botoes->addWidget(BitBtnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(grade);
    layout->addLayout(botoes);
    connect(BitBtnOffset, &QPushButton::clicked, this, &TFormOffset::BitBtnOffsetClick);
    connect(BitBtnCancel, &QPushButton::clicked, this, &TFormOffset::BitBtnCancelClick);
    Language();
    mostraCanais();
}

TFormOffset::Canal TFormOffset::criaCanal(int n)
{
    Canal c;
    c.LblOffs = new QLabel(this);
    c.LblOffs->setObjectName(QStringLiteral("LblOffs%1").arg(n));
    c.Edit = new QLineEdit(this);
    c.Edit->setObjectName(QStringLiteral("Edit%1").arg(n));
    c.Edit->setReadOnly(true);
    c.Edit->setAlignment(Qt::AlignRight);
    c.Edit->setMaximumWidth(c.Edit->fontMetrics().horizontalAdvance(u"-000,000"_qs) + 16);
    c.UpDown = new QWidget(this);
    c.UpDown->setObjectName(QStringLiteral("UpDown%1").arg(n));
    auto *setas = new QVBoxLayout(c.UpDown);
    setas->setContentsMargins(0, 0, 0, 0);
    setas->setSpacing(0);
    for (const bool acima : { true, false }) {
        auto *b = new QToolButton(c.UpDown);
        b->setObjectName(acima ? u"Acima"_qs : u"Abaixo"_qs);
        b->setArrowType(acima ? Qt::UpArrow : Qt::DownArrow);
        b->setAutoRepeat(true);
        b->setFixedHeight(c.Edit->sizeHint().height() / 2);
        setas->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, n, acima] {
            if (n == 1)
                UpDown1Click(acima);
            else
                UpDown2Click(acima);
        });
    }
    return c;
}

QString TFormOffset::texto(int numero) const
{
    const QStringView janela = u"FormOffset";
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero, janela)
                               : Catalogo::padrao(numero, janela);
}

void TFormOffset::Language()
{
    setWindowTitle(texto(Caption));
    m_canal[0].LblOffs->setText(texto(OffsetCanal1));
    m_canal[1].LblOffs->setText(texto(OffsetCanal1 + 1));
    BitBtnOffset->setText(texto(AlteraOffset));
    BitBtnCancel->setText(texto(Cancela));
}

void TFormOffset::mostraCanais()
{
    for (int n = 1; n <= 2; ++n) {
        const Canal &c = m_canal[n - 1];
        c.Edit->setText(m_ajuste.texto(n));
        const bool visivel = m_ajuste.visivel(n);
        c.Edit->setVisible(visivel);
        c.LblOffs->setVisible(visivel);
        c.UpDown->setVisible(visivel);
    }
}

bool TFormOffset::FormCreate()
{
    CursorEspera espera;
    if (!m_ajuste.RecebeConfiguracoes())
        return false;
    mostraCanais();
    return true;
}

void TFormOffset::UpDown1Click(bool acima)
{
    m_ajuste.UpDownClick(1, acima);
    m_canal[0].Edit->setText(m_ajuste.texto(1));
}

void TFormOffset::UpDown2Click(bool acima)
{
    m_ajuste.UpDownClick(2, acima);
    m_canal[1].Edit->setText(m_ajuste.texto(2));
}

void TFormOffset::BitBtnOffsetClick()
{
    bool ok = false;
    {
        CursorEspera espera;
        ok = m_ajuste.BitBtnOffsetClick();
    }
    if (ok)
        accept();
}

void TFormOffset::BitBtnCancelClick()
{
    reject();
}
