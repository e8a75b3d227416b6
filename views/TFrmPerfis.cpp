#include "TFrmPerfis.h"

#include "Ambiente.h"
#include "Catalogo.h"
#include "ConfigRegional.h"
#include "IMensagens.h"
#include "LimitesAlarme.h"
#include "PerfisGuardados.h"
#include "TextoInformacoes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int kTitulo = 475;
constexpr int kSomenteLeitura = 478;
constexpr int kNovo = 479;
constexpr int kGravar = 480;
constexpr int kRemover = 481;
constexpr int kAtribuir = 482;
constexpr int kNomes = 483;
constexpr int kBotoesRegra = 484;
constexpr int kColunas = 485;
constexpr int kCanais = 486;
constexpr int kTipos = 487;
constexpr int kLados = 488;
constexpr int kJanelas = 489;
constexpr int kAtribuido = 498;
constexpr int kSemAtribuicao = 499;
constexpr int kFechar = 101;

enum Coluna { Canal, Tipo, Lado, Limite, Inclui, Horas, Minutos, Janela, Colunas };

}  // namespace

TFrmPerfis::TFrmPerfis(const Ambiente &ambiente, qint32 numeroSerie, QWidget *pai)
    : QDialog(pai)
    , m_ambiente(ambiente)
    , m_numeroSerie(numeroSerie)
{
    setWindowTitle(texto(kTitulo));
    Lista = new QListWidget(this);
    Lista->setObjectName(QStringLiteral("ListaPerfis"));
    BotaoNovo = new QPushButton(texto(kNovo), this);
    BotaoGravar = new QPushButton(texto(kGravar), this);
    BotaoRemover = new QPushButton(texto(kRemover), this);
    BotaoAtribuir = new QPushButton(this);
    BotaoFechar = new QPushButton(texto(kFechar), this);
    LabelAtribuicao = new QLabel(this);
    LabelAtribuicao->setObjectName(QStringLiteral("LabelAtribuicao"));
    LabelAtribuicao->setWordWrap(true);
    // The list over the chosen profile: the rules take the width.
    auto *botoesLista = new QVBoxLayout;
    botoesLista->addWidget(BotaoNovo);
    botoesLista->addWidget(BotaoRemover);
    botoesLista->addStretch(1);
    auto *topo = new QHBoxLayout;
    topo->addWidget(Lista, 1);
    topo->addLayout(botoesLista);
    auto *base = new QHBoxLayout;
    base->addWidget(LabelAtribuicao, 1);
    base->addWidget(BotaoAtribuir);
    base->addWidget(BotaoFechar);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(topo);
    layout->addWidget(montaEdicao(), 1);
    layout->addLayout(base);
    // Tab goes as the eye does: the list and its buttons, the profile, its
    // rules, then the buttons at the foot.
    const QList<QWidget *> ordem { Lista, BotaoNovo, BotaoRemover, EditNome, EditCurto, TabelaRegras,
        BotaoAdicionaRegra, BotaoRemoveRegra, BotaoGravar, BotaoAtribuir, BotaoFechar };
    for (qsizetype i = 1; i < ordem.size(); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);
    connect(Lista, &QListWidget::currentRowChanged, this, &TFrmPerfis::mostraPerfil);
    connect(BotaoNovo, &QPushButton::clicked, this, &TFrmPerfis::NovoClick);
    connect(BotaoGravar, &QPushButton::clicked, this, &TFrmPerfis::GravarClick);
    connect(BotaoRemover, &QPushButton::clicked, this, &TFrmPerfis::RemoverClick);
    connect(BotaoAtribuir, &QPushButton::clicked, this, &TFrmPerfis::AtribuirClick);
    connect(BotaoFechar, &QPushButton::clicked, this, &QDialog::accept);
    carrega(PerfisGuardados(m_ambiente.configuracoes).doRegistrador(m_numeroSerie));
    // Wide enough for the list and every column of the rules.
    resize(std::min(1000, sizeHint().width() + 20), 540);
}

QString TFrmPerfis::texto(int numero) const
{
    return m_ambiente.catalogo ? m_ambiente.catalogo->texto(numero) : Catalogo::padrao(numero);
}

QStringList TFrmPerfis::opcoes(int numero) const
{
    return texto(numero).split(u'|');
}

