#include "ListaUniforme.h"
#include "RegistroTestes.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QFontDatabase>
#include <QScrollBar>
#include <QtTest>

#include <memory>

namespace {

// A list of n lines of one width, made on demand like the readings list.
class ModeloLinhas : public QAbstractListModel
{
public:
    explicit ModeloLinhas(int n)
        : m_n(n)
    {
    }
    int rowCount(const QModelIndex &pai = {}) const override { return pai.isValid() ? 0 : m_n; }
    QVariant data(const QModelIndex &i, int papel) const override
    {
        if (papel != Qt::DisplayRole || !i.isValid())
            return {};
        const QString texto = QStringLiteral("%1  linha").arg(i.row(), 8, 10, QLatin1Char('0'));
        return i.row() == m_longa ? texto + QString(40, u'x') : texto;
    }
    // Makes one row wider than the others (the heading of the readings
    // list may be).
    void alonga(int linha)
    {
        m_longa = linha;
        emit dataChanged(index(linha), index(linha));
    }
    void redefine(int n)
    {
        beginResetModel();
        m_n = n;
        endResetModel();
    }
    void acrescenta(int k)
    {
        beginInsertRows({}, m_n, m_n + k - 1);
        m_n += k;
        endInsertRows();
    }

private:
    int m_n;
    int m_longa = -1;
};

// The view with its selection's region in reach of the tests.
class ListaTeste : public ListaUniforme
{
public:
    using ListaUniforme::visualRegionForSelection;
};

constexpr int kMilhao = 1000000;

}  // namespace

class tst_ListaUniforme : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void retanguloEIndiceSeCorrespondem_data();
    void retanguloEIndiceSeCorrespondem();
    void rolaParaCadaPosicao_data();
    void rolaParaCadaPosicao();
    void teclasMovemALinhaAtual_data();
    void teclasMovemALinhaAtual();
    void cliquesSelecionam_data();
    void cliquesSelecionam();
    void selecaoDeTodasAsLinhasEUmaFaixa();
    void regiaoDaSelecaoCobreSoAsLinhasSelecionadas();
    void linhaSelecionadaPintadaRealcada();
    void modeloMenorLimitaABarra_data();
    void modeloMenorLimitaABarra();
    void linhasAcrescentadasAlcancaveis();
    void rodaDoMouseRolaTresLinhas();
    void fonteMaiorMedeDeNovo();
    void larguraDaLinhaMaisLarga_data();
    void larguraDaLinhaMaisLarga();

private:
    QModelIndex indice(int linha) const { return m_modelo->index(linha, 0); }
    int altura() const { return m_lista->tamanhoLinha().height(); }
    int linhasPorPagina() const { return m_lista->viewport()->height() / altura(); }
    QPoint centro(int linha) const { return m_lista->visualRect(indice(linha)).center(); }
    void clica(int linha, Qt::KeyboardModifiers teclas = {});
    void reduz(int linhas, bool troca);

    std::unique_ptr<ModeloLinhas> m_modelo;
    std::unique_ptr<ListaTeste> m_lista;
};

void tst_ListaUniforme::init()
{
    m_modelo = std::make_unique<ModeloLinhas>(kMilhao);
    m_lista = std::make_unique<ListaTeste>();
    m_lista->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_lista->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_lista->setModel(m_modelo.get());
    m_lista->resize(300, 200);
    m_lista->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_lista.get()));
    QVERIFY(altura() > 0);
}

void tst_ListaUniforme::cleanup()
{
    m_lista.reset();
    m_modelo.reset();
}

void tst_ListaUniforme::clica(int linha, Qt::KeyboardModifiers teclas)
{
    m_lista->scrollTo(indice(linha));
    QTest::mouseClick(m_lista->viewport(), Qt::LeftButton, teclas, centro(linha));
}

