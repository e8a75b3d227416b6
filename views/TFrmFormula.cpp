#include "TFrmFormula.h"

#include "BibliotecaFormulas.h"
#include "Catalogo.h"
#include "IMensagens.h"
#include "RegrasFormula.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFrmFormula::TFrmFormula(const Ambiente &ambiente, const QString &pastaPrograma, QWidget *parent)
    : QDialog(parent)
    , m_ambiente(ambiente)
{
    montaJanela();
    FormCreate(pastaPrograma);
}

TFrmFormula::~TFrmFormula() = default;

QString TFrmFormula::texto(int numero) const
{
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero) : Catalogo::padrao(numero);
}

void TFrmFormula::montaJanela()
{
    GroupBoxName = new QGroupBox(this);
    ListBox_Formula = new QListWidget(GroupBoxName);
    ListBox_Formula->setMinimumWidth(ListBox_Formula->fontMetrics().averageCharWidth() * 34);
    (new QVBoxLayout(GroupBoxName))->addWidget(ListBox_Formula);

    GroupBoxApp = new QGroupBox(this);
    CheckBox_Canal1 = new QCheckBox(GroupBoxApp);
    CheckBox_Canal2 = new QCheckBox(GroupBoxApp);
    auto *app = new QVBoxLayout(GroupBoxApp);
    app->addWidget(CheckBox_Canal1);
    app->addWidget(CheckBox_Canal2);

    GrpBx_Interv = new QGroupBox(this);
    LabelAcqIni = new QLabel(GrpBx_Interv);
    Edt_Aquisini = new QLineEdit(GrpBx_Interv);
    LabelAcqEnd = new QLabel(GrpBx_Interv);
    Edt_Aquisfinal = new QLineEdit(GrpBx_Interv);
    // Wide enough for the largest entry number (a million and more), and
    // room kept while the group is hidden: the dialog has one size whatever
    // formula it shows, from one opening to the next.
    for (QLineEdit *e : { Edt_Aquisini, Edt_Aquisfinal })
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12);
    QSizePolicy politica = GrpBx_Interv->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    GrpBx_Interv->setSizePolicy(politica);
    auto *interv = new QGridLayout(GrpBx_Interv);
    interv->addWidget(LabelAcqIni, 0, 0);
    interv->addWidget(Edt_Aquisini, 0, 1);
    interv->addWidget(LabelAcqEnd, 1, 0);
    interv->addWidget(Edt_Aquisfinal, 1, 1);

    GroupBoxFormula = new QGroupBox(this);
    Edt_FormulaSimb = new QLineEdit(GroupBoxFormula);
    (new QVBoxLayout(GroupBoxFormula))->addWidget(Edt_FormulaSimb);
    GroupBoxDescription = new QGroupBox(this);
    Memo_Descr = new QPlainTextEdit(GroupBoxDescription);
    Memo_Descr->setFixedHeight(Memo_Descr->fontMetrics().lineSpacing() * 4 + 8);
    (new QVBoxLayout(GroupBoxDescription))->addWidget(Memo_Descr);
    for (QLineEdit *e : { Edt_Aquisini, Edt_Aquisfinal, Edt_FormulaSimb })
        e->setReadOnly(true);
    Memo_Descr->setReadOnly(true);

    BtBtn_Fechar = new QPushButton(this);
    BtBtn_Ativar = new QPushButton(this);
    BtBtn_Desativar = new QPushButton(this);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(BtBtn_Ativar);
    botoes->addWidget(BtBtn_Desativar);
    botoes->addWidget(BtBtn_Fechar);

    auto *direita = new QVBoxLayout;
    direita->addWidget(GroupBoxApp);
    direita->addWidget(GrpBx_Interv);
    direita->addStretch(1);
    auto *cima = new QHBoxLayout;
    cima->addWidget(GroupBoxName, 1);
    cima->addLayout(direita);
    auto *principal = new QVBoxLayout(this);
    principal->addLayout(cima, 1);
    principal->addWidget(GroupBoxFormula);
    principal->addWidget(GroupBoxDescription);
    principal->addLayout(botoes);

    // The texts follow the selected line: the focus alone makes a line
    // current without choosing it.
    connect(ListBox_Formula, &QListWidget::itemSelectionChanged, this, &TFrmFormula::ListBox_FormulaClick);
    connect(BtBtn_Ativar, &QPushButton::clicked, this, &TFrmFormula::BtBtn_AtivarClick);
    connect(BtBtn_Desativar, &QPushButton::clicked, this, &TFrmFormula::BtBtn_DesativarClick);
    connect(BtBtn_Fechar, &QPushButton::clicked, this, &TFrmFormula::BtBtn_FecharClick);
}

void TFrmFormula::Language()
{
    setWindowTitle(texto(100));
    BtBtn_Fechar->setText(texto(101));
    BtBtn_Ativar->setText(texto(102));
    BtBtn_Desativar->setText(texto(103));
    GroupBoxName->setTitle(texto(104));
    GroupBoxApp->setTitle(texto(105));
    GrpBx_Interv->setTitle(texto(106));
    GroupBoxFormula->setTitle(texto(107));
    GroupBoxDescription->setTitle(texto(108));
    LabelAcqIni->setText(texto(109));
    LabelAcqEnd->setText(texto(110));
    CheckBox_Canal1->setText(texto(70));
    CheckBox_Canal2->setText(texto(71));
}

