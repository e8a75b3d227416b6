#include "ModeloGravacoes.h"

#include <QElapsedTimer>
#include <QTimer>

using TextoRegistros::ColunaGravacao;
using TextoRegistros::Integridade;

namespace {

// How long one turn of the checks may hold the events back.
constexpr int kTurnoMs = 30;

}  // namespace

ModeloGravacoes::ModeloGravacoes(
    SelosArquivo &selos, const Catalogo &catalogo, const ConfigRegional &regional, QObject *parent)
    : QAbstractTableModel(parent)
    , m_selos(selos)
    , m_catalogo(catalogo)
    , m_regional(regional)
{
}

void ModeloGravacoes::defineFiltro(const FiltroSelos &filtro)
{
    beginResetModel();
    m_filtro = filtro;
    m_linhas.clear();
    m_pendentes.clear();
    m_fim = false;
    for (const SeloArquivo &s : pagina())
        m_linhas.append({ s });
    m_fim = m_linhas.size() < Pagina;
    endResetModel();
}

QList<SeloArquivo> ModeloGravacoes::pagina() const
{
    FiltroSelos f = m_filtro;
    f.limite = Pagina;
    f.antesDe = m_linhas.isEmpty() ? 0 : m_linhas.last().selo.id;
    return m_selos.lista(f);
}

int ModeloGravacoes::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : int(m_linhas.size());
}

int ModeloGravacoes::columnCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : int(ColunaGravacao::Total);
}

QVariant ModeloGravacoes::data(const QModelIndex &indice, int papel) const
{
    if (!indice.isValid() || indice.row() >= m_linhas.size())
        return {};
    const auto coluna = ColunaGravacao(indice.column());
    const Linha &l = m_linhas.at(indice.row());
    if (papel == Qt::TextAlignmentRole)
        return coluna == ColunaGravacao::Entradas || coluna == ColunaGravacao::Serie
            ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
            : QVariant();
    if (papel == Qt::ToolTipRole && coluna == ColunaGravacao::Caminho)
        return l.selo.caminho;
    if (papel != Qt::DisplayRole)
        return {};
    if (coluna != ColunaGravacao::Integridade)
        return TextoRegistros::textoGravacao(l.selo, coluna, m_catalogo, m_regional);
    if (l.estado == Integridade::Verificando)
        pedeVerificacao(indice.row());
    return TextoRegistros::textoIntegridade(l.estado, m_catalogo);
}

QVariant ModeloGravacoes::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole)
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    return TextoRegistros::cabecalhoGravacao(ColunaGravacao(secao), m_catalogo);
}

bool ModeloGravacoes::canFetchMore(const QModelIndex &pai) const
{
    return !pai.isValid() && !m_fim;
}

void ModeloGravacoes::fetchMore(const QModelIndex &pai)
{
    if (pai.isValid() || m_fim)
        return;
    const QList<SeloArquivo> novos = pagina();
    m_fim = novos.size() < Pagina;
    if (novos.isEmpty())
        return;
    beginInsertRows({}, int(m_linhas.size()), int(m_linhas.size() + novos.size() - 1));
    for (const SeloArquivo &s : novos)
        m_linhas.append({ s });
    endInsertRows();
}

// Only the rows shown are asked for: their files are read after the
// events of the moment, so that painting never waits for a disk.
void ModeloGravacoes::pedeVerificacao(int linha) const
{
    m_pendentes.insert(linha);
    if (m_agendado)
        return;
    m_agendado = true;
    QTimer::singleShot(0, const_cast<ModeloGravacoes *>(this), &ModeloGravacoes::verificaPendentes);
}

void ModeloGravacoes::verificaPendentes()
{
    m_agendado = false;
    QElapsedTimer relogio;
    relogio.start();
    const auto coluna = int(ColunaGravacao::Integridade);
    while (!m_pendentes.isEmpty() && relogio.elapsed() < kTurnoMs) {
        const int linha = *m_pendentes.begin();
        m_pendentes.erase(m_pendentes.begin());
        if (linha >= m_linhas.size() || m_linhas.at(linha).estado != Integridade::Verificando)
            continue;
        m_linhas[linha].estado = TextoRegistros::verificaArquivo(m_linhas.at(linha).selo, m_selos);
        emit dataChanged(index(linha, coluna), index(linha, coluna));
    }
    if (!m_pendentes.isEmpty() && !m_agendado) {
        m_agendado = true;
        QTimer::singleShot(0, this, &ModeloGravacoes::verificaPendentes);
    }
}