void tst_ListaUniforme::retanguloEIndiceSeCorrespondem_data()
{
    QTest::addColumn<bool>("noFim");
    QTest::addColumn<int>("linha");
    QTest::newRow("first row") << false << 0;
    QTest::newRow("second row") << false << 1;
    QTest::newRow("row 5") << false << 5;
    QTest::newRow("last row, scrolled to the bottom") << true << kMilhao - 1;
    QTest::newRow("row before the last") << true << kMilhao - 2;
    QTest::newRow("row 5 above the last") << true << kMilhao - 6;
}

void tst_ListaUniforme::retanguloEIndiceSeCorrespondem()
{
    QFETCH(bool, noFim);
    QFETCH(int, linha);
    if (noFim)
        m_lista->scrollToBottom();
    const QRect r = m_lista->visualRect(indice(linha));
    QCOMPARE(r.height(), altura());
    QVERIFY(m_lista->viewport()->rect().contains(r));
    QCOMPARE(m_lista->indexAt(r.topLeft()).row(), linha);
    QCOMPARE(m_lista->indexAt(r.center()).row(), linha);
    QCOMPARE(m_lista->indexAt(r.bottomRight()).row(), linha);
    QCOMPARE(m_lista->indexAt(r.topLeft() - QPoint(0, 1)).row(), linha - 1);
    const QModelIndex abaixo = m_lista->indexAt(r.bottomLeft() + QPoint(0, 1));
    QCOMPARE(abaixo.isValid() ? abaixo.row() : kMilhao, linha + 1);
    if (noFim)
        QCOMPARE(r.bottom(), m_lista->viewport()->height() - 1 - (kMilhao - 1 - linha) * altura());
    else
        QCOMPARE(r.top(), linha * altura());
}

void tst_ListaUniforme::rolaParaCadaPosicao_data()
{
    QTest::addColumn<int>("inicio");
    QTest::addColumn<int>("linha");
    QTest::addColumn<int>("dica");
    QTest::addColumn<QString>("onde");
    const int ev = QAbstractItemView::EnsureVisible;
    QTest::newRow("below: shown at the bottom") << 0 << 500 << ev << "bottom";
    QTest::newRow("above: shown at the top") << kMilhao - 1 << 500 << ev << "top";
    QTest::newRow("already shown: no scrolling") << 0 << 2 << ev << "unmoved";
    QTest::newRow("at the top") << 0 << 500 << int(QAbstractItemView::PositionAtTop) << "top";
    QTest::newRow("at the bottom") << 0 << 500 << int(QAbstractItemView::PositionAtBottom) << "bottom";
    QTest::newRow("at the center") << 0 << 500 << int(QAbstractItemView::PositionAtCenter) << "center";
    QTest::newRow("last row at the top stops at the end")
        << 0 << kMilhao - 1 << int(QAbstractItemView::PositionAtTop) << "bottom";
    QTest::newRow("first row at the bottom stops at the start")
        << kMilhao - 1 << 0 << int(QAbstractItemView::PositionAtBottom) << "top";
}

void tst_ListaUniforme::rolaParaCadaPosicao()
{
    QFETCH(int, inicio);
    QFETCH(int, linha);
    QFETCH(int, dica);
    QFETCH(QString, onde);
    m_lista->scrollTo(indice(inicio), QAbstractItemView::PositionAtTop);
    const int antes = m_lista->verticalScrollBar()->value();
    m_lista->scrollTo(indice(linha), QAbstractItemView::ScrollHint(dica));
    const QRect r = m_lista->visualRect(indice(linha));
    const QRect vista = m_lista->viewport()->rect();
    if (onde == u"top")
        QCOMPARE(r.top(), 0);
    else if (onde == u"bottom")
        QCOMPARE(r.bottom(), vista.bottom());
    else if (onde == u"center")
        QVERIFY2(qAbs(r.center().y() - vista.center().y()) <= altura() / 2,
            qPrintable(QStringLiteral("%1 %2").arg(r.center().y()).arg(vista.center().y())));
    else
        QCOMPARE(m_lista->verticalScrollBar()->value(), antes);
}

