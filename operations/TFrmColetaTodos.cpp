#include "TFrmColetaTodos.h"

#include "Catalogo.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Texto {
    Titulo = 548,  // "Coletar todos"
    ColunaPorta = 549,
    ColunaSerie = 550,
    ColunaTitulo = 551,
    ColunaResultado = 552,
    ColunaArquivo = 553,
    Coletados = 556,  // "%1 de %2 Tarvek coletados em %3."
};

enum Coluna { Porta, Serie, NomeLogger, Resultado, Arquivo, Colunas };

QTableWidgetItem *celula(const QString &texto, const QColor &cor)
{
    auto *item = new QTableWidgetItem(texto);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (cor.isValid())
        item->setForeground(cor);
    return item;
}

}  // namespace

TFrmColetaTodos::TFrmColetaTodos(
    const Catalogo &catalogo, QList<ColetaTodos::Resultado> resultados, const QString &pasta, QWidget *parent)
    : QDialog(parent)
    , m_catalogo(catalogo)
{
    setObjectName(QStringLiteral("FrmColetaTodos"));
    setWindowTitle(catalogo.texto(Titulo));
    // The failures first, each group in the order of its ports.
    std::stable_partition(
        resultados.begin(), resultados.end(), [](const ColetaTodos::Resultado &r) { return !r.ok(); });
    const auto coletados = std::count_if(
        resultados.begin(), resultados.end(), [](const ColetaTodos::Resultado &r) { return r.ok(); });
    auto *rotulo = new QLabel(
        catalogo.texto(Coletados).arg(coletados).arg(resultados.size()).arg(QDir::toNativeSeparators(pasta)),
        this);
    rotulo->setObjectName(QStringLiteral("LblResumo"));
    rotulo->setWordWrap(true);
    m_tabela = new QTableWidget(0, Colunas, this);
    m_tabela->setObjectName(QStringLiteral("TabelaColetas"));
    m_tabela->setHorizontalHeaderLabels({ catalogo.texto(ColunaPorta), catalogo.texto(ColunaSerie),
        catalogo.texto(ColunaTitulo), catalogo.texto(ColunaResultado), catalogo.texto(ColunaArquivo) });
    m_tabela->verticalHeader()->hide();
    m_tabela->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabela->setWordWrap(true);
    preenche(resultados);
    auto *botoes = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(rotulo);
    layout->addWidget(m_tabela);
    layout->addWidget(botoes);
    // Every column in view, on the screen.
    int largura = 2 * m_tabela->frameWidth() + 40;
    for (int c = 0; c < Colunas; ++c)
        largura += m_tabela->columnWidth(c);
    const QScreen *tela = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (tela)
        largura = qMin(largura, tela->availableGeometry().width() - 40);
    int altura = m_tabela->horizontalHeader()->height() + 2 * m_tabela->frameWidth();
    for (int i = 0; i < m_tabela->rowCount(); ++i)
        altura += m_tabela->rowHeight(i);
    m_tabela->setMinimumHeight(qMin(altura + 4, 480));
    resize(largura, sizeHint().height());
}

void TFrmColetaTodos::preenche(const QList<ColetaTodos::Resultado> &resultados)
{
    m_tabela->setRowCount(int(resultados.size()));
    for (int i = 0; i < resultados.size(); ++i) {
        const ColetaTodos::Resultado &r = resultados.at(i);
        const QColor cor = !r.ok() || (r.aprovado && !*r.aprovado) ? QColor(Qt::red)
            : r.aprovado                                           ? QColor(Qt::darkGreen)
                                                                   : QColor();
        m_tabela->setItem(i, Porta, celula(QStringLiteral("COM%1 (%2)").arg(r.porta).arg(r.dispositivo), {}));
        m_tabela->setItem(i, Serie, celula(r.numeroSerie, {}));
        m_tabela->setItem(i, NomeLogger, celula(r.titulo, {}));
        QTableWidgetItem *resultado = celula(ColetaTodos::textoResultado(r, m_catalogo), cor);
        resultado->setToolTip(resultado->text());
        if (!r.ok()) {
            QFont negrito = resultado->font();
            negrito.setBold(true);
            resultado->setFont(negrito);
        }
        m_tabela->setItem(i, Resultado, resultado);
        QTableWidgetItem *arquivo = celula(QFileInfo(r.arquivo).fileName(), {});
        arquivo->setToolTip(QDir::toNativeSeparators(r.arquivo));
        m_tabela->setItem(i, Arquivo, arquivo);
    }
    m_tabela->resizeColumnsToContents();
    // A long reason wraps within its row.
    m_tabela->setColumnWidth(Resultado, qMin(m_tabela->columnWidth(Resultado), 340));
    m_tabela->resizeRowsToContents();
    m_tabela->horizontalHeader()->setStretchLastSection(true);
}
