#include "ModeloTrilha.h"

#include "TextoRegistros.h"

#include <algorithm>

using TextoRegistros::ColunaTrilha;

ModeloTrilha::ModeloTrilha(
    TrilhaAuditoria &trilha, const Catalogo &catalogo, const ConfigRegional &regional, QObject *parent)
    : QAbstractTableModel(parent)
    , m_trilha(trilha)
    , m_catalogo(catalogo)
    , m_regional(regional)
{
}

void ModeloTrilha::defineFiltro(const FiltroTrilha &filtro)
{
    beginResetModel();
    m_filtro = filtro;
    m_linhas.clear();
    m_linhas = pagina();
    m_fim = m_linhas.size() < Pagina;
    endResetModel();
}

// The next page, newest first: the trail lists the newest rows before
// the given one, oldest first.
QList<LinhaTrilha> ModeloTrilha::pagina() const
{
    FiltroTrilha f = m_filtro;
    f.limite = Pagina;
    f.antesDe = m_linhas.isEmpty() ? 0 : m_linhas.last().id;
    QList<LinhaTrilha> linhas = m_trilha.lista(f);
    std::reverse(linhas.begin(), linhas.end());
    return linhas;
}

QList<LinhaTrilha> ModeloTrilha::todas() const
{
    FiltroTrilha f = m_filtro;
    f.limite = 0;
    f.antesDe = 0;
    return m_trilha.lista(f);
}

int ModeloTrilha::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : int(m_linhas.size());
}

int ModeloTrilha::columnCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : int(ColunaTrilha::Total);
}

QVariant ModeloTrilha::data(const QModelIndex &indice, int papel) const
{
    if (!indice.isValid() || indice.row() >= m_linhas.size())
        return {};
    const auto coluna = ColunaTrilha(indice.column());
    const LinhaTrilha &l = m_linhas.at(indice.row());
    if (papel == Qt::TextAlignmentRole)
        return coluna == ColunaTrilha::Linha || coluna == ColunaTrilha::Serie
            ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
            : QVariant();
    if (papel == Qt::ToolTipRole && coluna == ColunaTrilha::Detalhes)
        return l.detalhes;
    if (papel != Qt::DisplayRole)
        return {};
    return TextoRegistros::textoTrilha(l, coluna, m_catalogo, m_regional);
}

QVariant ModeloTrilha::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole)
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    return TextoRegistros::cabecalhoTrilha(ColunaTrilha(secao), m_catalogo);
}

bool ModeloTrilha::canFetchMore(const QModelIndex &pai) const
{
    return !pai.isValid() && !m_fim;
}

void ModeloTrilha::fetchMore(const QModelIndex &pai)
{
    if (pai.isValid() || m_fim)
        return;
    const QList<LinhaTrilha> novas = pagina();
    m_fim = novas.size() < Pagina;
    if (novas.isEmpty())
        return;
    beginInsertRows({}, int(m_linhas.size()), int(m_linhas.size() + novas.size() - 1));
    m_linhas.append(novas);
    endInsertRows();
}