void tst_ListaUniforme::teclasMovemALinhaAtual_data()
{
    QTest::addColumn<int>("inicio");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("fim");  // -1: the rows of a page past the start
    QTest::newRow("down") << 3 << int(Qt::Key_Down) << 4;
    QTest::newRow("up") << 3 << int(Qt::Key_Up) << 2;
    QTest::newRow("up at the first row stays") << 0 << int(Qt::Key_Up) << 0;
    QTest::newRow("down at the last row stays") << kMilhao - 1 << int(Qt::Key_Down) << kMilhao - 1;
    QTest::newRow("page down") << 10 << int(Qt::Key_PageDown) << -1;
    QTest::newRow("page down near the end stops at the last")
        << kMilhao - 2 << int(Qt::Key_PageDown) << kMilhao - 1;
    QTest::newRow("page up near the start stops at the first") << 2 << int(Qt::Key_PageUp) << 0;
    QTest::newRow("home") << 500 << int(Qt::Key_Home) << 0;
    QTest::newRow("end") << 500 << int(Qt::Key_End) << kMilhao - 1;
    QTest::newRow("left does not move") << 7 << int(Qt::Key_Left) << 7;
}

void tst_ListaUniforme::teclasMovemALinhaAtual()
{
    QFETCH(int, inicio);
    QFETCH(int, tecla);
    QFETCH(int, fim);
    if (fim < 0)
        fim = inicio + linhasPorPagina();
    m_lista->setCurrentIndex(indice(inicio));
    QTest::keyClick(m_lista.get(), Qt::Key(tecla));
    QCOMPARE(m_lista->currentIndex().row(), fim);
    // The new current row is scrolled into view.
    QVERIFY(m_lista->viewport()->rect().contains(m_lista->visualRect(indice(fim))));
}

void tst_ListaUniforme::cliquesSelecionam_data()
{
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("extensao");
    QTest::addColumn<int>("avulsa");
    QTest::addColumn<int>("selecionadas");
    QTest::newRow("click 2, shift-click 5, ctrl-click 8") << 2 << 5 << 8 << 5;
    QTest::newRow("shift-click upwards") << 6 << 3 << 0 << 5;
    QTest::newRow("ctrl-click inside takes it out") << 1 << 4 << 3 << 3;
    QTest::newRow("near the end") << kMilhao - 3 << kMilhao - 1 << kMilhao - 6 << 4;
}

void tst_ListaUniforme::cliquesSelecionam()
{
    QFETCH(int, base);
    QFETCH(int, extensao);
    QFETCH(int, avulsa);
    QFETCH(int, selecionadas);
    clica(base);
    QCOMPARE(m_lista->selectionModel()->selectedRows().size(), 1);
    clica(extensao, Qt::ShiftModifier);
    QCOMPARE(m_lista->selectionModel()->selectedRows().size(), qAbs(extensao - base) + 1);
    QVERIFY(m_lista->selectionModel()->isSelected(indice(extensao)));
    clica(avulsa, Qt::ControlModifier);
    QCOMPARE(m_lista->selectionModel()->selectedRows().size(), selecionadas);
    QCOMPARE(m_lista->currentIndex().row(), avulsa);
    // A plain click starts again.
    clica(base);
    QCOMPARE(m_lista->selectionModel()->selectedRows().size(), 1);
}