QWidget *TFrmPerfis::montaEdicao()
{
    auto *painel = new QWidget(this);
    EditNome = new QLineEdit(painel);
    EditNome->setObjectName(QStringLiteral("EditNome"));
    EditCurto = new QLineEdit(painel);
    EditCurto->setObjectName(QStringLiteral("EditCurto"));
    auto *nomes = new QFormLayout;
    const QStringList rotulos = opcoes(kNomes);
    nomes->addRow(rotulos.value(0), EditNome);
    nomes->addRow(rotulos.value(1), EditCurto);
    TabelaRegras = new QTableWidget(0, Colunas, painel);
    TabelaRegras->setObjectName(QStringLiteral("TabelaRegras"));
    // Tab leaves the rules for the buttons under them, as in the ports window.
    TabelaRegras->setTabKeyNavigation(false);
    TabelaRegras->setHorizontalHeaderLabels(opcoes(kColunas));
    TabelaRegras->verticalHeader()->hide();
    TabelaRegras->setSelectionBehavior(QAbstractItemView::SelectRows);
    TabelaRegras->setSelectionMode(QAbstractItemView::SingleSelection);
    TabelaRegras->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    const QStringList botoes = opcoes(kBotoesRegra);
    BotaoAdicionaRegra = new QPushButton(botoes.value(0), painel);
    BotaoRemoveRegra = new QPushButton(botoes.value(1), painel);
    auto *linhaBotoes = new QHBoxLayout;
    linhaBotoes->addWidget(BotaoAdicionaRegra);
    linhaBotoes->addWidget(BotaoRemoveRegra);
    linhaBotoes->addStretch(1);
    linhaBotoes->addWidget(BotaoGravar);
    auto *layout = new QVBoxLayout(painel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(nomes);
    layout->addWidget(TabelaRegras, 1);
    layout->addLayout(linhaBotoes);
    connect(BotaoAdicionaRegra, &QPushButton::clicked, this, &TFrmPerfis::adicionaRegra);
    connect(BotaoRemoveRegra, &QPushButton::clicked, this, [this] {
        const int linha = TabelaRegras->currentRow();
        TabelaRegras->removeRow(linha < 0 ? TabelaRegras->rowCount() - 1 : linha);
        habilita();
    });
    return painel;
}

// The profiles as stored, the limits' one after the shipped ones; the
// profile named is chosen, else the first.
void TFrmPerfis::carrega(const QString &escolhido)
{
    const Catalogo catalogo = m_ambiente.catalogo ? *m_ambiente.catalogo : Catalogo();
    const PerfisGuardados guardados(m_ambiente.configuracoes);
    m_perfis = guardados.le(catalogo).perfis;
    const LimitesAlarme limites(m_ambiente.configuracoes);
    if (const auto p = PerfisGuardados::deLimites(
            { limites.le(m_numeroSerie, 1), limites.le(m_numeroSerie, 2) }, catalogo);
        p && m_numeroSerie != 0)
        m_perfis.insert(qsizetype(PerfisAlarme::fornecidos().size()), *p);
    const QSignalBlocker bloqueio(Lista);
    Lista->clear();
    for (const PerfilAlarme &p : std::as_const(m_perfis)) {
        const QString nome = QStringLiteral("%1 [%2]").arg(p.nome, p.curto);
        Lista->addItem(p.somenteLeitura ? texto(kSomenteLeitura).arg(nome) : nome);
    }
    Lista->setFixedHeight(Lista->sizeHintForRow(0) * 7 + 2 * Lista->frameWidth());
    m_novo = false;
    if (!escolhe(escolhido))
        mostraPerfil(-1);
    mostraAtribuicao();
}

bool TFrmPerfis::escolhe(const QString &curto)
{
    for (int i = 0; i < m_perfis.size(); ++i) {
        if (!curto.isEmpty() && m_perfis[i].curto == curto) {
            Lista->setCurrentRow(i);
            mostraPerfil(i);
            return true;
        }
    }
    return false;
}

void TFrmPerfis::mostraPerfil(int indice)
{
    m_novo = false;
    const PerfilAlarme p = m_perfis.value(indice);
    EditNome->setText(p.nome);
    EditCurto->setText(p.curto);
    TabelaRegras->setRowCount(0);
    const ConfigRegional regional
        = m_ambiente.regional ? *m_ambiente.regional : ConfigRegional::portuguesBrasil();
    for (const RegraAlarme &r : p.regras) {
        TabelaRegras->insertRow(TabelaRegras->rowCount());
        poeRegra(TabelaRegras->rowCount() - 1, EditorPerfil::campos(r, regional));
    }
    habilita();
}

// Each column as wide as its title and the widest of its fields, so that
// no choice is cut.
void TFrmPerfis::ajustaColunas()
{
    QHeaderView *cabecalho = TabelaRegras->horizontalHeader();
    int total
        = 2 * TabelaRegras->frameWidth() + TabelaRegras->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int coluna = 0; coluna < Colunas; ++coluna) {
        const QTableWidgetItem *titulo = TabelaRegras->horizontalHeaderItem(coluna);
        int largura = cabecalho->fontMetrics().horizontalAdvance(titulo ? titulo->text() : QString()) + 16;
        for (int l = 0; l < TabelaRegras->rowCount(); ++l) {
            if (const QWidget *w = TabelaRegras->cellWidget(l, coluna))
                largura = std::max(largura, std::min(w->sizeHint().width(), w->maximumWidth()));
        }
        cabecalho->resizeSection(coluna, largura);
        total += largura;
    }
    TabelaRegras->setMinimumWidth(total);
}