// The library's list, read once; the library is released at the end.
void TFrmFormula::FormCreate(const QString &pastaPrograma)
{
    Language();
    GrpBx_Interv->hide();
    m_carregado = false;
    BibliotecaFormulas biblioteca(pastaPrograma);
    if (!biblioteca.carregada()) {
        if (m_ambiente.mensagens) {
            const Catalogo catalogo = m_ambiente.catalogo ? *m_ambiente.catalogo : Catalogo();
            m_ambiente.mensagens->aviso(BibliotecaFormulas::mensagemAusente(catalogo));
        }
        return;
    }
    m_formulas = biblioteca.formulas();
    for (const Formulas::TFormula &f : m_formulas)
        ListBox_Formula->addItem(RegrasFormula::texto(f.Nome));
    m_carregado = true;
}

void TFrmFormula::defineFaixa(int inicial, int final)
{
    Edt_Aquisini->setText(QString::number(inicial));
    Edt_Aquisfinal->setText(QString::number(final));
}

void TFrmFormula::habilitaCanais(bool canal1, bool canal2)
{
    CheckBox_Canal1->setEnabled(canal1);
    CheckBox_Canal2->setEnabled(canal2);
}

void TFrmFormula::AtualizaDadosFormula(int indice)
{
    if (indice < 0 || indice >= int(m_formulas.size())) {
        Memo_Descr->clear();
        Edt_FormulaSimb->clear();
        GrpBx_Interv->hide();
        return;
    }
    m_atual = indice;
    const Formulas::TFormula &f = m_formulas[size_t(indice)];
    Edt_FormulaSimb->setText(RegrasFormula::texto(f.Expressao));
    Memo_Descr->setPlainText(RegrasFormula::texto(f.Descricao));
    GrpBx_Interv->setVisible(!RegrasFormula::unica(f));
}

void TFrmFormula::ListBox_FormulaClick()
{
    const QList<QListWidgetItem *> escolhidas = ListBox_Formula->selectedItems();
    AtualizaDadosFormula(escolhidas.isEmpty() ? -1 : ListBox_Formula->row(escolhidas.first()));
}

void TFrmFormula::SetaParametros(const Formulas::TFormula &formula)
{
    {
        const QSignalBlocker quieto(ListBox_Formula);
        ListBox_Formula->setCurrentRow(formula.Indice);
    }
    AtualizaDadosFormula(formula.Indice);
    CheckBox_Canal1->setChecked(formula.Canais == 1 || formula.Canais == 3);
    CheckBox_Canal2->setChecked(formula.Canais == 2 || formula.Canais == 3);
    if (m_atual < 0 || m_atual != formula.Indice)
        return;
    Formulas::TFormula &atual = m_formulas[size_t(m_atual)];
    if (!RegrasFormula::unica(atual))
        atual.NumAquisicoes = Edt_Aquisfinal->text().toInt() - Edt_Aquisini->text().toInt() + 1;
    atual.IntervaloSegundos = formula.IntervaloSegundos;
}

const Formulas::TFormula *TFrmFormula::formulaAtual() const
{
    return m_atual >= 0 ? &m_formulas[size_t(m_atual)] : nullptr;
}

bool TFrmFormula::VerificaParametros()
{
    // The list's current line counts only when it is selected (the focus
    // alone makes a line current).
    const int linha = ListBox_Formula->currentRow();
    const QListWidgetItem *item = ListBox_Formula->currentItem();
    const bool selecionada = item && item->isSelected() && linha >= 0 && linha < int(m_formulas.size());
    if (selecionada)
        m_atual = linha;
    const Catalogo catalogo = m_ambiente.catalogo ? *m_ambiente.catalogo : Catalogo();
    const RegrasFormula::Verificacao v
        = RegrasFormula::verifica(selecionada ? &m_formulas[size_t(linha)] : nullptr,
            CheckBox_Canal1->isChecked(), CheckBox_Canal2->isChecked(), catalogo);
    if (!v.valida) {
        if (m_ambiente.mensagens)
            m_ambiente.mensagens->aviso(v.mensagem);
        return false;
    }
    m_formulas[size_t(linha)].Canais = v.canais;
    return true;
}

void TFrmFormula::BtBtn_AtivarClick()
{
    if (!VerificaParametros())
        return;
    if (m_ambiente.mensagens) {
        const Catalogo catalogo = m_ambiente.catalogo ? *m_ambiente.catalogo : Catalogo();
        m_ambiente.mensagens->informacao(RegrasFormula::mensagemAssociada(*formulaAtual(), catalogo));
    }
    m_fechamento = Fechamento::Ativado;
    accept();
}

void TFrmFormula::BtBtn_DesativarClick()
{
    m_fechamento = Fechamento::Desativado;
    accept();
}

void TFrmFormula::BtBtn_FecharClick()
{
    m_fechamento = Fechamento::Fechado;
    reject();
}