// Shift+End from the first row and ctrl+A select a million rows as one
// range, at once.
void tst_ListaUniforme::selecaoDeTodasAsLinhasEUmaFaixa()
{
    clica(0);
    QTest::keyClick(m_lista.get(), Qt::Key_End, Qt::ShiftModifier);
    QItemSelection selecao = m_lista->selectionModel()->selection();
    QCOMPARE(selecao.size(), 1);
    QCOMPARE(selecao.first().top(), 0);
    QCOMPARE(selecao.first().bottom(), kMilhao - 1);
    clica(kMilhao - 1);
    QTest::keyClick(m_lista.get(), Qt::Key_Home, Qt::ShiftModifier);
    selecao = m_lista->selectionModel()->selection();
    QCOMPARE(selecao.size(), 1);
    QCOMPARE(selecao.first().height(), kMilhao);
    QCOMPARE(m_lista->visualRect(indice(0)).top(), 0);
    clica(5);
    QTest::keyClick(m_lista.get(), Qt::Key_A, Qt::ControlModifier);
    selecao = m_lista->selectionModel()->selection();
    QCOMPARE(selecao.size(), 1);
    QCOMPARE(selecao.first().height(), kMilhao);
}

void tst_ListaUniforme::regiaoDaSelecaoCobreSoAsLinhasSelecionadas()
{
    QItemSelection selecao(indice(2), indice(4));
    selecao.select(indice(7), indice(7));
    selecao.select(indice(kMilhao - 10), indice(kMilhao - 1));  // out of view
    const QRegion regiao = m_lista->visualRegionForSelection(selecao);
    const int largura = m_lista->viewport()->width();
    const QRegion esperada
        = QRegion(0, 2 * altura(), largura, 3 * altura()) + QRegion(0, 7 * altura(), largura, altura());
    QCOMPARE(regiao, esperada);
    // Every row selected: the whole viewport, not a rectangle per row.
    const QRegion tudo = m_lista->visualRegionForSelection(QItemSelection(indice(0), indice(kMilhao - 1)));
    QCOMPARE(tudo, QRegion(m_lista->viewport()->rect()));
}

void tst_ListaUniforme::linhaSelecionadaPintadaRealcada()
{
    clica(1);
    const QImage imagem = m_lista->viewport()->grab().toImage();
    const int x = m_lista->viewport()->width() - 3;  // past the text
    const QColor selecionada = imagem.pixelColor(x, centro(1).y());
    const QColor outra = imagem.pixelColor(x, centro(3).y());
    QCOMPARE(outra, m_lista->palette().color(QPalette::Base));
    // The style shades the highlight a little; the focus alone is much paler.
    const QColor realce = m_lista->palette().color(QPalette::Highlight);
    QVERIFY2(qAbs(selecionada.red() - realce.red()) + qAbs(selecionada.green() - realce.green())
                + qAbs(selecionada.blue() - realce.blue())
            <= 24,
        qPrintable(selecionada.name() + u' ' + realce.name()));
    // The highlight fills the row from its top to its bottom line, no more.
    QVERIFY(imagem.pixelColor(x, m_lista->visualRect(indice(1)).top()) != outra);
    QVERIFY(imagem.pixelColor(x, m_lista->visualRect(indice(1)).bottom()) != outra);
    QCOMPARE(imagem.pixelColor(x, m_lista->visualRect(indice(0)).bottom()), outra);
    QCOMPARE(imagem.pixelColor(x, m_lista->visualRect(indice(2)).top()), outra);
}

// The model reset in place, or replaced by a new one as the readings list
// does when its document changes.
void tst_ListaUniforme::reduz(int linhas, bool troca)
{
    if (!troca) {
        m_modelo->redefine(linhas);
        return;
    }
    auto novo = std::make_unique<ModeloLinhas>(linhas);
    QItemSelectionModel *anterior = m_lista->selectionModel();
    m_lista->setModel(novo.get());
    delete anterior;
    m_modelo = std::move(novo);
}

void tst_ListaUniforme::modeloMenorLimitaABarra_data()
{
    QTest::addColumn<bool>("troca");
    QTest::newRow("model reset") << false;
    QTest::newRow("model replaced") << true;
}

