#pragma once

#include "SelosArquivo.h"
#include "TextoRegistros.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSet>

class Catalogo;
struct ConfigRegional;

// The sealed recordings of the "Registros" window, the newest first. Rows
// are read from the records a page at a time, as the view scrolls to them
// (fetchMore), so that the window opens as fast with 10,000 seals as with
// ten. A row's integrity is "Verificando..." until its file was read: only
// the rows a view asks for are read, a few at a time after the events of
// the moment, each told by dataChanged.
class ModeloGravacoes : public QAbstractTableModel
{
public:
    static constexpr int Pagina = 200;

    ModeloGravacoes(SelosArquivo &selos, const Catalogo &catalogo, const ConfigRegional &regional,
        QObject *parent = nullptr);

    void defineFiltro(const FiltroSelos &filtro);
    const SeloArquivo &selo(int linha) const { return m_linhas.at(linha).selo; }
    TextoRegistros::Integridade integridade(int linha) const { return m_linhas.at(linha).estado; }

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &pai) const override;
    void fetchMore(const QModelIndex &pai) override;

private:
    struct Linha
    {
        SeloArquivo selo;
        TextoRegistros::Integridade estado = TextoRegistros::Integridade::Verificando;
    };
    QList<SeloArquivo> pagina() const;
    void pedeVerificacao(int linha) const;
    void verificaPendentes();

    SelosArquivo &m_selos;
    const Catalogo &m_catalogo;
    const ConfigRegional &m_regional;
    FiltroSelos m_filtro;
    QList<Linha> m_linhas;
    bool m_fim = true;
    mutable QSet<int> m_pendentes;
    mutable bool m_agendado = false;
};