void TFrmPerfis::poeRegra(int linha, const EditorPerfil::CamposRegra &c)
{
    const auto combo = [&](int coluna, int numero, int indice) {
        auto *caixa = new QComboBox;
        caixa->addItems(opcoes(numero));
        caixa->setCurrentIndex(indice);
        TabelaRegras->setCellWidget(linha, coluna, caixa);
        connect(caixa, &QComboBox::currentIndexChanged, this, [this, caixa] {
            for (int l = 0; l < TabelaRegras->rowCount(); ++l) {
                if (TabelaRegras->cellWidget(l, Tipo) == caixa)
                    ajustaLinha(l);
            }
        });
    };
    const auto campo = [&](int coluna, const QString &valor) {
        auto *edit = new QLineEdit(valor);
        edit->setAlignment(Qt::AlignRight);
        edit->setMaxLength(12);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(
                                coluna == Limite ? QStringLiteral("-00000,000") : QStringLiteral("0000,0"))
            + 12);
        TabelaRegras->setCellWidget(linha, coluna, edit);
    };
    combo(Canal, kCanais, c.canal);
    combo(Tipo, kTipos, int(c.tipo));
    combo(Lado, kLados, c.acima ? 0 : 1);
    combo(Janela, kJanelas, int(c.janela));
    campo(Limite, c.limite);
    campo(Horas, c.horas);
    campo(Minutos, c.minutos);
    auto *inclui = new QCheckBox;
    inclui->setChecked(c.incluiLimite);
    TabelaRegras->setCellWidget(linha, Inclui, inclui);
    ajustaLinha(linha);
}

EditorPerfil::CamposRegra TFrmPerfis::camposDaLinha(int linha) const
{
    const auto indice = [&](int coluna) {
        return qobject_cast<QComboBox *>(TabelaRegras->cellWidget(linha, coluna))->currentIndex();
    };
    const auto valor = [&](int coluna) {
        return qobject_cast<QLineEdit *>(TabelaRegras->cellWidget(linha, coluna))->text();
    };
    return { indice(Canal), TipoRegra(indice(Tipo)), indice(Lado) == 0, valor(Limite),
        qobject_cast<QCheckBox *>(TabelaRegras->cellWidget(linha, Inclui))->isChecked(), valor(Horas),
        valor(Minutos), JanelaTcm(indice(Janela)) };
}

// A duration for an event or a cumulative rule, a window for a mean
// kinetic temperature one; the other fields are greyed.
void TFrmPerfis::ajustaLinha(int linha)
{
    const auto tipo
        = TipoRegra(qobject_cast<QComboBox *>(TabelaRegras->cellWidget(linha, Tipo))->currentIndex());
    const bool tempo = tipo == TipoRegra::Evento || tipo == TipoRegra::Acumulado;
    const bool editavel = m_novo || !m_perfis.value(Lista->currentRow()).somenteLeitura;
    for (int coluna = 0; coluna < Colunas; ++coluna) {
        QWidget *w = TabelaRegras->cellWidget(linha, coluna);
        const bool usa = (coluna != Horas && coluna != Minutos && coluna != Janela)
            || ((coluna == Horas || coluna == Minutos) && tempo)
            || (coluna == Janela && tipo == TipoRegra::Tcm);
        if (w)
            w->setEnabled(editavel && usa);
    }
}

void TFrmPerfis::adicionaRegra()
{
    const int linha = TabelaRegras->rowCount();
    TabelaRegras->insertRow(linha);
    poeRegra(linha, {});
    TabelaRegras->setCurrentCell(linha, Limite);
    TabelaRegras->cellWidget(linha, Limite)->setFocus();
    habilita();
}

