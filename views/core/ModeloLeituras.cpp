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

QModelIndexList ModeloLeituras::match(
    const QModelIndex &start, int role, const QVariant &value, int hits, Qt::MatchFlags flags) const
{
    const int n = rowCount();
    if (n <= kLinhasProcuradas || role != Qt::DisplayRole || !start.isValid()
        || (flags & Qt::MatchTypeMask) != Qt::MatchStartsWith)
        return QAbstractListModel::match(start, role, value, hits, flags);
    const QString texto = value.toString();
    const Qt::CaseSensitivity caso = flags & Qt::MatchCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    QModelIndexList achadas;
    for (int k = 0; k < kLinhasProcuradas && (hits < 0 || achadas.size() < hits); ++k) {
        int linha = start.row() + k;
        if (linha >= n) {
            if (!(flags & Qt::MatchWrap))
                break;
            linha -= n;
        }
        if (m_linhas.linha(linha).startsWith(texto, caso))
            achadas.append(index(linha));
    }
    return achadas;
}
