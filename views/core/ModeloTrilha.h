#pragma once

#include "TrilhaAuditoria.h"

#include <QAbstractTableModel>
#include <QList>

class Catalogo;
struct ConfigRegional;

// The audit trail of the "Registros" window, the newest event first. Rows
// are read a page at a time as the view scrolls to them (fetchMore), and a
// row's texts are made only when the view asks for them, so that 100,000
// events cost the window one page at opening.
class ModeloTrilha : public QAbstractTableModel
{
public:
    static constexpr int Pagina = 200;

    ModeloTrilha(TrilhaAuditoria &trilha, const Catalogo &catalogo, const ConfigRegional &regional,
        QObject *parent = nullptr);

    void defineFiltro(const FiltroTrilha &filtro);
    const FiltroTrilha &filtro() const { return m_filtro; }
    // Every event of the filter, the oldest first (the export and the
    // report), read at once.
    QList<LinhaTrilha> todas() const;
    const LinhaTrilha &linha(int k) const { return m_linhas.at(k); }

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &pai) const override;
    void fetchMore(const QModelIndex &pai) override;

private:
    QList<LinhaTrilha> pagina() const;

    TrilhaAuditoria &m_trilha;
    const Catalogo &m_catalogo;
    const ConfigRegional &m_regional;
    FiltroTrilha m_filtro;
    QList<LinhaTrilha> m_linhas;
    bool m_fim = true;
};
