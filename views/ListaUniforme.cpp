#include "ListaUniforme.h"

#include <QCursor>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <climits>
#include <cstdlib>

ListaUniforme::ListaUniforme(QWidget *parent)
    : QAbstractItemView(parent)
{
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollMode(ScrollPerPixel);
}

void ListaUniforme::setModel(QAbstractItemModel *model)
{
    disconnect(m_remocao);
    QAbstractItemView::setModel(model);
    if (model)
        m_remocao = connect(model, &QAbstractItemModel::rowsRemoved, this, &ListaUniforme::remede);
    // QAbstractItemView::setModel ends with reset(), which measures again.
}

int ListaUniforme::quantidade() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

QModelIndex ListaUniforme::indice(int linha) const
{
    return model() ? model()->index(linha, 0, rootIndex()) : QModelIndex();
}

QSize ListaUniforme::tamanhoLinha() const
{
    if (!m_medir)
        return m_tamanho;
    m_medir = false;
    QStyleOptionViewItem opcao;
    initViewItemOption(&opcao);
    const int n = quantidade();
    QSize tamanho(0, 0);
    for (const int linha : { 0, 1, n - 1 }) {
        if (linha < 0 || linha >= n)
            continue;
        const QModelIndex i = indice(linha);
        const QSize s = itemDelegateForIndex(i)->sizeHint(opcao, i);
        tamanho.setWidth(std::max(tamanho.width(), s.width()));
        if (linha == 0)
            tamanho.setHeight(s.height());
    }
    // An empty list still scrolls and pages by a line of its font.
    if (tamanho.height() <= 0)
        tamanho.setHeight(std::max(1, fontMetrics().height()));
    m_tamanho = tamanho;
    return m_tamanho;
}

int ListaUniforme::sizeHintForRow(int) const
{
    return tamanhoLinha().height();
}

int ListaUniforme::sizeHintForColumn(int) const
{
    return tamanhoLinha().width();
}

qint64 ListaUniforme::linhaEm(qint64 y) const
{
    const qint64 altura = tamanhoLinha().height();
    // Rounded down, also above the first row.
    return y >= 0 ? y / altura : (y - altura + 1) / altura;
}

int ListaUniforme::larguraFaixa() const
{
    return std::max(tamanhoLinha().width(), viewport()->width());
}

int ListaUniforme::topo(qint64 linha) const
{
    const qint64 y = linha * tamanhoLinha().height() - verticalOffset();
    return int(std::clamp<qint64>(y, INT_MIN / 2, INT_MAX / 2));
}

QRect ListaUniforme::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex() || index.column() != 0)
        return {};
    return { -horizontalOffset(), topo(index.row()), larguraFaixa(), tamanhoLinha().height() };
}

QModelIndex ListaUniforme::indexAt(const QPoint &point) const
{
    const int x = point.x() + horizontalOffset();
    const qint64 linha = linhaEm(qint64(point.y()) + verticalOffset());
    if (x < 0 || x >= larguraFaixa() || linha < 0 || linha >= quantidade())
        return {};
    return indice(int(linha));
}

void ListaUniforme::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid() || index.parent() != rootIndex())
        return;
    const qint64 altura = tamanhoLinha().height();
    const qint64 vista = viewport()->height();
    const qint64 cima = index.row() * altura;
    const qint64 baixo = cima + altura - vista;
    qint64 valor = verticalOffset();
    switch (hint) {
    case EnsureVisible:
        if (cima < valor)
            valor = cima;
        else if (baixo > valor)
            valor = baixo;
        break;
    case PositionAtTop:
        valor = cima;
        break;
    case PositionAtBottom:
        valor = baixo;
        break;
    case PositionAtCenter:
        valor = cima + altura / 2 - vista / 2;
        break;
    }
    verticalScrollBar()->setValue(int(std::clamp<qint64>(valor, 0, INT_MAX)));
}

QModelIndex ListaUniforme::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers)
{
    const int n = quantidade();
    if (n == 0)
        return {};
    const QModelIndex atual = currentIndex();
    if (!atual.isValid())
        return indice(0);
    const int pagina = std::max(1, viewport()->height() / tamanhoLinha().height());
    qint64 linha = atual.row();
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
        --linha;
        break;
    case MoveDown:
    case MoveNext:
        ++linha;
        break;
    case MovePageUp:
        linha -= pagina;
        break;
    case MovePageDown:
        linha += pagina;
        break;
    case MoveHome:
        linha = 0;
        break;
    case MoveEnd:
        linha = n - 1;
        break;
    case MoveLeft:
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case MoveRight:
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    }
    return indice(int(std::clamp<qint64>(linha, 0, n - 1)));
}

int ListaUniforme::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

int ListaUniforme::verticalOffset() const
{
    return verticalScrollBar()->value();
}

bool ListaUniforme::isIndexHidden(const QModelIndex &) const
{
    return false;
}

