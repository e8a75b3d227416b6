#include "TFrmLimitesAlarme.h"

#include "Ambiente.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "IMensagens.h"
#include "LimitesAlarme.h"
#include "RegrasLimites.h"
#include "TAquisicao.h"
#include "TabelaTempo.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kTitulo = 362;
constexpr int kSuperior = 363;
constexpr int kInferior = 364;
constexpr int kSemSerie = 372;
}  // namespace

TFrmLimitesAlarme::TFrmLimitesAlarme(const Ambiente &ambiente, QWidget *pai)
    : QDialog(pai)
    , m_ambiente(ambiente)
{
    setWindowTitle(texto(kTitulo));
    auto *layout = new QVBoxLayout(this);
    semSerie = new QLabel(texto(kSemSerie), this);
    semSerie->setObjectName(QStringLiteral("LabelSemSerie"));
    semSerie->setWordWrap(true);
    semSerie->setVisible(false);
    layout->addWidget(semSerie);
    for (int i = 0; i < 2; ++i) {
        montaCanal(i);
        layout->addWidget(canais[size_t(i)].grupo);
    }
    OKBtn = new QPushButton(QStringLiteral("&OK"), this);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(texto(62), this);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(OKBtn);
    botoes->addWidget(CancelBtn);
    layout->addStretch(1);
    layout->addLayout(botoes);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(OKBtn, &QPushButton::clicked, this, &TFrmLimitesAlarme::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

QString TFrmLimitesAlarme::texto(int numero) const
{
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero) : Catalogo::padrao(numero);
}

void TFrmLimitesAlarme::montaCanal(int i)
{
    Caixas &c = canais[size_t(i)];
    c.grupo = new QGroupBox(this);
    // Made in the order Tab follows: each box's switch, then the box.
    c.ligaAlto = new QCheckBox(texto(kSuperior), c.grupo);
    c.alto = new QLineEdit(c.grupo);
    c.ligaBaixo = new QCheckBox(texto(kInferior), c.grupo);
    c.baixo = new QLineEdit(c.grupo);
    const QString sufixo = QString::number(i + 1);
    c.alto->setObjectName(QStringLiteral("EditAlto") + sufixo);
    c.baixo->setObjectName(QStringLiteral("EditBaixo") + sufixo);
    c.ligaAlto->setObjectName(QStringLiteral("CheckBoxAlto") + sufixo);
    c.ligaBaixo->setObjectName(QStringLiteral("CheckBoxBaixo") + sufixo);
    auto *grade = new QGridLayout(c.grupo);
    const std::pair<QCheckBox *, QLineEdit *> linhas[] = { { c.ligaAlto, c.alto }, { c.ligaBaixo, c.baixo } };
    int linha = 0;
    for (const auto &[liga, campo] : linhas) {
        campo->setMaxLength(12);
        campo->setFixedWidth(campo->fontMetrics().horizontalAdvance(QStringLiteral("-00000,000")) + 12);
        campo->setAlignment(Qt::AlignRight);
        c.unidades[size_t(linha)] = new QLabel(c.grupo);
        grade->addWidget(liga, linha, 0);
        grade->addWidget(campo, linha, 1);
        grade->addWidget(c.unidades[size_t(linha)], linha, 2);
        // A limit that is off keeps its text, greyed, for when it is on
        // again.
        connect(liga, &QCheckBox::toggled, campo, &QLineEdit::setEnabled);
        campo->setEnabled(false);
        ++linha;
    }
    grade->setColumnStretch(2, 1);
}

void TFrmLimitesAlarme::SetaLimites(const TAquisicao &aquisicao, const std::array<LimitesCanal, 2> &limites)
{
    m_limites = limites;
    const ConfigRegional regional
        = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    const bool comSerie = LimitesAlarme::temSerie(aquisicao.NumeroSerie);
    semSerie->setVisible(!comSerie);
    OKBtn->setEnabled(comSerie);
    for (int i = 0; i < 2; ++i) {
        const int canal = i + 1;
        Caixas &c = canais[size_t(i)];
        const bool sensor = canalComSensor(aquisicao, canal);
        c.grupo->setVisible(sensor);
        c.grupo->setEnabled(comSerie);
        m_canais[size_t(i)] = RegrasLimites::canal(aquisicao, canal);
        const int casas = m_canais[size_t(i)].casas;
        const QString nome = canal == 1 ? aquisicao.NomeCanal1 : aquisicao.NomeCanal2;
        const QString unidade = canal == 1 ? aquisicao.UnidadeCanal1 : aquisicao.UnidadeCanal2;
        const QString titulo = texto(canal == 1 ? 70 : 71);
        c.grupo->setTitle(nome.trimmed().isEmpty() || nome.trimmed() == titulo
                ? titulo
                : titulo + QStringLiteral(" - ") + nome.trimmed());
        for (QLabel *u : c.unidades)
            u->setText(unidade.trimmed());
        const LimitesCanal &l = limites[size_t(i)];
        c.ligaAlto->setChecked(l.alto.has_value());
        c.ligaBaixo->setChecked(l.baixo.has_value());
        c.alto->setText(l.alto ? RegrasLimites::texto(*l.alto, casas, regional) : QString());
        c.baixo->setText(l.baixo ? RegrasLimites::texto(*l.baixo, casas, regional) : QString());
    }
}

void TFrmLimitesAlarme::OKBtnClick()
{
    const ConfigRegional regional
        = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    const Catalogo catalogo = m_ambiente.catalogo ? *m_ambiente.catalogo : Catalogo();
    std::array<LimitesCanal, 2> lidos;
    for (int i = 0; i < 2; ++i) {
        const Caixas &c = canais[size_t(i)];
        if (c.grupo->isHidden())
            continue;
        const RegrasLimites::Canal &regra = m_canais[size_t(i)];
        const QChar separador = regional.separadorDecimal;
        // Each box alone first, so that a refusal returns to its box; then
        // the two together (back to the upper one).
        const std::pair<QLineEdit *, RegrasLimites::Leitura> leituras[] = {
            { c.alto,
                RegrasLimites::le(
                    c.ligaAlto->isChecked(), c.alto->text(), false, {}, regra, separador, catalogo) },
            { c.baixo,
                RegrasLimites::le(
                    false, {}, c.ligaBaixo->isChecked(), c.baixo->text(), regra, separador, catalogo) },
            { c.alto,
                RegrasLimites::le(c.ligaAlto->isChecked(), c.alto->text(), c.ligaBaixo->isChecked(),
                    c.baixo->text(), regra, separador, catalogo) },
        };
        for (const auto &[campo, leitura] : leituras) {
            if (leitura.aceita())
                continue;
            if (m_ambiente.mensagens)
                m_ambiente.mensagens->aviso(leitura.erro);
            campo->setFocus();
            campo->selectAll();
            return;
        }
        lidos[size_t(i)] = leituras[2].second.limites;
    }
    m_limites = lidos;
    Cancelado = false;
    accept();
}
