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

    const LinhasLeituras &linhas() const { return m_linhas; }
    const TAquisicao &aquisicao() const { return *m_aquisicao; }

private:
    std::shared_ptr<const TAquisicao> m_aquisicao;
    LinhasLeituras m_linhas;
};