void TFrmPerfis::habilita()
{
    const bool editavel
        = m_novo || (Lista->currentRow() >= 0 && !m_perfis[Lista->currentRow()].somenteLeitura);
    EditNome->setReadOnly(!editavel);
    EditCurto->setReadOnly(!m_novo);
    for (QPushButton *b : { BotaoGravar, BotaoAdicionaRegra })
        b->setEnabled(editavel);
    BotaoRemoveRegra->setEnabled(editavel && TabelaRegras->rowCount() > 0);
    BotaoRemover->setEnabled(!m_novo && editavel);
    for (int l = 0; l < TabelaRegras->rowCount(); ++l)
        ajustaLinha(l);
    ajustaColunas();
    BotaoAtribuir->setText(texto(kAtribuir).arg(TextoNumeroSerie(quint32(m_numeroSerie))));
    BotaoAtribuir->setEnabled(!m_novo && Lista->currentRow() >= 0
        && EditorPerfil::semAtribuicao(m_numeroSerie, Catalogo()).isEmpty());
}

void TFrmPerfis::mostraAtribuicao()
{
    const Catalogo catalogo = m_ambiente.catalogo ? *m_ambiente.catalogo : Catalogo();
    const QString motivo = EditorPerfil::semAtribuicao(m_numeroSerie, catalogo);
    if (!motivo.isEmpty()) {
        LabelAtribuicao->setText(motivo);
        return;
    }
    const QString curto = PerfisGuardados(m_ambiente.configuracoes).doRegistrador(m_numeroSerie);
    const auto p = PerfisAlarme::procura(m_perfis, curto);
    LabelAtribuicao->setText(texto(kAtribuido)
                                 .arg(TextoNumeroSerie(quint32(m_numeroSerie)))
                                 .arg(curto.isEmpty() ? texto(kSemAtribuicao)
                                         : p          ? p->nome
                                                      : curto));
}

bool TFrmPerfis::falhou(const QString &erro)
{
    if (erro.isEmpty())
        return false;
    if (m_ambiente.mensagens)
        m_ambiente.mensagens->aviso(erro);
    return true;
}

void TFrmPerfis::NovoClick()
{
    Lista->setCurrentRow(-1);
    m_novo = true;
    EditNome->clear();
    EditCurto->clear();
    TabelaRegras->setRowCount(0);
    adicionaRegra();
    EditNome->setFocus();
}

// The rows read in their order; the first refusal is said and its field
// taken. A write that fails leaves everything as typed.
void TFrmPerfis::GravarClick()
{
    const Catalogo catalogo = m_ambiente.catalogo ? *m_ambiente.catalogo : Catalogo();
    const QChar separador = m_ambiente.regional ? m_ambiente.regional->separadorDecimal : u',';
    PerfilAlarme p { EditNome->text().trimmed(), EditCurto->text().trimmed(), false, {} };
    for (int l = 0; l < TabelaRegras->rowCount(); ++l) {
        QString erro;
        const auto r = EditorPerfil::regra(camposDaLinha(l), l + 1, separador, catalogo, erro);
        if (falhou(erro)) {
            TabelaRegras->setCurrentCell(l, Limite);
            return;
        }
        p.regras.append(*r);
    }
    QList<PerfilAlarme> outros = m_perfis;
    if (!m_novo)
        outros.removeAll(m_perfis.value(Lista->currentRow()));
    if (falhou(EditorPerfil::confere(p, outros, m_novo, catalogo)))
        return;
    if (falhou(PerfisGuardados(m_ambiente.configuracoes).grava(p).mensagem(m_ambiente.catalogo)))
        return;
    m_mudou = true;
    carrega(p.curto);
}

void TFrmPerfis::RemoverClick()
{
    const PerfilAlarme p = m_perfis.value(Lista->currentRow());
    if (p.curto.isEmpty() || p.somenteLeitura)
        return;
    PerfisGuardados guardados(m_ambiente.configuracoes);
    GravacaoConfiguracao g = guardados.remove(p.curto);
    // The logger it was assigned to goes back to its limits.
    if (g.ok() && guardados.doRegistrador(m_numeroSerie) == p.curto)
        g = guardados.atribui(m_numeroSerie, {});
    if (falhou(g.mensagem(m_ambiente.catalogo)))
        return;
    m_mudou = true;
    carrega({});
}

// The limits' profile is the one a logger without its own has: choosing
// it takes the assignment away.
void TFrmPerfis::AtribuirClick()
{
    const Catalogo catalogo = m_ambiente.catalogo ? *m_ambiente.catalogo : Catalogo();
    if (m_novo || Lista->currentRow() < 0 || falhou(EditorPerfil::semAtribuicao(m_numeroSerie, catalogo)))
        return;
    const PerfilAlarme p = m_perfis.value(Lista->currentRow());
    const bool limites = p.curto == QStringLiteral("limites") && p.somenteLeitura;
    const QString curto = limites ? QString() : p.curto;
    if (falhou(PerfisGuardados(m_ambiente.configuracoes)
                   .atribui(m_numeroSerie, curto)
                   .mensagem(m_ambiente.catalogo)))
        return;
    m_mudou = true;
    mostraAtribuicao();
}
