#include "TFrmFaixaZoom.h"

#include "BotaoGiro.h"
#include "Catalogo.h"
#include "ConfigRegional.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>

namespace {

const QString kAjuda = QStringLiteral("Propriedades_do_Gr_fico");

// The masked fields keep their blanks as "_" on screen.
QString semMascara(const QLineEdit *campo)
{
    QString t = campo->displayText();
    if (!campo->inputMask().isEmpty())
        t.replace(u'_', u' ');
    return t;
}

QLineEdit *campoData(QWidget *pai, const QString &mascara)
{
    auto *c = new QLineEdit(pai);
    c->setInputMask(mascara);
    c->setFixedWidth(c->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 12);
    return c;
}

// A sign or digit, then digits, and (unlike a masked field) a decimal part,
// so that a range like 12,37 can be typed and shown as it is.
QLineEdit *campoValor(QWidget *pai)
{
    auto *c = new QLineEdit(pai);
    c->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[+-]?[0-9]{0,8}([.,][0-9]{0,3})?")), c));
    c->setFixedWidth(c->fontMetrics().horizontalAdvance(QStringLiteral("-00000000,000")) + 12);
    return c;
}

}  // namespace

TFrmFaixaZoom::TFrmFaixaZoom(
    const Ambiente &ambiente, std::function<void(const QString &)> ajuda, QWidget *parent)
    : QDialog(parent)
    , m_ambiente(ambiente)
    , m_ajuda(std::move(ajuda))
{
    setObjectName(QStringLiteral("FrmFaixaZoom"));
    montaJanela();
    FormCreate();
}

QString TFrmFaixaZoom::texto(int numero) const
{
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero) : Catalogo::padrao(numero);
}

void TFrmFaixaZoom::montaJanela()
{
    auto *grade = new QGridLayout;
    auto linha = [&](int row, QLabel *&rotulo1, QLineEdit *campo1, BotaoGiro *&giro1, QLabel *&rotulo2,
                     QLineEdit *campo2, BotaoGiro *&giro2) {
        rotulo1 = new QLabel(this);
        rotulo2 = new QLabel(this);
        giro1 = new BotaoGiro(this);
        giro2 = new BotaoGiro(this);
        grade->addWidget(rotulo1, row, 0);
        grade->addWidget(campo1, row, 1);
        grade->addWidget(giro1, row, 2);
        grade->addWidget(rotulo2, row, 3, Qt::AlignRight);
        grade->addWidget(campo2, row, 4);
        grade->addWidget(giro2, row, 5);
    };
    const QString data = QStringLiteral("99/99/9999;_");
    const QString hora = QStringLiteral("99:99:99;_");
    MEDataInicial = campoData(this, data);
    MEHoraInicial = campoData(this, hora);
    MEDataFinal = campoData(this, data);
    MEHoraFinal = campoData(this, hora);
    MEValorDe = campoValor(this);
    MEValorAte = campoValor(this);
    MEValor2De = campoValor(this);
    MEValor2Ate = campoValor(this);
    linha(0, LabelLeiturasDe, MEDataInicial, SpinButtonDataIni, LabeldeAs, MEHoraInicial, SpinButtonHoraIni);
    linha(1, LabeLeiturasAte, MEDataFinal, SpinButtonDataFinal, LabelateAs, MEHoraFinal, SpinButtonHoraFinal);
    linha(2, LabelValorDe, MEValorDe, SpinButtonValorMin, LabelValorAte, MEValorAte, SpinButtonValorMax);
    linha(
        3, LabelValor2De, MEValor2De, SpinButtonValorMin2, LabelValor2Ate, MEValor2Ate, SpinButtonValorMax2);
    for (QWidget *w : std::initializer_list<QWidget *> { LabelValor2De, MEValor2De, SpinButtonValorMin2,
             LabelValor2Ate, MEValor2Ate, SpinButtonValorMax2 })
        w->hide();
    grade->setColumnMinimumWidth(3, 24);

    OKBtn = new QPushButton(this);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(this);
    HelpBtn = new QPushButton(this);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(OKBtn);
    botoes->addWidget(CancelBtn);
    botoes->addWidget(HelpBtn);
    auto *principal = new QVBoxLayout(this);
    principal->addLayout(grade);
    principal->addSpacing(8);
    principal->addLayout(botoes);
    principal->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKBtn, &QPushButton::clicked, this, &TFrmFaixaZoom::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TFrmFaixaZoom::CancelBtnClick);
    connect(HelpBtn, &QPushButton::clicked, this, &TFrmFaixaZoom::HelpBtnClick);
    using FaixaZoom::Giro;
    liga(SpinButtonDataIni, Giro::DataIni);
    liga(SpinButtonHoraIni, Giro::HoraIni);
    liga(SpinButtonDataFinal, Giro::DataFinal);
    liga(SpinButtonHoraFinal, Giro::HoraFinal);
    liga(SpinButtonValorMin, Giro::ValorMin);
    liga(SpinButtonValorMax, Giro::ValorMax);
    liga(SpinButtonValorMin2, Giro::ValorMin2);
    liga(SpinButtonValorMax2, Giro::ValorMax2);
}

void TFrmFaixaZoom::liga(BotaoGiro *botao, FaixaZoom::Giro giro)
{
    auto aplica = [this, giro](bool sobe) {
        FaixaZoom::Campos c = campos();
        const ConfigRegional r
            = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
        if (FaixaZoom::gira(c, giro, sobe, r))
            poeCampos(c);
    };
    connect(botao, &BotaoGiro::sobe, this, [aplica] { aplica(true); });
    connect(botao, &BotaoGiro::desce, this, [aplica] { aplica(false); });
}

