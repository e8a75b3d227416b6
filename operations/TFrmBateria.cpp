#include "TFrmBateria.h"

#include "Catalogo.h"
#include "ConfigRegional.h"
#include "CursorEspera.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum Texto {
    Caption = 57,
    UltimaTroca = 58,
    As = 59,
    AlteraData = 61,
    Cancela = 62,
    Ajuda = 63,
};

const QString PalavraChaveAjuda = QStringLiteral("Tarvek_Meral");

}  // namespace

TFrmBateria::TFrmBateria(TDatalogger &datalogger, const Ambiente &ambiente, QWidget *parent)
    : QDialog(parent)
    , m_servico(datalogger, ambiente)
    , m_ambiente(ambiente)
{
    setObjectName(QStringLiteral("FrmBateria"));
    setModal(true);
    criaControles();
    Language();
}

QString TFrmBateria::texto(int numero) const
{
    const QStringView janela = u"FrmBateria";
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero, janela)
                               : Catalogo::padrao(numero, janela);
}

void TFrmBateria::criaControles()
{
    const ConfigRegional regional
        = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    const QString d(regional.separadorData), h(regional.separadorHora);
    LabelDate = new QLabel(this);
    MEditData = new QLineEdit(this);
    MEditData->setObjectName(QStringLiteral("MEditData"));
    MEditData->setInputMask(QStringLiteral("99") + d + QStringLiteral("99") + d + QStringLiteral("9999;_"));
    LabelAs = new QLabel(this);
    MEditHora = new QLineEdit(this);
    MEditHora->setObjectName(QStringLiteral("MEditHora"));
    MEditHora->setInputMask(QStringLiteral("99") + h + QStringLiteral("99;_"));
    GaugeBateria = new QProgressBar(this);
    GaugeBateria->setObjectName(QStringLiteral("GaugeBateria"));
    GaugeBateria->setOrientation(Qt::Vertical);
    GaugeBateria->setRange(0, 100);
    GaugeBateria->setValue(0);
    GaugeBateria->setMinimumHeight(120);
    LblConsumo = new QLabel(this);
    LblConsumo->setObjectName(QStringLiteral("LblConsumo"));
    BtnAlterar = new QPushButton(this);
    BtnAlterar->setObjectName(QStringLiteral("BtnAlterar"));
    BtnAlterar->setDefault(true);
    CancelBtn = new QPushButton(this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    HelpBtn = new QPushButton(this);
    HelpBtn->setObjectName(QStringLiteral("HelpBtn"));

    auto *campos = new QGridLayout;
    campos->addWidget(LabelDate, 0, 0);
    campos->addWidget(MEditData, 0, 1);
    campos->addWidget(LabelAs, 0, 2);
    campos->addWidget(MEditHora, 0, 3);
    campos->addWidget(LblConsumo, 1, 0, 1, 4);
    campos->setRowStretch(2, 1);
    auto *meio = new QHBoxLayout;
    meio->addWidget(GaugeBateria);
    meio->addLayout(campos, 1);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(BtnAlterar);
    botoes->addWidget(CancelBtn);
    botoes->addWidget(HelpBtn);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(meio);
    layout->addLayout(botoes);

    connect(BtnAlterar, &QPushButton::clicked, this, &TFrmBateria::BtnAlterarClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [this] {
        if (aoPedirAjuda)
            aoPedirAjuda(PalavraChaveAjuda);
    });
}

void TFrmBateria::Language()
{
    setWindowTitle(texto(Caption));
    LabelDate->setText(texto(UltimaTroca));
    LabelAs->setText(texto(As));
    BtnAlterar->setText(texto(AlteraData));
    CancelBtn->setText(texto(Cancela));
    HelpBtn->setText(texto(Ajuda));
}

bool TFrmBateria::FormCreate()
{
    CursorEspera espera;
    if (!m_servico.RecebeConfiguracoes())
        return false;
    // A stored date the fields cannot hold has its message; the charge is
    // shown all the same.
    const ServicoBateria::Textos t = m_servico.mostra();
    MEditData->setText(t.data);
    MEditHora->setText(t.hora);
    LblConsumo->setText(t.consumo);
    GaugeBateria->setValue(t.carga);
    return true;
}

void TFrmBateria::BtnAlterarClick()
{
    int recusado = 0;
    if (!m_servico.ValidaTudo(MEditData->text(), MEditHora->text(), &recusado)) {
        (recusado == 0 ? MEditData : MEditHora)->setFocus();
        return;
    }
    bool ok = false;
    {
        CursorEspera espera;
        ok = m_servico.grava(MEditData->text(), MEditHora->text());
    }
    if (ok)
        accept();
}