void tst_ListaUniforme::modeloMenorLimitaABarra()
{
    QFETCH(bool, troca);
    QScrollBar *barra = m_lista->verticalScrollBar();
    m_lista->scrollToBottom();
    QCOMPARE(barra->maximum(), kMilhao * altura() - m_lista->viewport()->height());
    QCOMPARE(barra->value(), barra->maximum());
    reduz(100, troca);
    QCOMPARE(barra->maximum(), 100 * altura() - m_lista->viewport()->height());
    QVERIFY(barra->value() <= barra->maximum());
    m_lista->scrollToBottom();
    QCOMPARE(m_lista->indexAt(QPoint(1, m_lista->viewport()->height() - 1)).row(), 99);
    reduz(3, troca);
    QCOMPARE(barra->maximum(), 0);
    QCOMPARE(barra->value(), 0);
    QCOMPARE(m_lista->indexAt(centro(2)).row(), 2);
    QVERIFY(!m_lista->indexAt(QPoint(1, 3 * altura())).isValid());
}

void tst_ListaUniforme::linhasAcrescentadasAlcancaveis()
{
    m_modelo->redefine(3);
    QCOMPARE(m_lista->verticalScrollBar()->maximum(), 0);
    m_modelo->acrescenta(1000);
    m_lista->scrollToBottom();
    QCOMPARE(m_lista->indexAt(QPoint(1, m_lista->viewport()->height() - 1)).row(), 1002);
}

void tst_ListaUniforme::rodaDoMouseRolaTresLinhas()
{
    const QPoint p = m_lista->viewport()->rect().center();
    QWheelEvent roda(p, m_lista->viewport()->mapToGlobal(p), {}, QPoint(0, -120), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_lista->viewport(), &roda);
    QCOMPARE(m_lista->verticalScrollBar()->value(), QApplication::wheelScrollLines() * altura());
    QCOMPARE(m_lista->indexAt(QPoint(1, 0)).row(), QApplication::wheelScrollLines());
}

void tst_ListaUniforme::fonteMaiorMedeDeNovo()
{
    const QSize antes = m_lista->tamanhoLinha();
    QFont maior = m_lista->font();
    maior.setPixelSize(QFontInfo(maior).pixelSize() * 2);
    m_lista->setFont(maior);
    QVERIFY(m_lista->tamanhoLinha().height() > antes.height());
    QVERIFY(m_lista->tamanhoLinha().width() > antes.width());
    QCOMPARE(m_lista->verticalScrollBar()->maximum(),
        kMilhao * m_lista->tamanhoLinha().height() - m_lista->viewport()->height());
}

void tst_ListaUniforme::larguraDaLinhaMaisLarga_data()
{
    QTest::addColumn<int>("longa");
    QTest::newRow("first") << 0;
    QTest::newRow("second") << 1;
    QTest::newRow("last") << kMilhao - 1;
}

void tst_ListaUniforme::larguraDaLinhaMaisLarga()
{
    QFETCH(int, longa);
    const int curta = m_lista->tamanhoLinha().width();
    m_modelo->alonga(longa);
    QStyleOptionViewItem opcao;
    opcao.initFrom(m_lista.get());
    opcao.font = m_lista->font();
    const int larga = m_lista->itemDelegate()->sizeHint(opcao, indice(longa)).width();
    QVERIFY(larga > curta);
    QCOMPARE(m_lista->tamanhoLinha().width(), larga);
    QCOMPARE(m_lista->horizontalScrollBar()->maximum(), larga - m_lista->viewport()->width());
    m_lista->horizontalScrollBar()->setValue(m_lista->horizontalScrollBar()->maximum());
    // Scrolled to the right: the rows end at the viewport's right side.
    QCOMPARE(m_lista->visualRect(indice(longa)).right(), m_lista->viewport()->width() - 1);
    QCOMPARE(m_lista->indexAt(QPoint(m_lista->viewport()->width() - 1, 0)).row(), 0);
}

QUORVANE_TEST_MAIN(tst_ListaUniforme)
#include "tst_ListaUniforme.moc"
