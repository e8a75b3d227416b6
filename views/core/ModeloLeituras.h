#pragma once

#include "LinhasLeituras.h"

#include <QAbstractListModel>

#include <memory>

class TAquisicao;

// The readings list as a list model: line k is made when a view asks for
// it, so a document of any length opens at once and holds no text per
// entry.
class ModeloLeituras : public QAbstractListModel
{
    Q_OBJECT
public:
    // The catalogue and the regional settings must outlive the model.
    ModeloLeituras(std::shared_ptr<const TAquisicao> aquisicao, const Catalogo &catalogo,
        const ConfigRegional &regional, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // The views' search by typed text (the lines that start with it, from a
    // row on, going round) looks at most kLinhasProcuradas lines: the search
    // over every row would make every line of a million-entry list at each
    // key typed when none matches. Other searches are the model's own.
    QModelIndexList match(const QModelIndex &start, int role, const QVariant &value, int hits = 1,
        Qt::MatchFlags flags = Qt::MatchFlags(Qt::MatchStartsWith | Qt::MatchWrap)) const override;
    static constexpr int kLinhasProcuradas = 4096;

    const LinhasLeituras &linhas() const { return m_linhas; }
    const TAquisicao &aquisicao() const { return *m_aquisicao; }

private:
    std::shared_ptr<const TAquisicao> m_aquisicao;
    LinhasLeituras m_linhas;
};
