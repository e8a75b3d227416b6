#include "ModeloLeituras.h"

#include "TAquisicao.h"

ModeloLeituras::ModeloLeituras(std::shared_ptr<const TAquisicao> aquisicao, const Catalogo &catalogo,
    const ConfigRegional &regional, QObject *parent)
    : QAbstractListModel(parent)
    , m_aquisicao(std::move(aquisicao))
    , m_linhas(*m_aquisicao, catalogo, regional)
{
}

int ModeloLeituras::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_linhas.quantidade();
}

QVariant ModeloLeituras::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_linhas.quantidade())
        return {};
    return m_linhas.linha(index.row());
}
