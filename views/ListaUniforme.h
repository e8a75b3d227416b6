#pragma once

#include <QAbstractItemView>

// A list view for a one-column list model whose rows all look alike (the
// readings list: one fixed-pitch line per entry). Every row is as high as
// the delegate makes row 0, and as wide as the widest of rows 0, 1 and the
// last; so nothing is kept or walked per row: a list of a million lines is
// laid out, scrolled, painted and selected in the time of a short one.
// Clicks, shift- and ctrl-clicks, the keyboard and the wheel select and
// move as in a QListView with extended selection; selections are made of
// ranges, never of rows one by one. The vertical scroll bar counts pixels
// (a million rows of 17 pixels fit an int; rows past INT_MAX pixels cannot
// be reached).
class ListaUniforme : public QAbstractItemView
{
    Q_OBJECT
public:
    explicit ListaUniforme(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;
    int sizeHintForRow(int row) const override;
    int sizeHintForColumn(int column) const override;
    // The size of every row: the height of row 0, the width of the widest
    // of rows 0, 1 and the last.
    QSize tamanhoLinha() const;

public slots:
    void reset() override;
    void doItemsLayout() override;

protected slots:
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
        const QList<int> &roles = QList<int>()) override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex &index) const override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void updateGeometries() override;
    void paintEvent(QPaintEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent *event) override;

private:
    int quantidade() const;
    QModelIndex indice(int linha) const;
    // The row under the content's ordinate y (may be outside 0..quantidade-1).
    qint64 linhaEm(qint64 y) const;
    // The drawn width of a row: the widest line or the viewport, whichever
    // is wider, as a QListView fills its rows.
    int larguraFaixa() const;
    // Top of the row in viewport coordinates, clamped to an int.
    int topo(qint64 linha) const;
    void remede();

    mutable QSize m_tamanho;
    mutable bool m_medir = true;
    QMetaObject::Connection m_remocao;
};