void ListaUniforme::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    if (!selectionModel())
        return;
    const QRect r = rect.normalized();
    const int esquerda = -horizontalOffset();
    const qint64 primeira = std::max<qint64>(0, linhaEm(qint64(r.top()) + verticalOffset()));
    const qint64 ultima = std::min<qint64>(quantidade() - 1, linhaEm(qint64(r.bottom()) + verticalOffset()));
    QItemSelection selecao;
    if (primeira <= ultima && r.right() >= esquerda && r.left() < esquerda + larguraFaixa())
        selecao.append(QItemSelectionRange(indice(int(primeira)), indice(int(ultima))));
    selectionModel()->select(selecao, command);
}

QRegion ListaUniforme::visualRegionForSelection(const QItemSelection &selection) const
{
    const QRect area = viewport()->rect();
    QRegion regiao;
    for (const QItemSelectionRange &faixa : selection) {
        if (!faixa.isValid() || faixa.parent() != rootIndex() || faixa.left() > 0)
            continue;
        const int cima = topo(faixa.top());
        const int baixo = topo(qint64(faixa.bottom()) + 1);
        const QRect r = QRect(-horizontalOffset(), cima, larguraFaixa(), baixo - cima) & area;
        if (!r.isEmpty())
            regiao += r;
    }
    return regiao;
}

void ListaUniforme::updateGeometries()
{
    const QSize area = viewport()->size();
    const QSize linha = tamanhoLinha();
    const qint64 altura = qint64(quantidade()) * linha.height();
    QScrollBar *vertical = verticalScrollBar();
    vertical->setSingleStep(linha.height());
    vertical->setPageStep(area.height());
    vertical->setRange(0, int(std::clamp<qint64>(altura - area.height(), 0, INT_MAX)));
    QScrollBar *horizontal = horizontalScrollBar();
    horizontal->setSingleStep(std::max(1, fontMetrics().horizontalAdvance(QLatin1Char('0'))));
    horizontal->setPageStep(area.width());
    horizontal->setRange(0, std::max(0, linha.width() - area.width()));
    QAbstractItemView::updateGeometries();
}

void ListaUniforme::paintEvent(QPaintEvent *event)
{
    const int n = quantidade();
    if (n == 0)
        return;
    QStyleOptionViewItem opcao;
    initViewItemOption(&opcao);
    const QStyle::State estado = opcao.state;
    const QModelIndex atual = currentIndex();
    const bool foco = (hasFocus() || viewport()->hasFocus()) && atual.isValid();
    QModelIndex sobMouse;
    if (viewport()->testAttribute(Qt::WA_Hover) && viewport()->underMouse())
        sobMouse = indexAt(viewport()->mapFromGlobal(QCursor::pos()));
    const QRect area = event->rect();
    const qint64 primeira = std::max<qint64>(0, linhaEm(qint64(area.top()) + verticalOffset()));
    const qint64 ultima = std::min<qint64>(n - 1, linhaEm(qint64(area.bottom()) + verticalOffset()));
    QPainter pintor(viewport());
    for (qint64 linha = primeira; linha <= ultima; ++linha) {
        const QModelIndex i = indice(int(linha));
        opcao.rect = visualRect(i);
        opcao.state = estado;
        if (selectionModel() && selectionModel()->isSelected(i))
            opcao.state |= QStyle::State_Selected;
        if (estado & QStyle::State_Enabled) {
            const bool habilitada = model()->flags(i) & Qt::ItemIsEnabled;
            opcao.state.setFlag(QStyle::State_Enabled, habilitada);
            opcao.palette.setCurrentColorGroup(habilitada ? QPalette::Normal : QPalette::Disabled);
        }
        if (foco && i == atual) {
            opcao.state |= QStyle::State_HasFocus;
            if (state() == EditingState)
                opcao.state |= QStyle::State_Editing;
        }
        opcao.state.setFlag(QStyle::State_MouseOver, i == sobMouse);
        itemDelegateForIndex(i)->paint(&pintor, opcao, i);
    }
}

void ListaUniforme::scrollContentsBy(int dx, int dy)
{
    if (std::abs(dy) >= viewport()->height() || std::abs(dx) >= viewport()->width()) {
        viewport()->update();
        return;
    }
    scrollDirtyRegion(dx, dy);
    viewport()->scroll(dx, dy);
}

void ListaUniforme::remede()
{
    m_medir = true;
    updateGeometries();
    viewport()->update();
}

void ListaUniforme::changeEvent(QEvent *event)
{
    QAbstractItemView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        remede();
}

void ListaUniforme::reset()
{
    QAbstractItemView::reset();
    remede();
}

void ListaUniforme::doItemsLayout()
{
    m_medir = true;
    QAbstractItemView::doItemsLayout();
}

void ListaUniforme::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    if (parent == rootIndex())
        remede();
}

void ListaUniforme::dataChanged(
    const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles)
{
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
    // The measured rows may have changed width or height.
    m_medir = true;
    updateGeometries();
}