void TFrmFaixaZoom::FormCreate()
{
    Cancelado = true;
    setWindowTitle(texto(93));
    LabelLeiturasDe->setText(texto(94));
    LabeLeiturasAte->setText(texto(95));
    LabelValorDe->setText(texto(96));
    LabelValor2De->setText(texto(97));
    LabeldeAs->setText(texto(98));
    LabelateAs->setText(texto(98));
    LabelValorAte->setText(texto(99));
    LabelValor2Ate->setText(texto(99));
    OKBtn->setText(QStringLiteral("&OK"));
    CancelBtn->setText(texto(62));
    HelpBtn->setText(texto(63));
}

void TFrmFaixaZoom::SetaValores(
    int n, TDateTime inicio, TDateTime fim, double, double min1, double max1, double min2, double max2)
{
    NumFaixas = n;
    DataInicial = HoraInicial = inicio;
    DataFinal = HoraFinal = fim;
    ValorMin1 = min1;
    ValorMax1 = max1;
    ValorMin2 = min2;
    ValorMax2 = max2;
}

void TFrmFaixaZoom::showEvent(QShowEvent *evento)
{
    FormShow();
    QDialog::showEvent(evento);
    if (const QScreen *tela = screen())
        move(tela->availableGeometry().center() - rect().center());
}

void TFrmFaixaZoom::FormShow()
{
    FaixaZoom::Valores v;
    v.inicio = DataInicial;
    v.fim = DataFinal;
    v.min1 = ValorMin1;
    v.max1 = ValorMax1;
    v.min2 = ValorMin2;
    v.max2 = ValorMax2;
    const ConfigRegional r = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    if (NumFaixas > 1)
        MostraValores_Sensor2();
    poeCampos(FaixaZoom::preenche(v, NumFaixas, r));
}

void TFrmFaixaZoom::MostraValores_Sensor2()
{
    for (QWidget *w : std::initializer_list<QWidget *> { LabelValor2De, MEValor2De, SpinButtonValorMin2,
             LabelValor2Ate, MEValor2Ate, SpinButtonValorMax2 })
        w->show();
}

FaixaZoom::Campos TFrmFaixaZoom::campos() const
{
    FaixaZoom::Campos c;
    c.dataInicial = semMascara(MEDataInicial);
    c.horaInicial = semMascara(MEHoraInicial);
    c.dataFinal = semMascara(MEDataFinal);
    c.horaFinal = semMascara(MEHoraFinal);
    c.valorDe = MEValorDe->text();
    c.valorAte = MEValorAte->text();
    c.valor2De = MEValor2De->text();
    c.valor2Ate = MEValor2Ate->text();
    return c;
}

void TFrmFaixaZoom::poeCampos(const FaixaZoom::Campos &c)
{
    MEDataInicial->setText(c.dataInicial);
    MEHoraInicial->setText(c.horaInicial);
    MEDataFinal->setText(c.dataFinal);
    MEHoraFinal->setText(c.horaFinal);
    MEValorDe->setText(c.valorDe);
    MEValorAte->setText(c.valorAte);
    MEValor2De->setText(c.valor2De);
    MEValor2Ate->setText(c.valor2Ate);
}

void TFrmFaixaZoom::focaliza(FaixaZoom::Campo campo)
{
    using FaixaZoom::Campo;
    QLineEdit *alvo = nullptr;
    switch (campo) {
    case Campo::Nenhum:
        return;
    case Campo::DataInicial:
        alvo = MEDataInicial;
        break;
    case Campo::HoraInicial:
        alvo = MEHoraInicial;
        break;
    case Campo::DataFinal:
        alvo = MEDataFinal;
        break;
    case Campo::HoraFinal:
        alvo = MEHoraFinal;
        break;
    case Campo::ValorDe:
        alvo = MEValorDe;
        break;
    case Campo::ValorAte:
        alvo = MEValorAte;
        break;
    case Campo::Valor2De:
        alvo = MEValor2De;
        break;
    case Campo::Valor2Ate:
        alvo = MEValor2Ate;
        break;
    }
    alvo->setFocus();
}

bool TFrmFaixaZoom::ValidaValoresCampos()
{
    const FaixaZoom::Campo falha = FaixaZoom::validaCampos(campos(), m_ambiente);
    focaliza(falha);
    return falha == FaixaZoom::Campo::Nenhum;
}

bool TFrmFaixaZoom::ValidaCoordenadasdeZoom()
{
    const FaixaZoom::Campo falha
        = FaixaZoom::validaCoordenadas(campos(), NumFaixas, !MEValor2De->isHidden(), m_ambiente);
    focaliza(falha);
    return falha == FaixaZoom::Campo::Nenhum;
}

void TFrmFaixaZoom::OKBtnClick()
{
    if (!ValidaValoresCampos() || !ValidaCoordenadasdeZoom()) {
        Cancelado = true;
        return;
    }
    const ConfigRegional r = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    const FaixaZoom::Resultado v = FaixaZoom::resultado(campos(), NumFaixas, r);
    ValorMin1 = v.min1;
    ValorMax1 = v.max1;
    if (NumFaixas > 1) {
        ValorMin2 = v.min2;
        ValorMax2 = v.max2;
    }
    DataInicial = v.dataInicial;
    DataFinal = v.dataFinal;
    HoraInicial = v.horaInicial;
    HoraFinal = v.horaFinal;
    Cancelado = false;
    accept();
}

void TFrmFaixaZoom::CancelBtnClick()
{
    Cancelado = true;
    reject();
}

void TFrmFaixaZoom::HelpBtnClick()
{
    if (m_ajuda)
        m_ajuda(kAjuda);
}
